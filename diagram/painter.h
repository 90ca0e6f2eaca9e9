#pragma once
// Draws a diagram from scratch: the frames, grid lines and tick labels of
// linear or logarithmic axes, the units, and the curves of the four slots.
// The title and legend are reported for the window to show as labels.

#include <array>
#include <cstdint>
#include <string>

#include "curves/diagram.h"
#include "diagram/canvas.h"
#include "diagram/drawing_state.h"

namespace qv {

// The plot leaves a strip on the left for the y labels and one at the
// bottom for the x labels.
constexpr std::int32_t kYLabelStrip = 30;
constexpr std::int32_t kXLabelStrip = 25;
// Height of a legend label in the window's font.
constexpr std::int32_t kLegendLabelHeight = 13;
constexpr std::int32_t kLegendGap = 4;
constexpr std::int32_t kTitleTop = 8;
constexpr std::int32_t kTitleRightMargin = 10;
constexpr std::size_t kMaxTickTextLength = 20;
constexpr std::size_t kMaxYUnitLength = 12;

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

enum class Axis { X, Y };

// Paints the diagram into a client area of viewWidth x viewHeight pixels.
// Writes the area into the diagram, adapts its tick steps and, for a log axis
// whose lower bound is not positive, switches both axes to linear for good.
DiagramLabels PaintDiagram(Canvas& canvas, Diagram& diagram, std::int32_t viewWidth,
                           std::int32_t viewHeight, std::int32_t labelHeight = kLegendLabelHeight);

// The steps of a paint, for the plot's world window already set in s.
// Vertical lines for Axis::X, horizontal ones for Axis::Y.
void LinearGridLines(Canvas& c, const DrawingState& s, const Diagram& d, Axis axis, double step,
                     PenStyle style, std::uint32_t colour);
void DecadeGridLines(Canvas& c, const DrawingState& s, const Diagram& d, Axis axis);
// Each label routine sets its own label strip.
void LinearXLabels(Canvas& c, DrawingState& s, const Diagram& d, double step);
void LinearYLabels(Canvas& c, DrawingState& s, const Diagram& d, double step);
void DecadeXLabels(Canvas& c, DrawingState& s, const Diagram& d);
void DecadeYLabels(Canvas& c, DrawingState& s, const Diagram& d);
void DrawCurves(Canvas& c, const DrawingState& s, const Diagram& d, bool xLog, bool yLog);
void FallBackToLinear(Canvas& c, DrawingState& s, Diagram& d);

}  // namespace qv
