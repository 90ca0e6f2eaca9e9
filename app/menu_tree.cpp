#include "app/menu_tree.h"

#include <stdexcept>

namespace qv {
namespace {

using K = MenuKind;
using M = MenuId;

std::vector<MenuItemDef> BuildTree() {
    return {
        {M::File, 0, K::Menu, "File1", "File", false, ""},
        {M::MenuNew, 1, K::Command, "MenuNew", "New", false, ""},
        {M::MenuLoad, 1, K::Menu, "MenuLoad", "Load", false, ""},
        {M::MenuLoadFrequencyResponse, 2, K::Command, "MenuLoadFrequencyResponse",
         "Frequency Response", false, ""},
        {M::MenuLoadGroupDelay, 2, K::Command, "MenuLoadGroupDelay", "Group Delay", false, ""},
        {M::MenuLoadImpulsResponse, 2, K::Menu, "MenuLoadImpulsResponse", "Impuls Response", true,
         ""},
        {M::MenuLoadImpulsDat, 3, K::Command, "MenuLoadImpulsDat", "DAT - Format", false, ""},
        {M::MenuLoadImpulsImp, 3, K::Command, "MenuLoadImpulsImp", "IMP  - Format", false, ""},
        {M::MenuLoadZielfunktion, 2, K::Command, "MenuLoadZielfunktion", "Zielfunktion", true, ""},
        // Beyond the classic menu: text exports, FRD, CSV and audio impulses.
        {M::MenuImportMeasurement, 1, K::Command, "MenuImportMeasurement",
         "Import Measurement\u2026", false, ""},
        // Beyond the classic menu: filters for software convolvers.
        {M::MenuExportFilter, 1, K::Command, "MenuExportFilter", "Export Filter\u2026", false, ""},
        {M::MenuSave, 1, K::Menu, "MenuSave", "Save", false, ""},
        {M::MenuSaveXY, 2, K::Command, "MenuSaveXY", "XY-Format", false, ""},
        {M::MenuSaveY, 2, K::Command, "MenuSaveY", " Y- Format", false, ""},
        {M::MenuSaveYI, 2, K::Command, "MenuSaveYI", " YI-Format", true, ""},
        // Beyond the classic menu: the whole work in one project file.
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuOpenProject, 1, K::Command, "MenuOpenProject", "Open Project\u2026", false,
         "Ctrl+O"},
        {M::MenuRecentProjects, 1, K::Menu, "MenuRecentProjects", "Recent Projects", false, ""},
        {M::MenuSaveProject, 1, K::Command, "MenuSaveProject", "Save Project", false, "Ctrl+S"},
        {M::MenuSaveProjectAs, 1, K::Command, "MenuSaveProjectAs", "Save Project As\u2026", false,
         "Ctrl+Shift+S"},
        {M::MenuProjectInfo, 1, K::Command, "MenuProjectInfo", "Project Info\u2026", false, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuAbout, 1, K::Command, "MenuAbout", "About", false, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuExit, 1, K::Command, "MenuExit", "Exit", false, ""},

        {M::Edit, 0, K::Menu, "Edit1", "Edit", false, ""},
        {M::MenuCurve, 1, K::Check, "MenuCurve", "Curve", false, ""},
        {M::MenuAddConstant, 1, K::Command, "MenuAddConstant", "Add Constant", false, ""},
        {M::MenuMulConstant, 1, K::Command, "MenuMulConstant", "Mul Constant", false, ""},
        {M::MenuBlackWindow, 1, K::Command, "MenuBlackWindow", "Black Window", true, ""},
        {M::MenuDezi, 1, K::Command, "MenuDezi", "Dezi", true, ""},
        {M::MenuRound16Bit, 1, K::Command, "MenuRound16Bit", "Round 16 Bit", true, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuDiagramm, 1, K::Command, "MenuDiagramm", "Diagramm", false, ""},
        {M::MenuAutoRange, 1, K::Command, "MenuAutoRange", "Auto Range", false, ""},
        {M::StandardRange1, 1, K::Command, "StandardRange1", "Standard Range", false, ""},
        // Beyond the classic menu: undo and redo of every change to a curve.
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuUndo, 1, K::Command, "MenuUndo", "Undo", false, "Ctrl+Z"},
        {M::MenuRedo, 1, K::Command, "MenuRedo", "Redo", false, "Ctrl+Shift+Z"},
        // Beyond the classic menu: from a measurement to a correction target.
        {M::MenuSmoothing, 1, K::Command, "MenuSmoothing", "Smoothing…", false, ""},

        {M::View, 0, K::Menu, "View1", "View", false, ""},
        {M::MenuViewFrequencyResponse, 1, K::Command, "MenuViewFrequencyResponse",
         "Frequency Response", false, ""},
        {M::MenuViewGroupDelay, 1, K::Command, "MenuViewGroupDelay", "Group Delay", false, ""},
        {M::MenuViewImpulsResponse, 1, K::Command, "MenuViewImpulsResponse", "Impuls Response",
         false, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuViewFrequencyRoom, 1, K::Command, "MenuViewFrequencyRoom", "Frequency Room", true,
         ""},
        {M::MenuViewDelayRoom, 1, K::Command, "MenuViewDelayRoom", "Delay Room", true, ""},
        {M::MenuViewImpulsRoom, 1, K::Command, "MenuViewImpulsRoom", "Impuls Room", true, ""},
        {M::ImpulsRoom, 1, K::Command, "ImpulsRoom", "Filter Room", true, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuViewImpulsHigh, 1, K::Command, "MenuViewImpulsHigh", "Impuls High", true, ""},
        {M::MenuViewImpulsLow, 1, K::Command, "MenuViewImpulsLow", "Impuls Low", true, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuViewAmCorHigh, 1, K::Command, "MenuViewAmCorHigh", "AmCorCurve High", true, ""},
        {M::MenuViewAmCorLow, 1, K::Command, "MenuViewAmCorLow", "AmCorCurve Low", true, ""},

