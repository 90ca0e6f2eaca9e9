#pragma once
// Level and group delay of a sampled impulse, by direct Fourier sums at the
// frequencies of a logarithmic grid, with an optional gate around the peak.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "curves/point_list.h"
#include "measurements/import_types.h"
#include "measurements/text_table.h"

namespace qv {

// Points per octave of the analysis grid.
constexpr double kImpulsePointsPerOctave = 48.0;
// The grid starts here unless the analysed length resolves only higher.
constexpr double kImpulseLowestHz = 20.0;

struct ImpulseAnalysis {
    PointList level;                  // dB
    PointList groupDelay;             // ms, a delay reads negative
    std::size_t peak = 0;             // sample of the largest magnitude
    std::size_t first = 0, last = 0;  // analysed samples, both included
    bool gateClipped = false;         // the gate reached past an end of the impulse
};

// The grid from max(20 Hz, fs/length) to just below fs/2, evenly spaced in
// log frequency with at least 48 points per octave. Empty when the length
// resolves nothing below fs/2.
std::vector<double> ImpulseFrequencies(double fs, std::size_t length);

// The gate's weights over `length` samples: half-Hann flanks of 10 % of the
// length at both ends, 1 between.
double GateWeight(std::size_t k, std::size_t length);

// Level is 20*log10|X(f)|; group delay is -1000*Re{X_n(f)/X(f)}/fs ms with
// X_n the transform of n*h[n]. Throws ImportError for a silent impulse,
// ImportOptionError for a gate outside it, ImportCancelled on request.
ImpulseAnalysis AnalyseImpulse(std::span<const double> samples, double fs,
                               const std::optional<ImpulseGate>& gate, const ProgressFn& progress);

}  // namespace qv
