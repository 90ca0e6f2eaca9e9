#pragma once
// Editing slot 1 of the current diagram with the left mouse button: a press
// removes the point under the cursor, a drag carries a point along, a drag
// from empty space adds one. The window only forwards its events here.

#include <cstdint>

#include "curves/diagram.h"
#include "diagram/curve_bend.h"
#include "diagram/diagram_layout.h"

namespace qv {

// The button state of a mouse event: held buttons and modifier keys.
enum MouseButton : unsigned {
    kLeftButton = 1u << 0,
    kRightButton = 1u << 1,
    kMiddleButton = 1u << 2,
    kShiftKey = 1u << 3,
    kCtrlKey = 1u << 4,
    kAltKey = 1u << 5,
    kDoubleClick = 1u << 6,
};
using MouseButtons = unsigned;

// Pixels around the mouse within which a point is hit.
constexpr double HitTolerance = 5.0;

struct AxisValue {
    double X = 0, Y = 0;
    double TolX = 0, TolY = 0;  // half sizes of the hit box, in axis units
    bool valid = false;         // false when the plot has no room or the range is unusable
};

// The inverse of the painter's mapping: the values under a pixel and the hit
// box around it. Reads the mapper only; the diagram is never written.
AxisValue PixelToAxisValue(const DiagramMapper& map, std::int32_t px, std::int32_t py);
// The editing below maps through the diagram in a client area of viewWidth x
// viewHeight; of the diagram it changes only the points of slot 1.
// Removes the first point of slot 1 within the hit box; true if one was removed.
bool DeletePointAt(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight, std::int32_t px,
                   std::int32_t py);
// Adds a point at the mouse, sorted by x, unless slot 1 is empty or the
// position lies left of or below the plot; true if one was added.
bool InsertPointAt(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight, std::int32_t px,
                   std::int32_t py);

struct MousePosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The diagram under the mouse and the size of the client area it is shown in.
struct MouseView {
    Diagram& diagram;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The window's mouse handlers over the shown diagram. Each returns true when
// the window must repaint.
class MouseEditor {
  public:
    bool FormMouseDown(MouseView view, MouseButtons buttons, std::int32_t x, std::int32_t y);
    bool FormMouseMove(MouseView view, MouseButtons buttons, std::int32_t x, std::int32_t y);
    bool FormMouseUp(MouseView view, MouseButtons buttons, std::int32_t x, std::int32_t y);

    // A drag of the left button (Ctrl: wider) bends a dense slot 1 (CurveBend)
    // unless pointEditing keeps the point rules for every curve.
    bool Bending() const { return bend_.Active(); }

    MousePosition LastMousePosition;
    bool pointEditing = false;

  private:
    CurveBend bend_;
};

}  // namespace qv
