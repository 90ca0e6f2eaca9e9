#include "app/editor_shell.h"

#include <QCoreApplication>

#include "app/SetupHardware.h"
#include "app/about.h"
#include "app/addconstant.h"
#include "app/average_measurements_dlg.h"
#include "app/box_history_dlg.h"
#include "app/correction_dlg.h"
#include "app/cutimpuls.h"
#include "app/export_filter_dlg.h"
#include "app/import_measurement_dlg.h"
#include "app/mulconstant.h"
#include "diagram/diagram_widget.h"
#include "diagram/editdia.h"
#include "diagram/ranges.h"
#include "dsp_dialogs/setupdsp.h"
#include "dsp_dialogs/setupdspvolume.h"
#include "dsp_dialogs/storedatato.h"
#include "measurements/measurement_import.h"

namespace qv {

EditorShell::EditorShell(Workspace& ws, DspSession& dsp, UserInterface& ui,
                         const std::function<void(TForm1&)>& windowShown,
                         const ProjectPlaces& places)
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
    storeDataTo_ = new TStoreDataToDlg(dsp.chooserState(), w);
    editDiagramm_ = new TEditDiagrammDlg(w);
    about_ = new TAboutBox(w);
    addConst_ = new TAddConstDlg(ws, ui, w);
    mulConst_ = new TMulConstDlg(ws, ui, w);
    startUi_.quiet = dsp.link().port().OpenPortNumber() == 0;
    setupDsp_ =
        new TSetupDSPDlg(dsp, startUi_, ws.ComPortNumber, &w->menuState(), *storeDataTo_, w);
    startUi_.quiet = false;
    setupVolume_ = new TSetupVolumeDlg(dsp, ui, ws.ComPortNumber, *storeDataTo_, w);
    cutImpuls_ = new TCutImpulsDlg(
        ws, [](Diagram& d) { AutoRange(d); }, w);
    setupHardware_ = new TSetUpHardwareDlg(w);
    importMeasurement_ = new TImportMeasurementDlg(w);
    averageMeasurements_ = new TAverageMeasurementsDlg(w);
    smoothing_ = new TSmoothingDlg(ws, ui, w);
    correctionTarget_ = new TCorrectionTargetDlg(
        ws, ui, [](const std::string& file) { return ImportMeasurement(file).level; }, w);
    exportFilter_ = new TExportFilterDlg(w);
    dspCommands_ = std::make_unique<DspCommands>(ws, dsp, ui, *storeDataTo_);
    dspCommands_->SetHistoryPicker(new TBoxHistoryDlg(w));
    setupDsp_->logic().UseWriteOptions(dspCommands_->writeOptions());
    setupVolume_->logic().UseWriteOptions(dspCommands_->writeOptions());
    BindCommands();
    // Last: the document as start-up left it is the unchanged one.
    projects_ = std::make_unique<ProjectBinding>(*w, ws, ui, dsp, places);
    BindLive();
}

EditorShell::~EditorShell() = default;

void EditorShell::BindLive() {
    TForm1* w = form_.get();
    Editor& e = w->editor();
    live_ =
        std::make_unique<LiveResynthesis>(ws_, dsp_.profile(), e.correctionSettings(), [this, w] {
            QMetaObject::invokeMethod(
                w,
                [this, w] {
                    if (live_->TakeResult()) w->RequestRepaint();
                },
                Qt::QueuedConnection);
        });
    // Each paint may show a changed desired curve: a drag repaints every move.
    QObject::connect(w->drawingArea(), &DiagramWidget::painted, w,
                     [this] { live_->CurvesMayHaveChanged(); });
    // The drag's last result goes into its undo step: settle before the step
    // closes.
    w->beforeCurveEditEnds = [this, w] {
        live_->CurvesMayHaveChanged();
        if (live_->Settle()) w->RequestRepaint();
    };
    w->SetCommand(
        MenuId::MenuLive,
        [this, w] {
            const bool on = !w->menuState().Checked(MenuId::MenuLive);
            w->menuState().SetChecked(MenuId::MenuLive, on);
            live_->SetEnabled(on);
        },
        false);
}

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
    w.SetCommand(MenuId::MenuAverageMeasurements, [this] {
        RunAverageMeasurements(form_->editor(), [this](AverageDialogRules& rules) {
            return averageMeasurements_->Execute(rules);
        });
    });
    w.SetCommand(
        MenuId::MenuExportFilter,
        [this] {
            if (exportFilter_->Execute()) RunExportFilter(ws_, exportFilter_->rules(), ui_);
        },
        false);
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
    w.menuState().SetChecked(MenuId::MenuVerifyAfterWrite, dspCommands_->writeOptions().verify);
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
