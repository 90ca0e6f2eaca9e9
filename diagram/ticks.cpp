#include "diagram/ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qv {
namespace {

// No grid or label loop may run away on a step that is tiny against its
// range; far more lines than any window can show.
constexpr int kMaxLoopSteps = 10000;

bool UsableRange(double from, double to) {
    return std::isfinite(from) && std::isfinite(to) && from < to;
}
bool UsableLogRange(double from, double to) {
    return UsableRange(from, to) && from > 0.0;
}
bool UsableStep(double step) {
    return std::isfinite(step) && step > 0.0;
}

// Repeated addition of a step leaves residues like -5.55E-17 where zero is
// meant; the label must read 0.
double TickTextValue(double v, double step) {
    return std::fabs(v) < step * 1e-9 ? 0.0 : v;
}

std::string TickText(double v, std::int32_t lo, std::int32_t hi) {
    return FormatTickValue(v, lo, hi).substr(0, kMaxTickTextLength);
}

// The exponent of the decade that starts at or below v, truncated toward
// zero as the grid and label loops expect.
std::int32_t DecadeIndex(double v) {
    return static_cast<std::int32_t>(std::trunc(DecimalLog(v)));
}

const AxisMapper& AxisOf(const DiagramMapper& map, Axis axis) {
    return axis == Axis::X ? map.X() : map.Y();
}

// x labels: four pixels per character on each side of the label's centre,
// from the client area's left edge and from the strip's right end.
bool XLabelFits(const DrawingState& s, double position, std::size_t n) {
    const std::int64_t room = 4 * static_cast<std::int64_t>(n);
    const std::int64_t px = WorldToPixelX(s, position);
    return px >= room && WorldToPixelX(s, WorldExtent) - px >= room;
}

// Decade y labels: more than three pixels from the strip's bottom and top.
bool DecadeYLabelFits(const DrawingState& s, double position) {
    return WorldToPixelY(s, 0) - WorldToPixelY(s, position) > 3 &&
           WorldToPixelY(s, position) - WorldToPixelY(s, WorldExtent) > 3;
}

// The first line is always given, even when it lies outside the plot.
std::vector<double> LinearLines(double from, double to, double step) {
    std::vector<double> lines;
    if (!UsableRange(from, to) || !UsableStep(step)) return lines;
    const double scale = AxisScale(from, to, false);
    double v = step * std::trunc(from / step);
    for (int i = 0; i < kMaxLoopSteps; ++i) {
        lines.push_back((v - from) * scale);
        const double next = v + step;
        if (next <= v || next >= to) break;
        v = next;
    }
    return lines;
}

// The step of the 1-2-5 ladder just below the given one.
double FinerStep(double step) {
    const double p = std::pow(10.0, std::floor(std::log10(step)));
    const double m = step / p;
    if (m > 5.000001) return 5 * p;
    if (m > 2.000001) return 2 * p;
    if (m > 1.000001) return p;
    return p / 2;
}

// Multiples of the step strictly inside the range.
double InsideMultiples(double from, double to, double step) {
    const double first = std::floor(from / step + 1e-9) + 1;
    const double last = std::ceil(to / step - 1e-9) - 1;
    return last - first + 1;
}

// A log y axis of less than three labelled decades: the 2 and 5 of each
// decade get labels too, then every factor, until there are three.
void AddYLabelsInsideDecades(const DiagramMapper& map, AxisTicks& t) {
    const AxisMapper& a = map.Y();
    const double scale = AxisScale(a.from, a.to, true);
    for (const std::vector<double>& factors :
         {std::vector<double>{2, 5}, std::vector<double>{1.5, 3, 4, 6, 7, 8, 9}}) {
        for (std::int32_t k = DecadeIndex(a.from) - 1; DecadePower(k) < a.to; ++k)
            for (double f : factors) {
                const double v = std::pow(10.0, k) * f;
                const double position = AxisPosition(v, a.from, scale, true);
                if (a.from < v && v < a.to && DecadeYLabelFits(map.PlotState(), position))
                    t.labels.push_back({position, TickText(v, -4, 5)});
            }
        std::sort(t.labels.begin(), t.labels.end(),
                  [](const TickLabel& l, const TickLabel& r) { return l.position < r.position; });
        if (t.labels.size() >= 3) return;
    }
}

}  // namespace

