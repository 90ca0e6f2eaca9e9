#include "diagram/edit_diagram_rules.h"

#include <gtest/gtest.h>

#include "curves/diagram_set.h"

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

TEST(EditDiagramRules, RangeEndAboveTheMaximumIsClamped) {
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
    d.xTo = 60000;
    EditDiagramRules r;
    r.FormShow(d);
    EXPECT_EQ(r.SpinEditxbis.Value(), 50000);
    r.ButtonOKClick(d);
    EXPECT_EQ(d.xTo, 50000.0);
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

TEST(EditDiagramRules, LimitsOfAnEarlierShowingClampTheNextOne) {
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
    EXPECT_EQ(r.SpinEdityvon.Value(), -21);
    EXPECT_EQ(r.SpinEditybis.Value(), 10);
    EXPECT_EQ(r.SpinEdityvon.MaxValue(), 9);
}

TEST(EditDiagramRules, NeitherRadioButtonKeepsTheFlag) {
    Diagram d = MakeDiagramSet()[GroupDelayDiagram];
    EditDiagramRules r;  // never shown: no button checked
    d.xLog = 1;
    r.ButtonOKClick(d);
    EXPECT_EQ(d.xLog, 1);
    EXPECT_EQ(d.yFrom, 0.0);
}

}  // namespace
}  // namespace qv
