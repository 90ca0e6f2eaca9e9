#pragma once
// The real-signal transforms of the export synthesis, over FFTW. Sizes are
// even; a half spectrum holds L/2+1 bins. Neither direction scales: a round
// trip multiplies by L.

#include <complex>
#include <cstddef>
#include <vector>

namespace qv {

using HalfSpectrum = std::vector<std::complex<double>>;

// The L real samples whose spectrum has these L/2+1 bins (the imaginary
// parts of bin 0 and bin L/2 are ignored).
std::vector<double> HalfSpectrumToSamples(const HalfSpectrum& bins, std::size_t length);
// The L/2+1 bins of L real samples.
HalfSpectrum SamplesToHalfSpectrum(const std::vector<double>& samples);

}  // namespace qv
