#pragma once
// The main window's commands as plain code: what each menu item does to the
// workspace, what it reports, and when the window must repaint.

#include <functional>
#include <string>

#include "app/menu_tree.h"
#include "app/undo_history.h"
#include "correction/correction_target.h"
#include "curves/tr.h"
#include "curves/user_interface.h"
#include "dsplink/program_profile.h"
#include "project/workspace.h"

namespace qv {

// What the commands ask of the main window.
class EditorView {
  public:
    virtual ~EditorView() = default;
    virtual void RequestRepaint() = 0;
    virtual void SetRoomBoxVisible(bool visible) = 0;
    // A result line for the status bar (the predicted deviation after "Execute").
    virtual void ShowResult(const std::string& /*text*/) {}
};

enum class RoomBox { Shown, Hidden, Unchanged };

inline constexpr const char* kOpenFilterAll =
    "DAT - Format (*.dat)|*.dat|IMP  - Format (*.imp)|*.imp|(*.*)|*.*";
inline constexpr const char* kOpenFilterDat = "DAT - Format (*.dat)|*.dat|(*.*)|*.*";
inline constexpr const char* kOpenFilterImp = "IMP  - Format (*.imp)|*.imp|(*.*)|*.*";
inline constexpr const char* kSaveFilterXY = QV_TR("XY-Werte (*.dat)|*.dat");
inline constexpr const char* kSaveFilterY = QV_TR("Y-Werte (*.dat)|*.dat");
inline constexpr const char* kErrorBoxTitle = "quorvane";

class Editor {
  public:
    Editor(Workspace& ws, UserInterface& ui, MenuState& menu, EditorView& view,
           const DspProgramProfile& profile);

    // The command boundary: an error ends the command and shows its text in
    // the error box; a change to any curve becomes one undo step (unless the
    // command is undo or redo itself).
    void Run(const std::function<void()>& command, bool recordUndo = true);
    // For commands that span several events (a mouse drag): the undo step
    // opens at the first and closes at the last.
    void BeginCurveChange() { history_.Begin(ws_); }
    void EndCurveChange();

    // What the drawing area reports. The client area the diagrams are shown in.
    void SetViewSize(std::int32_t width, std::int32_t height);
    // Before a paint: the shown diagram takes what the paint owes it for a
    // client area of this size.
    void LayOutShownDiagram(std::int32_t width, std::int32_t height);
    // The mouse changed the shown diagram's desired curve (inside a curve change).
    void SetEditedCurve(PointList points);

    void SyncCurveMenuCheck();
    void ShowDiagram(DiagramId id, RoomBox box, bool sync);
    // The view commands, each with its diagram, "Room " box rule and sync rule.
    void ViewCommand(MenuId item);

    void MenuNewClick();
    void MenuCurveClick();
    void MenuBlackWindowClick();
    void MenuDeziClick();
    void MenuRound16BitClick();
    void MenuAutoRangeClick();
    void StandardRange1Click();

    void LoadFrequencyResponse();
    void LoadGroupDelay();
    void LoadImpulsDat();
    void LoadImpulsImp();
    void LoadZielfunktion();
    void SaveXY();
    void SaveY();
    void SaveYI();

    void MenuImpulsFrequencyClick();
    void MenuImpulsGroupDelayClick();
    void MenuExecuteClick();

    void MenuUndoClick();
    void MenuRedoClick();
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // Another document came (a project was opened): its past is not this one's.
    void ClearHistory() {
        history_.Clear();
        UpdateUndoItems();
    }

    Workspace& workspace() { return ws_; }
    UserInterface& ui() { return ui_; }
    MenuState& menu() { return menu_; }
    EditorView& view() { return view_; }
    const std::string& openFilter() const { return openFilter_; }
    // The last accepted correction target; its band measures the prediction.
    // It belongs to the document, so a project keeps it.
    TargetSettings& correctionSettings() { return ws_.Correction; }

  private:
    std::optional<std::string> ChooseReadableFile();
    void LoadImpulse(bool impFormat);
    void Save(const char* filter,
              void (*writer)(const std::string&, const PointList&, UserInterface&));
    void UpdateUndoItems();
    void ShowRestoredDiagram();
    void ShowPredictedResult(const std::optional<double>& rms);

    Workspace& ws_;
    UserInterface& ui_;
    MenuState& menu_;
    EditorView& view_;
    const DspProgramProfile& profile_;
    UndoHistory history_;
    std::string openFilter_ = kOpenFilterAll;
};

}  // namespace qv
