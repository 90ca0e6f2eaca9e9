#pragma once
// The equalizer synthesis behind "Execute": an FIR filter of about half its
// length in bulk delay that realises a target level (plus the correction
// curve) and a target group delay, and the level and delay it really
// achieves, stored next to the targets.

#include <cstdint>

#include "curves/point_list.h"
#include "curves/user_interface.h"
#include "project/workspace.h"
#include "dsplink/program_profile.h"

namespace qv {

// Shown when the program profile has not been derived yet (no tap counts or
// sample frequencies): the design would divide by zero.
inline constexpr const char* kNoProfileMessage =
    "keine DSP-Einstellung vorhanden (Filterlaenge/Abtastrate fehlen): zuerst Setup -> DSP.";

// The filter of N taps at fs: 2*((N-1) div 2)+2 samples, x = 0 ... K-1.
// targetLevel and correction in dB over Hz, targetDelay in ms over Hz; all
// sorted by frequency. Throws std::invalid_argument unless N >= 1 and fs is
// a positive finite number.
PointList DesignFilter(const PointList& targetLevel, const PointList& targetDelay,
                       const PointList& correction, std::int32_t n, double fs);

struct AchievedCurves {
    PointList level;  // dB from 10 Hz to fs/2
    PointList delay;  // ms, with the bulk delay of N/(2 fs) taken out
};
AchievedCurves AnalyzeFilter(const PointList& filter, std::int32_t n, double fs);

// Amplitude/delay variant: targets in slot 1 of "Frequency Response" and
// "Group Delay", correction in slot 1 of "Frequency Response High"; N and fs
// from eqTapCount and eqSampleRate. The filter goes to slot 1 of "Impuls
// Response" ("impuls", the other slots cleared), the achieved curves to slot
// 2 ("real") of the two target diagrams. A refusal shows one message, changes
// nothing and returns false. ProcessingSampleRate and ProcessingLength are
// the variant's values while it runs and are restored on every path.
bool SynthesizeEqFilter(Workspace& ws, const DspProgramProfile& profile, UserInterface& ui);

// Room variant: targets in slot 1 of "Frequency Room" and "Delay Room", the
// same correction; N and fs from roomTapCount and roomSampleRate; room size
// from ws.RoomDepth and ws.RoomWidth. The achieved curves (of the single-path
// filter) go to slot 2 of the two room diagrams, the two-path filter to slot
// 1 of "Filter Room".
bool SynthesizeRoomFilter(Workspace& ws, const DspProgramProfile& profile, UserInterface& ui);

// Round-trip times of the two reflection paths in seconds, from depth and
// width in cm.
double PathTimeDepth(std::int32_t depthCm, std::int32_t widthCm);
double PathTimeWidth(std::int32_t depthCm, std::int32_t widthCm);
// trunc((PathTimeDepth - PathTimeWidth) * fs), the offset of the second path.
std::int32_t PathOffsetSamples(std::int32_t depthCm, std::int32_t widthCm, double fs);

}  // namespace qv
