#include "dsplink/program_profile.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace qv {
namespace {

struct RecordingMenu : RoomMenuItems {
    void SetRoomItemsEnabled(bool enabled) override { calls.push_back(enabled); }
    std::vector<bool> calls;
};

TEST(ProgramProfile, HighRange) {
    DspProgramProfile p;
    RecordingMenu menu;
    test::ScriptedUserInterface ui;
    ApplyProfile(p, 1, 0, 48000, &menu, ui);
    EXPECT_EQ(p.programFile, "quorvane.dat");
    EXPECT_EQ(p.eqTapCount, 1799);
    EXPECT_EQ(p.roomTapCount, 899);
    EXPECT_EQ(p.eqSampleRate, 48000.0);
    EXPECT_EQ(p.roomSampleRate, 6000.0);
    EXPECT_EQ(p.eqCoefOffset, 3396);
    EXPECT_EQ(p.roomCoefOffset, 15620);
    EXPECT_EQ(p.roomDelayAddress, 2148);
    EXPECT_EQ(p.converterDelay, 0.0);
    EXPECT_EQ(p.roomLatencyOffset, 0.01302);
    EXPECT_EQ(p.roomLatencyTotal, 0.0875);
    EXPECT_EQ(menu.calls, std::vector<bool>{false});
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ProgramProfile, LowRangeWithRoom) {
    DspProgramProfile p;
    RecordingMenu menu;
    test::ScriptedUserInterface ui;
    ApplyProfile(p, 2, 1, 44100, &menu, ui);
    EXPECT_EQ(p.programFile, "inout.ldr");
    EXPECT_EQ(p.eqSampleRate, 5512.5);
    EXPECT_EQ(p.roomSampleRate, 5512.5);
    EXPECT_EQ(p.eqCoefOffset, 3844);
    EXPECT_EQ(p.roomCoefOffset, 11352);
    EXPECT_EQ(p.converterDelay, 0.007259);
    EXPECT_EQ(p.roomLatencyTotal, 0.0);
    EXPECT_EQ(menu.calls.back(), true);
    // The converter delay is kept by a later High profile.
    ApplyProfile(p, 1, 1, 48000, nullptr, ui);
    EXPECT_EQ(p.converterDelay, 0.007259);
    EXPECT_EQ(p.roomLatencyTotal, 0.0875);
}

TEST(ProgramProfile, InvalidRangeKeepsSomeFields) {
    DspProgramProfile p;
    test::ScriptedUserInterface ui;
    ApplyProfile(p, 1, 0, 48000, nullptr, ui);
    ApplyProfile(p, 3, 0, 33000, nullptr, ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"unzulaessige Einstellung"});
    EXPECT_EQ(p.programFile, "high.ldr");
    EXPECT_EQ(p.eqSampleRate, 48000.0);
    EXPECT_EQ(p.eqCoefOffset, 0);
    EXPECT_EQ(p.roomLatencyOffset, 0.0);
    EXPECT_EQ(p.roomSampleRate, 6000.0);
    EXPECT_EQ(p.roomCoefOffset, 15620);
    EXPECT_EQ(p.roomDelayAddress, 2148);
    EXPECT_EQ(p.roomLatencyTotal, 0.0875);
    EXPECT_EQ(p.eqTapCount, 1799);
}

}  // namespace
}  // namespace qv
