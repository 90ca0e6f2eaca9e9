#include "diagram/mouse_edit.h"

#include <cmath>

#include "diagram/axis_math.h"
#include "diagram/painter.h"

namespace qv {
namespace {

struct AxisMap {
    double from = 0, to = 0;
    bool log = false;
    double scale = 0;  // pixels per axis unit, or per decade

    double Value(double pixels) const {
        if (log) return std::exp((DecimalLog(from) + pixels / scale) * kLogConstant);
        return pixels / scale + from;
    }
};

AxisMap MakeAxis(double from, double to, bool log, double pixels) {
    AxisMap a{from, to, log, 0};
    a.scale = log ? pixels / (DecimalLog(to) - DecimalLog(from)) : pixels / (to - from);
    return a;
}

bool Usable(const AxisMap& a) {
    if (!std::isfinite(a.from) || !std::isfinite(a.to) || !(a.from < a.to)) return false;
    if (a.log && !(a.from > 0)) return false;
    return std::isfinite(a.scale) && a.scale > 0;
}

}  // namespace

AxisValue PixelToAxisValue(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight,
                           std::int32_t px, std::int32_t py) {
    d.areaRight = viewWidth;
    d.areaBottom = viewHeight;
    const double w = static_cast<double>(d.areaRight) - kYLabelStrip - d.areaLeft;
    const double h = static_cast<double>(d.areaBottom) - kXLabelStrip - d.areaTop;
    const AxisMap ax = MakeAxis(d.xFrom, d.xTo, d.xLog == 1, w);
    const AxisMap ay = MakeAxis(d.yFrom, d.yTo, d.yLog == 1, h);
    AxisValue r;
    const double mx = static_cast<double>(px) - kYLabelStrip;
    const double my = h - py;
    r.X = ax.Value(mx);
    r.Y = ay.Value(my);
    const double half = HitTolerance / 2;
    r.TolX = ax.log ? ax.Value(mx + half) - ax.Value(mx - half) : HitTolerance / ax.scale;
    r.TolY = ay.log ? ay.Value(my + half) - ay.Value(my - half) : HitTolerance / ay.scale;
    r.valid = w > 0 && h > 0 && Usable(ax) && Usable(ay);
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
    if (buttons != kLeftButton || d.Slot(1).marked != 1) return false;
    DeletePointAt(d, ws.ViewWidth, ws.ViewHeight, LastMousePosition.x, LastMousePosition.y);
    LastMousePosition = {x, y};
    InsertPointAt(d, ws.ViewWidth, ws.ViewHeight, x, y);
    return true;
}

bool MouseEditor::FormMouseUp(Workspace&, MouseButtons, std::int32_t, std::int32_t) {
    return false;
}

}  // namespace qv
