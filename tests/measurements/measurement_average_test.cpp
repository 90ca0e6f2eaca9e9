// Averages against values worked out by hand, the alignment of a known
// fractional shift, and the inputs that cannot be averaged.

#include "measurements/measurement_average.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <numbers>

#include "measurements/impulse_response.h"
#include "tests/measurements/known_systems.h"

namespace qv {
namespace {

using test::TempDir;

TEST(Average, TwoCurvesThreeMethods) {
    // 0 and 10 dB at 100 Hz, 10 and 10 dB at 400 Hz; the second curve reaches
    // further, the result covers only what both share.
    const PointList a = {{100, 0}, {400, 10}};
    const PointList b = {{50, 10}, {100, 10}, {400, 10}, {800, 0}};
    const struct {
        AverageMethod method;
        double at100, at200, at400;
    } cases[] = {
        // power: 10 log10((1 + 10) / 2); at 200 Hz curve a reads 5 dB.
        {AverageMethod::Power, 7.403627, 10 * std::log10((std::sqrt(10.0) + 10) / 2), 10},
        {AverageMethod::Db, 5, 7.5, 10},
    };
    for (const auto& c : cases) {
        const PointList avg = AverageLevels({a, b}, c.method);
        ASSERT_EQ(avg.size(), 97u);  // 2 octaves at 48 points per octave
        EXPECT_DOUBLE_EQ(avg.front().x, 100.0);
        EXPECT_DOUBLE_EQ(avg.back().x, 400.0);
        EXPECT_NEAR(avg.front().y, c.at100, 1e-6);
        EXPECT_NEAR(avg[48].y, c.at200, 1e-9);
        EXPECT_NEAR(avg.back().y, c.at400, 1e-9);
    }
    EXPECT_THROW(AverageLevels({a, {{500, 0}, {900, 0}}}, AverageMethod::Power), ImportError);
}

// A band-limited pulse centred on t0 samples.
std::vector<double> Pulse(double t0, std::size_t length) {
    std::vector<double> h(length);
    for (std::size_t n = 0; n < length; ++n) {
        const double t = (static_cast<double>(n) - t0) / 6.0;
        h[n] = std::exp(-t * t) * std::cos(1.3 * t);
    }
    return h;
}

TEST(Average, AlignsAKnownFractionalShift) {
    const auto first = Pulse(200.0, 2048);
    for (double shift : {3.4, -17.25, 0.5}) {
        const auto later = Pulse(200.0 + shift, 2048);
        EXPECT_NEAR(AlignmentShift(first, later), shift, 0.02) << shift;
        const auto back = AdvanceImpulse(later, shift);
        for (std::size_t n = 150; n < 250; ++n) EXPECT_NEAR(back[n], first[n], 2e-3) << n;
    }
}

TEST(Average, VectorAverageOfShiftedImpulsesKeepsTheLevel) {
    TempDir dir;
    const int format = SF_FORMAT_WAV | SF_FORMAT_DOUBLE;
    std::vector<AverageInput> inputs;
    for (double at : {200.0, 203.4, 190.7})
        inputs.push_back(
            {test::WriteAudio(dir, std::to_string(at) + ".wav", format, 48000, 1, Pulse(at, 4096)),
             {}});
    const auto avg = AverageMeasurements(inputs, AverageMethod::Vector);
    const ImpulseAnalysis one = AnalyseImpulse(Pulse(200.0, 4096), 48000, std::nullopt, {});
    ASSERT_EQ(avg.level.size(), one.level.size());
    for (std::size_t i = 0; i < one.level.size(); ++i)
        if (one.level[i].x < 4000) {
            EXPECT_NEAR(avg.level[i].y, one.level[i].y, 0.05) << one.level[i].x;
        }
    ASSERT_EQ(avg.report.shiftsMs.size(), 3u);
    EXPECT_NEAR(avg.report.shiftsMs[1], 1000 * 3.4 / 48000, 1e-3);
    EXPECT_NEAR(avg.report.shiftsMs[2], -1000 * 9.3 / 48000, 1e-3);
    EXPECT_NE(avg.report.Text().find("vector method"), std::string::npos);
    EXPECT_FALSE(avg.groupDelay.empty());
}

TEST(Average, RefusesWhatCannotBeAveraged) {
    TempDir dir;
    const int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    const auto at48 = test::WriteAudio(dir, "a.wav", format, 48000, 1, Pulse(100, 2048));
    const auto at44 = test::WriteAudio(dir, "b.wav", format, 44100, 1, Pulse(100, 2048));
    const auto text = dir.Write("c.txt", "Freq dB\n20 80\n20000 80\n");
    const struct {
        std::vector<std::string> files;
        AverageMethod method;
        const char* says;
    } cases[] = {
        {{at48}, AverageMethod::Power, "2 to 16"},
        {std::vector<std::string>(17, at48), AverageMethod::Power, "at most 16"},
        {{at48, text}, AverageMethod::Vector, "needs impulses"},
        {{at48, at44}, AverageMethod::Vector, "one sample rate"},
    };
    for (const auto& c : cases) {
        std::vector<AverageInput> inputs;
        for (const auto& f : c.files) inputs.push_back({f, {}});
        try {
            AverageMeasurements(inputs, c.method);
            ADD_FAILURE() << c.says;
        } catch (const ImportError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
    // Levels and impulses mix where only levels are averaged.
    EXPECT_NO_THROW(AverageMeasurements({{at48, {}}, {text, {}}}, AverageMethod::Power));
}

}  // namespace
}  // namespace qv
