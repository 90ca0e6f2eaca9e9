#include "dsp_dialogs/setup_dialog_logic.h"

#include <gtest/gtest.h>

#include "dsp_test_doubles.h"
#include "dspbox/virtual_dsp_box.h"
#include "dsplink/clock.h"
#include "dsplink/dsp_telegrams.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

struct RoomItems : RoomMenuItems {
    void SetRoomItemsEnabled(bool on) override { enabled = on; }
    bool enabled = true;
};

TEST(DialogTexts, VolumeTextsAreTenthsWithOneDecimal) {
    struct Case {
        std::uint32_t tenths;
        const char* text;
    } cases[] = {{0, "  - 0.0"},    {12, "  - 1.2"},   {125, "  - 12.5"},
                 {137, "  - 13.7"}, {555, "  - 55.5"}, {1000, "  - 100.0"}};
    for (const auto& c : cases) EXPECT_EQ(VolumeText(c.tenths), c.text);
}

TEST(DialogTexts, DelayTextsAreMicrosecondsWithTwoDecimals) {
    EXPECT_EQ(DelayText(0.007259), "7259.00 us");
    EXPECT_EQ(DelayText(480 / 48000.0), "10000.00 us");
    EXPECT_EQ(DelayText(0.007259 + 480 / 48000.0), "17259.00 us");
    EXPECT_EQ(DelayText(0.0), "0.00 us");
}

TEST(ChannelVolume, SumAndClampedPositions) {
    ChannelVolumeControls v(kVolumeDefaultMax);
    v.GainClick(300);
    v.DefaultClick(255);
    EXPECT_EQ(v.sumText(), "  - 55.5");
    v.DefaultClick(256);
    EXPECT_EQ(v.level(), 255);
    v.Load(125, 12);
    EXPECT_EQ(v.gainText(), "  - 12.5");
    EXPECT_EQ(v.defaultText(), "  - 1.2");
    EXPECT_EQ(v.sumText(), "  - 13.7");
}

struct SetupFixture : ::testing::Test {
    test::SilentDevice device;
    FakeClock clock;
    DspSession session{device, clock};
    test::ScriptedUserInterface ui;
    std::uint8_t comPort = 1;
    RoomItems room;
    SetupDspLogic dlg{session, ui, comPort, &room};
    test::ScriptedChooser chooser;

    SetupFixture() { PutSetup(SetupStartValues()); }
    void PutSetup(const SetupBlock& b) { session.setup().Put(b); }
};

TEST_F(SetupFixture, WithoutABoxTheCreationReportsOnceAndFillsTheStartValues) {
    dlg.FormCreate();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"keine RS232-Verbindung zu DSP!"});
    EXPECT_EQ(session.state().DspConnected(), 0);
    EXPECT_EQ(GetSetupBlock(session.image()), SetupStartValues());
    EXPECT_EQ(session.profile().programFile, "quorvane.dat");
    EXPECT_EQ(session.profile().roomSampleRate, 6000.0);
    EXPECT_FALSE(room.enabled);

    ui.messages.clear();
    device.written.clear();
    dlg.FormShow();
    // No read and no USB message without a box; the fields show the start values.
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(device.written.empty());
    EXPECT_TRUE(dlg.HighChecked());
    EXPECT_FALSE(dlg.LowChecked());
    EXPECT_EQ(dlg.CheckedRate(), kRate44k1);
    EXPECT_EQ(dlg.Volume(Channel::Left).gainText(), "  - 0.0");
    EXPECT_EQ(dlg.Volume(Channel::Right).defaultText(), "  - 1.2");
    EXPECT_EQ(dlg.DelaySpin(Channel::Left), 1);
    EXPECT_EQ(session.state().ModeWord(), kModeHigh);
    EXPECT_EQ(session.setup().Kept(), session.image());
}

TEST_F(SetupFixture, APortThatWillNotOpenStillLeavesAProfile) {
    device.refuseOpen = true;
    EXPECT_THROW(dlg.FormCreate(), SerialError);
    EXPECT_EQ(session.state().DspConnected(), 0);
    EXPECT_EQ(GetSetupBlock(session.image()), SetupStartValues());
    EXPECT_EQ(session.profile().eqTapCount, 1799);
}

TEST_F(SetupFixture, OnShowChecksTheRateButtonOfChosenRate) {
    struct Case {
        std::uint8_t chosen, checked;
        std::uint16_t fs;
    } cases[] = {{kRate44k1, kRate44k1, 44100},
                 {kRate48k, kRate48k, 48000},
                 {kRate33k, kRate33k, 33000},
                 {7, kRate44k1, 44100}};
    for (const auto& c : cases) {
        session.SetRate(c.chosen);
        PutSetup(SetupStartValues());
        dlg.FormShow();
        EXPECT_EQ(dlg.CheckedRate(), c.checked);
        EXPECT_EQ(session.state().ChosenRate(), c.checked);
        EXPECT_EQ(GetSetupBlock(session.image()).sampleFrequency, c.fs) << int(c.chosen);
    }
}

TEST_F(SetupFixture, LeftDelayIsClampedTo5000RightOnlyByItsRange) {
    dlg.FormShow();
    dlg.SpinEditDelayChange(Channel::Left, 5500);
    dlg.SpinEditDelayChange(Channel::Right, 5500);
    EXPECT_EQ(dlg.DelaySpin(Channel::Left), 5000);
    EXPECT_EQ(dlg.DelaySpin(Channel::Right), 5500);
    dlg.SpinEditDelayChange(Channel::Right, 7000);
    EXPECT_EQ(dlg.DelaySpin(Channel::Right), 6000);
    dlg.SpinEditDelayChange(Channel::Left, 0);
    EXPECT_EQ(dlg.DelaySpin(Channel::Left), 1);
}

