#pragma once
// The transforms from which a filter is built: taper window, resampling onto frequency bins, delay
// to phase, the phase corrections that centre the filter, polar to rectangular and the mirrored
// full spectrum. Bin k of a filter of length N at sample frequency fs stands
// for k*fs/N Hz.
//
// Bins are plain vectors: bin k is entry k.

#include <cstdint>
#include <span>
#include <vector>

#include "curves/point_list.h"
#include "dsp_math/spectrum.h"

namespace qv {

// Rising half of a 4-term Blackman-Harris window over `rise` points, `flat`
// points of 1, falling half over `fall` points, 0 beyond; by list position.
void TaperWindow(std::int32_t rise, std::int32_t flat, std::int32_t fall, PointList& list);
void TaperWindow(std::int32_t rise, std::int32_t flat, std::int32_t fall,
                 std::span<double> samples);

// The N bins of a curve at fs. The curve must be sorted by x; outside it the
// nearest end value holds, an empty curve reads 0 (dB or value). N <= 0
// gives no bins.
std::vector<double> LevelToMagnitudeBins(const PointList& levelCurve, std::int32_t n, double fs);
std::vector<double> CurveToBins(const PointList& curve, std::int32_t n, double fs);

// Running phase of the delay bins (ms): N+1 points, phase 0 first.
std::vector<double> DelayToPhases(std::span<const double> delays, std::int32_t n, double fs);
// Adds 2*pi*d*(delayMs/1000)*fs/N to point d.
void AddBulkDelayPhase(std::span<double> phases, std::int32_t n, double delayMs, double fs);
// A linear phase ramp that puts bin N div 2 onto a multiple of pi. The list
// must hold that point; otherwise it is left unchanged.
void AlignMidBinPhase(std::span<double> phases, std::int32_t n);

// (M cos phi, -M sin phi) while both lists have a point.
Spectrum PolarToSpectrum(std::span<const double> magnitudes, std::span<const double> phases);
// The conjugate-symmetric spectrum of 2m+2 bins, m = (N-1) div 2, from the
// bins 0 ... m+1 (missing bins padded with zeros); the top bin is made real.
Spectrum MirrorSpectrum(const Spectrum& half, std::int32_t n);

}  // namespace qv
