#pragma once
// Where a diagram lies in the client area, and the one mapping between axis
// values and pixels that the painter, the mouse editing and the status bar
// share. LayOutDiagram is the step before drawing that writes what the paint
// must leave in the diagram: its area, its tick steps and, for a log axis
// that cannot be drawn, linear axes.

#include <cstdint>

#include "curves/diagram.h"
#include "diagram/axis_math.h"
#include "diagram/drawing_state.h"

namespace qv {

// The plot leaves a strip on the left for the y labels and one at the
// bottom for the x labels.
constexpr std::int32_t kYLabelStrip = 30;
constexpr std::int32_t kXLabelStrip = 25;

// Client pixels, y downwards.
struct PixelRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// One axis of the plot: its range spread over 0 ... WorldExtent world units
// and over the plot's width or height in pixels.
class AxisMapper {
  public:
    AxisMapper(double from, double to, bool log, double pixels);

    // World position, 0 at the lower bound and WorldExtent at the upper one.
    double World(double v) const { return AxisPosition(v, from, worldScale, log); }
    // The value at a distance of `pixels` from the plot's left or bottom edge.
    double ValueAt(double pixels) const;
    // Finite range with from < to, positive from on a log axis, room in pixels.
    bool Usable() const;

    double from, to;
    bool log;
    double worldScale;  // world units per axis unit (per decade when log)
    double pixelScale;  // pixels per axis unit (per decade when log)
};

class DiagramMapper {
  public:
    // The diagram's ranges and log flags in the area it was last laid out in.
    explicit DiagramMapper(const Diagram& d);
    // The same in a client area of viewWidth x viewHeight from the diagram's
    // left and top.
    DiagramMapper(const Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight);

    const PixelRect& Area() const { return area_; }
    const PixelRect& Plot() const { return plot_; }
    // The plot's viewport with the world window 0 ... WorldExtent on both axes.
    const DrawingState& PlotState() const { return state_; }
    const AxisMapper& X() const { return x_; }
    const AxisMapper& Y() const { return y_; }

    // Value to pixel, truncated toward zero as everything drawn is.
    std::int32_t PixelX(double v) const { return WorldToPixelX(state_, x_.World(v)); }
    std::int32_t PixelY(double v) const { return WorldToPixelY(state_, y_.World(v)); }
    // Pixel to value; fractional pixels give the values between.
    double ValueX(double px) const;
    double ValueY(double py) const;
    // Inside the plot: its left edge up to the area's right one, its top
    // down to and with its bottom row.
    bool InPlot(std::int32_t px, std::int32_t py) const;
    // Both axes usable and the plot has room.
    bool Usable() const;

  private:
    PixelRect area_, plot_;
    DrawingState state_;
    AxisMapper x_, y_;
};

// A log axis whose lower bound is not positive cannot be drawn: both axes
// become linear for good. True when that happened.
bool FallBackToLinear(Diagram& d);

// The writes a paint makes before it draws: the area becomes the whole client
// area, the tick steps are adapted (EnsureTickSteps) and a log axis that
// cannot be drawn falls back to linear.
void LayOutDiagram(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight);

}  // namespace qv
