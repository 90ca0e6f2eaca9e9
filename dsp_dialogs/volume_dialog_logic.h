#pragma once
// The volume dialog's rules, and the volume frame of one channel that it
// shares with the DSP setup dialog: constant gain and default level at
// power-up in steps of 0.1 dB attenuation, their texts and up-down controls.

#include <cstdint>
#include <functional>
#include <string>

#include "curves/user_interface.h"
#include "dsplink/dsp_session.h"

namespace qv {

enum class Channel { Left, Right };

constexpr int kGainMax = 300;
constexpr int kSetupDefaultMax = 700;
constexpr int kVolumeDefaultMax = 255;

// "  - " and tenths / 10 with one decimal: 125 -> "  - 12.5".
std::string VolumeText(std::uint32_t tenths);

// One channel's frame. The working copies are 16 bits wide like the words of
// the setup block, so a default level above 255 is kept as it is.
class ChannelVolumeControls {
  public:
    explicit ChannelVolumeControls(int defaultMax) : defaultMax_(defaultMax) { Refresh(); }

    // Working copies := the words; the up-down positions follow within their ranges.
    void Load(std::uint16_t gain, std::uint16_t level);
    // An up-down click: its working copy := the control's new position.
    void GainClick(int position);
    void DefaultClick(int position);

    std::uint16_t gain() const { return gain_; }
    std::uint16_t level() const { return level_; }
    int gainPosition() const { return gainPosition_; }
    int defaultPosition() const { return defaultPosition_; }
    int defaultMax() const { return defaultMax_; }
    const std::string& gainText() const { return gainText_; }
    const std::string& defaultText() const { return defaultText_; }
    const std::string& sumText() const { return sumText_; }

  private:
    void Refresh();

    int defaultMax_;
    std::uint16_t gain_ = 0;
    std::uint16_t level_ = 0;
    int gainPosition_ = 0;
    int defaultPosition_ = 0;
    std::string gainText_, defaultText_, sumText_;
};

// "Setup DSP Volume": reads the setup of the current slot on show, lets the
// user step the four values and writes the block to a chosen set.
class SetupVolumeLogic {
  public:
    // comPortNumber is the workspace's port choice, read at every show.
    SetupVolumeLogic(DspSession& session, UserInterface& ui, const std::uint8_t& comPortNumber)
        : s_(session), ui_(ui), comPortNumber_(comPortNumber) {}

    // Connection check (its open error propagates), setup read, backup copy,
    // working copies and texts.
    void FormShow();
    void UpDownGainClick(Channel c, int position) { At(c).GainClick(position); }
    void UpDownDefaultClick(Channel c, int position) { At(c).DefaultClick(position); }
    // "Setup -> DSP": false when the chooser was cancelled and nothing was sent.
    bool ButtonSetupToDspClick(SetChooser& chooser);
    // The window's "Verify After Write", read at every write.
    void UseWriteOptions(const WriteOptions& options) { options_ = &options; }

    const ChannelVolumeControls& Volume(Channel c) const {
        return c == Channel::Left ? left_ : right_;
    }
    // "Set N holds no setup yet", or empty.
    const std::string& Notice() const { return notice_; }

  private:
    ChannelVolumeControls& At(Channel c) { return c == Channel::Left ? left_ : right_; }

    DspSession& s_;
    UserInterface& ui_;
    const std::uint8_t& comPortNumber_;
    const WriteOptions* options_ = &kVerifiedWrites;
    ChannelVolumeControls left_{kVolumeDefaultMax};
    ChannelVolumeControls right_{kVolumeDefaultMax};
    std::string notice_;
};

// The setup read and write of the dialogs, reported as a short progress.
bool ReadSetupWithProgress(DspSession& s, UserInterface& ui);
// After the read: an erased setup block (all FF) gets the start values at
// the chosen rate, and the dialog says "Set N holds no setup yet" (returned;
// empty when the block holds a setup).
std::string StartValuesForErasedSetup(DspSession& s);
bool WriteSetupWithProgress(DspSession& s, UserInterface& ui, const std::string& title,
                            WriteOptions options = {});
// The write buttons of both dialogs: the chooser locked to the current rate,
// then on OK the two channels' volumes (and whatever alsoPut adds) into the
// image's setup block, written to the chosen set. False when cancelled.
bool WriteVolumesToChosenSet(DspSession& s, UserInterface& ui, SetChooser& chooser,
                             const ChannelVolumeControls& left, const ChannelVolumeControls& right,
                             const std::string& title, WriteOptions options,
                             const std::function<void(SetupBlock&)>& alsoPut = {});

}  // namespace qv
