#pragma once
// Simulate -> "Live": while it is checked, every change of a desired curve
// (a drag, a bend, a dialog) runs "Execute" and the prediction on a worker
// thread, coalesced to the latest state, and "real" and "predicted" follow.
// The window calls CurvesMayHaveChanged after each paint, TakeResult when the
// worker says a result waits, and Settle when a drag ends, so that the last
// result joins the drag's one undo step. Refusals and the headroom warning
// stay silent here; "Execute" still gives them.

#include <functional>
#include <mutex>
#include <optional>

#include "app/filter_workflow.h"
#include "app/live_worker.h"
#include "correction/correction_target.h"

namespace qv {

class LiveResynthesis {
  public:
    // resultWaiting is called on the worker thread; the window answers it
    // by calling TakeResult on its own thread.
    LiveResynthesis(Workspace& ws, const DspProgramProfile& profile, const TargetSettings& band,
                    std::function<void()> resultWaiting);

    // Switching on computes the present state at once.
    void SetEnabled(bool on);
    bool enabled() const { return enabled_; }
    // Submits the active filter's inputs when they differ from the last ones
    // submitted; true when it did.
    bool CurvesMayHaveChanged();
    // Stores the waiting result unless a newer change is on its way; true
    // when the document changed (repaint).
    bool TakeResult();
    // Waits for the worker, then stores its last result.
    bool Settle();
    unsigned long runs() const { return runs_; }

  private:
    struct Run {
        FilterVariant variant;
        ExecuteInputs inputs;
    };
    struct Outcome {
        FilterVariant variant;
        ExecuteResult result;
    };

    Workspace& ws_;
    const DspProgramProfile& profile_;
    const TargetSettings& band_;
    std::function<void()> resultWaiting_;
    bool enabled_ = false;
    std::optional<ExecuteInputs> submitted_;
    std::mutex m_;
    std::optional<std::pair<Outcome, unsigned long>> ready_;
    unsigned long runs_ = 0;                 // written on the worker thread under m_
    LatestOnlyWorker<Run, Outcome> worker_;  // last: its thread uses the rest
};

}  // namespace qv
