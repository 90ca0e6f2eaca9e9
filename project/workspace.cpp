#include "project/workspace.h"

#include <utility>

namespace qv {

int SlotOf(CurveRole role) {
    switch (role) {
        case CurveRole::Desired:
        case CurveRole::Impulse:
            return 1;
        case CurveRole::Real:
            return 2;
        case CurveRole::Measured:
        case CurveRole::TargetFunction:
            return 3;
        case CurveRole::Predicted:
            return 4;
    }
    return 1;
}

CurveSlot& Workspace::Curve(DiagramId id, CurveRole role) {
    return diagrams[id].Slot(SlotOf(role));
}

const CurveSlot& Workspace::Curve(DiagramId id, CurveRole role) const {
    return diagrams[id].Slot(SlotOf(role));
}

void SetCurve(Workspace& ws, DiagramId id, CurveRole role, std::string_view name, PointList list) {
    SetSlot(ws[id], SlotOf(role), name, std::move(list));
}

void ClearCurve(Workspace& ws, DiagramId id, CurveRole role) {
    ClearSlot(ws[id], SlotOf(role));
}

void ReplaceCurves(Workspace& ws, DiagramId id, CurveRole role, std::string_view name,
                   PointList list) {
    ClearSlots(ws[id]);
    SetCurve(ws, id, role, name, std::move(list));
}

void CreateDiagramSet(Workspace& ws) {
    ws.diagrams = MakeDiagramSet(ws.ViewWidth, ws.ViewHeight);
    ws.CurrentDiagram = FrequencyResponseDiagram;
    ws.ProcessingLength = 1800;
}

void CreateDesiredCurve(Workspace& ws, DiagramId id, double xStart) {
    ws.CurrentDiagram = id;
    FillDesiredCurve(ws[id], xStart);
}

}  // namespace qv
