#include "dsp_math/impulse_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "tests/dsp_math/direct_reference.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

PointList Impulse(std::vector<double> samples) {
    PointList p;
    // Deliberately odd x values: the analysis must use the list position.
    for (std::size_t i = 0; i < samples.size(); ++i) AppendPoint(p, 1000.0 - 3.0 * i, samples[i]);
    return p;
}

PointList UnitAt(std::size_t d, std::size_t length) {
    std::vector<double> v(length, 0.0);
    v[d] = 1.0;
    return Impulse(v);
}

PointList RandomImpulse(std::size_t length, unsigned seed) {
    std::mt19937 gen(seed);
    std::normal_distribution<double> g(0.0, 1.0);
    std::vector<double> v(length);
    for (auto& x : v) x = g(gen);
    return Impulse(v);
}

TEST(DftPhase, QuadrantRules) {
    const double pi = std::numbers::pi;
    struct Case {
        double a, b, expected;
    } cases[] = {
        {1, 0, 0},    {1, 1, -pi / 4}, {-1, 1, -3 * pi / 4}, {-1, -1, 3 * pi / 4},
        {-1, 0, -pi}, {0, 0, -pi / 2}, {0, 2, -pi / 2},      {0, -2, pi / 2},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(PhaseFromSums(c.a, c.b), c.expected, 1e-15) << c.a << " " << c.b;
    // DftPhase of a delay of one sample at a quarter turn: X = -j, angle -pi/2.
    EXPECT_NEAR(DftPhase(UnitAt(1, 2), 0.25), -pi / 2, 1e-12);
    EXPECT_EQ(DftMagnitude({}, 0.1), 0.0);
}

TEST(FrequencyResponse, GridOfTheMenuCommand) {
    const PointList r = ImpulseToFrequencyResponse(UnitAt(0, 1), 90000, 10, 45000);
    ASSERT_EQ(r.size(), 366u);
    EXPECT_NEAR(r.front().x, 10.0, 1e-9);
    EXPECT_NEAR(r.back().x, 44668, 1.0);
    for (std::size_t i = 1; i < r.size(); ++i) {
        EXPECT_NEAR(r[i].x / r[i - 1].x, 1.0232929, 1e-7);
        EXPECT_NEAR(r[i].y, 1.0, 1e-12);
    }
}

TEST(FrequencyResponse, DegenerateArguments) {
    const PointList h = UnitAt(0, 1);
    EXPECT_TRUE(ImpulseToFrequencyResponse(h, 90000, 500, 100).empty());
    // A zero lower frequency would start the grid at minus infinity.
    EXPECT_TRUE(ImpulseToFrequencyResponse(h, 90000, 0, 100).empty());
    EXPECT_TRUE(ImpulseToFrequencyResponse(h, 0, 10, 100).empty());
    const PointList silent = ImpulseToFrequencyResponse({}, 90000, 10, 45000);
    ASSERT_EQ(silent.size(), 366u);
    for (const auto& p : silent) EXPECT_EQ(p.y, 0.0);
}

TEST(FrequencyResponse, SamplesBeyondTheLimitAreIgnored) {
    PointList h = RandomImpulse(2001, 1);
    const PointList before = ImpulseToFrequencyResponse(h, 90000, 10, 45000);
    AppendPoint(h, 0, 5.0);
    EXPECT_EQ(ImpulseToFrequencyResponse(h, 90000, 10, 45000), before);
}

TEST(GroupDelay, PointCountAndRange) {
    const PointList g = ImpulseToGroupDelay(RandomImpulse(1300, 2), 61200);
    ASSERT_EQ(g.size(), 1617u);
    EXPECT_NEAR(g.front().x, 1.0013, 1e-4);
    EXPECT_NEAR(g.back().x, 30598, 1.0);
}

TEST(GroupDelay, PureDelayReadsNegative) {
    for (std::size_t d : {0u, 1u, 10u, 600u}) {
        const double fs = 61200;
        const PointList g = ImpulseToGroupDelay(UnitAt(d, 1201), fs);
        ASSERT_FALSE(g.empty());
        for (const auto& p : g) ASSERT_NEAR(p.y, -1000.0 * d / fs, 1e-6) << d << " at " << p.x;
    }
    // Only the first 1201 samples count.
    PointList h = UnitAt(10, 1201);
    const PointList before = ImpulseToGroupDelay(h, 61200);
    AppendPoint(h, 0, 3.0);
    EXPECT_EQ(ImpulseToGroupDelay(h, 61200), before);
}

TEST(GroupDelay, ScaledSingleSampleIsZero) {
    // One sample: a step of a third of a decade from 1 Hz to 24 kHz, 14
    // steps, points at steps 2 and 12.
    const PointList g = ImpulseToGroupDelay(Impulse({-2.5}), 48000);
    ASSERT_EQ(g.size(), 2u);
    for (const auto& p : g) EXPECT_EQ(p.y, 0.0);
    EXPECT_TRUE(ImpulseToGroupDelay(UnitAt(0, 1), -5).empty());
}

TEST(InverseTransform, FlatSpectrumGivesOnes) {
    Spectrum flat(8);
    flat[0] = 8.0;
    const std::vector<double> h = SpectrumToSamples(flat, 1.0);
    ASSERT_EQ(h.size(), 8u);
    for (const double v : h) EXPECT_NEAR(v, 1.0, 1e-15);
    EXPECT_EQ(SpectrumToSamples(flat, 0.5).size(), 4u);
    EXPECT_TRUE(SpectrumToSamples({}, 1.0).empty());
}

// The fast sweeps against term-by-term long double sums on several kinds of
// impulse; the group delay is the sensitive one (tiny frequency steps at
// low frequencies turn phase errors into delay errors).
TEST(AnalysisEquivalence, AgainstDirectReference) {
    std::vector<double> decaying(1201);
    for (std::size_t n = 0; n < decaying.size(); ++n)
        decaying[n] = std::exp(-0.01 * n) * std::cos(0.3 * n) + (n == 40 ? 1.0 : 0.0);
    // A smooth shelf around a dominant tap: the magnitude stays well away
    // from zero, where no method could keep a phase to 1e-12.
    std::vector<double> shelf(900);
    for (std::size_t n = 0; n < shelf.size(); ++n)
        shelf[n] = (n == 450 ? 1.0 : 0.0) + 0.2 * std::exp(-0.5 * std::pow((n - 450.0) / 20.0, 2));
    const struct {
        const char* name;
        PointList h;
        double fs;
    } cases[] = {
        {"unit", UnitAt(3, 4), 61200},
        {"decaying", Impulse(decaying), 48000},
        {"shelf", Impulse(shelf), 6000},
    };
    for (const auto& c : cases) {
        const PointList fr = ImpulseToFrequencyResponse(c.h, c.fs, 10, c.fs / 2);
        const PointList frRef = test::RefFrequencyResponse(c.h, c.fs, 10, c.fs / 2);
        ASSERT_EQ(fr.size(), frRef.size()) << c.name;
        for (std::size_t i = 0; i < fr.size(); ++i)
            ASSERT_NEAR(fr[i].y, frRef[i].y, 1e-12 * (1 + frRef[i].y)) << c.name << " " << i;
        const PointList gd = ImpulseToGroupDelay(c.h, c.fs);
        const PointList gdRef = test::RefGroupDelay(c.h, c.fs);
        ASSERT_EQ(gd.size(), gdRef.size()) << c.name;
        for (std::size_t i = 0; i < gd.size(); ++i)
            ASSERT_NEAR(gd[i].y, gdRef[i].y, 1e-6) << c.name << " at " << gd[i].x;
    }
}

}  // namespace
}  // namespace qv
