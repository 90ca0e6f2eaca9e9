#pragma once
// From the raw rows of a response to the curves the workspace takes: drop
// what cannot be a point, sort, merge repeated frequencies, turn phase into
// group delay and average down to at most kMaxImportPoints points.

#include <span>
#include <vector>

#include "curves/point_list.h"
#include "measurements/import_types.h"
#include "measurements/text_table.h"

namespace qv {

struct CleanResponse {
    PointList level;
    PointList groupDelay;
};

// Counts what it drops, merges and reduces into the report.
CleanResponse CleanUpResponse(RawResponse raw, ImportReport& report);

// Group delay in ms (a delay of tau s reads -1000*tau) from a phase in
// radians: unwrapped, then central differences against omega (one-sided at
// the ends). frequency ascending, at least two points.
std::vector<double> GroupDelayFromPhase(std::span<const double> frequency,
                                        std::span<const double> phaseRadians);

// Averages points onto a logarithmic grid of `bins` bins from the first to the
// last frequency: frequency as the geometric mean, level in power, delay
// linearly. Bins without a point give none. delay may be empty.
struct ReducedResponse {
    std::vector<double> frequency, level, delay;
    double pointsPerOctave = 0.0;
};
ReducedResponse ReduceOnLogGrid(std::span<const double> frequency, std::span<const double> level,
                                std::span<const double> delay, std::size_t bins);

}  // namespace qv
