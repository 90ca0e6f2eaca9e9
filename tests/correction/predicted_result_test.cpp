#include "correction/predicted_result.h"

#include <gtest/gtest.h>

#include <cmath>

#include "correction/correction_target.h"
#include "dsp_math/eq_synthesis.h"
#include "dsp_math/impulse_analysis.h"

namespace qv {
namespace {

constexpr double kFs = 48000;
constexpr std::int32_t kTaps = 1799;

const FilterProfile kHigh{kTaps, kFs};

// A speaker at 85 dB with a broad 4 dB bump at 2 kHz and a 2 dB shelf in the
// highs: smooth enough for the filter's resolution of fs/N = 27 Hz.
double Speaker(double f) {
    const double octaves = std::log2(f / 2000.0);
    return 85.0 + 4.0 * std::exp(-octaves * octaves) - 2.0 / (1.0 + std::pow(8000.0 / f, 2));
}

// A flat correction as dense as the demo's.
PointList DenseFlat() {
    PointList c = {{0, 0}};
    for (double f = 10.0; f <= 24000.0; f *= std::exp2(1.0 / 48)) AppendPoint(c, f, 0.0);
    return c;
}

PointList Measured(double (*level)(double)) {
    PointList m;
    for (double f = 20.0; f <= 30000.0; f *= std::exp2(1.0 / 24)) AppendPoint(m, f, level(f));
    return m;
}

TEST(PredictedResult, OwnTargetFlattensTheMeasurement) {
    const PointList m = Measured(Speaker);
    TargetSettings s;
    s.from = 200;
    s.to = 16000;
    ASSERT_FALSE(CheckTargetSettings(s));
    const SynthesisTargets t{LevelCorrection(m, s), {{0, 0}, {24000, 0}}, DenseFlat()};
    const PointList filter = SynthesizeEqFilter(t, kHigh).filter;
    const Prediction p = PredictMeasurement(m, {}, filter, kTaps, kFs, s.from, s.to);
    ASSERT_TRUE(p.rms.has_value());
    EXPECT_GT(*BandRmsDeviation(m, s.from, s.to), 1.0);
    EXPECT_LT(*p.rms, 0.05);
    // Up to the filter's Nyquist frequency, no further.
    ASSERT_FALSE(p.level.empty());
    EXPECT_LE(p.level.back().x, kFs / 2);
    EXPECT_GT(p.level.back().x, kFs / 2 / std::exp2(1.0 / 24));
    // Without a measured delay, or without a filter, nothing is predicted.
    EXPECT_TRUE(p.delay.empty());
    const Prediction none = PredictMeasurement(m, m, {}, kTaps, kFs, s.from, s.to);
    EXPECT_TRUE(none.level.empty() && none.delay.empty() && !none.rms);
}

TEST(PredictedResult, FilterLevelAgreesWithTheAchievedCurve) {
    // "real" comes from the analysis sweep; the rotation sums at its
    // frequencies must give the same level.
    const SynthesisTargets t{Measured(Speaker), {{0, 0.3}, {24000, -0.2}}, DenseFlat()};
    const SynthesisResult r = SynthesizeEqFilter(t, kHigh);
    const PointList& real = r.achieved.level;
    const PointList level = FilterLevelAt(r.filter, real, kFs);
    ASSERT_EQ(level.size(), real.size());
    for (std::size_t i = 0; i < real.size(); ++i) EXPECT_NEAR(level[i].y, real[i].y, 1e-9);
}

TEST(PredictedResult, DelayOfPureDelays) {
    // h[D] = 1 reads -1000 D/fs ms, then the bulk delay N/(2 fs) comes out.
    const struct {
        int d, n;
        double fs;
    } cases[] = {{0, 1799, 48000}, {10, 1799, 48000}, {900, 1799, 48000}, {451, 899, 6000}};
    for (const auto& c : cases) {
        PointList h(1800);
        NumberPoints(h, 0);
        h[static_cast<std::size_t>(c.d)].y = 1.0;
        const PointList at = {{10, 0}, {1000, 0}, {c.fs / 2, 0}, {c.fs, 0}};
        const PointList d = FilterDelayAt(h, at, c.n, c.fs);
        ASSERT_EQ(d.size(), 3u);  // the point above fs/2 is left out
        for (const CurvePoint& p : d)
            EXPECT_NEAR(p.y, (-c.d + c.n / 2.0) * 1000.0 / c.fs, 1e-9) << c.d << " " << p.x;
        const PointList measured = {{10, 1.0}, {1000, 2.0}};
        const PointList pred = PredictDelay(measured, h, c.n, c.fs);
        ASSERT_EQ(pred.size(), 2u);
        EXPECT_NEAR(pred[1].y, 2.0 + (-c.d + c.n / 2.0) * 1000.0 / c.fs, 1e-9);
    }
}

TEST(PredictedResult, Headroom) {
    const struct {
        PointList filter;
        double peak;
        bool clips;
        double excessDb;
    } cases[] = {
        {{{0, 0.5}, {1, -0.25}}, 0.5, false, 0.0},
        {{{0, 1.0}}, 1.0, false, 0.0},
        {{{0, 0.1}, {1, 2.0}}, 2.0, true, 20 * std::log10(2.0)},
        {{{0, -1.5}, {1, 1.2}}, 1.5, true, 20 * std::log10(1.5)},
        {{}, 0.0, false, 0.0},
    };
    for (const auto& c : cases) {
        const Headroom h = FilterHeadroom(c.filter);
        EXPECT_DOUBLE_EQ(h.peak, c.peak);
        EXPECT_EQ(h.Clips(), c.clips);
        EXPECT_NEAR(h.excessDb, c.excessDb, 1e-12);
    }
    const std::string text = HeadroomMessage(FilterHeadroom({{0, 2.0}}));
    EXPECT_NE(text.find("2.000"), std::string::npos) << text;
    EXPECT_NE(text.find("6.1 dB"), std::string::npos) << text;
    EXPECT_EQ(HeadroomActionText(FilterHeadroom({{0, 2.0}})), "Lower by 6.1 dB and Execute");
}

TEST(PredictedResult, RmsDeviationInsideTheBand) {
    const PointList c = {{10, 50}, {100, 1}, {200, -1}, {400, 1}, {800, -1}, {20000, 50}};
    EXPECT_NEAR(*BandRmsDeviation(c, 100, 800), 1.0, 1e-12);
    EXPECT_FALSE(BandRmsDeviation(c, 150, 300).has_value());
}

}  // namespace
}  // namespace qv
