#include "dsp_math/impulse_analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>
#include <vector>

#include "dsp_math/trig_sums.h"

namespace qv {
namespace {

constexpr double kPi = std::numbers::pi;

// The sample values of the first `limit` points, in list order (the x values
// of an impulse are never trusted; its position is its sample index).
std::vector<double> FirstSamples(const PointList& impulse, int limit) {
    const std::size_t kept = std::min(impulse.size(), static_cast<std::size_t>(limit));
    std::vector<double> samples(kept);
    for (std::size_t n = 0; n < kept; ++n) samples[n] = impulse[n].y;
    return samples;
}

// trunc(K*lengthFactor) samples of the spectrum re - j im of K bins, of which
// the first `pairs` are paired; each divided by the pairs. Empty when there is
// nothing to take.
std::vector<double> InverseSamples(std::span<const double> re, std::span<const double> im,
                                   std::size_t k, double lengthFactor) {
    const double last = std::trunc(static_cast<double>(k) * lengthFactor - 1.0);
    if (k == 0 || !(last >= 0.0) || last > INT32_MAX) return {};
    const std::size_t count = static_cast<std::size_t>(last) + 1;
    const std::size_t pairs = std::min(re.size(), im.size());
    std::vector<double> ts(count);
    const double dt = 1.0 / static_cast<double>(k);
    double t = 0.0;
    for (std::size_t n = 0; n < count; ++n) {
        ts[n] = t;
        t += dt;
    }
    std::vector<double> c(count), s(count);
    TrigSums(re.first(pairs), im.first(pairs), ts, c, s);
    for (std::size_t n = 0; n < count; ++n)
        c[n] = pairs == 0 ? 0.0 : (c[n] + s[n]) / static_cast<double>(pairs);
    return c;
}

void DirectSums(const PointList& impulse, double nu, double& a, double& b) {
    a = 0.0;
    b = 0.0;
    for (std::size_t n = 0; n < impulse.size(); ++n) {
        const double angle = 2.0 * kPi * static_cast<double>(n) * nu;
        a += impulse[n].y * std::cos(angle);
        b += impulse[n].y * std::sin(angle);
    }
}

bool PositiveFinite(double v) {
    return std::isfinite(v) && v > 0.0;
}

}  // namespace

double PhaseFromSums(double a, double b) {
    double offset = 0.0;
    if (a < 0.0) offset = (b >= 0.0) ? kPi : -kPi;
    double p;
    if (a != 0.0)
        p = std::atan(b / a) + offset;
    else
        p = (b >= 0.0) ? kPi / 2 : -kPi / 2;
    return -p;
}

double DftMagnitude(const PointList& impulse, double nu) {
    double a, b;
    DirectSums(impulse, nu, a, b);
    return std::sqrt(a * a + b * b);
}

double DftPhase(const PointList& impulse, double nu) {
    double a, b;
    DirectSums(impulse, nu, a, b);
    return PhaseFromSums(a, b);
}

PointList ImpulseToFrequencyResponse(const PointList& impulse, double fs, double fLow,
                                     double fHigh) {
    PointList result;
    if (!PositiveFinite(fs) || !PositiveFinite(fLow) || !PositiveFinite(fHigh)) return result;
    const std::vector<double> h = FirstSamples(impulse, kMagnitudeSamples);
    // The grid is built first, by the same repeated addition as always; the
    // sums for all its points are then taken in one pass.
    std::vector<double> nus;
    const double uEnd = std::log(fHigh / fs) / kLn10Grid;
    for (double u = std::log(fLow / fs) / kLn10Grid; u <= uEnd; u += 0.01)
        nus.push_back(std::exp(kLn10Grid * u));
    std::vector<double> a(nus.size()), b(nus.size());
    TrigSums(h, h, nus, a, b);
    result.reserve(nus.size());
    for (std::size_t i = 0; i < nus.size(); ++i)
        AppendPoint(result, nus[i] * fs, std::sqrt(a[i] * a[i] + b[i] * b[i]));
    return result;
}

PointList ImpulseToGroupDelay(const PointList& impulse, double fs) {
    PointList result;
    if (!PositiveFinite(fs)) return result;
    const std::vector<double> h = FirstSamples(impulse, kGroupDelaySamples);
    const double uStart = std::log(1.0 / fs) / kLn10Grid;
    const double uEnd = std::log(0.5) / kLn10Grid;
    const double du = 1.0 / (3.0 * static_cast<double>(h.size()));
    std::vector<double> us, nus;
    for (double u = uStart; u <= uEnd; u += du) {
        us.push_back(u);
        nus.push_back(std::exp(kLn10Grid * u));
    }
    std::vector<double> a(nus.size()), b(nus.size());
    TrigSums(h, h, nus, a, b);

    double unwrapped = 0.0, rawPrev = 0.0, unwrappedPrev = 0.0, nuPrev = 0.0;
    int countdown = 2;
    result.reserve(nus.size() / 10 + 1);
    for (std::size_t i = 0; i < nus.size(); ++i) {
        const double nu = nus[i];
        const double phi = PhaseFromSums(a[i], b[i]);
        if (rawPrev > kPi / 2 && phi < -kPi / 2)
            unwrapped = unwrapped + phi - rawPrev + 2 * kPi;
        else if (rawPrev < -kPi / 2 && phi > kPi / 2)
            unwrapped = unwrapped + phi - rawPrev - 2 * kPi;
        else
            unwrapped = unwrapped + phi - rawPrev;
        rawPrev = phi;
        const double tau = (unwrapped - unwrappedPrev) / ((nu - nuPrev) * fs) / 2 / kPi * 1000;
        if (us[i] > uStart && countdown <= 0) {
            AppendPoint(result, nu * fs, tau);
            countdown = 10;
        }
        --countdown;
        unwrappedPrev = unwrapped;
        nuPrev = nu;
    }
    return result;
}

std::vector<double> SpectrumToSamples(const Spectrum& spectrum, double lengthFactor) {
    std::vector<double> re(spectrum.size()), im(spectrum.size());
    for (std::size_t i = 0; i < spectrum.size(); ++i) {
        re[i] = spectrum[i].real();
        im[i] = spectrum[i].imag();
    }
    return InverseSamples(re, im, spectrum.size(), lengthFactor);
}

}  // namespace qv
