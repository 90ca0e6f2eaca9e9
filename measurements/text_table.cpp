#include "measurements/text_table.h"

#include "curves/tr.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string_view>

#include "measurements/import_types.h"

namespace qv {
namespace {

// Rows looked at before the table's shape counts as known.
constexpr std::size_t kLayoutRows = 2000;
// Field counts above this are counted together.
constexpr int kMaxCountedFields = 64;
// Lines between progress reports.
constexpr std::size_t kProgressLines = 1 << 14;

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

// "#", "%", "*", ";", "!" and "//" start a comment; its text may still be
// the header ("# Frequency(Hz) Magnitude(dB) Phase").
bool StripComment(std::string_view& line) {
    std::string_view s = TrimLeft(line);
    if (s.empty()) return false;
    if (s.starts_with("//")) {
        line = s.substr(2);
        return true;
    }
    if (s.front() == '#' || s.front() == '%' || s.front() == '*' || s.front() == ';' ||
        s.front() == '!') {
        line = s.substr(1);
        return true;
    }
    return false;
}

bool OnlySeparators(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\f' || c == '\v';
    });
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool Has(const std::string& s, const char* word) {
    return s.find(word) != std::string::npos;
}

enum class Role { Unknown, Frequency, Level, Phase, GroupDelay, Impedance, Coherence };

// "ohm" as a word of its own or the sign, so that no other word counts.
bool NamesOhm(const std::string& lower) {
    if (Has(lower, "\xce\xa9") || Has(lower, "\xe2\x84\xa6")) return true;
    for (std::size_t at = lower.find("ohm"); at != std::string::npos;
         at = lower.find("ohm", at + 1))
        if (at == 0 || !std::isalpha(static_cast<unsigned char>(lower[at - 1]))) return true;
    return false;
}

// What a line of text or a column name says the values are, when not a level.
std::string NotLevelName(const std::string& lower) {
    if (Has(lower, "imped") || NamesOhm(lower)) return "impedance";
    if (Has(lower, "coher")) return "coherence";
    return {};
}

Role ClassifyName(std::string_view name, bool& radians, bool& ms) {
    const std::string s = Lower(name);
    if (s.empty()) return Role::Unknown;
    if (Has(s, "freq") || s == "f" || s == "hz" || s.starts_with("f (") || s.starts_with("f[") ||
        s.starts_with("f [") || s.starts_with("f("))
        return Role::Frequency;
    if (Has(s, "delay") || s == "gd" || s.starts_with("gd ") || s.starts_with("gd[") ||
        s.starts_with("gd(") || Has(s, "group")) {
        ms = Has(s, "ms") || Has(s, "msec") || Has(s, "milli");
        return Role::GroupDelay;
    }
    if (Has(s, "phase") || Has(s, "deg") || Has(s, "rad") || Has(s, "\xc2\xb0")) {
        radians = Has(s, "rad");
        return Role::Phase;
    }
    const std::string other = NotLevelName(s);
    if (other == "impedance") return Role::Impedance;
    if (other == "coherence") return Role::Coherence;
    if (Has(s, "db") || Has(s, "spl") || Has(s, "mag") || Has(s, "gain") || Has(s, "level") ||
        Has(s, "ampl") || Has(s, "response") || Has(s, "pressure") || Has(s, "pessure"))
        return Role::Level;
    return Role::Unknown;
}

// What the first pass learns about one candidate separator.
struct Candidate {
    FieldSeparator sep = FieldSeparator::Blank;
    std::size_t rows = 0;
    std::array<std::size_t, kMaxCountedFields + 1> fieldCounts{};
    std::size_t pointVotes = 0, commaVotes = 0;
    std::string lastText, previousText;  // the last two text lines seen
    bool previousComment = false, lastComment = false;
    std::string header, aboveHeader;     // those at the first row
    std::vector<std::string> firstRows;  // a few rows, for the side-by-side check

