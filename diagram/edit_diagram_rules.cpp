#include "diagram/edit_diagram_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {
namespace {

// trunc toward zero, kept inside the integer's range so that an absurd range
// value cannot overflow the conversion.
int TruncToInt(double v) {
    if (std::isnan(v)) return 0;
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    if (v >= kMax) return std::numeric_limits<int>::max();
    if (v <= kMin) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// The limits the dialog starts with; a showing widens them to the diagram's
// range for that showing only.
constexpr int kXvonMin = 0, kXbisMax = 50000, kYvonMin = -200, kYbisMax = 20;

// A limit that a rule puts past the value is moved onto the value: the edit
// then cannot move that way, but it still holds what it shows.
void KeepValueInside(SpinEdit& e) {
    if (e.MinValue() > e.Value()) e.SetMinValue(e.Value());
    if (e.MaxValue() < e.Value()) e.SetMaxValue(e.Value());
}

// The diagram's value, unclamped by whatever limits an earlier showing left.
void ShowValue(SpinEdit& e, int v) {
    if (e.MinValue() > v) e.SetMinValue(v);
    if (e.MaxValue() < v) e.SetMaxValue(v);
    e.SetValue(v);
}

}  // namespace

void SpinEdit::SetValue(int v) {
    if (min_ != max_) {
        if (v < min_) v = min_;
        if (v > max_) v = max_;
    }
    value_ = v;
}

bool SpinEdit::Step(int steps) {
    const int before = value_;
    const long long target =
        static_cast<long long>(value_) + static_cast<long long>(steps) * increment_;
    constexpr long long kMax = std::numeric_limits<int>::max();
    constexpr long long kMin = std::numeric_limits<int>::min();
    SetValue(static_cast<int>(target > kMax ? kMax : target < kMin ? kMin : target));
    return value_ != before;
}

SpinEdit& EditDiagramRules::Edit(RangeEdit which) {
    return ForRangeEdit(which, SpinEditxvon, SpinEditxbis, SpinEdityvon, SpinEditybis);
}

void EditDiagramRules::FormShow(const Diagram& d) {
    ButtonXLog = d.xLog != 0;
    ButtonXLin = !ButtonXLog;
    ButtonYLog = d.yLog != 0;
    ButtonYLin = !ButtonYLog;
    const int yvon = TruncToInt(d.yFrom), ybis = TruncToInt(d.yTo);
    const int xvon = TruncToInt(d.xFrom), xbis = TruncToInt(d.xTo);
    SpinEdityvon.SetMinValue(std::min(kYvonMin, yvon));
    SpinEditybis.SetMaxValue(std::max(kYbisMax, ybis));
    SpinEditxvon.SetMinValue(std::min(kXvonMin, xvon));
    SpinEditxbis.SetMaxValue(std::max(kXbisMax, xbis));
    ShowValue(SpinEdityvon, yvon);
    ShowValue(SpinEditybis, ybis);
    SpinEdityvon.SetMaxValue(SpinEditybis.Value() - 1);
    SpinEditybis.SetMinValue(SpinEdityvon.Value() + 1);
    ShowValue(SpinEditxvon, xvon);
    ShowValue(SpinEditxbis, xbis);
    SpinEditxvon.SetMaxValue(SpinEditxbis.Value() - 100);
    SpinEditxbis.SetMinValue(SpinEditxvon.Value() + 10);
    for (SpinEdit* e : {&SpinEdityvon, &SpinEditybis, &SpinEditxvon, &SpinEditxbis})
        KeepValueInside(*e);
}

void EditDiagramRules::ButtonOKClick(Diagram& d) const {
    if (ButtonXLin) d.xLog = 0;
    if (ButtonXLog) d.xLog = 1;
    if (ButtonYLin) d.yLog = 0;
    if (ButtonYLog) d.yLog = 1;
    // A start that is not below its end would leave no grid and no curve:
    // that axis keeps the diagram's range.
    if (SpinEdityvon.Value() < SpinEditybis.Value()) {
        d.yFrom = SpinEdityvon.Value();
        d.yTo = SpinEditybis.Value();
    }
    if (SpinEditxvon.Value() < SpinEditxbis.Value()) {
        d.xFrom = SpinEditxvon.Value();
        d.xTo = SpinEditxbis.Value();
    }
}

bool EditDiagramRules::StepBy(RangeEdit which, int steps) {
    if (!CanStep(which)) return false;
    if (!Edit(which).Step(steps)) return false;
    using Rule = void (EditDiagramRules::*)();
    Rule xvon = &EditDiagramRules::SpinEditxvonChange, xbis = &EditDiagramRules::SpinEditxbisChange;
    Rule yvon = &EditDiagramRules::SpinEdityvonChange, ybis = &EditDiagramRules::SpinEditybisChange;
    (this->*ForRangeEdit(which, xvon, xbis, yvon, ybis))();
    return true;
}

bool EditDiagramRules::CanStep(RangeEdit which) {
    // Equal limits would let the spin edit run free, past its partner.
    const SpinEdit& e = Edit(which);
    return e.MinValue() != e.MaxValue();
}

void EditDiagramRules::SpinEditxvonChange() {
    SpinEditxbis.SetMinValue(SpinEditxvon.Value() + 1);
    KeepValueInside(SpinEditxbis);
}
void EditDiagramRules::SpinEditxbisChange() {
    SpinEditxvon.SetMaxValue(SpinEditxbis.Value() - 100);
    KeepValueInside(SpinEditxvon);
}
void EditDiagramRules::SpinEdityvonChange() {
    SpinEditybis.SetMinValue(SpinEdityvon.Value() + 1);
    KeepValueInside(SpinEditybis);
}
void EditDiagramRules::SpinEditybisChange() {
    SpinEdityvon.SetMaxValue(SpinEditybis.Value() - 1);
    KeepValueInside(SpinEdityvon);
}

}  // namespace qv
