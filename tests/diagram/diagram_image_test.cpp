#include "diagram/diagram_image.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QMouseEvent>

#include "curves/diagram_set.h"
#include "diagram/axis_math.h"
#include "diagram/diagram_layout.h"
#include "diagram/diagram_widget.h"
#include "diagram/qt_canvas.h"
#include "qt_test_app.h"

namespace qv {
namespace {

constexpr int kWidth = 835, kHeight = 368;

DrawingState Plot() {
    DrawingState s;
    SetViewport(s, kYLabelStrip, 0, kWidth, kHeight - kXLabelStrip);
    SetWorldWindow(s, 0, 0, WorldExtent, WorldExtent);
    return s;
}

int PixelX(const Diagram& d, double x) {
    return WorldToPixelX(Plot(), AxisPosition(x, d.xFrom, AxisScale(d.xFrom, d.xTo, true), true));
}
int PixelY(const Diagram& d, double y) {
    return WorldToPixelY(Plot(), AxisPosition(y, d.yFrom, AxisScale(d.yFrom, d.yTo, false), false));
}

TEST(DiagramImage, FrequencyResponseWithTwoCurves) {
    test::QtTestApp();
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
    ClearSlots(d);
    SetSlot(d, 1, "desired", {{20, -40}, {20000, -40}});
    SetSlot(d, 2, "measured", {{20, -75}, {20000, -75}});
    const QImage image = RenderDiagramImage(d, kWidth, kHeight);
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));

    const QColor black(Qt::black);
    EXPECT_EQ(image.pixelColor(0, 200), black);                        // frame of the area
    EXPECT_EQ(image.pixelColor(kYLabelStrip, PixelY(d, -45)), black);  // frame of the plot
    EXPECT_EQ(image.pixelColor(400, kHeight - kXLabelStrip - 1), black);
    const int decade = PixelX(d, DecadePower(3));  // the 1000 Hz line
    EXPECT_EQ(image.pixelColor(decade, 120), black);
    const int x = PixelX(d, 250);
    EXPECT_EQ(image.pixelColor(x, PixelY(d, -40)), QColor(0, 0, 255));  // slot 1 blue
    EXPECT_EQ(image.pixelColor(x, PixelY(d, -75)), QColor(255, 0, 0));  // slot 2 red
    EXPECT_EQ(image.pixelColor(x, PixelY(d, -40) - 6), DiagramBackground());

    // The legend: slot 1 lowest, on its colour.
    const int h = QFontMetrics(LabelFont()).height();
    EXPECT_EQ(image.pixelColor(41, kHeight - 30 - (h + 4) + 1), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(41, kHeight - 30 - 2 * (h + 4) + 1), QColor(255, 0, 0));
}

TEST(DiagramWidget, DrawsTheShownDiagramAndReportsEditsWithoutMakingThem) {
    test::QtTestApp();
    Diagram d = MakeDiagramSet()[ImpulseResponseDiagram];
    FillDesiredCurve(d, 10);
    int layOuts = 0;
    DiagramWidget w([&]() -> const Diagram& { return d; },
                    [&](int width, int height) {
                        ++layOuts;
                        LayOutDiagram(d, width, height);
                    });
    w.resize(kWidth, kHeight);
    int started = 0, finished = 0;
    std::vector<PointList> edits;
    QObject::connect(&w, &DiagramWidget::curveEditStarted, [&] { ++started; });
    QObject::connect(&w, &DiagramWidget::curveEditFinished, [&] { ++finished; });
    QObject::connect(&w, &DiagramWidget::curveEdited,
                     [&](const PointList& points) { edits.push_back(points); });
    QImage shot(kWidth, kHeight, QImage::Format_RGB32);
    w.render(&shot);  // grab() would leave a window device that crashes at exit
    EXPECT_EQ(layOuts, 1);
    EXPECT_EQ(d.areaRight, kWidth);
    EXPECT_EQ(w.labels().title, "Impuls Response");
    EXPECT_TRUE(w.labels().legend[0].visible);
    EXPECT_EQ(shot.pixelColor(0, 100), QColor(Qt::black));

    // A click on the first point of the desired curve reports the curve
    // without it; the shown diagram stays as it is until the report is applied.
    const double sx = (kWidth - 30.0) / 1800;
    const double sy = (kHeight - 25.0) / 2.4;
    const QPointF at(30 + 10 * sx, (kHeight - 25) - 1.2 * sy);
    auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, at, at, button, held, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0], PointList{d.Slot(1).points.back()});
    EXPECT_EQ(d.Slot(1).points.size(), 2u);
    EXPECT_EQ(started, 1);
    EXPECT_EQ(finished, 1);
    send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);  // changes nothing
    EXPECT_EQ(edits.size(), 1u);
    EXPECT_EQ(DiagramWidget::ButtonState(Qt::LeftButton, Qt::ShiftModifier),
              kLeftButton | kShiftKey);
}

}  // namespace
}  // namespace qv
