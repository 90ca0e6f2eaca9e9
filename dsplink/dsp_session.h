#pragma once
// What the host keeps about the box: the link (port, receive store and
// telegram buffer), the record of what is chosen, the flash image with its
// backup, and the program profile. Created once by main and passed by
// reference.

#include <cstdint>
#include <string>
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

class DspSession {
  public:
    DspSession(SerialDevice& device, Clock& clock) : link(device, clock) {}
    DspSession(const DspSession&) = delete;
    DspSession& operator=(const DspSession&) = delete;

    // The program file of the current profile, in programDirectory.
    std::string ProgramPath() const;
    // A program file's bytes into the image's program area and its length word.
    void LoadProgram(const std::vector<std::uint8_t>& bytes);
    // The equalizer's coefficients into the loaded program, where the profile
    // puts them.
    void PatchEqualizer(const PointList& coefficients);
    // The setup block under edit (both setup dialogs, "dsp write-setup").
    SetupEdit& setup() { return setup_; }

    DspLink link;
    DspState state;
    DspImage image{};
    DspProgramProfile profile;
    // Where the program files are looked up; empty for the working directory.
    std::string programDirectory;
    // Where a write keeps what the set held; nullptr keeps nothing (--no-history).
    BoxHistory* history = nullptr;
    // How the person puts a set back, for the message of a failed write.
    std::string undoHint = Fill(QV_TR("Transfer \u2192 \"%1\""), {QV_TR("Undo Last Write")});
    // A failed write's message is also the status line (the editor's status bar).
    bool failureAsStatusLine = true;

  private:
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
