#include "app/kdsp.h"

#include "app/status_text.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "curves/curve_files.h"
#include "diagram/diagram_widget.h"
#include "dsplink/dsp_session.h"
#include "tests/support/test_support.h"
#include "tests/support/window_parts.h"

namespace qv {
namespace {

struct Editor : test::WindowParts<test::MissingDevice> {
    std::unique_ptr<TForm1> form;

    Editor() {
        form = std::make_unique<TForm1>(ws, dsp, ui);
        form->show();
        QApplication::processEvents();
    }
    void Trigger(MenuId id) { form->action(id)->trigger(); }
    bool CurveChecked() { return form->action(MenuId::MenuCurve)->isChecked(); }
};

TEST(MainWindow, StartsWithoutComOneAndCompletesStartUp) {
    Editor e;
    EXPECT_EQ(e.form->windowTitle(), QStringLiteral("Quorvane DSP  Editor  V3.042 "));
    ASSERT_EQ(e.ui.errors.size(), 1u);
    EXPECT_NE(e.ui.errors[0].find("Unable to open specified device /dev/ttyS0"), std::string::npos);
    EXPECT_EQ(e.ws.CurrentDiagram, FrequencyResponseDiagram);
    EXPECT_EQ(e.ws.Current().Slot(1).points, (PointList{{20, 0}, {20000, 0}}));
    EXPECT_EQ(e.ws[DelayRoomDiagram].Slot(1).name, "desired");
    EXPECT_EQ(e.ws[FrequencyRoomDiagram].Slot(1).marked, 1);
    EXPECT_FALSE(e.form->action(MenuId::Mathe)->isVisible());
    EXPECT_FALSE(e.form->action(MenuId::MenuTest)->isVisible());
    EXPECT_TRUE(e.form->action(MenuId::MenuVolume)->isVisible());
    EXPECT_TRUE(e.CurveChecked());
}

TEST(MainWindow, MenuCaptionsKeepTheirBlanks) {
    Editor e;
    EXPECT_EQ(e.form->action(MenuId::MenuSaveY)->text(), QStringLiteral(" Y- Format"));
    EXPECT_EQ(e.form->action(MenuId::MenuLoadImpulsImp)->text(), QStringLiteral("IMP  - Format"));
    EXPECT_EQ(e.form->action(MenuId::MenuCutImpuls)->text(), QStringLiteral("Cut  Impuls"));
    EXPECT_EQ(e.form->action(MenuId::ImpulsRoom)->objectName(), QStringLiteral("ImpulsRoom"));
    EXPECT_EQ(e.form->action(MenuId::MenuExecute)->objectName(), QStringLiteral("MenuExecute"));
}

TEST(MainWindow, CurveCheckFollowsTheViewCommands) {
    Editor e;
    e.Trigger(MenuId::MenuViewImpulsResponse);
    EXPECT_FALSE(e.CurveChecked());
    e.Trigger(MenuId::MenuViewFrequencyResponse);
    EXPECT_TRUE(e.CurveChecked());
    // "Impuls Room" does not sync: the check of the previous diagram stays.
    e.Trigger(MenuId::MenuViewImpulsRoom);
    EXPECT_EQ(e.ws.CurrentDiagram, ImpulsRoomDiagram);
    EXPECT_TRUE(e.CurveChecked());
    // "Curve" on an empty slot still flips the flag and the check.
    e.Trigger(MenuId::MenuViewImpulsResponse);
    e.Trigger(MenuId::MenuCurve);
    EXPECT_TRUE(e.CurveChecked());
    EXPECT_EQ(e.ws[ImpulseResponseDiagram].Slot(1).marked, 1);
}

TEST(MainWindow, RoomBoxRules) {
    Editor e;
    QGroupBox* box = e.form->roomBox();
    EXPECT_EQ(box->title(), QStringLiteral("Room "));
    EXPECT_FALSE(box->isVisible());
    e.Trigger(MenuId::ImpulsRoom);  // "Filter Room"
    EXPECT_TRUE(box->isVisible());
    e.Trigger(MenuId::MenuViewImpulsResponse);
    EXPECT_TRUE(box->isVisible());
    e.Trigger(MenuId::MenuViewGroupDelay);
    EXPECT_FALSE(box->isVisible());
    e.Trigger(MenuId::MenuViewImpulsResponse);
    EXPECT_FALSE(box->isVisible());
}

// Drags the second point of a desired curve {{100, -5}, {500, 0}} on linear
// axes 40 pixels right and a quarter of the plot up; returns the plot's size.
QSize DragTheSecondPoint(TForm1& form, Workspace& ws) {
    form.resize(843, 414);
    QApplication::processEvents();
    DiagramWidget* area = form.drawingArea();
    Diagram& d = ws.Current();
    // Linear axes make the pixel arithmetic plain: x 0 ... 1000, y -10 ... 10.
    d.xLog = 0;
    d.xFrom = 0;
    d.xTo = 1000;
    d.yFrom = -10;
    d.yTo = 10;
    d.Slot(1).points = {{100, -5}, {500, 0}};
    area->repaint();
    const int w = area->width() - 30, h = area->height() - 25;
    const QPoint from(30 + w / 2, h / 2);
    const QPoint to(30 + w / 2 + 40, h / 4);
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), area->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, to);
    return {w, h};
}

