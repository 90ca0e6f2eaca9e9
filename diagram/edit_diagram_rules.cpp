#include "diagram/edit_diagram_rules.h"

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
    switch (which) {
        case RangeEdit::SpinEditxvon:
            return SpinEditxvon;
        case RangeEdit::SpinEditxbis:
            return SpinEditxbis;
        case RangeEdit::SpinEdityvon:
            return SpinEdityvon;
        case RangeEdit::SpinEditybis:
            break;
    }
    return SpinEditybis;
}

void EditDiagramRules::FormShow(const Diagram& d) {
    ButtonXLog = d.xLog != 0;
    ButtonXLin = !ButtonXLog;
    ButtonYLog = d.yLog != 0;
    ButtonYLin = !ButtonYLog;
    SpinEdityvon.SetValue(TruncToInt(d.yFrom));
    SpinEditybis.SetValue(TruncToInt(d.yTo));
    SpinEdityvon.SetMaxValue(SpinEditybis.Value() - 1);
    SpinEditybis.SetMinValue(SpinEdityvon.Value() + 1);
    SpinEditxvon.SetValue(TruncToInt(d.xFrom));
    SpinEditxbis.SetValue(TruncToInt(d.xTo));
    SpinEditxvon.SetMaxValue(SpinEditxbis.Value() - 100);
    SpinEditxbis.SetMinValue(SpinEditxvon.Value() + 10);
}

void EditDiagramRules::ButtonOKClick(Diagram& d) const {
    if (ButtonXLin) d.xLog = 0;
    if (ButtonXLog) d.xLog = 1;
    if (ButtonYLin) d.yLog = 0;
    if (ButtonYLog) d.yLog = 1;
    d.yFrom = SpinEdityvon.Value();
    d.yTo = SpinEditybis.Value();
    d.xFrom = SpinEditxvon.Value();
    d.xTo = SpinEditxbis.Value();
}

bool EditDiagramRules::StepBy(RangeEdit which, int steps) {
    if (!Edit(which).Step(steps)) return false;
    switch (which) {
        case RangeEdit::SpinEditxvon:
            SpinEditxvonChange();
            break;
        case RangeEdit::SpinEditxbis:
            SpinEditxbisChange();
            break;
        case RangeEdit::SpinEdityvon:
            SpinEdityvonChange();
            break;
        case RangeEdit::SpinEditybis:
            SpinEditybisChange();
            break;
    }
    return true;
}

void EditDiagramRules::SpinEditxvonChange() {
    SpinEditxbis.SetMinValue(SpinEditxvon.Value() + 1);
}
void EditDiagramRules::SpinEditxbisChange() {
    SpinEditxvon.SetMaxValue(SpinEditxbis.Value() - 100);
}
void EditDiagramRules::SpinEdityvonChange() {
    SpinEditybis.SetMinValue(SpinEdityvon.Value() + 1);
}
void EditDiagramRules::SpinEditybisChange() {
    SpinEdityvon.SetMaxValue(SpinEditybis.Value() - 1);
}

}  // namespace qv
