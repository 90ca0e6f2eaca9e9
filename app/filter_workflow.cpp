#include "app/filter_workflow.h"
#include "curves/tr.h"

#include <utility>

namespace qv {
namespace {

constexpr const char* kPredictedName = QV_TR("predicted");

void StorePrediction(Workspace& ws, DiagramId id, PointList predicted) {
    if (predicted.empty()) {
        if (ws.Curve(id, CurveRole::Predicted).name == kPredictedName)
            ClearCurve(ws, id, CurveRole::Predicted);
        return;
    }
    SetCurve(ws, id, CurveRole::Predicted, kPredictedName, std::move(predicted));
}

}  // namespace

std::optional<FilterVariant> ActiveFilter(DiagramId current) {
    if (current == FrequencyRoomDiagram) return FilterVariant::Room;
    if (IsEqDiagram(current)) return FilterVariant::Equalizer;
    return std::nullopt;
}

FilterDiagrams DiagramsOf(FilterVariant variant) {
    if (variant == FilterVariant::Room)
        return {FrequencyRoomDiagram, DelayRoomDiagram, FilterRoomDiagram};
    return {FrequencyResponseDiagram, GroupDelayDiagram, ImpulseResponseDiagram};
}

ExecuteInputs GatherExecuteInputs(const Workspace& ws, FilterVariant variant,
                                  const DspProgramProfile& profile, double bandFrom,
                                  double bandTo) {
    const FilterDiagrams d = DiagramsOf(variant);
    ExecuteInputs in;
    in.variant = variant;
    in.targets = {ws.Curve(d.level, CurveRole::Desired).points,
                  ws.Curve(d.delay, CurveRole::Desired).points,
                  ws.Curve(FrequencyResponseHighDiagram, CurveRole::Desired).points};
    in.profile = ProfileOf(variant, profile);
    in.room = {ws.RoomDepth, ws.RoomWidth};
    if (variant == FilterVariant::Equalizer) {
        in.measuredLevel = ws.Curve(d.level, CurveRole::Measured).points;
        in.measuredDelay = ws.Curve(d.delay, CurveRole::Measured).points;
    }
    in.bandFrom = bandFrom;
    in.bandTo = bandTo;
    return in;
}

ExecuteResult ComputeExecute(const ExecuteInputs& in) {
    ExecuteResult r;
    r.refusal = SynthesisRefusal(in.variant, in.targets, in.profile);
    if (!r.refusal.empty()) return r;
    const bool room = in.variant == FilterVariant::Room;
    r.synthesis = room ? SynthesizeRoomFilter(in.targets, in.profile, in.room)
                       : SynthesizeEqFilter(in.targets, in.profile);
    if (!room)
        r.prediction = PredictMeasurement(in.measuredLevel, in.measuredDelay, r.synthesis.filter,
                                          in.profile.n, in.profile.fs, in.bandFrom, in.bandTo);
    r.headroom = FilterHeadroom(r.synthesis.filter);
    return r;
}

void StoreExecuteResult(Workspace& ws, FilterVariant variant, ExecuteResult result) {
    if (!result.refusal.empty()) return;
    const FilterDiagrams d = DiagramsOf(variant);
    ClearSlots(ws[d.filter]);
    SetCurve(ws, d.filter, CurveRole::Impulse, "impuls", std::move(result.synthesis.filter));
    SetCurve(ws, d.level, CurveRole::Real, QV_TR("real"),
             std::move(result.synthesis.achieved.level));
    SetCurve(ws, d.delay, CurveRole::Real, QV_TR("real"),
             std::move(result.synthesis.achieved.delay));
    if (!result.prediction) return;
    StorePrediction(ws, d.level, std::move(result.prediction->level));
    StorePrediction(ws, d.delay, std::move(result.prediction->delay));
}

FilterTransfer TransferInput(const Workspace& ws) {
    const auto variant = ActiveFilter(ws.CurrentDiagram);
    if (!variant) return {};
    const PointList& filter = ws.Curve(DiagramsOf(*variant).filter, CurveRole::Impulse).points;
    return {*variant == FilterVariant::Room ? TransferPath::Room : TransferPath::Equalizer, filter};
}

bool ReportClippingFilter(const Workspace& ws, UserInterface& ui) {
    const auto variant = ActiveFilter(ws.CurrentDiagram);
    if (!variant) return false;
    const Headroom h =
        FilterHeadroom(ws.Curve(DiagramsOf(*variant).filter, CurveRole::Impulse).points);
    if (!h.Clips()) return false;
    ui.Message(HeadroomMessage(h));
    return true;
}

}  // namespace qv
