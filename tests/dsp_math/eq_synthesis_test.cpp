#include "dsp_math/eq_synthesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "curves/curve_files.h"
#include "dsp_math/impulse_analysis.h"
#include "dsp_math/spectrum_shaping.h"
#include "tests/dsp_math/direct_reference.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

PointList Flat(double value, double to = 24000) {
    return PointList{{0, value}, {to, value}};
}

DspProgramProfile HighProfile() {
    return DeriveProfile(1, 48000);
}

Workspace FlatWorkspace(double levelDb = 0, double delayMs = 0) {
    Workspace ws;
    SetSlot(ws[FrequencyResponseDiagram], 1, "desired", Flat(levelDb));
    SetSlot(ws[GroupDelayDiagram], 1, "desired", Flat(delayMs));
    SetSlot(ws[FrequencyResponseHighDiagram], 1, "amlin.cor", Flat(0));
    SetSlot(ws[FrequencyRoomDiagram], 1, "desired", Flat(0, 3000));
    SetSlot(ws[DelayRoomDiagram], 1, "desired", Flat(0, 3000));
    return ws;
}

std::size_t PeakIndex(const PointList& h) {
    return static_cast<std::size_t>(
        std::max_element(h.begin(), h.end(),
                         [](auto& a, auto& b) { return std::fabs(a.y) < std::fabs(b.y); }) -
        h.begin());
}

TEST(EqSynthesis, FlatTargets) {
    const struct {
        double levelDb, delayMs, peak;
        std::size_t indexLow, indexHigh;
    } cases[] = {{0, 0, 0.9999, 901, 902}, {6, 0, 1.995, 901, 902}, {0, 1, 0.981, 854, 854}};
    for (const auto& c : cases) {
        Workspace ws = FlatWorkspace(c.levelDb, c.delayMs);
        test::ScriptedUserInterface ui;
        ASSERT_TRUE(SynthesizeEqFilter(ws, HighProfile(), ui));
        EXPECT_TRUE(ui.messages.empty());
        const CurveSlot& f = ws[ImpulseResponseDiagram].Slot(1);
        EXPECT_EQ(f.name, "impuls");
        ASSERT_EQ(f.points.size(), 1800u);
        EXPECT_EQ(f.points[1799].x, 1799.0);
        const std::size_t i = PeakIndex(f.points);
        EXPECT_GE(i, c.indexLow) << c.levelDb << " " << c.delayMs;
        EXPECT_LE(i, c.indexHigh) << c.levelDb << " " << c.delayMs;
        EXPECT_NEAR(f.points[i].y, c.peak, 2e-3);
        EXPECT_EQ(f.points[1798].y, 0.0);
        EXPECT_EQ(f.points[1799].y, 0.0);
        if (c.levelDb == 0 && c.delayMs == 0) {
            for (std::size_t k = 0; k < f.points.size(); ++k)
                if (k != i) {
                    ASSERT_LT(std::fabs(f.points[k].y), 0.0012) << k;
                }
            const CurveSlot& level = ws[FrequencyResponseDiagram].Slot(2);
            const CurveSlot& delay = ws[GroupDelayDiagram].Slot(2);
            EXPECT_EQ(level.name, "real");
            EXPECT_EQ(delay.name, "real");
            for (const auto& p : level.points) ASSERT_NEAR(p.y, 0.0, 1e-3) << p.x;
            for (const auto& p : delay.points) ASSERT_NEAR(p.y, 0.0, 0.1) << p.x;
            // The filter itself reads about -18.77 ms before the offset.
            const PointList raw = ImpulseToGroupDelay(f.points, 48000);
            EXPECT_NEAR(raw[800].y, -18.77, 0.05);
        }
        // The targets are only read.
        EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).points, Flat(c.levelDb));
    }
}

// The three inputs of a variant in the order they are checked, with their
// messages. Every combination of empty inputs is tried, so each message must
// win over the ones after it; the run must leave every slot and both
// processing values as they were.
struct RefusalInputs {
    DiagramId diagram[3];
    const char* message[3];
};

