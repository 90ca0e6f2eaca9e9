#include "diagram/edit_diagram_rules.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "curves/diagram_set.h"
#include "diagram/ranges.h"

namespace qv {
namespace {

TEST(SpinEdit, ClampsUnlessTheLimitsAreEqual) {
    SpinEdit e(-200, 20, 1);
    e.SetValue(50);
    EXPECT_EQ(e.Value(), 20);
    EXPECT_FALSE(e.Step(1));
    e.SetMinValue(30);  // limits move, the value stays
    EXPECT_EQ(e.Value(), 20);
    e.SetMaxValue(30);
    e.SetValue(-1000);
    EXPECT_EQ(e.Value(), -1000);
    SpinEdit x(0, 20000, 10);
    EXPECT_TRUE(x.Step(3));
    EXPECT_EQ(x.Value(), 30);
}

TEST(EditDiagramRules, ShowAndOkOfTheGroupDelayDiagram) {
    Diagram d = MakeDiagramSet()[GroupDelayDiagram];
    EditDiagramRules r;
    r.FormShow(d);
    EXPECT_TRUE(r.ButtonXLog);
    EXPECT_FALSE(r.ButtonXLin);
    EXPECT_TRUE(r.ButtonYLin);
    EXPECT_EQ(r.SpinEdityvon.Value(), -12);
    EXPECT_EQ(r.SpinEditybis.Value(), 8);
    EXPECT_EQ(r.SpinEdityvon.MaxValue(), 7);
    EXPECT_EQ(r.SpinEditybis.MinValue(), -11);
    EXPECT_EQ(r.SpinEditxvon.Value(), 10);
    EXPECT_EQ(r.SpinEditxbis.Value(), 30000);
    EXPECT_EQ(r.SpinEditxvon.MaxValue(), 29900);
    EXPECT_EQ(r.SpinEditxbis.MinValue(), 20);

    d.yFrom = -12.5;
    d.yTo = 8.7;
    r.FormShow(d);
    r.ButtonOKClick(d);
    EXPECT_EQ(d.yFrom, -12.0);
    EXPECT_EQ(d.yTo, 8.0);
    EXPECT_EQ(d.xLog, 1);
}

// The limits widen to the diagram's range, so OK without changes keeps it.
TEST(EditDiagramRules, RangeEndAboveTheInitialMaximumIsShownAsItIs) {
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
    d.xTo = 60000;
    EditDiagramRules r;
    r.FormShow(d);
    EXPECT_EQ(r.SpinEditxbis.Value(), 60000);
    EXPECT_EQ(r.SpinEditxbis.MaxValue(), 60000);
    r.ButtonOKClick(d);
    EXPECT_EQ(d.xTo, 60000.0);
    d.xTo = 30000;  // the widening lasts one showing
    r.FormShow(d);
    EXPECT_EQ(r.SpinEditxbis.MaxValue(), 50000);
}

TEST(EditDiagramRules, ChangeRulesMoveThePartnersLimits) {
    Diagram d = MakeDiagramSet()[GroupDelayDiagram];
    EditDiagramRules r;
    r.FormShow(d);
    EXPECT_TRUE(r.StepBy(RangeEdit::SpinEditxvon, 1));
    EXPECT_EQ(r.SpinEditxbis.MinValue(), 21);  // + 1 after a change, + 10 after showing
    EXPECT_TRUE(r.StepBy(RangeEdit::SpinEditxbis, -1));
    EXPECT_EQ(r.SpinEditxvon.MaxValue(), 29800);
    r.StepBy(RangeEdit::SpinEdityvon, 2);
    EXPECT_EQ(r.SpinEditybis.MinValue(), -9);
    // Stepping the y end down to -20 stops at its minimum: yvon + 1.
    r.StepBy(RangeEdit::SpinEditybis, -100);
    EXPECT_EQ(r.SpinEditybis.Value(), -9);
    EXPECT_EQ(r.SpinEdityvon.MaxValue(), -10);
    EXPECT_FALSE(r.StepBy(RangeEdit::SpinEditybis, -1));
}

TEST(EditDiagramRules, LimitsOfAnEarlierShowingNeverClampTheNextOne) {
    Diagram d = MakeDiagramSet()[GroupDelayDiagram];
    d.yFrom = -30;
    EditDiagramRules r;
    r.FormShow(d);
    r.StepBy(RangeEdit::SpinEditybis, -28);  // 8 down to -20
    ASSERT_EQ(r.SpinEditybis.Value(), -20);
    EXPECT_EQ(r.SpinEdityvon.MaxValue(), -21);
    Diagram later = MakeDiagramSet()[ImpulseResponseDiagram];
    later.yFrom = 0;
    later.yTo = 10;
    r.FormShow(later);
    EXPECT_EQ(r.SpinEdityvon.Value(), 0);
    EXPECT_EQ(r.SpinEditybis.Value(), 10);
    EXPECT_EQ(r.SpinEdityvon.MaxValue(), 9);
}

// Each edit's limits hold its value, and no minimum lies above its maximum.
void ExpectSound(const EditDiagramRules& r, const std::string& when) {
    for (const SpinEdit* e : {&r.SpinEditxvon, &r.SpinEditxbis, &r.SpinEdityvon, &r.SpinEditybis}) {
        EXPECT_LE(e->MinValue(), e->Value()) << when;
        EXPECT_LE(e->Value(), e->MaxValue()) << when;
    }
}

PointList Impulse51() {
    PointList p;
    for (int i = 0; i <= 50; ++i) p.push_back({static_cast<double>(i), i == 3 ? 0.9 : 0.0});
    return p;
}

struct AutoRangeCase {
    const char* name;
    DiagramId id;
    PointList points;
    int xvon, xbis, yvon, ybis;     // shown, on the first and the second showing
    double xFrom, xTo, yFrom, yTo;  // written by OK without changes
};

const AutoRangeCase kAutoRangeCases[] = {
    // A measured SPL curve: y 67.6 ... 96.0, with headroom 98.84.
    {"spl",
     FrequencyResponseDiagram,
     {{20, 67.6}, {1000, 96.0}, {20000, 80}},
     20,
     20000,
     67,
     98,
     20,
     20000,
     67,
     98},
    // A 51-sample impulse: x 0 ... 50, y 0 ... 0.99.
    {"impulse", ImpulseResponseDiagram, Impulse51(), 0, 50, 0, 0, 0, 50, 0, 0.99},
    // Levels far below the initial limits.
    {"deep",
     GroupDelayDiagram,
     {{10, -900}, {100, -400}},
     10,
     100,
     -900,
     -350,
     10,
     100,
     -900,
     -350},
};

TEST(EditDiagramRules, AutoRangedDiagramsAreShownAndKeptAsTheyAre) {
    for (const AutoRangeCase& k : kAutoRangeCases) {
        Diagram d = MakeDiagramSet()[k.id];
        ClearSlots(d);
        d.Slot(1).points = k.points;
        AutoRange(d);
        const Diagram ranged = d;
        EditDiagramRules r;
        for (int showing = 1; showing <= 2; ++showing) {
            const std::string when = std::string(k.name) + " showing " + std::to_string(showing);
            r.FormShow(d);
            ExpectSound(r, when);
            EXPECT_EQ(r.SpinEditxvon.Value(), k.xvon) << when;
            EXPECT_EQ(r.SpinEditxbis.Value(), k.xbis) << when;
            EXPECT_EQ(r.SpinEdityvon.Value(), k.yvon) << when;
            EXPECT_EQ(r.SpinEditybis.Value(), k.ybis) << when;
        }
        r.ButtonOKClick(d);
        EXPECT_EQ(d.xFrom, k.xFrom) << k.name;
        EXPECT_EQ(d.xTo, k.xTo) << k.name;
        EXPECT_DOUBLE_EQ(d.yFrom, k.yFrom) << k.name;
        EXPECT_DOUBLE_EQ(d.yTo, k.yTo) << k.name;
        EXPECT_EQ(d.xLog, ranged.xLog) << k.name;
    }
}

// Whatever the arrows do, the limits stay sound and OK writes only ranges
// whose lower bound lies below the upper one.
TEST(EditDiagramRules, ArrowStepsNeverLeadToAnEmptyRange) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> pick(0, 3);
    std::uniform_int_distribution<int> steps(-60, 60);
    for (const AutoRangeCase& k : kAutoRangeCases) {
        Diagram d = MakeDiagramSet()[k.id];
        ClearSlots(d);
        d.Slot(1).points = k.points;
        AutoRange(d);
        EditDiagramRules r;
        for (int round = 0; round < 200; ++round) {
            if (round % 50 == 0) r.FormShow(d);
            const auto which = static_cast<RangeEdit>(pick(random));
            r.StepBy(which, steps(random));
            const std::string when = std::string(k.name) + " round " + std::to_string(round);
            ExpectSound(r, when);
            Diagram written = d;
            r.ButtonOKClick(written);
            EXPECT_LT(written.xFrom, written.xTo) << when;
            EXPECT_LT(written.yFrom, written.yTo) << when;
        }
    }
}

TEST(EditDiagramRules, AnEditWithEqualLimitsDoesNotMove) {
    Diagram d = MakeDiagramSet()[ImpulseResponseDiagram];
    d.xFrom = 0;
    d.xTo = 50;  // the start may not rise: its maximum is its value, 0
    EditDiagramRules r;
    r.FormShow(d);
    ASSERT_EQ(r.SpinEditxvon.MinValue(), r.SpinEditxvon.MaxValue());
    EXPECT_FALSE(r.StepBy(RangeEdit::SpinEditxvon, 1));
    EXPECT_EQ(r.SpinEditxvon.Value(), 0);
}

TEST(EditDiagramRules, NeitherRadioButtonKeepsTheFlag) {
    Diagram d = MakeDiagramSet()[GroupDelayDiagram];
    EditDiagramRules r;  // never shown: no button checked
    d.xLog = 1;
    r.ButtonOKClick(d);
    EXPECT_EQ(d.xLog, 1);
    EXPECT_EQ(d.yFrom, -12.0);  // 0 ... 0 is no range: the diagram keeps its own
    EXPECT_EQ(d.yTo, 8.0);
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

struct TypedCase {
    std::vector<std::pair<RangeEdit, std::string>> typed;
    bool xLog;
    const char* error;              // nullptr: accepted
    double xFrom, xTo, yFrom, yTo;  // written by OK when accepted
};

constexpr RangeEdit XV = RangeEdit::SpinEditxvon, XB = RangeEdit::SpinEditxbis,
                    YV = RangeEdit::SpinEdityvon, YB = RangeEdit::SpinEditybis;

// The group delay diagram shows x 10 ... 30000 (log), y -12 ... 8; the outer
// limits are x 0 ... 50000 and y -200 ... 20.
// clang-format off
const TypedCase kTypedCases[] = {
    {{{YV, " -30 "}, {YB, "+15"}}, true, nullptr, 10, 30000, -30, 15},
    {{{XV, "20"}, {XB, "20000"}}, true, nullptr, 20, 20000, -12, 8},
    {{{YV, "10"}, {YB, "20"}}, true, nullptr, 10, 30000, 10, 20},  // past the old end
    {{{XV, "0"}}, false, nullptr, 0, 30000, -12, 8},
    {{{YB, "1.5"}}, true, "y-Achse bis: \"1.5\" is not a whole number.", 0, 0, 0, 0},
    {{{XV, ""}}, true, "x-Achse von: \"\" is not a whole number.", 0, 0, 0, 0},
    {{{YB, "80"}}, true, "y-Achse bis: 80 is outside -11 ... 20.", 0, 0, 0, 0},
    {{{YV, "8"}}, true, "y-Achse von: 8 is outside -200 ... 7.", 0, 0, 0, 0},
    {{{XV, "0"}}, true, "x-Achse von: 0 is outside 1 ... 29999.", 0, 0, 0, 0},  // log
};
// clang-format on

TEST(EditDiagramRules, TypedValuesAreCheckedOnOk) {
    for (const TypedCase& c : kTypedCases) {
        Diagram d = MakeDiagramSet()[GroupDelayDiagram];
        EditDiagramRules r;
        r.FormShow(d);
        for (const auto& [which, text] : c.typed) r.Type(which, text);
        r.ButtonXLog = c.xLog;
        r.ButtonXLin = !c.xLog;
        const auto error = r.TakeTyped();
        const std::string name = c.typed.front().second;
        ASSERT_EQ(error.has_value(), c.error != nullptr) << name;
        if (error) {
            EXPECT_EQ(error->message, c.error);
            EXPECT_EQ(r.Text(c.typed.front().first), name);  // the text stays for mending
            continue;
        }
        r.ButtonOKClick(d);
        EXPECT_EQ((std::vector{d.xFrom, d.xTo, d.yFrom, d.yTo}),
                  (std::vector{c.xFrom, c.xTo, c.yFrom, c.yTo}))
            << name;
    }
}

// An arrow step goes on from the typed number.
TEST(EditDiagramRules, ArrowStepStartsFromTheTypedNumber) {
    Diagram d = MakeDiagramSet()[GroupDelayDiagram];
    EditDiagramRules r;
    r.FormShow(d);
    r.Type(YV, "-40");
    EXPECT_TRUE(r.StepBy(YV, 1));
    EXPECT_EQ(r.Text(YV), "-39");
    EXPECT_EQ(r.SpinEditybis.MinValue(), -38);
}

}  // namespace
}  // namespace qv
