#pragma once
// The transforms evaluated term by term in long double, one sine and cosine
// per term: the yardstick for the fast sums of the library.

#include <cstdint>
#include <vector>

#include "curves/point_list.h"

namespace qv::test {

struct RefSums {
    std::vector<long double> a, b;
};
RefSums DirectSums(const std::vector<double>& a, const std::vector<double>& b,
                   const std::vector<double>& freqs);

PointList RefFrequencyResponse(const PointList& impulse, double fs, double fLow, double fHigh);
PointList RefGroupDelay(const PointList& impulse, double fs);
PointList RefSpectrumToImpulse(const PointList& re, const PointList& im);
// The whole filter design with its own resampling, phase and mirror, and the
// inverse transform above: nothing of the library but the taper window.
PointList RefDesignFilter(const PointList& level, const PointList& delay,
                          const PointList& correction, std::int32_t n, double fs);

}  // namespace qv::test
