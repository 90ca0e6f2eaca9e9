#pragma once
// World-to-pixel mapping onto a viewport of the client area (y grows
// upwards in the world) and the few primitives the diagram draws with.

#include <cstdint>
#include <string>

#include "diagram/canvas.h"

namespace qv {

struct DrawingState {
    // Client pixels, y downwards; ClippedLine takes all four bounds as inclusive.
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    double scaleX = 0, scaleY = 0;
    double offsetX = 0, offsetY = 0;
};

constexpr double kMarkerRadius = 10.0;
constexpr std::size_t kMaxWorldTextLength = 50;

void SetViewport(DrawingState& s, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom);
// (x1, y1) at the bottom-left corner of the viewport, (x2, y2) at the top-right.
void SetWorldWindow(DrawingState& s, double x1, double y1, double x2, double y2);

// Truncated toward zero, not rounded; nothing is clamped to the viewport.
std::int32_t WorldToPixelX(const DrawingState& s, double x);
std::int32_t WorldToPixelY(const DrawingState& s, double y);

void SetPenStyle(Canvas& c, PenStyle style, std::uint32_t colour);
// Drawn only when both ends lie inside the viewport; never cut at the edge.
void ClippedLine(Canvas& c, const DrawingState& s, double x1, double y1, double x2, double y2);
// The same for ends already mapped to pixels.
void ClippedPixelLine(Canvas& c, const DrawingState& s, std::int32_t px1, std::int32_t py1,
                      std::int32_t px2, std::int32_t py2);
// A line of a curve: lineWidth 2 and 3 add copies one world unit below and above.
void CurveSegment(Canvas& c, const DrawingState& s, std::int32_t lineWidth, double x1, double y1,
                  double x2, double y2);
// A white-filled circle of kMarkerRadius world units, not clipped.
void PointMarker(Canvas& c, const DrawingState& s, double x, double y);
void ViewportFrame(Canvas& c, const DrawingState& s);
void CenteredText(Canvas& c, std::int32_t px, std::int32_t py, const std::string& text);
void WorldText(Canvas& c, const DrawingState& s, const std::string& text, double x, double y);

}  // namespace qv
