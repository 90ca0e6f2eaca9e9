#include "dsp_math/spectrum_shaping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qv {
namespace {

constexpr double kPi = std::numbers::pi;

PointList Values(std::vector<double> v) {
    PointList p;
    for (std::size_t i = 0; i < v.size(); ++i) AppendPoint(p, static_cast<double>(i), v[i]);
    return p;
}

std::vector<double> Ys(const PointList& p) {
    std::vector<double> v;
    for (const auto& q : p) v.push_back(q.y);
    return v;
}

TEST(TaperWindow, BlackWindowWeights) {
    PointList ones = Values(std::vector<double>(1000, 1.0));
    TaperWindow(100, 480, 100, ones);
    EXPECT_NEAR(ones[0].y, 0.00006, 1e-12);
    EXPECT_NEAR(ones[1].y, 0.0000740, 1e-7);
    EXPECT_NEAR(ones[679].y, 0.0000740, 1e-7);
    for (int i = 100; i < 580; ++i) ASSERT_EQ(ones[i].y, 1.0) << i;
    EXPECT_NEAR(ones[580].y, 1.0, 1e-12);
    for (int i = 680; i < 1000; ++i) ASSERT_EQ(ones[i].y, 0.0) << i;
    // The rise is monotonic: a wrong sign of one term would show here.
    for (int i = 1; i < 100; ++i) ASSERT_GT(ones[i].y, ones[i - 1].y) << i;
}

TEST(TaperWindow, SynthesisWindow) {
    PointList ones = Values(std::vector<double>(1800, 1.0));
    TaperWindow(899, 0, 899, ones);
    EXPECT_NEAR(ones[899].y, 1.0, 1e-12);
    EXPECT_EQ(ones[1798].y, 0.0);
    EXPECT_EQ(ones[1799].y, 0.0);
    // Huge lengths must not overflow the bounds.
    PointList few = Values({2, 2});
    TaperWindow(0, INT32_MAX, INT32_MAX, few);
    EXPECT_EQ(Ys(few), (std::vector<double>{2, 2}));
}

TEST(PadWithZeros, AppendsNumberedZeros) {
    PointList p = Values({5});
    PadWithZeros(p, 3);
    EXPECT_EQ(p, (PointList{{0, 5}, {1, 0}, {2, 0}}));
    PadWithZeros(p, 1);
    EXPECT_EQ(p.size(), 3u);
}

TEST(Resample, LevelToMagnitude) {
    const PointList curve{{0, 0}, {24000, -20}};
    const PointList m = ResampleLevelToMagnitude(curve, 4, 48000);
    ASSERT_EQ(m.size(), 4u);
    const double expected[] = {1, 0.316228, 0.1, 0.1};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(m[k].x, k);
        EXPECT_NEAR(m[k].y, expected[k], 1e-6);
    }
    const PointList flat = ResampleLevelToMagnitude({}, 5, 48000);
    ASSERT_EQ(flat.size(), 5u);
    for (const auto& p : flat) EXPECT_EQ(p.y, 1.0);
}

TEST(Resample, ToBinsHoldsEndValuesAndInterpolates) {
    // Bins at 0, 250, 500, 750 Hz.
    const PointList curve{{100, 2}, {300, 4}, {600, 10}};
    EXPECT_EQ(Ys(ResampleToBins(curve, 4, 1000)), (std::vector<double>{2, 3.5, 8, 10}));
    EXPECT_EQ(Ys(ResampleToBins({}, 2, 1000)), (std::vector<double>{0, 0}));
    // A bin exactly on a curve point takes that point, no division by zero.
    EXPECT_EQ(ResampleToBins({{0, 7}, {500, 9}}, 2, 1000)[1].y, 9.0);
}

TEST(DelayToPhase, IntegratesAtTheLowerBinEdge) {
    const PointList phases = DelayToPhase(Values(std::vector<double>(1799, 1.0)), 1799, 48000);
    ASSERT_EQ(phases.size(), 1800u);
    EXPECT_EQ(phases[0].y, 0.0);
    for (std::size_t p = 1; p < phases.size(); ++p)
        ASSERT_NEAR(phases[p].y - phases[p - 1].y, 0.167645, 1e-6);
    const PointList steps = DelayToPhase(Values({1, 2}), 2, 1000);
    EXPECT_NEAR(steps[2].y, 2 * kPi * (1 + 2) / 1000 * 500, 1e-12);
}

TEST(PhaseCorrections, BulkDelayAndMidBin) {
    PointList p = Values(std::vector<double>(6, 0.0));
    AddBulkDelayPhase(p, 5, 5 / (2 * 48000.0) * 1000, 48000);
    for (int d = 0; d < 6; ++d) EXPECT_NEAR(p[d].y, kPi * d, 1e-12);

    struct Case {
        double phiM, landing;
    } cases[] = {{5, 0}, {-5, -2 * kPi}, {7, kPi}};
    for (const auto& c : cases) {
        PointList q = Values({0, 0, c.phiM, 0, 0});
        AlignMidBinPhase(q, 4);  // m = 2, even N: bin m lands on q*pi
        EXPECT_NEAR(q[2].y, c.landing, 1e-12) << c.phiM;
        EXPECT_NEAR(q[1].y, (c.landing - c.phiM) / 2, 1e-12);
    }
    PointList odd = Values({0, 0, 5, 0});
    AlignMidBinPhase(odd, 5);  // m = 2, lands at phiM + d*2m/N
    EXPECT_NEAR(odd[2].y, 5 + (0 - 5) * 4.0 / 5, 1e-12);
    PointList shortList = Values({1});
    AlignMidBinPhase(shortList, 9);
    EXPECT_EQ(shortList[0].y, 1.0);
}

TEST(PolarToRect, SignsAndShorterList) {
    const auto r = PolarToRect(Values({2, 1, 5}), Values({0, kPi / 2}));
    ASSERT_EQ(r.real.size(), 2u);
    EXPECT_NEAR(r.real[0].y, 2, 1e-15);
    EXPECT_NEAR(r.imag[0].y, 0, 1e-15);
    EXPECT_NEAR(r.real[1].y, 0, 1e-15);
    EXPECT_NEAR(r.imag[1].y, -1, 1e-15);
}

TEST(MirrorSpectrum, ConjugateSymmetric) {
    const auto full = MirrorSpectrum(Values({1, 2, 3, 4, 5}), Values({0, 6, 7, 8, 9}), 5);
    EXPECT_EQ(Ys(full.real), (std::vector<double>{1, 2, 3, 4, 3, 2}));
    EXPECT_EQ(Ys(full.imag), (std::vector<double>{0, 6, 7, 0, -7, -6}));
    for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(full.real[k].x, static_cast<double>(k));
    // Short inputs are padded with zero bins.
    const auto padded = MirrorSpectrum(Values({1, 2}), Values({0}), 5);
    EXPECT_EQ(Ys(padded.real), (std::vector<double>{1, 2, 0, 0, 0, 2}));
    EXPECT_EQ(Ys(padded.imag), (std::vector<double>(6, 0.0)));
    EXPECT_EQ(MirrorSpectrum(Values({1}), Values({1}), 1799).real.size(), 1800u);
}

}  // namespace
}  // namespace qv