    int DominantCount(bool singleAllowed) const {
        int best = 0;
        std::size_t bestRows = 0;
        for (int k = singleAllowed ? 1 : 2; k <= kMaxCountedFields; ++k)
            if (fieldCounts[static_cast<std::size_t>(k)] > bestRows ||
                (fieldCounts[static_cast<std::size_t>(k)] == bestRows && bestRows > 0 &&
                 k > best)) {
                best = k;
                bestRows = fieldCounts[static_cast<std::size_t>(k)];
            }
        return best;
    }
    std::size_t RowsWith(int k) const {
        return k > 0 ? fieldCounts[static_cast<std::size_t>(k)] : 0;
    }
};

// Whether a line can start with a number under any separator; most text
// lines are told apart by their first character.
bool MayStartWithNumber(std::string_view line) {
    const std::string_view s = TrimLeft(line);
    if (s.empty()) return false;
    const char c = s.front();
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == ',' || c == ';' ||
           c == '"' || c == '\'' || c == 'i' || c == 'I' || c == 'n' || c == 'N';
}

void Look(Candidate& c, std::string_view line, bool comment, bool mayBeRow,
          std::vector<std::string_view>& fields) {
    const bool commaSeparates = c.sep == FieldSeparator::Comma;
    if (!comment && mayBeRow) {
        SplitFields(line, c.sep, fields);
        bool numeric = !fields.empty();
        std::size_t point = 0, comma = 0;
        for (auto f : fields) {
            const NumberShape shape = ClassifyNumber(f, commaSeparates);
            if (!shape.numeric) {
                numeric = false;
                break;
            }
            point += shape.vote == MarkVote::Point;
            comma += shape.vote == MarkVote::Comma;
        }
        if (numeric) {
            if (c.rows == 0) {
                c.header = c.lastText;
                // A comment above the header is prose, not names of pairs.
                if (!c.previousComment) c.aboveHeader = c.previousText;
            }
            ++c.rows;
            ++c.fieldCounts[std::min<std::size_t>(fields.size(), kMaxCountedFields)];
            c.pointVotes += point;
            c.commaVotes += comma;
            if (c.firstRows.size() < 8) c.firstRows.emplace_back(line);
            return;
        }
    }
    // Text: the header is the last such line before the first row, unless it
    // is a "key = value" line.
    if (c.rows == 0 && line.find('=') == std::string_view::npos && !OnlySeparators(line)) {
        c.previousText = std::move(c.lastText);
        c.previousComment = c.lastComment;
        c.lastText = std::string(line);
        c.lastComment = comment;
    }
}

// The header's names, split like the rows or else at blanks.
std::vector<std::string> HeaderNames(const std::string& header, FieldSeparator sep, int columns) {
    std::vector<std::string_view> fields;
    SplitFields(header, sep, fields);
    if (static_cast<int>(fields.size()) != columns) {
        std::vector<std::string_view> blank;
        SplitFields(header, FieldSeparator::Blank, blank);
        if (static_cast<int>(blank.size()) == columns ||
            (fields.size() < 2 && blank.size() >= 2 && static_cast<int>(blank.size()) <= columns))
            fields = blank;
    }
    return {fields.begin(), fields.end()};
}

std::vector<ColumnPair> PairsFromHeader(const std::vector<std::string>& names,
                                        const std::vector<std::string>& above, int columns) {
    const int n = std::min(static_cast<int>(names.size()), columns);
    if (n < 2 || static_cast<int>(names.size()) > columns + 1) return {};
    std::vector<Role> roles(static_cast<std::size_t>(n));
    std::vector<char> radians(static_cast<std::size_t>(n)), ms(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        bool r = false, m = false;
        roles[static_cast<std::size_t>(i)] = ClassifyName(names[static_cast<std::size_t>(i)], r, m);
        radians[static_cast<std::size_t>(i)] = r;
        ms[static_cast<std::size_t>(i)] = m;
    }
    std::vector<ColumnPair> pairs;
    for (int i = 0; i < n; ++i) {
        if (roles[static_cast<std::size_t>(i)] != Role::Frequency) continue;
        ColumnPair p;
        p.frequency = i;
        for (int j = i + 1; j < n && roles[static_cast<std::size_t>(j)] != Role::Frequency; ++j) {
            const auto u = static_cast<std::size_t>(j);
            if ((roles[u] == Role::Level || roles[u] == Role::Impedance ||
                 roles[u] == Role::Coherence) &&
                p.level < 0) {
                p.level = j;
                p.notLevel = roles[u] == Role::Impedance   ? "impedance"
                             : roles[u] == Role::Coherence ? "coherence"
                                                           : "";
            }
            if (roles[u] == Role::Phase && p.phase < 0) {
                p.phase = j;
                p.phaseRadians = radians[u] != 0;
            }
            if (roles[u] == Role::GroupDelay && p.groupDelay < 0) {
                p.groupDelay = j;
                p.groupDelayMs = ms[u] != 0;
            }
        }
        if (p.level < 0 && p.groupDelay < 0) continue;
        const auto a = static_cast<std::size_t>(i);
        if (a < above.size() && !above[a].empty()) p.name = above[a];
        pairs.push_back(p);
    }
    return pairs;
}

// Without a header: several (frequency, level) pairs side by side when the
// frequency columns repeat the first one.
bool SideBySidePairs(const Candidate& c, const TextLayout& layout) {
    if (layout.columns < 4 || layout.columns % 2 != 0 || c.firstRows.empty()) return false;
    std::vector<std::string_view> fields;
    for (const auto& row : c.firstRows) {
        SplitFields(row, layout.separator, fields);
        if (static_cast<int>(fields.size()) != layout.columns) continue;
        const bool commaSeparates = layout.separator == FieldSeparator::Comma;
        const auto f0 = ParseNumberField(fields[0], layout.mark, commaSeparates);
        for (int k = 2; k < layout.columns; k += 2) {
            const auto fk =
                ParseNumberField(fields[static_cast<std::size_t>(k)], layout.mark, commaSeparates);
            if (!f0 || !fk || !(std::fabs(*fk - *f0) <= 1e-4 * std::fabs(*f0))) return false;
        }
    }
    return true;
}

void NamePairs(std::vector<ColumnPair>& pairs, const std::vector<std::string>& names) {
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        ColumnPair& p = pairs[k];
        if (!p.name.empty()) continue;
        const auto lev = static_cast<std::size_t>(p.level);
        if (pairs.size() == 1 && p.level >= 0 && lev < names.size() && !names[lev].empty())
            p.name = names[lev];
        else if (pairs.size() > 1)
            p.name = Fill(QV_TR("pair %1"), {std::to_string(k + 1)});
    }
}

