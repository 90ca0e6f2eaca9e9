#include "dsp_dialogs/set_chooser.h"

#include "curves/tr.h"

namespace qv {

std::string ChooserButtonName(SetChoice c) {
    return "RadioButtonSet" + std::to_string(c.set) + "_" + std::to_string(c.rate);
}

std::string ChooserButtonCaption(std::uint8_t rate) {
    switch (rate) {
        case kRate44k1:
            return "44.1";
        case kRate48k:
            return "48 kHz";
        default:
            return "33";
    }
}

std::string SetChooserLogic::LockReason() const {
    if (s_.RateLocked() != 1) return {};
    const char* rate = s_.ChosenRate() == kRate44k1  ? "44.1"
                       : s_.ChosenRate() == kRate48k ? "48"
                                                     : "33";
    return Fill(QV_TR("Set %1 holds a %2 kHz setup: a write keeps its rate."),
                {std::to_string(s_.ChosenSet() + 1), rate});
}

void SetChooserLogic::FormShow() {
    for (std::uint8_t set = 0; set < kChooserSets; ++set)
        for (std::uint8_t rate = 0; rate < kChooserRates; ++rate)
            enabled_[Index({set, rate})] = s_.RateLocked() != 1 || rate == s_.ChosenRate();
    // A choice outside the 24 buttons checks none of them: the last checked stays.
    const SetChoice current{s_.ChosenSet(), s_.ChosenRate()};
    if (Valid(current)) s_.CheckButton(current);
    pending_ = current;
}

void SetChooserLogic::ButtonClick(SetChoice c) {
    if (!Valid(c) || !Enabled(c)) return;
    s_.CheckButton(c);
    pending_ = c;
}

void SetChooserLogic::ButtonOkClick() {
    s_.Choose(pending_);
}

}  // namespace qv
