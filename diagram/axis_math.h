#pragma once
// Axis arithmetic shared by the painter and the mouse editing: positions on
// linear and logarithmic axes, tick steps and tick texts.

#include <array>
#include <cstdint>
#include <string>

#include "curves/diagram.h"

namespace qv {

// An axis range is always spread over 0 ... WorldExtent world units.
constexpr double WorldExtent = 1000.0;
// The grid lines of one decade on a logarithmic axis.
constexpr std::array<double, 10> DecadeFactors = {1, 1.5, 2, 3, 4, 5, 6, 7, 8, 9};
// The diagram code's own ln 10; every log position uses it so they agree.
constexpr double kLogConstant = 2.30258;

double DecimalLog(double v);
double DecadePower(std::int32_t k);

// World units per axis unit (per decade for a log axis).
double AxisScale(double from, double to, bool log);
double AxisPosition(double v, double from, double scale, bool log);

struct TickSteps {
    double major = 0;
    double minor = 0;
};
// A round major step giving about five intervals, the minor step a fifth of it.
// An empty, inverted or non-finite range gives zero steps.
TickSteps ChooseTickStep(double from, double to);
// Keeps a diagram's steps while they give 3 to 15 major intervals.
void EnsureTickSteps(Diagram& diagram);

// Plain decimal notation while lo < exponent < hi, else E-notation
// ("1E05", "1.5E-05").
std::string FormatTickValue(double value, std::int32_t lo, std::int32_t hi);

}  // namespace qv
