#include "measurements/response_cleanup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "tests/measurements/known_systems.h"

namespace qv {
namespace {

struct CleanCase {
    const char* name;
    std::string text;
    PointList level;
    PointList groupDelay;
    // report: dropped at or below 0 Hz, dropped not finite, merged, sorted
    std::size_t nonPositive, notFinite, merged;
    bool sorted;
};

const double kMergedDb = 10.0 * std::log10((1.0 + 10.0) / 2.0);

class CleanUpTest : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanUpTest, DropsSortsAndMergesWithOneReport) {
    const CleanCase& c = GetParam();
    const auto m = ImportMeasurementText(c.text, "c.txt");
    ASSERT_EQ(m.level.size(), c.level.size()) << m.report.Text();
    for (std::size_t i = 0; i < c.level.size(); ++i) {
        EXPECT_EQ(m.level[i].x, c.level[i].x);
        EXPECT_NEAR(m.level[i].y, c.level[i].y, 1e-12);
    }
    ASSERT_EQ(m.groupDelay.size(), c.groupDelay.size());
    for (std::size_t i = 0; i < c.groupDelay.size(); ++i)
        EXPECT_NEAR(m.groupDelay[i].y, c.groupDelay[i].y, 1e-9);
    EXPECT_EQ(m.report.droppedNonPositive, c.nonPositive);
    EXPECT_EQ(m.report.droppedNotFinite, c.notFinite);
    EXPECT_EQ(m.report.mergedRepeated, c.merged);
    EXPECT_EQ(m.report.sorted, c.sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CleanUpTest,
    ::testing::Values(
        CleanCase{"zeroAndNegativeHz",
                  "0 0\n-10 5\n100 1\n200 2\n",
                  {{100, 1}, {200, 2}},
                  {},
                  2,
                  0,
                  0,
                  false},
        CleanCase{
            "sorted", "300 3\n100 1\n200 2\n", {{100, 1}, {200, 2}, {300, 3}}, {}, 0, 0, 0, true},
        CleanCase{"repeatedMergedInPower",
                  "100 0\n100 10\n200 2\n",
                  {{100, kMergedDb}, {200, 2}},
                  {},
                  0,
                  0,
                  1,
                  false},
        CleanCase{"nanAndInfDropped",
                  "100 1\n150 nan\n170 inf\nNaN 3\n200 2\n300 -Infinity\n",
                  {{100, 1}, {200, 2}},
                  {},
                  0,
                  4,
                  0,
                  false},
        CleanCase{"nanPhaseDropsTheRow",
                  "100 1 0\n150 2 nan\n200 2 -36\n300 3 -72\n",
                  {{100, 1}, {200, 2}, {300, 3}},
                  // -36 degrees per 100 Hz: a delay of 1 ms, read as -1 ms
                  {{100, -1}, {200, -1}, {300, -1}},
                  0,
                  1,
                  0,
                  false},
        CleanCase{"zeroPhaseIsNoPhase",
                  "100 1 0\n200 2 0\n300 3 0\n",
                  {{100, 1}, {200, 2}, {300, 3}},
                  {},
                  0,
                  0,
                  0,
                  false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CleanUp, ZeroPhaseColumnIsReported) {
    const auto m = ImportMeasurementText("100 1 0\n200 2 0\n", "z.frd");
    EXPECT_TRUE(m.report.phaseAllZero);
    EXPECT_NE(m.report.Text().find("zero everywhere"), std::string::npos);
}

TEST(GroupDelayFromPhase, UnwrapsAndDifferencesOnAnyGrid) {
    // A delay of 2.5 ms on an uneven grid, phase wrapped into (-pi, pi].
    const std::vector<double> f = {10, 11, 40, 41, 95, 250, 300, 301, 302, 480};
    std::vector<double> phase;
    for (double x : f)
        phase.push_back(std::remainder(-2 * std::numbers::pi * x * 0.0025, 2 * std::numbers::pi));
    for (double d : GroupDelayFromPhase(f, phase)) EXPECT_NEAR(d, -2.5, 1e-9);
    // Phase rising with frequency reads positive (an advance).
    EXPECT_NEAR(GroupDelayFromPhase(std::vector<double>{100, 200}, std::vector<double>{0, 0.2})[0],
                1000.0 * 0.2 / (2 * std::numbers::pi * 100), 1e-12);
}

TEST(ReduceOnLogGrid, KeepsTheBandAndAveragesInPower) {
    // 20 000 rows on a linear grid: a level step at 1 kHz and two alternating
    // levels above 5 kHz whose power mean is known.
    std::vector<double> f, level, delay;
    for (int i = 1; i <= 20000; ++i) {
        f.push_back(i);
        level.push_back(i < 1000 ? 0.0 : i < 5000 ? 6.0 : (i % 2 ? 0.0 : 10.0));
        delay.push_back(i < 1000 ? -1.0 : -2.0);
    }
    const auto r = ReduceOnLogGrid(f, level, delay, kMaxImportPoints);
    ASSERT_LE(r.frequency.size(), kMaxImportPoints);
    EXPECT_GE(r.pointsPerOctave, 96.0);
    EXPECT_EQ(r.frequency.front(), 1.0);
    EXPECT_GT(r.frequency.back(), 19950.0);
    for (std::size_t i = 0; i < r.frequency.size(); ++i) {
        const double x = r.frequency[i];
        if (x < 990) {
            EXPECT_NEAR(r.level[i], 0.0, 1e-9) << x;
        }
        if (x > 1010 && x < 4990) {
            EXPECT_NEAR(r.level[i], 6.0, 1e-9) << x;
        }
        // Power averaging of 0 and 10 dB gives about 7.4 dB, never the 5 dB of
        // averaging the decibels.
        if (x > 5100) {
            EXPECT_NEAR(r.level[i], kMergedDb, 0.9) << x;
        }
        if (x < 990) {
            EXPECT_NEAR(r.delay[i], -1.0, 1e-12);
        }
        if (i > 0) {
            EXPECT_GT(x, r.frequency[i - 1]);
        }
    }
    // Where the rows are denser than the grid, neighbouring points keep the
    // grid's spacing: at least 96 points per octave between 10 and 20 kHz.
    const auto above10k = std::count_if(r.frequency.begin(), r.frequency.end(),
                                        [](double x) { return x >= 10000.0; });
    EXPECT_GE(above10k, 96);
}

TEST(CleanUp, LongFilesAreReducedNotCut) {
    std::string text = "Frequency(Hz)   Magnitude(dB)\r\n";
    for (int i = 0; i <= 16383; ++i) text += std::to_string(i * 1.3458) + "\t 80.0\r\n";
    const auto m = ImportMeasurementText(text, "long.frd");
    EXPECT_LE(m.level.size(), kMaxImportPoints);
    EXPECT_EQ(m.report.droppedNonPositive, 1u);
    EXPECT_EQ(m.report.reducedFrom, 16383u);
    EXPECT_EQ(m.report.reducedTo, m.level.size());
    EXPECT_NEAR(m.level.front().x, 1.3458, 1e-9);
    EXPECT_GT(m.level.back().x, 22000.0);
    for (const auto& p : m.level) EXPECT_NEAR(p.y, 80.0, 1e-9);
}

}  // namespace
}  // namespace qv
