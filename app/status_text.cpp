#include "app/status_text.h"

#include <cmath>
#include <cstdio>

#include "curves/tr.h"
#include "diagram/diagram_layout.h"
#include "diagram/mouse_edit.h"

namespace qv {
namespace {

// Enough digits to tell neighbouring pixels apart.
int Decimals(double tolerance) {
    if (!(tolerance > 0) || !std::isfinite(tolerance)) return 2;
    const int d = static_cast<int>(std::ceil(-std::log10(tolerance)));
    return d < 0 ? 0 : (d > 6 ? 6 : d);
}

}  // namespace

std::string PositionText(const Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight,
                         std::int32_t px, std::int32_t py) {
    const DiagramMapper map(d, viewWidth, viewHeight);
    if (!map.InPlot(px, py)) return {};
    const AxisValue v = PixelToAxisValue(map, px, py);
    if (!v.valid || !std::isfinite(v.X) || !std::isfinite(v.Y)) return {};
    char x[64];
    if (d.xUnit == "Pkt")
        std::snprintf(x, sizeof x, "%s%ld", QV_TR("sample "), std::lround(v.X));
    else
        std::snprintf(x, sizeof x, "%.*f %s", Decimals(v.TolX), v.X, d.xUnit.c_str());
    char y[64];
    std::snprintf(y, sizeof y, "%.*f%s%s", Decimals(v.TolY), v.Y, d.yUnit.empty() ? "" : " ",
                  d.yUnit.c_str());
    return std::string(x) + "    " + y;
}

}  // namespace qv
