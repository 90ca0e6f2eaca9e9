// The import command and its dialog rules without a window: what the dialog
// offers for each kind of file, what OK puts where, and that Cancel and
// refused files change nothing.

#include "app/import_measurement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>

#include "app/average_measurements.h"
#include "app/editor.h"
#include "diagram/shown_levels.h"
#include "project/sha256.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

using test::ScriptedUserInterface;
using test::TempDir;

class NoView : public EditorView {
  public:
    void RequestRepaint() override { ++repaints; }
    void SetRoomBoxVisible(bool) override {}
    int repaints = 0;
};

const std::string kResponse =
    "Freq\tdB\tPhase\n100\t80\t0\n200\t81\t-36\n300\t82\t-72\n400\t83\t-108\n";
const std::string kPairs = "100 80 100 70\n200 81 200 71\n300 82 300 72\n";
const std::string kImpulse = "0\n0\n0.5\n0.25\n0.125\n0.0625\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n";

struct OfferCase {
    const char* name;
    std::string text;
    bool pairs, channel, rate, gate, acceptsAtOnce;
    std::size_t pairCount;
};

class ImportDialogOffers : public ::testing::TestWithParam<OfferCase> {};

TEST_P(ImportDialogOffers, ChoicesFollowTheKindOfFile) {
    const OfferCase& c = GetParam();
    TempDir dir;
    ImportDialogRules rules(dir.Write("m.txt", c.text));
    EXPECT_EQ(rules.OffersPairs(), c.pairs);
    EXPECT_EQ(rules.OffersChannel(), c.channel);
    EXPECT_EQ(rules.OffersRate(), c.rate);
    EXPECT_EQ(rules.OffersGate(), c.gate);
    EXPECT_EQ(rules.PairChoices().size(), c.pairCount);
    EXPECT_FALSE(rules.CanAccept());  // nothing imported yet
    rules.Refresh();
    EXPECT_EQ(rules.CanAccept(), c.acceptsAtOnce) << rules.ReportText();
    EXPECT_NE(rules.ReportText().find("m.txt: "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportDialogOffers,
    ::testing::Values(OfferCase{"response", kResponse, true, false, false, false, true, 1},
                      OfferCase{"pairs", kPairs, true, false, false, false, true, 2},
                      OfferCase{"textImpulse", kImpulse, false, false, true, true, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImportDialogRules, RateAndGateFieldsDecideWhetherOkIsOffered) {
    TempDir dir;
    ImportDialogRules rules(dir.Write("ir.txt", kImpulse));
    rules.Refresh();
    EXPECT_NE(rules.ReportText().find("Give the sample rate"), std::string::npos);
    rules.SetRateText("48000x");
    EXPECT_TRUE(rules.stale());
    rules.Refresh();
    EXPECT_FALSE(rules.CanAccept());
    EXPECT_NE(rules.ReportText().find("positive number"), std::string::npos);
    rules.SetRateText("44100,0");  // a decimal comma is fine here
    rules.Refresh();
    ASSERT_TRUE(rules.CanAccept()) << rules.ReportText();
    EXPECT_EQ(rules.result().report.sampleRate, 44100.0);
    rules.SetGate(true, "5", "1");
    rules.Refresh();
    EXPECT_FALSE(rules.CanAccept());
    rules.SetGate(true, "-0.01", "0.2");
    rules.Refresh();
    ASSERT_TRUE(rules.CanAccept()) << rules.ReportText();
    EXPECT_NE(rules.ReportText().find("Gate -0.01 to 0.2 ms"), std::string::npos);
    // A change makes the result stale: OK waits for the next import.
    rules.SetRateText("48000");
    EXPECT_FALSE(rules.CanAccept());
    rules.SetGate(true, "1000", "2000");
    rules.Refresh();
    EXPECT_FALSE(rules.CanAccept());
    EXPECT_NE(rules.ReportText().find("outside the impulse"), std::string::npos);
    rules.SetGate(false, "", "");
    rules.SetFdw(true, "0.5");
    rules.Refresh();
    EXPECT_NE(rules.ReportText().find("1 to 1000 cycles"), std::string::npos);
    rules.SetFdw(true, "6");
    rules.Refresh();
    EXPECT_NE(rules.ReportText().find("6 cycles for the level and the group delay"),
              std::string::npos)
        << rules.ReportText();
    Workspace ws;
    RecordMeasurementSource(ws, rules);
    EXPECT_EQ(ws.Measurements.at(0).fdwCycles, 6.0);
}

// Which edits call for a new import: the gate's and the window's numbers
// only while they are on. Both dialogs' rules go by this.
TEST(ImpulseFields, OnlyEditsThatChangeTheImportMakeItStale) {
    const ImpulseFields base;
    struct Case {
        const char* what;
        std::function<void(ImpulseFields&)> edit;
        bool alike;
    };
    const Case cases[] = {
        {"nothing", [](ImpulseFields&) {}, true},
        {"rate", [](ImpulseFields& f) { f.rate = "48000"; }, false},
        {"gate on", [](ImpulseFields& f) { f.gateOn = true; }, false},
        {"gate times while off", [](ImpulseFields& f) { f.gateFrom = "-2"; }, true},
        {"window cycles while off", [](ImpulseFields& f) { f.fdwCycles = "6"; }, true},
        {"window on", [](ImpulseFields& f) { f.fdwOn = true; }, false},
    };
    for (const Case& c : cases) {
        ImpulseFields f = base;
        c.edit(f);
        EXPECT_EQ(ImportsAlike(base, f), c.alike) << c.what;
        AverageDialogRules rules;
        rules.SetFields(base);
        rules.Refresh();
        rules.SetFields(f);
        EXPECT_EQ(rules.stale(), !c.alike) << c.what;
    }
    ImpulseFields on = base;
    on.gateOn = on.fdwOn = true;
    for (auto field :
         {&ImpulseFields::gateFrom, &ImpulseFields::gateTo, &ImpulseFields::fdwCycles}) {
        ImpulseFields f = on;
        f.*field = "7";
        EXPECT_FALSE(ImportsAlike(on, f));
    }
}

TEST(ImportDialogRules, RefusedFileThrowsAtOnce) {
    TempDir dir;
    EXPECT_THROW(ImportDialogRules(dir.Write("x.txt", "Filter 1: ON PK Fc 46,4 Hz\n")),
                 ImportError);
    EXPECT_THROW(ImportDialogRules(dir.Write("e.txt", "")), ImportError);
}

class ImportCommand : public ::testing::Test {
  protected:
    ImportCommand() {
        CreateDiagramSet(ws);
        CreateDesiredCurve(ws, GroupDelayDiagram, 20);
        CreateDesiredCurve(ws, FrequencyResponseDiagram, 20);
        ws.CurrentDiagram = ImpulseResponseDiagram;
    }
    // Runs the menu command as the window does, through the command boundary.
    void Run(const std::function<bool(ImportDialogRules&)>& dialog) {
        editor.Run([&] { RunImportMeasurement(editor, dialog); });
    }
    Workspace ws;
    ScriptedUserInterface ui;
    MenuState menu;
    NoView view;
    DspProgramProfile profile;
    Editor editor{ws, ui, menu, view, profile};
    TempDir dir;
};

TEST_F(ImportCommand, OkPutsLevelAndGroupDelayIntoSlotThreeAsOneUndoStep) {
    ui.fileAnswers.push_back(dir.Write("tweeter.frd", kResponse));
    int dialogs = 0;
    Run([&](ImportDialogRules& rules) {
        ++dialogs;
        rules.Refresh();
        return true;
    });
    EXPECT_EQ(dialogs, 1);
    ASSERT_EQ(ui.filters.size(), 1u);
    EXPECT_EQ(ui.filters[0], kImportFilter);
    EXPECT_TRUE(ui.errors.empty());
    const auto& level = ws[FrequencyResponseDiagram].Slot(3);
    EXPECT_EQ(level.name, "tweeter.frd");
    EXPECT_EQ(level.points, (PointList{{100, 80}, {200, 81}, {300, 82}, {400, 83}}));
    const auto& delay = ws[GroupDelayDiagram].Slot(3);
    EXPECT_EQ(delay.name, "tweeter.frd");
    ASSERT_EQ(delay.points.size(), 4u);
    EXPECT_NEAR(delay.points[1].y, -1.0, 1e-12);
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).name, "desired");  // untouched
    EXPECT_EQ(ws.CurrentDiagram, FrequencyResponseDiagram);
    // The shown range holds the curve as drawn, relative to its band mean.
    const Diagram& d = ws[FrequencyResponseDiagram];
    const double offset = ShownOffsets(d)[2];
    EXPECT_GT(offset, 80.0);
    EXPECT_LE(d.xFrom, 100.0);
    EXPECT_GE(d.xTo, 400.0);
    EXPECT_LE(d.yFrom, 80.0 - offset);
    EXPECT_GE(d.yTo, 83.0 - offset);
    EXPECT_GT(view.repaints, 0);

    ASSERT_TRUE(editor.CanUndo());
    editor.MenuUndoClick();
    EXPECT_TRUE(ws[FrequencyResponseDiagram].Slot(3).points.empty());
    EXPECT_TRUE(ws[GroupDelayDiagram].Slot(3).points.empty());
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(ImportCommand, CancelAndRefusedFilesChangeNothing) {
    const auto before = CurveSnapshot::Take(ws);
    // Cancel in the file dialog.
    ui.fileAnswers.push_back(std::nullopt);
    Run([](ImportDialogRules&) -> bool { throw std::logic_error("no dialog expected"); });
    // Cancel in the import dialog.
    ui.fileAnswers.push_back(dir.Write("a.txt", kResponse));
    Run([](ImportDialogRules& rules) {
        rules.Refresh();
        return false;
    });
    // OK while the import failed (a text impulse without its rate).
    ui.fileAnswers.push_back(dir.Write("ir.txt", kImpulse));
    Run([](ImportDialogRules& rules) {
        rules.Refresh();
        return true;
    });
    EXPECT_TRUE(ui.errors.empty());
    // Not a measurement: one error box, no dialog.
    ui.fileAnswers.push_back(dir.Write("bin.dat", std::string("\0\1\2\3", 4)));
    Run([](ImportDialogRules&) -> bool { throw std::logic_error("no dialog expected"); });
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0], "quorvane: bin.dat is not a measurement: it is a binary file.");
    EXPECT_TRUE(CurveSnapshot::Take(ws).SameCurves(before));
    EXPECT_EQ(ws.CurrentDiagram, ImpulseResponseDiagram);
    EXPECT_FALSE(editor.CanUndo());
}

TEST_F(ImportCommand, ResponseWithoutPhaseEmptiesTheGroupDelaySlot) {
    // An earlier file's delay must not stay under the new file's level.
    SetSlot(ws[GroupDelayDiagram], 3, "earlier.frd", {{100, -1}, {200, -1}});
    ui.fileAnswers.push_back(dir.Write("mic.txt", "100 1\n200 2\n"));
    Run([](ImportDialogRules& rules) {
        rules.Refresh();
        return true;
    });
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(3).name, "mic.txt");
    EXPECT_TRUE(ws[GroupDelayDiagram].Slot(3).points.empty());
}

