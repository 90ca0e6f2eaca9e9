#include "diagram/curve_bend.h"

#include <cmath>
#include <numbers>

#include "diagram/diagram_layout.h"
#include "diagram/painter.h"

namespace qv {

double BendWeight(double octaves, double halfWidth) {
    if (!(halfWidth > 0) || !(std::fabs(octaves) < halfWidth)) return 0.0;
    return 0.5 * (1.0 + std::cos(std::numbers::pi * octaves / halfWidth));
}

PointList BendCurve(const PointList& points, double x0, double dy, double halfWidth) {
    PointList bent = points;
    if (!(x0 > 0) || !std::isfinite(dy)) return bent;
    // The edges of the bend: log2 of a ratio is not exact, so a point one half
    // width away must not pick up a rounding residue.
    const double lower = x0 * std::exp2(-halfWidth), upper = x0 * std::exp2(halfWidth);
    for (CurvePoint& p : bent) {
        if (!(p.x > lower && p.x < upper)) continue;
        p.y += dy * BendWeight(std::log2(p.x / x0), halfWidth);
    }
    return bent;
}

bool BendsSlot1(const Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight) {
    const DiagramMapper map(d, viewWidth, viewHeight);
    return d.xLog == 1 && map.Usable() && IsDenseSlot(map, d.Slot(1).points);
}

bool CurveBend::Begin(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight, std::int32_t px,
                      std::int32_t py, bool wide) {
    active_ = false;
    const DiagramMapper map(d, viewWidth, viewHeight);
    if (!map.Usable() || !map.InPlot(px, py)) return false;
    x0_ = map.ValueX(px);
    y0_ = map.ValueY(py);
    if (!(x0_ > 0) || !std::isfinite(y0_)) return false;
    original_ = d.Slot(1).points;
    halfWidth_ = wide ? kWideBendHalfWidth : kBendHalfWidth;
    active_ = true;
    return true;
}

bool CurveBend::Drag(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight, std::int32_t,
                     std::int32_t py) {
    if (!active_) return false;
    const DiagramMapper map(d, viewWidth, viewHeight);
    const double y = map.ValueY(py);
    if (!std::isfinite(y)) return false;
    d.Slot(1).points = BendCurve(original_, x0_, y - y0_, halfWidth_);
    return true;
}

}  // namespace qv
