#pragma once
// The diagram's Canvas over a QPainter, in the window's font.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPoint>

#include "diagram/canvas.h"

class QPainter;

namespace qv {

// The platform's sans-serif with a character height of 11 pixels.
QFont DiagramFont();
// 0x00BBGGRR as a QColor.
QColor ColourFromValue(std::uint32_t colour);

class QtCanvas : public Canvas {
  public:
    explicit QtCanvas(QPainter& painter, const QFont& font = DiagramFont());

    void SetPen(PenStyle style, std::uint32_t colour) override;
    void SetBrush(BrushStyle style, std::uint32_t colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;

  private:
    QPainter& painter_;
    QFontMetrics metrics_;
    QPoint position_;
};

}  // namespace qv
