#include "tests/dsp_math/direct_reference.h"

#include <algorithm>
#include <cmath>

#include "dsp_math/impulse_analysis.h"
#include "dsp_math/spectrum_shaping.h"

namespace qv::test {
namespace {

constexpr long double kTwoPi = 6.283185307179586476925286766559L;

std::vector<double> Samples(const PointList& list, std::size_t limit) {
    std::vector<double> v;
    for (std::size_t i = 0; i < list.size() && i < limit; ++i) v.push_back(list[i].y);
    return v;
}

}  // namespace

RefSums DirectSums(const std::vector<double>& a, const std::vector<double>& b,
                   const std::vector<double>& freqs) {
    RefSums out{std::vector<long double>(freqs.size()), std::vector<long double>(freqs.size())};
    for (std::size_t j = 0; j < freqs.size(); ++j) {
        long double c = 0, s = 0;
        for (std::size_t n = 0; n < a.size(); ++n) {
            const long double angle = kTwoPi * static_cast<long double>(n) * freqs[j];
            c += a[n] * cosl(angle);
            s += b[n] * sinl(angle);
        }
        out.a[j] = c;
        out.b[j] = s;
    }
    return out;
}

PointList RefFrequencyResponse(const PointList& impulse, double fs, double fLow, double fHigh) {
    const auto h = Samples(impulse, kMagnitudeSamples);
    std::vector<double> nus;
    const double uEnd = std::log(fHigh / fs) / kLn10Grid;
    for (double u = std::log(fLow / fs) / kLn10Grid; u <= uEnd; u += 0.01)
        nus.push_back(std::exp(kLn10Grid * u));
    const RefSums s = DirectSums(h, h, nus);
    PointList out;
    for (std::size_t i = 0; i < nus.size(); ++i)
        AppendPoint(out, nus[i] * fs,
                    static_cast<double>(sqrtl(s.a[i] * s.a[i] + s.b[i] * s.b[i])));
    return out;
}

PointList RefGroupDelay(const PointList& impulse, double fs) {
    const auto h = Samples(impulse, kGroupDelaySamples);
    const double uStart = std::log(1.0 / fs) / kLn10Grid;
    const double uEnd = std::log(0.5) / kLn10Grid;
    const double du = 1.0 / (3.0 * static_cast<double>(h.size()));
    std::vector<double> nus;
    for (double u = uStart; u <= uEnd; u += du) nus.push_back(std::exp(kLn10Grid * u));
    const RefSums s = DirectSums(h, h, nus);
    // The unwrap in long double too, with atan2l for the principal angle.
    const long double pi = kTwoPi / 2;
    long double unwrapped = 0, rawPrev = 0, unwrappedPrev = 0, nuPrev = 0;
    int countdown = 2;
    PointList out;
    for (std::size_t i = 0; i < nus.size(); ++i) {
        const long double phi = -atan2l(s.b[i], s.a[i]);
        if (rawPrev > pi / 2 && phi < -pi / 2)
            unwrapped += phi - rawPrev + 2 * pi;
        else if (rawPrev < -pi / 2 && phi > pi / 2)
            unwrapped += phi - rawPrev - 2 * pi;
        else
            unwrapped += phi - rawPrev;
        rawPrev = phi;
        const long double tau =
            (unwrapped - unwrappedPrev) / ((nus[i] - nuPrev) * fs) / kTwoPi * 1000;
        if (i > 0 && countdown <= 0) {
            AppendPoint(out, nus[i] * fs, static_cast<double>(tau));
            countdown = 10;
        }
        --countdown;
        unwrappedPrev = unwrapped;
        nuPrev = nus[i];
    }
    return out;
}

PointList RefSpectrumToImpulse(const PointList& re, const PointList& im) {
    const std::size_t k = re.size();
    std::vector<double> ts;
    double t = 0;
    for (std::size_t n = 0; n < k; ++n, t += 1.0 / static_cast<double>(k)) ts.push_back(t);
    const RefSums s = DirectSums(Samples(re, k), Samples(im, k), ts);
    PointList out;
    for (std::size_t n = 0; n < k; ++n)
        AppendPoint(out, static_cast<double>(n),
                    static_cast<double>((s.a[n] + s.b[n]) / static_cast<long double>(k)));
    return out;
}

namespace {

// Linear between points, the end values beyond the ends; 0 for no points.
double At(const PointList& curve, double x) {
    if (curve.empty()) return 0.0;
    if (x <= curve.front().x) return curve.front().y;
    if (x >= curve.back().x) return curve.back().y;
    const auto hi = std::lower_bound(curve.begin(), curve.end(), x,
                                     [](const CurvePoint& p, double v) { return p.x < v; });
    if (hi->x == x) return hi->y;
    const auto lo = hi - 1;
    return lo->y + (hi->y - lo->y) * (x - lo->x) / (hi->x - lo->x);
}

}  // namespace

PointList RefDesignFilter(const PointList& level, const PointList& delay,
                          const PointList& correction, std::int32_t n, double fs) {
    // The target plus the correction on the frequencies of both.
    std::vector<double> xs;
    for (const auto* c : {&level, &correction})
        for (const CurvePoint& p : *c) xs.push_back(p.x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    PointList sum;
    for (const double x : xs) AppendPoint(sum, x, At(level, x) + At(correction, x));
    // Bins, the delay integrated into a phase, the bulk delay and the ramp
    // that puts bin N div 2 onto a multiple of pi.
    const long double df = static_cast<long double>(fs) / n;
    const long double pi = kTwoPi / 2;
    std::vector<long double> mag(static_cast<std::size_t>(n)), phase(n + 1u, 0.0L);
    for (std::int32_t k = 0; k < n; ++k) {
        const double f = static_cast<double>(k) * fs / n;
        mag[k] = powl(10.0L, At(sum, f) / 20.0L);
        phase[k + 1] = phase[k] + kTwoPi * At(delay, f) / 1000 * df;
    }
    const long double bulk = static_cast<long double>(n) / (2 * fs);
    for (std::size_t d = 0; d < phase.size(); ++d) phase[d] += bulk * df * kTwoPi * d;
    const std::size_t mid = static_cast<std::size_t>(n / 2);
    const long double shift = (truncl(phase[mid] / pi) - 1) * pi - phase[mid];
    for (std::size_t e = 0; e < phase.size(); ++e) phase[e] += shift * e / (n / 2.0L);
    // The conjugate-symmetric spectrum of 2m+2 bins with a real top bin.
    const std::size_t top = static_cast<std::size_t>((n - 1) / 2) + 1;
    PointList re, im;
    for (std::size_t k = 0; k < 2 * top; ++k) {
        const std::size_t j = k <= top ? k : 2 * top - k;
        const long double m = j < mag.size() ? mag[j] : 0.0L;
        const long double sign = k <= top ? 1.0L : -1.0L;
        AppendPoint(re, k, static_cast<double>(m * cosl(phase[j])));
        AppendPoint(im, k, j == top ? 0.0 : static_cast<double>(-sign * m * sinl(phase[j])));
    }
    PointList h = RefSpectrumToImpulse(re, im);
    TaperWindow(n / 2, 0, n / 2, h);
    return h;
}

}  // namespace qv::test
