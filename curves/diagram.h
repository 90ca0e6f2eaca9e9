#pragma once
// A diagram: title, four curve slots, the shown and standard axis ranges and
// the axis settings the painter works with.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "curves/point_list.h"

namespace qv {

// Colours are 0x00BBGGRR values.
constexpr std::array<std::uint32_t, 4> kSlotColours = {0xFF0000, 0x0000FF, 0x008000, 0x000080};
constexpr std::size_t kMaxNameLength = 50;

struct CurveSlot {
    std::string name;
    std::uint8_t marked = 0;
    PointList points;
    std::uint32_t colour = 0;
};

struct Diagram {
    std::string title;
    std::array<CurveSlot, 4> slots;
    std::int32_t lineWidth = 2;
    std::int32_t areaLeft = 0, areaTop = 0, areaRight = 0, areaBottom = 0;
    double yFrom = 0, yTo = 0;
    double xFrom = 0, xTo = 0;
    double stdYFrom = 0, stdYTo = 0, stdXFrom = 0, stdXTo = 0;
    std::int32_t xLog = 0;
    std::int32_t yLog = 0;
    std::string yUnit;
    double yMajorStep = 0, yMinorStep = 0;
    std::string xUnit;
    double xMajorStep = 0, xMinorStep = 0;

    // Slots are numbered 1 to 4 as the user sees them.
    CurveSlot& Slot(int k) { return slots.at(static_cast<std::size_t>(k - 1)); }
    const CurveSlot& Slot(int k) const { return slots.at(static_cast<std::size_t>(k - 1)); }
};

std::string CutName(std::string_view name);
void InitSlots(Diagram& d);
void ClearSlot(Diagram& d, int k);
void ClearSlots(Diagram& d);
// The slot takes ownership of the list; its marked flag is cleared.
void SetSlot(Diagram& d, int k, std::string_view name, PointList list);

}  // namespace qv
