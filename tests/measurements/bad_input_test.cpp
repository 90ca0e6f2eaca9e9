// Files that are not measurements end with one clear message and import
// nothing.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "measurements/measurement_import.h"
#include "tests/measurements/known_systems.h"

namespace qv {
namespace {

using test::TempDir;

struct BadCase {
    const char* name;
    std::string bytes;
    const char* message;       // a part of the message
    bool probeRefuses = true;  // false: the file has a table, its rows fail later
};

std::string Binary() {
    std::mt19937 random(7);
    std::string s(4096, '\0');
    for (char& c : s) c = static_cast<char>(random() & 0xff);
    return s;
}

class BadTextTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadTextTest, EndsWithAClearMessage) {
    const BadCase& c = GetParam();
    TempDir dir;
    const auto path = dir.Write("bad.txt", c.bytes);
    try {
        ImportMeasurement(path);
        FAIL() << "imported";
    } catch (const ImportError& e) {
        EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    if (c.probeRefuses) {
        EXPECT_THROW(ProbeMeasurement(path), ImportError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadTextTest,
    ::testing::Values(
        BadCase{"binary", Binary(), "bad.txt is not a measurement: it is a binary file."},
        BadCase{"empty", "", "bad.txt is empty."},
        BadCase{"onlyText", "Filter Settings file\nRoom EQ V5,17\nFc    46,4 Hz  Gain  -3,0 dB\n",
                "bad.txt is not a measurement: it holds no rows of numbers."},
        BadCase{"separatorsOnly", "\t\t\n;;\n,,\n", "no rows of numbers"},
        BadCase{"negativeOnly", "-20 1\n-10 2\n0 3\n", "gives 0 frequencies above 0 Hz", false},
        BadCase{"repeatedOnly", "100 1\n100 2\n100 3\n", "gives 1 frequency above 0 Hz", false},
        BadCase{"nanAndInfOnly", "nan 1\n100 inf\n200 -inf\nInfinity 2\n",
                "gives 0 frequencies above 0 Hz", false},
        BadCase{"utf16",
                std::string("\xff\xfe"
                            "2\0"
                            "0\0"
                            " \0"
                            "1\0",
                            10),
                "binary"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BadInput, MissingFileAndFolder) {
    TempDir dir;
    EXPECT_THROW(ImportMeasurement(dir.File("none.txt")), ImportError);
    EXPECT_THROW(ImportMeasurement(dir.path().string()), ImportError);
}

std::string Wav(const TempDir& dir, const char* name, int channels, std::size_t frames) {
    return test::WriteAudio(dir, name, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, channels,
                            std::vector<double>(frames * static_cast<std::size_t>(channels), 0.25));
}

TEST(BadInput, AudioFiles) {
    TempDir dir;
    const std::string whole = test::ReadBytes(Wav(dir, "whole.wav", 1, 100));
    const auto truncated = dir.Write("truncated.wav", whole.substr(0, 20));
    EXPECT_THROW(
        {
            try {
                ImportMeasurement(truncated);
            } catch (const ImportError& e) {
                EXPECT_NE(std::string(e.what()).find("is not a readable audio file"),
                          std::string::npos);
                throw;
            }
        },
        ImportError);
    const auto empty = Wav(dir, "empty.wav", 1, 0);
    EXPECT_THROW(ImportMeasurement(empty), ImportError);
    EXPECT_THROW(ProbeMeasurement(empty), ImportError);
    // All zero: nothing to analyse.
    const auto silent = test::WriteAudio(dir, "silent.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000,
                                         1, std::vector<double>(1000, 0.0));
    EXPECT_THROW(ImportMeasurement(silent), ImportError);
}

TEST(BadInput, SixtyFourChannelsGiveAnyOneOfThem) {
    TempDir dir;
    std::vector<double> frames(64 * 512, 0.0);
    frames[63] = 0.5;           // channel 64: an impulse at sample 0
    frames[64 * 10 + 0] = 0.5;  // channel 1: an impulse at sample 10
    const auto path =
        test::WriteAudio(dir, "64.wav", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 48000, 64, frames);
    EXPECT_EQ(ProbeMeasurement(path).channels, 64);
    EXPECT_NEAR(ImportMeasurement(path).groupDelay[5].y, -1000.0 * 10 / 48000, 1e-9);
    EXPECT_NEAR(ImportMeasurement(path, test::Channel(63)).groupDelay[5].y, 0.0, 1e-9);
    EXPECT_THROW(ImportMeasurement(path, test::Channel(64)), ImportOptionError);
    EXPECT_THROW(ImportMeasurement(path, test::Channel(-1)), ImportOptionError);
}

TEST(BadInput, TenMillionLinesAreReadAsAStreamAndRefused) {
    TempDir dir;
    const auto path = dir.File("huge.txt");
    {
        std::ofstream out(path, std::ios::binary);
        const std::string block = [] {
            std::string b;
            for (int i = 0; i < 10000; ++i) b += "20 1\n";
            return b;
        }();
        for (int i = 0; i < 1000; ++i) out << block;
    }
    try {
        ImportMeasurement(path);
        FAIL() << "imported";
    } catch (const ImportError& e) {
        EXPECT_NE(std::string(e.what()).find("more than 2000000 rows"), std::string::npos)
            << e.what();
    }
}

TEST(BadInput, OptionsThatDoNotFitTheFile) {
    const std::string text = "100 1\n200 2\n";
    EXPECT_THROW(ImportMeasurementText(text, "r.txt", test::Pair(1)), ImportOptionError);
    EXPECT_THROW(ImportMeasurementText(text, "r.txt", test::Gate(0, 1)), ImportOptionError);
    EXPECT_THROW(ImportMeasurementText("1\n2\n3\n", "i.txt", test::Rate(-48000.0)),
                 ImportOptionError);
    EXPECT_THROW(ImportMeasurementText("0\n0\n0\n", "i.txt", test::Rate(48000.0)), ImportError);
    EXPECT_THROW(ImportMeasurementText("0\nnan\n1\n", "i.txt", test::Rate(48000.0)), ImportError);
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

TEST(BadInput, ExtremeNumbersStayFinite) {
    // Levels near the largest number, merged and averaged in power.
    const auto m = ImportMeasurementText("100 1e308\n100 1e308\n200 -1e308\n300 5\n", "x.txt");
    ASSERT_EQ(m.level.size(), 3u);
    EXPECT_EQ(m.level[0].y, 1e308);
    // Phase steps over frequencies a hair apart.
    const auto g =
        ImportMeasurementText("1e-300 0 0\n1.0000000000000002e-300 0 170\n1 0 10\n", "g.txt");
    for (const auto& p : g.groupDelay) EXPECT_TRUE(std::isfinite(p.y));
    EXPECT_LT(g.groupDelay.size(), 3u);
    // An impulse of huge samples.
    std::string text;
    for (int i = 0; i < 64; ++i) text += i == 3 ? "1e300\n" : "0\n";
    const auto h = ImportMeasurementText(text, "h.txt", test::Rate(48000));
    for (const auto& p : h.level) EXPECT_NEAR(p.y, 6000.0, 1e-6);
    for (const auto& p : h.groupDelay) EXPECT_NEAR(p.y, -1000.0 * 3 / 48000, 1e-9);
}

TEST(BadInput, NaNSampleInAFloatWav) {
    TempDir dir;
    std::vector<double> samples(256, 0.0);
    samples[3] = 0.5;
    samples[100] = std::nan("");
    const auto path =
        test::WriteAudio(dir, "nan.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, 1, samples);
    EXPECT_THROW(ImportMeasurement(path), ImportError);
}

}  // namespace
}  // namespace qv
