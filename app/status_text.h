#pragma once
// The status bar's reading of the mouse position in the current diagram's units.

#include <cstdint>
#include <string>

#include "curves/diagram.h"

namespace qv {

// Empty when the mouse is outside the plot. Maps through the diagram in a
// client area of viewWidth x viewHeight and leaves the diagram alone.
std::string PositionText(const Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight,
                         std::int32_t px, std::int32_t py);

}  // namespace qv