TEST(MainWindow, DragMovesAPointAndUndoBringsItBack) {
    Editor e;
    const Diagram& d = e.ws.Current();
    const QSize plot = DragTheSecondPoint(*e.form, e.ws);
    const int w = plot.width(), h = plot.height();
    ASSERT_EQ(d.Slot(1).points.size(), 2u);
    EXPECT_EQ(d.Slot(1).points[0], (CurvePoint{100, -5}));
    EXPECT_NEAR(d.Slot(1).points[1].x, 500 + 40.0 * 1000 / w, 1000.0 / w);
    EXPECT_NEAR(d.Slot(1).points[1].y, 5, 20.0 / h);
    const PointList moved = d.Slot(1).points;
    e.Trigger(MenuId::MenuUndo);  // the whole drag is one step
    EXPECT_EQ(d.Slot(1).points, (PointList{{100, -5}, {500, 0}}));
    e.Trigger(MenuId::MenuRedo);
    EXPECT_EQ(d.Slot(1).points, moved);
}

TEST(MainWindow, ResizeSetsTheViewAndTheTitleFollows) {
    Editor e;
    e.form->resize(1000, 500);
    QApplication::processEvents();
    EXPECT_EQ(e.ws.ViewWidth, e.form->drawingArea()->width());
    EXPECT_EQ(e.ws.ViewHeight, e.form->drawingArea()->height());
    QLabel* title = e.form->labelDia();
    EXPECT_EQ(title->text(), QStringLiteral("Frequency Response"));
    EXPECT_EQ(title->x() + title->width() + 10, e.ws.ViewWidth);
    EXPECT_TRUE(e.form->labelCurve(1)->isVisible());
    EXPECT_EQ(e.form->labelCurve(1)->text(), QStringLiteral("desired"));
    EXPECT_FALSE(e.form->labelCurve(2)->isVisible());
}

// Left alone, the window paints nothing: placing the legend after a paint
// must not ask for another one.
TEST(MainWindow, RestsWhenNothingChanges) {
    Editor e;
    DiagramWidget* area = e.form->drawingArea();
    int paints = 0;
    QObject::connect(area, &DiagramWidget::painted, [&paints] { ++paints; });
    area->update();
    for (int turn = 0; turn < 3 && paints == 0; ++turn) QApplication::processEvents();
    ASSERT_GT(paints, 0);  // the asked-for paint came
    paints = 0;
    for (int turn = 0; turn < 10; ++turn) QApplication::processEvents();
    EXPECT_EQ(paints, 0);
    EXPECT_TRUE(e.form->labelCurve(1)->isVisible());
}

