// Exported filters evaluated independently: each file is read back as a
// convolver would read it and its response summed directly at the test
// frequencies.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <sstream>

#include "export/export_synthesis.h"
#include "export/filter_writers.h"
#include "project/project_file.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

constexpr double kRate = 48000;

// A bass shelf of +6 dB, a 3 dB dip at 2 kHz, -2 dB at the top.
PointList Target() {
    return {{10, 6},   {60, 6},    {150, 0},    {1000, 0},  {2000, -3},
            {3000, 0}, {10000, 0}, {20000, -2}, {24000, -2}};
}

double TargetAt(const PointList& t, double f) {
    for (std::size_t i = 1; i < t.size(); ++i)
        if (f <= t[i].x)
            return t[i - 1].y + (t[i].y - t[i - 1].y) * (f - t[i - 1].x) / (t[i].x - t[i - 1].x);
    return t.back().y;
}

std::vector<double> ReadBack(const std::string& path, ExportFormat format, double* rate) {
    const std::string bytes = test::ReadBytes(path);
    std::vector<double> h;
    switch (format) {
        case ExportFormat::Wav: {
            SF_INFO info{};
            SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
            EXPECT_NE(f, nullptr);
            if (f == nullptr) return h;
            EXPECT_EQ(info.channels, 1);
            EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
            *rate = info.samplerate;
            h.resize(static_cast<std::size_t>(info.frames));
            sf_read_double(f, h.data(), info.frames);
            sf_close(f);
            break;
        }
        case ExportFormat::Float32:
            for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
                std::uint32_t w = 0;
                for (int b = 3; b >= 0; --b) w = (w << 8) | static_cast<std::uint8_t>(bytes[i + b]);
                h.push_back(std::bit_cast<float>(w));
            }
            break;
        case ExportFormat::Float64:
            for (std::size_t i = 0; i + 8 <= bytes.size(); i += 8) {
                std::uint64_t w = 0;
                for (int b = 7; b >= 0; --b) w = (w << 8) | static_cast<std::uint8_t>(bytes[i + b]);
                h.push_back(std::bit_cast<double>(w));
            }
            break;
        case ExportFormat::Text: {
            std::istringstream in(bytes);
            for (double v; in >> v;) h.push_back(v);
            break;
        }
    }
    return h;
}

double LevelDb(const std::vector<double>& h, double f, double rate) {
    std::complex<double> sum;
    for (std::size_t n = 0; n < h.size(); ++n)
        sum += h[n] * std::polar(1.0, -2 * std::numbers::pi * f * static_cast<double>(n) / rate);
    return 20 * std::log10(std::abs(sum));
}

struct Case {
    ExportPhase phase;
    ExportFormat format;
    std::int32_t taps;
};

class ExportedFile : public ::testing::TestWithParam<Case> {};

TEST_P(ExportedFile, ReadBackMeetsTheTargetLevelAndItsPhase) {
    const Case c = GetParam();
    test::TempDir dir;
    const ExportTargets targets{Target(), {}, {}};
    const auto filter = SynthesizeExportFilter(targets, c.taps, kRate, c.phase);
    ASSERT_TRUE(filter);
    const std::string path = dir.File("filter");
    WriteFilterFile(path, filter->taps, kRate, c.format);
    double rate = kRate;
    const std::vector<double> h = ReadBack(path, c.format, &rate);
    ASSERT_EQ(h.size(), static_cast<std::size_t>(c.taps));
    EXPECT_EQ(rate, kRate);

    // 100 frequencies spaced evenly in octaves from 60 Hz to 20 kHz.
    double worst = 0;
    for (int i = 0; i < 100; ++i) {
        const double f = 60 * std::pow(20000.0 / 60, i / 99.0);
        worst = std::max(worst, std::fabs(LevelDb(h, f, rate) - TargetAt(targets.level, f)));
    }
    EXPECT_LT(worst, 0.35);

    double energy = 0, early = 0, beforePeak = 0;
    std::size_t peak = 0;
    for (std::size_t n = 0; n < h.size(); ++n)
        if (std::fabs(h[n]) > std::fabs(h[peak])) peak = n;
    for (std::size_t n = 0; n < h.size(); ++n) {
        energy += h[n] * h[n];
        if (n < static_cast<std::size_t>(0.005 * rate)) early += h[n] * h[n];
        if (n < peak) beforePeak += h[n] * h[n];
    }
    if (c.phase == ExportPhase::Linear) {
        const std::size_t mid = static_cast<std::size_t>(c.taps / 2);
        EXPECT_EQ(peak, mid);
        for (std::size_t k = 1; k < mid; ++k)
            ASSERT_NEAR(h[mid + k], h[mid - k], 1e-7 * std::fabs(h[mid])) << k;
    } else {
        EXPECT_LE(peak, 2u);  // no bulk delay, no leading silence
        EXPECT_GT(early / energy, 0.95);
        EXPECT_LT(beforePeak / energy, 1e-4);  // no pre-ringing
    }
}

