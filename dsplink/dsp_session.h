#pragma once
// What the host keeps about the box: the link (port, receive store and
// telegram buffer), the record of what is chosen, the flash image, the
// program profile and the settings of writes. Created once by main and passed
// by reference; every part is reached through the operations of DspSession.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "curves/point_list.h"
#include "curves/tr.h"

#include "dsplink/clock.h"
#include "dsplink/dsp_image.h"
#include "dsplink/dsp_link.h"
#include "dsplink/program_profile.h"
#include "dsplink/serial_device.h"

namespace qv {

// A (set, rate) pair of the set chooser.
struct SetChoice {
    std::uint8_t set = 0;   // 0..7, shown as "Set 1".."Set 8"
    std::uint8_t rate = 0;  // kRate44k1, kRate48k, kRate33k
    bool operator==(const SetChoice&) const = default;
};

// The chosen set and rate, the chooser's rate lock and checked button,
// whether a box answered at start, and the host's mode word. Dialogs and
// commands change it only through the operations below.
class DspState {
  public:
    std::uint8_t ChosenSet() const { return chosenSet_; }
    std::uint8_t ChosenRate() const { return chosenRate_; }
    std::uint8_t RateLocked() const { return rateLocked_; }
    std::uint8_t DspConnected() const { return dspConnected_; }
    std::uint16_t ModeWord() const { return modeWord_; }
    // The button the set chooser shows checked; the chooser keeps it current.
    SetChoice CheckedButton() const { return checkedButton_; }

    std::uint8_t SlotCode() const { return qv::SlotCode(chosenSet_, chosenRate_); }
    // 32768 exactly while the chooser's checked button is "Set 2" at "33".
    std::uint16_t ParameterBase() const {
        return checkedButton_ == SetChoice{1, kRate33k} ? 32768 : 0;
    }

    // ChosenSet and ChosenRate := c.
    void Choose(SetChoice c) {
        chosenSet_ = c.set;
        chosenRate_ = c.rate;
    }
    // ChosenRate alone (the setup dialog's rate buttons).
    void SetRate(std::uint8_t rate) { chosenRate_ = rate; }
    void CheckButton(SetChoice c) { checkedButton_ = c; }
    // Takes the set and rate of the checked chooser button; returns SlotCode.
    std::uint8_t ChoiceFromButtons() {
        Choose(checkedButton_);
        return SlotCode();
    }
    // Whether the chooser offers only the buttons of ChosenRate.
    void LockRate(bool locked) { rateLocked_ = locked ? 1 : 0; }
    void SetConnected(bool connected) { dspConnected_ = connected ? 1 : 0; }
    void SetModeWord(std::uint16_t word) { modeWord_ = word; }

  private:
    std::uint8_t chosenSet_ = 0;
    std::uint8_t chosenRate_ = 0;
    std::uint8_t rateLocked_ = 0;
    std::uint8_t dspConnected_ = 0;
    std::uint16_t modeWord_ = 0;
    SetChoice checkedButton_;
};

class BoxHistory;
class DspSession;
class UserInterface;

// How one write to a set is done; each write operation takes its own.
struct WriteOptions {
    // Every write is read back and compared ("Verify After Write").
    bool verify = true;
};
// The options a write takes when its caller names none.
inline constexpr WriteOptions kVerifiedWrites{};

// The setup block of the session's image as the setup dialogs and the batch
// tool edit it: Begin keeps the image as it is, Get and Put read and change
// the block, Commit writes it to the current set, Revert (a dialog's
// "Cancel") puts the kept image back.
class SetupEdit {
  public:
    explicit SetupEdit(DspSession& s) : s_(s) {}
    SetupEdit(const SetupEdit&) = delete;
    SetupEdit& operator=(const SetupEdit&) = delete;

    void Begin();
    SetupBlock Get() const;
    void Put(const SetupBlock& block);
    // All 0xFF: the set holds no setup yet.
    bool Erased() const;
    // Keep, erase, write, verify (as options say) and select; one message on failure.
    bool Commit(UserInterface& ui, WriteOptions options);
    void Revert();
    // The image as Begin kept it.
    const DspImage& Kept() const { return kept_; }

