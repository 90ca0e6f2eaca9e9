#pragma once
// The one place that decides which filter the current diagram stands for,
// runs "Execute" on it (the synthesis, the prediction of a measurement, the
// headroom) and gives "Filter -> DSP" its input. The computation is a pure
// function of a copy of the document's inputs, so it can run away from the
// document; only StoreExecuteResult writes the document.

#include <optional>
#include <string>

#include "correction/predicted_result.h"
#include "curves/user_interface.h"
#include "dsp_math/eq_synthesis.h"
#include "dsplink/filter_transfer.h"
#include "dsplink/program_profile.h"
#include "project/workspace.h"

namespace qv {

// The equalizer for "Frequency Response", "Group Delay" and "Impuls
// Response", the room filter for "Frequency Room"; no filter elsewhere.
std::optional<FilterVariant> ActiveFilter(DiagramId current);

// Where a variant's curves live: the targets (with "real" beside them) and
// the filter.
struct FilterDiagrams {
    DiagramId level, delay, filter;
};
FilterDiagrams DiagramsOf(FilterVariant variant);

// Everything "Execute" reads, copied out of the document.
struct ExecuteInputs {
    FilterVariant variant = FilterVariant::Equalizer;
    SynthesisTargets targets;
    FilterProfile profile;
    RoomSize room;
    // The equalizer's measurement (level and delay), for the prediction.
    PointList measuredLevel, measuredDelay;
    // The correction target's band, where the prediction is measured.
    double bandFrom = 0, bandTo = 0;
};
ExecuteInputs GatherExecuteInputs(const Workspace& ws, FilterVariant variant,
                                  const DspProgramProfile& profile, double bandFrom, double bandTo);

struct ExecuteResult {
    std::string refusal;  // when not empty nothing was computed
    SynthesisResult synthesis;
    std::optional<Prediction> prediction;  // the equalizer's only
    Headroom headroom;
};
ExecuteResult ComputeExecute(const ExecuteInputs& in);

// The filter ("impuls", the other slots of its diagram cleared), "real" next
// to the targets and, for the equalizer, "predicted" next to each
// measurement (an earlier "predicted" goes where there is none). Nothing
// for a refusal.
void StoreExecuteResult(Workspace& ws, FilterVariant variant, ExecuteResult result);

// What "Filter -> DSP" sends from the current diagram.
FilterTransfer TransferInput(const Workspace& ws);
// When the active filter clips: the headroom message and true. "Execute"
// warns with it, "Filter -> DSP" refuses.
bool ReportClippingFilter(const Workspace& ws, UserInterface& ui);

}  // namespace qv
