#pragma once
// Fields and numbers of the text files engineers exchange: blanks, TABs,
// commas or semicolons between fields, quoted fields, decimal points or
// decimal commas, thousands separators ("1,000.49"), "inf" and "NaN".

#include <optional>
#include <string_view>
#include <vector>

namespace qv {

enum class FieldSeparator { Tab, Semicolon, Comma, Blank };
enum class DecimalMark { Point, Comma };

inline constexpr FieldSeparator kAllSeparators[] = {FieldSeparator::Tab, FieldSeparator::Semicolon,
                                                    FieldSeparator::Comma, FieldSeparator::Blank};

const char* SeparatorName(FieldSeparator sep);

// Splits a line into fields, each trimmed of blanks and surrounding quotes.
// A quoted field may hold separators. Blank separation takes runs of blanks
// and TABs as one separator; the others keep empty fields. Trailing empty
// fields are dropped.
void SplitFields(std::string_view line, FieldSeparator sep, std::vector<std::string_view>& out);

// How a number's text votes on the file's decimal mark.
enum class MarkVote { None, Point, Comma };

// The shape of a field as a number, before the file's decimal mark is known:
// whether it can be a number at all and which decimal mark it implies.
struct NumberShape {
    bool numeric = false;
    MarkVote vote = MarkVote::None;
};
// commaSeparates: the file's fields are separated by commas, so a comma can
// not be part of a number.
NumberShape ClassifyNumber(std::string_view field, bool commaSeparates);

// The value of a field with the file's decimal mark; the other mark may
// group thousands (in groups of three digits). "inf", "-inf" and "nan" give
// their values. nullopt when the field is not a number.
std::optional<double> ParseNumberField(std::string_view field, DecimalMark mark,
                                       bool commaSeparates);

}  // namespace qv