// A status line belongs to the action that made it; the first screen's guide
// stays while there is nothing to undo.
TEST(MainWindow, StatusLinesAgeWithTheirAction) {
    Editor e;
    auto shown = [&e] {
        return std::vector<QString>{e.form->resultLabel()->text(), e.form->transferLabel()->text(),
                                    e.form->hintLabel()->text()};
    };
    const QString hint = QString::fromUtf8(kFirstStepsHint);
    EXPECT_EQ(shown(), (std::vector<QString>{"", "", hint}));
    e.form->SetCommand(MenuId::MenuAbout, [&e] { e.form->ShowTransferLine("Setup written"); });
    e.Trigger(MenuId::MenuAbout);
    EXPECT_EQ(shown(), (std::vector<QString>{"", "Setup written", ""}));
    e.Trigger(MenuId::MenuViewGroupDelay);  // another diagram
    EXPECT_EQ(shown(), (std::vector<QString>{"", "", hint}));
    e.Trigger(MenuId::MenuNew);
    e.form->ShowResult("predicted: 1.2 dB rms");
    e.form->ShowTransferLine("Filter written");
    EXPECT_EQ(shown(), (std::vector<QString>{"predicted: 1.2 dB rms", "Filter written", ""}));
    e.Trigger(MenuId::MenuUndo);  // back to the untouched workspace
    EXPECT_EQ(shown(), (std::vector<QString>{"", "", hint}));
}

TEST(MainWindow, FirstSizeFollowsTheScreenAndIsRemembered) {
    EXPECT_EQ(DefaultWindowSize({1920, 1080}), QSize(1344, 756));
    EXPECT_EQ(DefaultWindowSize({1280, 800}), QSize(1100, 650));
    EXPECT_EQ(DefaultWindowSize({1024, 600}), QSize(1024, 600));
    {
        Editor e;
        e.form->resize(900, 500);
        e.form->close();
    }
    Editor again;
    EXPECT_EQ(again.form->size(), QSize(900, 500));
}

TEST(MainWindow, RefusedFileIsReportedAndChangesNothing) {
    Editor e;
    e.ui.errors.clear();
    test::TempDir dir;
    e.ui.fileAnswers.push_back(dir.path().string());  // a directory is no curve file
    e.Trigger(MenuId::MenuLoadFrequencyResponse);
    ASSERT_EQ(e.ui.messages.size(), 2u);
    EXPECT_EQ(e.ui.messages[1], "Fehler beim Zugriff auf " + dir.path().string() + ".");
    EXPECT_EQ(e.ws.Current().Slot(1).name, "desired");  // nothing changed
    EXPECT_TRUE(e.ui.errors.empty());
}

// A file that opens but cannot be read raises an error inside the loader:
// it ends the command in the error box before any slot changed, and the next
// command runs as usual.
TEST(MainWindow, ErrorsEndTheCommandInTheErrorBox) {
    const std::string unreadable = "/proc/self/mem";  // opens, but reading offset 0 fails
    if (std::FILE* f = std::fopen(unreadable.c_str(), "rb")) {
        std::fclose(f);
    } else {
        GTEST_SKIP() << "no " << unreadable << " on this system";
    }
    Editor e;
    e.ui.errors.clear();
    e.Trigger(MenuId::MenuViewGroupDelay);
    e.ui.fileAnswers.push_back(unreadable);
    e.Trigger(MenuId::MenuLoadFrequencyResponse);
    ASSERT_EQ(e.ui.errors.size(), 1u);
    EXPECT_EQ(e.ui.errors[0].rfind("quorvane: Lesefehler in " + unreadable, 0), 0u)
        << e.ui.errors[0];
    EXPECT_TRUE(e.ui.messages.empty());
    EXPECT_EQ(e.ws.CurrentDiagram, FrequencyResponseDiagram);
    EXPECT_EQ(e.ws.Current().Slot(1).name, "desired");
    EXPECT_FALSE(e.form->action(MenuId::MenuUndo)->isEnabled());
    e.Trigger(MenuId::MenuNew);
    EXPECT_EQ(e.ws.Current().Slot(1).points, (PointList{{10, 0}, {20000, 0}}));
}

