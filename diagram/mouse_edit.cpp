#include "diagram/mouse_edit.h"

#include <cmath>

#include "diagram/diagram_layout.h"

namespace qv {

AxisValue PixelToAxisValue(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight,
                           std::int32_t px, std::int32_t py) {
    d.areaRight = viewWidth;
    d.areaBottom = viewHeight;
    const DiagramMapper map(d);
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
    const AxisValue v = PixelToAxisValue(d, viewWidth, viewHeight, px, py);
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
    const AxisValue v = PixelToAxisValue(d, viewWidth, viewHeight, px, py);
    if (!v.valid || !std::isfinite(v.X) || !std::isfinite(v.Y)) return false;
    if (!(v.X >= d.xFrom && v.Y >= d.yFrom)) return false;
    InsertPointByX(points, {v.X, v.Y});
    return true;
}

bool MouseEditor::FormMouseDown(Workspace& ws, MouseButtons buttons, std::int32_t x,
                                std::int32_t y) {
    bend_.End();
    if ((buttons & ~kCtrlKey) == kLeftButton && ws.Current().Slot(1).marked == 1 && !pointEditing &&
        BendsSlot1(ws.Current(), ws.ViewWidth, ws.ViewHeight)) {
        LastMousePosition = {x, y};
        return bend_.Begin(ws.Current(), ws.ViewWidth, ws.ViewHeight, x, y,
                           (buttons & kCtrlKey) != 0);
    }
    if (buttons != kLeftButton) return false;
    LastMousePosition = {x, y};
    Diagram& d = ws.Current();
    if (d.Slot(1).marked != 1) return false;
    DeletePointAt(d, ws.ViewWidth, ws.ViewHeight, x, y);
    return true;
}

bool MouseEditor::FormMouseMove(Workspace& ws, MouseButtons buttons, std::int32_t x,
                                std::int32_t y) {
    Diagram& d = ws.Current();
    if (bend_.Active())
        return (buttons & kLeftButton) != 0 && bend_.Drag(d, ws.ViewWidth, ws.ViewHeight, x, y);
    if (buttons != kLeftButton || d.Slot(1).marked != 1) return false;
    DeletePointAt(d, ws.ViewWidth, ws.ViewHeight, LastMousePosition.x, LastMousePosition.y);
    LastMousePosition = {x, y};
    InsertPointAt(d, ws.ViewWidth, ws.ViewHeight, x, y);
    return true;
}

bool MouseEditor::FormMouseUp(Workspace&, MouseButtons, std::int32_t, std::int32_t) {
    bend_.End();
    return false;
}

}  // namespace qv
