#include "app/kdsp.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <ranges>

#include "diagram/diagram_widget.h"
#include "dsplink/dsp_session.h"
#include "translations/language.h"

namespace qv {
namespace {

QString Q(const char* s) {
    return QString::fromUtf8(s);
}

constexpr const char* kWindowGeometryKey = "window/geometry";

// The legend colour a label's style sheet was last made for.
constexpr const char* kLegendColour = "legendColour";

// Every curve of every diagram, to tell the workspace of the start.
std::vector<PointList> AllCurves(const Workspace& ws) {
    std::vector<PointList> curves;
    for (int d = 0; d < kDiagramCount; ++d)
        for (int k = 1; k <= 4; ++k) curves.push_back(ws[static_cast<DiagramId>(d)].Slot(k).points);
    return curves;
}

// True when the text changed.
bool SetLabelText(QLabel* label, const QString& text) {
    if (label->text() == text) return false;
    label->setText(text);
    return true;
}

}  // namespace

TForm1::TForm1(Workspace& ws, DspSession& dsp, UserInterface& ui, QWidget* parent)
    : QMainWindow(parent),
      ws_(ws),
      dsp_(dsp),
      ui_(ui),
      editor_(ws, ui, menuState_, *this, dsp.profile()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvane DSP  Editor  V3.042 "));
    BuildMenus();
    BuildControls();
    menuState_.onChange = [this](MenuId id) { SyncMenuItem(id); };

    // The creation handler. A port that will not open is reported once and
    // start-up goes on, so the editor is complete without a box.
    ws_.ComPortNumber = 1;
    try {
        dsp_.link().port().OpenPort(1);
    } catch (const std::exception& e) {
        ui_.ErrorBox(kErrorBoxTitle, e.what());
    }
    CreateDesiredCurve(ws_, DelayRoomDiagram, 20);
    ws_.CurrentDiagram = FrequencyRoomDiagram;
    ws_.Current(CurveRole::Desired).marked = 1;
    ws_.Current(CurveRole::Desired).name = "desired";
    CreateDesiredCurve(ws_, GroupDelayDiagram, 20);
    CreateDesiredCurve(ws_, FrequencyResponseDiagram, 20);
    editor_.SyncCurveMenuCheck();
    RestoreWindowSize();
    startCurves_ = AllCurves(ws_);
    ShowStatusLines();
    RequestRepaint();
    menuState_.HideUnofferedItems();
}

TForm1::~TForm1() = default;

void TForm1::BuildMenus() {
    std::vector<QMenu*> open;  // the menu of each depth
    for (const auto& item : MenuTree()) {
        const auto depth = static_cast<std::size_t>(item.depth);
        open.resize(depth);
        QMenu* parent = depth == 0 ? nullptr : open[depth - 1];
        if (item.kind == MenuKind::Separator) {
            parent->addSeparator();
            continue;
        }
        const int key = static_cast<int>(item.id);
        if (item.kind == MenuKind::Menu) {
            QMenu* m = parent ? parent->addMenu(TrCore(item.caption))
                              : menuBar()->addMenu(TrCore(item.caption));
            m->setObjectName(Q(item.name));
            m->menuAction()->setObjectName(Q(item.name));
            menus_.insert(key, m);
            actions_.insert(key, m->menuAction());
            open.push_back(m);
            continue;
        }
        QAction* a = parent ? parent->addAction(TrCore(item.caption))
                            : menuBar()->addAction(TrCore(item.caption));
        a->setObjectName(Q(item.name));
        a->setCheckable(item.kind == MenuKind::Check);
        if (*item.shortcut) a->setShortcut(QKeySequence(Q(item.shortcut)));
        // Qt would otherwise toggle the check on its own; the editor owns it.
        if (a->isCheckable())
            connect(a, &QAction::triggered, a,
                    [this, a, id = item.id] { a->setChecked(menuState_.Checked(id)); });
        actions_.insert(key, a);
        open.push_back(nullptr);
    }

    auto bind = [this](MenuId id, void (Editor::*fn)(), bool recordUndo = true) {
        SetCommand(
            id, [this, fn] { (editor_.*fn)(); }, recordUndo);
    };
    bind(MenuId::MenuNew, &Editor::MenuNewClick);
    bind(MenuId::MenuLoadFrequencyResponse, &Editor::LoadFrequencyResponse);
    bind(MenuId::MenuLoadGroupDelay, &Editor::LoadGroupDelay);
    bind(MenuId::MenuLoadImpulsDat, &Editor::LoadImpulsDat);
    bind(MenuId::MenuLoadImpulsImp, &Editor::LoadImpulsImp);
    bind(MenuId::MenuLoadZielfunktion, &Editor::LoadZielfunktion);
    bind(MenuId::MenuSaveXY, &Editor::SaveXY);
    bind(MenuId::MenuSaveY, &Editor::SaveY);
    bind(MenuId::MenuSaveYI, &Editor::SaveYI);
    bind(MenuId::MenuCurve, &Editor::MenuCurveClick);
    bind(MenuId::MenuBlackWindow, &Editor::MenuBlackWindowClick);
    bind(MenuId::MenuDezi, &Editor::MenuDeziClick);
    bind(MenuId::MenuRound16Bit, &Editor::MenuRound16BitClick);
    bind(MenuId::MenuAutoRange, &Editor::MenuAutoRangeClick);
    bind(MenuId::StandardRange1, &Editor::StandardRange1Click);
    bind(MenuId::MenuUndo, &Editor::MenuUndoClick, false);
    bind(MenuId::MenuRedo, &Editor::MenuRedoClick, false);
    bind(MenuId::MenuImpulsFrequency, &Editor::MenuImpulsFrequencyClick);
    bind(MenuId::MenuImpulsGroupDelay, &Editor::MenuImpulsGroupDelayClick);
    bind(MenuId::MenuExecute, &Editor::MenuExecuteClick);
    for (MenuId id :
         {MenuId::MenuViewFrequencyResponse, MenuId::MenuViewGroupDelay,
          MenuId::MenuViewImpulsResponse, MenuId::MenuViewFrequencyRoom, MenuId::MenuViewDelayRoom,
          MenuId::MenuViewImpulsRoom, MenuId::ImpulsRoom, MenuId::MenuViewImpulsHigh,
          MenuId::MenuViewImpulsLow, MenuId::MenuViewAmCorHigh, MenuId::MenuViewAmCorLow})
        SetCommand(
            id, [this, id] { editor_.ViewCommand(id); }, false);
    SetCommand(
        MenuId::MenuExit, [this] { close(); }, false);
    SetCommand(
        MenuId::MenuPointEditing,
        [this] {
            MouseEditor& m = area_->mouseEditor();
            m.pointEditing = !m.pointEditing;
            menuState_.SetChecked(MenuId::MenuPointEditing, m.pointEditing);
        },
        false);
    for (MenuId id : MenuTree() | std::views::transform(&MenuItemDef::id)) SyncMenuItem(id);
}

void TForm1::SetCommand(MenuId id, std::function<void()> command, bool recordUndo) {
    QAction* a = action(id);
    if (a == nullptr) return;
    disconnect(a, &QAction::triggered, this, nullptr);
    connect(a, &QAction::triggered, this, [this, command = std::move(command), recordUndo] {
        BeginAction();
        editor_.Run(command, recordUndo);
        if (onDocumentTouched) onDocumentTouched();
        ShowStatusLines();
    });
}

void TForm1::SyncMenuItem(MenuId id) {
    QAction* a = action(id);
    if (a == nullptr) return;
    a->setVisible(menuState_.Visible(id));
    a->setEnabled(menuState_.Enabled(id));
    if (a->isCheckable()) a->setChecked(menuState_.Checked(id));
}

void TForm1::BuildControls() {
    area_ = new DiagramWidget([this]() -> const Diagram& { return ws_.Current(); },
                              [this](int w, int h) { editor_.LayOutShownDiagram(w, h); }, this);
    area_->setObjectName(QStringLiteral("PaintBox"));
    setCentralWidget(area_);

    LabelDia = new QLabel(area_);
    LabelDia->setObjectName(QStringLiteral("LabelDia"));
    LabelDia->setAutoFillBackground(true);
    LabelDia->setStyleSheet(
        QStringLiteral("QLabel { background-color: %1; color: black; padding: 0 2px; }")
            .arg(LabelDia->palette().color(QPalette::ToolTipBase).name()));
    QFont bold = area_->font();
    bold.setBold(true);
    LabelDia->setFont(bold);
    static const char* const kDesignCaptions[4] = {QT_TR_NOOP("Sollwert"), QT_TR_NOOP("Istwert"),
                                                   QT_TR_NOOP("Curve 3"), QT_TR_NOOP("Curve 4")};
    static const char* const kNames[4] = {"LabelCurve1", "Labelcurve2", "LabelCurve3",
                                          "LabelCurve4"};
    for (int k = 0; k < 4; ++k) {
        LabelCurve[k] = new QLabel(tr(kDesignCaptions[k]), area_);
        LabelCurve[k]->setObjectName(Q(kNames[k]));
        LabelCurve[k]->setAutoFillBackground(true);
        LabelCurve[k]->setFont(bold);
        LabelCurve[k]->setContentsMargins(2, 0, 2, 0);
        LabelCurve[k]->hide();
    }

    GroupBoxRoomLength = new QGroupBox(tr("Room "), area_);
    GroupBoxRoomLength->setObjectName(QStringLiteral("GroupBoxRoomLength"));
    GroupBoxRoomLength->setAutoFillBackground(true);
    auto* grid = new QGridLayout(GroupBoxRoomLength);
    grid->setContentsMargins(6, 4, 6, 4);
    auto addSpin = [&](int row, const char* caption, const char* name, std::int32_t& value) {
        auto* spin = new QSpinBox(GroupBoxRoomLength);
        spin->setObjectName(Q(name));
        spin->setRange(1, 1000);
        spin->setValue(value);
        spin->setMaximumWidth(70);
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, [this, &value](int v) {
            value = v;
            if (onDocumentTouched) onDocumentTouched();
        });
        grid->addWidget(new QLabel(tr(caption), GroupBoxRoomLength), row, 0);
        grid->addWidget(spin, row, 1);
        grid->addWidget(new QLabel(tr("cm"), GroupBoxRoomLength), row, 2);
        return spin;
    };
    SpinEditRoomDepth = addSpin(0, QT_TR_NOOP("Depth"), "SpinEditRoomDepth", ws_.RoomDepth);
    SpinEditRoomWidth = addSpin(1, QT_TR_NOOP("Width"), "SpinEditRoomWidth", ws_.RoomWidth);
    GroupBoxRoomLength->adjustSize();
    GroupBoxRoomLength->hide();

