#pragma once
// Undo and redo of every change to a curve: each step keeps the curves of
// all diagrams as they were, so any command can be undone the same way.

#include <array>
#include <cstddef>
#include <vector>

#include "project/workspace.h"

namespace qv {

struct CurveSnapshot {
    std::array<std::array<CurveSlot, 4>, kDiagramCount> slots;
    DiagramId current = FrequencyResponseDiagram;

    static CurveSnapshot Take(const Workspace& ws);
    void Restore(Workspace& ws) const;
    bool SameCurves(const CurveSnapshot& other) const;
};

class UndoHistory {
  public:
    explicit UndoHistory(std::size_t depth = 100) : depth_(depth) {}

    // Call before a command that may change curves...
    void Begin(const Workspace& ws);
    // ... and after it: a step is kept only when some curve really changed.
    void Commit(const Workspace& ws);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // Both return false when there is nothing to undo or redo.
    bool Undo(Workspace& ws);
    bool Redo(Workspace& ws);
    void Clear();

  private:
    std::size_t depth_;
    bool open_ = false;
    CurveSnapshot pending_;
    std::vector<CurveSnapshot> undo_, redo_;
};

}  // namespace qv
