#include "export/export_synthesis.h"

#include "curves/tr.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "dsp_math/eq_synthesis.h"
#include "dsp_math/spectrum_shaping.h"
#include "export/fft.h"

namespace qv {
namespace {

// The design grid is finer than the filter, so that the ideal response's
// tails fold back far from the taps that are kept.
constexpr std::size_t kLinearOversampling = 4;
// The cepstrum aliases unless the grid is much longer than the filter.
constexpr std::size_t kMinimumOversampling = 8;
// ln of the smallest magnitude the cepstrum sees (-240 dB): a zero has no
// logarithm.
constexpr double kLogFloor = -27.6;

std::size_t GridLength(std::int32_t taps, std::size_t oversampling) {
    std::size_t l = 1024;
    while (l < oversampling * static_cast<std::size_t>(taps)) l *= 2;
    return l;
}

// The 4-term Blackman-Harris half window of the box's taper: 0 at k = 0,
// 1 at k = length.
double HalfBlackmanHarris(double k, double length) {
    constexpr double kPi = 3.14159265358979323846;
    return 0.35875 - 0.48829 * std::cos(kPi * k / length) +
           0.14128 * std::cos(2 * kPi * k / length) - 0.01168 * std::cos(3 * kPi * k / length);
}

void CheckInputs(const ExportTargets& targets, std::int32_t taps, double rate, ExportPhase phase) {
    if (taps < kMinExportTaps || taps > kMaxExportTaps)
        throw std::invalid_argument(
            Fill(QV_TR("filter length %1 taps is outside 16 ... 65536"), {std::to_string(taps)}));
    if (!std::isfinite(rate) || rate < kMinExportRate || rate > kMaxExportRate) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", rate);
        throw std::invalid_argument(
            Fill(QV_TR("sample rate %1 Hz is outside 8000 ... 768000 Hz"), {text}));
    }
    if (targets.level.empty()) throw std::invalid_argument(QV_TR("no level target"));
    const bool delayTarget = std::any_of(targets.delay.begin(), targets.delay.end(),
                                         [](const CurvePoint& p) { return p.y != 0.0; });
    if (phase == ExportPhase::Minimum && delayTarget)
        throw std::invalid_argument(QV_TR("a delay target needs linear phase"));
}

// Magnitudes of bins 0 ... L/2 at k*fs/L, the box's interpolation of the level.
std::vector<double> Magnitudes(const ExportTargets& targets, std::size_t l, double rate) {
    const PointList level = targets.correction.empty()
                                ? targets.level
                                : TargetWithCorrection(targets.level, targets.correction);
    std::vector<double> m = LevelToMagnitudeBins(level, static_cast<std::int32_t>(l), rate);
    m.resize(l / 2 + 1);
    for (const double v : m)
        if (!std::isfinite(v))
            throw std::invalid_argument(QV_TR("level target beyond any magnitude"));
    return m;
}

// Phases of bins 0 ... L/2: the delay target integrated over frequency, as
// the box does it, a positive delay leading.
std::vector<double> DelayPhases(const PointList& delay, std::size_t l, double rate) {
    if (delay.empty()) return std::vector<double>(l / 2 + 1, 0.0);
    const auto n = static_cast<std::int32_t>(l);
    std::vector<double> delays = CurveToBins(delay, n, rate);
    delays.resize(l / 2);
    return DelayToPhases(delays, n, rate);
}

std::vector<double> Scaled(std::vector<double> v, double c) {
    for (double& x : v) x *= c;
    return v;
}

std::optional<std::vector<double>> LinearPhase(const ExportTargets& targets, std::int32_t taps,
                                               double rate, const ExportProgress& progress) {
    const std::size_t l = GridLength(taps, kLinearOversampling);
    const std::vector<double> m = Magnitudes(targets, l, rate);
    const std::vector<double> phi = DelayPhases(targets.delay, l, rate);
    HalfSpectrum bins(l / 2 + 1);
    for (std::size_t k = 0; k < bins.size(); ++k) bins[k] = std::polar(m[k], phi[k]);
    if (progress && !progress(0.4)) return std::nullopt;
    // Zero phase around sample 0 of the grid; the taps take it around N div 2.
    const std::vector<double> centred = HalfSpectrumToSamples(bins, l);
    if (progress && !progress(0.8)) return std::nullopt;
    const std::int32_t c = taps / 2;
    std::vector<double> h(static_cast<std::size_t>(taps));
    for (std::int32_t i = 0; i < taps; ++i) {
        const std::int64_t offset = i - c;
        const std::size_t at =
            offset >= 0 ? static_cast<std::size_t>(offset) : l - static_cast<std::size_t>(-offset);
        const double w = HalfBlackmanHarris(c - std::abs(offset), c);
        h[static_cast<std::size_t>(i)] = centred[at] / static_cast<double>(l) * w;
    }
    return h;
}

std::optional<std::vector<double>> MinimumPhase(const ExportTargets& targets, std::int32_t taps,
                                                double rate, const ExportProgress& progress) {
    const std::size_t l = GridLength(taps, kMinimumOversampling);
    const std::vector<double> m = Magnitudes(targets, l, rate);
    HalfSpectrum logM(l / 2 + 1);
    for (std::size_t k = 0; k < logM.size(); ++k)
        logM[k] = std::max(std::log(std::max(m[k], 1e-300)), kLogFloor);
    // The real cepstrum, folded onto positive quefrencies: its spectrum is
    // the logarithm of the minimum-phase response.
    std::vector<double> cep = Scaled(HalfSpectrumToSamples(logM, l), 1.0 / static_cast<double>(l));
    if (progress && !progress(0.25)) return std::nullopt;
    for (std::size_t n = 1; n < l / 2; ++n) cep[n] *= 2;
    std::fill(cep.begin() + static_cast<std::ptrdiff_t>(l / 2) + 1, cep.end(), 0.0);
    HalfSpectrum bins = SamplesToHalfSpectrum(cep);
    if (progress && !progress(0.5)) return std::nullopt;
    for (auto& b : bins) b = std::exp(b);
    const std::vector<double> full = HalfSpectrumToSamples(bins, l);
    if (progress && !progress(0.8)) return std::nullopt;
    // Flat over the first half, then the falling half of the box's taper.
    const std::int32_t flat = taps / 2;
    const std::int32_t fall = taps - flat;
    std::vector<double> h(static_cast<std::size_t>(taps));
    for (std::int32_t i = 0; i < taps; ++i) {
        const double w = i < flat ? 1.0 : HalfBlackmanHarris(taps - i, fall);
        h[static_cast<std::size_t>(i)] =
            full[static_cast<std::size_t>(i)] / static_cast<double>(l) * w;
    }
    return h;
}

}  // namespace

