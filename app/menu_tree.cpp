#include "app/menu_tree.h"

#include "curves/tr.h"

#include <stdexcept>

namespace qv {
namespace {

using K = MenuKind;
using M = MenuId;

std::vector<MenuItemDef> BuildTree() {
    return {
        {M::File, 0, K::Menu, "File1", QV_TR("File"), false, ""},
        {M::MenuNew, 1, K::Command, "MenuNew", QV_TR("New"), false, ""},
        {M::MenuLoad, 1, K::Menu, "MenuLoad", QV_TR("Load"), false, ""},
        {M::MenuLoadFrequencyResponse, 2, K::Command, "MenuLoadFrequencyResponse",
         QV_TR("Frequency Response"), false, ""},
        {M::MenuLoadGroupDelay, 2, K::Command, "MenuLoadGroupDelay", QV_TR("Group Delay"), false,
         ""},
        {M::MenuLoadImpulsResponse, 2, K::Menu, "MenuLoadImpulsResponse", QV_TR("Impuls Response"),
         true, ""},
        {M::MenuLoadImpulsDat, 3, K::Command, "MenuLoadImpulsDat", QV_TR("DAT - Format"), false,
         ""},
        {M::MenuLoadImpulsImp, 3, K::Command, "MenuLoadImpulsImp", QV_TR("IMP  - Format"), false,
         ""},
        {M::MenuLoadZielfunktion, 2, K::Command, "MenuLoadZielfunktion", QV_TR("Zielfunktion"),
         true, ""},
        // Beyond the classic menu: text exports, FRD, CSV and audio impulses.
        {M::MenuImportMeasurement, 1, K::Command, "MenuImportMeasurement",
         QV_TR("Import Measurement\u2026"), false, ""},
        {M::MenuAverageMeasurements, 1, K::Command, "MenuAverageMeasurements",
         QV_TR("Average Measurements\u2026"), false, ""},
        // Beyond the classic menu: filters for software convolvers.
        {M::MenuExportFilter, 1, K::Command, "MenuExportFilter", QV_TR("Export Filter\u2026"),
         false, ""},
        {M::MenuSave, 1, K::Menu, "MenuSave", QV_TR("Save"), false, ""},
        {M::MenuSaveXY, 2, K::Command, "MenuSaveXY", QV_TR("XY-Format"), false, ""},
        {M::MenuSaveY, 2, K::Command, "MenuSaveY", QV_TR(" Y- Format"), false, ""},
        {M::MenuSaveYI, 2, K::Command, "MenuSaveYI", QV_TR(" YI-Format"), true, ""},
        // Beyond the classic menu: the whole work in one project file.
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuOpenProject, 1, K::Command, "MenuOpenProject", QV_TR("Open Project\u2026"), false,
         "Ctrl+O"},
        {M::MenuRecentProjects, 1, K::Menu, "MenuRecentProjects", QV_TR("Recent Projects"), false,
         ""},
        {M::MenuSaveProject, 1, K::Command, "MenuSaveProject", QV_TR("Save Project"), false,
         "Ctrl+S"},
        {M::MenuSaveProjectAs, 1, K::Command, "MenuSaveProjectAs", QV_TR("Save Project As\u2026"),
         false, "Ctrl+Shift+S"},
        {M::MenuProjectInfo, 1, K::Command, "MenuProjectInfo", QV_TR("Project Info\u2026"), false,
         ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuAbout, 1, K::Command, "MenuAbout", QV_TR("About"), false, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuExit, 1, K::Command, "MenuExit", QV_TR("Exit"), false, ""},

        {M::Edit, 0, K::Menu, "Edit1", QV_TR("Edit"), false, ""},
        {M::MenuCurve, 1, K::Check, "MenuCurve", QV_TR("Curve"), false, ""},
        {M::MenuAddConstant, 1, K::Command, "MenuAddConstant", QV_TR("Add Constant"), false, ""},
        {M::MenuMulConstant, 1, K::Command, "MenuMulConstant", QV_TR("Mul Constant"), false, ""},
        {M::MenuBlackWindow, 1, K::Command, "MenuBlackWindow", QV_TR("Black Window"), true, ""},
        {M::MenuDezi, 1, K::Command, "MenuDezi", QV_TR("Dezi"), true, ""},
        {M::MenuRound16Bit, 1, K::Command, "MenuRound16Bit", QV_TR("Round 16 Bit"), true, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuDiagramm, 1, K::Command, "MenuDiagramm", QV_TR("Diagramm"), false, ""},
        {M::MenuAutoRange, 1, K::Command, "MenuAutoRange", QV_TR("Auto Range"), false, ""},
        {M::StandardRange1, 1, K::Command, "StandardRange1", QV_TR("Standard Range"), false, ""},
        // Beyond the classic menu: undo and redo of every change to a curve.
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuUndo, 1, K::Command, "MenuUndo", QV_TR("Undo"), false, "Ctrl+Z"},
        {M::MenuRedo, 1, K::Command, "MenuRedo", QV_TR("Redo"), false, "Ctrl+Shift+Z"},
        // Beyond the classic menu: from a measurement to a correction target.
        {M::MenuSmoothing, 1, K::Command, "MenuSmoothing", QV_TR("Smoothing…"), false, ""},
        // Beyond the classic menu: the point rules also for dense curves, which are bent otherwise.
        {M::MenuPointEditing, 1, K::Check, "MenuPointEditing", QV_TR("Point Editing"), false, ""},

