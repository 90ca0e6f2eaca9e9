#include "diagram/painter.h"

#include <cmath>

#include "diagram/axis_math.h"

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

void XLabelStrip(DrawingState& s, const Diagram& d) {
    SetViewport(s, d.areaLeft + kYLabelStrip, d.areaBottom - kXLabelStrip, d.areaRight,
                d.areaBottom);
    SetWorldWindow(s, 0, 0, WorldExtent, 10);
}

void YLabelStrip(DrawingState& s, const Diagram& d) {
    SetViewport(s, d.areaLeft, d.areaTop, d.areaLeft + kYLabelStrip, d.areaBottom - kXLabelStrip);
    SetWorldWindow(s, 0, 0, kYLabelStrip, WorldExtent);
}

void PlotFrameStep(Canvas& c, DrawingState& s, const Diagram& d) {
    SetViewport(s, d.areaLeft + kYLabelStrip, d.areaTop, d.areaRight, d.areaBottom - kXLabelStrip);
    ViewportFrame(c, s);
    SetWorldWindow(s, 0, 0, WorldExtent, WorldExtent);
}

void AxisLine(Canvas& c, const DrawingState& s, Axis axis, double w) {
    if (axis == Axis::X)
        ClippedLine(c, s, w, 0, w, WorldExtent);
    else
        ClippedLine(c, s, 0, w, WorldExtent, w);
}

// Four pixels per character on each side of the label's centre.
bool XLabelFits(const DrawingState& s, double cur, std::size_t n) {
    const std::int64_t room = 4 * static_cast<std::int64_t>(n);
    const std::int64_t px = WorldToPixelX(s, cur);
    return px >= room && WorldToPixelX(s, WorldExtent) - px >= room;
}

void DecadeLabels(Canvas& c, DrawingState& s, const Diagram& d, Axis axis) {
    const bool isX = axis == Axis::X;
    const double from = isX ? d.xFrom : d.yFrom;
    const double to = isX ? d.xTo : d.yTo;
    if (isX)
        XLabelStrip(s, d);
    else
        YLabelStrip(s, d);
    double prev = 0, cur = WorldExtent;
    if (UsableLogRange(from, to)) {
        const double scale = AxisScale(from, to, true);
        std::int32_t k = DecadeIndex(from);
        for (double v = DecadePower(k); v < to; v = DecadePower(++k)) {
            if (v < from) continue;
            prev = cur;
            cur = AxisPosition(v, from, scale, true);
            const std::string text = TickText(std::pow(10.0, k), -4, 5);
            if (isX) {
                if (XLabelFits(s, cur, text.size())) WorldText(c, s, text, cur, 5);
            } else if (WorldToPixelY(s, 0) - WorldToPixelY(s, cur) > 3 &&
                       WorldToPixelY(s, cur) - WorldToPixelY(s, WorldExtent) > 3) {
                WorldText(c, s, text, 15, cur);
            }
        }
    }
    if (isX)
        WorldText(c, s, d.xUnit, (prev + cur) / 2, 5);
    else
        WorldText(c, s, d.yUnit, 15, (prev + cur) / 2);
}

void LinearLinearSequence(Canvas& c, DrawingState& s, Diagram& d) {
    LinearYLabels(c, s, d, d.yMajorStep);
    LinearXLabels(c, s, d, d.xMajorStep);
    PlotFrameStep(c, s, d);
    LinearGridLines(c, s, d, Axis::Y, d.yMinorStep, PenStyle::Dotted, kGray);
    LinearGridLines(c, s, d, Axis::Y, d.yMajorStep, PenStyle::Solid, kBlack);
    LinearGridLines(c, s, d, Axis::X, d.xMinorStep, PenStyle::Dotted, kGray);
    LinearGridLines(c, s, d, Axis::X, d.xMajorStep, PenStyle::Solid, kBlack);
    DrawCurves(c, s, d, false, false);
    d.xLog = 0;
    d.yLog = 0;
}

}  // namespace

