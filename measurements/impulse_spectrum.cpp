#include "measurements/impulse_spectrum.h"

#include <fftw3.h>

#include <cmath>
#include <mutex>
#include <numbers>
#include <stdexcept>

#include "curves/fftw_planner_lock.h"
#include "dsp_math/trig_sums.h"

namespace qv {
namespace {

// Bins read for each frequency, and the Gaussian's width that balances its
// cut-off tails against its images: exp(-w^2/(16a)) = exp(-2*pi^2*a).
constexpr int kTaps = 24;
const double kWidth = kTaps / (4.0 * std::numbers::sqrt2 * std::numbers::pi);

// The smallest even 2^a*3^b*5^c at or above n: lengths FFTW transforms fast.
std::size_t SmoothLength(std::size_t n) {
    for (std::size_t m = n + (n % 2);; m += 2) {
        std::size_t r = m;
        for (std::size_t p : {2u, 3u, 5u})
            while (r % p == 0) r /= p;
        if (r == 1) return m;
    }
}

double Gaussian(double x) {
    return std::exp(-x * x / (4.0 * kWidth));
}

// The Gaussian's continuous transform at xi cycles per bin.
double GaussianTransform(double xi) {
    return std::sqrt(4.0 * std::numbers::pi * kWidth) *
           std::exp(-4.0 * std::numbers::pi * std::numbers::pi * kWidth * xi * xi);
}

}  // namespace

ImpulseSpectrum::ImpulseSpectrum(std::span<const double> h) {
    if (h.empty()) throw std::invalid_argument("an empty impulse has no spectrum");
    if (h.size() > (std::size_t{1} << 28)) throw std::invalid_argument("impulse too long");
    length_ = SmoothLength(2 * h.size());
    centre_ = h.size() / 2;
    const auto m = static_cast<std::ptrdiff_t>(length_);
    std::vector<double> in(length_, 0.0);
    for (std::size_t n = 0; n < h.size(); ++n) {
        const auto t = static_cast<std::ptrdiff_t>(n) - static_cast<std::ptrdiff_t>(centre_);
        in[static_cast<std::size_t>((t + m) % m)] =
            h[n] / GaussianTransform(static_cast<double>(t) / static_cast<double>(m));
    }
    bins_.resize(length_ / 2 + 1);
    fftw_plan plan = nullptr;
    {
        const std::lock_guard<std::mutex> lock(FftwPlannerMutex());
        plan = fftw_plan_dft_r2c_1d(static_cast<int>(length_), in.data(),
                                    reinterpret_cast<fftw_complex*>(bins_.data()), FFTW_ESTIMATE);
    }
    if (plan == nullptr) throw std::runtime_error("no transform of this length");
    fftw_execute(plan);
    const std::lock_guard<std::mutex> lock(FftwPlannerMutex());
    fftw_destroy_plan(plan);
}

std::complex<double> ImpulseSpectrum::At(double nu) const {
    const auto m = static_cast<std::ptrdiff_t>(length_);
    const double x = nu * static_cast<double>(length_);
    const auto nearest = static_cast<std::ptrdiff_t>(std::floor(x));
    std::complex<double> sum = 0.0;
    for (std::ptrdiff_t k = nearest - kTaps / 2 + 1; k <= nearest + kTaps / 2; ++k) {
        // Bins beyond 0 ... length/2 mirror those inside: the input is real.
        const std::ptrdiff_t r = ((k % m) + m) % m;
        const std::complex<double> bin = r <= m / 2
                                             ? bins_[static_cast<std::size_t>(r)]
                                             : std::conj(bins_[static_cast<std::size_t>(m - r)]);
        sum += bin * Gaussian(x - static_cast<double>(k));
    }
    // Back from the centred samples to the impulse's own time origin.
    double c = 1.0, s = 0.0;
    ExactTurn(static_cast<double>(centre_), nu, c, s);
    return sum * std::complex<double>(c, -s);
}

}  // namespace qv
