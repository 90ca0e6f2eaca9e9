#pragma once
// A spectrum inside the filter design: bin k is entry k, X[k] = re - j*im in
// the sign convention of the impulse analysis.

#include <complex>
#include <vector>

namespace qv {

using Spectrum = std::vector<std::complex<double>>;

}  // namespace qv
