#include "diagram/drawing_state.h"

#include <gtest/gtest.h>

#include <cmath>

#include "recording_canvas.h"

namespace qv {
namespace {

// A viewport of 100 x 50 pixels at (10, 20) for the world 0 ... 1000.
DrawingState Plot() {
    DrawingState s;
    SetViewport(s, 10, 20, 110, 70);
    SetWorldWindow(s, 0, 0, 1000, 1000);
    return s;
}

TEST(DrawingState, MappingTruncatesTowardZero) {
    DrawingState s;
    SetViewport(s, 0, 0, 100, 100);
    SetWorldWindow(s, 0, 0, 100, 100);
    EXPECT_EQ(WorldToPixelX(s, 99.9), 99);
    EXPECT_EQ(WorldToPixelX(s, -0.5), 0);  // not floored to -1
    EXPECT_EQ(WorldToPixelX(s, -1.5), -1);
    EXPECT_EQ(WorldToPixelY(s, 0), 100);  // y1 on the bottom row
    EXPECT_EQ(WorldToPixelY(s, 100), 0);
    EXPECT_EQ(WorldToPixelY(s, 0.5), 99);
}

TEST(DrawingState, NonFiniteWorldValuesMapFarOutside) {
    const DrawingState s = Plot();
    EXPECT_LT(WorldToPixelX(s, NAN), -1000000);
    EXPECT_GT(WorldToPixelX(s, INFINITY), 1000000);
    EXPECT_GT(WorldToPixelY(s, -1e300), 1000000);
}

TEST(DrawingState, ClippedLineDrawsOnlyWholeLinesWithInclusiveBounds) {
    const DrawingState s = Plot();
    test::RecordingCanvas c;
    ClippedLine(c, s, 0, 0, 1000, 1000);  // corner to corner, right and bottom edge included
    ASSERT_EQ(c.lines.size(), 1u);
    EXPECT_EQ(c.lines[0].x1, 10);
    EXPECT_EQ(c.lines[0].y1, 70);
    EXPECT_EQ(c.lines[0].x2, 110);
    EXPECT_EQ(c.lines[0].y2, 20);
    c.Clear();
    ClippedLine(c, s, 500, 500, 1011, 500);  // one pixel beyond the right edge
    ClippedLine(c, s, -11, 500, 500, 500);   // one pixel left of the viewport
    ClippedLine(c, s, 500, 500, 500, 1021);  // one pixel above
    EXPECT_TRUE(c.lines.empty());
}

TEST(DrawingState, CurveSegmentCopiesFollowTheLineWidth) {
    DrawingState s;
    SetViewport(s, 0, 0, 1000, 1000);
    SetWorldWindow(s, 0, 0, 1000, 1000);
    for (int width : {1, 2, 3}) {
        test::RecordingCanvas c;
        CurveSegment(c, s, width, 100, 500, 200, 500);
        ASSERT_EQ(c.lines.size(), static_cast<std::size_t>(width)) << width;
        if (width >= 2) {
            EXPECT_EQ(c.lines[1].y1, c.lines[0].y1 + 1);  // one unit lower
        }
        if (width == 3) {
            EXPECT_EQ(c.lines[2].y1, c.lines[0].y1 - 1);
        }
    }
}

TEST(DrawingState, MarkerIsNotClippedAndFilledWhite) {
    const DrawingState s = Plot();
    test::RecordingCanvas c;
    c.SetPen(PenStyle::Solid, 0xFF0000);
    PointMarker(c, s, 0, 0);
    ASSERT_EQ(c.ellipses.size(), 1u);
    const auto& e = c.ellipses[0];
    EXPECT_EQ(e.x1, 9);  // 10 units left of the corner: truncated 9
    EXPECT_EQ(e.x2, 11);
    EXPECT_EQ(e.y1, 70);
    EXPECT_EQ(e.y2, 69);
    EXPECT_EQ(e.brush, BrushStyle::Solid);
    EXPECT_EQ(e.fill, kWhite);
    EXPECT_EQ(e.pen, 0xFF0000u);
}

TEST(DrawingState, FrameAndCentredText) {
    const DrawingState s = Plot();
    test::RecordingCanvas c;
    ViewportFrame(c, s);
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_EQ(c.lines[0].x2, 109);
    EXPECT_EQ(c.lines[1].y2, 69);
    EXPECT_EQ(c.lines[3].x2, 10);
    EXPECT_EQ(c.lines[3].y2, 20);
    c.SetBrush(BrushStyle::Solid, kWhite);
    CenteredText(c, 50, 50, "abc");  // 18 x 13 pixels
    ASSERT_EQ(c.texts.size(), 1u);
    EXPECT_EQ(c.texts[0].x, 41);
    EXPECT_EQ(c.texts[0].y, 44);
    EXPECT_EQ(c.texts[0].brush, BrushStyle::Clear);
    WorldText(c, s, std::string(60, 'x'), 500, 500);
    EXPECT_EQ(c.texts[1].text.size(), 50u);
}

}  // namespace
}  // namespace qv