TEST_F(ImportCommand, AverageOfTwoFilesIsOneUndoStepAndSaysWhatItCannotDo) {
    const std::string a = dir.Write("seat1.frd", "100 80\n200 80\n400 80\n");
    const std::string b = dir.Write("seat2.frd", "100 70\n200 70\n400 70\n");
    SetSlot(ws[GroupDelayDiagram], 3, "earlier.frd", {{100, -1}, {200, -1}});
    ws.Measurements.push_back(
        {"/earlier.frd", "", "text response", 0, 0, {}, {}, {}, {"Group Delay:3"}, {}, {}, {}});
    std::string oneFile, vectorOfLevels;
    editor.Run([&] {
        RunAverageMeasurements(editor, [&](AverageDialogRules& rules) {
            rules.AddFiles({a});
            rules.Refresh();
            oneFile = rules.ReportText();
            rules.AddFiles({b, a});  // a second time adds nothing
            rules.SetMethod(AverageMethod::Vector);
            rules.Refresh();
            vectorOfLevels = rules.ReportText();
            rules.SetMethod(AverageMethod::Db);
            EXPECT_FALSE(rules.CanAccept());  // stale until averaged again
            rules.Refresh();
            return true;
        });
    });
    EXPECT_NE(oneFile.find("2 to 16"), std::string::npos) << oneFile;
    EXPECT_NE(vectorOfLevels.find("needs impulses"), std::string::npos) << vectorOfLevels;
    const CurveSlot& level = ws[FrequencyResponseDiagram].Slot(3);
    EXPECT_EQ(level.name, "average of 2 (dB)");
    ASSERT_EQ(level.points.size(), 97u);
    EXPECT_DOUBLE_EQ(level.points[10].y, 75.0);
    EXPECT_TRUE(ws[GroupDelayDiagram].Slot(3).points.empty());
    // The project keeps the average as its files, in place of the delay it emptied.
    ASSERT_EQ(ws.Measurements.size(), 1u);
    const MeasurementSource& source = ws.Measurements[0];
    EXPECT_EQ(source.averageMethod, "dB");
    ASSERT_EQ(source.inputs.size(), 2u);
    EXPECT_EQ(source.inputs[1].path, std::filesystem::absolute(b).lexically_normal().string());
    EXPECT_EQ(source.inputs[1].sha256, FileSha256(b));
    EXPECT_EQ(source.inputs[1].kind, "text response");
    EXPECT_EQ(source.curves, std::vector<std::string>{"Frequency Response:3"});
    editor.MenuUndoClick();
    EXPECT_TRUE(ws[FrequencyResponseDiagram].Slot(3).points.empty());
    EXPECT_EQ(ws[GroupDelayDiagram].Slot(3).name, "earlier.frd");
}

