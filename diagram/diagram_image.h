#pragma once
// A diagram rendered into an image through the same painter as the window,
// with the title and legend drawn where the window's labels would stand.

#include <QFont>
#include <QImage>

#include "curves/diagram.h"
#include "diagram/painter.h"

class QPainter;

namespace qv {

// The labels' font: the diagram font in bold.
QFont LabelFont();
// The window's background, the system's button face.
QColor DiagramBackground();

// Draws the title label (bold black on the tooltip colour) and the legend
// labels (bold white on the slot colours) as the window places them.
void DrawDiagramLabels(QPainter& painter, const DiagramLabels& labels);

// The diagram painted on the button-face background; needs a QGuiApplication.
QImage RenderDiagramImage(Diagram& diagram, int width, int height);

}  // namespace qv
