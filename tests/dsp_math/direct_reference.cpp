#include "tests/dsp_math/direct_reference.h"

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

PointList RefDesignFilter(const PointList& level, const PointList& delay,
                          const PointList& correction, std::int32_t n, double fs) {
    const PointList sum = AddCurves(correction, level);
    const PointList magnitudes = ResampleLevelToMagnitude(sum, n, fs);
    PointList phases = DelayToPhase(ResampleToBins(delay, n, fs), n, fs);
    AddBulkDelayPhase(phases, n, n / (2 * fs) * 1000, fs);
    AlignMidBinPhase(phases, n);
    const RectSpectrum half = PolarToRect(magnitudes, phases);
    const RectSpectrum full = MirrorSpectrum(half.real, half.imag, n);
    PointList h = RefSpectrumToImpulse(full.real, full.imag);
    TaperWindow(n / 2, 0, n / 2, h);
    return h;
}

}  // namespace qv::test
