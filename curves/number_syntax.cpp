#include "curves/number_syntax.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace qv {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

ParsedNumber ParseNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    const std::size_t start = i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t intStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    const std::size_t intDigits = i - intStart;
    if (intDigits == 0) return {};
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i == fracStart) return {};
    }
    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
        const std::size_t expStart = i;
        while (i < text.size() && IsDigit(text[i])) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (i == expStart) return {};
        if (expNegative) exponent = -exponent;
    }
    if (i != text.size()) return {};

    // from_chars takes no '+' and ignores the locale, which a dialog field
    // and a curve file must not depend on.
    std::string_view body = text.substr(negative ? start : intStart);
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec == std::errc() && ptr == body.data() + body.size()) return {NumberStatus::Ok, value};
    if (ec != std::errc::result_out_of_range) return {};

    // Out of range is either too large (an error) or too small (zero): the
    // power of ten of the first significant digit tells which.
    std::int64_t power = static_cast<std::int64_t>(intDigits) - 1;
    for (std::size_t k = intStart; k < text.size() && text[k] != 'E' && text[k] != 'e'; ++k) {
        if (text[k] == '.') continue;
        if (text[k] != '0') {
            if (exponent + power > 0) return {NumberStatus::OutOfRange, 0.0};
            break;
        }
        --power;
    }
    return {NumberStatus::Ok, negative ? -0.0 : 0.0};
}

std::optional<double> ToNumber(std::string_view text) {
    ParsedNumber p = ParseNumber(text);
    if (p.status != NumberStatus::Ok) return std::nullopt;
    return p.value;
}

}  // namespace qv
