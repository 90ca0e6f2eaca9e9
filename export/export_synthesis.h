#pragma once
// Filters for software convolvers: the targets of "Execute" (level, delay,
// optional correction) synthesised afresh at any rate and length, not
// resampled from the box's filter. The targets mean what they mean to the
// box's synthesis: levels in dB interpolated linearly in frequency with the
// end values held beyond the curve, the correction added as Execute adds it, and
// a positive target delay (ms) taking that much delay away at its frequency.
// Unit gain: a flat 0 dB target gives a largest coefficient of 1; nothing is
// normalised.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "curves/point_list.h"

namespace qv {

enum class ExportPhase { Linear, Minimum };

inline constexpr std::int32_t kMinExportTaps = 16;
inline constexpr std::int32_t kMaxExportTaps = 65536;
inline constexpr double kMinExportRate = 8000;
inline constexpr double kMaxExportRate = 768000;

struct ExportTargets {
    PointList level;       // dB over Hz; required
    PointList delay;       // ms over Hz; empty = no delay target
    PointList correction;  // dB over Hz; empty = none (the default for export)
};

struct ExportedFilter {
    std::vector<double> taps;
    double rate = 0;
    std::int32_t latencySamples = 0;  // the bulk delay: N div 2 linear, 0 minimum
    double peak = 0;                  // largest |coefficient|
    std::int32_t peakIndex = 0;
    double LatencyMs() const { return 1000.0 * latencySamples / rate; }
};

// Called with the fraction done; false stops the synthesis.
using ExportProgress = std::function<bool(double fraction)>;

// Linear phase: bulk delay N div 2, symmetric about it for a zero delay
// target, the box's taper over the whole length. Minimum phase: from the
// level alone through the real cepstrum, no bulk delay, a falling taper over
// the second half; a non-zero delay target is refused there. Throws
// std::invalid_argument (naming the value) for taps outside 16 ... 65536, a
// rate outside 8000 ... 768000 Hz or an empty level; nullopt when `progress`
// stopped it.
std::optional<ExportedFilter> SynthesizeExportFilter(const ExportTargets& targets,
                                                     std::int32_t taps, double rate,
                                                     ExportPhase phase,
                                                     const ExportProgress& progress = {});

// "linear" / "minimum" and back; nullopt for anything else.
const char* PhaseName(ExportPhase phase);
std::optional<ExportPhase> ParsePhase(const std::string& name);

// One line for the person: taps, rate, latency and peak coefficient.
std::string DescribeFilter(const ExportedFilter& filter);

}  // namespace qv
