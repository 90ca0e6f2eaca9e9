#include "app/undo_history.h"

#include <utility>

namespace qv {
namespace {

bool SameSlot(const CurveSlot& a, const CurveSlot& b) {
    return a.name == b.name && a.marked == b.marked && a.points == b.points;
}

}  // namespace

CurveSnapshot CurveSnapshot::Take(const Workspace& ws) {
    CurveSnapshot s;
    for (int d = 0; d < kDiagramCount; ++d)
        s.slots[static_cast<std::size_t>(d)] = ws[static_cast<DiagramId>(d)].slots;
    s.current = ws.CurrentDiagram;
    return s;
}

void CurveSnapshot::Restore(Workspace& ws) const {
    for (int d = 0; d < kDiagramCount; ++d)
        ws[static_cast<DiagramId>(d)].slots = slots[static_cast<std::size_t>(d)];
    ws.CurrentDiagram = current;
}

bool CurveSnapshot::SameCurves(const CurveSnapshot& other) const {
    for (std::size_t d = 0; d < slots.size(); ++d)
        for (std::size_t k = 0; k < 4; ++k)
            if (!SameSlot(slots[d][k], other.slots[d][k])) return false;
    return true;
}

void UndoHistory::Begin(const Workspace& ws) {
    pending_ = CurveSnapshot::Take(ws);
    open_ = true;
}

void UndoHistory::Commit(const Workspace& ws) {
    if (!open_) return;
    open_ = false;
    CurveSnapshot now = CurveSnapshot::Take(ws);
    if (now.SameCurves(pending_)) return;
    // Undo shows the diagram in which the change happened.
    pending_.current = ws.CurrentDiagram;
    undo_.push_back(std::move(pending_));
    if (undo_.size() > depth_) undo_.erase(undo_.begin());
    redo_.clear();
}

// Both directions of a step show the diagram in which the change happened,
// not the one that was shown when undo or redo was chosen.
bool UndoHistory::Undo(Workspace& ws) {
    if (undo_.empty()) return false;
    redo_.push_back(CurveSnapshot::Take(ws));
    redo_.back().current = undo_.back().current;
    undo_.back().Restore(ws);
    undo_.pop_back();
    return true;
}

bool UndoHistory::Redo(Workspace& ws) {
    if (redo_.empty()) return false;
    undo_.push_back(CurveSnapshot::Take(ws));
    undo_.back().current = redo_.back().current;
    redo_.back().Restore(ws);
    redo_.pop_back();
    return true;
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    open_ = false;
}

}  // namespace qv
