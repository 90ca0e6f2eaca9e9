#include "dsp_dialogs/volume_dialog_logic.h"

#include <algorithm>
#include <cstdio>

#include "curves/tr.h"
#include "dsplink/dsp_protocol.h"
#include "dsplink/dsp_telegrams.h"

namespace qv {

std::string VolumeText(std::uint32_t tenths) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%2.1f", static_cast<double>(tenths) / 10.0);
    return std::string("  - ") + buf;
}

void ChannelVolumeControls::Load(std::uint16_t gain, std::uint16_t level) {
    gain_ = gain;
    level_ = level;
    gainPosition_ = std::min<int>(gain, kGainMax);
    defaultPosition_ = std::min<int>(level, defaultMax_);
    Refresh();
}

void ChannelVolumeControls::GainClick(int position) {
    gainPosition_ = std::clamp(position, 0, kGainMax);
    gain_ = static_cast<std::uint16_t>(gainPosition_);
    Refresh();
}

void ChannelVolumeControls::DefaultClick(int position) {
    defaultPosition_ = std::clamp(position, 0, defaultMax_);
    level_ = static_cast<std::uint16_t>(defaultPosition_);
    Refresh();
}

void ChannelVolumeControls::Refresh() {
    gainText_ = VolumeText(gain_);
    defaultText_ = VolumeText(level_);
    sumText_ = VolumeText(static_cast<std::uint32_t>(gain_) + level_);
}

bool ReadSetupWithProgress(DspSession& s, UserInterface& ui) {
    // Without a box the read sends nothing, so there is nothing to report.
    if (s.state().DspConnected() == 0) return ReadSetupSequence(s, ui);
    BusyScope busy(ui);
    ProgressScope progress(ui, QV_TR("Read Setup From DSP"));
    progress(0.0, QV_TR("Setup lesen"));
    const bool ok = ReadSetupSequence(s, ui);
    progress(1.0, QV_TR("Setup lesen"));
    return ok;
}

std::string StartValuesForErasedSetup(DspSession& s) {
    if (!s.setup().Erased()) return {};
    SetupBlock b = SetupStartValues();
    b.sampleFrequency = RateFrequency(s.state().ChosenRate());
    s.setup().Put(b);
    return Fill(QV_TR("Set %1 holds no setup yet"), {std::to_string(s.state().ChosenSet() + 1)});
}

bool WriteSetupWithProgress(DspSession& s, UserInterface& ui, const std::string& title,
                            WriteOptions options) {
    BusyScope busy(ui);
    ProgressScope progress(ui, title);
    const std::string text = "Setup -> Set " + std::to_string(s.state().ChosenSet() + 1);
    progress(0.0, text);
    const bool ok = s.setup().Commit(ui, options);
    progress(1.0, text);
    return ok;
}

void SetupVolumeLogic::FormShow() {
    if (!CheckDspConnection(s_.link(), ui_, comPortNumber_))
        ui_.Message(QV_TR("keine RS232-Verbindung zu DSP!"));
    ReadSetupWithProgress(s_, ui_);
    notice_ = StartValuesForErasedSetup(s_);
    s_.setup().Begin();
    const SetupBlock b = s_.setup().Get();
    left_.Load(b.gainLeft, b.defaultLeft);
    right_.Load(b.gainRight, b.defaultRight);
}

bool WriteVolumesToChosenSet(DspSession& s, UserInterface& ui, SetChooser& chooser,
                             const ChannelVolumeControls& left, const ChannelVolumeControls& right,
                             const std::string& title, WriteOptions options,
                             const std::function<void(SetupBlock&)>& alsoPut) {
    s.LockRate(true);
    if (!s.ChooseSet(chooser)) return false;
    SetupBlock b = s.setup().Get();
    b.gainLeft = left.gain();
    b.gainRight = right.gain();
    b.defaultLeft = left.level();
    b.defaultRight = right.level();
    if (alsoPut) alsoPut(b);
    s.setup().Put(b);
    WriteSetupWithProgress(s, ui, title, options);
    return true;
}

bool SetupVolumeLogic::ButtonSetupToDspClick(SetChooser& chooser) {
    return WriteVolumesToChosenSet(s_, ui_, chooser, left_, right_, QV_TR("Setup -> DSP"),
                                   *options_);
}

}  // namespace qv
