// quorvane-cli plot run as the user runs it: the image it writes, and what it
// says for a title that names no diagram.

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <filesystem>

#include "curves/curve_files.h"
#include "qt_test_app.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

int CountPixels(const QImage& image, QColor colour, int rowsFrom, int rowsTo) {
    int count = 0;
    for (int y = rowsFrom; y < rowsTo; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}

TEST(PlotCommand, WritesTheDiagramWithTheCurveInItsColour) {
    test::QtTestApp();
    test::TempDir dir;
    test::ScriptedUserInterface ui;
    // A level rising from -60 to 0 dB over the audio band: after the range
    // fit it crosses the whole plot, the upper half included.
    PointList curve;
    for (int i = 0; i <= 60; ++i) curve.push_back({20 * std::pow(10.0, i / 20.0), i - 60.0});
    const std::string dat = dir.File("rising.dat");
    WriteXYFile(dat, curve, ui);
    const std::string png = dir.File("plot.png");

    const test::ProgramRun run = test::RunCli("plot --diagram \"Frequency Response\" --curve " +
                                              dat + " --size 640x300 --png " + png);
    ASSERT_EQ(run.status, 0) << run.output;
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(png), "PNG"));
    EXPECT_EQ(image.size(), QSize(640, 300));
    // Slot 1 is blue; the legend label (blue too) sits at the bottom, so
    // blue in the upper half is the curve itself. Nothing is in slot 2 (red).
    EXPECT_GT(CountPixels(image, QColor(0, 0, 255), 0, 150), 100);
    EXPECT_EQ(CountPixels(image, QColor(255, 0, 0), 0, 300), 0);
}

TEST(PlotCommand, UnknownTitleIsRefusedWithTheTitles) {
    test::TempDir dir;
    const std::string png = dir.File("never.png");
    // 1 is a refusal; a usage error would be 2.
    const auto [status, out] = test::RunCli("--lang en plot --diagram Frequency --png " + png);
    EXPECT_EQ(status, 1) << out;
    EXPECT_NE(out.find("plot: no diagram titled 'Frequency'; the titles are:"), std::string::npos)
        << out;
    EXPECT_NE(out.find("  Frequency Response\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  Impuls Low\n"), std::string::npos) << out;
    EXPECT_FALSE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace qv
