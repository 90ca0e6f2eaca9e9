#include "translations/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <optional>
#include <string_view>
#include <vector>

namespace qv {
namespace {

bool HasPlaceholder(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == u'%' && text[i + 1] >= u'1' && text[i + 1] <= u'9') return true;
    return false;
}

// Every finished translation of a Linguist file that differs from its source,
// and every sentence with values.
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
            // A sentence with values stays even when it reads the same: its
            // values may be known texts that are translated.
            if (!unfinished && !translation.isEmpty() &&
                (translation != source || HasPlaceholder(source)))
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

namespace {

// The values a filled sentence put where its source has %1 … %9, or nothing
// when the text is not that sentence. Literal parts must match in order; a
// value is never empty nor blanks alone.
std::optional<std::vector<std::string>> MatchFilled(std::string_view source,
                                                    std::string_view text) {
    std::vector<std::string_view> parts;  // literal, placeholder, literal, …
    std::vector<int> slots;
    std::size_t from = 0;
    for (std::size_t i = 0; i + 1 < source.size(); ++i) {
        if (source[i] != '%' || source[i + 1] < '1' || source[i + 1] > '9') continue;
        parts.push_back(source.substr(from, i - from));
        slots.push_back(source[i + 1] - '1');
        from = i + 2;
        ++i;
    }
    if (slots.empty()) return std::nullopt;
    parts.push_back(source.substr(from));
    if (text.substr(0, parts.front().size()) != parts.front()) return std::nullopt;
    std::vector<std::string> values(9);
    std::size_t at = parts.front().size();
    for (std::size_t k = 0; k < slots.size(); ++k) {
        const std::string_view next = parts[k + 1];
        const bool last = k + 1 == slots.size();
        std::size_t end;
        if (last) {
            if (text.size() < at + 1 + next.size() ||
                text.substr(text.size() - next.size()) != next)
                return std::nullopt;
            end = text.size() - next.size();
        } else {
            // Two placeholders side by side cannot be told apart.
            if (next.empty()) return std::nullopt;
            end = text.find(next, at + 1);
            if (end == std::string_view::npos) return std::nullopt;
        }
        const std::string_view value = text.substr(at, end - at);
        // Blanks alone are layout, not a value ("      channel: 0").
        if (value.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
        values[static_cast<std::size_t>(slots[k])] = std::string(value);
        at = end + next.size();
    }
    return values;
}

}  // namespace

std::optional<std::string> Language::Sentence(const std::string& text) const {
    if (auto it = table_.find(text); it != table_.end()) return it->second;
    // A value never spans lines: a report is read line by line.
    if (text.find('\n') != std::string::npos) return std::nullopt;
    // A filled sentence: its translation with the same values, each value
    // itself translated when it is a known text or sentence ("3 rows").
    std::size_t bestLiteral = 0;
    std::string filled;
    for (const auto& [source, translation] : table_) {
        if (source.find('%') == std::string::npos) continue;
        const auto values = MatchFilled(source, text);
        if (!values) continue;
        std::size_t valueLength = 0;
        for (const std::string& v : *values) valueLength += v.size();
        const std::size_t literal = text.size() - valueLength;
        if (literal <= bestLiteral) continue;
        bestLiteral = literal;
        filled.clear();
        for (std::size_t i = 0; i < translation.size(); ++i) {
            const char c = translation[i];
            if (c == '%' && i + 1 < translation.size() && translation[i + 1] >= '1' &&
                translation[i + 1] <= '9') {
                const std::string& v =
                    (*values)[static_cast<std::size_t>(translation[i + 1] - '1')];
                // A value is shorter than its sentence, so this ends.
                filled += v.empty() ? v : Sentence(v).value_or(v);
                ++i;
                continue;
            }
            filled += c;
        }
    }
    if (bestLiteral > 0) return filled;
    return std::nullopt;
}

std::string Language::CoreText(const std::string& text) const {
    // A sentence that came back as it was ("%1: %2" with unknown values)
    // may still have known parts.
    if (auto sentence = Sentence(text); sentence && *sentence != text) return *sentence;
    // A report: each line on its own.
    if (text.find('\n') != std::string::npos) {
        std::string out;
        std::size_t from = 0;
        while (true) {
            const std::size_t end = text.find('\n', from);
            const std::string line = text.substr(from, end == std::string::npos ? end : end - from);
            out += line.empty() ? line : CoreText(line);
            if (end == std::string::npos) break;
            out += '\n';
            from = end + 1;
        }
        return out;
    }
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
