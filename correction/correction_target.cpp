#include "correction/correction_target.h"

#include "curves/tr.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

#include "correction/smoothing.h"

namespace qv {
namespace {

constexpr double kFadeOctaves = 1.0 / 3.0;

bool NonNegative(double v) {
    return std::isfinite(v) && v >= 0.0;
}

bool PositiveFrequency(double v) {
    return std::isfinite(v) && v > 0.0;
}

bool IsAscendingCurve(const PointList& c) {
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (!PositiveFrequency(c[i].x) || !std::isfinite(c[i].y)) return false;
        if (i > 0 && !(c[i].x > c[i - 1].x)) return false;
    }
    return true;
}

std::string Hz(double f) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", f);
    return buf;
}

PointList Prepared(const PointList& curve, const TargetSettings& s, SmoothingKind kind) {
    return s.smoothing > 0 ? SmoothFractionalOctave(curve, s.smoothing, kind) : curve;
}

}  // namespace

std::optional<std::string> CheckTargetSettings(const TargetSettings& s) {
    if (!PositiveFrequency(s.from) || !PositiveFrequency(s.to))
        return QV_TR("The band must lie between two positive frequencies.");
    if (s.from >= s.to) return QV_TR("The band must start below its end (from < to).");
    if (!NonNegative(s.maxBoost)) return QV_TR("The boost limit must be a number of 0 dB or more.");
    if (!NonNegative(s.maxCut)) return QV_TR("The cut limit must be a number of 0 dB or more.");
    if (!NonNegative(s.maxDelay)) return QV_TR("The delay limit must be a number of 0 ms or more.");
    if (s.smoothing != 0 && !IsSmoothingFraction(s.smoothing)) return kBadFractionMessage;
    if (s.shape == TargetShape::Tilt && !std::isfinite(s.tilt))
        return QV_TR("The tilt must be a number (dB per octave).");
    if (s.shape == TargetShape::House && (s.house.size() < 2 || !IsAscendingCurve(s.house)))
        return QV_TR("The house curve is not a curve: it needs 2 or more points, ascending in Hz.");
    if (s.reference && !PositiveFrequency(*s.reference))
        return QV_TR("The reference must be a positive frequency.");
    return std::nullopt;
}

std::optional<std::string> CheckMeasurement(const PointList& measured, const TargetSettings& s,
                                            const char* what) {
    if (measured.empty()) return Fill(QV_TR("There is no %1."), {what});
    if (!IsAscendingCurve(measured))
        return Fill(QV_TR("The %1 is not a curve ascending in Hz."), {what});
    const auto inBand = std::count_if(measured.begin(), measured.end(), [&](const CurvePoint& p) {
        return p.x >= s.from && p.x <= s.to;
    });
    if (inBand < 2)
        return Fill(QV_TR("The %1 has fewer than 2 points between %2 and %3 Hz."),
                    {what, Hz(s.from), Hz(s.to)});
    return std::nullopt;
}

double ValueAtLogFrequency(const PointList& curve, double f) {
    if (f <= curve.front().x) return curve.front().y;
    if (f >= curve.back().x) return curve.back().y;
    auto it = std::lower_bound(curve.begin(), curve.end(), f,
                               [](const CurvePoint& p, double v) { return p.x < v; });
    const CurvePoint& q = *it;
    const CurvePoint& p = *(it - 1);
    if (q.x == f) return q.y;
    const double t = std::log(f / p.x) / std::log(q.x / p.x);
    return p.y + (q.y - p.y) * t;
}

double LogMean(const PointList& curve, double from, double to) {
    const double a = std::max(from, curve.front().x), b = std::min(to, curve.back().x);
    if (!(a < b)) return ValueAtLogFrequency(curve, std::sqrt(from * to));
    double area = 0.0, px = a, py = ValueAtLogFrequency(curve, a);
    auto step = [&](double x, double y) {
        area += 0.5 * (py + y) * std::log2(x / px);
        px = x;
        py = y;
    };
    for (const CurvePoint& p : curve)
        if (p.x > a && p.x < b) step(p.x, p.y);
    step(b, ValueAtLogFrequency(curve, b));
    return area / std::log2(b / a);
}

double BandFade(double f, double from, double to) {
    double beyond = 0.0;  // octaves outside the band
    if (f < from) beyond = std::log2(from / f);
    if (f > to) beyond = std::log2(f / to);
    if (beyond <= 0.0) return 1.0;
    if (beyond >= kFadeOctaves) return 0.0;
    return 0.5 * (1.0 + std::cos(std::numbers::pi * beyond / kFadeOctaves));
}

double NormalisationOffset(const PointList& measured, const TargetSettings& s) {
    if (s.reference) return -ValueAtLogFrequency(measured, *s.reference);
    return -LogMean(measured, s.from, s.to);
}

