#include "app/impulse_commands.h"

#include <utility>

#include "curves/tr.h"
#include "dsp_math/impulse_analysis.h"

namespace qv {
namespace {

bool HasImpulse(const Workspace& ws, UserInterface& ui) {
    if (!ws.Current(CurveRole::Impulse).points.empty()) return true;
    ui.Message(QV_TR("kein Impuls vorhanden"));
    return false;
}

}  // namespace

bool RunImpulsFrequencyResponse(Workspace& ws, UserInterface& ui, double fs, double fLow,
                                double fHigh) {
    if (!HasImpulse(ws, ui)) return false;
    PointList response =
        ImpulseToFrequencyResponse(ws.Current(CurveRole::Impulse).points, fs, fLow, fHigh);
    ValuesToDecibel(response);
    ws.CurrentDiagram = FrequencyResponseDiagram;
    SetCurve(ws, ws.CurrentDiagram, CurveRole::Desired, "amgang.dat", std::move(response));
    return true;
}

bool RunImpulsGroupDelay(Workspace& ws, UserInterface& ui, double fs) {
    if (!HasImpulse(ws, ui)) return false;
    PointList delay = ImpulseToGroupDelay(ws.Current(CurveRole::Impulse).points, fs);
    ws.CurrentDiagram = GroupDelayDiagram;
    SetCurve(ws, ws.CurrentDiagram, CurveRole::Desired, "tggang.dat", std::move(delay));
    return true;
}

}  // namespace qv