    statusLabel_ = new QLabel(this);
    statusLabel_->setMinimumWidth(220);
    statusBar()->addWidget(statusLabel_);
    hintLabel_ = new QLabel(this);
    hintLabel_->setObjectName(QStringLiteral("LabelHint"));
    statusBar()->addWidget(hintLabel_, 1);
    resultLabel_ = new QLabel(this);
    resultLabel_->setObjectName(QStringLiteral("LabelResult"));
    statusBar()->addPermanentWidget(resultLabel_);
    transferLabel_ = new QLabel(this);
    transferLabel_->setObjectName(QStringLiteral("LabelTransfer"));
    statusBar()->addPermanentWidget(transferLabel_);
    statusBar()->setSizeGripEnabled(true);

    connect(area_, &DiagramWidget::painted, this, [this] { PlaceLabels(); });
    connect(area_, &DiagramWidget::mouseAt, this, [this](int x, int y) { ShowStatus(x, y); });
    connect(area_, &DiagramWidget::curveEditStarted, this, [this] {
        BeginAction();
        editor_.BeginCurveChange();
    });
    connect(area_, &DiagramWidget::curveEdited, this,
            [this](const PointList& points) { editor_.SetEditedCurve(points); });
    connect(area_, &DiagramWidget::areaResized, this,
            [this](int w, int h) { editor_.SetViewSize(w, h); });
    connect(area_, &DiagramWidget::curveEditFinished, this, [this] {
        if (beforeCurveEditEnds) beforeCurveEditEnds();
        editor_.EndCurveChange();
        if (onDocumentTouched) onDocumentTouched();
        ShowStatusLines();
    });
}

