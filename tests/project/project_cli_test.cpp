// quorvane-cli project and synth --project: the summary, one curve out, the
// same filter as from curve files, and nothing written from a bad project.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "curves/curve_files.h"
#include "project/project_file.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

using Outcome = test::ProgramRun;

Outcome Cli(const std::string& args) {
    return test::RunCli("--lang en " + args);
}

class ProjectCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        level = dir.Write("level.dat", "20 0\n200 3.25\n2000 -1.5\n20000 0\n");
        delay = dir.Write("delay.dat", "20 0\n1000 -0.7\n20000 0\n");
        correction = std::string(QV_SOURCE_DIR) + "/data/demo/amlin.cor";
        test::ScriptedUserInterface ui;
        for (DiagramId id : {FrequencyResponseDiagram, FrequencyRoomDiagram})
            SetSlot(ws[id], 1, "desired", ReadXYFile(level, ui));
        for (DiagramId id : {GroupDelayDiagram, DelayRoomDiagram})
            SetSlot(ws[id], 1, "desired", ReadXYFile(delay, ui));
        SetSlot(ws[FrequencyResponseHighDiagram], 1, "amlin.cor", ReadXYFile(correction, ui));
        ws.EqDesign = {1799, 48000};
        ws.RoomDesign = {899, 6000};
        ws.RoomDepth = 350;
        ws.RoomWidth = 420;
        ws.Title = "Studio A";
        MeasurementSource average;
        average.averageMethod = "power";
        average.inputs.resize(2);
        average.inputs[0].path = level;
        average.inputs[1].path = delay;
        average.curves = {"Frequency Response:3"};
        ws.Measurements.push_back(average);
        project = dir.File("p.qvproj");
        SaveProject(ws, project);
    }
    test::TempDir dir;
    Workspace ws;
    std::string level, delay, correction, project;
};

TEST_F(ProjectCliTest, SynthFromProjectIsTheSameFileAsFromCurveFiles) {
    for (const std::string variant : {"eq", "room"}) {
        const std::string fromFiles = dir.File(variant + "-files.dat");
        const std::string fromProject = dir.File(variant + "-project.dat");
        const Outcome a =
            Cli("synth --variant " + variant + " --level " + level + " --delay " + delay +
                " --correction " + correction + " --depth 350 --width 420 --filter " + fromFiles);
        ASSERT_EQ(a.status, 0) << a.output;
        const Outcome b = Cli("synth --project " + project + " --variant " + variant +
                              " --filter " + fromProject);
        ASSERT_EQ(b.status, 0) << b.output;
        const std::string bytes = test::ReadBytes(fromFiles);
        EXPECT_GT(bytes.size(), 800u * 48);
        EXPECT_TRUE(bytes == test::ReadBytes(fromProject)) << variant;
    }
}

TEST_F(ProjectCliTest, SummaryAndOneCurve) {
    const Outcome s = Cli("project " + project);
    ASSERT_EQ(s.status, 0) << s.output;
    for (const char* says : {"Title: Studio A", "  Frequency Response\n    1 \"desired\": 4 points",
                             "depth 350 cm, width 420 cm", "1799 taps at 48000 Hz",
                             "average of 2 (power):", "/delay.dat (", "-> Frequency Response:3"})
        EXPECT_NE(s.output.find(says), std::string::npos) << says << "\n" << s.output;

    const std::string out = dir.File("curve.dat");
    const Outcome c = Cli("project " + project + " --curve \"Group Delay:1\" --out " + out);
    ASSERT_EQ(c.status, 0) << c.output;
    const std::string expected = dir.File("expected.dat");
    test::ScriptedUserInterface ui;
    WriteXYFile(expected, ws[GroupDelayDiagram].Slot(1).points, ui);
    EXPECT_EQ(test::ReadBytes(out), test::ReadBytes(expected));

    EXPECT_EQ(Cli("project " + project + " --curve \"Group Delay:2\" --out " + out).status, 1);
    EXPECT_EQ(Cli("project " + project + " --curve \"Nothing:1\" --out " + out).status, 2);
}

TEST_F(ProjectCliTest, DamagedOrNewerProjectWritesNothing) {
    const std::string text = test::ReadBytes(project);
    const std::string damaged = dir.Write("damaged.qvproj", text.substr(0, text.size() - 40));
    std::string newer = text;
    newer.replace(newer.find("\"version\": 1"), 12, "\"version\": 9");
    const std::string future = dir.Write("future.qvproj", newer);
    for (const auto& [file, says] :
         {std::pair{damaged, "damaged.qvproj: the file ends too early"},
          std::pair{future, "future.qvproj: was written by a newer program"}}) {
        const std::string out = dir.File("never.dat");
        const Outcome o = Cli("synth --project " + file + " --filter " + out);
        EXPECT_EQ(o.status, 1);
        EXPECT_NE(o.output.find(says), std::string::npos) << o.output;
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_EQ(Cli("project " + file).status, 1);
    }
}

}  // namespace
}  // namespace qv
