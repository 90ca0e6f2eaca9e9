#pragma once
// The DSP commands of the main menu as plain code: "Filter -> DSP", "SET",
// "COM1" ... "COM4" and "Test". The dialogs that "Range", "Volume" and
// "Hardware" open are shown by the window itself.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "curves/user_interface.h"
#include "dsplink/dsp_session.h"
#include "project/workspace.h"

namespace qv {

// The "History…" list: shows the kept states of a set (newest first) and
// returns the index of the one to put back, nullopt for Cancel.
class HistoryPicker {
  public:
    virtual ~HistoryPicker() = default;
    virtual std::optional<std::size_t> Pick(const std::string& set,
                                            const std::vector<std::string>& lines) = 0;
};

class DspCommands {
  public:
    DspCommands(Workspace& ws, DspSession& session, UserInterface& ui, SetChooser& chooser)
        : ws_(ws), s_(session), ui_(ui), chooser_(chooser) {}

    // The window's "Verify After Write" check; the setup dialogs read it too.
    const WriteOptions& writeOptions() const { return options_; }

    // Needs a box found at start; then the set chooser, locked to the
    // current rate, and the transfer of the filter the current diagram
    // belongs to. A cancelled chooser ends the command without traffic, and
    // so does a filter with a coefficient beyond +-1.
    void MenuFilterToDspClick();
    // The chooser by itself, RateLocked as it was last left.
    void MenuSetClick();
    // ComPortNumber := n and the port opened; its open error propagates.
    void MenuComClick(std::uint8_t n);
    // Test telegrams until the box stops answering or the progress is cancelled.
    void MenuTestClick();
    // The equalizer of a chosen set into slot 3 of "Impuls Response".
    void MenuFilterFromDspClick();
    // Switches the read-back after every write; returns the new state.
    bool MenuVerifyAfterWriteClick();
    // A chosen set to an Intel HEX file, and such a file into a chosen set.
    void MenuBackupSetClick();
    void MenuRestoreSetClick();
    // A chosen set back to what it held before the last write, from the box history.
    void MenuUndoLastWriteClick();
    // The kept states of a chosen set in the picker; the one picked is put back.
    void MenuBoxHistoryClick();
    void SetHistoryPicker(HistoryPicker* picker) { picker_ = picker; }

  private:
    // A found box, then the chooser with RateLocked 0; false when either is missing.
    bool ChooseAnySet();

    Workspace& ws_;
    DspSession& s_;
    UserInterface& ui_;
    SetChooser& chooser_;
    HistoryPicker* picker_ = nullptr;
    WriteOptions options_;
};

}  // namespace qv
