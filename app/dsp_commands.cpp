#include "app/dsp_commands.h"

#include "app/filter_workflow.h"
#include "curves/tr.h"
#include "dsp_math/eq_synthesis.h"
#include "dsplink/box_history.h"
#include "dsplink/dsp_telegrams.h"
#include "dsplink/filter_transfer.h"
#include "dsplink/set_transfer.h"

namespace qv {

void DspCommands::MenuFilterToDspClick() {
    // The box would clip such a filter and report success; refuse it first.
    if (ReportClippingFilter(ws_, ui_)) return;
    FilterToDsp(s_, ui_, TransferInput(ws_), chooser_, PathTimeDepth(ws_.RoomDepth, ws_.RoomWidth),
                options_);
}

void DspCommands::MenuSetClick() {
    s_.ChooseSet(chooser_);
}

void DspCommands::MenuComClick(std::uint8_t n) {
    ws_.ComPortNumber = n;
    s_.link().port().OpenPort(n);
}

void DspCommands::MenuTestClick() {
    TelegramTestLoop(s_, ui_);
}

void DspCommands::MenuFilterFromDspClick() {
    // What the box holds goes beside the computed filter.
    if (auto read = FilterFromDsp(s_, ui_, chooser_))
        SetCurve(ws_, ImpulseResponseDiagram, CurveRole::Measured, read->name,
                 std::move(read->points));
}

bool DspCommands::MenuVerifyAfterWriteClick() {
    options_.verify = !options_.verify;
    return options_.verify;
}

namespace {
constexpr const char* kHexFilter = "Intel HEX (*.hex)|*.hex|(*.*)|*.*";
}

bool DspCommands::ChooseAnySet() {
    if (s_.state().DspConnected() == 0) {
        ui_.Message(QV_TR("No DSP -> Please connect DSP to USB"));
        return false;
    }
    s_.LockRate(false);
    return s_.ChooseSet(chooser_);
}

void DspCommands::MenuBackupSetClick() {
    if (!ChooseAnySet()) return;
    if (const auto file = ui_.ChooseSaveFile(kHexFilter)) BackupSet(s_, ui_, *file);
}

void DspCommands::MenuRestoreSetClick() {
    if (!ChooseAnySet()) return;
    if (const auto file = ui_.ChooseOpenFile(kHexFilter)) RestoreSet(s_, ui_, *file, options_);
}

void DspCommands::MenuUndoLastWriteClick() {
    if (!ChooseAnySet()) return;
    RestoreFromHistory(s_, ui_, 1, options_);
}

void DspCommands::MenuBoxHistoryClick() {
    if (picker_ == nullptr || !ChooseAnySet()) return;
    const std::string set = SetText(s_.state().ChosenSet(), s_.state().ChosenRate());
    if (s_.history() == nullptr) {
        ui_.Message(Fill(QV_TR("%1: the box history is switched off"), {set}));
        return;
    }
    std::vector<std::string> lines;
    for (const HistoryEntry& e :
         s_.history()->Entries(s_.state().ChosenSet(), s_.state().ChosenRate()))
        lines.push_back(HistoryLine(e));
    if (lines.empty()) {
        ui_.Message(Fill(QV_TR("%1: the box history holds no state yet"), {set}));
        return;
    }
    if (const auto index = picker_->Pick(set, lines))
        RestoreFromHistory(s_, ui_, *index + 1, options_);
}

}  // namespace qv
