#pragma once
// How the exported files are named and the short text beside them that
// shows how CamillaDSP, Equalizer APO and BruteFIR take them.

#include <string>
#include <vector>

#include "export/export_synthesis.h"
#include "export/filter_writers.h"

namespace qv {

// "<name>_<rate>.<ext>": "room_48000.wav"; a rate with a fraction keeps it.
std::string ExportFileName(const std::string& name, double rate, ExportFormat format);

struct ExportedFile {
    std::string fileName;  // as written, without the folder
    ExportedFilter filter;
};

// The usage text for the files of one export (one per rate), in `format`,
// with `name` as the filter's name in the configurations.
std::string ConvolverNotes(const std::string& name, ExportFormat format, ExportPhase phase,
                           const std::vector<ExportedFile>& files);

}  // namespace qv
