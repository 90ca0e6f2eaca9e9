// The delay target on impulses analysed as the importer does: a room whose
// late sound must not pull the target onto its limit, and a clean two-way
// loudspeaker that must still be flattened.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "correction/correction_target.h"
#include "measurements/impulse_response.h"

namespace qv {
namespace {

constexpr double kFs = 48000.0;

// One second-order section (RBJ): a Butterworth low- or high-pass.
std::vector<double> Biquad(std::vector<double> x, double f0, bool high) {
    const double w = 2.0 * std::numbers::pi * f0 / kFs, alpha = std::sin(w) / std::sqrt(2.0);
    const double c = std::cos(w), a0 = 1.0 + alpha;
    const double b0 = (high ? (1.0 + c) : (1.0 - c)) / 2.0 / a0;
    const double b1 = (high ? -(1.0 + c) : (1.0 - c)) / a0, b2 = b0;
    const double a1 = -2.0 * c / a0, a2 = (1.0 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (double& v : x) {
        const double y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = v;
        y2 = y1;
        y1 = y;
        v = y;
    }
    return x;
}

// A two-way: woofer 2nd-order high-pass at 50 Hz and 4th-order
// Linkwitz-Riley low-pass at 1 kHz; tweeter the matching high-pass, its
// sound `tweeterLate` samples after the woofer's. Both start at `start`.
std::vector<double> TwoWay(std::size_t length, std::size_t start, std::size_t tweeterLate) {
    std::vector<double> w(length, 0.0), t(length, 0.0);
    w[start] = 0.5;
    t[start + tweeterLate] = 0.5;
    w = Biquad(Biquad(Biquad(w, 50.0, true), 1000.0, false), 1000.0, false);
    t = Biquad(Biquad(t, 1000.0, true), 1000.0, true);
    for (std::size_t i = 0; i < length; ++i) w[i] += t[i];
    return w;
}

// The two-way in a room of 0.5 s reverberation: the direct sound, early
// reflections and a dense late tail, and four decaying room modes.
std::vector<double> Room() {
    std::vector<double> h = TwoWay(48000, 240, 10);
    std::mt19937 random(11);
    std::uniform_real_distribution<double> time(0.003, 0.95), sign(-1.0, 1.0);
    for (int k = 0; k < 3000; ++k) {
        const double t = time(random);
        const auto n = static_cast<std::size_t>(240 + t * kFs);
        if (n < h.size()) h[n] += 0.25 * sign(random) * std::exp(-6.9 * t / 0.5);
    }
    for (double f : {34.0, 47.0, 63.0, 86.0}) {
        for (std::size_t n = 240; n < h.size(); ++n) {
            const double t = static_cast<double>(n - 240) / kFs;
            h[n] += 0.004 * std::sin(2.0 * std::numbers::pi * f * t) * std::exp(-t / 0.15);
        }
    }
    return h;
}

TargetSettings RoomSettings(double from, double to) {
    TargetSettings s;
    s.from = from;
    s.to = to;
    s.smoothing = 6;
    s.delayCorrection = true;
    return s;
}

TEST(DelayTarget, ARoomImpulseSitsOnTheLimitAtFewPoints) {
    const auto h = Room();
    const ImpulseAnalysis a = AnalyseImpulse(h, kFs, std::nullopt, {});
    const TargetSettings s = RoomSettings(20.0, 20000.0);
    const PointList dd = DelayCorrection(a.groupDelay, s, a.level);
    const double share = DelayAtLimitShare(dd, s);
    std::printf("room impulse: delay target at its limit at %.1f %% of the band\n", 100 * share);
    EXPECT_LE(share, 0.10);
}

TEST(DelayTarget, ACleanTwoWayIsStillFlattened) {
    const auto h = TwoWay(16384, 100, 10);
    const ImpulseAnalysis a = AnalyseImpulse(h, kFs, std::nullopt, {});
    const TargetSettings s = RoomSettings(300.0, 15000.0);
    const PointList d = DelayCorrection(a.groupDelay, s, a.level);
    double lo = INFINITY, hi = -INFINITY, rawLo = INFINITY, rawHi = -INFINITY;
    for (std::size_t i = 0; i < d.size(); ++i) {
        if (d[i].x < s.from || d[i].x > s.to) continue;
        const double corrected = a.groupDelay[i].y + d[i].y;
        lo = std::min(lo, corrected);
        hi = std::max(hi, corrected);
        rawLo = std::min(rawLo, a.groupDelay[i].y);
        rawHi = std::max(rawHi, a.groupDelay[i].y);
    }
    std::printf("clean two-way 300 Hz to 15 kHz: group delay span %.3f ms, corrected %.3f ms\n",
                rawHi - rawLo, hi - lo);
    EXPECT_GT(rawHi - rawLo, 0.35);
    EXPECT_LE(hi - lo, 0.35);
}

}  // namespace
}  // namespace qv
