#include "diagram/axis_math.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace qv {

double DecimalLog(double v) {
    return std::log(v) / kLogConstant;
}

double DecadePower(std::int32_t k) {
    return std::exp(kLogConstant * static_cast<double>(k));
}

double AxisScale(double from, double to, bool log) {
    if (log) return WorldExtent / (DecimalLog(to) - DecimalLog(from));
    return WorldExtent / (to - from);
}

double AxisPosition(double v, double from, double scale, bool log) {
    if (log) return (DecimalLog(v) - DecimalLog(from)) * scale;
    return (v - from) * scale;
}

TickSteps ChooseTickStep(double from, double to) {
    const double b = (to - from) / 5.0;
    if (!(b > 0.0) || !std::isfinite(b)) return {};
    // Rounded to nearest with halves to even: the default rounding mode.
    const int n = static_cast<int>(std::nearbyint(std::log(b) / std::log(10.0)));
    const double p = std::exp(2.302585 * n);
    double m = std::nearbyint(b / p);
    if (m == 0.0) m = 1.0;
    double major = m;
    for (int i = 0; i < n; ++i) major *= 10.0;
    for (int i = 0; i > n; --i) major /= 10.0;
    return {major, major / 5.0};
}

namespace {

void EnsureAxisSteps(double from, double to, double& major, double& minor) {
    if (major == 0.0 || minor == 0.0) {
        const TickSteps s = ChooseTickStep(from, to);
        major = s.major;
        minor = s.minor;
    }
    const double intervals = (to - from) / major;
    if (intervals > 15.0 || intervals < 3.0) {
        const TickSteps s = ChooseTickStep(from, to);
        major = s.major;
        minor = s.minor;
    }
}

void TrimZeros(std::string& s) {
    const auto point = s.find('.');
    if (point == std::string::npos) return;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
}

}  // namespace

void EnsureTickSteps(Diagram& diagram) {
    EnsureAxisSteps(diagram.xFrom, diagram.xTo, diagram.xMajorStep, diagram.xMinorStep);
    EnsureAxisSteps(diagram.yFrom, diagram.yTo, diagram.yMajorStep, diagram.yMinorStep);
}

std::string FormatTickValue(double value, std::int32_t lo, std::int32_t hi) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    // Fifteen significant digits: d.dddddddddddddd E exponent.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14E", std::fabs(value));
    const std::string_view text(buffer);
    const auto ePos = text.find('E');
    std::string digits;
    for (char c : text.substr(0, ePos))
        if (c != '.') digits += c;
    const int e = std::atoi(buffer + ePos + 1);

    std::string out = value < 0 ? "-" : "";
    if (lo < e && e < hi) {
        std::string plain;
        if (e >= 0) {
            if (digits.size() < static_cast<std::size_t>(e) + 1)
                digits.resize(static_cast<std::size_t>(e) + 1, '0');
            plain = digits.substr(0, static_cast<std::size_t>(e) + 1) + "." +
                    digits.substr(static_cast<std::size_t>(e) + 1);
        } else {
            plain = "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + digits;
        }
        TrimZeros(plain);
        return out + plain;
    }
    std::string mantissa = digits.substr(0, 1) + "." + digits.substr(1);
    TrimZeros(mantissa);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "%s%02d", e < 0 ? "-" : "", e < 0 ? -e : e);
    return out + mantissa + "E" + exponent;
}

}  // namespace qv
