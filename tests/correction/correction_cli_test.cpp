// quorvane-cli correct, smooth, synth --measured and dsp write-filter, run as
// the program itself.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "curves/curve_files.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

struct Cli : ::testing::Test {
    test::TempDir dir;
    test::ScriptedUserInterface ui;
    std::string measured;

    Cli() {
        // A speaker 85 dB with a 6 dB dip at 1 kHz; frequency and level in columns.
        std::string text = "Freq dB\n";
        for (double f = 20; f <= 20000; f *= std::exp2(1.0 / 12)) {
            const double o = std::log2(f / 1000);
            text += std::to_string(f) + " " + std::to_string(85 - 6 * std::exp(-8 * o * o)) + "\n";
        }
        measured = dir.Write("measured.txt", text);
    }
    test::ProgramRun last;
    int Run(const std::string& args) {
        last = test::RunCli("--lang en " + args);
        return last.status;
    }
    std::string Log() { return last.output; }
    bool Exists(const std::string& name) { return std::filesystem::exists(dir.File(name)); }
};

TEST_F(Cli, CorrectWritesTheClippedTarget) {
    ASSERT_EQ(Run("correct --measured " + measured +
                  " --from 100 --to 10000 --max-boost 4 "
                  "--level " +
                  dir.File("level.dat")),
              0)
        << Log();
    const PointList level = ReadXYFile(dir.File("level.dat"), ui);
    ASSERT_EQ(level.size(), 120u);
    double top = -100;
    for (const CurvePoint& p : level) {
        EXPECT_LE(p.y, 4.0);
        EXPECT_GE(p.y, -12.0);
        top = std::max(top, p.y);
        if (p.x < 100 / std::exp2(1.0 / 3) || p.x > 10000 * std::exp2(1.0 / 3)) {
            EXPECT_EQ(p.y, 0.0) << p.x;
        }
    }
    EXPECT_EQ(top, 4.0);  // the 6 dB dip is boosted up to the limit
}

TEST_F(Cli, BadInputsChangeNothing) {
    const std::string house = dir.Write("house.txt", "just words\n");
    const std::string sparse = dir.Write("sparse.txt", "1000 80\n50000 80\n");
    const struct {
        std::string args;
        int status;
        const char* says;
    } cases[] = {
        {"correct --measured " + measured + " --from 5000 --to 100 --level", 2, "from < to"},
        {"correct --measured " + measured + " --max-cut -3 --level", 2, "cut limit"},
        {"correct --measured " + measured + " --max-boost six --level", 2, "six"},
        {"correct --measured " + measured + " --smooth 5 --level", 2, "1, 2, 3, 6"},
        {"correct --measured " + measured + " --target " + house + " --level", 1,
         "not a measurement"},
        {"correct --measured " + sparse + " --from 2000 --level", 1, "fewer than 2 points"},
        {"correct --measured " + measured + " --target " + house + " --tilt 1 --level", 2,
         "excludes"},
        {"smooth --fraction 4 " + measured + " --out", 2, "fraction"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args + " " + dir.File("out.dat")), c.status) << c.args << "\n" << Log();
        EXPECT_NE(Log().find(c.says), std::string::npos) << c.args << "\n" << Log();
        EXPECT_FALSE(Exists("out.dat")) << c.args;
    }
}

TEST_F(Cli, SmoothThenSynthPredictsAFlatResult) {
    ASSERT_EQ(Run("smooth --fraction 48 " + measured + " --out " + dir.File("smooth.dat")), 0)
        << Log();
    EXPECT_EQ(ReadXYFile(dir.File("smooth.dat"), ui).size(), 120u);
    ASSERT_EQ(Run("correct --measured " + measured + " --smooth 0 --from 100 --to 10000 --level " +
                  dir.File("level.dat")),
              0);
    const std::string flat = dir.Write("flat.dat", "0 0\n24000 0\n");
    const std::string cor = std::string(QV_SOURCE_DIR) + "/data/demo/amlin.cor";
    ASSERT_EQ(Run("synth --variant eq --level " + dir.File("level.dat") + " --delay " + flat +
                  " --correction " + cor + " --filter " + dir.File("filter.dat") + " --measured " +
                  measured + " --predicted " + dir.File("predicted.dat")),
              0)
        << Log();
    EXPECT_NE(Log().find("peak coefficient 0.9"), std::string::npos) << Log();
    double lo = 1e9, hi = -1e9;
    for (const CurvePoint& p : ReadXYFile(dir.File("predicted.dat"), ui))
        if (p.x >= 100 && p.x <= 10000) lo = std::min(lo, p.y), hi = std::max(hi, p.y);
    EXPECT_LT(hi - lo, 0.5);  // the 6 dB dip is gone
}

