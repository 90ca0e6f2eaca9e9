#pragma once
// The drawing area of the main window: draws the diagram the window shows it
// and turns the mouse into curve edits that it reports back. It never holds
// the document: the window applies each report to it.

#include <QWidget>
#include <functional>

#include "diagram/mouse_edit.h"
#include "diagram/painter.h"

namespace qv {

class DiagramWidget : public QWidget {
    Q_OBJECT
  public:
    // The diagram to show, read at each paint and mouse event.
    using ShownDiagram = std::function<const Diagram&()>;
    // Lays the shown diagram out for a client area of width x height before
    // each paint (its area, tick steps and log fallback stay in it).
    using LayOut = std::function<void(int width, int height)>;
    DiagramWidget(ShownDiagram shown, LayOut layOut, QWidget* parent = nullptr);

    // What the title and legend labels must show after the last paint.
    const DiagramLabels& labels() const { return labels_; }
    // Draw the title and legend onto the widget instead of leaving them to labels.
    void setDrawLabels(bool on) { drawLabels_ = on; }
    // The height of the window's legend labels, which sets their spacing.
    void setLegendLabelHeight(int h) { legendLabelHeight_ = h; }
    MouseEditor& mouseEditor() { return mouse_; }

    // The button state of a Qt mouse event in the editing's terms.
    static MouseButtons ButtonState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

  Q_SIGNALS:
    void painted();
    void mouseAt(int x, int y);
    // A press in edit mode opens one curve change, its release closes it.
    void curveEditStarted();
    // The mouse changed the curve it edits (the shown diagram's first
    // slot): the points it holds now. Between the start and the finish.
    void curveEdited(const qv::PointList& points);
    void curveEditFinished();
    // The client area the diagram is shown and edited in.
    void areaResized(int width, int height);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // Runs one mouse handler on a copy of the shown diagram and reports a
    // changed curve; true when the handler asks for a repaint.
    template <typename Handler>
    bool Edit(Handler handler);

    ShownDiagram shown_;
    LayOut layOut_;
    Diagram copy_;  // what the mouse edits
    MouseEditor mouse_;
    DiagramLabels labels_;
    bool drawLabels_ = false;
    bool editing_ = false;
    int legendLabelHeight_;
};

}  // namespace qv
