#pragma once
// Importing the measurements engineers exchange: text response files (FRD,
// ZMA, spreadsheet and analyser exports, CSV), audio impulse responses and
// text impulses. Every import ends in a level curve in dB over frequency, a
// group delay curve where the file allows one, and one report of what was
// read, skipped, dropped, merged and reduced.
//
// Group delay follows the workspace's sign convention: a delay of tau seconds
// reads -1000*tau ms.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "curves/point_list.h"
#include "measurements/import_types.h"

namespace qv {

// What a file offers before the user chooses options.
struct MeasurementProbe {
    MeasurementKind kind = MeasurementKind::TextResponse;
    // Names of the column pairs of a text response (at least one).
    std::vector<std::string> columnPairs;
    // Audio impulses: channels, rate, frames and the format's name.
    int channels = 0;
    double sampleRate = 0.0;
    long long frames = 0;
    std::string format;
    // A text impulse cannot be imported until the user gives its rate,
    // unless its header states it.
    bool needsSampleRate = false;
    double headerSampleRate = 0.0;  // 0: the header says nothing
};

struct ImportedMeasurement {
    PointList level;       // x in Hz ascending, y in dB; at most kMaxImportPoints
    PointList groupDelay;  // x in Hz ascending, y in ms; empty when the file gives none
    ImportReport report;
};

// Looks at a file and says what it offers. Throws ImportError when it is not a
// measurement (binary, empty, unreadable audio, no rows of numbers).
MeasurementProbe ProbeMeasurement(const std::string& path);
// The same with progress (0 ... 1) for a long text file; returning false
// cancels (ImportCancelled).
MeasurementProbe ProbeMeasurement(const std::string& path,
                                  const std::function<bool(double fraction)>& progress);

// Imports a file. Throws ImportError with a clear message when the file is not
// a measurement or an option does not fit it (a pair or channel that is not
// there, a text impulse without a rate, a gate outside the impulse).
ImportedMeasurement ImportMeasurement(const std::string& path, const ImportOptions& options = {});

// The samples of an impulse file (audio, or a text impulse at the given or the
// header's rate, its data offset applied) before any analysis. Throws
// NotAnImpulseError for a file that holds a response.
struct ImpulseSamples {
    std::string fileName;
    MeasurementKind kind = MeasurementKind::AudioImpulse;
    std::vector<double> samples;
    double sampleRate = 0.0;
};
ImpulseSamples ReadImpulseSamples(const std::string& path, const ImportOptions& options = {});

// The same for text held in memory (a pasted table); name is used in the report.
ImportedMeasurement ImportMeasurementText(std::string_view text, const std::string& name,
                                          const ImportOptions& options = {});

}  // namespace qv
