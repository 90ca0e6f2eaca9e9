#include <gtest/gtest.h>

#include <cmath>

#include "curves/diagram_set.h"
#include "diagram/axis_math.h"
#include "diagram/mouse_edit.h"
#include "diagram/ranges.h"
#include "project/workspace.h"

namespace qv {
namespace {

TEST(Ranges, AutoRangeFigures) {
    Diagram d = MakeDiagramSet()[GroupDelayDiagram];
    ClearSlots(d);
    AutoRange(d);  // no curves: unchanged
    EXPECT_EQ(d.xFrom, 10);
    EXPECT_EQ(d.yTo, 8);

    d.Slot(1).points = {{100, 3}, {500, 3}, {1000, 3}};
    AutoRange(d);
    EXPECT_EQ(d.xFrom, 100);
    EXPECT_EQ(d.xTo, 1000);
    EXPECT_EQ(d.yFrom, 1.5);
    EXPECT_EQ(d.yTo, 4.5);

    d.Slot(1).points = {{20, -50}, {200, 10}};
    d.Slot(3).points = {{15, 0}, {20000, -20}};
    AutoRange(d);
    EXPECT_EQ(d.yFrom, -50);
    EXPECT_EQ(d.yTo, 16);
    EXPECT_EQ(d.xFrom, 15);
    EXPECT_EQ(d.xTo, 20000);
    std::swap(d.Slot(1).points, d.Slot(3).points);  // the order of the slots does not matter
    AutoRange(d);
    EXPECT_EQ(d.xFrom, 15);
    EXPECT_EQ(d.xTo, 20000);
    EXPECT_EQ(d.yFrom, -50);
    EXPECT_EQ(d.yTo, 16);

    ClearSlots(d);
    d.Slot(4).points = {{7, 2}};
    AutoRange(d);
    EXPECT_EQ(d.xFrom, 5.5);
    EXPECT_EQ(d.xTo, 8.5);
}

TEST(Ranges, StandardRangeKeepsTheAxesAsTheyAre) {
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
    d.xFrom = 0;
    d.xLog = 0;  // as a fall-back leaves it
    d.yTo = 77;
    StandardRange(d);
    EXPECT_EQ(d.xFrom, 10);
    EXPECT_EQ(d.xTo, 30000);
    EXPECT_EQ(d.yFrom, -120);
    EXPECT_EQ(d.yTo, 10);
    EXPECT_EQ(d.xLog, 0);
}

TEST(Ranges, CurveCommandFlipsTheFlagEvenOfAnEmptySlot) {
    Diagram d = MakeDiagramSet()[ImpulseResponseDiagram];
    EXPECT_TRUE(MenuCurveClick(d));
    EXPECT_EQ(d.Slot(1).marked, 1);
    EXPECT_FALSE(MenuCurveClick(d));
    EXPECT_EQ(d.Slot(1).marked, 0);
}

TEST(MouseEdit, LogHitBoxIsSymmetricInAxisUnits) {
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
    d.xFrom = 10;
    d.xTo = 10000;
    // About 300 pixels per decade.
    const int width = 30 + 900, height = 368;
    const AxisValue v = PixelToAxisValue(DiagramMapper(d, width, height), 330, 100);
    ASSERT_TRUE(v.valid);
    EXPECT_NEAR(v.X, 100, 0.1);
    const double perDecade = 900 / (DecimalLog(10000) - DecimalLog(10));
    const auto pixel = [&](double x) { return 30 + (DecimalLog(x) - DecimalLog(10)) * perDecade; };
    EXPECT_NEAR(330 - pixel(v.X - v.TolX), 5.1, 0.05);
    EXPECT_NEAR(pixel(v.X + v.TolX) - 330, 4.9, 0.05);
    // Linear y: five pixels either way.
    EXPECT_NEAR(v.TolY, 5 * 130.0 / 343, 1e-9);
}

class MouseEditTest : public ::testing::Test {
  protected:
    void SetUp() override { Slot().marked = 1; }
    CurveSlot& Slot() { return d.Slot(1); }
    CurvePoint At(int px, int py) {
        const AxisValue v = PixelToAxisValue(DiagramMapper(d, width, height), px, py);
        return {v.X, v.Y};
    }
    MouseView View() { return {d, width, height}; }

