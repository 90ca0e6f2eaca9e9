#include "measurements/number_fields.h"

#include "curves/tr.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace qv {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char SeparatorChar(FieldSeparator sep) {
    switch (sep) {
        case FieldSeparator::Tab:
            return '\t';
        case FieldSeparator::Semicolon:
            return ';';
        case FieldSeparator::Comma:
            return ',';
        case FieldSeparator::Blank:
            return ' ';
    }
    return ' ';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
    return true;
}

// "inf", "infinity" and "nan" with an optional sign.
std::optional<double> SpecialValue(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (EqualsNoCase(s, "inf") || EqualsNoCase(s, "infinity"))
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    if (EqualsNoCase(s, "nan")) return std::numeric_limits<double>::quiet_NaN();
    return std::nullopt;
}

// A number's text split into sign, mantissa (digits and marks) and exponent.
struct NumberParts {
    std::string_view sign, mantissa, exponent;
};

std::optional<NumberParts> SplitNumber(std::string_view s, bool commaAllowed) {
    NumberParts p;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) p.sign = s.substr(i++, 1);
    const std::size_t m0 = i;
    bool digit = false;
    while (i < s.size() && (IsDigit(s[i]) || s[i] == '.' || (commaAllowed && s[i] == ','))) {
        digit = digit || IsDigit(s[i]);
        ++i;
    }
    if (!digit) return std::nullopt;
    p.mantissa = s.substr(m0, i - m0);
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        const std::size_t e0 = i++;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t d0 = i;
        while (i < s.size() && IsDigit(s[i])) ++i;
        if (i == d0) return std::nullopt;
        p.exponent = s.substr(e0, i - e0);
    }
    if (i != s.size()) return std::nullopt;
    return p;
}

// Digits grouped by g in threes ("1,000,000"): the first group 1 to 3 digits.
bool ValidGrouping(std::string_view digits, char g) {
    std::size_t group = 0;
    bool first = true;
    for (char c : digits) {
        if (c == g) {
            if (group == 0 || (first && group > 3) || (!first && group != 3)) return false;
            first = false;
            group = 0;
        } else if (IsDigit(c)) {
            ++group;
        } else {
            return false;
        }
    }
    return !first && group == 3;
}

std::size_t Count(std::string_view s, char c) {
    std::size_t n = 0;
    for (char x : s) n += x == c;
    return n;
}

}  // namespace

const char* SeparatorName(FieldSeparator sep) {
    switch (sep) {
        case FieldSeparator::Tab:
            return QV_TR("TAB separated");
        case FieldSeparator::Semicolon:
            return QV_TR("semicolon separated");
        case FieldSeparator::Comma:
            return QV_TR("comma separated");
        case FieldSeparator::Blank:
            return QV_TR("blank separated");
    }
    return "";
}

void SplitFields(std::string_view line, FieldSeparator sep, std::vector<std::string_view>& out) {
    out.clear();
    const char sc = SeparatorChar(sep);
    const bool blank = sep == FieldSeparator::Blank;
    auto isSep = [&](char c) { return blank ? (c == ' ' || c == '\t') : c == sc; };
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n) {
        if (blank) {
            while (i < n && isSep(line[i])) ++i;
            if (i == n) break;
        } else {
            while (i < n && line[i] != sc && IsBlank(line[i])) ++i;
        }
        std::string_view field;
        if (i < n && (line[i] == '"' || line[i] == '\'')) {
            const char q = line[i];
            const std::size_t start = ++i;
            while (i < n && line[i] != q) ++i;
            field = line.substr(start, i - start);
            if (i < n) ++i;                        // the closing quote
            while (i < n && !isSep(line[i])) ++i;  // anything after it belongs to the field
        } else {
            const std::size_t start = i;
            while (i < n && !isSep(line[i])) ++i;
            field = line.substr(start, i - start);
        }
        out.push_back(Trim(field));
        if (i < n) {
            ++i;  // the separator
            if (!blank && i == n) out.emplace_back();
        }
    }
    while (!out.empty() && out.back().empty()) out.pop_back();
}

