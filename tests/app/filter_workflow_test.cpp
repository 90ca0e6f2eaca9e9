#include "app/filter_workflow.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace qv {
namespace {

PointList Flat(double value, double to = 24000) {
    return PointList{{0, value}, {to, value}};
}

const DspProgramProfile kProfile = DeriveProfile(1, 48000);

Workspace Document() {
    Workspace ws;
    for (DiagramId id : {FrequencyResponseDiagram, GroupDelayDiagram, FrequencyRoomDiagram,
                         DelayRoomDiagram, FrequencyResponseHighDiagram})
        SetCurve(ws, id, CurveRole::Desired, "desired", Flat(0));
    return ws;
}

ExecuteResult Execute(Workspace& ws, FilterVariant v) {
    ExecuteResult r = ComputeExecute(GatherExecuteInputs(ws, v, kProfile, 200, 16000));
    ExecuteResult copy = r;
    StoreExecuteResult(ws, v, std::move(copy));
    return r;
}

TEST(FilterWorkflow, ActiveFilterAndTransferInputByDiagram) {
    Workspace ws = Document();
    SetCurve(ws, ImpulseResponseDiagram, CurveRole::Impulse, "impuls", Flat(0.1, 3));
    SetCurve(ws, FilterRoomDiagram, CurveRole::Impulse, "impuls", Flat(0.2, 3));
    for (int id = 0; id < kDiagramCount; ++id) {
        ws.CurrentDiagram = static_cast<DiagramId>(id);
        const auto v = ActiveFilter(ws.CurrentDiagram);
        const FilterTransfer t = TransferInput(ws);
        if (ws.CurrentDiagram == FrequencyRoomDiagram) {
            EXPECT_EQ(v, FilterVariant::Room);
            EXPECT_EQ(t.path, TransferPath::Room);
            EXPECT_EQ(t.filter, Flat(0.2, 3));
        } else if (IsEqDiagram(ws.CurrentDiagram)) {
            EXPECT_EQ(v, FilterVariant::Equalizer) << id;
            EXPECT_EQ(t.path, TransferPath::Equalizer) << id;
            EXPECT_EQ(t.filter, Flat(0.1, 3)) << id;
        } else {
            EXPECT_FALSE(v.has_value()) << id;
            EXPECT_EQ(t.path, TransferPath::None) << id;
        }
    }
}

TEST(FilterWorkflow, RefusalChangesNothing) {
    Workspace ws = Document();
    ClearCurve(ws, GroupDelayDiagram, CurveRole::Desired);
    const DiagramSet before = ws.diagrams;
    const ExecuteResult r = Execute(ws, FilterVariant::Equalizer);
    EXPECT_EQ(r.refusal, "noch keine Kurve fuer Laufzeitequalizing geladen.");
    for (int id = 0; id < kDiagramCount; ++id)
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(ws.diagrams[static_cast<DiagramId>(id)].Slot(k).points,
                      before[static_cast<DiagramId>(id)].Slot(k).points);
}

// The filter replaces its whole diagram, "real" goes next to the targets, a
// prediction next to a measurement, and an old prediction goes where the
// measurement went.
TEST(FilterWorkflow, ExecuteStoresByRole) {
    Workspace ws = Document();
    SetCurve(ws, ImpulseResponseDiagram, CurveRole::Predicted, "old", Flat(1));
    PointList measured;
    for (double f = 100; f <= 20000; f += 100) AppendPoint(measured, f, 85);
    SetCurve(ws, FrequencyResponseDiagram, CurveRole::Measured, "measured", measured);
    SetCurve(ws, GroupDelayDiagram, CurveRole::Predicted, "predicted", Flat(3));
    const ExecuteResult r = Execute(ws, FilterVariant::Equalizer);
    ASSERT_EQ(r.refusal, "");
    EXPECT_FALSE(r.headroom.Clips());
    const CurveSlot& filter = ws.Curve(ImpulseResponseDiagram, CurveRole::Impulse);
    EXPECT_EQ(filter.name, "impuls");
    EXPECT_EQ(filter.points, r.synthesis.filter);
    EXPECT_TRUE(ws.Curve(ImpulseResponseDiagram, CurveRole::Predicted).points.empty());
    EXPECT_EQ(ws.Curve(FrequencyResponseDiagram, CurveRole::Real).name, "real");
    EXPECT_EQ(ws.Curve(GroupDelayDiagram, CurveRole::Real).points, r.synthesis.achieved.delay);
    EXPECT_EQ(ws.Curve(FrequencyResponseDiagram, CurveRole::Predicted).name, "predicted");
    ASSERT_TRUE(r.prediction && r.prediction->rms);
    EXPECT_LT(*r.prediction->rms, 0.01);
    EXPECT_TRUE(ws.Curve(GroupDelayDiagram, CurveRole::Predicted).points.empty());

    // The room variant reads the room diagrams and the room size.
    ws.RoomDepth = 500;
    const ExecuteResult room = Execute(ws, FilterVariant::Room);
    ASSERT_EQ(room.refusal, "");
    EXPECT_FALSE(room.prediction.has_value());
    const SynthesisTargets t{Flat(0), Flat(0), Flat(0)};
    EXPECT_EQ(ws.Curve(FilterRoomDiagram, CurveRole::Impulse).points,
              SynthesizeRoomFilter(t, ProfileOf(FilterVariant::Room, kProfile), {500, 400}).filter);
}

TEST(FilterWorkflow, ClippingFilterOfTheShownDiagramIsReported) {
    Workspace ws = Document();
    SetCurve(ws, FilterRoomDiagram, CurveRole::Impulse, "impuls", Flat(1.5, 3));
    test::ScriptedUserInterface ui;
    ws.CurrentDiagram = GroupDelayDiagram;
    EXPECT_FALSE(ReportClippingFilter(ws, ui));
    ws.CurrentDiagram = FrequencyRoomDiagram;
    EXPECT_TRUE(ReportClippingFilter(ws, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("1.500"), std::string::npos);
}

}  // namespace
}  // namespace qv
