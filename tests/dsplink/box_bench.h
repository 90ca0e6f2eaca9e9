#pragma once
// The transfer tests' start: a session on the virtual box with a program
// file of 18000 lines in a folder of its own, the 48 kHz profile and the
// high mode word.

#include <functional>
#include <string>

#include "dspbox/virtual_dsp_box.h"
#include "dsplink/apply_profile.h"
#include "dsplink/dsp_session.h"
#include "dsplink/dsp_telegrams.h"
#include "tests/support/test_support.h"

namespace qv::test {

struct BoxBench {
    FakeClock clock;
    VirtualDspBox box;
    DspSession session;
    ScriptedUserInterface ui;
    TempDir dir;

    // programLine(i): line i of the program file, without its line end.
    BoxBench(const DspBoxOptions& options, const std::function<std::string(int)>& programLine)
        : box(clock, options), session(box, clock) {
        std::string text;
        for (int i = 0; i < 18000; ++i) text += programLine(i) + "\r\n";
        dir.Write("quorvane.dat", text);
        session.SetProgramDirectory(dir.path().string());
        ApplyProfile(session, 1, 0, 48000, nullptr, ui);
        session.SetModeWord(kModeHigh);
    }
    static DspBoxOptions WithFaults(const std::string& faults) {
        DspBoxOptions o;
        o.faults = ParseFaultSpec(faults);
        return o;
    }
    void Choose(std::uint8_t set, std::uint8_t rate) {
        session.ChooseSet(FixedSetChooser({set, rate}));
    }
};

}  // namespace qv::test
