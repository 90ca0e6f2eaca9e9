#include "app/correction_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/test_support.h"

namespace qv {
namespace {

// The start-up step reads from the working directory; each test runs in a
// fresh one and returns to the old one.
class InTempDir : public ::testing::Test {
  protected:
    void SetUp() override {
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.path());
        std::filesystem::create_directories(dir_.path() / "akt");
    }
    void TearDown() override { std::filesystem::current_path(old_); }
    std::string Fallback() const { return dir_.File("akt/impuls.cfg"); }
    test::TempDir dir_;
    std::filesystem::path old_;
};

TEST_F(InTempDir, AllFilesPresent) {
    dir_.Write("impuls.cfg", "x\n");
    dir_.Write("amlin.cor", "10 1\r\n20000 2\r\n");
    dir_.Write("amlow.cor", "10 -1\n");
    dir_.Write("amroom.cor", "20 3\n200 4\n");
    Workspace ws;
    test::ScriptedUserInterface ui;
    LoadProcessingFiles(ws, ui, Fallback());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ws[FrequencyResponseHighDiagram].Slot(1).name, "amlin.cor");
    EXPECT_EQ(ws[FrequencyResponseHighDiagram].Slot(1).points, (PointList{{10, 1}, {20000, 2}}));
    EXPECT_EQ(ws[FrequencyResponseLowDiagram].Slot(1).name, "amlow.cor");
    EXPECT_EQ(ws[FrequencyRoomDiagram].Slot(1).name, "amroom.cor");
    EXPECT_EQ(ws[FrequencyRoomDiagram].Slot(1).points.size(), 2u);
}

TEST_F(InTempDir, OnlyTheFallbackConfiguration) {
    dir_.Write("akt/impuls.cfg", "");
    Workspace ws;
    test::ScriptedUserInterface ui;
    LoadProcessingFiles(ws, ui, Fallback());
    ASSERT_GE(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Fehler beim Zugriff auf impuls.cfg !");
}

TEST_F(InTempDir, NothingPresentGivesEightMessages) {
    Workspace ws;
    test::ScriptedUserInterface ui;
    LoadProcessingFiles(ws, ui, Fallback());
    const std::vector<std::string> expected = {
        "Fehler beim Zugriff auf impuls.cfg !", "Fehler beim Zugriff auf " + Fallback() + " !",
        "Fehler beim Zugriff auf amlin.cor !",  "Fehler beim Zugriff auf amlin.cor.",
        "Fehler beim Zugriff auf amlow.cor !",  "Fehler beim Zugriff auf amlow.cor.",
        "Fehler beim Zugriff auf amroom.cor !", "Fehler beim Zugriff auf amroom.cor.",
    };
    EXPECT_EQ(ui.messages, expected);
    EXPECT_TRUE(ws[FrequencyResponseHighDiagram].Slot(1).points.empty());
}

TEST_F(InTempDir, UnreadableCurveLeavesSlotEmptyAndOthersLoad) {
    dir_.Write("impuls.cfg", "");
    dir_.Write("amlin.cor", "");
    dir_.Write("amroom.cor", "100 2\n");
    Workspace ws;
    SetSlot(ws[FrequencyResponseHighDiagram], 1, "before", PointList{{1, 1}});
    ClearSlots(ws[FrequencyResponseHighDiagram]);
    test::ScriptedUserInterface ui;
    LoadProcessingFiles(ws, ui, Fallback());
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Fehler beim Zugriff auf amlow.cor !",
                                                     "Fehler beim Zugriff auf amlow.cor."}));
    EXPECT_TRUE(ws[FrequencyResponseHighDiagram].Slot(1).points.empty());
    EXPECT_EQ(ws[FrequencyRoomDiagram].Slot(1).points, (PointList{{100, 2}}));
}

TEST(ProcessingDefaults, TheFallbackConfiguration) {
    EXPECT_EQ(std::string(kConfigFallback), "/akt/impuls.cfg");
}

}  // namespace
}  // namespace qv
