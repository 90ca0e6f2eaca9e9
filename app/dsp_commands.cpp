#include "app/dsp_commands.h"

#include "correction/predicted_result.h"
#include "dsp_math/eq_synthesis.h"
#include "dsplink/dsp_telegrams.h"
#include "dsplink/filter_transfer.h"

namespace qv {

void DspCommands::MenuFilterToDspClick() {
    // The box would clip such a filter and report success; refuse it first.
    if (ReportClippingFilter(ws_, ui_)) return;
    FilterToDsp(s_, ui_, ws_, chooser_, PathTimeDepth(ws_.RoomDepth, ws_.RoomWidth));
}

void DspCommands::MenuSetClick() {
    chooser_.Choose(s_.state);
}

void DspCommands::MenuComClick(std::uint8_t n) {
    ws_.ComPortNumber = n;
    s_.link.port().OpenPort(n);
}

void DspCommands::MenuTestClick() {
    TelegramTestLoop(s_, ui_);
}

}  // namespace qv