  private:
    DspSession& s_;
    DspImage kept_{};
};

class SetChooser;

class DspSession {
  public:
    DspSession(SerialDevice& device, Clock& clock) : link_(device, clock) {}
    DspSession(const DspSession&) = delete;
    DspSession& operator=(const DspSession&) = delete;

    // The session owns its link.
    DspLink& link() { return link_; }
    const DspLink& link() const { return link_; }

    const DspState& state() const { return state_; }
    // The state's operations, for the commands and dialogs that change it.
    void Choose(SetChoice c) { state_.Choose(c); }
    void SetRate(std::uint8_t rate) { state_.SetRate(rate); }
    void CheckButton(SetChoice c) { state_.CheckButton(c); }
    std::uint8_t ChoiceFromButtons() { return state_.ChoiceFromButtons(); }
    void LockRate(bool locked) { state_.LockRate(locked); }
    void SetConnected(bool connected) { state_.SetConnected(connected); }
    void SetModeWord(std::uint16_t word) { state_.SetModeWord(word); }
    // Shows the chooser for the state; true when it stored a choice.
    bool ChooseSet(SetChooser& chooser);
    bool ChooseSet(SetChooser&& chooser) { return ChooseSet(chooser); }
    // The state itself, for the set chooser dialog and the project commands,
    // which are bound to it for the program's life: the chooser keeps its
    // checked button there, an opened project restores the chosen set and rate.
    DspState& chooserState() { return state_; }

    // The host's image; it changes only through the operations below.
    const DspImage& image() const { return image_; }
    // The read-back path: the image becomes what was read from a set.
    void PlaceImage(const DspImage& image) { image_ = image; }
    // Reads a range of the current set into the image.
    bool ReadIntoImage(UserInterface& ui, std::size_t start, std::size_t count,
                       const ProgressSpan& progress = {});

    const DspProgramProfile& profile() const { return profile_; }
    void SetProfile(const DspProgramProfile& profile) { profile_ = profile; }
    // The program file of the current profile, in programDirectory.
    std::string ProgramPath() const;
    // A program file's bytes into the image's program area and its length word.
    void LoadProgram(const std::vector<std::uint8_t>& bytes);
    // The equalizer's coefficients into the loaded program, where the profile
    // puts them.
    void PatchEqualizer(const PointList& coefficients);
    // The setup block under edit (both setup dialogs, "dsp write-setup").
    SetupEdit& setup() { return setup_; }

    // Where the program files are looked up; empty for the working directory.
    const std::string& programDirectory() const { return programDirectory_; }
    void SetProgramDirectory(std::string dir) { programDirectory_ = std::move(dir); }
    // Where a write keeps what the set held; nullptr keeps nothing (--no-history).
    BoxHistory* history() const { return history_; }
    void SetHistory(BoxHistory* history) { history_ = history; }
    // How the person puts a set back, for the message of a failed write.
    const std::string& undoHint() const { return undoHint_; }
    void SetUndoHint(std::string hint) { undoHint_ = std::move(hint); }
    // A failed write's message is also the status line (the editor's status bar).
    bool failureAsStatusLine() const { return failureAsStatusLine_; }
    void SetFailureAsStatusLine(bool on) { failureAsStatusLine_ = on; }

  private:
    friend class SetupEdit;

    DspLink link_;
    DspState state_;
    DspImage image_{};
    DspProgramProfile profile_;
    std::string programDirectory_;
    BoxHistory* history_ = nullptr;
    std::string undoHint_ = Fill(QV_TR("Transfer \u2192 \"%1\""), {QV_TR("Undo Last Write")});
    bool failureAsStatusLine_ = true;
    SetupEdit setup_{*this};
};

// The set chooser as the operations see it: shown modally for ChosenSet and
// ChosenRate under RateLocked; on OK it stores the choice and returns true,
// on Cancel it changes neither.
class SetChooser {
  public:
    virtual ~SetChooser() = default;
    virtual bool Choose(DspState& state) = 0;
};

// A chooser that answers with one fixed choice (the batch tool).
class FixedSetChooser : public SetChooser {
  public:
    explicit FixedSetChooser(SetChoice choice) : choice_(choice) {}
    bool Choose(DspState& state) override;

  private:
    SetChoice choice_;
};

}  // namespace qv
