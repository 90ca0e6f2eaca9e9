#include "app/undo_history.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(UndoHistory, UndoRedoRestoreCurvesAndView) {
    Workspace ws;
    CreateDesiredCurve(ws, FrequencyResponseDiagram, 20);
    UndoHistory h;

    h.Begin(ws);
    OffsetValues(ws.Current().Slot(1).points, -6);
    ws.CurrentDiagram = GroupDelayDiagram;  // the command switched the view
    h.Commit(ws);
    ASSERT_TRUE(h.CanUndo());

    h.Begin(ws);  // a command that changes nothing leaves no step
    h.Commit(ws);

    ws.CurrentDiagram = ImpulseResponseDiagram;
    ASSERT_TRUE(h.Undo(ws));
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).points, (PointList{{20, 0}, {20000, 0}}));
    EXPECT_EQ(ws.CurrentDiagram, GroupDelayDiagram);
    EXPECT_FALSE(h.CanUndo());
    EXPECT_FALSE(h.Undo(ws));

    ASSERT_TRUE(h.Redo(ws));
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).points, (PointList{{20, -6}, {20000, -6}}));
    EXPECT_FALSE(h.CanRedo());
}

TEST(UndoHistory, NewChangeDropsRedoAndDepthIsBounded) {
    Workspace ws;
    CreateDesiredCurve(ws, FrequencyResponseDiagram, 20);
    UndoHistory h(3);
    for (int i = 0; i < 5; ++i) {
        h.Begin(ws);
        OffsetValues(ws.Current().Slot(1).points, 1);
        h.Commit(ws);
    }
    int steps = 0;
    while (h.Undo(ws)) ++steps;
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(ws.Current().Slot(1).points.front().y, 2);
    h.Begin(ws);
    ws.Current().Slot(1).marked = 0;  // a flag change is a curve change too
    h.Commit(ws);
    EXPECT_FALSE(h.CanRedo());
    EXPECT_TRUE(h.CanUndo());
}

}  // namespace
}  // namespace qv
