#include "diagram/painter.h"

#include <algorithm>
#include <cmath>

#include "diagram/axis_math.h"
#include "diagram/shown_levels.h"

namespace qv {
namespace {

void XLabelStrip(DrawingState& s, const PixelRect& area) {
    SetViewport(s, area.left + kYLabelStrip, area.bottom - kXLabelStrip, area.right, area.bottom);
    SetWorldWindow(s, 0, 0, WorldExtent, 10);
}

void YLabelStrip(DrawingState& s, const PixelRect& area) {
    SetViewport(s, area.left, area.top, area.left + kYLabelStrip, area.bottom - kXLabelStrip);
    SetWorldWindow(s, 0, 0, kYLabelStrip, WorldExtent);
}

void PlotFrameStep(Canvas& c, const DiagramMapper& map) {
    ViewportFrame(c, map.PlotState());
}

void AxisLine(Canvas& c, const DrawingState& s, Axis axis, double w) {
    if (axis == Axis::X)
        ClippedLine(c, s, w, 0, w, WorldExtent);
    else
        ClippedLine(c, s, 0, w, WorldExtent, w);
}

// A curve point in pixels, with the rows of the copies that lineWidth 2
// and 3 add one world unit below and above: each point is mapped once, not
// once for each segment it ends.
struct CurvePixels {
    std::int32_t x = 0, y = 0, below = 0, above = 0;
};

CurvePixels MapCurvePoint(const DrawingState& s, std::int32_t lineWidth, double wx, double wy) {
    CurvePixels p;
    p.x = WorldToPixelX(s, wx);
    p.y = WorldToPixelY(s, wy);
    if (lineWidth >= 2) p.below = WorldToPixelY(s, wy - 1);
    if (lineWidth == 3) p.above = WorldToPixelY(s, wy + 1);
    return p;
}

// CurveSegment on mapped points.
void CurvePixelSegment(Canvas& c, const DrawingState& s, std::int32_t lineWidth,
                       const CurvePixels& a, const CurvePixels& b) {
    ClippedPixelLine(c, s, a.x, a.y, b.x, b.y);
    if (lineWidth >= 2) ClippedPixelLine(c, s, a.x, a.below, b.x, b.below);
    if (lineWidth == 3) ClippedPixelLine(c, s, a.x, a.above, b.x, b.above);
}

TickSteps XSteps(const Diagram& d) {
    return {d.xMajorStep, d.xMinorStep};
}
TickSteps YSteps(const Diagram& d) {
    return {d.yMajorStep, d.yMinorStep};
}

void LinearLinearSequence(Canvas& c, const DiagramMapper& map, const Diagram& d) {
    const AxisTicks y = LinearTicks(map, Axis::Y, YSteps(d));
    const AxisTicks x = LinearTicks(map, Axis::X, XSteps(d));
    AxisLabels(c, map, Axis::Y, y, d.yUnit.substr(0, kMaxYUnitLength));
    AxisLabels(c, map, Axis::X, x, d.xUnit);
    PlotFrameStep(c, map);
    LinearGridLines(c, map, Axis::Y, y.minorLines, PenStyle::Dotted, kGray);
    LinearGridLines(c, map, Axis::Y, y.majorLines, PenStyle::Solid, kBlack);
    LinearGridLines(c, map, Axis::X, x.minorLines, PenStyle::Dotted, kGray);
    LinearGridLines(c, map, Axis::X, x.majorLines, PenStyle::Solid, kBlack);
    DrawCurves(c, map, d);
}

void LogXSequence(Canvas& c, const DiagramMapper& map, const Diagram& d) {
    const AxisTicks y = LinearTicks(map, Axis::Y, YSteps(d));
    const AxisTicks x = DecadeTicks(map, Axis::X);
    AxisLabels(c, map, Axis::Y, y, d.yUnit.substr(0, kMaxYUnitLength));
    AxisLabels(c, map, Axis::X, x, d.xUnit);
    PlotFrameStep(c, map);
    LinearGridLines(c, map, Axis::Y, y.minorLines, PenStyle::Dotted, kGray);
    LinearGridLines(c, map, Axis::Y, y.majorLines, PenStyle::Solid, kBlack);
    DecadeGridLines(c, map, Axis::X, x);
    DrawCurves(c, map, d);
}

void LogYSequence(Canvas& c, const DiagramMapper& map, const Diagram& d) {
    const AxisTicks x = LinearTicks(map, Axis::X, XSteps(d));
    const AxisTicks y = DecadeTicks(map, Axis::Y);
    AxisLabels(c, map, Axis::X, x, d.xUnit);
    AxisLabels(c, map, Axis::Y, y, d.yUnit);
    PlotFrameStep(c, map);
    DecadeGridLines(c, map, Axis::Y, y);
    LinearGridLines(c, map, Axis::X, x.minorLines, PenStyle::Solid, kGray);
    LinearGridLines(c, map, Axis::X, x.majorLines, PenStyle::Solid, kBlack);
    DrawCurves(c, map, d);
}

void LogXYSequence(Canvas& c, const DiagramMapper& map, const Diagram& d) {
    const AxisTicks x = DecadeTicks(map, Axis::X);
    const AxisTicks y = DecadeTicks(map, Axis::Y);
    AxisLabels(c, map, Axis::X, x, d.xUnit);
    AxisLabels(c, map, Axis::Y, y, d.yUnit);
    PlotFrameStep(c, map);
    DecadeGridLines(c, map, Axis::X, x);
    DecadeGridLines(c, map, Axis::Y, y);
    DrawCurves(c, map, d);
}

}  // namespace

void LinearGridLines(Canvas& c, const DiagramMapper& map, Axis axis,
                     const std::vector<double>& lines, PenStyle style, std::uint32_t colour) {
    SetPenStyle(c, style, colour);
    for (double w : lines) AxisLine(c, map.PlotState(), axis, w);
    SetPenStyle(c, PenStyle::Solid, kBlack);
}

void DecadeGridLines(Canvas& c, const DiagramMapper& map, Axis axis, const AxisTicks& ticks) {
    for (double w : ticks.majorLines) AxisLine(c, map.PlotState(), axis, w);
}

void AxisLabels(Canvas& c, const DiagramMapper& map, Axis axis, const AxisTicks& ticks,
                const std::string& unit) {
    DrawingState s;
    if (axis == Axis::X) {
        XLabelStrip(s, map.Area());
        for (const TickLabel& l : ticks.labels) WorldText(c, s, l.text, l.position, 5);
        WorldText(c, s, unit, ticks.unitPosition, 5);
    } else {
        YLabelStrip(s, map.Area());
        for (const TickLabel& l : ticks.labels) WorldText(c, s, l.text, 15, l.position);
        // A unit wider than the strip ("ms (late < 0)") starts at its left edge
        // and runs on into the plot instead of off the window.
        const double unitCentre = std::max(15.0, c.TextWidth(unit) / 2.0 + 2);
        WorldText(c, s, unit, unitCentre, ticks.unitPosition);
    }
}

void DrawCurves(Canvas& c, const DiagramMapper& map, const Diagram& d) {
    const DrawingState& s = map.PlotState();
    const AxisMapper& ax = map.X();
    const AxisMapper& ay = map.Y();
    const std::array<double, 4> offsets = ShownOffsets(d);
    const std::int32_t handle = HandleDiameter(map);
    for (int j = 1; j <= 4; ++j) {
        const CurveSlot& slot = d.Slot(j);
        if (slot.points.empty()) continue;
        const double offset = offsets[static_cast<std::size_t>(j - 1)];
        // A dense curve is a line: its handles keep a handle's width of room between them.
        const bool dense = slot.marked == 1 && IsDenseSlot(map, slot.points);
        SetPenStyle(c, PenStyle::Solid, slot.colour);
        bool started = false;
        CurvePixels previous;
        CurvePixels lastHandle;
        bool anyHandle = false;
        for (const CurvePoint& p : slot.points) {
            const double y = p.y - offset;
            if ((ax.log && !(p.x > 0)) || (ay.log && !(y > 0))) {
                // Leading points that cannot be placed are skipped; a later one ends the curve.
                if (started) break;
                continue;
            }
            const double wx = ax.World(p.x);
            const double wy = ay.World(y);
            const CurvePixels current = MapCurvePoint(s, d.lineWidth, wx, wy);
            if (started) CurvePixelSegment(c, s, d.lineWidth, previous, current);
            if (slot.marked == 1) {
                const bool apart =
                    !anyHandle ||
                    std::hypot(current.x - lastHandle.x, current.y - lastHandle.y) >= 2.0 * handle;
                if (!dense || apart) {
                    PointMarker(c, s, wx, wy);
                    lastHandle = current;
                    anyHandle = true;
                }
            }
            started = true;
            previous = current;
        }
    }
    SetPenStyle(c, PenStyle::Solid, kBlack);
}

std::int32_t HandleDiameter(const DiagramMapper& map) {
    const DrawingState& s = map.PlotState();
    const std::int32_t d = WorldToPixelX(s, 2 * kMarkerRadius) - WorldToPixelX(s, 0);
    return d > 1 ? d : 1;
}

bool IsDenseSlot(const DiagramMapper& map, const PointList& points) {
    const std::int32_t width = map.Plot().right - map.Plot().left;
    const std::int32_t fit = width / HandleDiameter(map);
    std::int32_t shown = 0;
    for (const CurvePoint& p : points)
        if (p.x >= map.X().from && p.x <= map.X().to && ++shown > fit) return true;
    return false;
}

DiagramLabels DrawDiagram(Canvas& c, const Diagram& d, std::int32_t labelHeight) {
    DrawingState s;
    SetViewport(s, d.areaLeft, d.areaTop, d.areaRight, d.areaBottom);
    SetPenStyle(c, PenStyle::Solid, kBlack);
    ViewportFrame(c, s);

    DiagramLabels labels;
    labels.title = d.title;
    labels.titleRight = d.areaRight - kTitleRightMargin;

    // Flags other than 0 and 1 select no sequence: only frame, title and legend.
    const DiagramMapper map(d);
    if (d.xLog == 0 && d.yLog == 0) LinearLinearSequence(c, map, d);
    if (d.xLog == 1 && d.yLog == 0) LogXSequence(c, map, d);
    if (d.xLog == 0 && d.yLog == 1) LogYSequence(c, map, d);
    if (d.xLog == 1 && d.yLog == 1) LogXYSequence(c, map, d);

    const std::array<double, 4> offsets = ShownOffsets(d);
    for (int j = 1; j <= 4; ++j) {
        const CurveSlot& slot = d.Slot(j);
        LegendLabel& l = labels.legend[static_cast<std::size_t>(j - 1)];
        if (slot.points.empty()) continue;
        l.visible = true;
        l.caption = ShownCaption(slot.name, offsets[static_cast<std::size_t>(j - 1)]);
        l.colour = slot.colour;
        l.left = d.areaLeft + 40;
        l.top = d.areaBottom - 30 - j * (labelHeight + kLegendGap);
    }
    return labels;
}

DiagramLabels PaintDiagram(Canvas& c, Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight,
                           std::int32_t labelHeight) {
    LayOutDiagram(d, viewWidth, viewHeight);
    return DrawDiagram(c, d, labelHeight);
}

}  // namespace qv
