#pragma once
// File -> "Export Filter...": the targets of "Execute" as filters for
// software convolvers, one file per rate named <name>_<rate>.<ext> in a
// folder, and a text beside them that shows how the convolvers take them.
// The document is only read.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "curves/user_interface.h"
#include "export/convolver_notes.h"
#include "project/workspace.h"

namespace qv {

// What the export dialog shows and allows, without Qt.
class ExportDialogRules {
  public:
    std::string folder = ".";
    std::string name = "filter";
    ExportFormat format = ExportFormat::Wav;
    std::string ratesText = "44100 48000";
    std::string tapsText = "65536";
    ExportPhase phase = ExportPhase::Linear;
    bool applyCorrection = false;  // the correction files describe the box's converters

    static std::vector<std::string> FormatChoices();  // in ExportFormat order
    static std::vector<std::string> TapChoices();     // "4096" ... "65536"

    // The rates of ratesText (blanks, commas or semicolons between them),
    // each once, in order; nullopt (and the reason in Problem) when one is
    // no number or out of range.
    std::optional<std::vector<double>> Rates() const;
    std::optional<std::int32_t> Taps() const;
    // Empty when OK can be pressed; otherwise what is wrong.
    std::string Problem() const;
    // The files an export writes, the usage text last.
    std::vector<std::string> Files() const;
    std::string NotesFile() const;
};

struct ExportOutcome {
    bool written = false;  // false: refused or cancelled, nothing written
    std::vector<std::string> files;
    std::string notes;
};

// Synthesises every rate with progress and Cancel, then writes the files and
// the usage text; nothing is written when the level target is missing or the
// person cancels. The level is slot 1 of "Frequency Response", the delay
// slot 1 of "Group Delay", the correction slot 1 of "Frequency Response High".
ExportOutcome RunExportFilter(const Workspace& ws, const ExportDialogRules& rules,
                              UserInterface& ui);

}  // namespace qv