std::optional<ExportedFilter> SynthesizeExportFilter(const ExportTargets& targets,
                                                     std::int32_t taps, double rate,
                                                     ExportPhase phase,
                                                     const ExportProgress& progress) {
    CheckInputs(targets, taps, rate, phase);
    std::optional<std::vector<double>> h = phase == ExportPhase::Linear
                                               ? LinearPhase(targets, taps, rate, progress)
                                               : MinimumPhase(targets, taps, rate, progress);
    if (!h) return std::nullopt;
    ExportedFilter out;
    out.taps = std::move(*h);
    out.rate = rate;
    out.latencySamples = phase == ExportPhase::Linear ? taps / 2 : 0;
    for (std::size_t i = 0; i < out.taps.size(); ++i) {
        if (!std::isfinite(out.taps[i]))
            throw std::invalid_argument(QV_TR("level target beyond any magnitude"));
        if (std::fabs(out.taps[i]) > out.peak) {
            out.peak = std::fabs(out.taps[i]);
            out.peakIndex = static_cast<std::int32_t>(i);
        }
    }
    if (progress && !progress(1.0)) return std::nullopt;
    return out;
}

const char* PhaseName(ExportPhase phase) {
    return phase == ExportPhase::Linear ? "linear" : "minimum";
}

std::optional<ExportPhase> ParsePhase(const std::string& name) {
    if (name == "linear") return ExportPhase::Linear;
    if (name == "minimum") return ExportPhase::Minimum;
    return std::nullopt;
}

std::string DescribeFilter(const ExportedFilter& filter) {
    char rate[32], ms[32], peak[32];
    std::snprintf(rate, sizeof rate, "%g", filter.rate);
    std::snprintf(ms, sizeof ms, "%.3f", filter.LatencyMs());
    std::snprintf(peak, sizeof peak, "%.6f", filter.peak);
    return Fill(QV_TR("%1 taps at %2 Hz, latency %3 samples (%4 ms), peak coefficient %5 at "
                      "sample %6"),
                {std::to_string(filter.taps.size()), rate, std::to_string(filter.latencySamples),
                 ms, peak, std::to_string(filter.peakIndex)});
}

}  // namespace qv
