#pragma once
// The transform of a long sampled impulse at any frequencies from one real
// FFT, for the level of a room impulse on the log grid: a direct sum costs
// length x points, this costs one transform of twice the length.
//
// The samples are divided by the transform of a narrow Gaussian, zero-padded
// and transformed; a frequency between the bins is then read by weighting the
// bins around it with that Gaussian. The two approximations (the Gaussian's
// tails beyond the bins read, and its images one period away) both stay below
// 1e-10 of the sum of |h|, so the level matches the direct sum to far better
// than 0.001 dB wherever it is not lost in the rounding of that sum.

#include <complex>
#include <span>
#include <vector>

namespace qv {

class ImpulseSpectrum {
  public:
    explicit ImpulseSpectrum(std::span<const double> h);
    // Sum over n of h[n]*exp(-2*pi*i*n*nu), nu in cycles per sample, 0 ... 0.5.
    std::complex<double> At(double nu) const;
    // The transform's length (at least twice the impulse's).
    std::size_t TransformLength() const { return length_; }

  private:
    std::size_t length_ = 0;
    std::size_t centre_ = 0;                  // the sample put at time 0 before the transform
    std::vector<std::complex<double>> bins_;  // 0 ... length/2
};

}  // namespace qv
