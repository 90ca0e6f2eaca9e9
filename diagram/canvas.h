#pragma once
// The drawing surface the diagram code paints on. The editor implements it
// with QPainter, the tests with a recorder of calls.

#include <cstdint>
#include <string>

namespace qv {

enum class PenStyle { Solid, Dotted };
enum class BrushStyle { Solid, Clear };

// Colours are 0x00BBGGRR values, as in CurveSlot::colour.
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGray = 0x808080;
constexpr std::uint32_t kWhite = 0xFFFFFF;

class Canvas {
  public:
    virtual ~Canvas() = default;

    // The pen is always one pixel wide.
    virtual void SetPen(PenStyle style, std::uint32_t colour) = 0;
    virtual void SetBrush(BrushStyle style, std::uint32_t colour) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the pen position to (x, y) with the current pen; the pen moves there.
    virtual void LineTo(int x, int y) = 0;
    // Outline with the pen, filled with the brush; the corners may be given in any order.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Metrics of the window's font, in pixels.
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    // Text in the window's font, black, top-left corner at (x, y), with the brush's background.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
};

}  // namespace qv
