#include "measurements/response_cleanup.h"

#include "curves/tr.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>

namespace qv {
namespace {

constexpr double kPi = std::numbers::pi;

struct Row {
    double f, level, phase, delay;
};

// The mean in power of levels in dB, taken relative to the largest so that
// no level overflows.
template <typename Level>
double PowerMeanDb(std::size_t n, Level level) {
    double top = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < n; ++i) top = std::max(top, level(i));
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) sum += std::pow(10.0, (level(i) - top) / 10.0);
    return top + 10.0 * std::log10(sum / static_cast<double>(n));
}

// Rows of one frequency become one: level averaged in power, phase as the
// mean direction, delay linearly.
Row Merge(std::span<const Row> rows) {
    double re = 0.0, im = 0.0, delay = 0.0;
    for (const Row& r : rows) {
        re += std::cos(r.phase);
        im += std::sin(r.phase);
        delay += r.delay;
    }
    const double n = static_cast<double>(rows.size());
    return {rows[0].f, PowerMeanDb(rows.size(), [&](std::size_t i) { return rows[i].level; }),
            std::atan2(im, re), delay / n};
}

}  // namespace

std::vector<double> GroupDelayFromPhase(std::span<const double> frequency,
                                        std::span<const double> phaseRadians) {
    const std::size_t n = std::min(frequency.size(), phaseRadians.size());
    std::vector<double> unwrapped(n), delay(n, 0.0);
    if (n < 2) return delay;
    unwrapped[0] = phaseRadians[0];
    for (std::size_t i = 1; i < n; ++i) {
        double step = phaseRadians[i] - phaseRadians[i - 1];
        step -= 2.0 * kPi * std::round(step / (2.0 * kPi));
        unwrapped[i] = unwrapped[i - 1] + step;
    }
    // d(phase)/d(omega) in s is minus the delay; times 1000 gives the
    // workspace's convention (a delay reads negative) in ms.
    auto slope = [&](std::size_t a, std::size_t b) {
        const double dw = 2.0 * kPi * (frequency[b] - frequency[a]);
        return 1000.0 * (unwrapped[b] - unwrapped[a]) / dw;
    };
    delay[0] = slope(0, 1);
    delay[n - 1] = slope(n - 2, n - 1);
    for (std::size_t i = 1; i + 1 < n; ++i) delay[i] = slope(i - 1, i + 1);
    return delay;
}

ReducedResponse ReduceOnLogGrid(std::span<const double> frequency, std::span<const double> level,
                                std::span<const double> delay, std::size_t bins) {
    ReducedResponse out;
    const std::size_t n = frequency.size();
    if (n == 0 || bins == 0) return out;
    const double f0 = frequency.front(), f1 = frequency.back();
    const double octaves = std::log2(f1 / f0);
    out.pointsPerOctave = octaves > 0.0 ? static_cast<double>(bins) / octaves : 0.0;
    const bool hasLevel = !level.empty(), hasDelay = !delay.empty();
    auto binOf = [&](std::size_t i) -> std::size_t {
        if (!(octaves > 0.0)) return 0;
        const double b = std::log2(frequency[i] / f0) / octaves * static_cast<double>(bins);
        return std::min(bins - 1, static_cast<std::size_t>(b));
    };
    for (std::size_t i = 0; i < n;) {
        const std::size_t bin = binOf(i);
        std::size_t j = i + 1;
        while (j < n && binOf(j) == bin) ++j;
        double logF = 0.0, d = 0.0;
        for (std::size_t k = i; k < j; ++k) {
            logF += std::log(frequency[k]);
            if (hasDelay) d += delay[k];
        }
        const double c = static_cast<double>(j - i);
        out.frequency.push_back(std::exp(logF / c));
        if (hasLevel)
            out.level.push_back(PowerMeanDb(j - i, [&](std::size_t k) { return level[i + k]; }));
        if (hasDelay) out.delay.push_back(d / c);
        i = j;
    }
    return out;
}

