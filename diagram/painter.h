#pragma once
// Draws a diagram from scratch: the frames, grid lines and tick labels of
// linear or logarithmic axes, the units, and the curves of the four slots.
// The title and legend are reported for the window to show as labels.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "curves/diagram.h"
#include "diagram/canvas.h"
#include "diagram/diagram_layout.h"
#include "diagram/drawing_state.h"
#include "diagram/ticks.h"

namespace qv {

// Height of a legend label in the window's font.
constexpr std::int32_t kLegendLabelHeight = 13;
constexpr std::int32_t kLegendGap = 4;
constexpr std::int32_t kTitleTop = 8;
constexpr std::int32_t kTitleRightMargin = 10;
constexpr std::size_t kMaxYUnitLength = 13;  // "ms (late < 0)"

struct LegendLabel {
    bool visible = false;
    std::string caption;
    std::uint32_t colour = 0;  // background, 0x00BBGGRR; the text is white
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// What the title label and the legend labels must show after a paint.
struct DiagramLabels {
    std::string title;
    // The title label's right edge: its left is titleRight minus its width.
    std::int32_t titleRight = 0;
    std::int32_t titleTop = kTitleTop;
    std::array<LegendLabel, 4> legend;
};

// Paints the diagram into a client area of viewWidth x viewHeight pixels:
// LayOutDiagram, then DrawDiagram.
DiagramLabels PaintDiagram(Canvas& canvas, Diagram& diagram, std::int32_t viewWidth,
                           std::int32_t viewHeight, std::int32_t labelHeight = kLegendLabelHeight);
// Draws a diagram that LayOutDiagram has prepared; changes nothing in it.
DiagramLabels DrawDiagram(Canvas& canvas, const Diagram& diagram,
                          std::int32_t labelHeight = kLegendLabelHeight);

// The steps of a drawing, on the plot's world window in map.PlotState().
// Vertical lines for Axis::X, horizontal ones for Axis::Y; the pen is set to
// style and colour and afterwards to solid black.
void LinearGridLines(Canvas& c, const DiagramMapper& map, Axis axis,
                     const std::vector<double>& lines, PenStyle style, std::uint32_t colour);
// With the pen as it is.
void DecadeGridLines(Canvas& c, const DiagramMapper& map, Axis axis, const AxisTicks& ticks);
// Labels and unit in the axis's label strip.
void AxisLabels(Canvas& c, const DiagramMapper& map, Axis axis, const AxisTicks& ticks,
                const std::string& unit);
// Slots 3 and 4 of a level diagram are drawn relative to the measurement's
// band mean (ShownOffsets).
void DrawCurves(Canvas& c, const DiagramMapper& map, const Diagram& d);
// A point handle's width in pixels on this plot.
std::int32_t HandleDiameter(const DiagramMapper& map);
// More points inside the x range than fit side by side as handles: the
// slot is drawn as a line with spaced handles and bent, not edited by point.
bool IsDenseSlot(const DiagramMapper& map, const PointList& points);

}  // namespace qv
