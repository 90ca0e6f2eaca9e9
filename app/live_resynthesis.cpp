#include "app/live_resynthesis.h"

#include <utility>

namespace qv {
namespace {

bool SameInputs(const ExecuteInputs& a, const ExecuteInputs& b) {
    return a.variant == b.variant && a.targets.level == b.targets.level &&
           a.targets.delay == b.targets.delay && a.targets.correction == b.targets.correction &&
           a.profile.n == b.profile.n && a.profile.fs == b.profile.fs &&
           a.room.depth == b.room.depth && a.room.width == b.room.width &&
           a.measuredLevel == b.measuredLevel && a.measuredDelay == b.measuredDelay &&
           a.bandFrom == b.bandFrom && a.bandTo == b.bandTo;
}

}  // namespace

LiveResynthesis::LiveResynthesis(Workspace& ws, const DspProgramProfile& profile,
                                 const TargetSettings& band, std::function<void()> resultWaiting)
    : ws_(ws),
      profile_(profile),
      band_(band),
      resultWaiting_(std::move(resultWaiting)),
      worker_(
          [](const Run& r) {
              return Outcome{r.variant, ComputeExecute(r.inputs)};
          },
          [this](Outcome o, unsigned long change) {
              {
                  const std::lock_guard<std::mutex> lock(m_);
                  ready_.emplace(std::move(o), change);
                  ++runs_;
              }
              if (resultWaiting_) resultWaiting_();
          }) {}

void LiveResynthesis::SetEnabled(bool on) {
    enabled_ = on;
    submitted_.reset();
    if (on) CurvesMayHaveChanged();
}

bool LiveResynthesis::CurvesMayHaveChanged() {
    if (!enabled_) return false;
    const std::optional<FilterVariant> variant = ActiveFilter(ws_.CurrentDiagram);
    if (!variant) return false;
    ExecuteInputs in = GatherExecuteInputs(ws_, *variant, profile_, band_.from, band_.to);
    if (submitted_ && SameInputs(*submitted_, in)) return false;
    submitted_ = in;
    worker_.Submit({*variant, std::move(in)});
    return true;
}

bool LiveResynthesis::TakeResult() {
    std::optional<std::pair<Outcome, unsigned long>> ready;
    {
        const std::lock_guard<std::mutex> lock(m_);
        ready.swap(ready_);
    }
    // A result of an older change is dropped: the newer one is coming.
    if (!ready || !enabled_ || ready->second != worker_.LatestChange()) return false;
    if (!ready->first.result.refusal.empty()) return false;
    StoreExecuteResult(ws_, ready->first.variant, std::move(ready->first.result));
    return true;
}

bool LiveResynthesis::Settle() {
    if (!enabled_) return false;
    worker_.WaitIdle();
    return TakeResult();
}

}  // namespace qv
