#include "diagram/edit_diagram_rules.h"

#include "curves/tr.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "curves/tr.h"

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

std::size_t Index(RangeEdit which) {
    return static_cast<std::size_t>(which);
}

// A whole number with optional blanks around it and an optional sign.
std::optional<int> WholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

const char* EditName(RangeEdit which) {
    constexpr const char* kNames[] = {QV_TR("x-Achse von"), QV_TR("x-Achse bis"),
                                      QV_TR("y-Achse von"), QV_TR("y-Achse bis")};
    return kNames[Index(which)];
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

const SpinEdit& EditDiagramRules::Edit(RangeEdit which) const {
    return ForRangeEdit(which, SpinEditxvon, SpinEditxbis, SpinEdityvon, SpinEditybis);
}

void EditDiagramRules::FormShow(const Diagram& d) {
    ButtonXLog = d.xLog != 0;
    ButtonXLin = !ButtonXLog;
    ButtonYLog = d.yLog != 0;
    ButtonYLin = !ButtonYLog;
    const int yvon = TruncToInt(d.yFrom), ybis = TruncToInt(d.yTo);
    const int xvon = TruncToInt(d.xFrom), xbis = TruncToInt(d.xTo);
    typed_ = {};
    xvonLow_ = std::min(kXvonMin, xvon);
    xbisHigh_ = std::max(kXbisMax, xbis);
    yvonLow_ = std::min(kYvonMin, yvon);
    ybisHigh_ = std::max(kYbisMax, ybis);
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

void EditDiagramRules::Type(RangeEdit which, std::string text) {
    typed_[Index(which)] = std::move(text);
}

std::string EditDiagramRules::Text(RangeEdit which) const {
    if (const auto& t = typed_[Index(which)]) return *t;
    return std::to_string(Edit(which).Value());
}

std::optional<TypedRangeError> EditDiagramRules::TakeTyped() {
    constexpr RangeEdit kAll[] = {RangeEdit::SpinEditxvon, RangeEdit::SpinEditxbis,
                                  RangeEdit::SpinEdityvon, RangeEdit::SpinEditybis};
    std::array<int, 4> v{};
    for (RangeEdit which : kAll) {
        const auto& t = typed_[Index(which)];
        const std::optional<int> n = t ? WholeNumber(*t) : Edit(which).Value();
        if (!n)
            return TypedRangeError{
                which, Fill(QV_TR("%1: \"%2\" is not a whole number."), {EditName(which), *t})};
        v[Index(which)] = *n;
    }
    struct Bound {
        RangeEdit which;
        int low, high;
    };
    const int xvon = v[0], xbis = v[1], yvon = v[2], ybis = v[3];
    // An axis nothing was typed for is left to OK's own rule.
    const bool xTyped = typed_[0] || typed_[1], yTyped = typed_[2] || typed_[3];
    const Bound bounds[] = {
        {RangeEdit::SpinEditxvon, std::max(xvonLow_, ButtonXLog ? 1 : xvonLow_), xbis - 1},
        {RangeEdit::SpinEditxbis, xvon + 1, xbisHigh_},
        {RangeEdit::SpinEdityvon, std::max(yvonLow_, ButtonYLog ? 1 : yvonLow_), ybis - 1},
        {RangeEdit::SpinEditybis, yvon + 1, ybisHigh_},
    };
    for (const Bound& b : bounds) {
        const bool isX = b.which == RangeEdit::SpinEditxvon || b.which == RangeEdit::SpinEditxbis;
        if (!(isX ? xTyped : yTyped)) continue;
        const int n = v[Index(b.which)];
        if (n >= b.low && n <= b.high) continue;
        return TypedRangeError{b.which, Fill(QV_TR("%1: %2 is outside %3 ... %4."),
                                             {EditName(b.which), std::to_string(n),
                                              std::to_string(b.low), std::to_string(b.high)})};
    }
    for (RangeEdit which : kAll)
        if (typed_[Index(which)]) ShowValue(Edit(which), v[Index(which)]);
    typed_ = {};
    return std::nullopt;
}

bool EditDiagramRules::StepBy(RangeEdit which, int steps) {
    SpinEdit& e = Edit(which);
    const int before = e.Value();
    // An arrow step goes on from what was typed.
    if (auto& t = typed_[Index(which)]) {
        const std::optional<int> n = WholeNumber(*t);
        if (!n) return false;
        t.reset();
        e.SetValue(*n);
    }
    if (CanStep(which)) e.Step(steps);
    if (e.Value() == before) return false;
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
