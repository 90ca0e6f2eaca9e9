#include "app/curve_dialog_logic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace qv {
namespace {

std::vector<double> Ys(const PointList& list) {
    std::vector<double> ys;
    for (const CurvePoint& p : list) ys.push_back(p.y);
    return ys;
}

TEST(ConstantDialogLogic, CaptionsAndStartTexts) {
    const ConstantDialogLogic add(ConstantOperation::Add), mul(ConstantOperation::Multiply);
    EXPECT_STREQ(add.Caption(), "ADD CONSTANT");
    EXPECT_STREQ(add.InitialText(), "0");
    EXPECT_STREQ(mul.Caption(), "MUL CONSTANT");
    EXPECT_STREQ(mul.InitialText(), "1");
}

TEST(ConstantDialogLogic, KeyFilterPassesOnlyNumberKeysBackspaceAndEnter) {
    for (char32_t c : std::u32string(U"0123456789-.\b\r"))
        EXPECT_TRUE(ConstantDialogLogic::AcceptsKey(c)) << static_cast<int>(c);
    for (char32_t c : std::u32string(U"aeE+, /:\t\n\x1b\x7f\u00fc\u2212"))
        EXPECT_FALSE(ConstantDialogLogic::AcceptsKey(c)) << static_cast<int>(c);
}

TEST(ConstantDialogLogic, TextCharactersFollowTheKeyRule) {
    for (char32_t c : std::u32string(U"0123456789-."))
        EXPECT_TRUE(ConstantDialogLogic::AcceptsTextCharacter(c)) << static_cast<int>(c);
    for (char32_t c : std::u32string(U"\b\raeE+, \t\n\u00fc\u2212\U0001D7CF"))
        EXPECT_FALSE(ConstantDialogLogic::AcceptsTextCharacter(c)) << static_cast<int>(c);
}

struct ConstantCase {
    const char* label;
    ConstantOperation op;
    std::string text;
    std::vector<double> before;
    ConstantOutcome outcome;
    std::vector<double> after;  // empty: as before
};

const std::string kHuge = "1" + std::string(400, '0');
const std::string k1e300 = "1" + std::string(300, '0');
const std::string k1e308 = "1" + std::string(308, '0');

class ConstantApply : public ::testing::TestWithParam<ConstantCase> {};

TEST_P(ConstantApply, ChangesSlotOneOrReportsAndKeepsIt) {
    const ConstantCase& c = GetParam();
    Workspace ws;
    ws.CurrentDiagram = GroupDelayDiagram;
    PointList list;
    for (std::size_t k = 0; k < c.before.size(); ++k)
        AppendPoint(list, 10.0 * static_cast<double>(k + 1), c.before[k]);
    SetSlot(ws.Current(), 1, "desired", list);
    SetSlot(ws.Current(), 2, "measured", list);
    SetSlot(ws[FrequencyResponseDiagram], 1, "other", list);
    test::ScriptedUserInterface ui;

    EXPECT_EQ(ConstantDialogLogic(c.op).Apply(c.text, ws, ui), c.outcome);

    const std::vector<double> expected = c.after.empty() ? c.before : c.after;
    EXPECT_EQ(Ys(ws.Current().Slot(1).points), expected);
    EXPECT_EQ(ws.Current().Slot(1).points.size(), c.before.size());
    EXPECT_EQ(ws.Current().Slot(2).points, list);
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).points, list);
    EXPECT_EQ(ws.Current().Slot(1).name, "desired");
    switch (c.outcome) {
        case ConstantOutcome::Applied:
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_TRUE(ui.errors.empty());
            break;
        case ConstantOutcome::NotANumber:
            EXPECT_EQ(ui.messages, std::vector<std::string>{"Fehler im Ausdruck"});
            EXPECT_TRUE(ui.errors.empty());
            break;
        case ConstantOutcome::OutOfRange:
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(ui.errors, std::vector<std::string>{"Problem: Wertebereich überschritten"});
            break;
    }
}

