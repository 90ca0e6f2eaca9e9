#include "correction/smoothing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace qv {
namespace {

constexpr int kStepsPerOctave = 96;

// 0 dB from 125 Hz to 8 kHz in steps of 1/96 octave, with a notch of three
// points at -40 dB around 1 kHz (index `centre`).
PointList NotchCurve(std::size_t& centre) {
    PointList c;
    for (int k = -3 * kStepsPerOctave; k <= 3 * kStepsPerOctave; ++k) {
        const double f = 1000.0 * std::exp2(static_cast<double>(k) / kStepsPerOctave);
        AppendPoint(c, f, std::abs(k) <= 1 ? -40.0 : 0.0);
        if (k == 0) centre = c.size() - 1;
    }
    return c;
}

TEST(Smoothing, NotchDepthFollowsPowerAveraging) {
    // Window of 1/N octave = 96/N cells of 1/96 octave; the three notch cells
    // lie wholly inside for N <= 24. A level averages as power, a delay plainly.
    const double notchPower = 1e-4;
    const struct {
        int n;
        SmoothingKind kind;
        double expected;
    } cases[] = {
        {1, SmoothingKind::Level, 10 * std::log10((93 + 3 * notchPower) / 96)},
        {3, SmoothingKind::Level, 10 * std::log10((29 + 3 * notchPower) / 32)},
        {12, SmoothingKind::Level, 10 * std::log10((5 + 3 * notchPower) / 8)},
        // Half of each neighbour's cell and all of the centre's: only notch.
        {48, SmoothingKind::Level, -40.0},
        {3, SmoothingKind::Delay, -40.0 * 3 / 32},
        {12, SmoothingKind::Delay, -40.0 * 3 / 8},
    };
    for (const auto& c : cases) {
        std::size_t centre = 0;
        const PointList curve = NotchCurve(centre);
        const PointList s = SmoothFractionalOctave(curve, c.n, c.kind);
        ASSERT_EQ(s.size(), curve.size());
        EXPECT_NEAR(s[centre].y, c.expected, 1e-9) << "1/" << c.n;
        EXPECT_EQ(s[centre].x, curve[centre].x);
        // Far from the notch the curve stays at 0 dB.
        EXPECT_NEAR(s.front().y, 0.0, 1e-12);
        EXPECT_NEAR(s.back().y, 0.0, 1e-12);
    }
}

TEST(Smoothing, WeightsFollowLogSpanNotPointCount) {
    // Dense points on one side must not outweigh sparse ones on the other:
    // a step from 0 to 6 with 10 times the points below keeps the mid value.
    PointList c;
    for (int k = -40; k < 0; ++k) AppendPoint(c, 1000.0 * std::exp2(k / 40.0), 0.0);
    AppendPoint(c, 1000.0, 3.0);
    for (int k = 1; k <= 4; ++k) AppendPoint(c, 1000.0 * std::exp2(k / 4.0), 6.0);
    const PointList s = SmoothFractionalOctave(c, 2, SmoothingKind::Delay);
    // The window +-1/4 octave: 1/4 octave of 0 (less half a fine cell taken by
    // the centre), the centre cell, and 1/8 octave of 6 beyond it.
    const double lo = 0.25 - 0.5 / 40, centre = 0.5 / 40 + 0.125, hi = 0.125;
    EXPECT_NEAR(s[40].y, (3.0 * centre + 6.0 * hi) / (lo + centre + hi), 1e-12);
}

TEST(Smoothing, BadInputs) {
    const PointList c = {{100, 1}, {200, 2}};
    for (int n : {0, 4, 5, 96, -3}) {
        EXPECT_FALSE(IsSmoothingFraction(n));
        EXPECT_THROW(SmoothFractionalOctave(c, n, SmoothingKind::Level), std::invalid_argument);
    }
    for (int n : SmoothingFractions()) EXPECT_TRUE(IsSmoothingFraction(n));
    // Points at 0 Hz keep their value; a single point stays as it is.
    const PointList withZero = {{0, 5}, {100, 1}, {200, 2}};
    EXPECT_EQ(SmoothFractionalOctave(withZero, 1, SmoothingKind::Level)[0].y, 5.0);
    EXPECT_EQ(SmoothFractionalOctave(PointList{{100, 7}}, 3, SmoothingKind::Level)[0].y, 7.0);
}

}  // namespace
}  // namespace qv
