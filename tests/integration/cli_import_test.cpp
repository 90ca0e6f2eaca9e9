// quorvane-cli import as a script runs it: the report on standard error,
// XY-Format files out, exit 0, 1 (not a measurement, nothing written) or 2
// (bad options).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "curves/curve_files.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

using test::TempDir;

using Outcome = test::ProgramRun;
Outcome RunTool(const std::string& args) {
    return test::RunCli(args);
}
Outcome Cli(const std::string& args) {
    return RunTool("--lang en import " + args);
}

struct CliCase {
    const char* name;
    std::string file;     // content of in.txt
    std::string options;  // after the file
    int status;
    const char* says;  // a part of the output
    bool levelWritten, delayWritten;
};

class CliImportTest : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliImportTest, StatusOutputAndFiles) {
    const CliCase& c = GetParam();
    TempDir dir;
    const auto in = dir.Write("in.txt", c.file);
    const auto level = dir.File("level.dat"), delay = dir.File("delay.dat");
    const Outcome o = Cli(in + " " + c.options + " --level " + level + " --group-delay " + delay);
    EXPECT_EQ(o.status, c.status) << o.output;
    EXPECT_NE(o.output.find(c.says), std::string::npos) << o.output;
    EXPECT_EQ(std::filesystem::exists(level), c.levelWritten);
    EXPECT_EQ(std::filesystem::exists(delay), c.delayWritten);
}

const std::string kResponse = "Freq\tdB\tPhase\n100\t80\t0\n200\t81\t-36\n300\t82\t-72\n";
const std::string kImpulse = "0\n0\n1\n0.5\n0.25\n0.125\n0\n0\n0\n0\n0\n0\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, CliImportTest,
    ::testing::Values(
        CliCase{"response", kResponse, "", 0, "Level: 3 points, 100 Hz to 300 Hz.", true, true},
        CliCase{"textImpulse", kImpulse, "--rate 48000", 0, "Group delay:", true, true},
        CliCase{"notAMeasurement", "Filter  1: ON  PK  Fc 46,4 Hz\n", "", 1, "is not a measurement",
                false, false},
        // The level is still written; the missing delay is said, not a failure.
        CliCase{"noGroupDelay", "100 1\n200 2\n", "", 0, "no group delay was written", true, false},
        CliCase{"pairNotThere", kResponse, "--column 2", 2, "Column pair 2 is not there", false,
                false},
        CliCase{"rateMissing", kImpulse, "", 2, "give the sample rate", false, false},
        CliCase{"badGate", kImpulse, "--rate 48000 --gate 5:1", 2, "--gate takes T1:T2", false,
                false},
        CliCase{"gateOnResponse", kResponse, "--gate 0:1", 2, "impulses only", false, false},
        CliCase{"negativeRate", kImpulse, "--rate -5", 2, "--rate", false, false},
        CliCase{"unknownOption", kResponse, "--colour 2", 2, "--colour", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliImport, WritesXYFormatTheEditorReads) {
    TempDir dir;
    const auto in = dir.Write("in.txt", kResponse);
    ASSERT_EQ(
        Cli(in + " --level " + dir.File("l.dat") + " --group-delay " + dir.File("g.dat")).status,
        0);
    test::ScriptedUserInterface ui;
    EXPECT_EQ(ReadXYFile(dir.File("l.dat"), ui), (PointList{{100, 80}, {200, 81}, {300, 82}}));
    const PointList delay = ReadXYFile(dir.File("g.dat"), ui);
    ASSERT_EQ(delay.size(), 3u);
    for (const auto& p : delay) EXPECT_NEAR(p.y, -1.0, 1e-12);
    EXPECT_TRUE(ui.messages.empty());
}

// The help and CLI11's usage errors read in one language throughout: the
// tool's frame as well as the options' own texts.
TEST(CliHelp, ShowsNoTextOfTheOtherLanguage) {
    const struct {
        const char* lang;
        std::vector<const char*> foreign;
    } cases[] = {
        {"de",
         {"Usage:", "Options:", "Print this help", "REQUIRED", "write the filter here",
          "is required", "Run with --help"}},
        {"en", {"Aufruf:", "Optionen:", "Diese Hilfe", "PFLICHT", "hierhin schreiben", "fehlt"}},
    };
    const struct {
        const char* args;
        int status;
        const char* shows;  // a part of the output in either language
    } commands[] = {
        {"dsp write-filter --help", 0, "-h,--help"},
        {"synth --help", 0, "--fit-headroom"},
        {"dsp ping", 2, "--port"},
    };
    for (const auto& c : cases) {
        for (const auto& command : commands) {
            const Outcome out = RunTool(std::string("--lang ") + c.lang + " " + command.args);
            ASSERT_EQ(out.status, command.status) << out.output;
            ASSERT_NE(out.output.find(command.shows), std::string::npos) << out.output;
            for (const char* text : c.foreign)
                EXPECT_EQ(out.output.find(text), std::string::npos)
                    << c.lang << " " << command.args << ": " << text;
        }
    }
}

}  // namespace
}  // namespace qv