void TForm1::RequestRepaint() {
    area_->repaint();
}

void TForm1::SetRoomBoxVisible(bool visible) {
    GroupBoxRoomLength->setVisible(visible);
}

void TForm1::ShowResult(const std::string& text) {
    statusLines_.SetResult(text);
    ShowStatusLines();
}

void TForm1::BeginAction() {
    statusLines_.BeginAction();
    ShowStatusLines();
}

void TForm1::ShowStatusLines() {
    // Undo back to the start counts as untouched; an opened project does not.
    statusLines_.SetUntouched(AllCurves(ws_) == startCurves_);
    resultLabel_->setText(TrCore(statusLines_.Result()));
    transferLabel_->setText(TrCore(statusLines_.Transfer()));
    hintLabel_->setText(TrCore(statusLines_.Hint()));
}

QSize DefaultWindowSize(QSize available) {
    const int w = std::max(1100, available.width() * 7 / 10);
    const int h = std::max(650, available.height() * 7 / 10);
    return {std::min(w, available.width()), std::min(h, available.height())};
}

// The size the window had when it was last closed, else the default.
void TForm1::RestoreWindowSize() {
    const QSettings settings(QStringLiteral("quorvane"), QStringLiteral("quorvane"));
    if (restoreGeometry(settings.value(kWindowGeometryKey).toByteArray())) return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(DefaultWindowSize(screen ? screen->availableGeometry().size() : QSize(1100, 650)));
}

