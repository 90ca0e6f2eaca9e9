#include "diagram/drawing_state.h"

#include <cmath>

namespace qv {
namespace {

// Far outside any window, but safe to convert: a point at infinity or a
// mapping of an empty range must not overflow the integer.
constexpr double kPixelLimit = 1.0e9;

std::int32_t TruncatePixel(double v) {
    if (std::isnan(v)) return static_cast<std::int32_t>(-kPixelLimit);
    if (v > kPixelLimit) return static_cast<std::int32_t>(kPixelLimit);
    if (v < -kPixelLimit) return static_cast<std::int32_t>(-kPixelLimit);
    return static_cast<std::int32_t>(v);
}

}  // namespace

void SetViewport(DrawingState& s, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) {
    s.left = left;
    s.top = top;
    s.right = right;
    s.bottom = bottom;
}

void SetWorldWindow(DrawingState& s, double x1, double y1, double x2, double y2) {
    s.scaleX = (static_cast<double>(s.right) - s.left) / (x2 - x1);
    s.scaleY = (static_cast<double>(s.bottom) - s.top) / (y2 - y1);
    s.offsetX = s.left - x1 * s.scaleX;
    s.offsetY = s.top - y1 * s.scaleY;
}

std::int32_t WorldToPixelX(const DrawingState& s, double x) {
    return TruncatePixel(s.scaleX * x + s.offsetX);
}

std::int32_t WorldToPixelY(const DrawingState& s, double y) {
    return TruncatePixel((static_cast<double>(s.bottom) + s.top) - (s.scaleY * y + s.offsetY));
}

void SetPenStyle(Canvas& c, PenStyle style, std::uint32_t colour) {
    c.SetPen(style, colour);
}

void ClippedLine(Canvas& c, const DrawingState& s, double x1, double y1, double x2, double y2) {
    ClippedPixelLine(c, s, WorldToPixelX(s, x1), WorldToPixelY(s, y1), WorldToPixelX(s, x2),
                     WorldToPixelY(s, y2));
}

void ClippedPixelLine(Canvas& c, const DrawingState& s, std::int32_t px1, std::int32_t py1,
                      std::int32_t px2, std::int32_t py2) {
    const auto insideX = [&](std::int32_t p) { return p >= s.left && p <= s.right; };
    const auto insideY = [&](std::int32_t p) { return p >= s.top && p <= s.bottom; };
    if (!insideX(px1) || !insideX(px2) || !insideY(py1) || !insideY(py2)) return;
    c.MoveTo(px1, py1);
    c.LineTo(px2, py2);
}

void CurveSegment(Canvas& c, const DrawingState& s, std::int32_t lineWidth, double x1, double y1,
                  double x2, double y2) {
    ClippedLine(c, s, x1, y1, x2, y2);
    if (lineWidth >= 2) ClippedLine(c, s, x1, y1 - 1, x2, y2 - 1);
    if (lineWidth == 3) ClippedLine(c, s, x1, y1 + 1, x2, y2 + 1);
}

void PointMarker(Canvas& c, const DrawingState& s, double x, double y) {
    c.SetBrush(BrushStyle::Solid, kWhite);
    c.Ellipse(WorldToPixelX(s, x - kMarkerRadius), WorldToPixelY(s, y - kMarkerRadius),
              WorldToPixelX(s, x + kMarkerRadius), WorldToPixelY(s, y + kMarkerRadius));
}

void ViewportFrame(Canvas& c, const DrawingState& s) {
    c.MoveTo(s.left, s.top);
    c.LineTo(s.right - 1, s.top);
    c.LineTo(s.right - 1, s.bottom - 1);
    c.LineTo(s.left, s.bottom - 1);
    c.LineTo(s.left, s.top);
}

void CenteredText(Canvas& c, std::int32_t px, std::int32_t py, const std::string& text) {
    c.SetBrush(BrushStyle::Clear, kWhite);
    const int w = c.TextWidth(text);
    const int h = c.TextHeight(text);
    c.TextOut(px - w / 2, py - h / 2, text);
}

void WorldText(Canvas& c, const DrawingState& s, const std::string& text, double x, double y) {
    CenteredText(c, WorldToPixelX(s, x), WorldToPixelY(s, y), text.substr(0, kMaxWorldTextLength));
}

}  // namespace qv