template <typename Synthesize>
void ExpectRefusalsInOrder(const RefusalInputs& inputs, Synthesize synthesize) {
    for (int emptied = 1; emptied < 8; ++emptied) {
        Workspace ws = FlatWorkspace();
        int first = -1;
        for (int i = 2; i >= 0; --i)
            if (emptied & (1 << i)) {
                ClearSlots(ws[inputs.diagram[i]]);
                first = i;
            }
        ws.ProcessingSampleRate = 44100;
        ws.ProcessingLength = 1234;
        SetSlot(ws[ImpulseResponseDiagram], 3, "old", Flat(1));
        SetSlot(ws[FilterRoomDiagram], 3, "old", Flat(2));
        const DiagramSet before = ws.diagrams;
        test::ScriptedUserInterface ui;
        EXPECT_FALSE(synthesize(ws, ui)) << emptied;
        EXPECT_EQ(ui.messages, std::vector<std::string>{inputs.message[first]}) << emptied;
        EXPECT_EQ(ws.ProcessingSampleRate, 44100) << emptied;
        EXPECT_EQ(ws.ProcessingLength, 1234) << emptied;
        for (int id = 0; id < kDiagramCount; ++id)
            for (int k = 1; k <= 4; ++k) {
                const CurveSlot& now = ws[static_cast<DiagramId>(id)].Slot(k);
                const CurveSlot& was = before[static_cast<DiagramId>(id)].Slot(k);
                EXPECT_EQ(now.points, was.points) << emptied << " " << id << " " << k;
                EXPECT_EQ(now.name, was.name) << emptied << " " << id << " " << k;
            }
    }
    // A run that goes through puts both values back as well.
    Workspace ws = FlatWorkspace();
    ws.ProcessingSampleRate = 44100;
    ws.ProcessingLength = 1234;
    test::ScriptedUserInterface ui;
    EXPECT_TRUE(synthesize(ws, ui));
    EXPECT_EQ(ws.ProcessingSampleRate, 44100);
    EXPECT_EQ(ws.ProcessingLength, 1234);
}

TEST(EqSynthesis, RefusalsInOrderChangeNothing) {
    const RefusalInputs eq{
        {FrequencyResponseDiagram, GroupDelayDiagram, FrequencyResponseHighDiagram},
        {"noch keine Kurve fuer Amplitudenequalizing geladen.",
         "noch keine Kurve fuer Laufzeitequalizing geladen.", "Korrekturkurve High fehlt."}};
    ExpectRefusalsInOrder(eq, [](Workspace& ws, UserInterface& ui) {
        return SynthesizeEqFilter(ws, HighProfile(), ui);
    });
}

TEST(Synthesis, EmptyProfileIsRefusedNotDividedByZero) {
    Workspace ws = FlatWorkspace();
    test::ScriptedUserInterface ui;
    const DspProgramProfile empty;
    EXPECT_FALSE(SynthesizeEqFilter(ws, empty, ui));
    ws.CurrentDiagram = FrequencyRoomDiagram;
    EXPECT_FALSE(SynthesizeRoomFilter(ws, empty, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{kNoProfileMessage, kNoProfileMessage}));
    EXPECT_TRUE(ws[ImpulseResponseDiagram].Slot(1).points.empty());
    EXPECT_TRUE(ws[FilterRoomDiagram].Slot(1).points.empty());
    EXPECT_EQ(ws.ProcessingSampleRate, 0.0);
}

TEST(RoomSynthesis, RefusalsInOrder) {
    const RefusalInputs room{
        {FrequencyRoomDiagram, DelayRoomDiagram, FrequencyResponseHighDiagram},
        {"noch keine Frequenz-Kurve fuer Roomequalizing geladen.",
         "noch keine Delay-Kurve fuer Roomqualizing geladen.", "Korrekturkurve High fehlt."}};
    ExpectRefusalsInOrder(room, [](Workspace& ws, UserInterface& ui) {
        return SynthesizeRoomFilter(ws, HighProfile(), ui);
    });
}

TEST(RoomSynthesis, PathTimes) {
    EXPECT_NEAR(PathTimeDepth(500, 400), 0.0313455, 1e-7);
    EXPECT_NEAR(PathTimeWidth(500, 400), 0.0274563, 1e-7);
    EXPECT_EQ(PathOffsetSamples(500, 400, 6000), 23);
    EXPECT_EQ(PathOffsetSamples(400, 500, 6000), -23);
    EXPECT_EQ(PathOffsetSamples(400, 400, 6000), 0);
}

