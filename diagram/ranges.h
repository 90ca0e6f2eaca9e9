#pragma once
// The shown part of a diagram: fitted to its curves or back to the standard
// ranges; and the flag of the curve edit mode.

#include "curves/diagram.h"

namespace qv {

// Fits x and y to the points of all slots, with ten per cent headroom above;
// an empty span is widened by 1.5 on each side. No curves: no change.
void AutoRange(Diagram& diagram);
// The standard ranges; the log flags stay as they are.
void StandardRange(Diagram& diagram);
// The "Curve" command: flips slot 1's marked flag and returns the new check
// state of the menu item. The caller repaints.
bool MenuCurveClick(Diagram& diagram);

}  // namespace qv
