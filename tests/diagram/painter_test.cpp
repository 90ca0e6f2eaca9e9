#include "diagram/painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "curves/diagram_set.h"
#include "diagram/axis_math.h"
#include "recording_canvas.h"

namespace qv {
namespace {

constexpr int kWidth = 835, kHeight = 368;

Diagram StartDiagram(DiagramId id) {
    return MakeDiagramSet()[id];
}

DrawingState PlotState() {
    DrawingState s;
    SetViewport(s, kYLabelStrip, 0, kWidth, kHeight - kXLabelStrip);
    SetWorldWindow(s, 0, 0, 1000, 1000);
    return s;
}

// Vertical grid lines run from the plot's bottom pixel row to its top one.
std::vector<int> VerticalGrid(const test::RecordingCanvas& c, PenStyle style,
                              std::uint32_t colour) {
    std::vector<int> xs;
    for (const auto& l : c.lines)
        if (l.x1 == l.x2 && l.y1 == kHeight - kXLabelStrip && l.y2 == 0 && l.style == style &&
            l.colour == colour)
            xs.push_back(l.x1);
    return xs;
}

int PixelOfLog(const Diagram& d, double v) {
    const double scale = AxisScale(d.xFrom, d.xTo, true);
    return WorldToPixelX(PlotState(), AxisPosition(v, d.xFrom, scale, true));
}

TEST(Painter, DecadeLinesAndLabelsOfTheFrequencyAxis) {
    Diagram d = StartDiagram(FrequencyResponseDiagram);
    ClearSlots(d);
    test::RecordingCanvas c;
    PaintDiagram(c, d, kWidth, kHeight);

    std::vector<int> expected;
    for (double decade : {10.0, 100.0, 1000.0, 10000.0})
        for (double f : DecadeFactors) {
            const double v = decade * f;
            if (v > 10 && v <= 30000)
                expected.push_back(
                    PixelOfLog(d, DecadePower(static_cast<int>(std::log10(decade))) * f));
        }
    EXPECT_EQ(expected.size(), 33u);  // 15 ... 90, 100 ... 900, 1000 ... 9000, 10000 ... 30000
    EXPECT_EQ(VerticalGrid(c, PenStyle::Solid, kBlack), expected);
    EXPECT_EQ(VerticalGrid(c, PenStyle::Dotted, kGray), std::vector<int>{});
    // The last line, at 29999.39, lies just inside the plot.
    EXPECT_LT(expected.back(), kWidth);

    EXPECT_EQ(c.FindText("10"), nullptr);
    const auto* l100 = c.FindText("100");
    const auto* l1000 = c.FindText("1000");
    const auto* l10000 = c.FindText("10000");
    ASSERT_TRUE(l100 && l1000 && l10000);
    EXPECT_EQ(l1000->x + 12, PixelOfLog(d, DecadePower(3)));  // centred on its line
    EXPECT_EQ(l1000->y, 355 - 6);                             // middle of the 25-pixel strip
    const auto* unit = c.FindText("Hz");
    ASSERT_NE(unit, nullptr);
    const double mid = (AxisPosition(DecadePower(3), 10, AxisScale(10, 30000, true), true) +
                        AxisPosition(DecadePower(4), 10, AxisScale(10, 30000, true), true)) /
                       2;
    EXPECT_EQ(unit->x + 6, WorldToPixelX(PlotState(), mid));

    // The level axis: steps adapted from 2 to 30, labels every 30 dB, no room test.
    EXPECT_DOUBLE_EQ(d.yMajorStep, 30);
    for (const char* t : {"-90", "-60", "-30", "0", "dB"}) EXPECT_NE(c.FindText(t), nullptr) << t;
    EXPECT_EQ(c.FindText("-120"), nullptr);  // no label at the lower bound
}

TEST(Painter, LogAxisWithoutPositiveLowerBoundFallsBackToLinearForGood) {
    Diagram d = StartDiagram(FrequencyResponseDiagram);
    d.xFrom = 0;
    test::RecordingCanvas c;
    PaintDiagram(c, d, kWidth, kHeight);
    EXPECT_EQ(d.xLog, 0);
    EXPECT_EQ(d.yLog, 0);
    EXPECT_DOUBLE_EQ(d.xMajorStep, 10000);  // chosen for the linear x axis
    EXPECT_NE(c.FindText("10000"), nullptr);
    EXPECT_FALSE(VerticalGrid(c, PenStyle::Dotted, kGray).empty());
    d.xFrom = 10;  // the flag does not come back by itself
    PaintDiagram(c, d, kWidth, kHeight);
    EXPECT_EQ(d.xLog, 0);
}

TEST(Painter, MinorXLinesAreSolidUnderALogYAxis) {
    Diagram d = StartDiagram(ImpulseResponseDiagram);
    ClearSlots(d);
    test::RecordingCanvas lin;
    PaintDiagram(lin, d, kWidth, kHeight);
    EXPECT_FALSE(VerticalGrid(lin, PenStyle::Dotted, kGray).empty());
    EXPECT_TRUE(VerticalGrid(lin, PenStyle::Solid, kGray).empty());

    d.yLog = 1;
    d.yFrom = 0.01;
    d.yTo = 10;
    test::RecordingCanvas log;
    PaintDiagram(log, d, kWidth, kHeight);
    EXPECT_EQ(d.yLog, 1);
    EXPECT_TRUE(VerticalGrid(log, PenStyle::Dotted, kGray).empty());
    EXPECT_FALSE(VerticalGrid(log, PenStyle::Solid, kGray).empty());
    EXPECT_NE(log.FindText("1"), nullptr);
    EXPECT_NE(log.FindText("0.1"), nullptr);
}

TEST(Painter, CurveOnALogAxisSkipsLeadingAndEndsAtNonPositiveX) {
    Diagram d = StartDiagram(FrequencyResponseDiagram);
    ClearSlots(d);
    d.Slot(1).points = {{0, -50}, {100, -50}, {-5, -50}, {1000, -50}};
    d.Slot(1).marked = 1;
    test::RecordingCanvas c;
    PaintDiagram(c, d, kWidth, kHeight);
    ASSERT_EQ(c.ellipses.size(), 1u);
    EXPECT_EQ(c.ellipses[0].pen, kSlotColours[0]);
    EXPECT_TRUE(std::none_of(c.lines.begin(), c.lines.end(),
                             [](const auto& l) { return l.colour == kSlotColours[0]; }));
}

TEST(Painter, MarkedCurveHasOneMarkerPerPointAndSegmentsByLineWidth) {
    Diagram d = StartDiagram(GroupDelayDiagram);
    ClearSlots(d);
    d.Slot(2).points = {{100, 0}, {1000, 2}, {5000, 100}};  // the last point lies above the plot
    d.Slot(2).marked = 1;
    d.Slot(2).name = "real";
    test::RecordingCanvas c;
    const DiagramLabels labels = PaintDiagram(c, d, kWidth, kHeight);
    EXPECT_EQ(c.ellipses.size(), 3u);
    EXPECT_LT(c.ellipses[2].y1, 0);  // drawn outside the plot frame
    const auto red = std::count_if(c.lines.begin(), c.lines.end(),
                                   [](const auto& l) { return l.colour == kSlotColours[1]; });
    EXPECT_EQ(red, 2);  // one segment, twice for lineWidth 2; the other one leaves the plot

    EXPECT_FALSE(labels.legend[0].visible);
    ASSERT_TRUE(labels.legend[1].visible);
    EXPECT_EQ(labels.legend[1].caption, "real");
    EXPECT_EQ(labels.legend[1].colour, kSlotColours[1]);
    EXPECT_EQ(labels.legend[1].left, 40);
    EXPECT_EQ(labels.legend[1].top, kHeight - 30 - 2 * 17);
    EXPECT_EQ(labels.title, "Group Delay");
    EXPECT_EQ(labels.titleRight, kWidth - 10);
}

TEST(Painter, LinearXLabelsNeedRoomAtBothEnds) {
    Diagram d = StartDiagram(ImpulseResponseDiagram);
    ClearSlots(d);
    d.xFrom = 10.5;
    d.xTo = 100.5;
    d.xMajorStep = 10;
    d.xMinorStep = 2;
    test::RecordingCanvas c;
    PaintDiagram(c, d, kWidth, kHeight);
    const auto* below = c.FindText("10");  // below the lower bound, left of the plot
    ASSERT_NE(below, nullptr);
    EXPECT_LT(below->x + 6, kYLabelStrip);
    EXPECT_NE(c.FindText("90"), nullptr);
    EXPECT_EQ(c.FindText("100"), nullptr);  // 5 pixels from the strip's end, needs 12
}

TEST(Painter, TickResidueIsLabelledZero) {
    Diagram d = StartDiagram(ImpulseResponseDiagram);
    ClearSlots(d);
    d.yFrom = -1;
    d.yTo = 1;
    d.yMajorStep = 0.2;
    d.yMinorStep = 0.04;
    test::RecordingCanvas c;
    PaintDiagram(c, d, kWidth, kHeight);
    EXPECT_NE(c.FindText("0"), nullptr);
    for (const auto& t : c.texts) EXPECT_EQ(t.text.find('E'), std::string::npos) << t.text;
}

TEST(Painter, UnusableStepsAndRangesNeitherHangNorCrash) {
    struct Case {
        double xFrom, xTo, xMajor, xMinor;
        int xLog;
    };
    const Case cases[] = {
        {0, 1800, NAN, NAN, 0}, {0, 1800, 100, 1e-12, 0}, {100, 0, 0, 0, 0},
        {5, 5, 0, 0, 0},        {10, 1, 0, 0, 1},         {1e-300, 1e300, 0, 0, 1},
        {0, INFINITY, 0, 0, 0}, {NAN, 10, 1, 1, 1},       {1, 100, -5, -1, 0},
    };
    for (const auto& k : cases) {
        Diagram d = StartDiagram(ImpulseResponseDiagram);
        d.xFrom = k.xFrom;
        d.xTo = k.xTo;
        d.xMajorStep = k.xMajor;
        d.xMinorStep = k.xMinor;
        d.xLog = k.xLog;
        test::RecordingCanvas c;
        PaintDiagram(c, d, kWidth, kHeight);
        EXPECT_LT(c.lines.size(), 30000u) << k.xFrom << " " << k.xTo;
    }
    Diagram tiny = StartDiagram(FrequencyResponseDiagram);
    test::RecordingCanvas c;
    PaintDiagram(c, tiny, 10, 5);  // smaller than the label strips
    PaintDiagram(c, tiny, 0, 0);
}

TEST(Painter, NoCurvesHidesTheLegendAndFlagsOutsideZeroOneDrawOnlyTheFrame) {
    Diagram d = StartDiagram(ImpulseResponseDiagram);
    ClearSlots(d);
    test::RecordingCanvas c;
    DiagramLabels labels = PaintDiagram(c, d, kWidth, kHeight);
    for (const auto& l : labels.legend) EXPECT_FALSE(l.visible);
    EXPECT_FALSE(c.texts.empty());

    d.xLog = 2;
    c.Clear();
    labels = PaintDiagram(c, d, kWidth, kHeight);
    EXPECT_EQ(c.lines.size(), 4u);
    EXPECT_TRUE(c.texts.empty());
    EXPECT_EQ(labels.title, "Impuls Response");
}

}  // namespace
}  // namespace qv
