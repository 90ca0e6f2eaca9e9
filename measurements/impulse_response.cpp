#include "measurements/impulse_response.h"

#include "curves/tr.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <sstream>

#include "dsp_math/trig_sums.h"
#include "measurements/impulse_spectrum.h"

namespace qv {
namespace {

// Exact cosines this far apart in the window's fall; turns between them.
constexpr std::size_t kFallAnchor = 64;

// out[j] = FdwWeight(peak + j, peak, rise, fall) for the samples from the
// peak on, without a cosine for every sample.
void HalfHannFall(std::ptrdiff_t fall, std::span<double> out) {
    const double step = std::numbers::pi / static_cast<double>(fall);
    const double dc = std::cos(step), ds = std::sin(step);
    const std::size_t inside = std::min(out.size(), static_cast<std::size_t>(fall));
    for (std::size_t j0 = 0; j0 < inside; j0 += kFallAnchor) {
        double c = std::cos(step * static_cast<double>(j0));
        double s = std::sin(step * static_cast<double>(j0));
        const std::size_t j1 = std::min(inside, j0 + kFallAnchor);
        for (std::size_t j = j0; j < j1; ++j) {
            out[j] = 0.5 * (1.0 + c);
            const double t = c * dc - s * ds;
            s = s * dc + c * ds;
            c = t;
        }
    }
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(inside), out.end(), 0.0);
}

std::string Ms(double v) {
    std::ostringstream s;
    s.precision(4);
    s << v;
    return s.str();
}

}  // namespace

std::vector<double> ImpulseFrequencies(double fs, std::size_t length) {
    std::vector<double> grid;
    if (!(fs > 0.0) || length == 0) return grid;
    const double low = std::max(kImpulseLowestHz, fs / static_cast<double>(length));
    const double top = 0.999 * fs / 2.0;
    if (!(low < top)) return grid;
    const double octaves = std::log2(top / low);
    const auto steps = static_cast<std::size_t>(std::ceil(kImpulsePointsPerOctave * octaves));
    grid.reserve(steps + 1);
    for (std::size_t k = 0; k <= steps; ++k)
        grid.push_back(low *
                       std::exp2(octaves * static_cast<double>(k) / static_cast<double>(steps)));
    grid.back() = top;
    return grid;
}

double GateWeight(std::size_t k, std::size_t length) {
    if (k >= length) return 0.0;
    const std::size_t flank = std::max<std::size_t>(
        1, static_cast<std::size_t>(std::lround(0.1 * static_cast<double>(length))));
    const std::size_t fromEnd = length - 1 - k;
    const std::size_t edge = std::min(k, fromEnd);
    if (edge >= flank) return 1.0;
    const double x = (static_cast<double>(edge) + 0.5) / static_cast<double>(flank);
    return 0.5 * (1.0 - std::cos(std::numbers::pi * x));
}

double FdwWeight(std::ptrdiff_t k, std::ptrdiff_t peak, std::ptrdiff_t rise, std::ptrdiff_t fall) {
    if (k < peak - rise || k >= peak + fall) return 0.0;
    if (k < peak) {
        const double x = static_cast<double>(k - (peak - rise)) / static_cast<double>(rise);
        return 0.5 * (1.0 - std::cos(std::numbers::pi * x));
    }
    const double x = static_cast<double>(k - peak) / static_cast<double>(fall);
    return 0.5 * (1.0 + std::cos(std::numbers::pi * x));
}

