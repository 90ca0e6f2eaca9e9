#include "curves/diagram.h"

#include <utility>

#include "curves/text_file.h"

namespace qv {

std::string CutName(std::string_view name) {
    return std::string(CutAtCharBoundary(name, kMaxNameLength));
}

void InitSlots(Diagram& d) {
    for (int k = 1; k <= 4; ++k) {
        CurveSlot& s = d.Slot(k);
        s.name.clear();
        s.marked = 0;
        FreeList(s.points);
        s.colour = kSlotColours[static_cast<std::size_t>(k - 1)];
    }
}

void ClearSlot(Diagram& d, int k) {
    CurveSlot& s = d.Slot(k);
    FreeList(s.points);
    s.name.clear();
    s.marked = 0;
}

void ClearSlots(Diagram& d) {
    for (int k = 1; k <= 4; ++k) ClearSlot(d, k);
}

void SetSlot(Diagram& d, int k, std::string_view name, PointList list) {
    ClearSlot(d, k);
    CurveSlot& s = d.Slot(k);
    s.name = CutName(name);
    s.marked = 0;
    s.points = std::move(list);
}

}  // namespace qv
