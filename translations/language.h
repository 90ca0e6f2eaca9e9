#pragma once
// One language per window and per batch run: the original texts ("de") or
// English ("en"), from Qt Linguist files embedded as resources. The Qt layer
// translates through tr() with the installed translator; texts of the core
// (marked QV_TR) are looked up by their wording alone, whatever class they
// come from, where they reach a person.

#include <QString>
#include <QTranslator>

#include <map>
#include <optional>
#include <string>

namespace qv {

// The context under which the installed core table answers
// QCoreApplication::translate: the Qt layer shows core texts through TrCore.
inline constexpr char kCoreTextContext[] = "qv-core";
// A core text in the installed language (as it is when none is installed).
QString TrCore(const std::string& text);

// An explicit choice ("de" or "en") wins; otherwise English for a locale
// en_*, the original texts for every other one. Empty for an unknown choice.
std::string ChooseLanguage(const std::string& choice, const std::string& localeName);

class Language {
  public:
    // Loads the tables of "de" or "en" from quorvane_<code>.qm and .ts in
    // folder (the embedded ones by default); an unknown code gives the original texts.
    explicit Language(const std::string& code, const std::string& folder = ":/i18n");

    const std::string& code() const { return code_; }
    // Installs the Qt layer's table and the core's table into the application.
    void Install();
    // A core text in this language: the whole text, or else its longest
    // translated beginning and end around what the core put between them
    // (a file name, a number). A text of several lines that is not known as
    // a whole is translated line by line. Unknown texts stay as they are.
    std::string CoreText(const std::string& text) const;
    // How many texts the table holds.
    std::size_t size() const { return table_.size(); }

  private:
    // The whole text, or a filled sentence with its values translated.
    std::optional<std::string> Sentence(const std::string& text) const;

    // Answers kCoreTextContext with CoreText.
    class CoreTranslator : public QTranslator {
      public:
        explicit CoreTranslator(const Language& l) : language_(l) {}
        QString translate(const char* context, const char* sourceText, const char* disambiguation,
                          int n) const override;
        bool isEmpty() const override { return false; }

      private:
        const Language& language_;
    };

    std::string code_;
    QTranslator translator_;
    CoreTranslator core_{*this};
    std::map<std::string, std::string> table_;
};

}  // namespace qv