        {M::Mathe, 0, K::Menu, "Mathe1", "Mathe", true, ""},
        {M::MenuImpulsFrequency, 1, K::Command, "MenuImpulsFrequency",
         "Impuls -> Frequency Response", false, ""},
        {M::MenuImpulsGroupDelay, 1, K::Command, "MenuImpulsGroupDelay", "Impuls -> Group Delay",
         false, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuCutImpuls, 1, K::Command, "MenuCutImpuls", "Cut  Impuls", false, ""},

        {M::Filter, 0, K::Menu, "Filter1", "Filter", true, ""},

        {M::Simulate, 0, K::Menu, "Simulate1", "Simulate", false, ""},
        {M::MenuExecute, 1, K::Command, "MenuExecute", "Execute", false, ""},
        {M::MenuCorrectionTarget, 1, K::Command, "MenuCorrectionTarget", "Correction Target…",
         false, ""},
        // Beyond the classic menu: the filter follows every change of a desired curve.
        {M::MenuLive, 1, K::Check, "MenuLive", "Live", false, ""},

        {M::Transfer, 0, K::Menu, "Transfer1", "Transfer", false, ""},
        {M::MenuFilterToDsp, 1, K::Command, "MenuFilterToDsp", "Filter -> DSP", false, ""},
        {M::MenuFilterFromDsp, 1, K::Command, "MenuFilterFromDsp", "Filter <- DSP", false, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuVerifyAfterWrite, 1, K::Check, "MenuVerifyAfterWrite", "Verify After Write", false,
         ""},
        {M::MenuBackupSet, 1, K::Command, "MenuBackupSet", "Backup Set\u2026", false, ""},
        {M::MenuRestoreSet, 1, K::Command, "MenuRestoreSet", "Restore Set\u2026", false, ""},
        {M::MenuUndoLastWrite, 1, K::Command, "MenuUndoLastWrite", "Undo Last Write", false, ""},
        {M::MenuBoxHistory, 1, K::Command, "MenuBoxHistory", "History\u2026", false, ""},

        {M::Setup, 0, K::Menu, "Setup1", "Setup", false, ""},
        {M::MenuSetupDsp, 1, K::Menu, "MenuSetupDsp", "DSP", false, ""},
        {M::MenuSet, 2, K::Command, "MenuSet", "SET", true, ""},
        {M::MenuHardware, 2, K::Command, "MenuHardware", "Hardware", true, ""},
        {M::MenuVolume, 2, K::Command, "MenuVolume", "Volume", false, ""},
        {M::MenuRange, 2, K::Command, "MenuRange", "Range", true, ""},
        {M::MenuCom, 1, K::Menu, "MenuCom", "COM", false, ""},
        {M::MenuCom1, 2, K::Command, "MenuCom1", "COM1", false, ""},
        {M::MenuCom2, 2, K::Command, "MenuCom2", "COM2", false, ""},
        {M::MenuCom3, 2, K::Command, "MenuCom3", "COM3", false, ""},
        {M::MenuCom4, 2, K::Command, "MenuCom4", "COM4", false, ""},

        {M::Help, 0, K::Menu, "Help1", "Help", true, ""},
        {M::MenuTest, 0, K::Command, "MenuTest", "Test", true, ""},
    };
}

constexpr std::size_t kIdCount = static_cast<std::size_t>(MenuId::Separator) + 1;

}  // namespace

const std::vector<MenuItemDef>& MenuTree() {
    static const std::vector<MenuItemDef> tree = BuildTree();
    return tree;
}

const MenuItemDef* FindMenuItem(MenuId id) {
    if (id == MenuId::Separator) return nullptr;
    for (const auto& item : MenuTree())
        if (item.id == id) return &item;
    return nullptr;
}

MenuId ParentOf(MenuId id) {
    const auto& tree = MenuTree();
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (tree[i].id != id) continue;
        for (std::size_t j = i; j-- > 0;)
            if (tree[j].depth < tree[i].depth) return tree[j].id;
        break;
    }
    throw std::logic_error("menu item without parent");
}

MenuState::MenuState() : visible_(kIdCount, 1), enabled_(kIdCount, 1), checked_(kIdCount, 0) {}

void MenuState::Set(std::vector<char>& v, MenuId id, bool on) {
    char& slot = v[static_cast<std::size_t>(id)];
    if ((slot != 0) == on) return;
    slot = on ? 1 : 0;
    if (onChange) onChange(id);
}

void MenuState::SetVisible(MenuId id, bool on) {
    Set(visible_, id, on);
}
void MenuState::SetEnabled(MenuId id, bool on) {
    Set(enabled_, id, on);
}
void MenuState::SetChecked(MenuId id, bool on) {
    Set(checked_, id, on);
}

void MenuState::HideUnofferedItems() {
    for (const auto& item : MenuTree())
        if (item.hiddenAtStart) SetVisible(item.id, false);
}

void MenuState::SetAllCommandsEnabled(bool on) {
    for (const auto& item : MenuTree())
        if (item.depth == 0) SetEnabled(item.id, on);
}

void MenuState::SetRoomItemsEnabled(bool enabled) {
    for (MenuId id : {MenuId::MenuViewFrequencyRoom, MenuId::MenuViewDelayRoom,
                      MenuId::MenuViewImpulsRoom, MenuId::ImpulsRoom})
        SetEnabled(id, enabled);
}

}  // namespace qv