void LinearGridLines(Canvas& c, const DrawingState& s, const Diagram& d, Axis axis, double step,
                     PenStyle style, std::uint32_t colour) {
    SetPenStyle(c, style, colour);
    const double from = axis == Axis::X ? d.xFrom : d.yFrom;
    const double to = axis == Axis::X ? d.xTo : d.yTo;
    if (UsableRange(from, to) && UsableStep(step)) {
        const double scale = AxisScale(from, to, false);
        double v = step * std::trunc(from / step);
        for (int i = 0; i < kMaxLoopSteps; ++i) {
            AxisLine(c, s, axis, (v - from) * scale);
            const double next = v + step;
            if (next <= v || next >= to) break;
            v = next;
        }
    }
    SetPenStyle(c, PenStyle::Solid, kBlack);
}

void DecadeGridLines(Canvas& c, const DrawingState& s, const Diagram& d, Axis axis) {
    const double from = axis == Axis::X ? d.xFrom : d.yFrom;
    const double to = axis == Axis::X ? d.xTo : d.yTo;
    if (!UsableLogRange(from, to)) return;
    const double scale = AxisScale(from, to, true);
    std::int32_t k = DecadeIndex(from);
    // DecadePower overflows to infinity long before k does, which ends the loop.
    for (double v = 0; v < to; ++k) {
        for (double f : DecadeFactors) {
            v = DecadePower(k) * f;
            if (from < v && v < to) AxisLine(c, s, axis, AxisPosition(v, from, scale, true));
        }
    }
}

void LinearXLabels(Canvas& c, DrawingState& s, const Diagram& d, double step) {
    XLabelStrip(s, d);
    double prev = 0, cur = WorldExtent;
    if (UsableRange(d.xFrom, d.xTo) && UsableStep(step)) {
        const double scale = AxisScale(d.xFrom, d.xTo, false);
        double v = step * std::trunc(d.xFrom / step);
        if (v == d.xFrom) v += step;
        for (int i = 0; v < d.xTo && i < kMaxLoopSteps; ++i) {
            prev = cur;
            cur = (v - d.xFrom) * scale;
            const std::string text = TickText(TickTextValue(v, step), -4, 5);
            if (XLabelFits(s, cur, text.size())) WorldText(c, s, text, cur, 5);
            const double next = v + step;
            if (next <= v) break;
            v = next;
        }
    }
    WorldText(c, s, d.xUnit, (prev + cur) / 2, 5);
}

void LinearYLabels(Canvas& c, DrawingState& s, const Diagram& d, double step) {
    const std::string unit = d.yUnit.substr(0, kMaxYUnitLength);
    YLabelStrip(s, d);
    // Without any label the unit stands in the middle of the strip.
    double prev = WorldExtent / 2, cur = WorldExtent / 2;
    if (UsableRange(d.yFrom, d.yTo) && UsableStep(step)) {
        const double scale = AxisScale(d.yFrom, d.yTo, false);
        double v = step * std::trunc(d.yFrom / step);
        if (v == d.yFrom) v += step;
        if (v < d.yTo) cur = 0;
        for (int i = 0; v < d.yTo && i < kMaxLoopSteps; ++i) {
            prev = cur;
            cur = (v - d.yFrom) * scale;
            WorldText(c, s, TickText(TickTextValue(v, step), -3, 3), 15, cur);
            const double next = v + step;
            if (next <= v) break;
            v = next;
        }
    }
    WorldText(c, s, unit, 15, (prev + cur) / 2);
}

void DecadeXLabels(Canvas& c, DrawingState& s, const Diagram& d) {
    DecadeLabels(c, s, d, Axis::X);
}

void DecadeYLabels(Canvas& c, DrawingState& s, const Diagram& d) {
    DecadeLabels(c, s, d, Axis::Y);
}