// The clipping message's button, as the editor runs "Execute": the target
// comes down by the named amount and the filter is made again, one undo step.
TEST(HeadroomButton, LowersTheTargetAndExecutesAgain) {
    struct Accepting : ScriptedUserInterface {
        std::vector<std::string> actions;
        bool Offer(const std::string& text, const std::string& action) override {
            messages.push_back(text);
            actions.push_back(action);
            return true;
        }
    } ui;
    Workspace ws;
    CreateDiagramSet(ws);
    CreateDesiredCurve(ws, GroupDelayDiagram, 20);
    CreateDesiredCurve(ws, FrequencyResponseDiagram, 20);
    for (CurvePoint& p : ws.Curve(FrequencyResponseDiagram, CurveRole::Desired).points) p.y = 12;
    SetSlot(ws[FrequencyResponseHighDiagram], 1, "amlin.cor", {{10, 0}, {24000, 0}});
    MenuState menu;
    NoView view;
    DspProgramProfile profile = DeriveProfile(1, 48000);
    Editor editor{ws, ui, menu, view, profile};
    editor.Run([&] { editor.MenuExecuteClick(); });
    ASSERT_EQ(ui.actions.size(), 1u) << "one offer: the second filter fits";
    EXPECT_NE(ui.actions[0].find("and Execute"), std::string::npos);
    double peak = 0;
    for (const CurvePoint& p : ws.Curve(ImpulseResponseDiagram, CurveRole::Impulse).points)
        peak = std::max(peak, std::fabs(p.y));
    EXPECT_LE(peak, 1.0);
    EXPECT_GT(peak, 0.9);
    EXPECT_LT(ws.Curve(FrequencyResponseDiagram, CurveRole::Desired).points.front().y, 12.0);
    editor.MenuUndoClick();
    EXPECT_EQ(ws.Curve(FrequencyResponseDiagram, CurveRole::Desired).points.front().y, 12.0);
}

}  // namespace
}  // namespace qv
