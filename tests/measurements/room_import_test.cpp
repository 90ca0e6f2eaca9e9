// What a room measurement needs from the importer: the frequency-dependent
// window, files that are not levels refused, the header of a text impulse
// read, a recording told from an impulse.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include "measurements/impulse_response.h"
#include "measurements/measurement_import.h"
#include "tests/measurements/known_systems.h"

namespace qv {
namespace {

using test::TempDir;

TEST(FrequencyDependentWindow, RemovesAReflectionWhereTheWindowIsShorterThanItsDelay) {
    // The direct sound and a reflection of half its size 10 ms later.
    const double fs = 48000;
    std::vector<double> h(24000, 0.0);
    h[100] = 1.0;
    h[100 + 480] = 0.5;
    const ImpulseAnalysis plain = AnalyseImpulse(h, fs, std::nullopt, {});
    const ImpulseAnalysis windowed = AnalyseImpulse(h, fs, std::nullopt, {}, 15.0);
    ASSERT_EQ(plain.level.size(), windowed.level.size());
    double plainRipple = 0, windowedBelow = 0, windowedAbove = 0, delayAbove = 0;
    for (std::size_t i = 0; i < plain.level.size(); ++i) {
        const double f = plain.level[i].x;
        plainRipple = std::max(plainRipple, std::fabs(plain.level[i].y));
        // 15 cycles are 10 ms at 1500 Hz.
        if (f < 700) windowedBelow = std::max(windowedBelow, std::fabs(windowed.level[i].y));
        if (f > 1500) windowedAbove = std::max(windowedAbove, std::fabs(windowed.level[i].y));
        if (f > 1500)
            delayAbove =
                std::max(delayAbove, std::fabs(windowed.groupDelay[i].y + 1000.0 * 100 / fs));
    }
    EXPECT_GT(plainRipple, 3.0);
    EXPECT_GT(windowedBelow, 1.0);  // still there where the window is longer
    EXPECT_LT(windowedAbove, 1e-9);
    EXPECT_LT(delayAbove, 1e-9);
    // The group delay goes through the window even when the level does not.
    for (std::size_t i = 0; i < plain.groupDelay.size(); ++i)
        if (plain.groupDelay[i].x > 1500) {
            EXPECT_NEAR(plain.groupDelay[i].y, windowed.groupDelay[i].y, 1e-12);
        }
    EXPECT_THROW(AnalyseImpulse(h, fs, std::nullopt, {}, 0.5), ImportOptionError);
}

TEST(Importer, RefusesWhatIsNotALevel) {
    const struct {
        const char* name;
        const char* text;
        const char* says;  // empty: imported
    } cases[] = {
        {"speaker.zma", "20 6.2 5\n100 7.0 20\n1000 8.1 -3\n", "impedance (ohms)"},
        {"z.txt", "Freq Impedance Phase\n20 6.2 5\n100 7.0 20\n1000 8.1 -3\n", "impedance"},
        {"z.txt", "Hz Ohm Deg\n20 6.2 5\n100 7.0 20\n1000 8.1 -3\n", "impedance"},
        {"z.txt", "* Impedance trace, digitised\n20 6.2\n100 7.0\n1000 8.1\n", "impedance"},
        {"c.txt", "Freq Coherence\n20 0.9\n100 0.95\n1000 1\n", "coherence (0 to 1)"},
        {"ok.txt", "Nominal impedance 8 ohm\nFreq dB\n20 80\n100 85\n1000 86\n", ""},
        {"ok.txt", "Freq SPL Phase\n20 80 0\n100 85 10\n1000 86 20\n", ""},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const auto path = dir.Write(c.name, c.text);
        if (*c.says == '\0') {
            EXPECT_EQ(ImportMeasurement(path).level.size(), 3u) << c.text;
            continue;
        }
        try {
            ImportMeasurement(path);
            ADD_FAILURE() << "imported " << c.text;
        } catch (const ImportError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

TEST(Importer, TextImpulseTakesRateAndOffsetFromItsHeader) {
    std::string text =
        "* Impulse Response data saved by a measuring program\n"
        "0.5 // Peak value before normalisation\n"
        "20 // Peak index\n"
        "2.0833333333333333E-5 // Sample interval (seconds)\n"
        "6.0 // Data offset (dB)\n"
        "* Data start\n";
    for (int n = 0; n < 256; ++n) text += n == 20 ? "0.5\n" : "0\n";
    TempDir dir;
    const auto path = dir.Write("ir.txt", text);
    const MeasurementProbe probe = ProbeMeasurement(path);
    EXPECT_FALSE(probe.needsSampleRate);
    EXPECT_NEAR(probe.headerSampleRate, 48000.0, 1e-6);
    const auto m = ImportMeasurement(path);
    EXPECT_NEAR(m.report.sampleRate, 48000.0, 1e-6);
    for (const auto& p : m.level) EXPECT_NEAR(p.y, 20 * std::log10(0.5) + 6.0, 1e-9);
    EXPECT_NE(m.report.Text().find("Data offset of 6 dB"), std::string::npos) << m.report.Text();
    // A rate given by the user wins, and the report says so.
    EXPECT_EQ(ImportMeasurement(path, test::Rate(96000)).report.sampleRate, 96000.0);
}

TEST(Importer, FlagsARecordingButNotARoomImpulse) {
    const double fs = 8000;
    std::vector<double> sweep(4 * 8000), room(4 * 8000, 0.0);
    std::mt19937 random(3);
    std::normal_distribution<double> noise(0.0, 1.0);
    for (std::size_t n = 0; n < sweep.size(); ++n) {
        const double t = static_cast<double>(n) / fs;
        sweep[n] = 0.5 * std::sin(2 * std::numbers::pi * (20 * t + 200 * t * t));
        if (n >= 50) room[n] = 0.05 * noise(random) * std::exp(-6.9 * (t - 0.00625) / 0.8);
    }
    room[50] = 0.9;
    TempDir dir;
    const int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    const auto a = ImportMeasurement(test::WriteAudio(dir, "sweep.wav", format, fs, 1, sweep));
    const auto b = ImportMeasurement(test::WriteAudio(dir, "room.wav", format, fs, 1, room));
    EXPECT_TRUE(a.report.looksLikeRecording);
    EXPECT_NE(a.report.Text().find("looks like a recording, not an impulse response"),
              std::string::npos);
    EXPECT_FALSE(b.report.looksLikeRecording);
}

}  // namespace
}  // namespace qv
