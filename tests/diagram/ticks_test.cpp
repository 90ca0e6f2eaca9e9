#include "diagram/ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "curves/diagram_set.h"

namespace qv {
namespace {

constexpr int kWidth = 835, kHeight = 368;

struct TickCase {
    const char* name;
    Axis axis;
    double from, to;
    bool log;
    TickSteps steps;                  // linear axes only
    std::vector<double> major;        // axis values of the major (or decade) lines
    std::size_t minorCount;           // minor lines of a linear axis
    std::vector<std::string> labels;  // the texts written, in order
    double unitLow, unitHigh;         // the unit is centred between these axis values
};

// Minor lines of 0 ... 1800 at 40: 0, 40, ..., 1760.
// clang-format off
const TickCase kCases[] = {
    {"samples", Axis::X, 0, 1800, false, {200, 40},
     {0, 200, 400, 600, 800, 1000, 1200, 1400, 1600}, 45,
     {"200", "400", "600", "800", "1000", "1200", "1400", "1600"}, 1400, 1600},
    {"level", Axis::Y, -120, 10, false, {30, 6},
     {-120, -90, -60, -30, 0}, 22, {"-90", "-60", "-30", "0"}, -30, 0},
    // The first line and label lie below the lower bound; "100" has no room
    // five pixels before the strip's end.
    {"offset", Axis::X, 10.5, 100.5, false, {10, 2},
     {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 46,
     {"10", "20", "30", "40", "50", "60", "70", "80", "90"}, 90, 100},
    // Repeated addition of 0.2 misses zero by a residue; the label reads 0.
    {"residue", Axis::Y, -1, 1, false, {0.2, 0.04},
     {-1, -0.8, -0.6, -0.4, -0.2, 0, 0.2, 0.4, 0.6, 0.8}, 50,
     {"-0.8", "-0.6", "-0.4", "-0.2", "0", "0.2", "0.4", "0.6", "0.8"}, 0.6, 0.8},
    {"unusable step", Axis::X, 0, 100, false, {NAN, NAN}, {}, 0, {}, 0, 100},
    {"unusable y step", Axis::Y, 0, 100, false, {0, 0}, {}, 0, {}, 50, 50},
    // 15 ... 30000, the last as DecadePower(4) * 3 lies just inside; no line
    // and no label at 10, which DecadePower(1) misses.
    {"frequency", Axis::X, 10, 30000, true, {},
     {15, 20, 30, 40, 50, 60, 70, 80, 90,
      100, 150, 200, 300, 400, 500, 600, 700, 800, 900,
      1000, 1500, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000,
      1e4, 1.5e4, 2e4, 3e4},
     0, {"100", "1000", "10000"}, 1000, 10000},
    // Below 1 DecadePower lies above the power of ten, above 1 below it: both
    // bounds get a line. Their labels lie within three pixels of the strip's
    // ends; with two decade labels left, the 2 and 5 of each decade get one.
    {"log level", Axis::Y, 0.01, 10, true, {},
     {0.01, 0.015, 0.02, 0.03, 0.04, 0.05, 0.06, 0.07, 0.08, 0.09,
      0.1, 0.15, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9,
      1, 1.5, 2, 3, 4, 5, 6, 7, 8, 9, 10},
     0, {"0.02", "0.05", "0.1", "0.2", "0.5", "1", "2", "5"}, 1, 10},
    {"log without positive start", Axis::X, 0, 100, true, {}, {}, 0, {}, 0, 100},
};
// clang-format on

DiagramMapper MapperFor(const TickCase& k) {
    Diagram d = MakeDiagramSet()[ImpulseResponseDiagram];
    d.areaRight = kWidth;
    d.areaBottom = kHeight;
    double& from = k.axis == Axis::X ? d.xFrom : d.yFrom;
    double& to = k.axis == Axis::X ? d.xTo : d.yTo;
    int& log = k.axis == Axis::X ? d.xLog : d.yLog;
    from = k.from;
    to = k.to;
    log = k.log ? 1 : 0;
    return DiagramMapper(d);
}

TEST(Ticks, LinesLabelsAndUnitOfEachAxisKind) {
    for (const TickCase& k : kCases) {
        const DiagramMapper map = MapperFor(k);
        const AxisMapper& a = k.axis == Axis::X ? map.X() : map.Y();
        const AxisTicks t = k.log ? DecadeTicks(map, k.axis) : LinearTicks(map, k.axis, k.steps);
        // Decade lines stand at DecadePower(k) * f, a little off the exact values.
        const double slack = k.log ? 0.01 : 1e-9;
        ASSERT_EQ(t.majorLines.size(), k.major.size()) << k.name;
        for (std::size_t i = 0; i < k.major.size(); ++i)
            EXPECT_NEAR(t.majorLines[i], a.World(k.major[i]), slack) << k.name << " line " << i;
        EXPECT_EQ(t.minorLines.size(), k.minorCount) << k.name;
        std::vector<std::string> texts;
        for (const TickLabel& l : t.labels) {
            texts.push_back(l.text);
            EXPECT_NEAR(l.position, a.World(std::stod(l.text)), slack) << k.name << " " << l.text;
        }
        EXPECT_EQ(texts, k.labels) << k.name;
        const double unit = k.unitLow == k.unitHigh
                                ? WorldExtent / 2
                                : (a.World(k.unitLow) + a.World(k.unitHigh)) / 2;
        const double unitExpected =
            a.Usable() || !t.labels.empty() ? unit : WorldExtent / 2;  // no labels: the middle
        EXPECT_NEAR(t.unitPosition, unitExpected, slack) << k.name;
    }
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

struct ThreeLabelCase {
    double from, to;
    TickSteps steps;
    std::vector<std::string> labels;
};

// A zoomed y axis keeps at least three labels; a step that gives them stays.
const ThreeLabelCase kThreeLabelCases[] = {
    {3, 19, {10, 2}, {"5", "10", "15"}},   {0, 30, {10, 2}, {"5", "10", "15", "20", "25"}},
    {67, 98, {20, 4}, {"70", "80", "90"}}, {-0.3, 0.05, {0.1, 0.02}, {"-0.2", "-0.1", "0"}},
    {0, 100, {30, 6}, {"30", "60", "90"}}, {-12, 8, {5, 1}, {"-10", "-5", "0", "5"}},
};

TEST(Ticks, YAxisHasAtLeastThreeLabels) {
    for (const ThreeLabelCase& k : kThreeLabelCases) {
        const TickCase axis{"y", Axis::Y, k.from, k.to, false, k.steps, {}, 0, {}, 0, 0};
        const AxisTicks t = LinearTicks(MapperFor(axis), Axis::Y, k.steps);
        std::vector<std::string> texts;
        for (const TickLabel& l : t.labels) texts.push_back(l.text);
        EXPECT_EQ(texts, k.labels) << k.from << " ... " << k.to;
    }
}

}  // namespace
}  // namespace qv
