#pragma once
// The rules of the "Setup DSP Range" dialog: the connection check at program
// start, what the controls show after every step, the delay texts, and the
// button actions that read and write the setup of one set.

#include <cstdint>
#include <optional>
#include <string>

#include "curves/user_interface.h"
#include "dsp_dialogs/volume_dialog_logic.h"
#include "dsplink/apply_profile.h"
#include "dsplink/dsp_session.h"

namespace qv {

constexpr int kDelayMin = 1;
constexpr int kDelayMax = 6000;
// The left channel's delay line is shorter than its spin edit's range.
constexpr int kLeftDelayMax = 5000;
constexpr const char* kSoftwareFile = "quorvane.dat";

// Microseconds with two decimals and " us": 0.007259 -> "7259.00 us".
std::string DelayText(double seconds);

struct DelayTexts {
    std::string constant, steps, sum;
};

class SetupDspLogic {
  public:
    // comPortNumber is the workspace's port choice, read at every check;
    // menu may be null (no main window).
    SetupDspLogic(DspSession& session, UserInterface& ui, const std::uint8_t& comPortNumber,
                  RoomMenuItems* menu)
        : s_(session), ui_(ui), comPortNumber_(comPortNumber), menu_(menu) {}

    // Program start: connection check, version check, start values, profile.
    // A port that will not open still leaves the start values and the profile
    // in place; its error then propagates to the caller.
    void FormCreate();
    // On show, and again after "Read Setup From DSP".
    void FormShow();

    void RadioButtonHighClick();
    void RadioButtonLowClick();
    void ButtonAbtastClick(std::uint8_t rate);
    void UpDownGainClick(Channel c, int position) { At(c).GainClick(position); }
    void UpDownDefaultClick(Channel c, int position) { At(c).DefaultClick(position); }
    void SpinEditDelayChange(Channel c, int value);
    // Each returns false when the chooser was cancelled and nothing was sent.
    bool ButtonWriteSetupClick(SetChooser& chooser);
    bool ButtonWriteSoftwareClick(SetChooser& chooser);
    bool ButtonReadSetupClick(SetChooser& chooser);
    // The window's "Verify After Write", read at every write.
    void UseWriteOptions(const WriteOptions& options) { options_ = &options; }
    // "Cancel": the image as it was on show.
    void ButtonCancelClick();

    // What the controls show.
    bool HighChecked() const { return high_; }
    bool LowChecked() const { return low_; }
    std::optional<std::uint8_t> CheckedRate() const { return rate_; }
    bool RoomChecked() const { return room_; }
    const ChannelVolumeControls& Volume(Channel c) const {
        return c == Channel::Left ? left_ : right_;
    }
    int DelaySpin(Channel c) const { return c == Channel::Left ? delayLeft_ : delayRight_; }
    const DelayTexts& Delay(Channel c) const {
        return c == Channel::Left ? delayTextsLeft_ : delayTextsRight_;
    }
    // "Set N holds no setup yet", or empty.
    const std::string& Notice() const { return notice_; }

  private:
    ChannelVolumeControls& At(Channel c) { return c == Channel::Left ? left_ : right_; }
    // A range button's action: range byte and range-chosen byte, the mode word, the profile.
    void ChooseRange(std::uint8_t range, std::uint16_t mode);
    void Apply();
    void RefreshDelayTexts();
    void CheckRateButton(std::uint8_t rate);
    std::uint16_t RoomMode() const { return room_ ? 0x20 : 0; }

    DspSession& s_;
    UserInterface& ui_;
    const std::uint8_t& comPortNumber_;
    const WriteOptions* options_ = &kVerifiedWrites;
    RoomMenuItems* menu_;
    bool high_ = false;
    bool low_ = false;
    std::optional<std::uint8_t> rate_;
    bool room_ = false;
    ChannelVolumeControls left_{kSetupDefaultMax};
    ChannelVolumeControls right_{kSetupDefaultMax};
    int delayLeft_ = kDelayMin;
    int delayRight_ = kDelayMin;
    DelayTexts delayTextsLeft_, delayTextsRight_;
    std::string notice_;
};

}  // namespace qv
