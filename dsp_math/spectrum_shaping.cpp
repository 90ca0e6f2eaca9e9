#include "dsp_math/spectrum_shaping.h"

#include <cmath>
#include <numbers>

namespace qv {
namespace {

constexpr double kPi = std::numbers::pi;

double HalfBlackmanHarris(double k, double length) {
    return 0.35875 - 0.48829 * std::cos(kPi * k / length) +
           0.14128 * std::cos(2 * kPi * k / length) - 0.01168 * std::cos(3 * kPi * k / length);
}

// The forward-only scan shared by both resampling routines.
template <typename Convert>
PointList Resample(const PointList& curve, std::int32_t n, double fs, Convert convert) {
    PointList out;
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
        AppendPoint(out, static_cast<double>(k), convert(level));
    }
    return out;
}

}  // namespace

void TaperWindow(std::int32_t rise, std::int32_t flat, std::int32_t fall, PointList& list) {
    // 64-bit bounds: rise+flat+fall must not overflow for any input.
    const std::int64_t r = rise, f = flat, d = fall;
    for (std::size_t pos = 0; pos < list.size(); ++pos) {
        const auto i = static_cast<std::int64_t>(pos);
        double w;
        if (i < r)
            w = HalfBlackmanHarris(static_cast<double>(i), static_cast<double>(r));
        else if (i < r + f)
            w = 1.0;
        else if (i < r + f + d)
            w = HalfBlackmanHarris(static_cast<double>(i - r - f + d), static_cast<double>(d));
        else
            w = 0.0;
        list[pos].y *= w;
    }
}

void PadWithZeros(PointList& list, std::int32_t length) {
    std::int32_t count = CountPoints(list);
    while (count < length) {
        AppendPoint(list, static_cast<double>(count), 0.0);
        ++count;
    }
}

PointList ResampleLevelToMagnitude(const PointList& levelCurve, std::int32_t n, double fs) {
    return Resample(levelCurve, n, fs, [](double db) { return std::pow(10.0, db / 20.0); });
}

PointList ResampleToBins(const PointList& curve, std::int32_t n, double fs) {
    return Resample(curve, n, fs, [](double v) { return v; });
}

PointList DelayToPhase(const PointList& delays, std::int32_t n, double fs) {
    const double df = fs / static_cast<double>(n);
    PointList out;
    out.reserve(delays.size() + 1);
    double phase = 0.0;
    AppendPoint(out, 0.0, phase);
    for (const auto& p : delays) {
        phase += 2 * kPi * p.y / 1000 * df;
        AppendPoint(out, static_cast<double>(out.size()), phase);
    }
    return out;
}

void AddBulkDelayPhase(PointList& phases, std::int32_t n, double delayMs, double fs) {
    NumberPoints(phases, 0.0);
    const double df = fs / static_cast<double>(n);
    for (std::size_t d = 0; d < phases.size(); ++d)
        phases[d].y += (delayMs / 1000) * df * 2 * kPi * static_cast<double>(d);
}

void AlignMidBinPhase(PointList& phases, std::int32_t n) {
    NumberPoints(phases, 0.0);
    const std::int32_t m = n / 2;
    if (n <= 0 || static_cast<std::size_t>(m) >= phases.size()) return;
    const double phiM = phases[static_cast<std::size_t>(m)].y;
    const double turns = std::trunc(phiM / kPi);
    // A phase beyond the 64-bit range is not a phase any filter can have.
    if (!(std::fabs(turns) < 9.0e18)) return;
    const auto q = static_cast<std::int64_t>(turns) - 1;
    const double d = static_cast<double>(q) * kPi - phiM;
    const double half = static_cast<double>(n) / 2;
    for (std::size_t e = 0; e < phases.size(); ++e)
        phases[e].y += d * static_cast<double>(e) / half;
}

RectSpectrum PolarToRect(const PointList& magnitudes, const PointList& phases) {
    RectSpectrum out;
    const std::size_t count = std::min(magnitudes.size(), phases.size());
    out.real.reserve(count);
    out.imag.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        const double m = magnitudes[k].y, phi = phases[k].y;
        AppendPoint(out.real, static_cast<double>(k), m * std::cos(phi));
        AppendPoint(out.imag, static_cast<double>(k), -m * std::sin(phi));
    }
    return out;
}

RectSpectrum MirrorSpectrum(const PointList& real, const PointList& imag, std::int32_t n) {
    const std::int32_t m = (n - 1) / 2;
    RectSpectrum out;
    if (m < 0) return out;
    PointList re = CopyRange(real, 0.0, static_cast<double>(m + 1));
    PointList im = CopyRange(imag, 0.0, static_cast<double>(m + 1));
    PadWithZeros(re, m + 2);
    PadWithZeros(im, m + 2);
    const auto top = static_cast<std::size_t>(m + 1);
    out.real.reserve(2 * top);
    out.imag.reserve(2 * top);
    for (std::size_t k = 0; k <= top; ++k) {
        out.real.push_back(re[k]);
        out.imag.push_back(k == top ? CurvePoint{im[k].x, 0.0} : im[k]);
    }
    for (std::size_t k = top - 1; k >= 1; --k) {
        out.real.push_back(re[k]);
        out.imag.push_back({im[k].x, -im[k].y});
    }
    NumberPoints(out.real, 0.0);
    NumberPoints(out.imag, 0.0);
    return out;
}

}  // namespace qv
