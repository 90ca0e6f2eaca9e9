#include "project/workspace.h"

namespace qv {

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
