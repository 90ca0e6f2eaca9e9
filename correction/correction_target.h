#pragma once
// The correction target: from a measured level (and group delay), a target
// shape, a band and limits, the level and delay that the filter should add.
// Both are computed on the measured curve's own frequencies.

#include <optional>
#include <string>

#include "curves/point_list.h"

namespace qv {

enum class TargetShape { Flat, Tilt, House };

struct TargetSettings {
    double from = 20.0;  // band, Hz
    double to = 20000.0;
    double maxBoost = 6.0;  // dB
    double maxCut = 12.0;   // dB
    double maxDelay = 5.0;  // ms
    int smoothing = 0;      // 0: none, else 1/N octave
    TargetShape shape = TargetShape::Flat;
    double tilt = 0.0;                // dB per octave through 0 dB at 1 kHz
    PointList house;                  // dB over Hz, for TargetShape::House
    std::optional<double> reference;  // Hz where the measurement is put at 0 dB
    bool delayCorrection = false;
};

// The first thing wrong with the settings, or nothing: a band with
// from >= to, a limit or frequency that is negative or not a number, a
// fraction outside the list, a house curve that is not a curve.
std::optional<std::string> CheckTargetSettings(const TargetSettings& s);
// Also a measurement with fewer than 2 points inside the band.
std::optional<std::string> CheckMeasurement(const PointList& measured, const TargetSettings& s,
                                            const char* what);

// Value of a curve at f, linear in log frequency between its points and held
// beyond its ends. The curve must be ascending with at least one point.
double ValueAtLogFrequency(const PointList& curve, double f);
// The mean over [from, to] on a logarithmic frequency axis (trapezoids between
// the points, the band edges interpolated).
double LogMean(const PointList& curve, double from, double to);
// The weight that fades a correction to 0 over one third of an octave
// outside the band (raised cosine in log f); 1 inside the band.
double BandFade(double f, double from, double to);

// The dB to add to the measurement so that it reads 0 dB in the band mean
// (or at the reference frequency).
double NormalisationOffset(const PointList& measured, const TargetSettings& s);
// T(f) of the chosen shape.
double TargetLevel(const TargetSettings& s, double f);

// C(f) = T(f) - M(f) with M normalised (and smoothed first when asked),
// clipped to [-maxCut, +maxBoost] and faded outside the band. The settings
// must have passed the checks.
PointList LevelCorrection(const PointList& measured, const TargetSettings& s);
// D(f) = R - G(f), clipped to [-maxDelay, 0] and faded. In the group delay
// convention late reads negative, so D never adds lead. G is the measured
// delay with the points where the level shows a deep narrow dip (its phase
// is noise there) bridged from their neighbours, then smoothed with the
// level's fraction. The reference R is the latest smoothed delay in the band,
// but never more than half the delay limit below the band's median (over log
// frequency, points quieter than their surroundings weighing less): a room's
// late low-frequency delays cannot pull the whole band onto the limit.
// Without a level every point counts by its span of log frequency.
PointList DelayCorrection(const PointList& measuredDelay, const TargetSettings& s,
                          const PointList& measuredLevel = {});
// The share (0 ... 1) of the points of a delay correction inside the band
// that sit on the delay limit.
double DelayAtLimitShare(const PointList& delayCorrection, const TargetSettings& s);
// A dip deeper than this under the 1/3-octave smoothed level marks a delay
// point as unreliable.
constexpr double kUnreliableDipDb = 6.0;

}  // namespace qv
