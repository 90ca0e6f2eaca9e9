#include "curves/diagram_set.h"

#include <gtest/gtest.h>

#include "project/workspace.h"

namespace qv {
namespace {

struct Expected {
    DiagramId id;
    const char* title;
    const char* xUnit;
    const char* yUnit;
    int xLog;
    double xFrom, xTo, yFrom, yTo, stdYFrom, stdYTo, xMajor, xMinor, yMajor, yMinor;
};

TEST(DiagramSet, InitialValues) {
    const Expected table[] = {
        {GroupDelayDiagram, "Group Delay", "Hz", "ms (late < 0)", 1, 10, 30000, -12, 8, -12, 8, 0,
         0, 2, 0.5},
        {FrequencyResponseDiagram, "Frequency Response", "Hz", "dB", 1, 10, 30000, -120, 10, -120,
         10, 0, 0, 2, 0.5},
        {ImpulseResponseDiagram, "Impuls Response", "Pkt", "", 0, 0, 1800, -1.2, 1.2, -1.2, 1.2,
         100, 20, 0.5, 0.1},
        {FrequencyResponseHighDiagram, "Frequency Response High", "Hz", "dB", 1, 10, 30000, -10, 10,
         -10, 10, 0, 0, 2, 0.5},
        {FrequencyResponseLowDiagram, "Frequency Response Low", "Hz", "dB", 1, 10, 30000, -10, 10,
         -10, 10, 0, 0, 2, 0.5},
        {FrequencyRoomDiagram, "Frequency Room", "Hz", "dB", 1, 10, 30000, -140, 10, -10, 10, 0, 0,
         2, 0.5},
        {DelayRoomDiagram, "Delay Room", "Hz", "ms", 1, 10, 30000, -30, 10, -12, 8, 0, 0, 2, 0.5},
        {ImpulsRoomDiagram, "Impuls Room", "Pkt", "", 0, 0, 1800, -1.2, 1.2, -1.2, 1.2, 100, 20,
         0.5, 0.1},
        {FilterRoomDiagram, "Filter Room", "Pkt", "", 0, 0, 1800, -1.2, 1.2, -1.2, 1.2, 100, 20,
         0.5, 0.1},
        {ImpulsHighDiagram, "Impuls High", "Pkt", "", 0, 0, 180, -1.2, 1.2, -1.2, 1.2, 20, 5, 0.5,
         0.1},
        {ImpulsLowDiagram, "Impuls Low", "Pkt", "", 0, 0, 680, -1.2, 1.2, -1.2, 1.2, 100, 20, 0.5,
         0.1},
    };
    const DiagramSet set = MakeDiagramSet(835, 368);
    for (const auto& e : table) {
        const Diagram& d = set[e.id];
        SCOPED_TRACE(e.title);
        EXPECT_EQ(d.title, e.title);
        EXPECT_EQ(set.FindByTitle(e.title), e.id);
        EXPECT_EQ(d.xUnit, e.xUnit);
        EXPECT_EQ(d.yUnit, e.yUnit);
        EXPECT_EQ(d.xLog, e.xLog);
        EXPECT_EQ(d.yLog, 0);
        EXPECT_EQ(d.lineWidth, 2);
        EXPECT_EQ((std::array{d.xFrom, d.xTo, d.stdXFrom, d.stdXTo}),
                  (std::array{e.xFrom, e.xTo, e.xFrom, e.xTo}));
        EXPECT_EQ((std::array{d.yFrom, d.yTo, d.stdYFrom, d.stdYTo}),
                  (std::array{e.yFrom, e.yTo, e.stdYFrom, e.stdYTo}));
        EXPECT_EQ((std::array{d.xMajorStep, d.xMinorStep, d.yMajorStep, d.yMinorStep}),
                  (std::array{e.xMajor, e.xMinor, e.yMajor, e.yMinor}));
        EXPECT_EQ((std::array{d.areaLeft, d.areaTop, d.areaRight, d.areaBottom}),
                  (std::array{0, 0, 835, 368}));
        for (int k = 1; k <= 4; ++k) {
            EXPECT_TRUE(d.Slot(k).points.empty());
            EXPECT_EQ(d.Slot(k).marked, 0);
            EXPECT_EQ(d.Slot(k).colour, kSlotColours[static_cast<std::size_t>(k - 1)]);
        }
    }
    EXPECT_EQ(set.FindByTitle("Nope"), std::nullopt);
}

TEST(DiagramSet, DesiredCurve) {
    Workspace ws;
    CreateDiagramSet(ws);
    SetSlot(ws[GroupDelayDiagram], 3, "old", {{1, 1}});
    CreateDesiredCurve(ws, GroupDelayDiagram, 20);
    EXPECT_EQ(ws.CurrentDiagram, GroupDelayDiagram);
    const CurveSlot& s = ws[GroupDelayDiagram].Slot(1);
    EXPECT_EQ(s.points, (PointList{{20, 0}, {20000, 0}}));
    EXPECT_EQ(s.marked, 1);
    EXPECT_EQ(s.name, "desired");
    EXPECT_TRUE(ws[GroupDelayDiagram].Slot(3).points.empty());
}

TEST(DiagramSet, CreateDiagramSetOverwritesWhatItSets) {
    Workspace ws;
    ws.ViewWidth = 640;
    ws.ViewHeight = 300;
    ws.CurrentDiagram = ImpulsLowDiagram;
    ws.ProcessingLength = 900;
    ws[FrequencyResponseDiagram].yFrom = 5;
    SetSlot(ws[FrequencyResponseDiagram], 2, "old", {{1, 1}});
    CreateDiagramSet(ws);
    EXPECT_EQ(ws.CurrentDiagram, FrequencyResponseDiagram);
    EXPECT_EQ(ws.ProcessingLength, 1800);
    const Diagram& d = ws[FrequencyResponseDiagram];
    EXPECT_EQ(d.yFrom, -120);
    EXPECT_TRUE(d.Slot(2).points.empty());
    EXPECT_EQ(d.Slot(2).name, "");
    // The drawing area is the view as it is at that moment.
    EXPECT_EQ((std::array{d.areaRight, d.areaBottom}), (std::array{640, 300}));
}

}  // namespace
}  // namespace qv