        {M::View, 0, K::Menu, "View1", QV_TR("View"), false, ""},
        {M::MenuViewFrequencyResponse, 1, K::Command, "MenuViewFrequencyResponse",
         QV_TR("Frequency Response"), false, ""},
        {M::MenuViewGroupDelay, 1, K::Command, "MenuViewGroupDelay", QV_TR("Group Delay"), false,
         ""},
        {M::MenuViewImpulsResponse, 1, K::Command, "MenuViewImpulsResponse",
         QV_TR("Impuls Response"), false, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuViewFrequencyRoom, 1, K::Command, "MenuViewFrequencyRoom", QV_TR("Frequency Room"),
         true, ""},
        {M::MenuViewDelayRoom, 1, K::Command, "MenuViewDelayRoom", QV_TR("Delay Room"), true, ""},
        {M::MenuViewImpulsRoom, 1, K::Command, "MenuViewImpulsRoom", QV_TR("Impuls Room"), true,
         ""},
        {M::ImpulsRoom, 1, K::Command, "ImpulsRoom", QV_TR("Filter Room"), true, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuViewImpulsHigh, 1, K::Command, "MenuViewImpulsHigh", QV_TR("Impuls High"), true,
         ""},
        {M::MenuViewImpulsLow, 1, K::Command, "MenuViewImpulsLow", QV_TR("Impuls Low"), true, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuViewAmCorHigh, 1, K::Command, "MenuViewAmCorHigh", QV_TR("AmCorCurve High"), true,
         ""},
        {M::MenuViewAmCorLow, 1, K::Command, "MenuViewAmCorLow", QV_TR("AmCorCurve Low"), true, ""},

        {M::Mathe, 0, K::Menu, "Mathe1", QV_TR("Mathe"), true, ""},
        {M::MenuImpulsFrequency, 1, K::Command, "MenuImpulsFrequency",
         QV_TR("Impuls -> Frequency Response"), false, ""},
        {M::MenuImpulsGroupDelay, 1, K::Command, "MenuImpulsGroupDelay",
         QV_TR("Impuls -> Group Delay"), false, ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuCutImpuls, 1, K::Command, "MenuCutImpuls", QV_TR("Cut  Impuls"), false, ""},

        {M::Filter, 0, K::Menu, "Filter1", QV_TR("Filter"), true, ""},

        {M::Simulate, 0, K::Menu, "Simulate1", QV_TR("Simulate"), false, ""},
        {M::MenuExecute, 1, K::Command, "MenuExecute", QV_TR("Execute"), false, ""},
        {M::MenuCorrectionTarget, 1, K::Command, "MenuCorrectionTarget",
         QV_TR("Correction Target…"), false, ""},
        // Beyond the classic menu: the filter follows every change of a desired curve.
        {M::MenuLive, 1, K::Check, "MenuLive", QV_TR("Live"), false, ""},

        {M::Transfer, 0, K::Menu, "Transfer1", QV_TR("Transfer"), false, ""},
        {M::MenuFilterToDsp, 1, K::Command, "MenuFilterToDsp", QV_TR("Filter -> DSP"), false, ""},
        {M::MenuFilterFromDsp, 1, K::Command, "MenuFilterFromDsp", QV_TR("Filter <- DSP"), false,
         ""},
        {M::Separator, 1, K::Separator, "", "", false, ""},
        {M::MenuVerifyAfterWrite, 1, K::Check, "MenuVerifyAfterWrite", QV_TR("Verify After Write"),
         false, ""},
        {M::MenuBackupSet, 1, K::Command, "MenuBackupSet", QV_TR("Backup Set\u2026"), false, ""},
        {M::MenuRestoreSet, 1, K::Command, "MenuRestoreSet", QV_TR("Restore Set\u2026"), false, ""},
        {M::MenuUndoLastWrite, 1, K::Command, "MenuUndoLastWrite", QV_TR("Undo Last Write"), false,
         ""},
        {M::MenuBoxHistory, 1, K::Command, "MenuBoxHistory", QV_TR("History\u2026"), false, ""},

        {M::Setup, 0, K::Menu, "Setup1", QV_TR("Setup"), false, ""},
        {M::MenuSetupDsp, 1, K::Menu, "MenuSetupDsp", QV_TR("DSP"), false, ""},
        {M::MenuSet, 2, K::Command, "MenuSet", QV_TR("SET"), true, ""},
        {M::MenuHardware, 2, K::Command, "MenuHardware", QV_TR("Hardware"), true, ""},
        {M::MenuVolume, 2, K::Command, "MenuVolume", QV_TR("Volume"), false, ""},
        {M::MenuRange, 2, K::Command, "MenuRange", QV_TR("Range"), true, ""},
        {M::MenuCom, 1, K::Menu, "MenuCom", QV_TR("COM"), false, ""},
        {M::MenuCom1, 2, K::Command, "MenuCom1", QV_TR("COM1"), false, ""},
        {M::MenuCom2, 2, K::Command, "MenuCom2", QV_TR("COM2"), false, ""},
        {M::MenuCom3, 2, K::Command, "MenuCom3", QV_TR("COM3"), false, ""},
        {M::MenuCom4, 2, K::Command, "MenuCom4", QV_TR("COM4"), false, ""},

        {M::Help, 0, K::Menu, "Help1", QV_TR("Help"), true, ""},
        {M::MenuTest, 0, K::Command, "MenuTest", QV_TR("Test"), true, ""},
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
