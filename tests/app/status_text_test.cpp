#include "app/status_text.h"

#include <gtest/gtest.h>

#include "curves/diagram_set.h"

namespace qv {
namespace {

// The hover maps through the widget's size, whatever area the diagram was
// last painted in, and reads the diagram only.
TEST(StatusText, HoverReadsThroughTheWidgetsSize) {
    const DiagramSet set = MakeDiagramSet();
    Diagram d = set[ImpulseResponseDiagram];
    d.areaRight = 50;  // a stale area from an earlier paint
    d.areaBottom = 40;
    const Diagram before = d;
    const struct {
        std::int32_t x, y;
        bool inside;
    } cases[] = {{400, 100, true}, {10, 100, false}, {400, 360, false}, {834, 0, true}};
    for (const auto& c : cases) {
        const std::string text = PositionText(d, 835, 368, c.x, c.y);
        EXPECT_EQ(!text.empty(), c.inside) << c.x << " " << c.y << " " << text;
        if (c.inside) {
            EXPECT_EQ(text.rfind("sample ", 0), 0u) << text;
        }
    }
    EXPECT_EQ(d.areaRight, before.areaRight);
    EXPECT_EQ(d.areaBottom, before.areaBottom);
}

}  // namespace
}  // namespace qv
