#include "diagram/diagram_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "curves/diagram_set.h"

namespace qv {
namespace {

// Random ranges on linear and log axes in random window sizes: a pixel turned
// into a value and back lands on the same pixel or, by the truncation of the
// drawing, on the one before; a value turned into a pixel lies between the
// values of that pixel and the next.
TEST(DiagramMapper, RoundTripBetweenPixelsAndValues) {
    std::mt19937 random(12);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int round = 0; round < 300; ++round) {
        Diagram d = MakeDiagramSet()[ImpulseResponseDiagram];
        d.xLog = round % 2;
        d.yLog = (round / 2) % 2;
        const auto range = [&](bool log, double& from, double& to) {
            if (log) {
                from = std::pow(10.0, unit(random) * 6 - 3);
                to = from * std::pow(10.0, 0.5 + unit(random) * 4);
            } else {
                from = unit(random) * 2000 - 1000;
                to = from + 0.01 + unit(random) * 5000;
            }
        };
        range(d.xLog == 1, d.xFrom, d.xTo);
        range(d.yLog == 1, d.yFrom, d.yTo);
        const int width = 100 + static_cast<int>(unit(random) * 1900);
        const int height = 100 + static_cast<int>(unit(random) * 1100);
        LayOutDiagram(d, width, height);
        const DiagramMapper map(d);
        ASSERT_TRUE(map.Usable());
        const std::string at = "round " + std::to_string(round);
        for (int i = 0; i < 40; ++i) {
            const int px = map.Plot().left +
                           static_cast<int>(unit(random) * (map.Plot().right - map.Plot().left));
            const int py = map.Plot().top +
                           static_cast<int>(unit(random) * (map.Plot().bottom - map.Plot().top));
            const int backX = map.PixelX(map.ValueX(px));
            const int backY = map.PixelY(map.ValueY(py));
            EXPECT_TRUE(backX == px || backX == px - 1) << at << " px " << px << " -> " << backX;
            EXPECT_TRUE(backY == py || backY == py - 1) << at << " py " << py << " -> " << backY;

            const double vx = d.xLog ? d.xFrom * std::pow(d.xTo / d.xFrom, unit(random))
                                     : d.xFrom + (d.xTo - d.xFrom) * unit(random);
            const int p = map.PixelX(vx);
            const double slack = 1e-9 * (d.xTo - d.xFrom);
            EXPECT_LE(map.ValueX(p), vx + slack) << at;
            EXPECT_GE(map.ValueX(p + 1), vx - slack) << at;
        }
    }
}

TEST(DiagramMapper, PlotAreaOfTheStatusBar) {
    const Diagram d = MakeDiagramSet()[GroupDelayDiagram];
    const DiagramMapper map(d, 835, 368);
    struct Case {
        int px, py;
        bool inside;
    };
    const Case cases[] = {
        {30, 0, true},     {29, 0, false},   {834, 343, true}, {835, 100, false},
        {400, 344, false}, {400, -1, false}, {400, 200, true},
    };
    for (const Case& k : cases) EXPECT_EQ(map.InPlot(k.px, k.py), k.inside) << k.px << ", " << k.py;
}

TEST(DiagramMapper, EdgesOfThePlotMapOntoTheRangeBounds) {
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];  // log x 10 ... 30000, y -120 ... 10
    LayOutDiagram(d, 835, 368);
    const DiagramMapper map(d);
    EXPECT_EQ(map.PixelX(30000), 835);
    EXPECT_EQ(map.PixelY(-120), 343);
    EXPECT_EQ(map.PixelY(10), 0);
    EXPECT_NEAR(map.ValueX(30), 10, 1e-9);
    EXPECT_NEAR(map.ValueX(835), 30000, 1e-6);
    EXPECT_NEAR(map.ValueY(343), -120, 1e-9);
    EXPECT_NEAR(map.ValueY(0), 10, 1e-9);
}

TEST(LayOutDiagram, WritesAreaStepsAndTheFallBackBeforeDrawing) {
    struct Case {
        int xLog, yLog;
        double xFrom, yFrom;
        int xLogAfter, yLogAfter;
    };
    const Case cases[] = {
        {1, 0, 10, -120, 1, 0}, {1, 0, 0, -120, 0, 0},  {0, 1, 10, 0.01, 0, 1},
        {0, 1, 10, 0, 0, 0},    {1, 1, 10, 0.01, 1, 1}, {1, 1, 10, -1, 0, 0},
        {1, 1, -1, 1, 0, 0},    {2, 0, -5, -120, 2, 0}, {1, 2, 0, 0, 1, 2},
    };
    for (const Case& k : cases) {
        Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
        d.xLog = k.xLog;
        d.yLog = k.yLog;
        d.xFrom = k.xFrom;
        d.yFrom = k.yFrom;
        LayOutDiagram(d, 640, 300);
        EXPECT_EQ(d.xLog, k.xLogAfter) << k.xLog << k.yLog << " " << k.xFrom << " " << k.yFrom;
        EXPECT_EQ(d.yLog, k.yLogAfter) << k.xLog << k.yLog << " " << k.xFrom << " " << k.yFrom;
        EXPECT_EQ(d.areaRight, 640);
        EXPECT_EQ(d.areaBottom, 300);
        // Steps that give 3 to 15 intervals (the start-up step 2 gives 65 on -120 ... 10).
        const double intervals = (d.yTo - d.yFrom) / d.yMajorStep;
        EXPECT_TRUE(intervals >= 3 && intervals <= 15) << k.yFrom << ": " << d.yMajorStep;
    }
}

}  // namespace
}  // namespace qv
