#include "app/correction_files.h"

#include <utility>

#include "curves/curve_files.h"
#include "curves/tr.h"

namespace qv {
namespace {

struct CorrectionFile {
    const char* name;
    DiagramId diagram;
};

constexpr CorrectionFile kCorrectionFiles[] = {
    {"amlin.cor", FrequencyResponseHighDiagram},
    {"amlow.cor", FrequencyResponseLowDiagram},
    {"amroom.cor", FrequencyRoomDiagram},
};

}  // namespace

void LoadCorrectionCurves(Workspace& ws, UserInterface& ui) {
    for (const auto& file : kCorrectionFiles) {
        if (!CheckFileReadable(file.name, ui)) {
            ui.Message(std::string(QV_TR("Fehler beim Zugriff auf ")) + file.name + ".");
            continue;
        }
        PointList list = ReadXYFile(file.name, ui);
        if (!list.empty())
            SetCurve(ws, file.diagram, CurveRole::Desired, CutName(file.name), std::move(list));
    }
}

void LoadProcessingFiles(Workspace& ws, UserInterface& ui, const std::string& configFallback) {
    // The configuration file is only looked for; a missing one is reported.
    if (!CheckFileReadable("impuls.cfg", ui)) CheckFileReadable(configFallback, ui);
    LoadCorrectionCurves(ws, ui);
}

}  // namespace qv