    Diagram d = MakeDiagramSet()[ImpulseResponseDiagram];
    std::int32_t width = 835, height = 368;
    MouseEditor mouse;
};

TEST_F(MouseEditTest, ClickOnAPointDeletesItOnlyWithTheLeftButtonAlone) {
    Slot().points = {At(100, 100), At(400, 200)};
    for (MouseButtons b : std::initializer_list<MouseButtons>{
             kLeftButton | kShiftKey, kLeftButton | kCtrlKey, kRightButton,
             kLeftButton | kDoubleClick, kLeftButton | kAltKey}) {
        EXPECT_FALSE(mouse.FormMouseDown(View(), b, 103, 96));
        EXPECT_EQ(Slot().points.size(), 2u);
    }
    EXPECT_TRUE(mouse.FormMouseDown(View(), kLeftButton, 106, 100));  // just outside the box
    EXPECT_EQ(Slot().points.size(), 2u);
    EXPECT_TRUE(mouse.FormMouseDown(View(), kLeftButton, 104, 96));
    EXPECT_FALSE(mouse.FormMouseUp(View(), 0, 104, 96));
    ASSERT_EQ(Slot().points.size(), 1u);
    EXPECT_EQ(mouse.LastMousePosition.x, 104);
}

TEST_F(MouseEditTest, WithoutEditModeTheMouseDoesNothing) {
    Slot().points = {At(100, 100), At(400, 200)};
    Slot().marked = 0;
    EXPECT_FALSE(mouse.FormMouseDown(View(), kLeftButton, 100, 100));
    EXPECT_FALSE(mouse.FormMouseMove(View(), kLeftButton, 200, 100));
    EXPECT_EQ(Slot().points.size(), 2u);
}

TEST_F(MouseEditTest, DragFromEmptySpaceAddsOnePointThatEndsUnderTheMouse) {
    Slot().points = {At(50, 300), At(800, 300)};
    mouse.FormMouseDown(View(), kLeftButton, 300, 50);
    for (int x = 310; x <= 400; x += 3)
        EXPECT_TRUE(mouse.FormMouseMove(View(), kLeftButton, x, 60));
    mouse.FormMouseUp(View(), 0, 400, 60);
    ASSERT_EQ(Slot().points.size(), 3u);
    const CurvePoint end = At(400, 60);
    EXPECT_DOUBLE_EQ(Slot().points[1].x, end.x);
    EXPECT_DOUBLE_EQ(Slot().points[1].y, end.y);
    // Moving without a button changes nothing.
    EXPECT_FALSE(mouse.FormMouseMove(View(), 0, 600, 60));
    EXPECT_EQ(Slot().points.size(), 3u);
}

TEST_F(MouseEditTest, DragRemovesAnotherPointThatComesFirstInTheBox) {
    const CurvePoint other = At(200, 100);
    Slot().points = {At(50, 300), other, At(800, 300)};
    mouse.FormMouseDown(View(), kLeftButton, 203, 150);  // empty space
    mouse.FormMouseMove(View(), kLeftButton, 203, 100);  // a new point next to the other one
    mouse.FormMouseMove(View(), kLeftButton, 250, 100);  // removal hits the other point first
    ASSERT_EQ(Slot().points.size(), 4u);
    for (const CurvePoint& p : Slot().points) EXPECT_NE(p, other);
    EXPECT_DOUBLE_EQ(Slot().points[1].x, At(203, 100).x);  // the dragged point stayed behind
    EXPECT_DOUBLE_EQ(Slot().points[2].x, At(250, 100).x);
}

TEST_F(MouseEditTest, AnEmptiedSlotCannotBeRefilled) {
    Slot().points = {At(100, 100), At(400, 200)};
    mouse.FormMouseDown(View(), kLeftButton, 100, 100);
    mouse.FormMouseDown(View(), kLeftButton, 400, 200);
    ASSERT_TRUE(Slot().points.empty());
    EXPECT_TRUE(mouse.FormMouseDown(View(), kLeftButton, 300, 100));  // still repaints
    mouse.FormMouseMove(View(), kLeftButton, 320, 100);
    EXPECT_TRUE(Slot().points.empty());
}

TEST_F(MouseEditTest, InsertionNeedsAPositionRightOfAndAboveTheLowerBounds) {
    Slot().points = {At(100, 100)};
    EXPECT_FALSE(InsertPointAt(d, width, height, 20, 100));   // left
    EXPECT_FALSE(InsertPointAt(d, width, height, 300, 350));  // below
    EXPECT_TRUE(InsertPointAt(d, width, height, 900, -20));   // beyond
    EXPECT_GT(Slot().points.back().x, d.xTo);
    // A window too small for a plot edits nothing.
    EXPECT_FALSE(InsertPointAt(d, 30, 25, 10, 10));
    EXPECT_FALSE(DeletePointAt(d, 20, 20, 10, 10));
}

}  // namespace
}  // namespace qv
