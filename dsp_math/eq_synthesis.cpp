#include "dsp_math/eq_synthesis.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "curves/tr.h"
#include "dsp_math/impulse_analysis.h"
#include "dsp_math/spectrum_shaping.h"

namespace qv {
namespace {

constexpr double kSpeedOfSound = 343.6;  // m/s

constexpr const char* kNoCorrection = QV_TR("Korrekturkurve High fehlt.");

double BulkDelayMs(std::int32_t n, double fs) {
    return static_cast<double>(n) / (2 * fs) * 1000;
}

bool ByFrequency(const CurvePoint& a, const CurvePoint& b) {
    return a.x < b.x;
}

}  // namespace

FilterProfile ProfileOf(FilterVariant variant, const DspProgramProfile& profile) {
    if (variant == FilterVariant::Room) return {profile.roomTapCount, profile.roomSampleRate};
    return {profile.eqTapCount, profile.eqSampleRate};
}

PointList TargetWithCorrection(const PointList& level, const PointList& correction) {
    // At the correction's frequencies the sum is exactly what it always was;
    // the level's own frequencies between them keep its detail.
    PointList out = AddCurves(correction, level);
    if (out.empty()) return out;
    std::vector<double> grid;
    grid.reserve(correction.size());
    for (const CurvePoint& p : correction) grid.push_back(p.x);
    std::sort(grid.begin(), grid.end());
    PointList between;
    for (const CurvePoint& p : AddCurves(level, correction))
        if (!std::binary_search(grid.begin(), grid.end(), p.x)) between.push_back(p);
    if (between.empty()) return out;
    PointList merged;
    merged.reserve(out.size() + between.size());
    std::merge(out.begin(), out.end(), between.begin(), between.end(), std::back_inserter(merged),
               ByFrequency);
    return merged;
}

PointList DesignFilter(const PointList& targetLevel, const PointList& targetDelay,
                       const PointList& correction, std::int32_t n, double fs) {
    if (n < 1) throw std::invalid_argument("DesignFilter: N must be at least 1");
    if (!std::isfinite(fs) || !(fs > 0.0))
        throw std::invalid_argument("DesignFilter: fs must be a positive number");
    const std::vector<double> magnitudes =
        LevelToMagnitudeBins(TargetWithCorrection(targetLevel, correction), n, fs);
    std::vector<double> phases = DelayToPhases(CurveToBins(targetDelay, n, fs), n, fs);
    AddBulkDelayPhase(phases, n, BulkDelayMs(n, fs), fs);
    AlignMidBinPhase(phases, n);
    std::vector<double> h =
        SpectrumToSamples(MirrorSpectrum(PolarToSpectrum(magnitudes, phases), n), 1.0);
    TaperWindow(n / 2, 0, n / 2, h);
    PointList filter;
    filter.reserve(h.size());
    for (std::size_t k = 0; k < h.size(); ++k) AppendPoint(filter, static_cast<double>(k), h[k]);
    return filter;
}

AchievedCurves AnalyzeFilter(const PointList& filter, std::int32_t n, double fs) {
    AchievedCurves out;
    out.level = ImpulseToFrequencyResponse(filter, fs, 10, fs / 2);
    ValuesToDecibel(out.level);
    out.delay = ImpulseToGroupDelay(filter, fs);
    OffsetValues(out.delay, BulkDelayMs(n, fs));
    return out;
}

std::string SynthesisRefusal(FilterVariant variant, const SynthesisTargets& targets,
                             const FilterProfile& profile) {
    const bool room = variant == FilterVariant::Room;
    if (targets.level.empty())
        return room ? QV_TR("noch keine Frequenz-Kurve fuer Roomequalizing geladen.")
                    : QV_TR("noch keine Kurve fuer Amplitudenequalizing geladen.");
    if (targets.delay.empty())
        return room ? QV_TR("noch keine Delay-Kurve fuer Roomqualizing geladen.")
                    : QV_TR("noch keine Kurve fuer Laufzeitequalizing geladen.");
    if (targets.correction.empty()) return kNoCorrection;
    if (profile.n < 1 || !std::isfinite(profile.fs) || !(profile.fs > 0.0))
        return kNoProfileMessage;
    return {};
}

SynthesisResult SynthesizeEqFilter(const SynthesisTargets& targets, const FilterProfile& profile) {
    SynthesisResult r;
    r.filter =
        DesignFilter(targets.level, targets.delay, targets.correction, profile.n, profile.fs);
    r.achieved = AnalyzeFilter(r.filter, profile.n, profile.fs);
    return r;
}

SynthesisResult SynthesizeRoomFilter(const SynthesisTargets& targets, const FilterProfile& profile,
                                     RoomSize room) {
    const std::int32_t n = profile.n;
    PointList h = DesignFilter(targets.level, targets.delay, targets.correction, n, profile.fs);
    SynthesisResult r;
    r.achieved = AnalyzeFilter(h, n, profile.fs);
    ScaleValues(h, -0.5);
    PointList h2 = CopyList(h);
    ShiftSamples(h2, PathOffsetSamples(room.depth, room.width, profile.fs));
    TaperWindow(n / 2, 0, n / 2, h2);
    r.filter = AddCurves(h, h2);
    return r;
}

double PathTimeDepth(std::int32_t depthCm, std::int32_t widthCm) {
    const double d2 = static_cast<double>(static_cast<std::int64_t>(depthCm) * depthCm);
    const double halfW = widthCm / 2.0;
    return 2 * std::sqrt(d2 + halfW * halfW) / kSpeedOfSound / 100;
}

double PathTimeWidth(std::int32_t depthCm, std::int32_t widthCm) {
    const double w2 = static_cast<double>(static_cast<std::int64_t>(widthCm) * widthCm);
    const double halfD = depthCm / 2.0;
    return 2 * std::sqrt(w2 + halfD * halfD) / kSpeedOfSound / 100;
}

std::int32_t PathOffsetSamples(std::int32_t depthCm, std::int32_t widthCm, double fs) {
    const double s =
        std::trunc((PathTimeDepth(depthCm, widthCm) - PathTimeWidth(depthCm, widthCm)) * fs);
    // Beyond the filter length every shift gives the same all-zero copy.
    constexpr double kLimit = 1 << 30;
    if (std::isnan(s)) return 0;
    return static_cast<std::int32_t>(std::clamp(s, -kLimit, kLimit));
}

}  // namespace qv