double TargetLevel(const TargetSettings& s, double f) {
    switch (s.shape) {
        case TargetShape::Tilt:
            return s.tilt * std::log2(f / 1000.0);
        case TargetShape::House:
            return ValueAtLogFrequency(s.house, f);
        case TargetShape::Flat:
            break;
    }
    return 0.0;
}

PointList LevelCorrection(const PointList& measured, const TargetSettings& s) {
    const PointList m = Prepared(measured, s, SmoothingKind::Level);
    const double offset = NormalisationOffset(m, s);
    PointList c;
    c.reserve(m.size());
    for (const CurvePoint& p : m) {
        const double raw = TargetLevel(s, p.x) - (p.y + offset);
        const double clipped = std::clamp(raw, -s.maxCut, s.maxBoost);
        // 0.0 + turns a faded -0 into 0.
        AppendPoint(c, p.x, 0.0 + clipped * BandFade(p.x, s.from, s.to));
    }
    return c;
}

namespace {

struct DelayPoint {
    double f, g, weight;
    bool reliable;
};

// Each delay point with its weight (the log-frequency span it covers, less
// where the level sits below its 1/3-octave surroundings) and whether the
// level there is trustworthy.
std::vector<DelayPoint> WeighDelay(const PointList& delay, const PointList& level) {
    std::vector<DelayPoint> pts;
    const PointList smoothedLevel =
        level.empty() ? PointList{} : SmoothFractionalOctave(level, 3, SmoothingKind::Level);
    for (std::size_t i = 0; i < delay.size(); ++i) {
        const double lo = i == 0 ? delay[i].x : std::sqrt(delay[i - 1].x * delay[i].x);
        const double hi =
            i + 1 == delay.size() ? delay[i].x : std::sqrt(delay[i].x * delay[i + 1].x);
        DelayPoint p{delay[i].x, delay[i].y, std::log2(hi / lo), true};
        if (!level.empty()) {
            const double l = ValueAtLogFrequency(level, p.f);
            // A point quieter than its surroundings counts less; a loud one
            // (a room mode) no more than its share of the band.
            const double local = ValueAtLogFrequency(smoothedLevel, p.f);
            p.reliable = l - local >= -kUnreliableDipDb;
            p.weight *= std::min(1.0, std::pow(10.0, (l - local) / 10.0));
        }
        pts.push_back(p);
    }
    return pts;
}

double WeightedMedian(std::vector<std::pair<double, double>> valueWeight) {
    std::sort(valueWeight.begin(), valueWeight.end());
    double total = 0.0;
    for (const auto& [v, w] : valueWeight) total += w;
    double run = 0.0;
    for (const auto& [v, w] : valueWeight) {
        run += w;
        if (run >= 0.5 * total) return v;
    }
    return valueWeight.empty() ? 0.0 : valueWeight.back().first;
}

}  // namespace

PointList DelayCorrection(const PointList& measuredDelay, const TargetSettings& s,
                          const PointList& measuredLevel) {
    const std::vector<DelayPoint> pts = WeighDelay(measuredDelay, measuredLevel);
    PointList reliable;
    for (const DelayPoint& p : pts)
        if (p.reliable) AppendPoint(reliable, p.f, p.g);
    PointList bridged;
    bridged.reserve(pts.size());
    for (const DelayPoint& p : pts)
        AppendPoint(bridged, p.f,
                    p.reliable || reliable.empty() ? p.g : ValueAtLogFrequency(reliable, p.f));
    const PointList g = Prepared(bridged, s, SmoothingKind::Delay);
    double latest = std::numeric_limits<double>::infinity();
    std::vector<std::pair<double, double>> inBand;
    for (std::size_t i = 0; i < g.size(); ++i)
        if (g[i].x >= s.from && g[i].x <= s.to && (pts[i].reliable || reliable.empty())) {
            latest = std::min(latest, g[i].y);
            inBand.emplace_back(g[i].y, pts[i].weight);
        }
    const double reference =
        inBand.empty() ? latest : std::max(latest, WeightedMedian(inBand) - 0.5 * s.maxDelay);
    PointList d;
    d.reserve(g.size());
    for (const CurvePoint& p : g) {
        const double clipped = std::clamp(reference - p.y, -s.maxDelay, 0.0);
        AppendPoint(d, p.x, 0.0 + clipped * BandFade(p.x, s.from, s.to));
    }
    return d;
}

double DelayAtLimitShare(const PointList& d, const TargetSettings& s) {
    if (!(s.maxDelay > 0.0)) return 0.0;
    std::size_t inBand = 0, atLimit = 0;
    for (const CurvePoint& p : d)
        if (p.x >= s.from && p.x <= s.to) {
            ++inBand;
            atLimit += p.y <= -s.maxDelay * (1.0 - 1e-9);
        }
    return inBand ? static_cast<double>(atLimit) / static_cast<double>(inBand) : 0.0;
}

}  // namespace qv
