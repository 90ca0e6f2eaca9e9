#include "translations/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <string_view>

namespace qv {
namespace {

// Every finished translation of a Linguist file that differs from its source.
std::map<std::string, std::string> ReadTable(const QString& path) {
    std::map<std::string, std::string> table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return table;
    QXmlStreamReader xml(&file);
    QString source, translation;
    bool unfinished = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            unfinished = !type.isEmpty();
            translation = xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == u"message") {
            if (!unfinished && !translation.isEmpty() && translation != source)
                table.emplace(source.toStdString(), translation.toStdString());
            source.clear();
            translation.clear();
            unfinished = false;
        }
    }
    return table;
}

}  // namespace

QString TrCore(const std::string& text) {
    return QCoreApplication::translate(kCoreTextContext, text.c_str());
}

std::string ChooseLanguage(const std::string& choice, const std::string& localeName) {
    if (choice == "de" || choice == "en") return choice;
    if (!choice.empty()) return {};
    return localeName.rfind("en", 0) == 0 ? "en" : "de";
}

Language::Language(const std::string& code, const std::string& folder)
    : code_(code == "en" ? "en" : "de") {
    const QString base = QString::fromStdString(folder) + QStringLiteral("/quorvane_") +
                         QString::fromStdString(code_);
    // A missing table leaves the texts as they are.
    (void)translator_.load(base + QStringLiteral(".qm"));
    table_ = ReadTable(base + QStringLiteral(".ts"));
}

void Language::Install() {
    QCoreApplication::installTranslator(&translator_);
    QCoreApplication::installTranslator(&core_);
}

QString Language::CoreTranslator::translate(const char* context, const char* sourceText,
                                            const char*, int) const {
    if (context == nullptr || sourceText == nullptr ||
        std::string_view(context) != kCoreTextContext)
        return {};
    return QString::fromStdString(language_.CoreText(sourceText));
}

std::string Language::CoreText(const std::string& text) const {
    if (auto it = table_.find(text); it != table_.end()) return it->second;
    // "Fehler beim Zugriff auf " + file + "." : translate the known parts.
    std::size_t headLength = 0, tailLength = 0;
    std::string head, tail;
    for (const auto& [source, translation] : table_) {
        if (source.size() < 4 || source.size() >= text.size()) continue;
        if (source.size() > headLength && text.compare(0, source.size(), source) == 0) {
            headLength = source.size();
            head = translation;
        }
        if (source.size() > tailLength &&
            text.compare(text.size() - source.size(), source.size(), source) == 0) {
            tailLength = source.size();
            tail = translation;
        }
    }
    if (headLength + tailLength > text.size()) tailLength = 0, tail.clear();
    if (headLength == 0 && tailLength == 0) return text;
    return head + text.substr(headLength, text.size() - headLength - tailLength) + tail;
}

}  // namespace qv