TEST(RoomSynthesis, FlatTargetsOneAndTwoPeaks) {
    Workspace ws = FlatWorkspace();
    test::ScriptedUserInterface ui;
    ASSERT_TRUE(SynthesizeRoomFilter(ws, HighProfile(), ui));
    const PointList& same = ws[FilterRoomDiagram].Slot(1).points;
    ASSERT_EQ(same.size(), 900u);
    EXPECT_EQ(ws[FilterRoomDiagram].Slot(1).name, "impuls");
    const std::size_t i = PeakIndex(same);
    EXPECT_TRUE(i == 451 || i == 452) << i;
    EXPECT_LT(same[i].y, -0.9995);
    EXPECT_GT(same[i].y, -0.9999);
    EXPECT_EQ(ws[FrequencyRoomDiagram].Slot(2).name, "real");
    EXPECT_EQ(ws[DelayRoomDiagram].Slot(2).name, "real");
    for (const auto& p : ws[FrequencyRoomDiagram].Slot(2).points) ASSERT_NEAR(p.y, 0, 1e-3);

    ws.RoomDepth = 500;
    ASSERT_TRUE(SynthesizeRoomFilter(ws, HighProfile(), ui));
    const PointList& two = ws[FilterRoomDiagram].Slot(1).points;
    const std::size_t p1 = PeakIndex(two);
    PointList rest = two;
    for (std::size_t k = p1 - 3; k <= p1 + 3; ++k) rest[k].y = 0;
    const std::size_t p2 = PeakIndex(rest);
    EXPECT_TRUE(p1 == 451 || p1 == 452) << p1;
    EXPECT_EQ(p1 - p2, 23u);
    EXPECT_NEAR(two[p1].y, -0.5, 0.002);
    EXPECT_NEAR(two[p2].y, -0.494, 0.002);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Synthesis, RepeatedRunReplacesSlots) {
    Workspace ws = FlatWorkspace();
    SetSlot(ws[ImpulseResponseDiagram], 4, "old", Flat(1));
    test::ScriptedUserInterface ui;
    ASSERT_TRUE(SynthesizeEqFilter(ws, HighProfile(), ui));
    const DiagramSet first = ws.diagrams;
    ASSERT_TRUE(SynthesizeEqFilter(ws, HighProfile(), ui));
    EXPECT_TRUE(ws[ImpulseResponseDiagram].Slot(4).points.empty());
    for (DiagramId id : {ImpulseResponseDiagram, FrequencyResponseDiagram, GroupDelayDiagram})
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(ws[id].Slot(k).points, first[id].Slot(k).points) << id << " " << k;
}

// The fast design against the long-double one: coefficients, then the
// achieved level and delay.
void ExpectMatchesReference(const char* name, const PointList& level, const PointList& delay,
                            std::int32_t n, double fs, bool analyse) {
    const PointList h = DesignFilter(level, delay, Flat(0, 24000), n, fs);
    const PointList ref = test::RefDesignFilter(level, delay, Flat(0, 24000), n, fs);
    ASSERT_EQ(h.size(), ref.size());
    for (std::size_t k = 0; k < h.size(); ++k) ASSERT_NEAR(h[k].y, ref[k].y, 1e-9) << name << k;
    if (!analyse) return;
    const AchievedCurves got = AnalyzeFilter(h, n, fs);
    PointList refLevel = test::RefFrequencyResponse(ref, fs, 10, fs / 2);
    ValuesToDecibel(refLevel);
    PointList refDelay = test::RefGroupDelay(ref, fs);
    ASSERT_EQ(got.level.size(), refLevel.size());
    ASSERT_EQ(got.delay.size(), refDelay.size());
    for (std::size_t i = 0; i < refLevel.size(); ++i)
        ASSERT_NEAR(got.level[i].y, refLevel[i].y, 1e-6) << name << " " << refLevel[i].x;
    const double bulk = n / (2 * fs) * 1000;
    for (std::size_t i = 0; i < refDelay.size(); ++i)
        ASSERT_NEAR(got.delay[i].y, refDelay[i].y + bulk, 1e-6) << name << " " << refDelay[i].x;
}

struct ShapedTargets {
    PointList level, delay, randomLevel, randomDelay;
};

ShapedTargets Shaped() {
    ShapedTargets t;
    std::mt19937 gen(11);
    std::uniform_real_distribution<double> u(-1, 1);
    for (double f = 10; f <= 24000; f *= 1.1) {
        AppendPoint(t.level, f,
                    6 / (1 + (f / 80) * (f / 80)) - 3 * std::exp(-std::pow(std::log(f / 3000), 2)));
        AppendPoint(t.delay, f, 2 / (1 + (f / 100) * (f / 100)));
        AppendPoint(t.randomLevel, f, 3 * u(gen));
        AppendPoint(t.randomDelay, f, 0.5 * u(gen));
    }
    return t;
}

// Flat, shaped and random targets.
TEST(SynthesisEquivalence, AgainstDirectReference) {
    const ShapedTargets t = Shaped();
    ExpectMatchesReference("flat", Flat(0), Flat(0), 1799, 48000, false);
    ExpectMatchesReference("shaped", t.level, t.delay, 1799, 48000, true);
    ExpectMatchesReference("random", t.randomLevel, t.randomDelay, 1799, 48000, false);
}

// The inverse of a measured level, mid band at 0 dB and clipped to +-12 dB,
// as an engineer prepares a desired curve.
PointList InvertedTarget(const PointList& measured) {
    PointList target = measured;
    const double mean = measured[measured.size() / 2].y;
    for (auto& p : target) p.y = std::clamp(mean - p.y, -12.0, 12.0);
    return target;
}

