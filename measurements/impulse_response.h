#pragma once
// Level and group delay of a sampled impulse at the frequencies of a
// logarithmic grid, with an optional gate around the peak.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "curves/point_list.h"
#include "measurements/import_types.h"
#include "measurements/text_table.h"

namespace qv {

// Cycles of the frequency-dependent window through which the group delay of
// an impulse is always derived: long enough for a loudspeaker's own delay,
// short enough to leave a room's late reflections out.
constexpr double kDefaultFdwCycles = 15.0;
// The fixed rise of that window before the peak.
constexpr double kFdwRiseMs = 0.5;

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

// The frequency-dependent window's weight of sample k, for a window of
// `rise` samples before the peak at `peak` and `fall` samples after it: a
// half-Hann rise, 1 at the peak, a half-Hann fall to 0 at peak + fall.
double FdwWeight(std::ptrdiff_t k, std::ptrdiff_t peak, std::ptrdiff_t rise, std::ptrdiff_t fall);

// Averaging levels needs no group delay: leaving it out saves most of the
// work when the level is taken from the whole impulse.
enum class ImpulseParts { LevelAndGroupDelay, LevelOnly };

// Level is 20*log10|X(f)|, read from one transform of the whole analysed
// impulse (ImpulseSpectrum) unless it goes through the window; group delay
// is -1000*Re{X_n(f)/X(f)}/fs ms with X_n the transform of n*h[n]. The group delay is always taken
// through a frequency-dependent window of fdwCycles/f seconds after the peak (default
// kDefaultFdwCycles); the level only when fdwCycles is given. Throws
// ImportError for a silent impulse, ImportOptionError for a gate outside it
// or a bad cycle count, ImportCancelled on request.
ImpulseAnalysis AnalyseImpulse(std::span<const double> samples, double fs,
                               const std::optional<ImpulseGate>& gate, const ProgressFn& progress,
                               std::optional<double> fdwCycles = std::nullopt,
                               ImpulseParts parts = ImpulseParts::LevelAndGroupDelay);

}  // namespace qv
