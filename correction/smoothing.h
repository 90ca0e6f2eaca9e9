#pragma once
// Fractional-octave smoothing of a curve on its own points: each point becomes
// the average over +-1/(2N) octave around it, each neighbour weighted by the
// span of log frequency it covers.

#include <optional>

#include <span>
#include <string>
#include "curves/tr.h"

#include "curves/point_list.h"

namespace qv {

// How the values are averaged: a level in dB as power (10^(L/10)), so that a
// narrow notch does not dig a wide hole; a group delay as it stands.
enum class SmoothingKind { Level, Delay };

// The fractions offered: 1/1, 1/2, 1/3, 1/6, 1/12, 1/24 and 1/48 octave.
std::span<const int> SmoothingFractions();
bool IsSmoothingFraction(int n);
inline constexpr const char* kBadFractionMessage =
    QV_TR("Smoothing: the fraction must be 1, 2, 3, 6, 12, 24 or 48.");

// The smoothed curve, same x values. Points at or below 0 Hz keep their value
// and take no part in the averages. Throws std::invalid_argument with
// kBadFractionMessage for a fraction outside the list.
PointList SmoothFractionalOctave(const PointList& curve, int fraction, SmoothingKind kind);

}  // namespace qv