// Lines such as "2.0833333E-5 // Sample interval (seconds)" or "0.0 // Data
// offset (dB)" above an impulse state its rate and level offset; any line
// above the table that names an impedance or a coherence says what it holds.
void ReadHeaderNote(std::string_view line, TextLayout& layout) {
    const std::string lower = Lower(line);
    // A driver's data sheet names its nominal impedance above a level.
    if (layout.notLevel.empty() && !Has(lower, "nominal")) layout.notLevel = NotLevelName(lower);
    const auto slashes = line.find("//");
    if (slashes == std::string_view::npos || slashes == 0) return;
    std::string_view number = line.substr(0, slashes);
    while (!number.empty() && (number.back() == ' ' || number.back() == '\t'))
        number.remove_suffix(1);
    number = TrimLeft(number);
    const auto v = ParseNumberField(number, DecimalMark::Point, true);
    if (!v || !std::isfinite(*v)) return;
    const std::string note = lower.substr(slashes + 2);
    if (Has(note, "sample interval") && *v > 0.0) layout.headerSampleRate = 1.0 / *v;
    if (Has(note, "data offset") && Has(note, "db")) layout.dataOffsetDb = *v;
}

bool ReportProgress(const ProgressFn& progress, const LineStream& lines) {
    if (!progress) return true;
    const double fraction =
        lines.size() > 0 ? static_cast<double>(lines.consumed()) / static_cast<double>(lines.size())
                         : 0.0;
    return progress(std::min(1.0, fraction));
}

