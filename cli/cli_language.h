#pragma once
// The batch tool prints one language: the original texts or English, chosen
// once by main (--lang, or the locale) before a subcommand runs.

#include <string>

namespace qv::cli {

void UseLanguage(const std::string& code);
// A text of the core or of the tool in the chosen language.
std::string Tr(const std::string& text);

}  // namespace qv::cli
