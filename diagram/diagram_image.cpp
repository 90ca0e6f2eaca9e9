#include "diagram/diagram_image.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include "diagram/qt_canvas.h"
#include "translations/language.h"

namespace qv {
namespace {

constexpr int kLabelPadding = 2;

QRect LabelRect(const QFontMetrics& fm, const QString& text, int left, int top) {
    return QRect(left, top, fm.horizontalAdvance(text) + 2 * kLabelPadding, fm.height());
}

void DrawLabel(QPainter& p, const QRect& r, const QString& text, const QColor& back,
               const QColor& fore) {
    p.fillRect(r, back);
    p.setPen(fore);
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

QFont LabelFont() {
    QFont font = DiagramFont();
    font.setBold(true);
    return font;
}

QColor DiagramBackground() {
    return QGuiApplication::palette().color(QPalette::Button);
}

void DrawDiagramLabels(QPainter& p, const DiagramLabels& labels) {
    const QFont font = LabelFont();
    const QFontMetrics fm(font);
    p.save();
    p.setFont(font);
    const QString title = TrCore(labels.title);
    const int width = fm.horizontalAdvance(title) + 2 * kLabelPadding;
    DrawLabel(p, LabelRect(fm, title, labels.titleRight - width, labels.titleTop), title,
              QGuiApplication::palette().color(QPalette::ToolTipBase), Qt::black);
    for (const LegendLabel& l : labels.legend) {
        if (!l.visible) continue;
        const QString caption = TrCore(l.caption);
        DrawLabel(p, LabelRect(fm, caption, l.left, l.top), caption, ColourFromValue(l.colour),
                  Qt::white);
    }
    p.restore();
}

QImage RenderDiagramImage(Diagram& diagram, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(DiagramBackground());
    QPainter painter(&image);
    QtCanvas canvas(painter);
    const DiagramLabels labels =
        PaintDiagram(canvas, diagram, width, height, QFontMetrics(LabelFont()).height());
    DrawDiagramLabels(painter, labels);
    return image;
}

}  // namespace qv
