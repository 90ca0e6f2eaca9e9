#include "diagram/mouse_edit.h"

#include <cmath>

namespace qv {

AxisValue PixelToAxisValue(const DiagramMapper& map, std::int32_t px, std::int32_t py) {
    AxisValue r;
    r.X = map.ValueX(px);
    r.Y = map.ValueY(py);
    // A log axis: the span of the five pixels centred on the mouse.
    const double half = HitTolerance / 2;
    r.TolX = map.X().log ? map.ValueX(px + half) - map.ValueX(px - half)
                         : HitTolerance / map.X().pixelScale;
    r.TolY = map.Y().log ? map.ValueY(py - half) - map.ValueY(py + half)
                         : HitTolerance / map.Y().pixelScale;
    r.valid = map.Usable();
    return r;
}

bool DeletePointAt(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight, std::int32_t px,
                   std::int32_t py) {
    PointList& points = d.Slot(1).points;
    if (points.empty()) return false;
    const AxisValue v = PixelToAxisValue(DiagramMapper(d, viewWidth, viewHeight), px, py);
    if (!v.valid) return false;
    const auto hit = FindPointNear(points, v.X, v.Y, v.TolX, v.TolY);
    if (!hit) return false;
    RemovePoint(points, *hit);
    return true;
}

bool InsertPointAt(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight, std::int32_t px,
                   std::int32_t py) {
    PointList& points = d.Slot(1).points;
    if (points.empty()) return false;
    const AxisValue v = PixelToAxisValue(DiagramMapper(d, viewWidth, viewHeight), px, py);
    if (!v.valid || !std::isfinite(v.X) || !std::isfinite(v.Y)) return false;
    if (!(v.X >= d.xFrom && v.Y >= d.yFrom)) return false;
    InsertPointByX(points, {v.X, v.Y});
    return true;
}

bool MouseEditor::FormMouseDown(MouseView view, MouseButtons buttons, std::int32_t x,
                                std::int32_t y) {
    bend_.End();
    if ((buttons & ~kCtrlKey) == kLeftButton && view.diagram.Slot(1).marked == 1 && !pointEditing &&
        BendsSlot1(view.diagram, view.width, view.height)) {
        LastMousePosition = {x, y};
        return bend_.Begin(view.diagram, view.width, view.height, x, y, (buttons & kCtrlKey) != 0);
    }
    if (buttons != kLeftButton) return false;
    LastMousePosition = {x, y};
    Diagram& d = view.diagram;
    if (d.Slot(1).marked != 1) return false;
    DeletePointAt(d, view.width, view.height, x, y);
    return true;
}

bool MouseEditor::FormMouseMove(MouseView view, MouseButtons buttons, std::int32_t x,
                                std::int32_t y) {
    Diagram& d = view.diagram;
    if (bend_.Active())
        return (buttons & kLeftButton) != 0 && bend_.Drag(d, view.width, view.height, x, y);
    if (buttons != kLeftButton || d.Slot(1).marked != 1) return false;
    DeletePointAt(d, view.width, view.height, LastMousePosition.x, LastMousePosition.y);
    LastMousePosition = {x, y};
    InsertPointAt(d, view.width, view.height, x, y);
    return true;
}

bool MouseEditor::FormMouseUp(MouseView, MouseButtons, std::int32_t, std::int32_t) {
    bend_.End();
    return false;
}

}  // namespace qv
