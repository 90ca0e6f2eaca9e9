#pragma once
// The main window: the menu bar, the drawing area with the title and legend
// labels, the "Room " box and the status bar. It forwards every event to the
// editor's commands and shows what they report.

#include <QHash>
#include <QMainWindow>
#include <functional>

#include "app/editor.h"
#include "app/menu_tree.h"
#include "app/status_text.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QSpinBox;

namespace qv {

class DiagramWidget;
class DspSession;

class TForm1 : public QMainWindow, public EditorView {
    Q_OBJECT
  public:
    // The creation handler runs here: COM1 is opened, the desired curves are
    // put in place and the unoffered menu items are hidden.
    TForm1(Workspace& ws, DspSession& dsp, UserInterface& ui, QWidget* parent = nullptr);
    ~TForm1() override;

    void RequestRepaint() override;
    void SetRoomBoxVisible(bool visible) override;
    void ShowResult(const std::string& text) override;
    QLabel* resultLabel() const { return resultLabel_; }
    QLabel* transferLabel() const { return transferLabel_; }
    QLabel* hintLabel() const { return hintLabel_; }

    Editor& editor() { return editor_; }
    MenuState& menuState() { return menuState_; }
    QAction* action(MenuId id) const { return actions_.value(static_cast<int>(id)); }
    QMenu* submenu(MenuId id) const { return menus_.value(static_cast<int>(id)); }
    DiagramWidget* drawingArea() const { return area_; }
    QLabel* labelDia() const { return LabelDia; }
    QLabel* labelCurve(int k) const { return LabelCurve[k - 1]; }
    QGroupBox* roomBox() const { return GroupBoxRoomLength; }

    // Menu items whose command lives outside the editor (dialogs, DSP).
    void SetCommand(MenuId id, std::function<void()> command, bool recordUndo = true);
    // What the last transfer did, at the right of the status bar.
    void ShowTransferLine(const std::string& text);
    // The "Room " spin edits show the document's room size again.
    void SyncRoomSize();

    // Heard after every command, curve drag and room size edit.
    std::function<void()> onDocumentTouched;
    // Heard at the end of a drag before its undo step closes.
    std::function<void()> beforeCurveEditEnds;
    // Asked before the window closes; false keeps it open.
    std::function<bool()> canClose;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Closing during a transfer asks first; yes stops it like Cancel and
    // closes once it has ended. True when the window may close now.
    bool TransferStopsForClose();
    void BuildMenus();
    void BuildControls();
    void SyncMenuItem(MenuId id);
    void PlaceLabels();
    void ShowStatus(int x, int y);
    // A new action starts: the status lines of the last one go.
    void BeginAction();
    void ShowStatusLines();
    void RestoreWindowSize();
    void SaveWindowSize();

    Workspace& ws_;
    DspSession& dsp_;
    UserInterface& ui_;
    MenuState menuState_;
    Editor editor_;
    QHash<int, QAction*> actions_;
    QHash<int, QMenu*> menus_;
    DiagramWidget* area_ = nullptr;
    QLabel* LabelDia = nullptr;
    QLabel* LabelCurve[4] = {};
    QGroupBox* GroupBoxRoomLength = nullptr;
    QSpinBox* SpinEditRoomDepth = nullptr;
    QSpinBox* SpinEditRoomWidth = nullptr;
    QLabel* statusLabel_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QLabel* transferLabel_ = nullptr;
    QLabel* hintLabel_ = nullptr;
    StatusLines statusLines_;
    std::vector<PointList> startCurves_;  // the workspace as it started
    bool closeAfterTransfer_ = false;
};

// The window's first size on a screen with this available area: at least
// 1100 x 650 or 70 % of the screen, the larger, but never beyond the screen.
QSize DefaultWindowSize(QSize available);

}  // namespace qv
