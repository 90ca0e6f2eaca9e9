#pragma once
// The whole editor after start-up steps 1 and 2: the main window, shown at
// once, the dialogs created once in their order, and every menu item bound to
// its command. main builds one; the widget tests build their own.

#include <functional>
#include <memory>

#include "app/dsp_commands.h"
#include "app/kdsp.h"
#include "app/live_resynthesis.h"
#include "app/project_binding.h"

namespace qv {

class TAboutBox;
class TAddConstDlg;
class TCorrectionTargetDlg;
class TCutImpulsDlg;
class TEditDiagrammDlg;
class TExportFilterDlg;
class TImportMeasurementDlg;
class TAverageMeasurementsDlg;
class TMulConstDlg;
class TSetUpHardwareDlg;
class TSetupDSPDlg;
class TSetupVolumeDlg;
class TSmoothingDlg;
class TStoreDataToDlg;

class EditorShell {
  public:
    // windowShown hears of the main window once it is on screen, before the
    // connection check (main makes it the parent of the message boxes).
    EditorShell(Workspace& ws, DspSession& dsp, UserInterface& ui,
                const std::function<void(TForm1&)>& windowShown = {},
                const ProjectPlaces& places = {});
    ~EditorShell();

    TForm1& form() { return *form_; }
    TStoreDataToDlg& setChooser() { return *storeDataTo_; }
    TSetupDSPDlg& setupDsp() { return *setupDsp_; }
    TSetupVolumeDlg& setupVolume() { return *setupVolume_; }
    TEditDiagrammDlg& editDiagramm() { return *editDiagramm_; }
    TImportMeasurementDlg& importMeasurement() { return *importMeasurement_; }
    TAverageMeasurementsDlg& averageMeasurements() { return *averageMeasurements_; }
    TSmoothingDlg& smoothing() { return *smoothing_; }
    TCorrectionTargetDlg& correctionTarget() { return *correctionTarget_; }
    ProjectBinding& projects() { return *projects_; }
    TExportFilterDlg& exportFilter() { return *exportFilter_; }
    LiveResynthesis& live() { return *live_; }

  private:
    void BindCommands();
    void BindLive();

    // Forwards to the window's interface; while quiet it drops error boxes,
    // so a port that failed at start is reported only once.
    class StartUi : public UserInterface {
      public:
        explicit StartUi(UserInterface& ui) : ui_(ui) {}
        void Message(const std::string& t) override { ui_.Message(t); }
        void ErrorBox(const std::string& title, const std::string& t) override {
            if (!quiet) ui_.ErrorBox(title, t);
        }
        std::optional<std::string> ChooseOpenFile(const std::string& f) override {
            return ui_.ChooseOpenFile(f);
        }
        std::optional<std::string> ChooseSaveFile(const std::string& f) override {
            return ui_.ChooseSaveFile(f);
        }
        void SetBusy(bool b) override { ui_.SetBusy(b); }
        void BeginProgress(const std::string& t) override { ui_.BeginProgress(t); }
        void Progress(double f, const std::string& t) override { ui_.Progress(f, t); }
        void EndProgress() override { ui_.EndProgress(); }
        bool ProgressCancelled() override { return ui_.ProgressCancelled(); }
        void StatusLine(const std::string& t) override { ui_.StatusLine(t); }
        bool quiet = false;

      private:
        UserInterface& ui_;
    };

    Workspace& ws_;
    DspSession& dsp_;
    UserInterface& ui_;
    StartUi startUi_;
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
    TImportMeasurementDlg* importMeasurement_ = nullptr;
    TAverageMeasurementsDlg* averageMeasurements_ = nullptr;
    TSmoothingDlg* smoothing_ = nullptr;
    TCorrectionTargetDlg* correctionTarget_ = nullptr;
    TExportFilterDlg* exportFilter_ = nullptr;
    std::unique_ptr<DspCommands> dspCommands_;
    std::unique_ptr<ProjectBinding> projects_;
    std::unique_ptr<LiveResynthesis> live_;  // before form_ goes: its results post to it
};

}  // namespace qv
