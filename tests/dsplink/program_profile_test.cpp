#include "dsplink/apply_profile.h"

#include <gtest/gtest.h>

#include "dsplink/dsp_session.h"
#include "tests/dsplink/link_fixture.h"
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

// The derivation alone: every field from range and rate, or from before.
TEST(ProgramProfile, DerivedFromRangeAndRateAlone) {
    DspProgramProfile before;
    before.programFile = "old";
    before.roomSampleRate = 1.0;
    before.roomCoefOffset = 7;
    before.roomDelayAddress = 9;
    before.converterDelay = 0.5;
    before.roomLatencyTotal = 2.0;
    struct Case {
        int range;
        double fs;
        const char* file;
        double eqRate, roomRate, converter, latencyTotal;
        std::uint16_t eqOffset, roomOffset;
    };
    const Case cases[] = {
        {1, 44100, "quorvane.dat", 48000.0, 5512.5, 0.5, 0.0875, 3396, 15620},
        {2, 33000, "inout.ldr", 4125.0, 4125.0, 0.007259, 0.0, 3844, 11352},
        {0, 48000, "high.ldr", 48000.0, 1.0, 0.5, 2.0, 0, 7},
        {3, 48000, "high.ldr", 48000.0, 1.0, 0.5, 2.0, 0, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range);
        const DspProgramProfile p = DeriveProfile(c.range, c.fs, before);
        EXPECT_EQ(p.programFile, c.file);
        EXPECT_EQ(p.eqTapCount, 1799);
        EXPECT_EQ(p.roomTapCount, 899);
        EXPECT_EQ(p.eqSampleRate, c.eqRate);
        EXPECT_EQ(p.roomSampleRate, c.roomRate);
        EXPECT_EQ(p.converterDelay, c.converter);
        EXPECT_EQ(p.roomLatencyTotal, c.latencyTotal);
        EXPECT_EQ(p.eqCoefOffset, c.eqOffset);
        EXPECT_EQ(p.roomCoefOffset, c.roomOffset);
        EXPECT_EQ(p.roomDelayAddress, ValidRange(c.range) ? 2148 : 9);
        EXPECT_EQ(p.roomLatencyOffset, ValidRange(c.range) ? 0.01302 : 0.0);
    }
    // Without a profile before, High starts from zero fields.
    EXPECT_EQ(DeriveProfile(1, 48000).converterDelay, 0.0);
    EXPECT_EQ(DeriveProfile(1, 48000).roomSampleRate, 6000.0);
}

// Into the session the profile goes the same way, step by step: what a range
// leaves unchanged comes from the session's profile before.
TEST(ProgramProfile, IntoTheSessionAsIntoAProfile) {
    struct Step {
        int range, room;
        double fs;
    };
    const std::vector<Step> steps = {{2, 1, 44100}, {1, 0, 48000}, {3, 1, 33000}, {2, 0, 48000}};
    DspProgramProfile p;
    RecordingMenu menu, sessionMenu;
    test::ScriptedUserInterface ui;
    test::Link l;
    for (const Step& s : steps) {
        ApplyProfile(p, s.range, s.room, s.fs, &menu, ui);
        ApplyProfile(l.session, s.range, s.room, s.fs, &sessionMenu, l.ui);
        EXPECT_EQ(l.session.profile(), p) << s.range;
        EXPECT_EQ(l.session.ProgramPath(), p.programFile) << s.range;
    }
    EXPECT_EQ(sessionMenu.calls, menu.calls);
    EXPECT_EQ(l.ui.messages, ui.messages);
    EXPECT_EQ(l.ui.messages, std::vector<std::string>{"unzulaessige Einstellung"});
}

}  // namespace
}  // namespace qv
