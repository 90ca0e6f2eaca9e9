#pragma once
// The whole editor after start-up steps 1 and 2: the main window, the
// dialogs created once in their order, and every menu item bound to its
// command. main builds one; the widget tests build their own.

#include <memory>

#include "app/dsp_commands.h"
#include "app/kdsp.h"

namespace qv {

class TAboutBox;
class TAddConstDlg;
class TCutImpulsDlg;
class TEditDiagrammDlg;
class TMulConstDlg;
class TSetUpHardwareDlg;
class TSetupDSPDlg;
class TSetupVolumeDlg;
class TStoreDataToDlg;

class EditorShell {
  public:
    EditorShell(Workspace& ws, DspSession& dsp, UserInterface& ui);
    ~EditorShell();

    TForm1& form() { return *form_; }
    TStoreDataToDlg& setChooser() { return *storeDataTo_; }
    TSetupDSPDlg& setupDsp() { return *setupDsp_; }
    TSetupVolumeDlg& setupVolume() { return *setupVolume_; }
    TEditDiagrammDlg& editDiagramm() { return *editDiagramm_; }

  private:
    void BindCommands();

    Workspace& ws_;
    DspSession& dsp_;
    UserInterface& ui_;
    std::unique_ptr<TForm1> form_;
    // Owned by the main window as Qt children; kept here for the commands.
    TStoreDataToDlg* storeDataTo_ = nullptr;
    TEditDiagrammDlg* editDiagramm_ = nullptr;
    TAboutBox* about_ = nullptr;
    TAddConstDlg* addConst_ = nullptr;
    TMulConstDlg* mulConst_ = nullptr;
    TSetupDSPDlg* setupDsp_ = nullptr;
    TSetupVolumeDlg* setupVolume_ = nullptr;
    TCutImpulsDlg* cutImpuls_ = nullptr;
    TSetUpHardwareDlg* setupHardware_ = nullptr;
    std::unique_ptr<DspCommands> dspCommands_;
};

}  // namespace qv
