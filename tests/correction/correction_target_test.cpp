#include "correction/correction_target.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {
namespace {

// Points from 20 Hz to 20 kHz, 12 per octave, plus the exact frequencies asked.
PointList Grid(double (*level)(double), std::initializer_list<double> extra = {}) {
    PointList c;
    for (double f = 20.0; f <= 20000.0; f *= std::exp2(1.0 / 12)) AppendPoint(c, f, level(f));
    for (double f : extra) InsertPointByX(c, {f, level(f)});
    return c;
}

double ValueAt(const PointList& c, double f) {
    auto it = std::find_if(c.begin(), c.end(), [f](const CurvePoint& p) { return p.x == f; });
    EXPECT_NE(it, c.end()) << f;
    return it == c.end() ? std::nan("") : it->y;
}

TEST(CorrectionTarget, ClipLimits) {
    // 0 dB everywhere (pinned by the reference at 1 kHz) but one point at 2 kHz.
    const struct {
        double measured, boost, cut, expected;
    } cases[] = {
        {-3, 6, 12, 3},  {-10, 6, 12, 6}, {20, 6, 12, -12}, {5, 6, 12, -5},
        {-10, 0, 12, 0}, {5, 6, 0, 0},    {-6, 6, 12, 6},
    };
    for (const auto& c : cases) {
        PointList m = Grid([](double) { return 0.0; });
        InsertPointByX(m, {2000.0, c.measured});
        TargetSettings s;
        s.maxBoost = c.boost;
        s.maxCut = c.cut;
        s.reference = 1000.0;
        const PointList corr = LevelCorrection(m, s);
        ASSERT_EQ(corr.size(), m.size());
        EXPECT_DOUBLE_EQ(ValueAt(corr, 2000.0), c.expected) << c.measured;
        for (const CurvePoint& p : corr) {
            EXPECT_LE(p.y, c.boost);
            EXPECT_GE(p.y, -c.cut);
        }
    }
}

TEST(CorrectionTarget, FadeOutsideTheBand) {
    // A flat measurement and a house curve 3 dB up: C = 3 dB inside the band,
    // half of it 1/6 octave outside, nothing from 1/3 octave on.
    const double from = 100, to = 10000;
    const double sixth = std::exp2(1.0 / 6), third = std::exp2(1.0 / 3);
    const struct {
        double f, expected;
    } cases[] = {
        {from, 3},         {to, 3},
        {1000, 3},         {from / sixth, 1.5},
        {to * sixth, 1.5}, {from / third, 0},
        {to * third, 0},   {from / 2, 0},
        {to * 2, 0},       {from / std::exp2(1.0 / 12), 3 * 0.5 * (1 + std::cos(M_PI / 4))},
    };
    PointList m = Grid([](double) { return 85.0; },
                       {1000, from / 2, to * 2, from, to, from / sixth, to * sixth, from / third,
                        to * third, from / std::exp2(1.0 / 12)});
    TargetSettings s;
    s.from = from;
    s.to = to;
    s.shape = TargetShape::House;
    s.house = {{10, 3}, {30000, 3}};
    const PointList corr = LevelCorrection(m, s);
    for (const auto& c : cases) EXPECT_NEAR(ValueAt(corr, c.f), c.expected, 1e-12) << c.f;
}

TEST(CorrectionTarget, Normalisation) {
    // A slope of 2 dB per octave through 0 dB at 1 kHz, linear in log f: its
    // mean over a band is its value at the band's geometric centre.
    auto slope = [](double f) { return 2.0 * std::log2(f / 1000.0); };
    const struct {
        double from, to;
        std::optional<double> reference;
        double offset;
    } cases[] = {
        {250, 4000, std::nullopt, 0.0}, {1000, 4000, std::nullopt, -2.0},
        {20, 20000, std::nullopt, 0.0}, {300, 700, std::nullopt, 0.0},
        {20, 20000, 4000.0, -4.0},      {20, 20000, 500.0, 2.0},
    };
    PointList m;
    for (double f = 10.0; f <= 40000.0; f *= std::exp2(1.0 / 7)) AppendPoint(m, f, slope(f));
    for (const auto& c : cases) {
        TargetSettings s;
        s.from = c.from;
        s.to = c.to;
        s.reference = c.reference;
        const double centre = 2.0 * std::log2(std::sqrt(c.from * c.to) / 1000.0);
        const double expected = c.reference ? c.offset : -centre;
        EXPECT_NEAR(NormalisationOffset(m, s), expected, 1e-9) << c.from << " " << c.to;
    }
    // A constant measurement at 85 dB becomes 0 dB: no correction at all.
    TargetSettings s;
    for (const CurvePoint& p : LevelCorrection(Grid([](double) { return 85.0; }), s))
        EXPECT_NEAR(p.y, 0.0, 1e-12);
}

TEST(CorrectionTarget, TiltThroughOneKilohertz) {
    TargetSettings s;
    s.shape = TargetShape::Tilt;
    s.tilt = -1.0;
    EXPECT_DOUBLE_EQ(TargetLevel(s, 1000), 0.0);
    EXPECT_DOUBLE_EQ(TargetLevel(s, 4000), -2.0);
    EXPECT_DOUBLE_EQ(TargetLevel(s, 250), 2.0);
}

TEST(CorrectionTarget, DelayTarget) {
    // A group delay that reads later (more negative) towards the highs.
    auto g = [](double f) { return -0.2 - 0.3 * std::log2(f / 20.0); };
    const double from = 100, to = 5000;
    const double least = g(to);  // the latest point of the band
    // The band's spread (1.7 ms) stays within half of these limits, so the
    // latest point is the reference.
    for (double maxDelay : {10.0, 4.0}) {
        PointList m = Grid(g, {from, to});
        TargetSettings s;
        s.from = from;
        s.to = to;
        s.maxDelay = maxDelay;
        const PointList d = DelayCorrection(m, s);
        ASSERT_EQ(d.size(), m.size());
        for (std::size_t i = 0; i < d.size(); ++i) {
            const double f = d[i].x;
            EXPECT_LE(d[i].y, 0.0) << f;  // the filter only ever adds delay
            EXPECT_GE(d[i].y, -maxDelay) << f;
            if (f >= from && f <= to) {
                const double want = std::max(least - m[i].y, -maxDelay);
                EXPECT_NEAR(d[i].y, want, 1e-12) << f;
                // Without clipping the sum is flat at the latest delay.
                if (least - m[i].y >= -maxDelay) {
                    EXPECT_NEAR(m[i].y + d[i].y, least, 1e-12);
                }
            }
            if (f <= from / std::exp2(1.0 / 3) || f >= to * std::exp2(1.0 / 3)) {
                EXPECT_EQ(d[i].y, 0.0) << f;
            }
        }
    }
}

TEST(CorrectionTarget, DelayReferenceStaysWithinHalfTheLimitOfTheMedian) {
    auto g = [](double f) { return -0.2 - 0.3 * std::log2(f / 20.0); };
    const double from = 100, to = 6400;  // the band's median sits at 800 Hz
    for (double maxDelay : {1.0, 0.25}) {
        PointList m = Grid(g, {from, to});
        TargetSettings s;
        s.from = from;
        s.to = to;
        s.maxDelay = maxDelay;
        const PointList d = DelayCorrection(m, s);
        const double reference = g(800.0) - 0.5 * maxDelay;
        for (std::size_t i = 0; i < d.size(); ++i) {
            if (d[i].x < from || d[i].x > to) continue;
            const double want = std::clamp(reference - m[i].y, -maxDelay, 0.0);
            EXPECT_NEAR(d[i].y, want, 0.03) << d[i].x;  // within one point of the median
        }
    }
}

TEST(CorrectionTarget, BadInputs) {
    const struct {
        const char* what;
        void (*change)(TargetSettings&);
    } cases[] = {
        {"from = to", [](TargetSettings& s) { s.from = s.to; }},
        {"from > to", [](TargetSettings& s) { s.from = 30000; }},
        {"negative from", [](TargetSettings& s) { s.from = -5; }},
        {"negative boost", [](TargetSettings& s) { s.maxBoost = -1; }},
        {"cut not a number",
         [](TargetSettings& s) { s.maxCut = std::numeric_limits<double>::quiet_NaN(); }},
        {"infinite delay", [](TargetSettings& s) { s.maxDelay = INFINITY; }},
        {"fraction 5", [](TargetSettings& s) { s.smoothing = 5; }},
        {"house of one point",
         [](TargetSettings& s) {
             s.shape = TargetShape::House;
             s.house = {{100, 0}};
         }},
        {"house unsorted",
         [](TargetSettings& s) {
             s.shape = TargetShape::House;
             s.house = {{100, 0}, {50, 1}};
         }},
        {"reference 0 Hz", [](TargetSettings& s) { s.reference = 0.0; }},
    };
    for (const auto& c : cases) {
        TargetSettings s;
        c.change(s);
        EXPECT_TRUE(CheckTargetSettings(s).has_value()) << c.what;
    }
    TargetSettings ok;
    EXPECT_FALSE(CheckTargetSettings(ok).has_value());
    ok.from = 1000;
    ok.to = 2000;
    const PointList onePoint = {{500, 0}, {1500, 0}, {3000, 0}};
    auto msg = CheckMeasurement(onePoint, ok, "measurement");
    ASSERT_TRUE(msg.has_value());
    EXPECT_NE(msg->find("fewer than 2 points"), std::string::npos) << *msg;
    EXPECT_FALSE(CheckMeasurement({{1000, 0}, {2000, 0}}, ok, "measurement").has_value());
}

}  // namespace
}  // namespace qv