TEST_F(SetupFixture, DelayTextsAt48kHzWithTheLowRangeConstant) {
    dlg.FormShow();
    dlg.RadioButtonLowClick();
    dlg.ButtonAbtastClick(kRate48k);
    dlg.SpinEditDelayChange(Channel::Left, 480);
    const DelayTexts& t = dlg.Delay(Channel::Left);
    EXPECT_EQ(t.constant, "7259.00 us");
    EXPECT_EQ(t.steps, "10000.00 us");
    EXPECT_EQ(t.sum, "17259.00 us");
    dlg.ButtonAbtastClick(kRate33k);
    EXPECT_EQ(dlg.Delay(Channel::Left).steps, DelayText(480 / 33000.0));
}

TEST_F(SetupFixture, DefaultLevelsAbove255AreKeptWhole) {
    SetupBlock b = SetupStartValues();
    b.defaultLeft = 600;
    b.defaultRight = 1000;
    PutSetup(b);
    dlg.FormShow();
    EXPECT_EQ(dlg.Volume(Channel::Left).level(), 600);
    EXPECT_EQ(dlg.Volume(Channel::Left).defaultPosition(), 600);
    EXPECT_EQ(dlg.Volume(Channel::Left).defaultText(), "  - 60.0");
    EXPECT_EQ(dlg.Volume(Channel::Right).defaultPosition(), kSetupDefaultMax);
    dlg.UpDownDefaultClick(Channel::Left, 601);
    EXPECT_EQ(dlg.Volume(Channel::Left).level(), 601);
    EXPECT_TRUE(dlg.ButtonWriteSetupClick(chooser));
    EXPECT_EQ(GetSetupBlock(session.image()).defaultLeft, 601);
    EXPECT_EQ(GetSetupBlock(session.image()).defaultRight, 1000);
}

TEST_F(SetupFixture, RangeButtonsSetTheRangeBytesModeWordAndProfile) {
    SetupBlock b = SetupStartValues();
    b.room = 1;
    PutSetup(b);
    dlg.FormShow();
    EXPECT_TRUE(dlg.RoomChecked());
    EXPECT_TRUE(room.enabled);
    EXPECT_EQ(session.state().ModeWord(), kModeHigh | kModeRoom);
    dlg.RadioButtonLowClick();
    EXPECT_EQ(GetSetupBlock(session.image()).range, 2);
    EXPECT_EQ(session.state().ModeWord(), kModeLow | kModeRoom);
    EXPECT_EQ(session.profile().programFile, "inout.ldr");
    EXPECT_FALSE(dlg.HighChecked());
}

TEST_F(SetupFixture, AnInvalidRangeChecksNeitherButtonAndSaysSo) {
    SetupBlock b = SetupStartValues();
    b.range = 3;
    PutSetup(b);
    dlg.FormShow();
    EXPECT_FALSE(dlg.HighChecked());
    EXPECT_FALSE(dlg.LowChecked());
    EXPECT_EQ(ui.messages.back(), "unzulaessige Einstellung");
    EXPECT_EQ(session.profile().programFile, "high.ldr");
}

TEST_F(SetupFixture, CancelRestoresTheImageTakenOnShow) {
    PutSetup(SetupStartValues());
    dlg.FormShow();
    const DspImage shown = session.image();
    dlg.RadioButtonLowClick();
    dlg.ButtonAbtastClick(kRate33k);
    ASSERT_NE(session.image(), shown);
    dlg.ButtonCancelClick();
    EXPECT_EQ(session.image(), shown);
    EXPECT_EQ(session.profile().programFile, "quorvane.dat");
}

// With a box that answers, every button would send something after OK; a
// Cancel at the chooser must end each of them before any traffic.
TEST(SetupDialogWithABox, ChooserCancelEndsEachButtonWithoutTraffic) {
    FakeClock clock;
    VirtualDspBox box{clock};
    DspSession session{box, clock};
    session.SetProgramDirectory(std::string(QV_SOURCE_DIR) + "/data/demo");
    test::ScriptedUserInterface ui;
    std::uint8_t comPort = 1;
    SetupDspLogic dlg{session, ui, comPort, nullptr};
    test::ScriptedChooser chooser;
    dlg.FormCreate();
    ASSERT_EQ(session.state().DspConnected(), 1);
    dlg.FormShow();
    ui.messages.clear();
    const DspImage shown = session.image();
    const int answers = box.AnswerCount();
    box.ClearLog();

    dlg.UpDownGainClick(Channel::Left, 40);
    chooser.answers = {std::nullopt, std::nullopt, std::nullopt};
    EXPECT_FALSE(dlg.ButtonWriteSetupClick(chooser));
    EXPECT_FALSE(dlg.ButtonWriteSoftwareClick(chooser));
    EXPECT_FALSE(dlg.ButtonReadSetupClick(chooser));
    EXPECT_EQ(chooser.lockedSeen, (std::vector<std::uint8_t>{1, 1, 0}));
    EXPECT_TRUE(box.Log().empty());
    EXPECT_EQ(box.AnswerCount(), answers);
    EXPECT_EQ(session.image(), shown);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SetupFixture, WriteSoftwareWithoutTheProgramFileSendsNothing) {
    test::TempDir dir;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    dlg.FormShow();
    EXPECT_TRUE(dlg.ButtonWriteSoftwareClick(chooser));
    std::filesystem::current_path(old);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[0].find("quorvane.dat"), std::string::npos);
    EXPECT_EQ(ui.messages[1], "DSP Programm NICHT erfolgreich geschrieben");
    EXPECT_TRUE(device.written.empty());
}

}  // namespace
}  // namespace qv
