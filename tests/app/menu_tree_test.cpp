#include "app/menu_tree.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

// The visible tree after start-up, one line per item, indented by depth.
std::string VisibleTree(const MenuState& state) {
    std::string out;
    int hiddenDepth = 1000;
    for (const auto& item : MenuTree()) {
        if (item.depth <= hiddenDepth) hiddenDepth = 1000;
        if (item.depth > hiddenDepth) continue;
        if (item.kind != MenuKind::Separator && !state.Visible(item.id)) {
            hiddenDepth = item.depth;
            continue;
        }
        out += std::string(static_cast<std::size_t>(item.depth) * 2, ' ');
        out += item.kind == MenuKind::Separator ? "-" : std::string("[") + item.caption + "]";
        out += "\n";
    }
    return out;
}

TEST(MenuTree, VisibleItemsAfterStart) {
    MenuState state;
    state.HideUnofferedItems();
    EXPECT_EQ(
        VisibleTree(state),
        "[File]\n  [New]\n  [Load]\n    [Frequency Response]\n    [Group Delay]\n"
        "  [Import Measurement\u2026]\n  [Average Measurements\u2026]\n  [Export Filter\u2026]\n"
        "  [Save]\n    [XY-Format]\n    [ Y- Format]\n  -\n  [Open Project\u2026]\n"
        "  [Recent Projects]\n  [Save Project]\n  [Save Project As\u2026]\n  [Project Info\u2026]\n"
        "  -\n  [About]\n  -\n  [Exit]\n"
        "[Edit]\n  [Curve]\n  [Add Constant]\n  [Mul Constant]\n  -\n  [Diagramm]\n"
        "  [Auto Range]\n  [Standard Range]\n  -\n  [Undo]\n  [Redo]\n  [Smoothing…]\n  [Point "
        "Editing]\n"
        "[View]\n  [Frequency Response]\n  [Group Delay]\n  [Impuls Response]\n  -\n  -\n  -\n"
        "[Simulate]\n  [Execute]\n  [Correction Target…]\n  [Live]\n"
        "[Transfer]\n  [Filter -> DSP]\n  [Filter <- DSP]\n  -\n  [Verify After Write]\n"
        "  [Backup Set\u2026]\n  [Restore Set\u2026]\n  [Undo Last Write]\n  [History\u2026]\n"
        "[Setup]\n  [DSP]\n    [Volume]\n  [COM]\n    [COM1]\n    [COM2]\n    [COM3]\n    "
        "[COM4]\n");
}

TEST(MenuTree, EverythingVisibleWithoutStartUpHiding) {
    MenuState state;
    const std::string all = VisibleTree(state);
    for (const char* caption : {"[IMP  - Format]", "[Cut  Impuls]", "[ YI-Format]", "[Test]",
                                "[Help]", "[Impuls -> Group Delay]", "[AmCorCurve Low]"})
        EXPECT_NE(all.find(caption), std::string::npos) << caption;
}

TEST(MenuTree, ParentsAndRoomItems) {
    EXPECT_EQ(ParentOf(MenuId::MenuLoadImpulsImp), MenuId::MenuLoadImpulsResponse);
    EXPECT_EQ(ParentOf(MenuId::MenuCom3), MenuId::MenuCom);
    EXPECT_EQ(ParentOf(MenuId::MenuExecute), MenuId::Simulate);
    EXPECT_EQ(FindMenuItem(MenuId::ImpulsRoom)->caption, std::string("Filter Room"));

    MenuState state;
    std::vector<MenuId> changed;
    state.onChange = [&](MenuId id) { changed.push_back(id); };
    state.SetRoomItemsEnabled(false);
    EXPECT_FALSE(state.Enabled(MenuId::MenuViewDelayRoom));
    EXPECT_FALSE(state.Enabled(MenuId::ImpulsRoom));
    EXPECT_TRUE(state.Enabled(MenuId::MenuViewImpulsHigh));
    EXPECT_EQ(changed.size(), 4u);
    state.SetRoomItemsEnabled(false);  // no change, no notice
    EXPECT_EQ(changed.size(), 4u);
}

}  // namespace
}  // namespace qv
