#include "app/editor.h"

#include <exception>
#include <utility>

#include "app/filter_workflow.h"
#include "app/impulse_commands.h"
#include "curves/curve_files.h"
#include "curves/tr.h"
#include "diagram/diagram_layout.h"
#include "diagram/ranges.h"
#include "dsp_math/spectrum_shaping.h"

namespace qv {
namespace {

struct ViewRule {
    MenuId item;
    DiagramId diagram;
    RoomBox box;
    bool sync;
};

constexpr ViewRule kViewRules[] = {
    {MenuId::MenuViewFrequencyResponse, FrequencyResponseDiagram, RoomBox::Hidden, true},
    {MenuId::MenuViewGroupDelay, GroupDelayDiagram, RoomBox::Hidden, true},
    {MenuId::MenuViewImpulsResponse, ImpulseResponseDiagram, RoomBox::Unchanged, true},
    {MenuId::MenuViewFrequencyRoom, FrequencyRoomDiagram, RoomBox::Shown, true},
    {MenuId::MenuViewDelayRoom, DelayRoomDiagram, RoomBox::Shown, true},
    {MenuId::MenuViewImpulsRoom, ImpulsRoomDiagram, RoomBox::Shown, false},
    {MenuId::ImpulsRoom, FilterRoomDiagram, RoomBox::Shown, false},
    {MenuId::MenuViewImpulsHigh, ImpulsHighDiagram, RoomBox::Hidden, false},
    {MenuId::MenuViewImpulsLow, ImpulsLowDiagram, RoomBox::Hidden, false},
    {MenuId::MenuViewAmCorHigh, FrequencyResponseHighDiagram, RoomBox::Hidden, true},
    {MenuId::MenuViewAmCorLow, FrequencyResponseLowDiagram, RoomBox::Hidden, true},
};

// The "Room " box as the view command of the diagram leaves it.
RoomBox RoomBoxOf(DiagramId id) {
    for (const auto& rule : kViewRules)
        if (rule.diagram == id) return rule.box;
    return RoomBox::Unchanged;
}

}  // namespace

Editor::Editor(Workspace& ws, UserInterface& ui, MenuState& menu, EditorView& view,
               const DspProgramProfile& profile)
    : ws_(ws), ui_(ui), menu_(menu), view_(view), profile_(profile) {
    UpdateUndoItems();
}

void Editor::Run(const std::function<void()>& command, bool recordUndo) {
    if (recordUndo) history_.Begin(ws_);
    try {
        command();
    } catch (const std::exception& e) {
        ui_.ErrorBox(kErrorBoxTitle, e.what());
    }
    if (recordUndo) EndCurveChange();
}

void Editor::EndCurveChange() {
    history_.Commit(ws_);
    UpdateUndoItems();
}

void Editor::SetViewSize(std::int32_t width, std::int32_t height) {
    ws_.ViewWidth = width;
    ws_.ViewHeight = height;
}

void Editor::LayOutShownDiagram(std::int32_t width, std::int32_t height) {
    LayOutDiagram(ws_.Current(), width, height);
}

void Editor::SetEditedCurve(PointList points) {
    ws_.Current(CurveRole::Desired).points = std::move(points);
}

void Editor::UpdateUndoItems() {
    menu_.SetEnabled(MenuId::MenuUndo, history_.CanUndo());
    menu_.SetEnabled(MenuId::MenuRedo, history_.CanRedo());
}

void Editor::SyncCurveMenuCheck() {
    menu_.SetChecked(MenuId::MenuCurve, false);
    if (ws_.Current(CurveRole::Desired).marked == 1) menu_.SetChecked(MenuId::MenuCurve, true);
}

void Editor::ShowDiagram(DiagramId id, RoomBox box, bool sync) {
    ws_.CurrentDiagram = id;
    if (sync) SyncCurveMenuCheck();
    if (box != RoomBox::Unchanged) view_.SetRoomBoxVisible(box == RoomBox::Shown);
    view_.RequestRepaint();
}

void Editor::ViewCommand(MenuId item) {
    for (const auto& rule : kViewRules)
        if (rule.item == item) ShowDiagram(rule.diagram, rule.box, rule.sync);
}

void Editor::MenuNewClick() {
    FillDesiredCurve(ws_.Current(), 10.0);
    view_.RequestRepaint();
}

void Editor::MenuCurveClick() {
    menu_.SetChecked(MenuId::MenuCurve, qv::MenuCurveClick(ws_.Current()));
    view_.RequestRepaint();
}

void Editor::MenuBlackWindowClick() {
    TaperWindow(100, 480, 100, ws_.Current(CurveRole::Desired).points);
    view_.RequestRepaint();
}

// "Dezi" and "Round 16 Bit" change the data only; the picture follows at the next repaint.
void Editor::MenuDeziClick() {
    HoldPairs(ws_.Current(CurveRole::Desired).points);
}

void Editor::MenuRound16BitClick() {
    QuantizeValues(ws_.Current(CurveRole::Desired).points, 16);
}

void Editor::MenuAutoRangeClick() {
    AutoRange(ws_.Current());
    view_.RequestRepaint();
}

void Editor::StandardRange1Click() {
    StandardRange(ws_.Current());
    view_.RequestRepaint();
}

std::optional<std::string> Editor::ChooseReadableFile() {
    auto name = ui_.ChooseOpenFile(openFilter_);
    if (!name) return std::nullopt;
    if (!CheckFileReadable(*name, ui_)) {
        ui_.Message(QV_TR("Fehler beim Zugriff auf ") + *name + ".");
        return std::nullopt;
    }
    return name;
}

// Each loader reads the whole file before it touches a slot: a file that
// gives no curve leaves every slot as it was.
void Editor::LoadFrequencyResponse() {
    auto name = ChooseReadableFile();
    if (!name) return;
    ws_.CurrentDiagram = FrequencyResponseDiagram;
    if (auto list = ReadCurveForLoad(*name, false, ui_))
        ReplaceCurves(ws_, ws_.CurrentDiagram, CurveRole::Desired, *name, std::move(*list));
    view_.RequestRepaint();
}

void Editor::LoadGroupDelay() {
    auto name = ChooseReadableFile();
    if (!name) return;
    ws_.CurrentDiagram = GroupDelayDiagram;
    if (auto list = ReadCurveForLoad(*name, false, ui_))
        ReplaceCurves(ws_, ws_.CurrentDiagram, CurveRole::Desired, *name, std::move(*list));
    view_.RequestRepaint();
}

void Editor::LoadImpulse(bool impFormat) {
    openFilter_ = impFormat ? kOpenFilterImp : kOpenFilterDat;
    auto name = ChooseReadableFile();
    // The IMP loader leaves the DAT filter behind, also after a cancel.
    openFilter_ = kOpenFilterDat;
    if (!name) return;
    if (ws_.CurrentDiagram != ImpulseResponseDiagram && ws_.CurrentDiagram != ImpulsRoomDiagram)
        ws_.CurrentDiagram = ImpulseResponseDiagram;
    if (auto list = ReadCurveForLoad(*name, impFormat, ui_)) {
        NumberPoints(*list, 0);
        ReplaceCurves(ws_, ws_.CurrentDiagram, CurveRole::Impulse, *name, std::move(*list));
        AutoRange(ws_.Current());
    }
    view_.RequestRepaint();
}

void Editor::LoadImpulsDat() {
    LoadImpulse(false);
}

void Editor::LoadImpulsImp() {
    LoadImpulse(true);
}

void Editor::LoadZielfunktion() {
    openFilter_ = kOpenFilterDat;
    auto name = ChooseReadableFile();
    if (!name) return;
    ws_.CurrentDiagram = ImpulsRoomDiagram;
    if (auto list = ReadCurveForLoad(*name, false, ui_)) {
        NumberPoints(*list, 0);
        SetCurve(ws_, ws_.CurrentDiagram, CurveRole::TargetFunction, "dest", std::move(*list));
        AutoRange(ws_.Current());
    }
    view_.RequestRepaint();
}

void Editor::Save(const char* filter,
                  void (*writer)(const std::string&, const PointList&, UserInterface&)) {
    auto name = ui_.ChooseSaveFile(filter);
    if (!name) return;
    // The curve the engineer drew or loaded: in the impulse diagrams the impulse.
    const PointList& list = ws_.Current(CurveRole::Desired).points;
    if (name->empty() || list.empty()) {
        ui_.Message(QV_TR("Fehler beim Speichern"));
        return;
    }
    // The file dialog adds it too; a name from elsewhere gets it here.
    writer(WithFilterExtension(*name, filter), list, ui_);
}

void Editor::SaveXY() {
    Save(kSaveFilterXY, WriteXYFile);
}

void Editor::SaveY() {
    Save(kSaveFilterY, WriteYFile);
}

void Editor::SaveYI() {
    Save(kSaveFilterY, WriteYIFile);
}

void Editor::MenuImpulsFrequencyClick() {
    if (!RunImpulsFrequencyResponse(ws_, ui_)) return;
    AutoRange(ws_.Current());
    view_.RequestRepaint();
}

void Editor::MenuImpulsGroupDelayClick() {
    if (!RunImpulsGroupDelay(ws_, ui_)) return;
    AutoRange(ws_.Current());
    view_.RequestRepaint();
}

void Editor::MenuExecuteClick() {
    const auto variant = ActiveFilter(ws_.CurrentDiagram);
    Headroom headroom;
    {
        BusyScope busy(ui_);
        if (variant) {
            ExecuteResult r = ComputeExecute(GatherExecuteInputs(
                ws_, *variant, profile_, ws_.Correction.from, ws_.Correction.to));
            if (!r.refusal.empty()) ui_.Message(r.refusal);
            if (r.prediction) ShowPredictedResult(r.prediction->rms);
            headroom = r.headroom;
            const bool stored = r.refusal.empty();
            StoreExecuteResult(ws_, *variant, std::move(r));
            // The achieved and predicted curves are read against the targets.
            if (stored && *variant == FilterVariant::Equalizer)
                FitUnreadableRange(ws_[FrequencyResponseDiagram]);
        }
    }
    view_.RequestRepaint();
    // The clipping message's button lowers the target by the named amount and
    // makes the filter again.
    if (headroom.Clips() && variant &&
        ui_.Offer(HeadroomMessage(headroom), HeadroomActionText(headroom))) {
        for (CurvePoint& p : ws_.Curve(DiagramsOf(*variant).level, CurveRole::Desired).points)
            p.y -= HeadroomLoweringDb(headroom);
        MenuExecuteClick();
    }
}

// The deviation of the prediction inside the band, or an empty line.
void Editor::ShowPredictedResult(const std::optional<double>& rms) {
    view_.ShowResult(rms ? RmsStatusText(*rms, ws_.Correction.from, ws_.Correction.to) : "");
}

// Undo and redo bring back the diagram of the change: show it as its view
// command would, "Room " box included.
void Editor::ShowRestoredDiagram() {
    ShowDiagram(ws_.CurrentDiagram, RoomBoxOf(ws_.CurrentDiagram), true);
}

void Editor::MenuUndoClick() {
    if (history_.Undo(ws_)) ShowRestoredDiagram();
    UpdateUndoItems();
}

void Editor::MenuRedoClick() {
    if (history_.Redo(ws_)) ShowRestoredDiagram();
    UpdateUndoItems();
}

}  // namespace qv
