#include "diagram/curve_bend.h"

#include <gtest/gtest.h>

#include <cmath>

#include "curves/diagram_set.h"
#include "diagram/mouse_edit.h"

namespace qv {
namespace {

// Twelve points per octave around 1 kHz, and the edges of both bends.
PointList Curve() {
    PointList p;
    for (int i = -36; i <= 36; ++i) p.push_back({1000 * std::exp2(i / 12.0), 0.5});
    return p;
}

TEST(CurveBend, ThreeDecibelsAtOneKilohertz) {
    for (double half : {kBendHalfWidth, kWideBendHalfWidth}) {
        SCOPED_TRACE(half);
        const PointList before = Curve();
        const PointList after = BendCurve(before, 1000, 3, half);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            EXPECT_EQ(after[i].x, before[i].x);
            const double octaves = std::log2(before[i].x / 1000);
            if (std::fabs(octaves) < 1e-12)
                EXPECT_DOUBLE_EQ(after[i].y, 3.5);
            else if (std::fabs(octaves) >= half - 1e-9)
                EXPECT_EQ(after[i].y, before[i].y) << before[i].x;  // the edges and beyond
            else
                EXPECT_NEAR(after[i].y - 0.5, 3 * 0.5 * (1 + std::cos(M_PI * octaves / half)),
                            1e-12);
        }
    }
    EXPECT_DOUBLE_EQ(BendWeight(1.0 / 12, kBendHalfWidth), 0.5);
    EXPECT_EQ(BendWeight(0.2, kBendHalfWidth), 0);
}

class BendMouseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Diagram& d = diagram;
        d.xFrom = 100;
        d.xTo = 10000;
        d.yFrom = -10;
        d.yTo = 10;
        PointList dense;
        for (int i = 0; i <= 1200; ++i) dense.push_back({100 * std::pow(100.0, i / 1200.0), 0});
        d.Slot(1).points = dense;
        d.Slot(1).marked = 1;
    }
    // The pixel column of 1 kHz and the row of a level.
    int Column() { return 30 + (835 - 30) / 2; }
    int Row(double y) { return static_cast<int>((368 - 25) * (10 - y) / 20.0); }
    // The level of the point nearest to x.
    double At(double x) {
        const CurvePoint* best = nullptr;
        for (const CurvePoint& p : diagram.Slot(1).points)
            if (!best || std::fabs(std::log(p.x / x)) < std::fabs(std::log(best->x / x))) best = &p;
        return best->y;
    }

    Diagram diagram = MakeDiagramSet()[FrequencyResponseDiagram];
    MouseView ws{diagram, 835, 368};
    MouseEditor mouse;
};

TEST_F(BendMouseTest, DragBendsCtrlBendsWiderPointEditingKeepsThePointRules) {
    const std::size_t count = diagram.Slot(1).points.size();
    ASSERT_TRUE(mouse.FormMouseDown(ws, kLeftButton, Column(), Row(0)));
    EXPECT_TRUE(mouse.Bending());
    EXPECT_EQ(diagram.Slot(1).points.size(), count);  // a press deletes nothing
    EXPECT_TRUE(mouse.FormMouseMove(ws, kLeftButton, Column(), Row(6)));
    EXPECT_TRUE(mouse.FormMouseMove(ws, kLeftButton, Column() + 40, Row(3)));
    mouse.FormMouseUp(ws, 0, Column(), Row(3));
    EXPECT_FALSE(mouse.Bending());
    EXPECT_EQ(diagram.Slot(1).points.size(), count);
    EXPECT_NEAR(At(1000), 3, 0.1);
    EXPECT_GT(At(1000 * std::exp2(0.1)), 0.5);
    EXPECT_EQ(At(1000 * std::exp2(0.25)), 0);

    mouse.FormMouseDown(ws, kLeftButton | kCtrlKey, Column(), Row(3));
    mouse.FormMouseMove(ws, kLeftButton | kCtrlKey, Column(), Row(0));
    EXPECT_NEAR(At(1000), 0, 0.1);
    EXPECT_LT(At(1000 * std::exp2(0.25)), -0.5);

    mouse.pointEditing = true;
    mouse.FormMouseDown(ws, kLeftButton, Column(), Row(0));
    EXPECT_FALSE(mouse.Bending());
    EXPECT_EQ(diagram.Slot(1).points.size(), count - 1);
}

}  // namespace
}  // namespace qv
