#include "diagram/ranges.h"

#include <algorithm>
#include <cmath>

#include "diagram/shown_levels.h"

namespace qv {
namespace {

struct Span {
    double from = 0, to = 0;
    bool any = false;
    void Add(double v) {
        from = any ? std::min(from, v) : v;
        to = any ? std::max(to, v) : v;
        any = true;
    }
};

// The x span of the curves. On a decade axis only positive frequencies count,
// and the span stays inside the diagram's standard band, so that a stray
// 1.3 Hz point of a room file does not add an empty decade.
Span CurvesX(const Diagram& d, bool log) {
    Span x;
    for (const CurveSlot& slot : d.slots)
        for (const CurvePoint& p : slot.points)
            if (!log || p.x > 0) x.Add(p.x);
    if (!log || !x.any) return x;
    const bool band = d.stdXFrom > 0 && d.stdXFrom < d.stdXTo;
    if (band && x.from < d.stdXTo && x.to > d.stdXFrom) {
        x.from = std::max(x.from, d.stdXFrom);
        x.to = std::min(x.to, d.stdXTo);
    }
    return x;
}

// The y span of what is drawn inside [from, to], as drawn (ShownOffsets).
Span ShownY(const Diagram& d, double from, double to) {
    const std::array<double, 4> offsets = ShownOffsets(d);
    Span y;
    for (std::size_t j = 0; j < d.slots.size(); ++j)
        for (const CurvePoint& p : d.slots[j].points)
            if (p.x >= from && p.x <= to) y.Add(p.y - offsets[j]);
    return y;
}

}  // namespace

void AutoRange(Diagram& d) {
    Span x = CurvesX(d, d.xLog == 1);
    // Only non-positive frequencies on a decade axis: they widen the range
    // below zero, and the next paint draws the diagram linear.
    if (!x.any) x = CurvesX(d, false);
    if (!x.any) return;
    Span y = ShownY(d, x.from, x.to);
    if (!y.any) y = ShownY(d, -INFINITY, INFINITY);
    d.xFrom = x.from;
    d.xTo = x.to;
    d.yFrom = y.from;
    d.yTo = y.to + std::fabs(y.to - y.from) * 0.1;
    if (std::fabs(d.xFrom - d.xTo) < 1E-20) {
        d.xFrom -= 1.5;
        d.xTo += 1.5;
    }
    if (std::fabs(d.yFrom - d.yTo) < 1E-20) {
        d.yFrom -= 1.5;
        d.yTo += 1.5;
    }
}

bool FitUnreadableRange(Diagram& d) {
    const Span y = ShownY(d, d.xFrom, d.xTo);
    if (!y.any) return false;
    const double shown = d.yTo - d.yFrom;
    const bool outside = y.from < d.yFrom || y.to > d.yTo;
    const bool flat = shown > 0 && (y.to - y.from) < shown * kReadableShare;
    if (!outside && !flat) return false;
    AutoRange(d);
    return true;
}

void StandardRange(Diagram& d) {
    d.xFrom = d.stdXFrom;
    d.xTo = d.stdXTo;
    d.yFrom = d.stdYFrom;
    d.yTo = d.stdYTo;
}

bool MenuCurveClick(Diagram& d) {
    CurveSlot& s = d.Slot(1);
    s.marked = s.marked == 1 ? 0 : 1;
    return s.marked == 1;
}

}  // namespace qv
