#pragma once
// The one number syntax of every text input (curve files and dialog fields):
// optional leading blanks, optional sign, digits, optionally "." and digits,
// optionally E or e, an optional sign and digits. Nothing else.

#include <optional>
#include <string_view>

namespace qv {

enum class NumberStatus { Ok, NotANumber, OutOfRange };

struct ParsedNumber {
    NumberStatus status = NumberStatus::NotANumber;
    double value = 0.0;
};

ParsedNumber ParseNumber(std::string_view text);
// The value when the text is a number inside the 64-bit range.
std::optional<double> ToNumber(std::string_view text);

}  // namespace qv