void DrawCurves(Canvas& c, const DrawingState& s, const Diagram& d, bool xLog, bool yLog) {
    const double sx = AxisScale(d.xFrom, d.xTo, xLog);
    const double sy = AxisScale(d.yFrom, d.yTo, yLog);
    for (int j = 1; j <= 4; ++j) {
        const CurveSlot& slot = d.Slot(j);
        if (slot.points.empty()) continue;
        SetPenStyle(c, PenStyle::Solid, slot.colour);
        bool started = false;
        double px = 0, py = 0;
        for (const CurvePoint& p : slot.points) {
            if ((xLog && !(p.x > 0)) || (yLog && !(p.y > 0))) {
                // Leading points that cannot be placed are skipped; a later one ends the curve.
                if (started) break;
                continue;
            }
            const double wx = AxisPosition(p.x, d.xFrom, sx, xLog);
            const double wy = AxisPosition(p.y, d.yFrom, sy, yLog);
            if (started) CurveSegment(c, s, d.lineWidth, px, py, wx, wy);
            if (slot.marked == 1) PointMarker(c, s, wx, wy);
            started = true;
            px = wx;
            py = wy;
        }
    }
    SetPenStyle(c, PenStyle::Solid, kBlack);
}

void FallBackToLinear(Canvas& c, DrawingState& s, Diagram& d) {
    LinearLinearSequence(c, s, d);
}

DiagramLabels PaintDiagram(Canvas& c, Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight,
                           std::int32_t labelHeight) {
    d.areaLeft = 0;
    d.areaTop = 0;
    d.areaRight = viewWidth;
    d.areaBottom = viewHeight;
    DrawingState s;
    SetViewport(s, d.areaLeft, d.areaTop, d.areaRight, d.areaBottom);
    SetPenStyle(c, PenStyle::Solid, kBlack);
    ViewportFrame(c, s);

    DiagramLabels labels;
    labels.title = d.title;
    labels.titleRight = d.areaRight - kTitleRightMargin;

    EnsureTickSteps(d);
    // Four separate tests on the flags as they stand: a fall-back clears both,
    // so no later test matches after it.
    if (d.xLog == 0 && d.yLog == 0) LinearLinearSequence(c, s, d);
    if (d.xLog == 1 && d.yLog == 0) {
        if (d.xFrom > 0) {
            LinearYLabels(c, s, d, d.yMajorStep);
            DecadeXLabels(c, s, d);
            PlotFrameStep(c, s, d);
            LinearGridLines(c, s, d, Axis::Y, d.yMinorStep, PenStyle::Dotted, kGray);
            LinearGridLines(c, s, d, Axis::Y, d.yMajorStep, PenStyle::Solid, kBlack);
            DecadeGridLines(c, s, d, Axis::X);
            DrawCurves(c, s, d, true, false);
        } else {
            FallBackToLinear(c, s, d);
        }
    }
    if (d.xLog == 0 && d.yLog == 1) {
        if (d.yFrom > 0) {
            LinearXLabels(c, s, d, d.xMajorStep);
            DecadeYLabels(c, s, d);
            PlotFrameStep(c, s, d);
            DecadeGridLines(c, s, d, Axis::Y);
            LinearGridLines(c, s, d, Axis::X, d.xMinorStep, PenStyle::Solid, kGray);
            LinearGridLines(c, s, d, Axis::X, d.xMajorStep, PenStyle::Solid, kBlack);
            DrawCurves(c, s, d, false, true);
        } else {
            FallBackToLinear(c, s, d);
        }
    }
    if (d.xLog == 1 && d.yLog == 1) {
        if (d.xFrom > 0 && d.yFrom > 0) {
            DecadeXLabels(c, s, d);
            DecadeYLabels(c, s, d);
            PlotFrameStep(c, s, d);
            DecadeGridLines(c, s, d, Axis::X);
            DecadeGridLines(c, s, d, Axis::Y);
            DrawCurves(c, s, d, true, true);
        } else {
            FallBackToLinear(c, s, d);
        }
    }

    for (int j = 1; j <= 4; ++j) {
        const CurveSlot& slot = d.Slot(j);
        LegendLabel& l = labels.legend[static_cast<std::size_t>(j - 1)];
        if (slot.points.empty()) continue;
        l.visible = true;
        l.caption = slot.name;
        l.colour = slot.colour;
        l.left = d.areaLeft + 40;
        l.top = d.areaBottom - 30 - j * (labelHeight + kLegendGap);
    }
    return labels;
}

}  // namespace qv
