#pragma once
// The two impulse commands of the main window, shared by the editor and the
// batch tool: they read the impulse of the current diagram and replace the
// desired curve of the target diagram, which becomes current. The caller then
// sets the automatic range and repaints.

#include "curves/user_interface.h"
#include "project/workspace.h"

namespace qv {

// "Impuls -> Frequency Response": the response in dB into "Frequency
// Response", named "amgang.dat". Without an impulse it shows "kein Impuls
// vorhanden", changes nothing and returns false.
bool RunImpulsFrequencyResponse(Workspace& ws, UserInterface& ui, double fs = 90000,
                                double fLow = 10, double fHigh = 45000);
// "Impuls -> Group Delay": the group delay in ms into "Group Delay", named
// "tggang.dat"; the same refusal.
bool RunImpulsGroupDelay(Workspace& ws, UserInterface& ui, double fs = 61200);

}  // namespace qv
