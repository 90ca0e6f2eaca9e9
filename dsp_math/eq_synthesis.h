#pragma once
// The equalizer synthesis behind "Execute": an FIR filter of about half its
// length in bulk delay that realises a target level (plus the correction
// curve) and a target group delay, and the level and delay it really
// achieves. Values in, values out: where the curves come from and where the
// results go is the filter workflow's business.

#include <cstdint>
#include <string>

#include "curves/point_list.h"
#include "dsplink/program_profile.h"

namespace qv {

// Shown when the program profile has not been derived yet (no tap counts or
// sample frequencies): the design would divide by zero.
inline constexpr const char* kNoProfileMessage =
    "keine DSP-Einstellung vorhanden (Filterlaenge/Abtastrate fehlen): zuerst Setup -> DSP.";

// The two filters a program holds: the equalizer (amplitude and delay) and
// the room filter.
enum class FilterVariant { Equalizer, Room };

// The length and sample frequency one filter is designed for.
struct FilterProfile {
    std::int32_t n = 0;
    double fs = 0.0;
};
// eqTapCount/eqSampleRate or roomTapCount/roomSampleRate.
FilterProfile ProfileOf(FilterVariant variant, const DspProgramProfile& profile);

// What a synthesis is made from: level and correction in dB over Hz, delay
// in ms over Hz, each sorted by frequency.
struct SynthesisTargets {
    PointList level;
    PointList delay;
    PointList correction;
};

// Room size for the room synthesis, in cm (the "Room " spin edits).
struct RoomSize {
    std::int32_t depth = 400;
    std::int32_t width = 400;
};

// The target level plus the correction, sampled at the frequencies of both
// curves (each holds its end values beyond its ends). Empty when either is.
PointList TargetWithCorrection(const PointList& level, const PointList& correction);

// The filter of N taps at fs: 2*((N-1) div 2)+2 samples, x = 0 ... K-1.
// Throws std::invalid_argument unless N >= 1 and fs is a positive finite
// number.
PointList DesignFilter(const PointList& targetLevel, const PointList& targetDelay,
                       const PointList& correction, std::int32_t n, double fs);

struct AchievedCurves {
    PointList level;  // dB from 10 Hz to fs/2
    PointList delay;  // ms, with the bulk delay of N/(2 fs) taken out
};
AchievedCurves AnalyzeFilter(const PointList& filter, std::int32_t n, double fs);

// The message that refuses a synthesis, checked in this order: no level
// target, no delay target, no correction, no profile. Empty when it may run.
std::string SynthesisRefusal(FilterVariant variant, const SynthesisTargets& targets,
                             const FilterProfile& profile);

struct SynthesisResult {
    PointList filter;         // what the box receives
    AchievedCurves achieved;  // of the single-path filter
};
// The equalizer: the designed filter and what it achieves. Throws like
// DesignFilter.
SynthesisResult SynthesizeEqFilter(const SynthesisTargets& targets, const FilterProfile& profile);
// The room filter: the designed filter at -0.5 plus a copy moved by the
// difference of the two reflection paths; achieved is that of the designed
// filter.
SynthesisResult SynthesizeRoomFilter(const SynthesisTargets& targets, const FilterProfile& profile,
                                     RoomSize room);

// Round-trip times of the two reflection paths in seconds, from depth and
// width in cm.
double PathTimeDepth(std::int32_t depthCm, std::int32_t widthCm);
double PathTimeWidth(std::int32_t depthCm, std::int32_t widthCm);
// trunc((PathTimeDepth - PathTimeWidth) * fs), the offset of the second path.
std::int32_t PathOffsetSamples(std::int32_t depthCm, std::int32_t widthCm, double fs);

}  // namespace qv
