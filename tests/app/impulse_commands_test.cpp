#include "app/impulse_commands.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/test_support.h"

namespace qv {
namespace {

PointList Impulse(std::vector<double> samples) {
    PointList p;
    for (std::size_t i = 0; i < samples.size(); ++i)
        AppendPoint(p, static_cast<double>(i), samples[i]);
    return p;
}

TEST(ImpulseCommands, RefuseEmptySlotAndFillTargets) {
    test::ScriptedUserInterface ui;
    Workspace ws;
    ws.CurrentDiagram = ImpulseResponseDiagram;
    EXPECT_FALSE(RunImpulsFrequencyResponse(ws, ui));
    EXPECT_FALSE(RunImpulsGroupDelay(ws, ui));
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"kein Impuls vorhanden", "kein Impuls vorhanden"}));
    EXPECT_EQ(ws.CurrentDiagram, ImpulseResponseDiagram);

    SetCurve(ws, ImpulseResponseDiagram, CurveRole::Impulse, "h", Impulse({0.5}));
    SetCurve(ws, FrequencyResponseDiagram, CurveRole::Measured, "keep", Impulse({1, 2}));
    ASSERT_TRUE(RunImpulsFrequencyResponse(ws, ui));
    EXPECT_EQ(ws.CurrentDiagram, FrequencyResponseDiagram);
    const CurveSlot& s1 = ws.Curve(FrequencyResponseDiagram, CurveRole::Desired);
    EXPECT_EQ(s1.name, "amgang.dat");
    ASSERT_EQ(s1.points.size(), 366u);
    EXPECT_NEAR(s1.points[100].y, 20 * std::log10(0.5), 1e-9);
    EXPECT_EQ(ws.Curve(FrequencyResponseDiagram, CurveRole::Measured).name, "keep");

    ws.CurrentDiagram = ImpulseResponseDiagram;
    ASSERT_TRUE(RunImpulsGroupDelay(ws, ui));
    EXPECT_EQ(ws.CurrentDiagram, GroupDelayDiagram);
    EXPECT_EQ(ws.Curve(GroupDelayDiagram, CurveRole::Desired).name, "tggang.dat");
}

}  // namespace
}  // namespace qv
