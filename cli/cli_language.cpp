#include "cli/cli_language.h"

#include <memory>

#include "translations/language.h"

namespace qv::cli {
namespace {

std::unique_ptr<Language>& Chosen() {
    static std::unique_ptr<Language> language;
    return language;
}

}  // namespace

void UseLanguage(const std::string& code) {
    Chosen() = std::make_unique<Language>(code);
}

std::string Tr(const std::string& text) {
    return Chosen() ? Chosen()->CoreText(text) : text;
}

}  // namespace qv::cli
