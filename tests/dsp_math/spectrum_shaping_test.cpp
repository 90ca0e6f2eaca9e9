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

TEST(Resample, LevelToMagnitude) {
    const PointList curve{{0, 0}, {24000, -20}};
    const std::vector<double> m = LevelToMagnitudeBins(curve, 4, 48000);
    ASSERT_EQ(m.size(), 4u);
    const double expected[] = {1, 0.316228, 0.1, 0.1};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(m[k], expected[k], 1e-6);
    EXPECT_EQ(LevelToMagnitudeBins({}, 5, 48000), std::vector<double>(5, 1.0));
    EXPECT_TRUE(LevelToMagnitudeBins(curve, 0, 48000).empty());
}

TEST(Resample, ToBinsHoldsEndValuesAndInterpolates) {
    // Bins at 0, 250, 500, 750 Hz.
    const PointList curve{{100, 2}, {300, 4}, {600, 10}};
    EXPECT_EQ(CurveToBins(curve, 4, 1000), (std::vector<double>{2, 3.5, 8, 10}));
    EXPECT_EQ(CurveToBins({}, 2, 1000), (std::vector<double>{0, 0}));
    // A bin exactly on a curve point takes that point, no division by zero.
    EXPECT_EQ(CurveToBins({{0, 7}, {500, 9}}, 2, 1000)[1], 9.0);
}

TEST(DelayToPhase, IntegratesAtTheLowerBinEdge) {
    const std::vector<double> phases = DelayToPhases(std::vector<double>(1799, 1.0), 1799, 48000);
    ASSERT_EQ(phases.size(), 1800u);
    EXPECT_EQ(phases[0], 0.0);
    for (std::size_t p = 1; p < phases.size(); ++p)
        ASSERT_NEAR(phases[p] - phases[p - 1], 0.167645, 1e-6);
    const std::vector<double> steps = DelayToPhases(std::vector<double>{1, 2}, 2, 1000);
    EXPECT_NEAR(steps[2], 2 * kPi * (1 + 2) / 1000 * 500, 1e-12);
}

TEST(PhaseCorrections, BulkDelayAndMidBin) {
    std::vector<double> p(6, 0.0);
    AddBulkDelayPhase(p, 5, 5 / (2 * 48000.0) * 1000, 48000);
    for (int d = 0; d < 6; ++d) EXPECT_NEAR(p[d], kPi * d, 1e-12);

    struct Case {
        double phiM, landing;
    } cases[] = {{5, 0}, {-5, -2 * kPi}, {7, kPi}};
    for (const auto& c : cases) {
        std::vector<double> q{0, 0, c.phiM, 0, 0};
        AlignMidBinPhase(q, 4);  // m = 2, even N: bin m lands on q*pi
        EXPECT_NEAR(q[2], c.landing, 1e-12) << c.phiM;
        EXPECT_NEAR(q[1], (c.landing - c.phiM) / 2, 1e-12);
    }
    std::vector<double> odd{0, 0, 5, 0};
    AlignMidBinPhase(odd, 5);  // m = 2, lands at phiM + d*2m/N
    EXPECT_NEAR(odd[2], 5 + (0 - 5) * 4.0 / 5, 1e-12);
    std::vector<double> shortList{1};
    AlignMidBinPhase(shortList, 9);
    EXPECT_EQ(shortList[0], 1.0);
}

TEST(PolarToSpectrum, SignsAndShorterList) {
    const Spectrum r =
        PolarToSpectrum(std::vector<double>{2, 1, 5}, std::vector<double>{0, kPi / 2});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_NEAR(r[0].real(), 2, 1e-15);
    EXPECT_NEAR(r[0].imag(), 0, 1e-15);
    EXPECT_NEAR(r[1].real(), 0, 1e-15);
    EXPECT_NEAR(r[1].imag(), -1, 1e-15);
}

TEST(MirrorSpectrum, ConjugateSymmetric) {
    const Spectrum full = MirrorSpectrum({{1, 0}, {2, 6}, {3, 7}, {4, 8}, {5, 9}}, 5);
    EXPECT_EQ(full, (Spectrum{{1, 0}, {2, 6}, {3, 7}, {4, 0}, {3, -7}, {2, -6}}));
    // Short inputs are padded with zero bins.
    EXPECT_EQ(MirrorSpectrum({{1, 0}, {2, 0}}, 5), (Spectrum{{1, 0}, {2, 0}, {}, {}, {}, {2, 0}}));
    EXPECT_EQ(MirrorSpectrum({{1, 1}}, 1799).size(), 1800u);
}

}  // namespace
}  // namespace qv
