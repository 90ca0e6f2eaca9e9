// The project items of the main window: their shortcuts, the caption, the
// recent list in a scratch settings file, and a close that Cancel stops.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

#include "app/kdsp.h"
#include "app/project_binding.h"
#include "dspbox/virtual_dsp_box.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

class Answers : public ProjectQuestions {
  public:
    Answer AskSaveChanges(const std::string&) override {
        ++asked;
        return answer;
    }
    bool AskYesNo(const std::string&) override { return false; }
    Answer answer = Answer::Cancel;
    int asked = 0;
};

struct Window {
    explicit Window(const test::TempDir& dir)
        : form(ws, dsp, ui),
          binding(form, ws, ui, dsp, {dir.File("settings.ini"), dir.File("autosave")}) {
        binding.SetQuestions(&answers);
        form.show();
        QApplication::processEvents();
    }
    Workspace ws;
    FakeClock clock;
    VirtualDspBox box{clock};
    DspSession dsp{box, clock};
    test::ScriptedUserInterface ui;
    TForm1 form;
    Answers answers;
    ProjectBinding binding;
};

TEST(ProjectWindow, ShortcutsCaptionRecentListAndClose) {
    test::TempDir dir;
    {
        Window w(dir);
        EXPECT_EQ(w.form.action(MenuId::MenuOpenProject)->shortcut(), QKeySequence("Ctrl+O"));
        EXPECT_EQ(w.form.action(MenuId::MenuSaveProject)->shortcut(), QKeySequence("Ctrl+S"));
        EXPECT_EQ(w.form.action(MenuId::MenuSaveProjectAs)->shortcut(),
                  QKeySequence("Ctrl+Shift+S"));
        EXPECT_FALSE(w.form.action(MenuId::MenuRecentProjects)->isEnabled());

        w.ui.fileAnswers.push_back(dir.File("hall"));
        w.form.action(MenuId::MenuSaveProject)->trigger();
        EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Quorvane DSP  Editor  V3.042 - hall"));
        w.form.action(MenuId::MenuCurve)->trigger();
        EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Quorvane DSP  Editor  V3.042 - hall *"));
        EXPECT_TRUE(w.binding.autosaveTimer().isActive());

        EXPECT_FALSE(w.form.close());  // Cancel
        EXPECT_TRUE(w.form.isVisible());
        w.answers.answer = ProjectQuestions::Answer::Discard;
        EXPECT_TRUE(w.form.close());
        EXPECT_EQ(w.answers.asked, 2);
    }
    Window next(dir);
    QMenu* recent = next.form.submenu(MenuId::MenuRecentProjects);
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_TRUE(recent->actions()[0]->text().endsWith(QStringLiteral("hall.qvproj")));
    next.form.action(MenuId::MenuCurve)->trigger();
    next.answers.answer = ProjectQuestions::Answer::Discard;
    recent->actions()[0]->trigger();
    QApplication::processEvents();  // the recent item opens after its signal
    EXPECT_EQ(next.form.windowTitle(), QStringLiteral("Quorvane DSP  Editor  V3.042 - hall"));
    EXPECT_FALSE(next.form.editor().CanUndo());
}

// A project opened outside a menu command (at start, after a crash, from the
// recent list) is no untouched workspace: the first screen's guide goes.
TEST(ProjectWindow, OpenedProjectEndsTheFirstScreenGuide) {
    test::TempDir dir;
    {
        Window w(dir);
        SetSlot(w.ws[FrequencyResponseDiagram], 3, "woofer", PointList{{20, 1}, {20000, -2}});
        w.ui.fileAnswers.push_back(dir.File("hall"));
        w.form.action(MenuId::MenuSaveProject)->trigger();
    }
    Window next(dir);
    ASSERT_FALSE(next.form.hintLabel()->text().isEmpty());
    next.form.ShowTransferLine("Filter written");
    ASSERT_FALSE(next.binding.commands().OpenProjectFile(dir.File("hall.qvproj")));
    EXPECT_TRUE(next.form.hintLabel()->text().isEmpty());
    EXPECT_TRUE(next.form.transferLabel()->text().isEmpty());
}

}  // namespace
}  // namespace qv
