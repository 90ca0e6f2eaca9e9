// Text exports of a system known in closed form, written the many ways
// measurement programs write them, must come back with its level and group
// delay.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>

#include "measurements/measurement_import.h"
#include "tests/measurements/known_systems.h"

namespace qv {
namespace {

using test::DelayedLowPass;
using test::TempDir;

constexpr std::size_t kRows = 958;  // 20 Hz to 20 kHz, 96 points per octave

double WrappedDegrees(double radians) {
    double d = radians * 180.0 / std::numbers::pi;
    d -= 360.0 * std::ceil((d - 180.0) / 360.0);  // into (-180, 180]
    return d;
}

std::string Fixed(double v, int decimals) {
    char b[64];
    std::snprintf(b, sizeof b, "%.*f", decimals, v);
    return b;
}

// "1,234.567891": the thousands grouped by commas.
std::string Grouped(double v) {
    std::string s = Fixed(v, 6);
    const auto dot = s.find('.');
    for (auto i = static_cast<long>(dot) - 3; i > 0; i -= 3)
        s.insert(static_cast<std::size_t>(i), ",");
    return s;
}

std::string Comma(std::string s) {
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

struct ExportStyle {
    const char* name;
    std::string head;
    // One row from frequency, level, wrapped phase in degrees, phase in
    // radians and the true delay in ms (positive).
    std::function<std::string(double f, double dB, double deg, double rad, double delayMs)> row;
    const char* lineEnd;
    std::string tail;
    bool finalLineEnd = true;
    bool fromDelayColumn = false;
};

std::string Write(const ExportStyle& s, const DelayedLowPass& sys) {
    std::string text = s.head;
    const auto grid = test::LogGrid(20.0, 20000.0, kRows);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const double f = grid[i];
        text += s.row(f, sys.LevelDb(f), WrappedDegrees(sys.Phase(f)),
                      std::remainder(sys.Phase(f), 2.0 * std::numbers::pi), -sys.GroupDelayMs(f));
        if (i + 1 < grid.size() || s.finalLineEnd) text += s.lineEnd;
        if (i == kRows / 2) text += std::string("* a note in the middle") + s.lineEnd;
    }
    return text + s.tail;
}

const ExportStyle kStyles[] = {
    {"TabHeaderDegrees", "Freq\tdB\tPhase\n",
     [](double f, double l, double d, double, double) {
         return Fixed(f, 6) + "\t" + Fixed(l, 6) + "\t" + Fixed(d, 6);
     },
     "\n", "\t\t\n"},
    {"BlanksNoHeaderCrLfNoFinalEnd", "",
     [](double f, double l, double d, double, double) {
         return "  " + Fixed(f, 6) + "   " + Fixed(l, 6) + "    " + Fixed(d, 6) + "   ";
     },
     "\r\n", "", false},
    {"CommaSeparatedCrOnly", "Frequency (Hz),SPL (dB),Phase (deg)\r",
     [](double f, double l, double d, double, double) {
         return Fixed(f, 6) + "," + Fixed(l, 6) + "," + Fixed(d, 6);
     },
     "\r", ""},
    {"SemicolonsDecimalComma", "\"Frequenz\";\"Pegel dB\";\"Phase\"\n",
     [](double f, double l, double d, double, double) {
         return Comma(Fixed(f, 6)) + ";" + Comma(Fixed(l, 6)) + ";" + Comma(Fixed(d, 6));
     },
     "\n", ";;\n"},
    {"CommentsKeysAndScientific",
     "* exported by a measuring program\n// 2 channels\n% level in dB\nname = test\n\n"
     "rate = 48000\n",
     [](double f, double l, double d, double, double) {
         char b[128];
         std::snprintf(b, sizeof b, "%.9e\t%.9e\t%.9e", f, l, d);
         return std::string(b);
     },
     "\n", ""},
    {"QuotedHeaderRadians", "\"Frequency [Hz]\"\t\"Magnitude [dB]\"\t\"Phase [rad]\"\n",
     [](double f, double l, double, double r, double) {
         return Fixed(f, 6) + "\t" + Fixed(l, 6) + "\t" + Fixed(r, 9);
     },
     "\n", ""},
    {"ThousandsSeparators", "\"Frequency [Hz]\"\t\"SPL [dB]\"\t\"Phase [deg]\"\n",
     [](double f, double l, double d, double, double) {
         return Grouped(f) + "\t" + Fixed(l, 6) + "\t" + Fixed(d, 6);
     },
     "\n", ""},
    {"GroupDelayColumnMs", "Freq (Hz)\tSPL (dB)\tGroup delay (ms)\n",
     [](double f, double l, double, double, double g) {
         return Fixed(f, 6) + "\t" + Fixed(l, 6) + "\t" + Fixed(g, 9);
     },
     "\n", "", true, true},
    {"GroupDelayColumnSeconds", "frequency;level;group delay [s]\n",
     [](double f, double l, double, double, double g) {
         return Fixed(f, 6) + ";" + Fixed(l, 6) + ";" + Fixed(g / 1000.0, 12);
     },
     "\n", "", true, true},
};

class TextExportTest : public ::testing::TestWithParam<ExportStyle> {};

TEST_P(TextExportTest, GivesLevelAndGroupDelayOfTheSystem) {
    const ExportStyle& style = GetParam();
    const DelayedLowPass sys;
    TempDir dir;
    const auto path = dir.Write("export.txt", Write(style, sys));
    const ImportedMeasurement m = ImportMeasurement(path);
    ASSERT_EQ(m.level.size(), kRows) << m.report.Text();
    ASSERT_EQ(m.groupDelay.size(), kRows) << m.report.Text();
    EXPECT_EQ(m.report.rows, kRows);
    EXPECT_GE(m.report.skippedLines, 1u);  // the note in the middle at least
    for (std::size_t i = 0; i < kRows; ++i) {
        const double f = m.level[i].x;
        EXPECT_NEAR(m.level[i].y, sys.LevelDb(f), 1e-5) << f;
        EXPECT_EQ(m.groupDelay[i].x, f);
        // Central differences of the phase are exact for the delay and close
        // for the low-pass; a delay column is taken as it stands.
        const double tolerance =
            style.fromDelayColumn ? 1e-8 : 2e-4 * std::fabs(sys.GroupDelayMs(f));
        if (i > 0 && i + 1 < kRows) {
            EXPECT_NEAR(m.groupDelay[i].y, sys.GroupDelayMs(f), tolerance) << f;
        }
    }
    EXPECT_NEAR(m.groupDelay[kRows / 2].y, sys.GroupDelayMs(m.groupDelay[kRows / 2].x), 1e-3);
    EXPECT_FALSE(m.report.groupDelaySource.empty());
}

INSTANTIATE_TEST_SUITE_P(Styles, TextExportTest, ::testing::ValuesIn(kStyles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextExport, SideBySidePairsWithoutHeaderAreOffered) {
    std::string text;
    for (int i = 1; i <= 50; ++i) {
        const double f = 20.0 * i;
        text += Fixed(f, 3) + "\t" + Fixed(80.0 + i * 0.01, 3) + "\t" + Fixed(f, 3) + "\t" +
                Fixed(70.0, 3) + "\t" + Fixed(f, 3) + "\t" + Fixed(-3.0, 3) + "\n";
    }
    TempDir dir;
    const auto path = dir.Write("spin.txt", text);
    EXPECT_EQ(ProbeMeasurement(path).columnPairs.size(), 3u);
    ImportOptions options;
    options.columnPair = 2;
    const auto m = ImportMeasurement(path, options);
    ASSERT_EQ(m.level.size(), 50u);
    EXPECT_EQ(m.level.back(), (CurvePoint{1000.0, -3.0}));
    EXPECT_TRUE(m.groupDelay.empty());
    options.columnPair = 3;
    EXPECT_THROW(ImportMeasurement(path, options), ImportOptionError);
}

TEST(TextExport, NamedPairsTakeTheirNamesFromTheLineAboveTheHeader) {
    std::string text =
        "\"Set\"\t\t\t\n\"On Axis\"\t\t\"Sound Power\"\t\n"
        "\"Frequency [Hz]\"\t\"SPL [dB]\"\t\"Frequency [Hz]\"\t\"SPL [dB]\"\n";
    for (int i = 1; i <= 20; ++i)
        text += std::to_string(100 * i) + "\t80\t" + std::to_string(100 * i) + "\t75.5\n";
    const auto m = ImportMeasurementText(text, "pairs.txt", test::Pair(1));
    const auto probe = [&] {
        TempDir dir;
        return ProbeMeasurement(dir.Write("pairs.txt", text));
    }();
    EXPECT_EQ(probe.columnPairs,
              (std::vector<std::string>{"On Axis (columns 1, 2)", "Sound Power (columns 3, 4)"}));
    ASSERT_EQ(m.level.size(), 20u);
    EXPECT_EQ(m.level.front().y, 75.5);
    EXPECT_NE(m.report.Text().find("Column pair 2 of 2: Sound Power"), std::string::npos);
}

TEST(TextExport, ReportSaysWhatWasReadAndSkipped) {
    const auto m = ImportMeasurementText("Freq dB\n# note\n100 1\n200 2\n\n300 3\n", "r.txt");
    const auto lines = m.report.Lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "r.txt: text response, blank separated, decimal point, 2 columns.");
    EXPECT_EQ(lines[1], "6 lines: 3 rows read, 3 lines skipped (headers, comments, text).");
    EXPECT_EQ(lines[lines.size() - 2], "Level: 3 points, 100 Hz to 300 Hz.");
    EXPECT_EQ(lines.back(), "Group delay: none.");
}

}  // namespace
}  // namespace qv
