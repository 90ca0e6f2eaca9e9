#pragma once
// One language per window and per batch run: the original texts ("de") or
// English ("en"), from Qt Linguist files embedded as resources. The Qt layer
// translates through tr() with the installed translator; texts of the core
// (marked QV_TR) are looked up by their wording alone, whatever class they
// come from, where they reach a person.

#include <QTranslator>

#include <map>
#include <string>

namespace qv {

// An explicit choice ("de" or "en") wins; otherwise English for a locale
// en_*, the original texts for every other one. Empty for an unknown choice.
std::string ChooseLanguage(const std::string& choice, const std::string& localeName);

class Language {
  public:
    // Loads the tables of "de" or "en" from quorvane_<code>.qm and .ts in
    // folder (the embedded ones by default); an unknown code gives the original texts.
    explicit Language(const std::string& code, const std::string& folder = ":/i18n");

    const std::string& code() const { return code_; }
    // For QCoreApplication::installTranslator (empty for the original texts).
    QTranslator& translator() { return translator_; }
    // A core text in this language: the whole text, or else its longest
    // translated beginning and end around what the core put between them
    // (a file name, a number). Unknown texts stay as they are.
    std::string CoreText(const std::string& text) const;
    // How many texts the table holds.
    std::size_t size() const { return table_.size(); }

  private:
    std::string code_;
    QTranslator translator_;
    std::map<std::string, std::string> table_;
};

}  // namespace qv
