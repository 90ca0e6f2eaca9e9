#include "dsp_dialogs/volume_dialog_logic.h"

#include <gtest/gtest.h>

#include "dsp_test_doubles.h"
#include "dsplink/clock.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

struct VolumeFixture : ::testing::Test {
    test::SilentDevice device;
    FakeClock clock;
    DspSession session{device, clock};
    test::ScriptedUserInterface ui;
    std::uint8_t comPort = 1;
    SetupVolumeLogic dlg{session, ui, comPort};
    test::ScriptedChooser chooser;
};

TEST_F(VolumeFixture, WithoutABoxItReportsAndShowsWhatTheImageHolds) {
    session.setup().Put(SetupStartValues());
    dlg.FormShow();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"keine RS232-Verbindung zu DSP!"});
    EXPECT_EQ(dlg.Volume(Channel::Left).gainText(), "  - 0.0");
    EXPECT_EQ(dlg.Volume(Channel::Left).defaultText(), "  - 1.2");
    EXPECT_EQ(dlg.Volume(Channel::Right).sumText(), "  - 1.2");
    EXPECT_EQ(session.setup().Kept(), session.image());
    EXPECT_EQ(session.state().DspConnected(), 0);
}

TEST_F(VolumeFixture, UpDownsStayInTheirRanges) {
    dlg.FormShow();
    dlg.UpDownGainClick(Channel::Left, 300);
    dlg.UpDownDefaultClick(Channel::Left, 255);
    EXPECT_EQ(dlg.Volume(Channel::Left).sumText(), "  - 55.5");
    dlg.UpDownDefaultClick(Channel::Right, 400);
    dlg.UpDownGainClick(Channel::Right, -1);
    EXPECT_EQ(dlg.Volume(Channel::Right).level(), 255);
    EXPECT_EQ(dlg.Volume(Channel::Right).gain(), 0);
}

TEST_F(VolumeFixture, SetupToDspCancelledWritesNothing) {
    dlg.FormShow();
    device.written.clear();
    const DspImage shown = session.image();
    dlg.UpDownGainClick(Channel::Left, 77);
    chooser.answers = {std::nullopt};
    EXPECT_FALSE(dlg.ButtonSetupToDspClick(chooser));
    EXPECT_EQ(chooser.lockedSeen, std::vector<std::uint8_t>{1});
    EXPECT_TRUE(device.written.empty());
    EXPECT_EQ(session.image(), shown);
}

TEST_F(VolumeFixture, SetupToDspPutsTheFourWordsAndKeepsTheRest) {
    SetupBlock b = SetupStartValues();
    b.delayLeft = 33;
    b.range = 2;
    session.setup().Put(b);
    dlg.FormShow();
    dlg.UpDownGainClick(Channel::Left, 10);
    dlg.UpDownGainClick(Channel::Right, 20);
    dlg.UpDownDefaultClick(Channel::Left, 30);
    dlg.UpDownDefaultClick(Channel::Right, 40);
    EXPECT_TRUE(dlg.ButtonSetupToDspClick(chooser));
    b.gainLeft = 10;
    b.gainRight = 20;
    b.defaultLeft = 30;
    b.defaultRight = 40;
    // The words stay in the image although no box took them.
    EXPECT_EQ(GetSetupBlock(session.image()), b);
}

}  // namespace
}  // namespace qv