// A target made from a measured-like curve, for the room variant's N and fs:
// like a tweeter's data sheet export, 800 points from 200 Hz to 40 kHz, a
// second-order roll-off below 1.5 kHz and a few dB of ripple and noise.
TEST(SynthesisEquivalence, MeasuredLikeTargetAgainstDirectReference) {
    std::mt19937 gen(5);
    std::uniform_real_distribution<double> u(-1, 1);
    PointList tweeterLike;
    for (int i = 0; i < 800; ++i) {
        const double f = 200 * std::pow(200.0, i / 799.0);
        const double r = (f / 1500) * (f / 1500);
        const double highPass = 10 * std::log10(r * r / (1 + r * r));
        AppendPoint(tweeterLike, f, 85 + highPass + 1.5 * std::sin(std::log(f) * 7) + 0.3 * u(gen));
    }
    ExpectMatchesReference("measuredLike", InvertedTarget(tweeterLike), Flat(0.3), 899, 6000, true);
}

// The same with the real tweeter measurement, where the folder is there.
TEST(SynthesisEquivalence, MeasuredTargetAgainstDirectReference) {
    QV_SKIP_WITHOUT_MEASUREMENTS();
    test::ScriptedUserInterface readUi;  // the header line is reported there
    const PointList measured =
        ReadXYFile(test::Measurement("wavecor_TW022WA06_tweeter.txt"), readUi);
    ASSERT_GT(measured.size(), 10u);
    ExpectMatchesReference("measured", InvertedTarget(measured), Flat(0.3), 899, 6000, true);
}

// The design runs on plain vectors; the list transforms that the commands
// use must give exactly the same filter.
TEST(DesignFilter, SameBitsAsTheListTransforms) {
    const ShapedTargets t = Shaped();
    const struct {
        const PointList& level;
        const PointList& delay;
        std::int32_t n;
        double fs;
    } cases[] = {{t.level, t.delay, 1799, 48000},
                 {t.randomLevel, t.randomDelay, 899, 6000},
                 {Flat(0), Flat(0), 1, 48000},
                 {Flat(3), Flat(1), 8, 1000}};
    for (const auto& c : cases) {
        test::ScriptedUserInterface ui;
        const PointList magnitudes =
            ResampleLevelToMagnitude(AddCurves(Flat(0, 24000), c.level), c.n, c.fs);
        PointList phases = DelayToPhase(ResampleToBins(c.delay, c.n, c.fs), c.n, c.fs);
        AddBulkDelayPhase(phases, c.n, c.n / (2 * c.fs) * 1000, c.fs);
        AlignMidBinPhase(phases, c.n);
        const RectSpectrum half = PolarToRect(magnitudes, phases);
        const RectSpectrum full = MirrorSpectrum(half.real, half.imag, c.n);
        PointList lists = SpectrumToImpulse(full.real, full.imag, 1.0, ui);
        TaperWindow(c.n / 2, 0, c.n / 2, lists);
        EXPECT_EQ(DesignFilter(c.level, c.delay, Flat(0, 24000), c.n, c.fs), lists) << c.n;
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(DesignFilter, RefusesWhatNoFilterHas) {
    const struct {
        std::int32_t n;
        double fs;
    } cases[] = {{0, 48000},     {-5, 48000},          {1799, 0},
                 {1799, -48000}, {1799, std::nan("")}, {1799, INFINITY}};
    for (const auto& c : cases)
        EXPECT_THROW(DesignFilter(Flat(0), Flat(0), Flat(0), c.n, c.fs), std::invalid_argument)
            << c.n << " " << c.fs;
    EXPECT_EQ(DesignFilter(Flat(0), Flat(0), Flat(0), 1, 48000).size(), 2u);
}

// What the analysis reads from a designed filter is what it was asked for,
// inside the band the filter length can resolve. The correction curve sets
// the frequencies of the level target, so it is given densely here; the
// delay is kept small because the taper window weakens a peak moved far from
// the centre. The mid-bin alignment moves the delay by one or two samples
// (up to 0.042 ms at 48 kHz).
TEST(Synthesis, AnalysisReproducesTargets) {
    PointList correction;
    for (double f = 0; f <= 24000; f += 50) AppendPoint(correction, f, 0.0);
    const PointList level{{0, -4}, {2000, -4}, {6000, 3}, {24000, 3}};
    const PointList delay{{0, 0.2}, {24000, 0.2}};
    const PointList h = DesignFilter(level, delay, correction, 1799, 48000);
    const AchievedCurves got = AnalyzeFilter(h, 1799, 48000);
    for (const auto& p : got.level) {
        if (p.x < 300 || p.x > 20000 || (p.x > 1500 && p.x < 7000)) continue;
        ASSERT_NEAR(p.y, p.x < 2000 ? -4 : 3, 0.05) << p.x;
    }
    for (const auto& p : got.delay) {
        if (p.x > 200 && p.x < 20000) {
            ASSERT_NEAR(p.y, 0.2, 0.05) << p.x;
        }
    }
}

}  // namespace
}  // namespace qv