NumberShape ClassifyNumber(std::string_view field, bool commaSeparates) {
    field = Trim(field);
    if (SpecialValue(field)) return {true, MarkVote::None};
    const auto parts = SplitNumber(field, !commaSeparates);
    if (!parts) return {};
    const std::string_view m = parts->mantissa;
    const std::size_t dots = Count(m, '.'), commas = Count(m, ',');
    if (dots == 0 && commas == 0) return {true, MarkVote::None};
    if (dots > 0 && commas > 0) {
        // The mark that comes last is the decimal mark; the other groups.
        const bool pointLast = m.rfind('.') > m.rfind(',');
        const char d = pointLast ? '.' : ',';
        const char g = pointLast ? ',' : '.';
        if (Count(m, d) != 1) return {};
        const std::string_view whole = m.substr(0, m.find(d));
        if (!ValidGrouping(whole, g)) return {};
        return {true, pointLast ? MarkVote::Point : MarkVote::Comma};
    }
    const char c = dots > 0 ? '.' : ',';
    const MarkVote same = c == '.' ? MarkVote::Point : MarkVote::Comma;
    const MarkVote other = c == '.' ? MarkVote::Comma : MarkVote::Point;
    if (Count(m, c) > 1) return ValidGrouping(m, c) ? NumberShape{true, other} : NumberShape{};
    const std::size_t at = m.find(c);
    const std::size_t before = at, after = m.size() - at - 1;
    if (after == 0) return c == '.' ? NumberShape{true, MarkVote::Point} : NumberShape{};
    // "1,000" or "1.000": a decimal mark or a thousands separator.
    if (after == 3 && before >= 1 && before <= 3 && parts->exponent.empty())
        return {true, MarkVote::None};
    return {true, same};
}

std::optional<double> ParseNumberField(std::string_view field, DecimalMark mark,
                                       bool commaSeparates) {
    field = Trim(field);
    if (auto special = SpecialValue(field)) return special;
    if (commaSeparates && mark == DecimalMark::Comma) return std::nullopt;
    const auto parts = SplitNumber(field, !commaSeparates);
    if (!parts) return std::nullopt;
    const char d = mark == DecimalMark::Point ? '.' : ',';
    const char g = mark == DecimalMark::Point ? ',' : '.';
    const std::string_view m = parts->mantissa;
    if (Count(m, d) > 1) return std::nullopt;
    const std::size_t at = m.find(d);
    const std::string_view whole = m.substr(0, at == std::string_view::npos ? m.size() : at);
    const std::string_view fraction =
        at == std::string_view::npos ? std::string_view{} : m.substr(at + 1);
    if (Count(fraction, g) > 0) return std::nullopt;
    if (Count(whole, g) > 0 && !ValidGrouping(whole, g)) return std::nullopt;

    char buffer[128];
    std::size_t n = 0;
    auto put = [&](char c) {
        if (n < sizeof buffer) buffer[n++] = c;
    };
    if (parts->sign == "-") put('-');
    for (char c : whole)
        if (c != g) put(c);
    if (at != std::string_view::npos) {
        put('.');
        for (char c : fraction) put(c);
    }
    for (char c : parts->exponent)
        if (c != '+') put(c);
    if (n == sizeof buffer) return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(buffer, buffer + n, value);
    if (end != buffer + n) return std::nullopt;
    // A value beyond the 64-bit range counts as infinite, which the clean-up drops.
    if (ec == std::errc::result_out_of_range) {
        const bool negative = parts->sign == "-";
        const bool tiny = parts->exponent.find('-') != std::string_view::npos;
        if (tiny) return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    if (ec != std::errc{}) return std::nullopt;
    return value;
}

}  // namespace qv
