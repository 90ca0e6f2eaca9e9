#include "app/dsp_commands.h"

#include <gtest/gtest.h>

#include "correction/predicted_result.h"
#include "dsp_test_doubles.h"
#include "dspbox/virtual_dsp_box.h"
#include "dsplink/filter_transfer.h"
#include "dsp_dialogs/setup_dialog_logic.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

struct CommandsFixture : ::testing::Test {
    FakeClock clock;
    VirtualDspBox box{clock};
    DspSession session{box, clock};
    Workspace ws;
    test::ScriptedUserInterface ui;
    test::ScriptedChooser chooser;
    DspCommands commands{ws, session, ui, chooser};
    SetupDspLogic setup{session, ui, ws.ComPortNumber, nullptr};

    CommandsFixture() { session.programDirectory = std::string(QV_SOURCE_DIR) + "/data/demo"; }
};

TEST_F(CommandsFixture, FilterToDspWithoutABoxOnlySaysSo) {
    test::SilentDevice none;
    DspSession alone{none, clock};
    DspCommands c{ws, alone, ui, chooser};
    c.MenuFilterToDspClick();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"No DSP -> Please connect DSP to USB"});
    EXPECT_TRUE(chooser.lockedSeen.empty());
}

TEST_F(CommandsFixture, FilterBeyondTheBoxRangeIsRefusedBeforeAnyTraffic) {
    const struct {
        DiagramId current, filterDiagram;
        double peak;
        bool refused;
    } cases[] = {
        {ImpulseResponseDiagram, ImpulseResponseDiagram, 1.5, true},
        {FrequencyResponseDiagram, ImpulseResponseDiagram, -1.0001, true},
        {GroupDelayDiagram, ImpulseResponseDiagram, 1.0, false},
        {FrequencyRoomDiagram, FilterRoomDiagram, 2.0, true},
    };
    for (const auto& c : cases) {
        test::SilentDevice line;
        DspSession s{line, clock};
        s.state.SetConnected(true);
        Workspace w;
        test::ScriptedUserInterface u;
        test::ScriptedChooser ch;
        ch.answers = {std::nullopt};  // past the check, the chooser is cancelled
        w[c.filterDiagram].Slot(1).points = {{0, 0.25}, {1, c.peak}, {2, -0.5}};
        w.CurrentDiagram = c.current;
        DspCommands{w, s, u, ch}.MenuFilterToDspClick();
        EXPECT_TRUE(line.written.empty()) << c.peak;
        if (c.refused) {
            EXPECT_EQ(u.messages, std::vector<std::string>{HeadroomMessage(
                                      FilterHeadroom(w[c.filterDiagram].Slot(1).points))});
            EXPECT_TRUE(ch.lockedSeen.empty()) << c.peak;
        } else {
            EXPECT_TRUE(u.messages.empty()) << u.messages[0];
            EXPECT_EQ(ch.lockedSeen.size(), 1u);
        }
    }
}

TEST_F(CommandsFixture, ComOpenErrorPropagatesAndSetLeavesTheLockAlone) {
    test::SilentDevice none;
    none.refuseOpen = true;
    DspSession s{none, clock};
    DspCommands c{ws, s, ui, chooser};
    EXPECT_THROW(c.MenuComClick(3), SerialError);
    EXPECT_EQ(ws.ComPortNumber, 3);
    s.state.LockRate(true);
    c.MenuSetClick();
    EXPECT_EQ(chooser.lockedSeen, std::vector<std::uint8_t>{1});
}

TEST_F(CommandsFixture, TheWholeRoadEndsInTheBoxFlash) {
    setup.FormCreate();
    ASSERT_EQ(session.state.DspConnected(), 1);
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0];
    // A filter as "Execute" leaves it: 1800 taps in slot 1 of "Impuls Response".
    PointList filter;
    for (int i = 0; i < 1800; ++i) filter.push_back({double(i), 0.001 * ((i % 37) - 18)});
    ws[ImpulseResponseDiagram].Slot(1).points = filter;
    ws.CurrentDiagram = ImpulseResponseDiagram;
    session.state.SetRate(kRate48k);
    chooser.answers = {SetChoice{2, kRate48k}};
    commands.MenuFilterToDspClick();
    EXPECT_EQ(chooser.lockedSeen, std::vector<std::uint8_t>{1});
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0];

    std::vector<std::uint8_t> expected(14384);
    PutCoefficients(expected, 0, session.profile.eqTapCount - 2, filter);
    const auto slot = box.FlashSlot(2, kRate48k);
    const std::size_t at = session.profile.eqCoefOffset;
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), slot.begin() + at));

    // "Write Setup To DSP" into the fresh set, "Read Setup From DSP", then "Volume".
    chooser.answers = {SetChoice{2, kRate48k}, SetChoice{2, kRate48k}};
    setup.FormShow();
    // A fresh set reads as erased flash; the user picks range and rate.
    EXPECT_EQ(ui.messages.back(), "unzulaessige Einstellung");
    ui.messages.clear();
    setup.RadioButtonHighClick();
    setup.ButtonAbtastClick(kRate48k);
    setup.UpDownDefaultClick(Channel::Left, 12);
    setup.UpDownDefaultClick(Channel::Right, 12);
    setup.UpDownGainClick(Channel::Right, 0);
    setup.SpinEditDelayChange(Channel::Left, 1);
    setup.UpDownGainClick(Channel::Left, 125);
    setup.SpinEditDelayChange(Channel::Right, 480);
    EXPECT_TRUE(setup.ButtonWriteSetupClick(chooser));
    PutSetupBlock(session.image, SetupStartValues());
    EXPECT_TRUE(setup.ButtonReadSetupClick(chooser));
    EXPECT_EQ(setup.Volume(Channel::Left).gain(), 125);
    EXPECT_EQ(setup.DelaySpin(Channel::Right), 480);
    SetupVolumeLogic volume{session, ui, ws.ComPortNumber};
    volume.FormShow();
    EXPECT_EQ(volume.Volume(Channel::Left).gainText(), "  - 12.5");
    volume.UpDownDefaultClick(Channel::Right, 200);
    chooser.answers = {SetChoice{2, kRate48k}};
    EXPECT_TRUE(volume.ButtonSetupToDspClick(chooser));
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0];

    DspImage flashImage{};
    std::copy(slot.begin(), slot.end(), flashImage.begin());
    const SetupBlock b = GetSetupBlock(flashImage);
    EXPECT_EQ(b.gainLeft, 125);
    EXPECT_EQ(b.delayRight, 480);
    EXPECT_EQ(b.defaultRight, 200);
    EXPECT_EQ(b.sampleFrequency, 48000);
    EXPECT_EQ(box.SelectedSet(), 2);
    EXPECT_GT(ui.progressTitles.size(), 2u);
}

}  // namespace
}  // namespace qv
