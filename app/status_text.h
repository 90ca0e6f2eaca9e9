#pragma once
// The status bar's reading of the mouse position in the current diagram's units.

#include <cstdint>
#include <string>
#include <utility>

#include "curves/diagram.h"
#include "curves/tr.h"

namespace qv {

// Empty when the mouse is outside the plot. Maps through the diagram in a
// client area of viewWidth x viewHeight and leaves the diagram alone.
std::string PositionText(const Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight,
                         std::int32_t px, std::int32_t py);

}  // namespace qv

namespace qv {

// The guide of the first screen, shown while the workspace is as it started.
inline constexpr const char* kFirstStepsHint = QV_TR(
    "Import a measurement (File → Import Measurement…) or bend the blue desired "
    "curve, then Simulate → Execute.");

// The status bar's lines beside the mouse readout. A line belongs to the
// action that made it: the next action (a command, undo, a curve edit,
// another diagram) replaces it, with nothing when that action says nothing.
class StatusLines {
  public:
    // An action starts: the last one's lines go.
    void BeginAction() {
        result_.clear();
        transfer_.clear();
    }
    void SetResult(std::string text) { result_ = std::move(text); }
    void SetTransfer(std::string text) { transfer_ = std::move(text); }
    // Whether the workspace still holds what it started with.
    void SetUntouched(bool untouched) { untouched_ = untouched; }

    const std::string& Result() const { return result_; }
    const std::string& Transfer() const { return transfer_; }
    // The guide yields to an action's own line, which the status bar has no room beside.
    std::string Hint() const {
        return untouched_ && result_.empty() && transfer_.empty() ? kFirstStepsHint : "";
    }

  private:
    std::string result_, transfer_;
    bool untouched_ = true;
};

}  // namespace qv
