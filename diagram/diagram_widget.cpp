#include "diagram/diagram_widget.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "diagram/diagram_image.h"
#include "diagram/qt_canvas.h"

namespace qv {

DiagramWidget::DiagramWidget(Workspace& ws, QWidget* parent)
    : QWidget(parent), ws_(ws), legendLabelHeight_(QFontMetrics(LabelFont()).height()) {
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setFont(DiagramFont());
}

MouseButtons DiagramWidget::ButtonState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    MouseButtons state = 0;
    if (buttons & Qt::LeftButton) state |= kLeftButton;
    if (buttons & Qt::RightButton) state |= kRightButton;
    if (buttons & Qt::MiddleButton) state |= kMiddleButton;
    if (modifiers & Qt::ShiftModifier) state |= kShiftKey;
    if (modifiers & Qt::ControlModifier) state |= kCtrlKey;
    if (modifiers & Qt::AltModifier) state |= kAltKey;
    return state;
}

void DiagramWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter, font());
    labels_ =
        PaintDiagram(canvas, ws_.Current(), ws_.ViewWidth, ws_.ViewHeight, legendLabelHeight_);
    if (drawLabels_) DrawDiagramLabels(painter, labels_);
    painter.end();
    Q_EMIT painted();
}

MouseView DiagramWidget::View() {
    return {ws_.Current(), ws_.ViewWidth, ws_.ViewHeight};
}

void DiagramWidget::resizeEvent(QResizeEvent* event) {
    // This widget is the client area the diagram and the mouse work in.
    ws_.ViewWidth = width();
    ws_.ViewHeight = height();
    QWidget::resizeEvent(event);
    update();
}

void DiagramWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const MouseButtons state = ButtonState(event->buttons(), event->modifiers());
    if (state == kLeftButton && ws_.Current().Slot(1).marked == 1 && !editing_) {
        editing_ = true;
        Q_EMIT curveEditStarted();
    }
    const bool changed = mouse_.FormMouseDown(View(), state, p.x(), p.y());
    // A bend changes nothing at the press, so its change may open after it.
    if (mouse_.Bending() && !editing_) {
        editing_ = true;
        Q_EMIT curveEditStarted();
    }
    if (changed) repaint();
}

void DiagramWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    Q_EMIT mouseAt(p.x(), p.y());
    if (mouse_.FormMouseMove(View(), ButtonState(event->buttons(), event->modifiers()), p.x(),
                             p.y()))
        repaint();
}

void DiagramWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (mouse_.FormMouseUp(View(), ButtonState(event->buttons(), event->modifiers()), p.x(), p.y()))
        repaint();
    if (editing_ && !(event->buttons() & Qt::LeftButton)) {
        editing_ = false;
        Q_EMIT curveEditFinished();
    }
}

void DiagramWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click edits nothing; the press before it has already acted.
    const QPoint p = event->position().toPoint();
    mouse_.FormMouseDown(View(), ButtonState(event->buttons(), event->modifiers()) | kDoubleClick,
                         p.x(), p.y());
}

}  // namespace qv
