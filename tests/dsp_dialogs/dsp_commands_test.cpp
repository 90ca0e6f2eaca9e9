#include "app/dsp_commands.h"

#include <gtest/gtest.h>

#include "correction/predicted_result.h"
#include "dsp_dialogs/setup_dialog_logic.h"
#include "dsp_test_doubles.h"
#include "dspbox/virtual_dsp_box.h"
#include "dsplink/box_history.h"
#include "dsplink/filter_transfer.h"
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

    CommandsFixture() { session.SetProgramDirectory(std::string(QV_SOURCE_DIR) + "/data/demo"); }
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
        s.SetConnected(true);
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
    s.LockRate(true);
    c.MenuSetClick();
    EXPECT_EQ(chooser.lockedSeen, std::vector<std::uint8_t>{1});
}

// The virtual box always answers: Cancel is the way out of "Test".
TEST_F(CommandsFixture, TestEndsAtCancelWithAnAnsweringBox) {
    setup.FormCreate();
    ASSERT_EQ(session.state().DspConnected(), 1);
    ui.messages.clear();
    ui.cancelAt = 0.2;
    commands.MenuTestClick();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Not OK  IDP Tele nicht erfolgreich gesendet"});
    EXPECT_EQ(ui.progressTitles.back(), "Test");
}

TEST_F(CommandsFixture, TheWholeRoadEndsInTheBoxFlash) {
    setup.FormCreate();
    ASSERT_EQ(session.state().DspConnected(), 1);
    ASSERT_TRUE(ui.messages.empty()) << ui.messages[0];
    // A filter as "Execute" leaves it: 1800 taps in slot 1 of "Impuls Response".
    PointList filter;
    for (int i = 0; i < 1800; ++i) filter.push_back({double(i), 0.001 * ((i % 37) - 18)});
    ws[ImpulseResponseDiagram].Slot(1).points = filter;
    ws.CurrentDiagram = ImpulseResponseDiagram;
    session.SetRate(kRate48k);
    chooser.answers = {SetChoice{2, kRate48k}};
    commands.MenuFilterToDspClick();
    EXPECT_EQ(chooser.lockedSeen, std::vector<std::uint8_t>{1});
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0];

    std::vector<std::uint8_t> expected(14384);
    PutCoefficients(expected, 0, session.profile().eqTapCount - 2, filter);
    const auto slot = box.FlashSlot(2, kRate48k);
    const std::size_t at = session.profile().eqCoefOffset;
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), slot.begin() + at));

    // "Write Setup To DSP" into the fresh set, "Read Setup From DSP", then "Volume".
    chooser.answers = {SetChoice{2, kRate48k}, SetChoice{2, kRate48k}};
    setup.FormShow();
    // A fresh set reads as erased flash: the dialog says so and shows the start values.
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0];
    EXPECT_EQ(setup.Notice(), "Set 3 holds no setup yet");
    EXPECT_TRUE(setup.HighChecked());
    EXPECT_EQ(setup.CheckedRate(), kRate48k);
    EXPECT_EQ(setup.Volume(Channel::Left).defaultText(), "  - 1.2");
    setup.RadioButtonHighClick();
    setup.ButtonAbtastClick(kRate48k);
    setup.UpDownDefaultClick(Channel::Left, 12);
    setup.UpDownDefaultClick(Channel::Right, 12);
    setup.UpDownGainClick(Channel::Right, 0);
    setup.SpinEditDelayChange(Channel::Left, 1);
    setup.UpDownGainClick(Channel::Left, 125);
    setup.SpinEditDelayChange(Channel::Right, 480);
    EXPECT_TRUE(setup.ButtonWriteSetupClick(chooser));
    session.setup().Put(SetupStartValues());
    EXPECT_TRUE(setup.ButtonReadSetupClick(chooser));
    EXPECT_EQ(setup.Volume(Channel::Left).gain(), 125);
    EXPECT_EQ(setup.DelaySpin(Channel::Right), 480);
    SetupVolumeLogic volume{session, ui, ws.ComPortNumber};
    volume.FormShow();
    EXPECT_EQ(volume.Notice(), "");
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

TEST_F(CommandsFixture, VolumeOfASetWithNoSetupShowsTheStartValues) {
    setup.FormCreate();
    session.Choose({6, kRate44k1});
    SetupVolumeLogic volume{session, ui, ws.ComPortNumber};
    volume.FormShow();
    EXPECT_EQ(volume.Notice(), "Set 7 holds no setup yet");
    EXPECT_EQ(volume.Volume(Channel::Left).gainText(), "  - 0.0");
    EXPECT_EQ(volume.Volume(Channel::Right).sumText(), "  - 1.2");
    EXPECT_EQ(GetSetupBlock(session.image()).sampleFrequency, 44100);
    EXPECT_EQ(GetSetupBlock(session.image()).range, 1);

    // A box from the factory holds a setup in every set.
    FakeClock factoryClock;
    DspBoxOptions options;
    options.factoryContents = true;
    VirtualDspBox factory{factoryClock, options};
    DspSession s{factory, factoryClock};
    SetupDspLogic factorySetup{s, ui, ws.ComPortNumber, nullptr};
    factorySetup.FormCreate();
    s.Choose({6, kRate33k});
    SetupVolumeLogic factoryVolume{s, ui, ws.ComPortNumber};
    factoryVolume.FormShow();
    EXPECT_EQ(factoryVolume.Notice(), "");
    EXPECT_EQ(factoryVolume.Volume(Channel::Left).defaultText(), "  - 1.2");
    EXPECT_EQ(GetSetupBlock(s.image()).sampleFrequency, 33000);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0];
}

