#pragma once
// The rules of the set chooser: which of its 24 buttons are offered, which is
// checked, and the pending choice that OK takes over. The checked button lives
// in the DSP state, because the parameter base of the byte commands follows it.

#include <array>
#include <cstdint>
#include <string>

#include "dsplink/dsp_session.h"

namespace qv {

constexpr int kChooserSets = 8;
constexpr int kChooserRates = 3;

// "RadioButtonSet<k>_<r>": k the set 0..7, r the rate code.
std::string ChooserButtonName(SetChoice c);
// "44.1", "48 kHz", "33".
std::string ChooserButtonCaption(std::uint8_t rate);
// Left to right in each frame: "33", "44.1", "48 kHz".
constexpr std::array<std::uint8_t, kChooserRates> kChooserColumnRates = {kRate33k, kRate44k1,
                                                                         kRate48k};

class SetChooserLogic {
  public:
    explicit SetChooserLogic(DspState& state) : s_(state) {}

    // Re-enables the buttons, locks them to ChosenRate under RateLocked,
    // checks the button of the current choice and makes it pending.
    void FormShow();
    // A click on an offered button checks it and makes it the pending choice.
    void ButtonClick(SetChoice c);
    // OK: the pending choice becomes ChosenSet and ChosenRate.
    void ButtonOkClick();

    bool Enabled(SetChoice c) const { return enabled_[Index(c)]; }
    // Why only one rate is offered ("Set 3 holds a 48 kHz setup: a write
    // keeps its rate"); empty while every rate is.
    std::string LockReason() const;
    SetChoice Checked() const { return s_.CheckedButton(); }
    SetChoice Pending() const { return pending_; }
    std::uint16_t ParameterBase() const { return s_.ParameterBase(); }
    DspState& state() { return s_; }

    static bool Valid(SetChoice c) { return c.set < kChooserSets && c.rate < kChooserRates; }

  private:
    static std::size_t Index(SetChoice c) {
        return static_cast<std::size_t>(c.set) * kChooserRates + c.rate;
    }

    DspState& s_;
    std::array<bool, kChooserSets* kChooserRates> enabled_ = [] {
        std::array<bool, kChooserSets * kChooserRates> a{};
        a.fill(true);
        return a;
    }();
    SetChoice pending_{};
};

}  // namespace qv
