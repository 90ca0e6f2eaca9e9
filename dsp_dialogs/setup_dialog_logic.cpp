#include "dsp_dialogs/setup_dialog_logic.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "curves/tr.h"
#include "dsplink/dsp_protocol.h"
#include "dsplink/dsp_telegrams.h"
#include "dsplink/program_file.h"

namespace qv {

std::string DelayText(double seconds) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%2.2f us", seconds * 1000000.0);
    return buf;
}

void SetupDspLogic::Apply() {
    const SetupBlock b = s_.setup().Get();
    ApplyProfile(s_, b.range, b.room, b.sampleFrequency, menu_, ui_);
}

void SetupDspLogic::FormCreate() {
    bool connected = false;
    try {
        connected = CheckDspConnection(s_.link(), ui_, comPortNumber_);
    } catch (...) {
        // Without a port the synthesis still needs the profile of the start values.
        s_.SetConnected(false);
        s_.setup().Put(SetupStartValues());
        Apply();
        throw;
    }
    s_.SetConnected(connected);
    if (!connected) ui_.Message(QV_TR("keine RS232-Verbindung zu DSP!"));
    if (connected) {
        const auto version = ReadVersion(s_, ui_);
        if (version && *version != 1)
            ui_.Message(QV_TR("Software fuer DSP updaten --> Menu: Setup DSP"));
    }
    s_.setup().Put(SetupStartValues());
    Apply();
}

void SetupDspLogic::CheckRateButton(std::uint8_t rate) {
    // Checking a button that was not checked runs its click action.
    if (rate_ == rate) return;
    rate_ = rate;
    ButtonAbtastClick(rate);
}

void SetupDspLogic::FormShow() {
    if (s_.state().DspConnected() == 1 && !CheckDspConnection(s_.link(), ui_, comPortNumber_))
        ui_.Message(QV_TR("keine USB-Verbindung zu DSP!"));
    if (s_.state().ChosenRate() > kRate33k) s_.SetRate(kRate44k1);
    CheckRateButton(s_.state().ChosenRate());
    ReadSetupWithProgress(s_, ui_);
    notice_ = StartValuesForErasedSetup(s_);
    s_.setup().Begin();

    SetupBlock b = s_.setup().Get();
    high_ = low_ = false;
    // The room box is set before the range button's action, so that the mode
    // word it computes carries the room bit of this set, not of the last one.
    room_ = b.room == 1;
    if (b.range == 1) {
        high_ = true;
        RadioButtonHighClick();
    } else if (b.range == 2) {
        low_ = true;
        RadioButtonLowClick();
    }
    Apply();

    b = s_.setup().Get();
    left_.Load(b.gainLeft, b.defaultLeft);
    right_.Load(b.gainRight, b.defaultRight);
    delayRight_ = std::clamp<int>(b.delayRight, kDelayMin, kDelayMax);
    delayLeft_ = std::clamp<int>(b.delayLeft, kDelayMin, kDelayMax);
    RefreshDelayTexts();
}

void SetupDspLogic::ChooseRange(std::uint8_t range, std::uint16_t mode) {
    high_ = range == 1;
    low_ = range == 2;
    SetupBlock b = s_.setup().Get();
    b.range = range;
    b.rangeChosen = 1;
    s_.setup().Put(b);
    // The host's mode word follows the range under "Low" as under "High", so
    // that the room path compares it with a box running the low-range program.
    s_.SetModeWord(static_cast<std::uint16_t>(mode | RoomMode()));
    Apply();
    RefreshDelayTexts();
}

void SetupDspLogic::RadioButtonHighClick() {
    ChooseRange(1, kModeHigh);
}

void SetupDspLogic::RadioButtonLowClick() {
    ChooseRange(2, kModeLow);
}

void SetupDspLogic::ButtonAbtastClick(std::uint8_t rate) {
    if (rate > kRate33k) return;
    rate_ = rate;
    s_.SetRate(rate);
    SetupBlock b = s_.setup().Get();
    b.sampleFrequency = RateFrequency(rate);
    s_.setup().Put(b);
    Apply();
    RefreshDelayTexts();
}

void SetupDspLogic::SpinEditDelayChange(Channel c, int value) {
    (c == Channel::Left ? delayLeft_ : delayRight_) = std::clamp(value, kDelayMin, kDelayMax);
    RefreshDelayTexts();
}

void SetupDspLogic::RefreshDelayTexts() {
    delayLeft_ = std::clamp(delayLeft_, kDelayMin, kLeftDelayMax);
    const double fs = rate_ ? RateFrequency(*rate_) : 0.0;
    const double constant = s_.profile().converterDelay;
    auto texts = [&](int steps) {
        const double time = fs > 0 ? steps / fs : 0.0;
        return DelayTexts{DelayText(constant), DelayText(time), DelayText(constant + time)};
    };
    delayTextsLeft_ = texts(delayLeft_);
    delayTextsRight_ = texts(delayRight_);
}

bool SetupDspLogic::ButtonWriteSetupClick(SetChooser& chooser) {
    return WriteVolumesToChosenSet(s_, ui_, chooser, left_, right_, QV_TR("Write Setup To DSP"),
                                   *options_, [this](SetupBlock& b) {
                                       b.delayLeft = static_cast<std::uint16_t>(delayLeft_);
                                       b.delayRight = static_cast<std::uint16_t>(delayRight_);
                                   });
}

bool SetupDspLogic::ButtonWriteSoftwareClick(SetChooser& chooser) {
    s_.LockRate(true);
    if (!s_.ChooseSet(chooser)) return false;
    const std::string file =
        s_.programDirectory().empty()
            ? std::string(kSoftwareFile)
            : (std::filesystem::path(s_.programDirectory()) / kSoftwareFile).string();
    WriteSoftware(s_, ui_, file, *options_);
    return true;
}

bool SetupDspLogic::ButtonReadSetupClick(SetChooser& chooser) {
    s_.LockRate(false);
    if (!s_.ChooseSet(chooser)) return false;
    FormShow();
    return true;
}

void SetupDspLogic::ButtonCancelClick() {
    s_.setup().Revert();
    Apply();
}

}  // namespace qv
