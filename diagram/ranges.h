#pragma once
// The shown part of a diagram: fitted to its curves or back to the standard
// ranges; and the flag of the curve edit mode.

#include "curves/diagram.h"

namespace qv {

// Curves that fill less than this share of the shown y span read as flat lines.
constexpr double kReadableShare = 0.25;

// Fits x and y to the curves as drawn (measurements relative to their band
// mean, ShownOffsets), with ten per cent headroom above; an empty span is
// widened by 1.5 on each side. On a decade axis x covers the positive
// frequencies inside the standard band, and y the points inside that x
// range. No curves: no change.
void AutoRange(Diagram& diagram);
// AutoRange when the curves inside the x range leave the y range or fill less
// than kReadableShare of it; true when it ran. For commands that put new
// curves into a diagram whose range the user may have chosen.
bool FitUnreadableRange(Diagram& diagram);
// The standard ranges; the log flags stay as they are.
void StandardRange(Diagram& diagram);
// The "Curve" command: flips slot 1's marked flag and returns the new check
// state of the menu item. The caller repaints.
bool MenuCurveClick(Diagram& diagram);

}  // namespace qv
