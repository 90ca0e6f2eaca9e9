#pragma once
// What a computed filter does to a measured speaker, and whether the box can
// hold the filter at all.

#include <cstdint>
#include <optional>
#include <string>

#include "curves/point_list.h"

namespace qv {

// The filter's level in dB at the given frequencies (Hz, each in (0, fs/2]),
// from its direct Fourier sums; |H| = 0 reads -200 dB.
PointList FilterLevelAt(const PointList& filter, const PointList& at, double fs);
// The filter's group delay in ms at the given frequencies, in the analysis
// convention (late reads negative), with the bulk delay of n/(2 fs) taken out
// as for the achieved curve "real".
PointList FilterDelayAt(const PointList& filter, const PointList& at, std::int32_t n, double fs);

// measured + the filter's level (or group delay) at the measured frequencies
// up to fs/2; points above fs/2 are left out.
PointList PredictLevel(const PointList& measured, const PointList& filter, double fs);
PointList PredictDelay(const PointList& measuredDelay, const PointList& filter, std::int32_t n,
                       double fs);

// The RMS deviation of a curve's points inside [from, to] from their mean;
// nothing when fewer than 2 points lie inside.
std::optional<double> BandRmsDeviation(const PointList& curve, double from, double to);

// The box holds each coefficient in a form that stops at +-1.
struct Headroom {
    double peak = 0.0;    // largest |coefficient|
    double excessDb = 0;  // how far the target must come down: 20 log10(peak), when > 0
    bool Clips() const { return peak > 1.0; }
};
Headroom FilterHeadroom(const PointList& filter);
// The dB by which the headroom message says to lower the target: the excess
// rounded up to 0.1 dB, so that lowering by it always suffices.
double HeadroomLoweringDb(const Headroom& h);
// The caption of the button beside the headroom message that does it.
std::string HeadroomActionText(const Headroom& h);
std::string HeadroomMessage(const Headroom& h);

// What a filter of n taps at fs makes of a measurement: measured + filter,
// level and delay (each empty when its measurement or the filter is), and
// the RMS deviation of the predicted level inside [from, to], when there is
// one.
struct Prediction {
    PointList level;
    PointList delay;
    std::optional<double> rms;
};
Prediction PredictMeasurement(const PointList& measuredLevel, const PointList& measuredDelay,
                              const PointList& filter, std::int32_t n, double fs, double from,
                              double to);
// The status bar text of that figure.
std::string RmsStatusText(double rms, double from, double to);

}  // namespace qv