ImpulseAnalysis AnalyseImpulse(std::span<const double> samples, double fs,
                               const std::optional<ImpulseGate>& gate, const ProgressFn& progress,
                               std::optional<double> fdwCycles, ImpulseParts parts) {
    ImpulseAnalysis out;
    const double cycles = fdwCycles.value_or(kDefaultFdwCycles);
    if (!std::isfinite(cycles) || cycles < 1.0 || cycles > 1000.0)
        throw ImportOptionError(QV_TR("The frequency-dependent window takes 1 to 1000 cycles."));
    const std::size_t n = samples.size();
    if (!(fs > 0.0) || !std::isfinite(fs))
        throw ImportOptionError(QV_TR("The sample rate must be a positive number of Hz."));
    if (n < 2) throw ImportError(QV_TR("The impulse holds fewer than two samples."));
    std::size_t peak = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(samples[i]))
            throw ImportError(
                Fill(QV_TR("The impulse holds a NaN or infinite sample at sample %1; it is not "
                           "imported."),
                     {std::to_string(i)}));
        if (std::fabs(samples[i]) > std::fabs(samples[peak])) peak = i;
    }
    if (samples[peak] == 0.0)
        throw ImportError(QV_TR("The impulse is silent: every sample is zero."));
    out.peak = peak;

    // The analysed samples and their weights.
    std::vector<double> h;
    std::size_t first = 0, last = n - 1;
    if (gate) {
        const double t1 = gate->fromMs, t2 = gate->toMs;
        if (!std::isfinite(t1) || !std::isfinite(t2) || !(t1 < t2))
            throw ImportOptionError(QV_TR("A gate must run from an earlier to a later time."));
        const double g1 = static_cast<double>(peak) + std::round(t1 * fs / 1000.0);
        const double g2 = static_cast<double>(peak) + std::round(t2 * fs / 1000.0);
        const double startMs = -1000.0 * static_cast<double>(peak) / fs;
        const double endMs = 1000.0 * static_cast<double>(n - 1 - peak) / fs;
        if (g2 < 0.0 || g1 > static_cast<double>(n - 1))
            throw ImportOptionError(Fill(QV_TR("The gate %1 to %2 ms lies outside the impulse, "
                                               "which runs from %3 to %4 ms around its peak."),
                                         {Ms(t1), Ms(t2), Ms(startMs), Ms(endMs)}));
        const auto gateLength = static_cast<std::size_t>(g2 - g1) + 1;
        first = static_cast<std::size_t>(std::max(0.0, g1));
        last = static_cast<std::size_t>(std::min(static_cast<double>(n - 1), g2));
        out.gateClipped = g1 < 0.0 || g2 > static_cast<double>(n - 1);
        if (last - first + 1 < 8)
            throw ImportOptionError(
                Fill(QV_TR("The gate %1 to %2 ms holds fewer than 8 samples of the impulse."),
                     {Ms(t1), Ms(t2)}));
        h.resize(last - first + 1);
        for (std::size_t i = first; i <= last; ++i)
            h[i - first] =
                samples[i] *
                GateWeight(static_cast<std::size_t>(static_cast<double>(i) - g1), gateLength);
    } else {
        h.assign(samples.begin(), samples.end());
    }
    out.first = first;
    out.last = last;
    // Sums of samples near the largest numbers would overflow: the analysis
    // runs on the impulse scaled to a peak of 1 and adds the scale back.
    double scale = 0.0;
    for (double v : h) scale = std::max(scale, std::fabs(v));
    if (scale == 0.0)
        throw ImportError(QV_TR("The gated impulse is silent: every sample is zero."));
    for (double& v : h) v /= scale;
    const double scaleDb = 20.0 * std::log10(scale);

    const std::vector<double> freqs = ImpulseFrequencies(fs, h.size());
    if (freqs.empty())
        throw ImportError(QV_TR("The analysed impulse is too short to resolve any frequency."));
    std::vector<double> nu(freqs.size());
    for (std::size_t k = 0; k < freqs.size(); ++k) nu[k] = freqs[k] / fs;

    // The whole (gated) impulse gives the level unless the window is asked
    // for: one transform of it, read at every frequency of the grid.
    const bool levelThroughFdw = fdwCycles.has_value();
    const bool withGroupDelay = parts == ImpulseParts::LevelAndGroupDelay;
    std::vector<double> c(nu.size()), s(nu.size());
    if (!levelThroughFdw) {
        const ImpulseSpectrum spectrum(h);
        for (std::size_t k = 0; k < nu.size(); ++k) {
            const std::complex<double> x = spectrum.At(nu[k]);
            c[k] = x.real();
            s[k] = -x.imag();
        }
    }
    const double plainShare = levelThroughFdw ? 0.0 : 0.2;
    if (progress && !progress(plainShare)) throw ImportCancelled();
    const auto levelFromSums = [&] {
        for (std::size_t k = 0; k < nu.size(); ++k) {
            const double power = c[k] * c[k] + s[k] * s[k];
            AppendPoint(out.level, freqs[k],
                        power > 0.0 ? 10.0 * std::log10(power) + scaleDb : -200.0);
        }
        return out;
    };
    if (!levelThroughFdw && !withGroupDelay) {
        if (progress && !progress(1.0)) throw ImportCancelled();
        return levelFromSums();
    }

    // The frequency-dependent window: cycles/f seconds after the largest
    // sample of the analysed part, a short fixed rise before it.
    std::size_t pk = 0;
    for (std::size_t i = 0; i < h.size(); ++i)
        if (std::fabs(h[i]) > std::fabs(h[pk])) pk = i;
    const auto peakAt = static_cast<std::ptrdiff_t>(pk);
    const std::ptrdiff_t rise =
        std::min<std::ptrdiff_t>(peakAt, std::lround(kFdwRiseMs * fs / 1000.0));
    const auto room = static_cast<std::ptrdiff_t>(h.size()) - 1 - peakAt;
    // The window's weights from its start: the rise, the same for every
    // frequency, then the fall, new for each.
    const auto risen = static_cast<std::size_t>(rise);
    std::vector<double> weights(risen);
    for (std::ptrdiff_t i = 0; i < rise; ++i)
        weights[static_cast<std::size_t>(i)] = FdwWeight(peakAt - rise + i, peakAt, rise, 1);
    std::vector<double> w, wn;
    for (std::size_t k = 0; k < nu.size(); ++k) {
        const auto wanted = static_cast<std::ptrdiff_t>(std::lround(cycles * fs / freqs[k]));
        const std::ptrdiff_t fall = std::max<std::ptrdiff_t>(1, std::min(room, wanted));
        const std::ptrdiff_t start = peakAt - rise, end = std::min(peakAt + fall, room + peakAt);
        w.resize(static_cast<std::size_t>(end - start + 1));
        wn.resize(w.size());
        weights.resize(w.size());
        HalfHannFall(fall, std::span<double>(weights).subspan(risen));
        for (std::size_t j = 0; j < w.size(); ++j)
            w[j] = h[static_cast<std::size_t>(start) + j] * weights[j];
        if (withGroupDelay)
            for (std::size_t j = 0; j < w.size(); ++j) wn[j] = static_cast<double>(j) * w[j];
        double wc = 0, ws = 0, nc = 0, ns = 0;
        const std::span<const double> one(&nu[k], 1);
        TrigSums(w, w, one, {&wc, 1}, {&ws, 1});
        if (withGroupDelay) TrigSums(wn, wn, one, {&nc, 1}, {&ns, 1});
        if (levelThroughFdw) {
            c[k] = wc;
            s[k] = ws;
        }
        const double power = wc * wc + ws * ws;
        if (withGroupDelay && power > 0.0) {
            // The window starts `start` samples into the analysed part, which
            // starts at `first`: both delays add to the window's own.
            const double samplesDelay = (nc * wc + ns * ws) / power + static_cast<double>(start) +
                                        static_cast<double>(first);
            if (std::isfinite(samplesDelay))
                AppendPoint(out.groupDelay, freqs[k], -1000.0 * samplesDelay / fs);
        }
        if (progress && (k % 16 == 15 || k + 1 == nu.size()) &&
            !progress(plainShare + (1.0 - plainShare) * static_cast<double>(k + 1) /
                                       static_cast<double>(nu.size())))
            throw ImportCancelled();
    }
    return levelFromSums();
}

}  // namespace qv
