#pragma once
// The main menu as data: captions, object names, what is hidden at start,
// and the run-time state (visible, enabled, checked) that the window shows.

#include <functional>
#include <string>
#include <vector>

#include "dsplink/apply_profile.h"

namespace qv {

enum class MenuId {
    File,
    MenuNew,
    MenuLoad,
    MenuLoadFrequencyResponse,
    MenuLoadGroupDelay,
    MenuLoadImpulsResponse,
    MenuLoadImpulsDat,
    MenuLoadImpulsImp,
    MenuLoadZielfunktion,
    MenuImportMeasurement,
    MenuAverageMeasurements,
    MenuExportFilter,
    MenuSave,
    MenuSaveXY,
    MenuSaveY,
    MenuSaveYI,
    MenuOpenProject,
    MenuRecentProjects,
    MenuSaveProject,
    MenuSaveProjectAs,
    MenuProjectInfo,
    MenuAbout,
    MenuExit,
    Edit,
    MenuCurve,
    MenuAddConstant,
    MenuMulConstant,
    MenuBlackWindow,
    MenuDezi,
    MenuRound16Bit,
    MenuDiagramm,
    MenuAutoRange,
    StandardRange1,
    MenuUndo,
    MenuRedo,
    MenuSmoothing,
    MenuPointEditing,
    View,
    MenuViewFrequencyResponse,
    MenuViewGroupDelay,
    MenuViewImpulsResponse,
    MenuViewFrequencyRoom,
    MenuViewDelayRoom,
    MenuViewImpulsRoom,
    ImpulsRoom,
    MenuViewImpulsHigh,
    MenuViewImpulsLow,
    MenuViewAmCorHigh,
    MenuViewAmCorLow,
    Mathe,
    MenuImpulsFrequency,
    MenuImpulsGroupDelay,
    MenuCutImpuls,
    Filter,
    Simulate,
    MenuExecute,
    MenuCorrectionTarget,
    MenuLive,
    Transfer,
    MenuFilterToDsp,
    MenuFilterFromDsp,
    MenuVerifyAfterWrite,
    MenuBackupSet,
    MenuRestoreSet,
    MenuUndoLastWrite,
    MenuBoxHistory,
    Setup,
    MenuSetupDsp,
    MenuSet,
    MenuHardware,
    MenuVolume,
    MenuRange,
    MenuCom,
    MenuCom1,
    MenuCom2,
    MenuCom3,
    MenuCom4,
    Help,
    MenuTest,
    Separator,
};

enum class MenuKind { Menu, Command, Check, Separator };

struct MenuItemDef {
    MenuId id;
    int depth;  // 0: menu bar, 1: item of a menu, 2: item of a submenu, ...
    MenuKind kind;
    const char* name;
    const char* caption;
    bool hiddenAtStart;
    const char* shortcut;  // empty: none
};

// In display order; an item's parent is the nearest earlier item of smaller depth.
const std::vector<MenuItemDef>& MenuTree();
const MenuItemDef* FindMenuItem(MenuId id);
MenuId ParentOf(MenuId id);

// What the window must show of each item. Listeners hear every change.
class MenuState : public RoomMenuItems {
  public:
    MenuState();

    bool Visible(MenuId id) const { return At(visible_, id); }
    bool Enabled(MenuId id) const { return At(enabled_, id); }
    bool Checked(MenuId id) const { return At(checked_, id); }
    void SetVisible(MenuId id, bool on);
    void SetEnabled(MenuId id, bool on);
    void SetChecked(MenuId id, bool on);
    // Start-up: hide every item marked hidden at start.
    void HideUnofferedItems();
    // Enables or disables every command at once while a long operation runs.
    void SetAllCommandsEnabled(bool on);

    void SetRoomItemsEnabled(bool enabled) override;

    std::function<void(MenuId)> onChange;

  private:
    static bool At(const std::vector<char>& v, MenuId id) {
        return v[static_cast<std::size_t>(id)] != 0;
    }
    void Set(std::vector<char>& v, MenuId id, bool on);
    std::vector<char> visible_, enabled_, checked_;
};

}  // namespace qv
