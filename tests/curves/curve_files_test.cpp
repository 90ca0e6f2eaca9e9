#include "curves/curve_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "curves/text_file.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

using test::ReadBytes;
using test::ScriptedUserInterface;
using test::TempDir;

struct XYCase {
    const char* name;
    std::string content;
    PointList points;
    std::vector<std::string> messages;
};

class ReadXYFileTest : public ::testing::TestWithParam<XYCase> {};

TEST_P(ReadXYFileTest, GivesPointsAndMessages) {
    const XYCase& c = GetParam();
    TempDir dir;
    ScriptedUserInterface ui;
    EXPECT_EQ(ReadXYFile(dir.Write("c.dat", c.content), ui), c.points);
    EXPECT_EQ(ui.messages, c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadXYFileTest,
    ::testing::Values(XYCase{"plain", "20 -3.5\n", {{20, -3.5}}, {}},
                      XYCase{"blanksAndThirdField", "   20    -3.5   77\n", {{20, -3.5}}, {}},
                      XYCase{"tabIsNoSeparator", "20\t-3.5\n", {}, {}},
                      XYCase{"commaInX", "20,5 -3\n", {}, {"20,5 -3   Fehler !!! "}},
                      XYCase{"emptyY", "20 \n", {}, {"20    Fehler !!!  "}},
                      // One message per file, with the first line's text.
                      XYCase{"header", "Freq dB\n1 2\n", {{1, 2}}, {"Freq dB   Fehler !!! "}},
                      XYCase{"crlfAndNoFinalEnd", "1 2\r\n3 4", {{1, 2}, {3, 4}}, {}},
                      XYCase{"crOnlyIsOneLine", "1 2\r3 4\r", {{1, 23}}, {}},
                      XYCase{"emptyFile", "", {}, {}}, XYCase{"emptyLines", "\n\n\r\n", {}, {}},
                      XYCase{"unsorted", "5 1\n1 2\n", {{5, 1}, {1, 2}}, {}},
                      XYCase{"onlyFirst50Chars",
                             std::string(45, ' ') + "1 2" + std::string(10, '0') + "\n",
                             {{1, 200}},
                             {}},
                      // A UTF-8 character across byte 50 is left out of the message whole.
                      XYCase{"utf8CutBeforeCharacter",
                             "1 " + std::string(47, 'x') + "\xC3\xA4\n",
                             {},
                             {"1 " + std::string(47, 'x') + "   Fehler !!!  "}},
                      XYCase{"utf8CharacterEndsAt50",
                             "1 " + std::string(46, 'x') + "\xC3\xA4yy\n",
                             {},
                             {"1 " + std::string(46, 'x') + "\xC3\xA4   Fehler !!!  "}},
                      XYCase{"nulBytes",
                             std::string("1 2\0\n", 5) + "3 4\n",
                             {{3, 4}},
                             {std::string("1 2\0   Fehler !!!  ", 19)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadXYFile, StopsAt4000Points) {
    TempDir dir;
    std::string text;
    for (int i = 0; i < 5000; ++i) text += std::to_string(i) + " 1\n";
    ScriptedUserInterface ui;
    PointList l = ReadXYFile(dir.Write("big.dat", text), ui);
    ASSERT_EQ(l.size(), 4000u);
    EXPECT_EQ(l.back().x, 3999);
}

TEST(ReadXYFile, LongLinesAndManyLinesNeitherCrashNorFlood) {
    TempDir dir;
    std::string text = "1 2" + std::string(100000, '7') + "\n";
    text += std::string(100000, 'x') + " y\n";          // no blank within 50 characters: skipped
    for (int i = 0; i < 2'000'000; ++i) text += "a\n";  // skipped silently
    text += "1 y\n";
    for (int i = 0; i < 1000; ++i) text += "bad line\n";
    ScriptedUserInterface ui;
    const std::string file = dir.Write("long.dat", text);
    PointList l = ReadXYFile(file, ui);
    // The first line's y is 2 followed by 47 sevens within the first 50 characters.
    ASSERT_EQ(l.size(), 1u);
    EXPECT_NEAR(l[0].y, 2.77777777777777e47, 1e34);
    // 1001 faulty lines: one message, the first line's text and the count.
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"1 y   Fehler !!!  \n(1001 faulty lines in " +
                                                     file + ")"}));
}

TEST(ReadXYFile, BinaryGarbageGivesOneMessage) {
    TempDir dir;
    std::mt19937 rng(7);
    std::string bytes(1 << 20, '\0');
    for (auto& b : bytes) b = static_cast<char>(rng());
    ScriptedUserInterface ui;
    ReadXYFile(dir.Write("bin.dat", bytes), ui);
    EXPECT_LE(ui.messages.size(), 1u);
}

TEST(SaveNames, ExtensionWhenNoneIsTypedAndQuestionsBeforeReplacing) {
    const char* dat = "XY-Werte (*.dat)|*.dat";
    EXPECT_EQ(WithFilterExtension("/w/curve", dat), "/w/curve.dat");
    EXPECT_EQ(WithFilterExtension("/w/curve.txt", dat), "/w/curve.txt");
    EXPECT_EQ(WithFilterExtension("/w.d/b", "Intel HEX (*.hex)|*.hex|(*.*)|*.*"), "/w.d/b.hex");
    EXPECT_EQ(WithFilterExtension("/w/x", "(*.*)|*.*"), "/w/x");
    TempDir dir;
    EXPECT_EQ(SaveQuestion(dir.Write("old.dat", "")), "old.dat already exists. Replace it?");
    EXPECT_EQ(SaveQuestion(dir.File("new.dat")), "");
    for (const char* program : {"quorvane.dat", "inout.ldr", "high.ldr"})
        EXPECT_EQ(SaveQuestion(dir.File(program)).find(" is the name of a DSP program file"),
                  std::string(program).size());
}

TEST(ReadImpFile, SkipsHeaderAndStopsAtFirstNonNumber) {
    TempDir dir;
    EXPECT_EQ(ReadImpFile(dir.Write("a.imp", "h1\nh2\nh3\n  0.5 rest\n-1\n\n7\n")),
              (PointList{{0, 0.5}, {1, -1}}));
    EXPECT_TRUE(ReadImpFile(dir.Write("b.imp", "h1\nh2\nh3\n\n1\n")).empty());
    EXPECT_TRUE(ReadImpFile(dir.Write("c.imp", "h1\nh2\n")).empty());
    std::string big = "a\nb\nc\n";
    for (int i = 0; i < 5000; ++i) big += "1\n";
    EXPECT_EQ(ReadImpFile(dir.Write("d.imp", big)).size(), 4096u);
}

TEST(CurveFiles, AccessChecks) {
    TempDir dir;
    ScriptedUserInterface ui;
    EXPECT_FALSE(CheckFileReadable(dir.File("missing.dat"), ui));
    EXPECT_FALSE(CheckFileReadable("", ui));
    EXPECT_FALSE(CheckFileReadable(dir.path().string(), ui));  // a directory
    EXPECT_FALSE(CheckFileWritable(dir.path().string(), ui));
    EXPECT_FALSE(CheckFileWritable(dir.File("no/such/dir.dat"), ui));
    EXPECT_EQ(ui.messages.size(), 5u);
    EXPECT_EQ(ui.messages[0], "Fehler beim Zugriff auf " + dir.File("missing.dat") + " !");
    EXPECT_EQ(ui.messages[1], "Fehler beim Zugriff auf  !");
    const std::string f = dir.Write("x.dat", "1 2\n");
    EXPECT_TRUE(CheckFileReadable(f, ui));
    EXPECT_TRUE(CheckFileWritable(f, ui));
    EXPECT_EQ(ReadBytes(f), "");  // the writability check empties the file
    EXPECT_THROW(ReadXYFile(dir.path().string(), ui), FileError);
}

struct FormatCase {
    double v;
    const char* exponent;
    const char* fixed;
};

TEST(CurveFiles, NumberForms) {
    const FormatCase cases[] = {
        {20, " 2.00000000000000E+0001", "20.00000000000000"},
        {0, " 0.00000000000000E+0000", "0.00000000000000"},
        {-3.5, "-3.50000000000000E+0000", "-3.50000000000000"},
        {0.5, " 5.00000000000000E-0001", "0.50000000000000"},
        {-0.25, "-2.50000000000000E-0001", "-0.25000000000000"},
        {12.25, " 1.22500000000000E+0001", "12.25000000000000"},
        {1.0 / 3, " 3.33333333333333E-0001", "0.33333333333333"},
        {9.999999999999999, " 1.00000000000000E+0001", "10.00000000000000"},
        {1e-300, " 1.00000000000000E-0300", "0.00000000000000"},
        {-1.7976931348623157e308, "-1.79769313486232E+0308", nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatExponent(c.v), c.exponent);
        EXPECT_EQ(FormatExponent(c.v).size(), 23u);
        if (c.fixed) {
            EXPECT_EQ(FormatFixed(c.v), c.fixed);
        }
    }
}

TEST(CurveFiles, WritersGiveTheThreeFormats) {
    TempDir dir;
    ScriptedUserInterface ui;
    const PointList l = {{20, 0}, {1000, -3.5}};
    WriteXYFile(dir.File("xy.dat"), l, ui);
    EXPECT_EQ(ReadBytes(dir.File("xy.dat")),
              " 2.00000000000000E+0001   0.00000000000000E+0000\r\n"
              " 1.00000000000000E+0003  -3.50000000000000E+0000\r\n");
    WriteYFile(dir.File("y.dat"), {{0, 0.5}, {1, -0.25}}, ui);
    EXPECT_EQ(ReadBytes(dir.File("y.dat")), "0.50000000000000,\r\n-0.25000000000000\r\n");
    WriteYFile(dir.File("y1.dat"), {{0, 12.25}}, ui);
    EXPECT_EQ(ReadBytes(dir.File("y1.dat")), "12.25000000000000\r\n");
    WriteYIFile(dir.File("yi.dat"), {{0, 0.5}, {1, -0.25}}, ui);
    EXPECT_EQ(
        ReadBytes(dir.File("yi.dat")),
        "0.50000000000000,\r\n0.50000000000000,\r\n-0.25000000000000,\r\n-0.25000000000000\r\n");
    EXPECT_TRUE(ui.messages.empty());
    WriteXYFile(dir.path().string(), l, ui);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST(CurveFiles, XYRoundTripKeeps15SignificantDigits) {
    TempDir dir;
    ScriptedUserInterface ui;
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> mant(-10, 10);
    std::uniform_int_distribution<int> exp(-300, 300);
    PointList l;
    for (int i = 0; i < 3000; ++i) AppendPoint(l, mant(rng) * std::pow(10.0, exp(rng)), mant(rng));
    AppendPoint(l, 0, -0.0);
    WriteXYFile(dir.File("rt.dat"), l, ui);
    const PointList back = ReadXYFile(dir.File("rt.dat"), ui);
    ASSERT_EQ(back.size(), l.size());
    for (std::size_t i = 0; i < l.size(); ++i) {
        EXPECT_NEAR(back[i].x, l[i].x, std::fabs(l[i].x) * 5.1e-15) << i;
        EXPECT_NEAR(back[i].y, l[i].y, std::fabs(l[i].y) * 5.1e-15) << i;
    }
    EXPECT_TRUE(ui.messages.empty());
}

// Files as engineers export them, read in place.
TEST(CurveFiles, RealMeasurementFiles) {
    QV_SKIP_WITHOUT_MEASUREMENTS();
    ScriptedUserInterface ui;
    PointList tweeter = ReadXYFile(test::Measurement("wavecor_TW022WA06_tweeter.txt"), ui);
    ASSERT_EQ(tweeter.size(), 800u);
    EXPECT_EQ(tweeter.front(), (CurvePoint{200.0, 67.6392}));
    EXPECT_EQ(tweeter.back(), (CurvePoint{40000.0, 85.5734}));  // no final line end
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Freq      dB         Phase   Fehler !!! "}));

    // TAB separated: no point and no message.
    ui.messages.clear();
    EXPECT_TRUE(ReadXYFile(test::Measurement("wavecor_WF120BD04_woofer.txt"), ui).empty());
    EXPECT_TRUE(ui.messages.empty());

    // CR LF, TAB then blank: every line is faulty; one message counts them.
    ui.messages.clear();
    EXPECT_TRUE(
        ReadXYFile(test::Measurement("rsantct_room_R_multipoint_avg_crlf.frd"), ui).empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(" faulty lines in "), std::string::npos);
    EXPECT_EQ(ui.messages[0].find('\r'), std::string::npos);

    PointList ir = ReadImpFile(test::Measurement("mataa_FE108Sigma_fullrange_ir_96k.txt"));
    ASSERT_EQ(ir.size(), 314u);
    EXPECT_EQ(ir[40], (CurvePoint{40, 0.077082050288352}));
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

TEST(DemoWorkspace, CorrectionCurvesAreFlatAndClean) {
    for (const char* name : {"amlin.cor", "amlow.cor", "amroom.cor"}) {
        test::ScriptedUserInterface ui;
        const std::string file = std::string(QV_SOURCE_DIR) + "/data/demo/" + name;
        ASSERT_TRUE(CheckFileReadable(file, ui)) << name;
        const PointList l = ReadXYFile(file, ui);
        EXPECT_TRUE(ui.messages.empty()) << name;
        ASSERT_FALSE(l.empty());
        EXPECT_EQ(l.front().x, 0.0);
        EXPECT_EQ(l.back().x, 24000.0);
        for (const auto& p : l) EXPECT_EQ(p.y, 0.0);
    }
}

}  // namespace
}  // namespace qv
