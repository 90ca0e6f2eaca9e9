// File -> "Export Filter...": the dialog's rules and the command on a
// workspace, with Cancel and a missing level.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/export_filter.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

TEST(ExportDialogRules, ReadsRatesAndLengthOrSaysWhatIsWrong) {
    const struct {
        const char* rates;
        const char* taps;
        std::vector<double> expected;  // empty: refused
        bool tapsOk;
    } cases[] = {
        {"44100, 48000;48000 96000", "65536", {44100, 48000, 96000}, true},
        {"44.1", "4096", {}, true},
        {"44,1", "4096", {}, true},
        {"", "4096", {}, true},
        {"768001", "4096", {}, true},
        {"48000", "4096.5", {48000}, false},
        {"48000", "65537", {48000}, false},
        {"48000", "x", {48000}, false},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        ExportDialogRules r;
        r.folder = dir.path().string();
        r.ratesText = c.rates;
        r.tapsText = c.taps;
        EXPECT_EQ(r.Rates().value_or(std::vector<double>{}), c.expected) << c.rates;
        EXPECT_EQ(r.Taps().has_value(), c.tapsOk) << c.taps;
        EXPECT_EQ(r.Problem().empty(), !c.expected.empty() && c.tapsOk) << c.rates << c.taps;
    }
    ExportDialogRules r;
    r.folder = dir.File("missing");
    EXPECT_EQ(r.Problem(), "Folder: no such folder");
}

struct ExportCommand : ::testing::Test {
    test::TempDir dir;
    test::ScriptedUserInterface ui;
    Workspace ws;
    ExportDialogRules rules;
    ExportCommand() {
        rules.folder = dir.path().string();
        rules.name = "room";
        rules.format = ExportFormat::Float64;
        rules.ratesText = "44100 48000";
        rules.tapsText = "4096";
        SetCurve(ws, FrequencyResponseDiagram, CurveRole::Desired, "desired", {{0, 0}, {24000, 0}});
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()));
    }
};

TEST_F(ExportCommand, WritesOneFilePerRateAndTheUsageText) {
    const ExportOutcome out = RunExportFilter(ws, rules, ui);
    ASSERT_TRUE(out.written);
    EXPECT_EQ(out.files, rules.Files());
    EXPECT_EQ(FilesInFolder(), 3u);
    EXPECT_EQ(test::ReadBytes(dir.File("room_48000.f64")).size(), 4096u * 8);
    EXPECT_EQ(test::ReadBytes(dir.File("room_usage.txt")), out.notes);
    ASSERT_EQ(ui.statusLines.size(), 1u);
    EXPECT_NE(ui.statusLines[0].find("latency 2048 samples"), std::string::npos);
    EXPECT_EQ(ui.progressEnds, 1);
}

TEST_F(ExportCommand, CancelOrNoLevelWritesNothing) {
    ui.cancelAt = 0.5;
    EXPECT_FALSE(RunExportFilter(ws, rules, ui).written);
    EXPECT_EQ(ui.progressEnds, 1);
    ClearCurve(ws, FrequencyResponseDiagram, CurveRole::Desired);
    EXPECT_FALSE(RunExportFilter(ws, rules, ui).written);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"noch keine Kurve fuer Amplitudenequalizing geladen."});
    EXPECT_EQ(FilesInFolder(), 0u);
}

}  // namespace
}  // namespace qv