TEST_F(CommandsFixture, FilterFromDspBackupAndRestoreThroughTheMenu) {
    setup.FormCreate();
    ws[ImpulseResponseDiagram].Slot(1).points = PointList(1800, CurvePoint{0.0, 0.25});
    ws.CurrentDiagram = FrequencyResponseDiagram;
    session.SetRate(kRate48k);
    chooser.answers = {SetChoice{1, kRate48k}, SetChoice{1, kRate48k}, SetChoice{1, kRate48k},
                       SetChoice{4, kRate33k}};
    commands.MenuFilterToDspClick();
    session.LockRate(true);
    commands.MenuFilterFromDspClick();
    EXPECT_EQ(ws[ImpulseResponseDiagram].Slot(3).name, "Set 2 (48 kHz)");
    EXPECT_EQ(ws[ImpulseResponseDiagram].Slot(3).points[1797].y, 0.25);
    test::TempDir dir;
    const std::string file = dir.File("set2.hex");
    ui.fileAnswers = {file, file};
    commands.MenuBackupSetClick();
    commands.MenuRestoreSetClick();
    // Backup and restore choose any set: the rate is not locked.
    EXPECT_EQ(chooser.lockedSeen, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    EXPECT_EQ(ui.filters.back(), "Intel HEX (*.hex)|*.hex|(*.*)|*.*");
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0];
    const auto from = box.FlashSlot(1, kRate48k);
    const auto to = box.FlashSlot(4, kRate33k);
    EXPECT_TRUE(std::equal(from.begin(), from.end(), to.begin()));
    EXPECT_EQ(ui.statusLines.back(), "Backup set2.hex written to Set 5 at 33 kHz, verified");

    EXPECT_FALSE(commands.MenuVerifyAfterWriteClick());
    EXPECT_FALSE(commands.writeOptions().verify);
    EXPECT_TRUE(commands.MenuVerifyAfterWriteClick());
}

TEST_F(CommandsFixture, UndoLastWriteAndHistoryPutBackTheSetThroughTheMenu) {
    struct Picker : HistoryPicker {
        std::vector<std::string> shown;
        std::optional<std::size_t> answer;
        std::optional<std::size_t> Pick(const std::string& set,
                                        const std::vector<std::string>& lines) override {
            shown = lines;
            shown.insert(shown.begin(), set);
            return answer;
        }
    } picker;
    commands.SetHistoryPicker(&picker);
    test::TempDir dir;
    BoxHistory history(dir.path());
    session.SetHistory(&history);
    setup.FormCreate();
    ws[ImpulseResponseDiagram].Slot(1).points = PointList(1800, CurvePoint{0.0, 0.25});
    ws.CurrentDiagram = FrequencyResponseDiagram;
    session.SetRate(kRate48k);
    const auto slot = [&] {
        const auto s = box.FlashSlot(2, kRate48k);
        return std::vector<std::uint8_t>(s.begin(), s.end());
    };
    const auto erased = slot();
    chooser.answers = {SetChoice{2, kRate48k}};
    commands.MenuFilterToDspClick();
    const auto first = slot();
    ws[ImpulseResponseDiagram].Slot(1).points = PointList(1800, CurvePoint{0.0, -0.5});
    chooser.answers = {SetChoice{2, kRate48k}, SetChoice{2, kRate48k}};
    commands.MenuFilterToDspClick();
    commands.MenuUndoLastWriteClick();
    EXPECT_EQ(slot(), first);

    chooser.answers = {SetChoice{2, kRate48k}};
    picker.answer = 0;
    commands.MenuBoxHistoryClick();
    ASSERT_EQ(picker.shown.size(), 2u);
    EXPECT_EQ(picker.shown[0], "Set 3 at 48 kHz");
    EXPECT_TRUE(picker.shown[1].ends_with("before Filter -> DSP  (box version 1)"));
    EXPECT_EQ(slot(), erased);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0];

    chooser.answers = {SetChoice{2, kRate48k}};
    commands.MenuBoxHistoryClick();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Set 3 at 48 kHz: the box history holds no "
                                                    "state yet"});
}

}  // namespace
}  // namespace qv
