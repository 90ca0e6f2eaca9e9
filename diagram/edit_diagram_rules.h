#pragma once
// The logic of the "Edit Diagramm" dialog: four spin edits for the axis
// ranges whose limits keep each start below its end, and the lin/log choice of
// both axes. A number can be typed into each edit; OK checks it against the
// limits. The Qt dialog only shows this state and forwards clicks and text.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "curves/diagram.h"

namespace qv {

// An integer spin edit: a value set by program or by an arrow step is
// clamped into [minimum, maximum], unless the two are equal; moving the
// limits leaves the value alone.
class SpinEdit {
  public:
    SpinEdit(int minValue, int maxValue, int increment)
        : min_(minValue), max_(maxValue), increment_(increment) {}

    int Value() const { return value_; }
    void SetValue(int v);
    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }
    void SetMinValue(int v) { min_ = v; }
    void SetMaxValue(int v) { max_ = v; }
    int Increment() const { return increment_; }
    // Arrow steps (negative: down); true when the value changed.
    bool Step(int steps);

  private:
    int min_, max_, increment_;
    int value_ = 0;
};

enum class RangeEdit { SpinEditxvon, SpinEditxbis, SpinEdityvon, SpinEditybis };

// Picks the one of four things that belongs to an edit: the rules' spin edits
// and the dialog's widgets are chosen the same way.
template <typename T>
T& ForRangeEdit(RangeEdit which, T& xvon, T& xbis, T& yvon, T& ybis) {
    switch (which) {
        case RangeEdit::SpinEditxvon:
            return xvon;
        case RangeEdit::SpinEditxbis:
            return xbis;
        case RangeEdit::SpinEdityvon:
            return yvon;
        case RangeEdit::SpinEditybis:
            break;
    }
    return ybis;
}

// A typed text that OK refused: which edit, and why.
struct TypedRangeError {
    RangeEdit which;
    std::string message;
};

class EditDiagramRules {
  public:
    // Fills the controls from the diagram; the change rules do not run here.
    // The limits always hold the values, and no minimum exceeds its maximum.
    void FormShow(const Diagram& d);
    // Writes the controls back into the diagram; an axis whose start is not
    // below its end keeps the diagram's range.
    void ButtonOKClick(Diagram& d) const;

    // Text typed into an edit; it stands until OK or an arrow step takes it.
    void Type(RangeEdit which, std::string text);
    // What an edit shows: the typed text, else its value.
    std::string Text(RangeEdit which) const;
    // OK's check of the typed texts: each a whole number within its edit's
    // limits as shown (the outer ones, and the partner's new value: start
    // below end), a log axis starting above 0. On success the values are
    // taken and nullopt returned; else the first fault and nothing changes.
    std::optional<TypedRangeError> TakeTyped();
    // An arrow step on one spin edit, followed by its change rule when the
    // value changed; true in that case.
    bool StepBy(RangeEdit which, int steps);
    // False when the edit's limits are equal: it must not move at all.
    bool CanStep(RangeEdit which);

    void SpinEditxvonChange();
    void SpinEditxbisChange();
    void SpinEdityvonChange();
    void SpinEditybisChange();

    SpinEdit& Edit(RangeEdit which);
    const SpinEdit& Edit(RangeEdit which) const;

    SpinEdit SpinEditxvon{0, 20000, 10};
    SpinEdit SpinEditxbis{-200, 50000, 100};
    SpinEdit SpinEdityvon{-200, 20, 1};
    SpinEdit SpinEditybis{-200, 20, 1};
    bool ButtonXLin = false, ButtonXLog = false;
    bool ButtonYLin = false, ButtonYLog = false;

  private:
    std::array<std::optional<std::string>, 4> typed_;
    // The outer limits of this showing: x start, x end, y start, y end.
    int xvonLow_ = 0, xbisHigh_ = 50000, yvonLow_ = -200, ybisHigh_ = 20;
};

}  // namespace qv