// The editor owns every check mark: a trigger shows the editor's state, not
// Qt's own toggle.
TEST(MainWindow, EveryCheckItemShowsTheEditorsCheck) {
    Editor e;
    for (const MenuItemDef& item : MenuTree()) {
        if (item.kind != MenuKind::Check) continue;
        QAction* a = e.form->action(item.id);
        ASSERT_NE(a, nullptr) << item.name;
        for (int i = 0; i < 2; ++i) {
            a->trigger();
            EXPECT_EQ(a->isChecked(), e.form->menuState().Checked(item.id)) << item.name;
        }
    }
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// "Execute" from the window fills the filter and the achieved curves; with
// QV_SCREENSHOT_DIR set the two views are saved for the documentation.
TEST(MainWindow, ExecuteShowsTargetAndAchievedCurves) {
    Editor e;
    ApplyProfile(e.dsp, 1, 0, 48000, nullptr, e.ui);
    const std::string cor = std::string(QV_SOURCE_DIR) + "/data/demo/amlin.cor";
    SetSlot(e.ws[FrequencyResponseHighDiagram], 1, cor, ReadXYFile(cor, e.ui));
    Diagram& fr = e.ws[FrequencyResponseDiagram];
    fr.Slot(1).points = {{20, 0}, {80, 6}, {300, 0}, {3000, -3}, {20000, -3}};
    e.form->resize(843, 414);
    e.Trigger(MenuId::MenuExecute);
    EXPECT_FALSE(fr.Slot(2).points.empty());
    EXPECT_EQ(fr.Slot(2).name, "real");
    EXPECT_EQ(e.ws[ImpulseResponseDiagram].Slot(1).points.size(), 1800u);
    EXPECT_TRUE(e.form->action(MenuId::MenuUndo)->isEnabled());
    const QByteArray dir = qgetenv("QV_SCREENSHOT_DIR");
    if (!dir.isEmpty()) e.form->grab().save(QString::fromUtf8(dir) + "/frequency-response.png");
    e.Trigger(MenuId::MenuViewImpulsResponse);
    if (!dir.isEmpty()) e.form->grab().save(QString::fromUtf8(dir) + "/impulse-response.png");
}

}  // namespace
}  // namespace qv

#include "app/editor_shell.h"
#include "dspbox/virtual_dsp_box.h"