INSTANTIATE_TEST_SUITE_P(PhasesAndFormats, ExportedFile,
                         ::testing::Values(Case{ExportPhase::Linear, ExportFormat::Wav, 16384},
                                           Case{ExportPhase::Linear, ExportFormat::Text, 8191},
                                           Case{ExportPhase::Minimum, ExportFormat::Float32, 16384},
                                           Case{ExportPhase::Minimum, ExportFormat::Float64,
                                                8192}));

TEST(ExportSynthesis, TargetsMeanWhatTheyMeanToExecute) {
    // Flat 0 dB: unit gain at N div 2; +1 ms of target delay advances the
    // peak by 48 samples as in the box's synthesis; a -6 dB correction halves it.
    const PointList flat{{0, 0}, {24000, 0}};
    const auto plain = SynthesizeExportFilter({flat, {}, {}}, 4096, kRate, ExportPhase::Linear);
    EXPECT_EQ(plain->peakIndex, 2048);
    EXPECT_NEAR(plain->peak, 1.0, 1e-6);
    EXPECT_EQ(plain->latencySamples, 2048);
    const auto delayed =
        SynthesizeExportFilter({flat, {{0, 1}, {24000, 1}}, {}}, 4096, kRate, ExportPhase::Linear);
    EXPECT_EQ(delayed->peakIndex, 2048 - 48);
    const auto corrected = SynthesizeExportFilter({flat, {}, {{0, -6}, {24000, -6}}}, 4096, kRate,
                                                  ExportPhase::Minimum);
    EXPECT_EQ(corrected->peakIndex, 0);
    EXPECT_NEAR(corrected->peak, std::pow(10, -6 / 20.0), 1e-6);
}

TEST(ExportSynthesis, RefusesBadInputsAndStopsOnCancel) {
    const PointList flat{{0, 0}, {24000, 0}};
    const struct {
        ExportTargets targets;
        std::int32_t taps;
        double rate;
        ExportPhase phase;
    } refused[] = {
        {{flat, {}, {}}, 15, kRate, ExportPhase::Linear},
        {{flat, {}, {}}, 65537, kRate, ExportPhase::Linear},
        {{flat, {}, {}}, 4096, 7999, ExportPhase::Linear},
        {{flat, {}, {}}, 4096, NAN, ExportPhase::Minimum},
        {{{}, {}, {}}, 4096, kRate, ExportPhase::Linear},
        {{flat, {{0, 0.5}}, {}}, 4096, kRate, ExportPhase::Minimum},
        {{{{0, 1e6}}, {}, {}}, 4096, kRate, ExportPhase::Linear},
    };
    for (const auto& r : refused)
        EXPECT_THROW(SynthesizeExportFilter(r.targets, r.taps, r.rate, r.phase),
                     std::invalid_argument)
            << r.taps << " " << r.rate;
    int calls = 0;
    EXPECT_FALSE(SynthesizeExportFilter({flat, {}, {}}, 4096, kRate, ExportPhase::Minimum,
                                        [&](double) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2);
}

#ifdef QV_CLI_EXE
TEST(ExportCli, WritesTheFileAndReportsLatencyAndPeak) {
    test::TempDir dir;
    const std::string level = dir.Write("level.dat", "20 0\n20000 0\n");
    const std::string out = dir.File("f.f64");
    std::string log;
    auto run = [&](const std::string& args) {
        const test::ProgramRun r = test::RunCli("--lang en export " + args);
        log = r.output;
        return r.status;
    };
    ASSERT_EQ(run("--level " + level + " --rate 44100 --taps 1024 --format f64 --out " + out), 0);
    EXPECT_NE(log.find("latency 512 samples"), std::string::npos);
    EXPECT_EQ(test::ReadBytes(out).size(), 1024u * 8);
    EXPECT_EQ(run("--level " + level + " --rate 44100 --taps 70000 --out " + out), 2);
    EXPECT_EQ(run("--level " + level + " --delay " + level +
                  " --rate 44100 --taps 1024 --phase minimum --out " + out),
              0);
    EXPECT_EQ(run("--level " + dir.File("missing.dat") + " --rate 44100 --taps 1024 --out " + out),
              1);
    EXPECT_EQ(run("--rate 44100 --taps 1024 --out " + out), 2);
    // A project's desired curves: +6 dB gives a peak of about 2.
    Workspace ws;
    CreateDiagramSet(ws);
    CreateDesiredCurve(ws, GroupDelayDiagram, 10);
    CreateDesiredCurve(ws, FrequencyResponseDiagram, 10);
    for (CurvePoint& p : ws.Curve(FrequencyResponseDiagram, CurveRole::Desired).points) p.y = 6;
    SaveProject(ws, dir.File("p.qvproj"));
    ASSERT_EQ(run("--project " + dir.File("p.qvproj") + " --rate 48000 --taps 1024 --out " + out),
              0);
    EXPECT_NE(log.find("peak coefficient 1.99"), std::string::npos) << log;
}
#endif

}  // namespace
}  // namespace qv
