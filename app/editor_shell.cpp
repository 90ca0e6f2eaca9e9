#include "app/editor_shell.h"

#include <QCoreApplication>

#include "app/SetupHardware.h"
#include "app/about.h"
#include "app/addconstant.h"
#include "app/box_history_dlg.h"
#include "app/correction_dlg.h"
#include "app/cutimpuls.h"
#include "app/import_measurement_dlg.h"
#include "app/mulconstant.h"
#include "diagram/editdia.h"
#include "diagram/ranges.h"
#include "dsp_dialogs/setupdsp.h"
#include "dsp_dialogs/setupdspvolume.h"
#include "dsp_dialogs/storedatato.h"
#include "measurements/measurement_import.h"

namespace qv {

EditorShell::EditorShell(Workspace& ws, DspSession& dsp, UserInterface& ui,
                         const std::function<void(TForm1&)>& windowShown)
    : ws_(ws), dsp_(dsp), ui_(ui), startUi_(ui) {
    form_ = std::make_unique<TForm1>(ws, dsp, ui);
    TForm1* w = form_.get();
    // The window is on screen before the dialogs: without a box the
    // connection check takes seconds, and its message belongs over the window.
    w->show();
    if (windowShown) windowShown(*w);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // Created once, in this order; the DSP setup dialog's creation runs the
    // connection check.
    storeDataTo_ = new TStoreDataToDlg(dsp.state, w);
    editDiagramm_ = new TEditDiagrammDlg(w);
    about_ = new TAboutBox(w);
    addConst_ = new TAddConstDlg(ws, ui, w);
    mulConst_ = new TMulConstDlg(ws, ui, w);
    startUi_.quiet = dsp.link.port().OpenPortNumber() == 0;
    setupDsp_ =
        new TSetupDSPDlg(dsp, startUi_, ws.ComPortNumber, &w->menuState(), *storeDataTo_, w);
    startUi_.quiet = false;
    setupVolume_ = new TSetupVolumeDlg(dsp, ui, ws.ComPortNumber, *storeDataTo_, w);
    cutImpuls_ = new TCutImpulsDlg(
        ws, [](Diagram& d) { AutoRange(d); }, w);
    setupHardware_ = new TSetUpHardwareDlg(w);
    importMeasurement_ = new TImportMeasurementDlg(w);
    smoothing_ = new TSmoothingDlg(ws, ui, w);
    correctionTarget_ = new TCorrectionTargetDlg(
        ws, ui, [](const std::string& file) { return ImportMeasurement(file).level; }, w);
    dspCommands_ = std::make_unique<DspCommands>(ws, dsp, ui, *storeDataTo_);
    dspCommands_->SetHistoryPicker(new TBoxHistoryDlg(w));
    BindCommands();
}

EditorShell::~EditorShell() = default;

void EditorShell::BindCommands() {
    TForm1& w = *form_;
    auto repaint = [&w] { w.RequestRepaint(); };
    addConst_->SetRepaint(repaint);
    mulConst_->SetRepaint(repaint);
    cutImpuls_->SetRepaint(repaint);
    editDiagramm_->SetRepaint(repaint);
    smoothing_->SetRepaint(repaint);
    correctionTarget_->SetRepaint(repaint);

    w.SetCommand(
        MenuId::MenuAbout, [this] { about_->exec(); }, false);
    w.SetCommand(MenuId::MenuAddConstant, [this] { addConst_->exec(); });
    w.SetCommand(MenuId::MenuMulConstant, [this] { mulConst_->exec(); });
    w.SetCommand(MenuId::MenuCutImpuls, [this] { cutImpuls_->exec(); });
    w.SetCommand(MenuId::MenuImportMeasurement, [this] {
        RunImportMeasurement(form_->editor(), [this](ImportDialogRules& rules) {
            return importMeasurement_->Execute(rules);
        });
    });
    w.SetCommand(
        MenuId::MenuDiagramm, [this] { editDiagramm_->Execute(ws_.Current()); }, false);
    w.SetCommand(MenuId::MenuSmoothing, [this] { smoothing_->Execute(); });
    w.SetCommand(MenuId::MenuCorrectionTarget, [this] {
        Editor& e = form_->editor();
        e.ShowDiagram(FrequencyResponseDiagram, RoomBox::Hidden, true);
        correctionTarget_->Execute(e.correctionSettings());
        e.SyncCurveMenuCheck();
    });
    w.SetCommand(
        MenuId::MenuHardware, [this] { setupHardware_->exec(); }, false);
    w.SetCommand(
        MenuId::MenuRange, [this] { setupDsp_->Execute(); }, false);
    w.SetCommand(
        MenuId::MenuVolume, [this] { setupVolume_->Execute(); }, false);
    w.SetCommand(
        MenuId::MenuSet, [this] { dspCommands_->MenuSetClick(); }, false);
    w.SetCommand(
        MenuId::MenuTest, [this] { dspCommands_->MenuTestClick(); }, false);
    w.SetCommand(
        MenuId::MenuFilterToDsp,
        [this] {
            // No other command may start while the transfer runs.
            form_->menuState().SetAllCommandsEnabled(false);
            try {
                dspCommands_->MenuFilterToDspClick();
            } catch (...) {
                form_->menuState().SetAllCommandsEnabled(true);
                throw;
            }
            form_->menuState().SetAllCommandsEnabled(true);
        },
        false);
    // Long transfers: no other command may start while they run.
    auto locked = [this](void (DspCommands::*command)()) {
        return [this, command] {
            form_->menuState().SetAllCommandsEnabled(false);
            try {
                ((*dspCommands_).*command)();
            } catch (...) {
                form_->menuState().SetAllCommandsEnabled(true);
                throw;
            }
            form_->menuState().SetAllCommandsEnabled(true);
        };
    };
    w.SetCommand(MenuId::MenuFilterFromDsp, locked(&DspCommands::MenuFilterFromDspClick));
    w.SetCommand(MenuId::MenuBackupSet, locked(&DspCommands::MenuBackupSetClick), false);
    w.SetCommand(MenuId::MenuRestoreSet, locked(&DspCommands::MenuRestoreSetClick), false);
    w.SetCommand(MenuId::MenuUndoLastWrite, locked(&DspCommands::MenuUndoLastWriteClick), false);
    w.SetCommand(MenuId::MenuBoxHistory, locked(&DspCommands::MenuBoxHistoryClick), false);
    w.menuState().SetChecked(MenuId::MenuVerifyAfterWrite, dsp_.verifyAfterWrite);
    w.SetCommand(
        MenuId::MenuVerifyAfterWrite,
        [this] {
            form_->menuState().SetChecked(MenuId::MenuVerifyAfterWrite,
                                          dspCommands_->MenuVerifyAfterWriteClick());
        },
        false);
    const MenuId com[4] = {MenuId::MenuCom1, MenuId::MenuCom2, MenuId::MenuCom3, MenuId::MenuCom4};
    for (std::uint8_t n = 1; n <= 4; ++n)
        w.SetCommand(
            com[n - 1], [this, n] { dspCommands_->MenuComClick(n); }, false);
}

}  // namespace qv
