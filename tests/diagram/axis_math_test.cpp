#include "diagram/axis_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qv {
namespace {

TEST(AxisMath, LogarithmsUseTheDiagramConstant) {
    EXPECT_DOUBLE_EQ(DecimalLog(100.0), std::log(100.0) / 2.30258);
    EXPECT_LT(DecadePower(3), 1000.0);
    EXPECT_GT(DecadePower(3), 999.98);
    EXPECT_LT(DecadePower(1), 10.0);
    EXPECT_NEAR(DecadePower(4) * 3, 29999.39, 0.01);
}

TEST(AxisMath, PositionsFillTheWorldExtent) {
    const double lin = AxisScale(-120, 10, false);
    EXPECT_DOUBLE_EQ(AxisPosition(-120, -120, lin, false), 0.0);
    EXPECT_DOUBLE_EQ(AxisPosition(10, -120, lin, false), 1000.0);
    const double log = AxisScale(10, 30000, true);
    EXPECT_NEAR(AxisPosition(30000, 10, log, true), 1000.0, 1e-9);
    EXPECT_NEAR(AxisPosition(std::sqrt(10.0 * 30000), 10, log, true), 500.0, 1e-9);
}

struct StepCase {
    double from, to, major, minor;
};

TEST(AxisMath, ChooseTickStepExamples) {
    const StepCase cases[] = {
        {0, 100, 20, 4},         {-120, 10, 30, 6}, {0, 1, 0.2, 0.04},   {-12, 8, 10, 2},
        {0, 20000, 10000, 2000}, {0, 7, 1, 0.2},    {0, 0.3, 0.1, 0.02},
    };
    for (const auto& c : cases) {
        const TickSteps s = ChooseTickStep(c.from, c.to);
        EXPECT_DOUBLE_EQ(s.major, c.major) << c.from << " ... " << c.to;
        EXPECT_DOUBLE_EQ(s.minor, c.minor) << c.from << " ... " << c.to;
    }
}

TEST(AxisMath, ChooseTickStepRefusesUnusableRanges) {
    for (auto [from, to] : {std::pair{5.0, 5.0}, {8.0, -3.0}, {0.0, INFINITY}, {NAN, 1.0}}) {
        const TickSteps s = ChooseTickStep(from, to);
        EXPECT_EQ(s.major, 0.0);
        EXPECT_EQ(s.minor, 0.0);
    }
}

TEST(AxisMath, EnsureTickStepsKeepsGoodStepsAndReplacesBadOnes) {
    Diagram d;
    d.xFrom = 0;
    d.xTo = 7;
    d.yFrom = -12;
    d.yTo = 8;
    d.yMajorStep = 2;
    d.yMinorStep = 0.5;
    EnsureTickSteps(d);
    EXPECT_DOUBLE_EQ(d.xMajorStep, 1);  // zero steps are always chosen
    EXPECT_DOUBLE_EQ(d.xMinorStep, 0.2);
    EXPECT_DOUBLE_EQ(d.yMajorStep, 2);  // ten intervals: kept
    EXPECT_DOUBLE_EQ(d.yMinorStep, 0.5);

    d.yTo = 100;  // 56 intervals of 2
    EnsureTickSteps(d);
    EXPECT_DOUBLE_EQ(d.yMajorStep, 20);
    EXPECT_DOUBLE_EQ(d.yMinorStep, 4);

    // Two intervals of 10000 are too few, but the choice is the same again.
    d.xFrom = 0;
    d.xTo = 20000;
    d.xMajorStep = 10000;
    d.xMinorStep = 777;
    EnsureTickSteps(d);
    EXPECT_DOUBLE_EQ(d.xMinorStep, 2000);
}

struct FormatCase {
    double value;
    int lo, hi;
    const char* text;
};

TEST(AxisMath, FormatTickValueExamples) {
    const FormatCase cases[] = {
        {1234.5, -4, 5, "1234.5"},
        {20000, -4, 5, "20000"},
        {100000, -4, 5, "1E05"},
        {50000.5, -4, 5, "50000.5"},
        {0.001, -4, 5, "0.001"},
        {0.0001, -4, 5, "1E-04"},
        {0.000015, -4, 5, "1.5E-05"},
        {0, -4, 5, "0"},
        {-2.5, -4, 5, "-2.5"},
        {12, -4, 5, "12"},
        {1e12, -4, 5, "1E12"},
        {100, -3, 3, "100"},
        {1000, -3, 3, "1E03"},
        {0.01, -3, 3, "0.01"},
        {0.001, -3, 3, "1E-03"},
        {-12, -3, 3, "-12"},
        {0.5, -3, 3, "0.5"},
        {-0.0, -4, 5, "0"},
        {-5.551115123125783e-17, -3, 3, "-5.55111512312578E-17"},
        {1e20, -30, 30, "100000000000000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatTickValue(c.value, c.lo, c.hi), c.text) << c.value;
}

}  // namespace
}  // namespace qv
