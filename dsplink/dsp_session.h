#pragma once
// Everything the host keeps about its link to the DSP box: the port, the
// telegram buffer, the flash image and its backup, the chosen set and rate,
// the connection flag, the host's mode word and the program profile.
// Created once by main and passed by reference.

#include <array>
#include <cstdint>
#include <string>

#include "dsplink/clock.h"
#include "dsplink/dsp_image.h"
#include "dsplink/program_profile.h"
#include "dsplink/serial_device.h"
#include "dsplink/serial_port.h"

namespace qv {

// The shared telegram buffer: bytes to send, or the payload of the answer.
struct IdpTelegram {
    std::array<std::uint8_t, 21> data{};
    std::uint8_t length = 0;
    std::uint8_t complete = 0;
};

// A (set, rate) pair of the set chooser.
struct SetChoice {
    std::uint8_t set = 0;   // 0..7, shown as "Set 1".."Set 8"
    std::uint8_t rate = 0;  // kRate44k1, kRate48k, kRate33k
    bool operator==(const SetChoice&) const = default;
};

class DspSession {
  public:
    DspSession(SerialDevice& device, Clock& clock) : port(device), clock(clock) {}
    DspSession(const DspSession&) = delete;
    DspSession& operator=(const DspSession&) = delete;

    std::uint8_t SlotCode() const { return qv::SlotCode(ChosenSet, ChosenRate); }
    // 32768 exactly while the chooser's checked button is "Set 2" at "33".
    std::uint16_t ParameterBase() const {
        return CheckedButton == SetChoice{1, kRate33k} ? 32768 : 0;
    }
    // Takes the set and rate of the checked chooser button; returns SlotCode.
    std::uint8_t ChoiceFromButtons();

    SerialPort port;
    Clock& clock;
    IdpTelegram telegram;
    DspImage image{};
    DspImage backup{};
    std::uint8_t ChosenSet = 0;
    std::uint8_t ChosenRate = 0;
    std::uint8_t RateLocked = 0;
    std::uint8_t DspConnected = 0;
    std::uint16_t ModeWord = 0;
    DspProgramProfile profile;
    // The button the set chooser shows checked; the chooser keeps it current.
    SetChoice CheckedButton;
    // Where the program files are looked up; empty for the working directory.
    std::string programDirectory;

    // The program file of the current profile, in programDirectory.
    std::string ProgramPath() const;
};

// The set chooser as the operations see it: shown modally for the session's
// ChosenSet/ChosenRate under RateLocked; on OK it stores the choice in
// ChosenSet/ChosenRate and returns true, on Cancel it changes neither.
class SetChooser {
  public:
    virtual ~SetChooser() = default;
    virtual bool Choose(DspSession& session) = 0;
};

// A chooser that answers with one fixed choice (the batch tool).
class FixedSetChooser : public SetChooser {
  public:
    explicit FixedSetChooser(SetChoice choice) : choice_(choice) {}
    bool Choose(DspSession& session) override;

  private:
    SetChoice choice_;
};

}  // namespace qv