void TForm1::SaveWindowSize() {
    QSettings(QStringLiteral("quorvane"), QStringLiteral("quorvane"))
        .setValue(kWindowGeometryKey, saveGeometry());
}

// Runs after every paint of the drawing area: each call below must leave a
// label alone when it already shows what it should, or the label's own repaint
// would paint the area again, for ever.
void TForm1::PlaceLabels() {
    const DiagramLabels& labels = area_->labels();
    if (SetLabelText(LabelDia, TrCore(labels.title))) LabelDia->adjustSize();
    LabelDia->move(labels.titleRight - LabelDia->width(), labels.titleTop);
    for (int k = 0; k < 4; ++k) {
        const LegendLabel& l = labels.legend[static_cast<std::size_t>(k)];
        QLabel* label = LabelCurve[k];
        if (!l.visible) {
            label->hide();
            continue;
        }
        bool resized = SetLabelText(label, TrCore(l.caption));
        const QColor bg(l.colour & 0xFF, (l.colour >> 8) & 0xFF, (l.colour >> 16) & 0xFF);
        if (label->property(kLegendColour).value<QColor>() != bg) {
            label->setProperty(kLegendColour, bg);
            label->setStyleSheet(
                QStringLiteral("QLabel { background-color: %1; color: white; padding: 0 2px; }")
                    .arg(bg.name()));
            resized = true;
        }
        if (resized) label->adjustSize();
        label->move(l.left, l.top);
        label->show();
    }
    GroupBoxRoomLength->move(area_->width() - GroupBoxRoomLength->width() - 4,
                             area_->height() - GroupBoxRoomLength->height() - 30);
}

void TForm1::ShowStatus(int x, int y) {
    statusLabel_->setText(TrCore(PositionText(ws_.Current(), ws_.ViewWidth, ws_.ViewHeight, x, y)));
}

void TForm1::ShowTransferLine(const std::string& text) {
    statusLines_.SetTransfer(text);
    ShowStatusLines();
}

void TForm1::SyncRoomSize() {
    SpinEditRoomDepth->setValue(ws_.RoomDepth);
    SpinEditRoomWidth->setValue(ws_.RoomWidth);
}

bool TForm1::TransferStopsForClose() {
    // A transfer shows the only progress dialog; it runs on this thread.
    auto* progress = findChild<QProgressDialog*>();
    if (progress == nullptr || !progress->isVisible()) return true;
    if (!closeAfterTransfer_) {
        const auto answer = QMessageBox::question(
            this, windowTitle(), tr("A transfer to the DSP is running. Stop it and close?"));
        if (answer != QMessageBox::Yes) return false;
        closeAfterTransfer_ = true;
        // Stops between telegrams as Cancel does; the transfer then says
        // what the set holds, and the window closes after it.
        progress->cancel();
    }
    QTimer::singleShot(100, this, &QWidget::close);
    return false;
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A running transfer stops first; unsaved work is asked about after it.
    if (!TransferStopsForClose() || (canClose && !canClose())) {
        event->ignore();
        return;
    }
    SaveWindowSize();
    dsp_.link().port().ClosePort();
    event->accept();
}

}  // namespace qv