// The next data line split into fields (views into line). Every line counts;
// progress is reported (a cancel throws ImportCancelled); comment, blank and
// overlong lines count as skipped. False at the end of the file.
bool NextDataFields(LineStream& lines, const TextLayout& layout, TableCounts& counts,
                    const ProgressFn& progress, std::string& line,
                    std::vector<std::string_view>& fields) {
    while (lines.Next(line)) {
        ++counts.lines;
        if (counts.lines % kProgressLines == 0 && !ReportProgress(progress, lines))
            throw ImportCancelled();
        std::string_view text = line;
        if (lines.overlong() || StripComment(text)) {
            ++counts.skipped;
            continue;
        }
        SplitFields(text, layout.separator, fields);
        return true;
    }
    return false;
}

}  // namespace

std::string TextLayout::Describe() const {
    if (impulse)
        return mark == DecimalMark::Point ? QV_TR("one sample a line, decimal point")
                                          : QV_TR("one sample a line, decimal comma");
    const std::string count =
        FillCount(static_cast<std::size_t>(columns), QV_TR("%1 column"), QV_TR("%1 columns"));
    // Three known texts in a list, each translated on its own.
    return Fill(
        QV_TR("%1, %2, %3"),
        {SeparatorName(separator),
         mark == DecimalMark::Point ? QV_TR("decimal point") : QV_TR("decimal comma"), count});
}

TextLayout DetectTextLayout(LineStream& lines, const std::string& fileName,
                            const ProgressFn& progress) {
    std::array<Candidate, 4> candidates;
    for (std::size_t i = 0; i < candidates.size(); ++i) candidates[i].sep = kAllSeparators[i];
    std::string line;
    std::vector<std::string_view> fields;
    bool first = true, anyRow = false;
    std::size_t count = 0;
    TextLayout layout;
    while (lines.Next(line)) {
        if (++count % kProgressLines == 0 && !ReportProgress(progress, lines))
            throw ImportCancelled();
        std::string_view text = line;
        if (first && text.starts_with("\xef\xbb\xbf")) text.remove_prefix(3);  // UTF-8 mark
        first = false;
        if (lines.overlong()) continue;
        if (!anyRow) ReadHeaderNote(text, layout);
        const bool comment = StripComment(text);
        const bool mayBeRow = !comment && MayStartWithNumber(text);
        for (auto& c : candidates) {
            Look(c, text, comment, mayBeRow, fields);
            anyRow = anyRow || c.rows > 0;
        }
        const auto most = std::max_element(candidates.begin(), candidates.end(),
                                           [](auto& a, auto& b) { return a.rows < b.rows; });
        if (most->rows >= kLayoutRows) break;
    }

    // The separator that gives the most rows of two or more fields of one
    // count; a single column means an impulse.
    const Candidate* best = nullptr;
    std::size_t bestRows = 0;
    for (const auto& c : candidates) {
        const std::size_t rows = c.RowsWith(c.DominantCount(false));
        if (rows > bestRows) {
            best = &c;
            bestRows = rows;
        }
    }
    if (!best) {
        for (const auto& c : candidates)
            if (c.RowsWith(1) > bestRows) {
                best = &c;
                bestRows = c.RowsWith(1);
            }
        if (!best)
            throw ImportError(
                Fill(QV_TR("%1 is not a measurement: it holds no rows of numbers."), {fileName}));
        layout.impulse = true;
        layout.columns = 1;
    } else {
        layout.columns = best->DominantCount(false);
    }
    layout.separator = best->sep;
    layout.mark = (best->sep != FieldSeparator::Comma && best->commaVotes > best->pointVotes)
                      ? DecimalMark::Comma
                      : DecimalMark::Point;
    if (layout.impulse) return layout;

    const auto names = HeaderNames(best->header, layout.separator, layout.columns);
    std::vector<std::string_view> aboveFields;
    SplitFields(best->aboveHeader, layout.separator, aboveFields);
    const std::vector<std::string> above(aboveFields.begin(), aboveFields.end());
    layout.pairs = PairsFromHeader(names, above, layout.columns);
    layout.header = !layout.pairs.empty();
    if (!layout.header) {
        if (SideBySidePairs(*best, layout)) {
            for (int k = 0; k < layout.columns; k += 2) {
                ColumnPair p;
                p.frequency = k;
                p.level = k + 1;
                layout.pairs.push_back(p);
            }
        } else {
            ColumnPair p;
            p.level = 1;
            if (layout.columns >= 3) p.phase = 2;
            layout.pairs.push_back(p);
        }
    }
    NamePairs(layout.pairs, names);
    return layout;
}

