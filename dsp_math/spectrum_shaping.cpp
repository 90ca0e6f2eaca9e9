#include "dsp_math/spectrum_shaping.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {
namespace {

constexpr double kPi = std::numbers::pi;

double HalfBlackmanHarris(double k, double length) {
    return 0.35875 - 0.48829 * std::cos(kPi * k / length) +
           0.14128 * std::cos(2 * kPi * k / length) - 0.01168 * std::cos(3 * kPi * k / length);
}

// The weight of position i; 64-bit bounds, so rise+flat+fall never overflows.
double TaperWeight(std::int64_t i, std::int64_t r, std::int64_t f, std::int64_t d) {
    if (i < r) return HalfBlackmanHarris(static_cast<double>(i), static_cast<double>(r));
    if (i < r + f) return 1.0;
    if (i < r + f + d)
        return HalfBlackmanHarris(static_cast<double>(i - r - f + d), static_cast<double>(d));
    return 0.0;
}

// The forward-only scan shared by both resampling routines.
template <typename Convert>
std::vector<double> Resample(const PointList& curve, std::int32_t n, double fs, Convert convert) {
    std::vector<double> out;
    if (n <= 0) return out;
    out.reserve(static_cast<std::size_t>(n));
    std::size_t next = 0;
    const CurvePoint* passed = nullptr;
    for (std::int32_t k = 0; k < n; ++k) {
        const double f = static_cast<double>(k) * fs / static_cast<double>(n);
        while (next < curve.size() && f > curve[next].x) passed = &curve[next++];
        double level = 0.0;
        if (passed != nullptr && next < curve.size()) {
            const CurvePoint& q = curve[next];
            level = passed->y + (q.y - passed->y) / (q.x - passed->x) * (f - passed->x);
        } else if (passed != nullptr) {
            level = passed->y;
        } else if (next < curve.size()) {
            level = curve[next].y;
        }
        out.push_back(convert(level));
    }
    return out;
}

double DecibelToMagnitude(double db) {
    return std::pow(10.0, db / 20.0);
}

}  // namespace

void TaperWindow(std::int32_t rise, std::int32_t flat, std::int32_t fall, PointList& list) {
    for (std::size_t pos = 0; pos < list.size(); ++pos)
        list[pos].y *= TaperWeight(static_cast<std::int64_t>(pos), rise, flat, fall);
}

void TaperWindow(std::int32_t rise, std::int32_t flat, std::int32_t fall,
                 std::span<double> samples) {
    for (std::size_t pos = 0; pos < samples.size(); ++pos)
        samples[pos] *= TaperWeight(static_cast<std::int64_t>(pos), rise, flat, fall);
}

std::vector<double> LevelToMagnitudeBins(const PointList& levelCurve, std::int32_t n, double fs) {
    return Resample(levelCurve, n, fs, DecibelToMagnitude);
}

std::vector<double> CurveToBins(const PointList& curve, std::int32_t n, double fs) {
    return Resample(curve, n, fs, [](double v) { return v; });
}

std::vector<double> DelayToPhases(std::span<const double> delays, std::int32_t n, double fs) {
    const double df = fs / static_cast<double>(n);
    std::vector<double> out;
    out.reserve(delays.size() + 1);
    double phase = 0.0;
    out.push_back(phase);
    for (const double tau : delays) {
        phase += 2 * kPi * tau / 1000 * df;
        out.push_back(phase);
    }
    return out;
}

void AddBulkDelayPhase(std::span<double> phases, std::int32_t n, double delayMs, double fs) {
    const double df = fs / static_cast<double>(n);
    for (std::size_t d = 0; d < phases.size(); ++d)
        phases[d] += (delayMs / 1000) * df * 2 * kPi * static_cast<double>(d);
}

void AlignMidBinPhase(std::span<double> phases, std::int32_t n) {
    const std::int32_t m = n / 2;
    if (n <= 0 || static_cast<std::size_t>(m) >= phases.size()) return;
    const double phiM = phases[static_cast<std::size_t>(m)];
    const double turns = std::trunc(phiM / kPi);
    // A phase beyond the 64-bit range is not a phase any filter can have.
    if (!(std::fabs(turns) < 9.0e18)) return;
    const auto q = static_cast<std::int64_t>(turns) - 1;
    const double d = static_cast<double>(q) * kPi - phiM;
    const double half = static_cast<double>(n) / 2;
    for (std::size_t e = 0; e < phases.size(); ++e) phases[e] += d * static_cast<double>(e) / half;
}

Spectrum PolarToSpectrum(std::span<const double> magnitudes, std::span<const double> phases) {
    const std::size_t count = std::min(magnitudes.size(), phases.size());
    Spectrum out(count);
    for (std::size_t k = 0; k < count; ++k) {
        const double m = magnitudes[k], phi = phases[k];
        out[k] = {m * std::cos(phi), -m * std::sin(phi)};
    }
    return out;
}

Spectrum MirrorSpectrum(const Spectrum& half, std::int32_t n) {
    const std::int32_t m = (n - 1) / 2;
    if (m < 0) return {};
    const auto top = static_cast<std::size_t>(m) + 1;
    Spectrum out(2 * top);
    std::copy_n(half.begin(), std::min(half.size(), top + 1), out.begin());
    out[top] = {out[top].real(), 0.0};
    for (std::size_t k = 1; k < top; ++k) out[2 * top - k] = std::conj(out[k]);
    return out;
}

}  // namespace qv