CleanResponse CleanUpResponse(RawResponse raw, ImportReport& report) {
    const std::size_t n = raw.frequency.size();
    const bool hasLevel = !raw.level.empty();
    bool hasPhase = !raw.phase.empty();
    const bool hasDelay = !raw.delay.empty();
    const bool radians = raw.phaseRadians;
    const double phaseScale = radians ? 1.0 : kPi / 180.0;
    const double delayScale = raw.delayMs ? -1.0 : -1000.0;

    std::vector<Row> rows;
    rows.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Row r{raw.frequency[i], hasLevel ? raw.level[i] : 0.0,
                    hasPhase ? raw.phase[i] * phaseScale : 0.0,
                    hasDelay ? raw.delay[i] * delayScale : 0.0};
        if (!std::isfinite(r.f) || !std::isfinite(r.level) || !std::isfinite(r.phase) ||
            !std::isfinite(r.delay)) {
            ++report.droppedNotFinite;
            continue;
        }
        if (r.f <= 0.0) {
            ++report.droppedNonPositive;
            continue;
        }
        rows.push_back(r);
    }
    raw = {};  // the rows hold everything from here on

    if (!std::is_sorted(rows.begin(), rows.end(),
                        [](const Row& a, const Row& b) { return a.f < b.f; })) {
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Row& a, const Row& b) { return a.f < b.f; });
        report.sorted = true;
    }
    std::vector<Row> merged;
    merged.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i + 1;
        while (j < rows.size() && rows[j].f == rows[i].f) ++j;
        merged.push_back(j - i == 1 ? rows[i] : Merge({rows.data() + i, j - i}));
        report.mergedRepeated += j - i - 1;
        i = j;
    }
    rows = {};
    if (merged.size() < 2)
        throw ImportError(Fill(QV_TR("%1 gives %2 above 0 Hz; a response needs at least two."),
                               {report.fileName, FillCount(merged.size(), QV_TR("%1 frequency"),
                                                           QV_TR("%1 frequencies"))}));

    if (hasPhase &&
        std::all_of(merged.begin(), merged.end(), [](const Row& r) { return r.phase == 0.0; })) {
        hasPhase = false;
        report.phaseAllZero = true;
    }
    std::vector<double> f(merged.size()), level, delay;
    for (std::size_t i = 0; i < merged.size(); ++i) f[i] = merged[i].f;
    if (hasLevel) {
        level.resize(merged.size());
        for (std::size_t i = 0; i < merged.size(); ++i) level[i] = merged[i].level;
    }
    if (hasDelay) {
        delay.resize(merged.size());
        for (std::size_t i = 0; i < merged.size(); ++i) delay[i] = merged[i].delay;
        report.groupDelaySource = "group delay column";
    } else if (hasPhase) {
        std::vector<double> phase(merged.size());
        for (std::size_t i = 0; i < merged.size(); ++i) phase[i] = merged[i].phase;
        delay = GroupDelayFromPhase(f, phase);
        report.groupDelaySource = radians ? "phase column (radians)" : "phase column (degrees)";
    }

    if (f.size() > kMaxImportPoints) {
        report.reducedFrom = f.size();
        auto reduced = ReduceOnLogGrid(f, level, delay, kMaxImportPoints);
        f = std::move(reduced.frequency);
        level = std::move(reduced.level);
        delay = std::move(reduced.delay);
        report.reducedTo = f.size();
        report.reducedPointsPerOctave = reduced.pointsPerOctave;
    }

    CleanResponse out;
    std::size_t lostDelay = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (!level.empty()) AppendPoint(out.level, f[i], level[i]);
        if (delay.empty()) continue;
        // Phase steps over frequencies a hair apart can exceed any number.
        if (std::isfinite(delay[i]))
            AppendPoint(out.groupDelay, f[i], delay[i]);
        else
            ++lostDelay;
    }
    if (lostDelay > 0)
        report.notes.push_back(
            Fill(QV_TR("No group delay at %1 where the phase changes beyond measure."),
                 {FillCount(lostDelay, QV_TR("%1 frequency"), QV_TR("%1 frequencies"))}));
    report.levelPoints = out.level.size();
    report.groupDelayPoints = out.groupDelay.size();
    report.fromHz = f.front();
    report.toHz = f.back();
    return out;
}

}  // namespace qv