namespace qv {
namespace {

TEST(EditorShell, MissingPortIsReportedOnceAndTheProfileStillComes) {
    test::WindowParts<test::MissingDevice> p;
    EditorShell shell(p.ws, p.dsp, p.ui);
    EXPECT_EQ(p.ui.errors.size(), 1u);
    EXPECT_EQ(p.dsp.profile().programFile, "quorvane.dat");
    EXPECT_EQ(p.dsp.profile().eqTapCount, 1799);
    EXPECT_EQ(p.dsp.state().DspConnected(), 0);
    p.ui.messages.clear();
    shell.form().action(MenuId::MenuFilterToDsp)->trigger();
    EXPECT_EQ(p.ui.messages, (std::vector<std::string>{"No DSP -> Please connect DSP to USB"}));
}

TEST(EditorShell, ComPortThatWillNotOpenEndsInTheErrorBox) {
    test::WindowParts<test::MissingDevice> p;
    EditorShell shell(p.ws, p.dsp, p.ui);
    p.ui.errors.clear();
    shell.form().action(MenuId::MenuCom3)->trigger();
    ASSERT_EQ(p.ui.errors.size(), 1u);
    EXPECT_NE(p.ui.errors[0].find("Unable to open specified device"), std::string::npos);
    EXPECT_EQ(p.ws.ComPortNumber, 3);  // set before the port refused
}

// A box that never answers: the check takes all its pings.
class SilentDevice : public test::MissingDevice {
  public:
    void Open(const std::string&) override { ++opens; }
    bool IsOpen() const override { return opens > 0; }
    bool WriteByte(std::uint8_t, std::chrono::milliseconds) override {
        if (++writes == 1 && onFirstWrite) onFirstWrite();
        return true;
    }
    std::function<void()> onFirstWrite;
    int opens = 0, writes = 0;
};

bool MainWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form1") && w->isVisible()) return true;
    return false;
}

// The messages of the start-up check, with what was on screen then.
class WatchingUserInterface : public test::ScriptedUserInterface {
  public:
    void Message(const std::string& text) override {
        ScriptedUserInterface::Message(text);
        windowBehindMessage.push_back(MainWindowVisible());
        busyAtMessage.push_back(!busyChanges.empty() && busyChanges.back());
    }
    std::vector<bool> windowBehindMessage, busyAtMessage;
};

TEST(EditorShell, WindowIsShownBeforeTheConnectionCheck) {
    Workspace ws;
    CreateDiagramSet(ws);
    SilentDevice device;
    FakeClock clock;
    DspSession dsp(device, clock);
    WatchingUserInterface ui;
    bool windowHandedOver = false, visibleAtFirstPing = false, busyAtFirstPing = false,
         handedOverAtFirstPing = false;
    device.onFirstWrite = [&] {
        visibleAtFirstPing = MainWindowVisible();
        busyAtFirstPing = !ui.busyChanges.empty() && ui.busyChanges.back();
        handedOverAtFirstPing = windowHandedOver;
    };
    EditorShell shell(ws, dsp, ui, [&](TForm1& window) { windowHandedOver = window.isVisible(); });
    EXPECT_TRUE(visibleAtFirstPing);
    EXPECT_TRUE(busyAtFirstPing);
    EXPECT_TRUE(handedOverAtFirstPing);  // message boxes can sit over the window
    ASSERT_EQ(ui.messages, (std::vector<std::string>{"keine RS232-Verbindung zu DSP!"}));
    EXPECT_EQ(ui.windowBehindMessage, (std::vector<bool>{true}));
    EXPECT_EQ(ui.busyAtMessage, (std::vector<bool>{false}));  // the box gets the plain cursor
    ASSERT_FALSE(ui.busyChanges.empty());
    EXPECT_FALSE(ui.busyChanges.back());
    EXPECT_EQ(dsp.state().DspConnected(), 0);
}

TEST(EditorShell, StartsSilentlyWithTheVirtualBox) {
    test::WindowParts<VirtualDspBox> p;
    EditorShell shell(p.ws, p.dsp, p.ui);
    EXPECT_TRUE(p.ui.errors.empty());
    EXPECT_TRUE(p.ui.messages.empty());
    EXPECT_EQ(p.dsp.state().DspConnected(), 1);
    // The room items follow the profile: room equalizer off at start.
    EXPECT_FALSE(shell.form().action(MenuId::MenuViewDelayRoom)->isEnabled());
}

// With the shell's live binding too, a drag ends as an action: the first
// screen's guide goes and the document counts as touched.
TEST(EditorShell, ADragEndsAsAnActionOnTheDocument) {
    Workspace ws;
    CreateDiagramSet(ws);
    FakeClock clock;
    VirtualDspBox box(clock);
    DspSession dsp(box, clock);
    test::ScriptedUserInterface ui;
    EditorShell shell(ws, dsp, ui);
    int touched = 0;
    shell.form().onDocumentTouched = [&touched] { ++touched; };
    DragTheSecondPoint(shell.form(), ws);
    EXPECT_EQ(touched, 1);
    EXPECT_TRUE(shell.form().hintLabel()->text().isEmpty());
}

}  // namespace
}  // namespace qv
