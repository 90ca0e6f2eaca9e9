#include "diagram/qt_canvas.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>
#include <algorithm>

#include "translations/language.h"

namespace qv {

QFont DiagramFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QColor ColourFromValue(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QtCanvas::QtCanvas(QPainter& painter, const QFont& font) : painter_(painter), metrics_(font) {
    painter_.setFont(font);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    SetPen(PenStyle::Solid, kBlack);
}

void QtCanvas::SetPen(PenStyle style, std::uint32_t colour) {
    QPen pen(ColourFromValue(colour));
    pen.setWidth(1);
    pen.setCosmetic(true);
    if (style == PenStyle::Dotted) {
        // One pixel on, one off, like a dotted one-pixel line of the system pen.
        pen.setDashPattern({1.0, 1.0});
    }
    painter_.setPen(pen);
}

void QtCanvas::SetBrush(BrushStyle style, std::uint32_t colour) {
    if (style == BrushStyle::Clear)
        painter_.setBrush(Qt::NoBrush);
    else
        painter_.setBrush(QBrush(ColourFromValue(colour)));
}

void QtCanvas::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void QtCanvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    painter_.drawLine(position_, to);
    position_ = to;
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    // The box excludes its right and bottom edge, as the system's ellipse does.
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    painter_.drawEllipse(
        QRect(left, top, std::max(right - left - 1, 0), std::max(bottom - top - 1, 0)));
}

int QtCanvas::TextWidth(const std::string& text) {
    return metrics_.horizontalAdvance(TrCore(text));
}

int QtCanvas::TextHeight(const std::string&) {
    return metrics_.height();
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    const QPen pen = painter_.pen();
    painter_.setPen(QPen(Qt::black));
    painter_.drawText(QPoint(x, y + metrics_.ascent()), TrCore(text));
    painter_.setPen(pen);
}

}  // namespace qv
