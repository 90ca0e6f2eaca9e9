// Impulses of a system known in closed form, in audio files of many formats
// and as text, must come back with its level and group delay.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <string>

#include "measurements/impulse_response.h"
#include "measurements/measurement_import.h"
#include "tests/measurements/known_systems.h"

namespace qv {
namespace {

using test::DelayedOnePole;
using test::TempDir;

struct AudioCase {
    const char* name;
    const char* file;
    int format;
    double rate;
    double levelTolerance, delayTolerance;  // dB, ms
    const char* formatText;
};

constexpr double kPcm16Db = 0.01, kPcm16Ms = 5e-4;
// The group delay goes through the frequency-dependent window, whose fall
// weighs the samples after the peak a little less: some 10 ns.
constexpr double kFineDb = 1e-4, kFineMs = 1e-4;

const AudioCase kAudioCases[] = {
    {"WavPcm16", "a.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, kPcm16Db, kPcm16Ms, "16 bit"},
    {"WavPcm24", "a.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 44100, kFineDb, kFineMs, "24 bit"},
    {"WavPcm32", "a.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_32, 96000, kFineDb, kFineMs, "32 bit"},
    {"WavFloat32", "a.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, kFineDb, kFineMs,
     "32 bit float"},
    {"WavFloat64", "a.wav", SF_FORMAT_WAV | SF_FORMAT_DOUBLE, 192000, kFineDb, kFineMs,
     "64 bit float"},
    {"WavExtensible", "a.wav", SF_FORMAT_WAVEX | SF_FORMAT_PCM_24, 48000, kFineDb, kFineMs,
     "24 bit"},
    {"Aiff", "a.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 44100, kPcm16Db, kPcm16Ms, "16 bit"},
    {"Flac", "a.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 48000, kFineDb, kFineMs, "24 bit"},
    {"W64", "a.w64", SF_FORMAT_W64 | SF_FORMAT_FLOAT, 8000, kFineDb, kFineMs, "32 bit float"},
};

class AudioImpulseTest : public ::testing::TestWithParam<AudioCase> {};

TEST_P(AudioImpulseTest, GivesLevelAndGroupDelayOfTheSystem) {
    const AudioCase& c = GetParam();
    const DelayedOnePole sys;
    TempDir dir;
    const auto path = test::WriteAudio(dir, c.file, c.format, c.rate, 1, sys.Samples(4096));
    const auto probe = ProbeMeasurement(path);
    EXPECT_EQ(probe.kind, MeasurementKind::AudioImpulse);
    EXPECT_EQ(probe.sampleRate, c.rate);
    EXPECT_EQ(probe.frames, 4096);
    EXPECT_NE(probe.format.find(c.formatText), std::string::npos) << probe.format;

    const auto m = ImportMeasurement(path);
    ASSERT_EQ(m.level.size(), m.groupDelay.size());
    ASSERT_GT(m.level.size(), 100u);
    for (std::size_t i = 0; i < m.level.size(); ++i) {
        const double f = m.level[i].x;
        EXPECT_NEAR(m.level[i].y, sys.LevelDb(f, c.rate), c.levelTolerance) << f;
        EXPECT_NEAR(m.groupDelay[i].y, sys.GroupDelayMs(f, c.rate), c.delayTolerance) << f;
    }
    EXPECT_EQ(m.report.sampleRate, c.rate);
    EXPECT_NEAR(m.report.peakMs, 1000.0 * sys.delay / c.rate, 1e-9);
    EXPECT_EQ(m.report.groupDelaySource, "impulse");
}

INSTANTIATE_TEST_SUITE_P(Formats, AudioImpulseTest, ::testing::ValuesIn(kAudioCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImpulseFrequencies, LogGridFrom20HzToJustBelowHalfTheRate) {
    const auto grid = ImpulseFrequencies(48000, 48000);
    ASSERT_GT(grid.size(), 2u);
    EXPECT_DOUBLE_EQ(grid.front(), 20.0);
    EXPECT_LT(grid.back(), 24000.0);
    EXPECT_GT(grid.back(), 23900.0);
    for (std::size_t i = 1; i < grid.size(); ++i)
        EXPECT_LE(std::log2(grid[i] / grid[i - 1]), 1.0 / 48.0 + 1e-12);
    // A short impulse resolves only from fs/length up.
    EXPECT_DOUBLE_EQ(ImpulseFrequencies(96000, 317).front(), 96000.0 / 317.0);
    EXPECT_TRUE(ImpulseFrequencies(48000, 1).empty());
}

TEST(AudioImpulse, ChosenChannelOfSeveral) {
    // Three channels, each the system after a different delay.
    std::vector<double> frames(3 * 2048);
    for (int ch = 0; ch < 3; ++ch) {
        const auto h = DelayedOnePole{0.5, 5 + 20 * ch}.Samples(2048);
        for (std::size_t n = 0; n < 2048; ++n) frames[3 * n + static_cast<std::size_t>(ch)] = h[n];
    }
    TempDir dir;
    const auto path =
        test::WriteAudio(dir, "three.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 3, frames);
    EXPECT_EQ(ProbeMeasurement(path).channels, 3);
    for (int ch = 0; ch < 3; ++ch) {
        const auto m = ImportMeasurement(path, test::Channel(ch));
        const DelayedOnePole sys{0.5, 5 + 20 * ch};
        EXPECT_NEAR(m.groupDelay[40].y, sys.GroupDelayMs(m.groupDelay[40].x, 48000), kFineMs) << ch;
        EXPECT_EQ(m.report.channel, ch);
    }
    EXPECT_THROW(ImportMeasurement(path, test::Channel(3)), ImportOptionError);
}

TEST(ImpulseGate, KeepsTheDirectSoundAndDropsTheReflection) {
    // The direct sound at sample 200 and a reflection of half its size 10 ms later.
    const double fs = 48000;
    const DelayedOnePole direct{0.5, 200};
    auto h = direct.Samples(4800);
    const auto reflection = DelayedOnePole{0.5, 680, 0.25}.Samples(4800);
    for (std::size_t n = 0; n < h.size(); ++n) h[n] += reflection[n];
    TempDir dir;
    const auto path = test::WriteAudio(dir, "room.wav", SF_FORMAT_WAV | SF_FORMAT_DOUBLE, fs, 1, h);

    const auto gated = ImportMeasurement(path, test::Gate(-1.0, 5.0));
    ASSERT_FALSE(gated.level.empty());
    // The gate of 6 ms resolves from about 167 Hz up.
    EXPECT_NEAR(gated.level.front().x, fs / 289.0, 1.0);
    for (std::size_t i = 0; i < gated.level.size(); ++i) {
        const double f = gated.level[i].x;
        EXPECT_NEAR(gated.level[i].y, direct.LevelDb(f, fs), 1e-6) << f;
        EXPECT_NEAR(gated.groupDelay[i].y, direct.GroupDelayMs(f, fs), kFineMs) << f;
    }
    // Without the gate the reflection's comb shows.
    const auto whole = ImportMeasurement(path);
    double worst = 0.0;
    for (const auto& p : whole.level)
        worst = std::max(worst, std::fabs(p.y - direct.LevelDb(p.x, fs)));
    EXPECT_GT(worst, 3.0);
    EXPECT_NE(gated.report.Text().find("Gate -1 to 5 ms"), std::string::npos);
}

TEST(ImpulseGate, FlanksAreHalfHannWindowsOfTenPercent) {
    EXPECT_NEAR(GateWeight(0, 100), 0.5 * (1 - std::cos(std::numbers::pi * 0.05)), 1e-15);
    EXPECT_NEAR(GateWeight(99, 100), GateWeight(0, 100), 1e-15);
    EXPECT_NEAR(GateWeight(9, 100), 0.5 * (1 - std::cos(std::numbers::pi * 0.95)), 1e-15);
    EXPECT_EQ(GateWeight(10, 100), 1.0);
    EXPECT_EQ(GateWeight(89, 100), 1.0);
    EXPECT_LT(GateWeight(90, 100), 1.0);
    EXPECT_EQ(GateWeight(100, 100), 0.0);
}

TEST(ImpulseGate, ReachingPastTheEndIsCutAndSaidSo) {
    TempDir dir;
    const auto path = test::WriteAudio(dir, "s.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 1,
                                       DelayedOnePole{}.Samples(4800));
    const auto m = ImportMeasurement(path, test::Gate(-5.0, 50.0));
    EXPECT_NE(m.report.Text().find("cut there"), std::string::npos);
    EXPECT_THROW(ImportMeasurement(path, test::Gate(200.0, 300.0)), ImportOptionError);
    EXPECT_THROW(ImportMeasurement(path, test::Gate(-20.0, -10.0)), ImportOptionError);
    EXPECT_THROW(ImportMeasurement(path, test::Gate(5.0, 1.0)), ImportOptionError);
}

TEST(TextImpulse, SamplesWithTheRateTheUserGives) {
    const DelayedOnePole sys{0.6, 28};
    std::string text = "impulse of a test system\nsamples\n\n";
    for (double v : sys.Samples(600)) {
        char b[64];
        std::snprintf(b, sizeof b, "  %.17g\n", v);
        text += b;
    }
    TempDir dir;
    const auto path = dir.Write("ir.txt", text);
    const auto probe = ProbeMeasurement(path);
    EXPECT_EQ(probe.kind, MeasurementKind::TextImpulse);
    EXPECT_TRUE(probe.needsSampleRate);
    EXPECT_THROW(ImportMeasurement(path), ImportOptionError);

    const auto m = ImportMeasurement(path, test::Rate(96000.0));
    EXPECT_EQ(m.report.kind, MeasurementKind::TextImpulse);
    EXPECT_EQ(m.report.rows, 600u);
    EXPECT_NEAR(m.level.front().x, 160.0, 1e-9);  // 96000 / 600
    for (std::size_t i = 0; i < m.level.size(); ++i) {
        const double f = m.level[i].x;
        EXPECT_NEAR(m.level[i].y, sys.LevelDb(f, 96000), 1e-9) << f;
        EXPECT_NEAR(m.groupDelay[i].y, sys.GroupDelayMs(f, 96000), kFineMs) << f;
    }
}

TEST(Import, ProgressReachesTheEndAndCancelStops) {
    TempDir dir;
    const auto path = test::WriteAudio(dir, "p.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 1,
                                       DelayedOnePole{}.Samples(48000));
    double last = 0.0;
    int calls = 0;
    ImportOptions options;
    options.progress = [&](double f) {
        EXPECT_GE(f, last);
        last = f;
        ++calls;
        return true;
    };
    ImportMeasurement(path, options);
    EXPECT_GT(calls, 2);
    EXPECT_DOUBLE_EQ(last, 1.0);
    options.progress = [](double f) { return f < 0.5; };
    EXPECT_THROW(ImportMeasurement(path, options), ImportCancelled);
}

}  // namespace
}  // namespace qv
