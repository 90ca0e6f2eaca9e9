// The measurement files engineers actually exchange, read in place from the
// shared folder (skipped when it is absent).

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <string>

#include "measurements/measurement_import.h"
#include "tests/measurements/known_systems.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

struct RealCase {
    const char* file;
    ImportOptions options;
    std::size_t levelPoints;  // 0: at most kMaxImportPoints
    double fromHz, toHz;      // the band, to 0.1 %
    bool groupDelay;
    std::size_t pairs;
};

class RealFileTest : public ::testing::TestWithParam<RealCase> {};

std::string Path(const char* file) {
    const std::string path = test::Measurement(file);
    return std::filesystem::exists(path) ? path : std::string();
}

TEST_P(RealFileTest, GivesTheExpectedCurves) {
    const RealCase& c = GetParam();
    const std::string path = Path(c.file);
    if (path.empty()) GTEST_SKIP() << "shared measurement folder absent";
    const auto probe = ProbeMeasurement(path);
    const auto m = ImportMeasurement(path, c.options);
    SCOPED_TRACE(m.report.Text());
    if (c.levelPoints > 0) {
        EXPECT_EQ(m.level.size(), c.levelPoints);
    } else
        EXPECT_LE(m.level.size(), kMaxImportPoints);
    ASSERT_FALSE(m.level.empty());
    EXPECT_NEAR(m.level.front().x, c.fromHz, 1e-3 * c.fromHz);
    EXPECT_NEAR(m.level.back().x, c.toHz, 1e-3 * c.toHz);
    EXPECT_TRUE(
        std::is_sorted(m.level.begin(), m.level.end(), [](auto& a, auto& b) { return a.x < b.x; }));
    EXPECT_EQ(!m.groupDelay.empty(), c.groupDelay);
    if (probe.kind == MeasurementKind::TextResponse) {
        EXPECT_EQ(probe.columnPairs.size(), c.pairs);
    }
    for (const auto& p : m.level) EXPECT_TRUE(std::isfinite(p.y)) << p.x;
    for (const auto& p : m.groupDelay) EXPECT_TRUE(std::isfinite(p.y)) << p.x;
}

INSTANTIATE_TEST_SUITE_P(
    Shared, RealFileTest,
    ::testing::Values(
        RealCase{"wavecor_TW022WA06_tweeter.txt", {}, 800, 200, 40000, true, 1},
        RealCase{"wavecor_WF120BD04_woofer.txt", {}, 800, 20, 20000, true, 1},
        RealCase{"wavecor_SW070WA01_70mm_wideband.txt", {}, 800, 20, 40000, true, 1},
        RealCase{"asr_genelec8030c_CEA2034.txt", {}, 194, 20.5078, 19999.5, false, 7},
        RealCase{"asr_genelec8030c_CEA2034.txt", test::Pair(6), 194, 20.5078, 19999.5, false, 7},
        RealCase{"asr_edifier_r1280t_estimated_in_room.txt", {}, 194, 20.5078, 19999.5, false, 1},
        RealCase{"rsantct_room_L_0.frd", {}, 1000, 1, 24000, false, 1},
        RealCase{"rsantct_room_R_multipoint_avg_crlf.frd", {}, 0, 1.346, 22022, false, 1},
        RealCase{"mataa_ECM8000_mic_calibration.txt", {}, 100, 82.2387, 19435.8, false, 1},
        RealCase{"spatialaudio_rir_clap_44k1_16bit.wav", {}, 0, 20, 22028, true, 0},
        RealCase{"mataa_FE108Sigma_fullrange_ir_96k.txt", test::Rate(96000.0), 0, 96000.0 / 317,
                 47952, true, 0}),
    [](const auto& info) {
        std::string name = info.param.file;
        name = name.substr(0, name.find('.')) + "_" + std::to_string(info.index);
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

TEST(RealFiles, SpinoramaPairsAndThousandsSeparators) {
    const std::string path = Path("asr_genelec8030c_CEA2034.txt");
    if (path.empty()) GTEST_SKIP() << "shared measurement folder absent";
    const auto pairs = ProbeMeasurement(path).columnPairs;
    ASSERT_EQ(pairs.size(), 7u);
    EXPECT_EQ(pairs[0], "On Axis (columns 1, 2)");
    EXPECT_EQ(pairs[6], "DI offset (columns 13, 14)");
    const auto m = ImportMeasurement(path);
    const bool has1000 = std::any_of(m.level.begin(), m.level.end(),
                                     [](const CurvePoint& p) { return p.x == 1000.49; });
    EXPECT_TRUE(has1000);
    EXPECT_EQ(m.level.front().y, 41.8259);
}

TEST(RealFiles, ZeroPhaseAndZeroHzAndReduction) {
    const std::string left = Path("rsantct_room_L_0.frd");
    const std::string right = Path("rsantct_room_R_multipoint_avg_crlf.frd");
    if (left.empty() || right.empty()) GTEST_SKIP() << "shared measurement folder absent";
    EXPECT_TRUE(ImportMeasurement(left).report.phaseAllZero);
    const auto r = ImportMeasurement(right).report;
    EXPECT_EQ(r.rows, 16384u);
    EXPECT_EQ(r.droppedNonPositive, 1u);
    EXPECT_EQ(r.reducedFrom, 16383u);
    EXPECT_GE(r.reducedPointsPerOctave, 96.0);
    EXPECT_GE(r.toHz, 22000.0);
}

TEST(RealFiles, FilterSettingsAreRefused) {
    const std::string path = Path("rsantct_rew_filter_settings_decimal_comma.txt");
    if (path.empty()) GTEST_SKIP() << "shared measurement folder absent";
    EXPECT_THROW(ImportMeasurement(path), ImportError);
}

TEST(RealFiles, TextImpulseNeedsItsRate) {
    const std::string path = Path("mataa_FE108Sigma_fullrange_ir_96k.txt");
    if (path.empty()) GTEST_SKIP() << "shared measurement folder absent";
    EXPECT_TRUE(ProbeMeasurement(path).needsSampleRate);
    EXPECT_THROW(ImportMeasurement(path), ImportOptionError);
    const auto m = ImportMeasurement(path, test::Rate(96000.0));
    EXPECT_EQ(m.report.rows, 317u);
    EXPECT_NEAR(m.report.peakMs, 1000.0 * 43 / 96000, 1e-9);
}

}  // namespace
}  // namespace qv
