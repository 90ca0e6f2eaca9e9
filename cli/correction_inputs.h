#pragma once
// The measured curves of "correct", "smooth" and "synth", read through the
// measurement importer.

#include <string>

#include "curves/point_list.h"
#include "measurements/measurement_import.h"

namespace qv::cli {

// The level of a measurement file (dB over Hz).
inline PointList ImportLevel(const std::string& file) {
    return ImportMeasurement(file).level;
}

// A group delay from a file: the delay the importer derives (from a phase or
// a delay column, or from an impulse); a plain two-column curve of ms over Hz
// otherwise.
inline PointList ImportDelay(const std::string& file) {
    ImportedMeasurement m = ImportMeasurement(file);
    return m.groupDelay.empty() ? std::move(m.level) : std::move(m.groupDelay);
}

}  // namespace qv::cli
