#include "diagram/shown_levels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "curves/diagram_set.h"
#include "diagram/painter.h"
#include "diagram/ranges.h"
#include "recording_canvas.h"

namespace qv {
namespace {

constexpr int kWidth = 835, kHeight = 368;

TEST(ShownLevels, BandMeanOverLogFrequency) {
    struct Case {
        PointList points;
        std::optional<double> mean;
    };
    const Case cases[] = {
        {{{20, 87.34}, {20000, 87.34}}, 87.3},
        // One decade each: the dense top decade does not outweigh the bass.
        {{{20, 80}, {200, 90}, {2000, 90}, {20000, 90}}, 88.3},
        {{{20, 80}, {200, 90}, {2000, 90}, {2500, 90}, {3000, 90}, {20000, 90}}, 88.3},
        // Outside the band: a room file's first points, a 0 Hz row.
        {{{0, 500}, {1.3, -60}, {100, 70}, {1000, 70}, {30000, -40}}, 70.0},
        {{{1.3, -60}, {5, -60}}, std::nullopt},
        {{{1000, -3.26}}, -3.3},
    };
    for (const Case& c : cases) EXPECT_EQ(BandMean(c.points, 20, 20000), c.mean);
}

TEST(ShownLevels, MeasurementAndPredictionShareTheMeasurementsOffset) {
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
    d.Slot(3).points = {{20, 87.3}, {20000, 87.3}};
    d.Slot(4).points = {{20, 90}, {20000, 90}};
    EXPECT_EQ(ShownOffsets(d), (std::array<double, 4>{0, 0, 87.3, 87.3}));
    d.Slot(3).points.clear();
    EXPECT_EQ(ShownOffsets(d), (std::array<double, 4>{0, 0, 90, 90}));
    // Delays are read as they are.
    Diagram delay = MakeDiagramSet()[GroupDelayDiagram];
    delay.Slot(3).points = {{20, -5}, {20000, -5}};
    EXPECT_EQ(ShownOffsets(delay), (std::array<double, 4>{}));

    EXPECT_EQ(ShownCaption("woofer.frd", 87.3), "woofer.frd  +87.3 dB");
    EXPECT_EQ(ShownCaption("tweeter.txt", -3), "tweeter.txt  -3.0 dB");
    EXPECT_EQ(ShownCaption("desired", 0), "desired");
}

TEST(ShownLevels, PainterDrawsTheMeasurementOnTheTargetsAxisAndNamesTheOffset) {
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
    d.yFrom = -20;
    d.yTo = 10;
    d.Slot(1).points = {{20, 0}, {20000, 0}};
    d.Slot(1).name = "desired";
    d.Slot(3).points = {{20, 87.3}, {20000, 87.3}};
    d.Slot(3).name = "woofer.frd";
    test::RecordingCanvas c;
    const DiagramLabels labels = PaintDiagram(c, d, kWidth, kHeight);
    EXPECT_EQ(labels.legend[2].caption, "woofer.frd  +87.3 dB");
    EXPECT_EQ(labels.legend[0].caption, "desired");
    int desiredY = -1, measuredY = -2;
    for (const auto& l : c.lines) {
        if (l.colour == kSlotColours[0] && l.y1 == l.y2 && desiredY < 0) desiredY = l.y1;
        if (l.colour == kSlotColours[2] && l.y1 == l.y2 && measuredY < 0) measuredY = l.y1;
    }
    EXPECT_EQ(measuredY, desiredY);
    EXPECT_EQ(d.Slot(3).points[0].y, 87.3);  // stored values stay absolute
}

TEST(ShownLevels, AutoRangeFitsTheBandAsDrawn) {
    struct Case {
        const char* what;
        PointList measured;
        double xFrom, xTo, yFrom, yTo;
    };
    const Case cases[] = {
        {"a level of 85 ... 89 dB beside the 0 dB target",
         {{20, 85}, {2000, 89}},
         20,
         20000,
         -2,
         2.4},
        {"a room file from 1.3 Hz: the axis starts at the band, y ignores the stray point",
         {{1.3, 27}, {10, 85}, {2000, 89}, {24000, 85}},
         10,
         24000,
         -4,
         0.4},
        {"0 Hz rows on a decade axis", {{0, -200}, {100, 80}, {1000, 80}}, 20, 20000, -1.5, 1.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
        d.Slot(1).points = {{20, 0}, {20000, 0}};
        d.Slot(3).points = c.measured;
        AutoRange(d);
        EXPECT_DOUBLE_EQ(d.xFrom, c.xFrom);
        EXPECT_DOUBLE_EQ(d.xTo, c.xTo);
        EXPECT_NEAR(d.yFrom, c.yFrom, 0.051);
        EXPECT_NEAR(d.yTo, c.yTo, 0.051);
        EXPECT_EQ(d.xLog, 1);
    }
}

TEST(ShownLevels, NewCurvesRefitOnlyAnUnreadableRange) {
    struct Case {
        const char* what;
        double yFrom, yTo;
        bool fits;
    };
    // A target of -12 ... +6 dB.
    const Case cases[] = {
        {"the standard -120 ... 10 dB: flat lines", -120, 10, true},
        {"values below the shown range", -6, 8, true},
        {"a range the curves fill", -14, 8, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
        d.Slot(1).points = {{20, 6}, {1000, -12}, {20000, 0}};
        d.yFrom = c.yFrom;
        d.yTo = c.yTo;
        EXPECT_EQ(FitUnreadableRange(d), c.fits);
        EXPECT_EQ(d.yFrom, c.fits ? -12 : c.yFrom);
    }
}

TEST(ShownLevels, DenseMarkedCurveIsALineWithHandlesThatDoNotOverlap) {
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
    d.yFrom = -10;
    d.yTo = 10;
    PointList dense;
    for (int i = 0; i < 1930; ++i) dense.push_back({20 * std::pow(1000.0, i / 1929.0), 0});
    d.Slot(1).points = dense;
    d.Slot(1).marked = 1;
    test::RecordingCanvas c;
    PaintDiagram(c, d, kWidth, kHeight);
    ASSERT_GT(c.ellipses.size(), 10u);
    EXPECT_LT(c.ellipses.size(), 60u);
    for (std::size_t i = 1; i < c.ellipses.size(); ++i)
        EXPECT_GT(c.ellipses[i].x1, c.ellipses[i - 1].x2);

    // Few points keep a handle each.
    d.Slot(1).points = {{20, 0}, {100, 1}, {110, 1}, {20000, 0}};
    c.Clear();
    PaintDiagram(c, d, kWidth, kHeight);
    EXPECT_EQ(c.ellipses.size(), 4u);
}

}  // namespace
}  // namespace qv
