#include "app/editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "tests/support/test_support.h"

namespace qv {
namespace {

using test::ReadBytes;
using test::ScriptedUserInterface;
using test::TempDir;

class RecordingView : public EditorView {
  public:
    void RequestRepaint() override { ++repaints; }
    void SetRoomBoxVisible(bool visible) override { roomBox = visible; }
    int repaints = 0;
    std::optional<bool> roomBox;  // nullopt: never set
};

class EditorCommands : public ::testing::Test {
  protected:
    EditorCommands() { CreateDiagramSet(ws); }

    std::vector<double> Ys(DiagramId id, int slot = 1) {
        std::vector<double> ys;
        for (const auto& p : ws[id].Slot(slot).points) ys.push_back(p.y);
        return ys;
    }

    Workspace ws;
    ScriptedUserInterface ui;
    MenuState menu;
    RecordingView view;
    DspProgramProfile profile;
    Editor editor{ws, ui, menu, view, profile};
    TempDir dir;
};

// --- Curve commands on slot 1 of the current diagram ---------------------

struct CurveCase {
    const char* name;
    void (Editor::*command)();
    std::vector<double> ys;  // slot 1 before, x = 0, 1, 2, ...
    PointList expected;      // slot 1 after
    std::uint8_t marked;     // slot 1 after
    const char* slotName;    // slot 1 after
    bool othersCleared;      // slots 2 to 4 emptied
    int repaints;
};

void PrintTo(const CurveCase& c, std::ostream* os) {
    *os << c.name;
}

class CurveCommandTest : public EditorCommands, public ::testing::WithParamInterface<CurveCase> {};

TEST_P(CurveCommandTest, ChangesSlotOneOfTheCurrentDiagram) {
    const CurveCase& c = GetParam();
    ws.CurrentDiagram = ImpulseResponseDiagram;
    PointList in;
    for (double y : c.ys) AppendPoint(in, static_cast<double>(in.size()), y);
    SetSlot(ws.Current(), 1, "h", in);
    SetSlot(ws.Current(), 2, "other", {{0, 9}});
    const PointList otherDiagram = ws[FrequencyResponseDiagram].Slot(1).points;
    (editor.*c.command)();
    EXPECT_EQ(ws.CurrentDiagram, ImpulseResponseDiagram);
    EXPECT_EQ(ws.Current().Slot(1).points, c.expected);
    EXPECT_EQ(ws.Current().Slot(1).marked, c.marked);
    EXPECT_EQ(ws.Current().Slot(1).name, c.slotName);
    EXPECT_EQ(ws.Current().Slot(2).points.empty(), c.othersCleared);
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).points, otherDiagram);
    EXPECT_EQ(view.repaints, c.repaints);
}

constexpr double kLsb = 1.0 / 32768;

