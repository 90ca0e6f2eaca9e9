#pragma once
// The drawing area of the main window: paints the current diagram of the
// workspace and forwards the mouse to the curve editing.

#include <QWidget>

#include "diagram/mouse_edit.h"
#include "diagram/painter.h"
#include "project/workspace.h"

namespace qv {

class DiagramWidget : public QWidget {
    Q_OBJECT
  public:
    explicit DiagramWidget(Workspace& ws, QWidget* parent = nullptr);

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
    void curveEditFinished();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    MouseView View();

    Workspace& ws_;
    MouseEditor mouse_;
    DiagramLabels labels_;
    bool drawLabels_ = false;
    bool editing_ = false;
    int legendLabelHeight_;
};

}  // namespace qv
