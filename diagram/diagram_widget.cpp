#include "diagram/diagram_widget.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "diagram/diagram_image.h"
#include "diagram/qt_canvas.h"

namespace qv {
namespace {

// The mouse edits a diagram's first curve.
const CurveSlot& EditedCurve(const Diagram& d) {
    return d.Slot(1);
}

}  // namespace

DiagramWidget::DiagramWidget(ShownDiagram shown, LayOut layOut, QWidget* parent)
    : QWidget(parent),
      shown_(std::move(shown)),
      layOut_(std::move(layOut)),
      legendLabelHeight_(QFontMetrics(LabelFont()).height()) {
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
    layOut_(width(), height());
    QPainter painter(this);
    QtCanvas canvas(painter, font());
    labels_ = DrawDiagram(canvas, shown_(), legendLabelHeight_);
    if (drawLabels_) DrawDiagramLabels(painter, labels_);
    painter.end();
    Q_EMIT painted();
}

template <typename Handler>
bool DiagramWidget::Edit(Handler handler) {
    const Diagram& shown = shown_();
    // The editing works on a copy; only its curve goes back, as a report.
    // Assigning into the kept copy reuses its storage on every move of a drag.
    copy_ = shown;
    const bool repaintNeeded = handler(MouseView{copy_, width(), height()});
    if (EditedCurve(copy_).points != EditedCurve(shown).points)
        Q_EMIT curveEdited(EditedCurve(copy_).points);
    return repaintNeeded;
}

void DiagramWidget::resizeEvent(QResizeEvent* event) {
    // This widget is the client area the diagram and the mouse work in.
    Q_EMIT areaResized(width(), height());
    QWidget::resizeEvent(event);
    update();
}

void DiagramWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const MouseButtons state = ButtonState(event->buttons(), event->modifiers());
    if (state == kLeftButton && EditedCurve(shown_()).marked == 1 && !editing_) {
        editing_ = true;
        Q_EMIT curveEditStarted();
    }
    const bool changed =
        Edit([&](MouseView view) { return mouse_.FormMouseDown(view, state, p.x(), p.y()); });
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
    const MouseButtons state = ButtonState(event->buttons(), event->modifiers());
    // Without the left button a move edits nothing: the hover copies nothing.
    if (!(state & kLeftButton)) return;
    if (Edit([&](MouseView view) { return mouse_.FormMouseMove(view, state, p.x(), p.y()); }))
        repaint();
}

void DiagramWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const MouseButtons state = ButtonState(event->buttons(), event->modifiers());
    if (Edit([&](MouseView view) { return mouse_.FormMouseUp(view, state, p.x(), p.y()); }))
        repaint();
    if (editing_ && !(event->buttons() & Qt::LeftButton)) {
        editing_ = false;
        Q_EMIT curveEditFinished();
    }
}

void DiagramWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click edits nothing; the press before it has already acted.
    const QPoint p = event->position().toPoint();
    const MouseButtons state = ButtonState(event->buttons(), event->modifiers()) | kDoubleClick;
    Edit([&](MouseView view) { return mouse_.FormMouseDown(view, state, p.x(), p.y()); });
}

}  // namespace qv