INSTANTIATE_TEST_SUITE_P(
    Editor, CurveCommandTest,
    ::testing::Values(
        // "New" works on whatever diagram is current, from x = 10.
        CurveCase{
            "New", &Editor::MenuNewClick, {1, 2}, {{10, 0}, {20000, 0}}, 1, "desired", true, 1},
        // "Dezi" and "Round 16 Bit" change the data but do not repaint.
        CurveCase{"Dezi",
                  &Editor::MenuDeziClick,
                  {1, 2, 3, 4, 5},
                  {{0, 1}, {1, 1}, {2, 3}, {3, 3}, {4, 5}},
                  0,
                  "h",
                  false,
                  0},
        CurveCase{"Round16Bit",
                  &Editor::MenuRound16BitClick,
                  {0.5 * kLsb, 1.5 * kLsb, -1.5 * kLsb, 0.25},
                  {{0, 0}, {1, 2 * kLsb}, {2, -2 * kLsb}, {3, 0.25}},
                  0,
                  "h",
                  false,
                  0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorCommands, BlackWindowTapersOneThousandOnes) {
    ws.CurrentDiagram = ImpulseResponseDiagram;
    SetSlot(ws.Current(), 1, "h", PointList(1000, {0, 1}));
    NumberPoints(ws.Current().Slot(1).points, 0);
    editor.MenuBlackWindowClick();
    const std::vector<double> y = Ys(ImpulseResponseDiagram);
    ASSERT_EQ(y.size(), 1000u);
    // Rise over 100, flat over 480, fall over 100, zero from 680 on.
    EXPECT_NEAR(y[0], 0.00006, 1e-6);
    EXPECT_NEAR(y[1], 0.0000740, 1e-6);
    EXPECT_NEAR(y[679], 0.0000740, 1e-6);
    EXPECT_LT(y[99], 1.0);
    for (std::size_t i : {100u, 300u, 579u, 580u}) EXPECT_DOUBLE_EQ(y[i], 1.0) << i;
    EXPECT_LT(y[581], 1.0);
    for (std::size_t i : {680u, 800u, 999u}) EXPECT_EQ(y[i], 0.0) << i;
    EXPECT_EQ(ws.Current().Slot(1).points[999].x, 999);
    EXPECT_EQ(view.repaints, 1);
}

// --- Loaders ---------------------------------------------------------------

TEST_F(EditorCommands, OpenDialogFilterFollowsTheLastLoader) {
    struct Step {
        void (Editor::*command)();
        const char* filter;
    };
    // Every step is cancelled: the filters alone change.
    const Step steps[] = {
        {&Editor::LoadFrequencyResponse, kOpenFilterAll},
        {&Editor::LoadGroupDelay, kOpenFilterAll},
        {&Editor::LoadImpulsImp, kOpenFilterImp},
        {&Editor::LoadFrequencyResponse, kOpenFilterDat},
        {&Editor::LoadImpulsDat, kOpenFilterDat},
        {&Editor::LoadImpulsImp, kOpenFilterImp},
        {&Editor::LoadGroupDelay, kOpenFilterDat},
        {&Editor::LoadZielfunktion, kOpenFilterDat},
        {&Editor::LoadFrequencyResponse, kOpenFilterDat},
    };
    std::vector<std::string> expected;
    for (const Step& s : steps) {
        (editor.*s.command)();
        expected.push_back(s.filter);
    }
    EXPECT_EQ(ui.filters, expected);
    EXPECT_EQ(ws.CurrentDiagram, FrequencyResponseDiagram);
    EXPECT_EQ(view.repaints, 0);
    EXPECT_TRUE(ui.messages.empty());
}

struct LoadCase {
    const char* name;
    void (Editor::*command)();
    DiagramId start;
    std::string content;
    DiagramId current;
    int slot;
    PointList points;
    const char* slotName;  // nullptr: the file name
    bool othersCleared;    // the other slots of the target diagram
    bool fitsRange;        // the impulse loaders fit the x range to the samples
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class LoaderTest : public EditorCommands, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoaderTest, FillsItsDiagram) {
    const LoadCase& c = GetParam();
    for (int d = 0; d < kDiagramCount; ++d) {
        SetSlot(ws[static_cast<DiagramId>(d)], 1, "one", {{1, 1}});
        SetSlot(ws[static_cast<DiagramId>(d)], 2, "two", {{2, 2}});
    }
    ws.CurrentDiagram = c.start;
    const std::string file = dir.Write("curve.dat", c.content);
    ui.fileAnswers.push_back(file);
    (editor.*c.command)();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ws.CurrentDiagram, c.current);
    const Diagram& d = ws[c.current];
    EXPECT_EQ(d.Slot(c.slot).points, c.points);
    EXPECT_EQ(d.Slot(c.slot).name, c.slotName ? c.slotName : file);
    EXPECT_EQ(d.Slot(c.slot).marked, 0);
    for (int k = 1; k <= 2; ++k)
        if (k != c.slot) {
            EXPECT_EQ(d.Slot(k).points.empty(), c.othersCleared) << k;
        }
    if (c.fitsRange) {
        EXPECT_LT(d.xTo, 100);
    }
    if (c.start != c.current) {
        EXPECT_EQ(ws[c.start].Slot(2).points, (PointList{{2, 2}}));  // untouched
    }
    EXPECT_EQ(view.repaints, 1);
}

const std::string kImpDat = "7 0.5\n9 -0.25\n3 1\n";
const PointList kNumbered = {{0, 0.5}, {1, -0.25}, {2, 1}};

INSTANTIATE_TEST_SUITE_P(
    Editor, LoaderTest,
    ::testing::Values(LoadCase{"FrequencyResponse",
                               &Editor::LoadFrequencyResponse,
                               GroupDelayDiagram,
                               "100 -3\n1000 2\n",
                               FrequencyResponseDiagram,
                               1,
                               {{100, -3}, {1000, 2}},
                               nullptr,
                               true,
                               false},
                      LoadCase{"GroupDelay",
                               &Editor::LoadGroupDelay,
                               FrequencyResponseDiagram,
                               "100 -3\n",
                               GroupDelayDiagram,
                               1,
                               {{100, -3}},
                               nullptr,
                               true,
                               false},
                      LoadCase{"ImpulsDatSwitchesToImpulsResponse", &Editor::LoadImpulsDat,
                               FrequencyRoomDiagram, kImpDat, ImpulseResponseDiagram, 1, kNumbered,
                               nullptr, true, true},
                      LoadCase{"ImpulsDatStaysInImpulsRoom", &Editor::LoadImpulsDat,
                               ImpulsRoomDiagram, kImpDat, ImpulsRoomDiagram, 1, kNumbered, nullptr,
                               true, true},
                      LoadCase{"ImpulsImp", &Editor::LoadImpulsImp, FrequencyResponseDiagram,
                               "head\nhead\nhead\n0.5\n-0.25\n1\n", ImpulseResponseDiagram, 1,
                               kNumbered, nullptr, true, true},
                      // "Zielfunktion" replaces slot 3 of "Impuls Room" only.
                      LoadCase{"Zielfunktion", &Editor::LoadZielfunktion, FrequencyResponseDiagram,
                               kImpDat, ImpulsRoomDiagram, 3, kNumbered, "dest", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorCommands, UnreadableFileChangesNothing) {
    CreateDesiredCurve(ws, FrequencyResponseDiagram, 20);
    const std::string missing = dir.File("missing.dat");
    for (auto command : {&Editor::LoadFrequencyResponse, &Editor::LoadImpulsDat,
                         &Editor::LoadZielfunktion, &Editor::LoadGroupDelay}) {
        ui.messages.clear();
        ui.fileAnswers.push_back(missing);
        (editor.*command)();
        EXPECT_EQ(ui.messages,
                  (std::vector<std::string>{"Fehler beim Zugriff auf " + missing + " !",
                                            "Fehler beim Zugriff auf " + missing + "."}));
    }
    EXPECT_EQ(ws.CurrentDiagram, FrequencyResponseDiagram);
    EXPECT_EQ(ws.Current().Slot(1).name, "desired");
    EXPECT_EQ(view.repaints, 0);
}

// A file that gives no curve (TAB separated, a header only, an empty IMP)
// leaves every slot of every diagram as it was, with one message.
TEST_F(EditorCommands, FailingLoadLeavesEverySlotAsItWas) {
    for (int d = 0; d < kDiagramCount; ++d)
        for (int k = 1; k <= 4; ++k)
            SetSlot(ws[static_cast<DiagramId>(d)], k, "kept", {{double(d), double(k)}});
    ws[FrequencyResponseDiagram].Slot(1).marked = 1;
    const Workspace before = ws;
    const std::pair<void (Editor::*)(), std::string> loads[] = {
        {&Editor::LoadFrequencyResponse, "DFT Frequency Response\n10.0\t85.3\n"},
        {&Editor::LoadGroupDelay, "1\t2\n"},
        {&Editor::LoadImpulsDat, "x y\nz\n"},
        {&Editor::LoadImpulsImp, "h\nh\nh\nno number\n"},
        {&Editor::LoadZielfunktion, ""},
    };
    for (const auto& [command, content] : loads) {
        ui.messages.clear();
        ui.fileAnswers.push_back(dir.Write("bad.dat", content));
        (editor.*command)();
        EXPECT_EQ(ui.messages.size(), 1u) << content;
        for (int d = 0; d < kDiagramCount; ++d)
            for (int k = 1; k <= 4; ++k) {
                const CurveSlot& now = ws[static_cast<DiagramId>(d)].Slot(k);
                const CurveSlot& was = before[static_cast<DiagramId>(d)].Slot(k);
                EXPECT_EQ(now.points, was.points) << content << " diagram " << d << " slot " << k;
                EXPECT_EQ(now.name, was.name);
                EXPECT_EQ(now.marked, was.marked);
            }
    }
}

// --- Save commands -----------------------------------------------------------

struct SaveCase {
    const char* name;
    void (Editor::*command)();
    const char* filter;
    std::string bytes;
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << c.name;
}

class SaveTest : public EditorCommands, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveTest, WritesSlotOneInItsFormat) {
    const SaveCase& c = GetParam();
    ws.CurrentDiagram = GroupDelayDiagram;
    SetSlot(ws.Current(), 1, "h", {{0, 0.5}, {1, -0.25}});
    SetSlot(ws.Current(), 2, "not me", {{0, 7}});
    const std::string file = dir.File("out.dat");
    ui.fileAnswers.push_back(dir.File("out"));  // the filter's extension is added
    (editor.*c.command)();
    EXPECT_EQ(ui.filters, (std::vector<std::string>{c.filter}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ReadBytes(file), c.bytes);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out")));

    // Cancel writes nothing; an empty name or an empty slot 1 is refused.
    std::filesystem::remove(file);
    ui.fileAnswers = {std::nullopt, std::string(), file};
    (editor.*c.command)();
    EXPECT_TRUE(ui.messages.empty());
    (editor.*c.command)();
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Fehler beim Speichern"}));
    ClearSlot(ws.Current(), 1);
    (editor.*c.command)();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(view.repaints, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, SaveTest,
    ::testing::Values(SaveCase{"XY", &Editor::SaveXY, kSaveFilterXY,
                               " 0.00000000000000E+0000   5.00000000000000E-0001\r\n"
                               " 1.00000000000000E+0000  -2.50000000000000E-0001\r\n"},
                      SaveCase{"Y", &Editor::SaveY, kSaveFilterY,
                               "0.50000000000000,\r\n-0.25000000000000\r\n"},
                      SaveCase{"YI", &Editor::SaveYI, kSaveFilterY,
                               "0.50000000000000,\r\n0.50000000000000,\r\n"
                               "-0.25000000000000,\r\n-0.25000000000000\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Execute -----------------------------------------------------------------

struct ExecuteCase {
    const char* name;
    DiagramId diagram;
    const char* refusal;  // what the chosen variant says without curves; nullptr: none runs
};

void PrintTo(const ExecuteCase& c, std::ostream* os) {
    *os << c.name;
}

class ExecuteTest : public EditorCommands, public ::testing::WithParamInterface<ExecuteCase> {};

constexpr const char* kEqRefusal = "noch keine Kurve fuer Amplitudenequalizing geladen.";
constexpr const char* kRoomRefusal = "noch keine Frequenz-Kurve fuer Roomequalizing geladen.";

TEST_P(ExecuteTest, CurrentDiagramChoosesTheVariant) {
    const ExecuteCase& c = GetParam();
    ws.CurrentDiagram = c.diagram;
    editor.MenuExecuteClick();
    EXPECT_EQ(ui.messages,
              c.refusal ? std::vector<std::string>{c.refusal} : std::vector<std::string>{});
    EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(ws.CurrentDiagram, c.diagram);
    EXPECT_EQ(view.repaints, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, ExecuteTest,
    ::testing::Values(ExecuteCase{"FrequencyResponse", FrequencyResponseDiagram, kEqRefusal},
                      ExecuteCase{"GroupDelay", GroupDelayDiagram, kEqRefusal},
                      ExecuteCase{"ImpulseResponse", ImpulseResponseDiagram, kEqRefusal},
                      ExecuteCase{"FrequencyRoom", FrequencyRoomDiagram, kRoomRefusal},
                      ExecuteCase{"FrequencyResponseHigh", FrequencyResponseHighDiagram, nullptr},
                      ExecuteCase{"FrequencyResponseLow", FrequencyResponseLowDiagram, nullptr},
                      ExecuteCase{"DelayRoom", DelayRoomDiagram, nullptr},
                      ExecuteCase{"ImpulsRoom", ImpulsRoomDiagram, nullptr},
                      ExecuteCase{"FilterRoom", FilterRoomDiagram, nullptr},
                      ExecuteCase{"ImpulsHigh", ImpulsHighDiagram, nullptr},
                      ExecuteCase{"ImpulsLow", ImpulsLowDiagram, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorCommands, ExecuteRunsOnlyTheChosenVariant) {
    // Short filters keep the run quick; the lengths follow the profile.
    profile.eqTapCount = 63;
    profile.roomTapCount = 31;
    profile.eqSampleRate = profile.roomSampleRate = 48000;
    for (DiagramId id : {FrequencyResponseDiagram, GroupDelayDiagram, FrequencyRoomDiagram,
                         DelayRoomDiagram, FrequencyResponseHighDiagram})
        CreateDesiredCurve(ws, id, 20);

    ws.CurrentDiagram = GroupDelayDiagram;
    editor.MenuExecuteClick();
    EXPECT_EQ(ws[ImpulseResponseDiagram].Slot(1).points.size(), 64u);
    EXPECT_EQ(ws[ImpulseResponseDiagram].Slot(1).name, "impuls");
    EXPECT_EQ(ws[GroupDelayDiagram].Slot(2).name, "real");
    EXPECT_TRUE(ws[FilterRoomDiagram].Slot(1).points.empty());
    EXPECT_TRUE(ws[FrequencyRoomDiagram].Slot(2).points.empty());

    ws.CurrentDiagram = FrequencyRoomDiagram;
    const PointList eqFilter = ws[ImpulseResponseDiagram].Slot(1).points;
    editor.MenuExecuteClick();
    EXPECT_EQ(ws[FilterRoomDiagram].Slot(1).points.size(), 32u);
    EXPECT_EQ(ws[FrequencyRoomDiagram].Slot(2).name, "real");
    EXPECT_EQ(ws[ImpulseResponseDiagram].Slot(1).points, eqFilter);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ws.ProcessingLength, 1800);
}

// --- Undo brings back the view of the restored diagram -----------------------

struct UndoViewCase {
    const char* name;
    MenuId view;                  // the view command of the diagram changed
    std::optional<bool> roomBox;  // after undo; nullopt: as it was
};

void PrintTo(const UndoViewCase& c, std::ostream* os) {
    *os << c.name;
}

class UndoViewTest : public EditorCommands, public ::testing::WithParamInterface<UndoViewCase> {};

TEST_P(UndoViewTest, RoomBoxAsTheViewTableHasIt) {
    const UndoViewCase& c = GetParam();
    for (bool boxBefore : {false, true}) {
        editor.ViewCommand(c.view);
        const DiagramId changed = ws.CurrentDiagram;
        SetSlot(ws.Current(), 1, "before", {{1, boxBefore ? 1.0 : 2.0}});
        editor.Run([&] { editor.MenuNewClick(); });
        // Another view, with the box the other way round from where undo must put it.
        editor.ViewCommand(boxBefore ? MenuId::MenuViewDelayRoom : MenuId::MenuViewGroupDelay);
        ASSERT_EQ(view.roomBox, boxBefore);
        editor.MenuUndoClick();
        EXPECT_EQ(ws.CurrentDiagram, changed);
        EXPECT_EQ(view.roomBox, c.roomBox.value_or(boxBefore)) << boxBefore;
        editor.ViewCommand(boxBefore ? MenuId::MenuViewDelayRoom : MenuId::MenuViewGroupDelay);
        editor.MenuRedoClick();
        EXPECT_EQ(ws.CurrentDiagram, changed);
        EXPECT_EQ(view.roomBox, c.roomBox.value_or(boxBefore)) << boxBefore;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Editor, UndoViewTest,
    ::testing::Values(UndoViewCase{"FrequencyRoom", MenuId::MenuViewFrequencyRoom, true},
                      UndoViewCase{"FilterRoom", MenuId::ImpulsRoom, true},
                      UndoViewCase{"FrequencyResponse", MenuId::MenuViewFrequencyResponse, false},
                      UndoViewCase{"AmCorCurveLow", MenuId::MenuViewAmCorLow, false},
                      UndoViewCase{"ImpulsResponseLeavesIt", MenuId::MenuViewImpulsResponse,
                                   std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qv
