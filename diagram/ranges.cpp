#include "diagram/ranges.h"

#include <cmath>

namespace qv {

void AutoRange(Diagram& d) {
    bool any = false;
    for (const CurveSlot& slot : d.slots) {
        if (slot.points.empty()) continue;
        any = true;
        d.xFrom = d.xTo = slot.points.front().x;
        d.yFrom = d.yTo = slot.points.front().y;
    }
    if (!any) return;
    for (const CurveSlot& slot : d.slots) {
        for (const CurvePoint& p : slot.points) {
            if (p.x < d.xFrom) d.xFrom = p.x;
            if (p.x > d.xTo) d.xTo = p.x;
            if (p.y < d.yFrom) d.yFrom = p.y;
            if (p.y > d.yTo) d.yTo = p.y;
        }
    }
    d.yTo = d.yTo + std::fabs(d.yTo - d.yFrom) * 0.1;
    if (std::fabs(d.xFrom - d.xTo) < 1E-20) {
        d.xFrom -= 1.5;
        d.xTo += 1.5;
    }
    if (std::fabs(d.yFrom - d.yTo) < 1E-20) {
        d.yFrom -= 1.5;
        d.yTo += 1.5;
    }
}

void StandardRange(Diagram& d) {
    d.xFrom = d.stdXFrom;
    d.xTo = d.stdXTo;
    d.yFrom = d.stdYFrom;
    d.yTo = d.stdYTo;
}

bool MenuCurveClick(Diagram& d) {
    CurveSlot& s = d.Slot(1);
    s.marked = s.marked == 1 ? 0 : 1;
    return s.marked == 1;
}

}  // namespace qv