TEST_F(Cli, SynthWithoutADelayFitsTheHeadroomInOneStep) {
    const std::string loud = dir.Write("loud.dat", "10 12\n24000 12\n");
    const std::string cor = std::string(QV_SOURCE_DIR) + "/data/demo/amlin.cor";
    const std::string args = "synth --variant eq --level " + loud + " --correction " + cor +
                             " --filter " + dir.File("filter.dat");
    ASSERT_EQ(Run(args), 0) << Log();
    EXPECT_NE(Log().find("--fit-headroom"), std::string::npos) << Log();
    ASSERT_EQ(Run(args + " --fit-headroom"), 0) << Log();
    EXPECT_NE(Log().find("target lowered by"), std::string::npos) << Log();
    double peak = 0;
    for (const CurvePoint& p : ReadXYFile(dir.File("filter.dat"), ui))
        peak = std::max(peak, std::fabs(p.y));
    EXPECT_LE(peak, 1.0);
    EXPECT_GT(peak, 0.95);
}

TEST_F(Cli, ImportAndAverageSayWhatTheyCannotDo) {
    // A level without a phase still gives its level; the missing delay is said.
    ASSERT_EQ(Run("import " + measured + " --level " + dir.File("l.dat") + " --group-delay " +
                  dir.File("g.dat")),
              0)
        << Log();
    EXPECT_TRUE(Exists("l.dat"));
    EXPECT_FALSE(Exists("g.dat"));
    EXPECT_NE(Log().find("no group delay was written"), std::string::npos) << Log();
    // Standard error is a file here: progress comes as a line for each tenth.
    std::size_t lines = 0;
    for (std::size_t at = Log().find("Import: "); at != std::string::npos;
         at = Log().find("Import: ", at + 1), ++lines) {
        const int percent = std::atoi(Log().c_str() + at + 8);
        EXPECT_EQ(percent % 10, 0) << Log();
    }
    EXPECT_GE(lines, 1u);
    EXPECT_LE(lines, 11u);

    const std::string high = dir.Write("high.txt", "Freq dB\n30000 80\n40000 81\n");
    const struct {
        std::string args;
        int status;
        const char* says;
    } cases[] = {
        {"average " + measured, 1, "2 to 16"},
        {"average " + measured + " " + measured + " --method vector", 1, "needs impulses"},
        {"average " + measured + " " + high, 1, "share no frequency range"},
        {"average " + measured + " " + measured + " --group-delay " + dir.File("g.dat"), 2,
         "--method vector"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args + " --level " + dir.File("out.dat")), c.status) << c.args << Log();
        EXPECT_NE(Log().find(c.says), std::string::npos) << c.args << "\n" << Log();
        EXPECT_FALSE(Exists("out.dat")) << c.args;
    }
    ASSERT_EQ(
        Run("average " + measured + " " + measured + " --method db --level " + dir.File("out.dat")),
        0)
        << Log();
    EXPECT_EQ(ReadXYFile(dir.File("out.dat"), ui).back().y,
              ReadXYFile(dir.File("l.dat"), ui).back().y);
}

TEST_F(Cli, WriteFilterRefusesAClippingFilterBeforeAnyTraffic) {
    const std::string filter = dir.Write("filter.dat", "0 0.5\n1 -1.25\n2 0.1\n");
    const std::string common = "dsp --port virtual --flash " + dir.File("flash.bin") +
                               " --program-dir " + QV_SOURCE_DIR + "/data/demo write-filter " +
                               "--set 1 --rate 48 ";
    EXPECT_EQ(Run(common + filter), 1);
    EXPECT_NE(Log().find("1.250"), std::string::npos) << Log();
    EXPECT_NE(Log().find("2.0 dB"), std::string::npos) << Log();
    EXPECT_FALSE(Exists("flash.bin"));  // the virtual box never ran
    EXPECT_EQ(Run(common + "--allow-clipping " + filter), 0) << Log();
    EXPECT_TRUE(Exists("flash.bin"));
}

}  // namespace
}  // namespace qv