RawResponse ReadResponseRows(LineStream& lines, const TextLayout& layout, const ColumnPair& pair,
                             TableCounts& counts, const ProgressFn& progress) {
    RawResponse raw;
    raw.phaseRadians = pair.phaseRadians;
    raw.delayMs = pair.groupDelayMs;
    const bool commaSeparates = layout.separator == FieldSeparator::Comma;
    const int needed = std::max({pair.frequency, pair.level, pair.phase, pair.groupDelay}) + 1;
    std::string line;
    std::vector<std::string_view> fields;
    auto field = [&](int index) {
        return ParseNumberField(fields[static_cast<std::size_t>(index)], layout.mark,
                                commaSeparates);
    };
    while (NextDataFields(lines, layout, counts, progress, line, fields)) {
        if (static_cast<int>(fields.size()) < needed) {
            ++counts.skipped;
            continue;
        }
        const auto f = field(pair.frequency);
        const auto l = pair.level >= 0 ? field(pair.level) : std::optional<double>(0.0);
        const auto p = pair.phase >= 0 ? field(pair.phase) : std::optional<double>(0.0);
        const auto d = pair.groupDelay >= 0 ? field(pair.groupDelay) : std::optional<double>(0.0);
        if (!f || !l || !p || !d) {
            ++counts.skipped;
            continue;
        }
        if (++counts.rows > kMaxImportRows)
            throw ImportError(Fill(QV_TR("The file holds more than %1 rows; it is not imported."),
                                   {std::to_string(kMaxImportRows)}));
        raw.frequency.push_back(*f);
        if (pair.level >= 0) raw.level.push_back(*l);
        if (pair.phase >= 0) raw.phase.push_back(*p);
        if (pair.groupDelay >= 0) raw.delay.push_back(*d);
    }
    return raw;
}

std::vector<double> ReadImpulseRows(LineStream& lines, const TextLayout& layout,
                                    TableCounts& counts, const ProgressFn& progress) {
    std::vector<double> samples;
    const bool commaSeparates = layout.separator == FieldSeparator::Comma;
    std::string line;
    std::vector<std::string_view> fields;
    while (NextDataFields(lines, layout, counts, progress, line, fields)) {
        const auto v = fields.size() == 1 ? ParseNumberField(fields[0], layout.mark, commaSeparates)
                                          : std::nullopt;
        if (!v) {
            ++counts.skipped;
            continue;
        }
        if (!std::isfinite(*v))
            throw ImportError(
                Fill(QV_TR("The impulse holds a NaN or infinite sample in line %1; it is not "
                           "imported."),
                     {std::to_string(counts.lines)}));
        if (++counts.rows > kMaxImportRows)
            throw ImportError(
                Fill(QV_TR("The impulse holds more than %1 samples; it is not imported."),
                     {std::to_string(kMaxImportRows)}));
        samples.push_back(*v);
    }
    return samples;
}

}  // namespace qv