using enum ConstantOperation;
using enum ConstantOutcome;
INSTANTIATE_TEST_SUITE_P(
    Texts, ConstantApply,
    ::testing::Values(ConstantCase{"AddNegative", Add, "-6", {0, 0}, Applied, {-6, -6}},
                      ConstantCase{"AddFraction", Add, "1.5", {1, -2}, Applied, {2.5, -0.5}},
                      ConstantCase{"MulZero", Multiply, "0", {3, -4, 5}, Applied, {0, 0, 0}},
                      ConstantCase{"LeadingPoint", Multiply, ".5", {}, NotANumber, {}},
                      ConstantCase{"MulNegative", Multiply, "-0.5", {4, -2}, Applied, {-2, 1}},
                      ConstantCase{"EmptySlotStaysEmpty", Add, "5", {}, Applied, {}},
                      ConstantCase{"TrailingMinus", Add, "6-", {0, 0}, NotANumber, {}},
                      ConstantCase{"EmptyText", Add, "", {1}, NotANumber, {}},
                      ConstantCase{"TwoPoints", Multiply, "1.2.3", {1}, NotANumber, {}},
                      ConstantCase{"MinusOnly", Add, "-", {1}, NotANumber, {}},
                      ConstantCase{"DoubleMinus", Add, "--1", {1}, NotANumber, {}},
                      ConstantCase{"HugeAdd", Add, kHuge, {0, 1}, OutOfRange, {}},
                      ConstantCase{"HugeMul", Multiply, kHuge, {0, 1}, OutOfRange, {}},
                      ConstantCase{"HugeOnEmptySlot", Add, kHuge, {}, OutOfRange, {}},
                      ConstantCase{"HugeBeforeSyntax", Add, kHuge + "-", {2}, NotANumber, {}},
                      ConstantCase{"ProductOverflows", Multiply, k1e300, {1, 1e10}, OutOfRange, {}},
                      ConstantCase{"SumOverflows", Add, "1" + k1e308, {0, 1.7e308}, OutOfRange, {}},
                      ConstantCase{
                          "LargeButFinite", Multiply, k1e300, {1, -2}, Applied, {1e300, -2e300}}),
    [](const auto& info) { return std::string(info.param.label); });

PointList Impulse(int n) {
    PointList list;
    for (int k = 0; k < n; ++k) AppendPoint(list, k, 0.001 * k - 0.5);
    return list;
}

struct CutCase {
    const char* label;
    int from, to;
    int kept;
    int firstSource;  // index in the original of the first kept sample
};

class CutImpulsCase : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutImpulsCase, KeepsTheRangeNumberedFromZeroThenFitsTheRanges) {
    const CutCase& c = GetParam();
    Workspace ws;
    Diagram& d = ws[ImpulseResponseDiagram];
    const PointList original = Impulse(1800);
    SetSlot(d, 1, "Impuls", original);
    d.Slot(1).marked = 1;
    SetSlot(d, 2, "other", Impulse(3));
    ws.CurrentDiagram = ImpulseResponseDiagram;

    std::vector<const Diagram*> fitted;
    const CutOutcome outcome =
        CutImpuls(ws, c.from, c.to, [&](Diagram& fit) { fitted.push_back(&fit); });

    EXPECT_FALSE(outcome.switched);
    EXPECT_TRUE(outcome.cut);
    EXPECT_TRUE(outcome.NeedsRepaint());
    const PointList& cut = d.Slot(1).points;
    ASSERT_EQ(static_cast<int>(cut.size()), c.kept);
    for (int k = 0; k < c.kept; ++k) {
        EXPECT_EQ(cut[k].x, k);
        EXPECT_EQ(cut[k].y, original[static_cast<std::size_t>(c.firstSource + k)].y);
    }
    EXPECT_EQ(d.Slot(1).name, "Impuls");
    EXPECT_EQ(d.Slot(1).marked, 1);
    EXPECT_EQ(d.Slot(2).points, Impulse(3));
    // The ranges are fitted once, after the cut.
    EXPECT_EQ(fitted, std::vector<const Diagram*>{&d});
}

INSTANTIATE_TEST_SUITE_P(Ranges, CutImpulsCase,
                         ::testing::Values(CutCase{"Start", 0, 500, 501, 0},
                                           CutCase{"Middle", 100, 199, 100, 100},
                                           CutCase{"OneSample", 7, 7, 1, 7},
                                           CutCase{"PastTheEnd", 1700, 10000, 100, 1700},
                                           CutCase{"FromAfterTo", 600, 500, 0, 0}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(CutImpuls, SwitchesToTheImpulseDiagramEvenWhenItIsEmpty) {
    Workspace ws;
    ws.CurrentDiagram = GroupDelayDiagram;
    const Diagram before = ws[ImpulseResponseDiagram];

    int fits = 0;
    const CutOutcome outcome = CutImpuls(ws, 0, 500, [&](Diagram&) { ++fits; });

    EXPECT_EQ(ws.CurrentDiagram, ImpulseResponseDiagram);
    EXPECT_TRUE(outcome.switched);
    EXPECT_FALSE(outcome.cut);
    EXPECT_TRUE(ws[ImpulseResponseDiagram].Slot(1).points.empty());
    EXPECT_EQ(ws[ImpulseResponseDiagram].xTo, before.xTo);
    EXPECT_EQ(ws[ImpulseResponseDiagram].yTo, before.yTo);
    EXPECT_EQ(fits, 0);
}

TEST(CutImpuls, EmptySlotOnTheCurrentImpulseDiagramAsksForNothing) {
    Workspace ws;
    ws.CurrentDiagram = ImpulseResponseDiagram;
    SetSlot(ws.Current(), 2, "other", Impulse(10));
    const CutOutcome outcome = CutImpuls(ws, 0, 5, [](Diagram&) { FAIL(); });
    EXPECT_FALSE(outcome.NeedsRepaint());
    EXPECT_EQ(ws.Current().Slot(2).points.size(), 10u);
}

}  // namespace
}  // namespace qv
