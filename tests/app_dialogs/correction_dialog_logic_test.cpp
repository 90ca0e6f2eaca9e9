#include "app/correction_dialog_logic.h"
#include "correction/smoothing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "tests/support/test_support.h"

namespace qv {
namespace {

PointList Slope(double dbPerOctave, double at1k) {
    PointList c;
    for (double f = 20.0; f <= 20000.0; f *= std::exp2(1.0 / 12))
        AppendPoint(c, f, at1k + dbPerOctave * std::log2(f / 1000.0));
    return c;
}

struct TargetFixture : ::testing::Test {
    Workspace ws;
    test::ScriptedUserInterface ui;
    int reads = 0;
    CorrectionTargetLogic logic{ws, [this](const std::string& file) {
                                    ++reads;
                                    if (file == "missing.dat") throw std::runtime_error("no file");
                                    if (file == "one.dat") return PointList{{1000, 0}};
                                    return PointList{{20, 2}, {20000, -2}};
                                }};
    TargetFixture() {
        CreateDesiredCurve(ws, GroupDelayDiagram, 20);
        CreateDesiredCurve(ws, FrequencyResponseDiagram, 20);
        SetSlot(ws[FrequencyResponseDiagram], 3, "tweeter.txt", Slope(1.0, 85.0));
        SetSlot(ws[GroupDelayDiagram], 3, "tweeter delay", Slope(-0.1, -1.0));
        logic.Begin();
    }
    const CurveSlot& Level() { return ws[FrequencyResponseDiagram].Slot(1); }
    const CurveSlot& Delay() { return ws[GroupDelayDiagram].Slot(1); }
};

TEST_F(TargetFixture, PreviewPutsTheTargetsIntoSlotOneMarked) {
    CorrectionTargetFields f;
    f.from = "100";
    f.to = "10000";
    ASSERT_FALSE(logic.Preview(f)) << *logic.Preview(f);
    EXPECT_EQ(Level().name, "desired");
    EXPECT_EQ(Level().marked, 1);
    EXPECT_EQ(Level().points.size(), ws[FrequencyResponseDiagram].Slot(3).points.size());
    EXPECT_NEAR(Level().points.front().y, 0.0, 1e-12);  // faded far below the band
    EXPECT_EQ(Delay().points.size(), 2u);               // delay left alone
    f.delayCorrection = true;
    ASSERT_FALSE(logic.Preview(f));
    EXPECT_EQ(Delay().name, "desired");
    EXPECT_EQ(Delay().marked, 1);
    EXPECT_GT(Delay().points.size(), 2u);
    // Switching delay correction off again shows the delay curve as it was.
    f.delayCorrection = false;
    ASSERT_FALSE(logic.Preview(f));
    EXPECT_EQ(Delay().points.size(), 2u);
    EXPECT_EQ(logic.settings().from, 100.0);
}

TEST_F(TargetFixture, BadFieldsShowTheCurvesAsTheyWere) {
    const struct {
        const char* what;
        void (*change)(CorrectionTargetFields&);
    } cases[] = {
        {"from = to", [](CorrectionTargetFields& f) { f.from = f.to = "1000"; }},
        {"from > to", [](CorrectionTargetFields& f) { f.from = "5000", f.to = "100"; }},
        {"boost text", [](CorrectionTargetFields& f) { f.maxBoost = "six"; }},
        {"cut negative", [](CorrectionTargetFields& f) { f.maxCut = "-3"; }},
        {"delay empty", [](CorrectionTargetFields& f) { f.maxDelay = ""; }},
        {"decimal comma",
         [](CorrectionTargetFields& f) {
             f.tilt = "0,5";
             f.shape = TargetShape::Tilt;
         }},
        {"fraction 5", [](CorrectionTargetFields& f) { f.smoothing = 5; }},
        {"band without points",
         [](CorrectionTargetFields& f) { f.from = "25000", f.to = "30000"; }},
        {"no house file", [](CorrectionTargetFields& f) { f.shape = TargetShape::House; }},
        {"house unreadable",
         [](CorrectionTargetFields& f) {
             f.shape = TargetShape::House;
             f.houseFile = "missing.dat";
         }},
        {"house of one point",
         [](CorrectionTargetFields& f) {
             f.shape = TargetShape::House;
             f.houseFile = "one.dat";
         }},
    };
    for (const auto& c : cases) {
        CorrectionTargetFields f;
        c.change(f);
        EXPECT_TRUE(logic.Preview(f).has_value()) << c.what;
        EXPECT_EQ(Level().points, (PointList{{20, 0}, {20000, 0}})) << c.what;
        EXPECT_FALSE(logic.Accept(f, ui)) << c.what;
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(Level().points.size(), 2u) << c.what;
    }
    EXPECT_EQ(ui.messages.size(), std::size(cases));
}

TEST_F(TargetFixture, MeasuredDelayNeededOnlyForDelayCorrection) {
    ClearSlot(ws[GroupDelayDiagram], 3);
    CorrectionTargetFields f;
    ClearSlot(ws[FrequencyResponseDiagram], 3);
    auto none = logic.Preview(f);
    ASSERT_TRUE(none.has_value());
    EXPECT_NE(none->find("There is no measurement"), std::string::npos) << *none;
    SetSlot(ws[FrequencyResponseDiagram], 3, "m", Slope(1.0, 85.0));
    EXPECT_FALSE(logic.Preview(f));
    f.delayCorrection = true;
    auto e = logic.Preview(f);
    ASSERT_TRUE(e.has_value());
    EXPECT_NE(e->find("Group Delay"), std::string::npos) << *e;
}

TEST_F(TargetFixture, CancelRestoresAndHouseFileIsReadOnce) {
    CorrectionTargetFields f;
    f.shape = TargetShape::House;
    f.houseFile = "house.dat";
    ASSERT_FALSE(logic.Preview(f));
    f.maxBoost = "3";
    ASSERT_TRUE(logic.Accept(f, ui));
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(logic.settings().house.size(), 2u);
    logic.Cancel();
    EXPECT_EQ(Level().points, (PointList{{20, 0}, {20000, 0}}));
    EXPECT_EQ(Level().marked, 1);
    EXPECT_EQ(Delay().points, (PointList{{20, 0}, {20000, 0}}));
}

TEST(SmoothingDialog, AppliesToTheChosenCurveOrSaysWhy) {
    Workspace ws;
    test::ScriptedUserInterface ui;
    SmoothingDialogLogic logic(ws);
    // A one-point dip: power averaging keeps it shallower than plain averaging.
    PointList c;
    for (int k = -24; k <= 24; ++k) AppendPoint(c, 1000 * std::exp2(k / 24.0), k == 0 ? -20 : 0);
    SetSlot(ws[FrequencyResponseDiagram], 3, "m", c);
    SetSlot(ws[GroupDelayDiagram], 3, "g", c);
    ws.CurrentDiagram = FrequencyResponseDiagram;
    ASSERT_TRUE(logic.Preview(3, 3, ui));
    logic.Accept();
    const double level = ws[FrequencyResponseDiagram].Slot(3).points[24].y;
    ws.CurrentDiagram = GroupDelayDiagram;
    ASSERT_TRUE(logic.Preview(3, 3, ui));
    logic.Accept();
    const double delay = ws[GroupDelayDiagram].Slot(3).points[24].y;
    EXPECT_NEAR(delay, -20.0 / 8, 1e-9);  // 1 of 8 cells of 1/24 octave
    EXPECT_NEAR(level, 10 * std::log10((7 + 0.01) / 8), 1e-9);
    EXPECT_TRUE(ui.messages.empty());

    const PointList before = ws[GroupDelayDiagram].Slot(3).points;
    EXPECT_FALSE(logic.Preview(3, 5, ui));
    EXPECT_FALSE(logic.Preview(2, 3, ui));
    logic.Cancel();
    SetSlot(ws[ImpulseResponseDiagram], 3, "impulse", c);
    ws.CurrentDiagram = ImpulseResponseDiagram;
    EXPECT_FALSE(logic.Preview(3, 3, ui));
    EXPECT_EQ(ws[ImpulseResponseDiagram].Slot(3).points, c);
    EXPECT_EQ(ws[GroupDelayDiagram].Slot(3).points, before);
    EXPECT_EQ(ui.messages.size(), 3u);
}

TEST(SmoothingDialog, SmoothsTheCurveAsItCame) {
    Workspace ws;
    test::ScriptedUserInterface ui;
    SmoothingDialogLogic logic(ws);
    PointList c;
    for (int k = 0; k <= 96; ++k) AppendPoint(c, 100 * std::exp2(k / 24.0), (k % 5) * 3.0 - k % 3);
    SetSlot(ws[FrequencyResponseDiagram], 3, "m", c);
    ws.CurrentDiagram = FrequencyResponseDiagram;
    auto run = [&](int fraction) {
        logic.Begin();
        EXPECT_TRUE(logic.Preview(3, fraction, ui));
        logic.Accept();
        return ws[FrequencyResponseDiagram].Slot(3).points;
    };
    const PointList sixth = SmoothFractionalOctave(c, 6, SmoothingKind::Level);
    run(3);
    EXPECT_EQ(run(6), sixth);  // 1/6 after 1/3 is 1/6
    EXPECT_EQ(run(SmoothingDialogLogic::kNone), c);
    // A preview changed within one dialog still starts from the curve as it came.
    logic.Begin();
    logic.Preview(3, 1, ui);
    logic.Preview(3, 6, ui);
    logic.Accept();
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(3).points, sixth);
    // Cancel puts back what was there; a new curve in the slot is its own source.
    logic.Begin();
    logic.Preview(3, 48, ui);
    logic.Cancel();
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(3).points, sixth);
    SetSlot(ws[FrequencyResponseDiagram], 3, "other", sixth);
    EXPECT_EQ(run(SmoothingDialogLogic::kNone), sixth);
}

}  // namespace
}  // namespace qv