TickSteps WithThreeLabels(double from, double to, TickSteps steps) {
    if (!UsableRange(from, to) || !UsableStep(steps.major)) return steps;
    bool finer = false;
    for (int i = 0; i < 64 && InsideMultiples(from, to, steps.major) < 3; ++i) {
        steps.major = FinerStep(steps.major);
        finer = true;
    }
    if (finer) steps.minor = steps.major / 5;
    return steps;
}

AxisTicks LinearTicks(const DiagramMapper& map, Axis axis, TickSteps steps) {
    const AxisMapper& a = AxisOf(map, axis);
    if (axis == Axis::Y) steps = WithThreeLabels(a.from, a.to, steps);
    AxisTicks t;
    t.minorLines = LinearLines(a.from, a.to, steps.minor);
    t.majorLines = LinearLines(a.from, a.to, steps.major);
    const bool isX = axis == Axis::X;
    const double step = steps.major;
    // x: without any label the unit stands halfway to the right end; y: in the middle.
    double prev = isX ? 0 : WorldExtent / 2, cur = isX ? WorldExtent : WorldExtent / 2;
    if (UsableRange(a.from, a.to) && UsableStep(step)) {
        const double scale = AxisScale(a.from, a.to, false);
        double v = step * std::trunc(a.from / step);
        if (v == a.from) v += step;  // no label at the lower bound
        if (!isX && v < a.to) cur = 0;
        for (int i = 0; v < a.to && i < kMaxLoopSteps; ++i) {
            const double position = (v - a.from) * scale;
            // A y label below the lower bound would stand among the x labels.
            if (!isX && position < -1e-9) {
                v += step;
                continue;
            }
            prev = cur;
            cur = position;
            if (isX) {
                std::string text = TickText(TickTextValue(v, step), -4, 5);
                if (XLabelFits(map.PlotState(), cur, text.size()))
                    t.labels.push_back({cur, std::move(text)});
            } else {
                t.labels.push_back({cur, TickText(TickTextValue(v, step), -3, 3)});
            }
            const double next = v + step;
            if (next <= v) break;
            v = next;
        }
    }
    t.unitPosition = (prev + cur) / 2;
    return t;
}

AxisTicks DecadeTicks(const DiagramMapper& map, Axis axis) {
    const AxisMapper& a = AxisOf(map, axis);
    AxisTicks t;
    double prev = 0, cur = WorldExtent;
    if (UsableLogRange(a.from, a.to)) {
        const double scale = AxisScale(a.from, a.to, true);
        std::int32_t k = DecadeIndex(a.from);
        // DecadePower overflows to infinity long before k does, which ends the loop.
        for (double v = 0; v < a.to; ++k) {
            for (double f : DecadeFactors) {
                v = DecadePower(k) * f;
                if (a.from < v && v < a.to)
                    t.majorLines.push_back(AxisPosition(v, a.from, scale, true));
            }
        }
        k = DecadeIndex(a.from);
        for (double v = DecadePower(k); v < a.to; v = DecadePower(++k)) {
            if (v < a.from) continue;
            prev = cur;
            cur = AxisPosition(v, a.from, scale, true);
            // The label names the exact power of ten, not DecadePower's value.
            std::string text = TickText(std::pow(10.0, k), -4, 5);
            const bool fits = axis == Axis::X ? XLabelFits(map.PlotState(), cur, text.size())
                                              : DecadeYLabelFits(map.PlotState(), cur);
            if (fits) t.labels.push_back({cur, std::move(text)});
        }
        if (axis == Axis::Y && t.labels.size() < 3) AddYLabelsInsideDecades(map, t);
    }
    t.unitPosition = (prev + cur) / 2;
    return t;
}

}  // namespace qv
