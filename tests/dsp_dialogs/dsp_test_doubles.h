#pragma once
// Doubles for the DSP dialog tests: a line without a box, a port that will
// not open, and a set chooser that answers from a script.

#include <deque>
#include <optional>
#include <vector>

#include "dsp_dialogs/set_chooser.h"
#include "dsplink/dsp_session.h"
#include "dsplink/serial_port.h"

namespace qv::test {

// Opens, takes every byte and never answers: no box on the line.
class SilentDevice : public SerialDevice {
  public:
    void Open(const std::string&) override {
        if (refuseOpen) throw SerialError("Unable to open specified device", 2);
        open = true;
    }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    bool WriteByte(std::uint8_t b, std::chrono::milliseconds) override {
        written.push_back(b);
        return open;
    }
    std::size_t BytesWaiting() override { return 0; }
    std::vector<std::uint8_t> Read(std::size_t) override { return {}; }
    bool WaitForData(std::chrono::milliseconds) override { return false; }
    void SetDtr(bool) override {}
    void SetRts(bool) override {}

    bool open = false;
    bool refuseOpen = false;
    std::vector<std::uint8_t> written;
};

// Plays the user at the chooser: each answer is a button to click then OK,
// or nullopt for Cancel. Records the RateLocked flag each showing saw.
class ScriptedChooser : public SetChooser {
  public:
    bool Choose(DspState& s) override {
        SetChooserLogic logic(s);
        logic.FormShow();
        lockedSeen.push_back(s.RateLocked());
        std::optional<SetChoice> answer = SetChoice{s.ChosenSet(), s.ChosenRate()};
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        if (!answer) return false;
        logic.ButtonClick(*answer);
        logic.ButtonOkClick();
        return true;
    }
    std::deque<std::optional<SetChoice>> answers;
    std::vector<std::uint8_t> lockedSeen;
};

}  // namespace qv::test
