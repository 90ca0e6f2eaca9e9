// The project commands without a window: the unsaved-work question, the
// caption, a failed open that changes nothing, and an autosave that a later
// start restores.

#include "app/project_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "project/project_file.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

class ScriptedQuestions : public ProjectQuestions {
  public:
    Answer AskSaveChanges(const std::string& name) override {
        asked.push_back(name);
        return answers.empty() ? Answer::Cancel : Next();
    }
    bool AskYesNo(const std::string& text) override {
        asked.push_back(text);
        return yes;
    }
    Answer Next() {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<Answer> answers;
    std::vector<std::string> asked;
    bool yes = true;
};

struct Session {
    explicit Session(const std::string& autosaveDir)
        : commands(ws, ui, questions, dsp, profile, autosaveDir) {}
    Workspace ws;
    test::ScriptedUserInterface ui;
    ScriptedQuestions questions;
    DspState dsp;
    DspProgramProfile profile{"", 1799, 899, 48000, 6000};
    ProjectCommands commands;
};

void Bend(Workspace& ws) {
    ws[FrequencyResponseDiagram].Slot(1).points = {{20, 1.25}, {20000, -2}};
}

TEST(ProjectCommandsTest, SaveAsAddsTheExtensionAndTheCaptionFollowsChanges) {
    test::TempDir dir;
    Session e(dir.File("autosave"));
    EXPECT_EQ(e.commands.Caption(), "Quorvane DSP  Editor  V3.042 ");
    Bend(e.ws);
    EXPECT_TRUE(e.commands.Changed());
    EXPECT_EQ(e.commands.Caption(), "Quorvane DSP  Editor  V3.042 ");  // no project yet
    e.dsp.Choose({3, 1});
    e.ui.fileAnswers.push_back(dir.File("room"));
    ASSERT_TRUE(e.commands.SaveProject());
    EXPECT_EQ(e.commands.path(), dir.File("room.qvproj"));
    EXPECT_EQ(e.commands.Caption(), "Quorvane DSP  Editor  V3.042 - room");
    EXPECT_EQ(e.commands.recent(), std::vector<std::string>{dir.File("room.qvproj")});
    const LoadedProject saved = ReadProject(dir.File("room.qvproj"));
    EXPECT_EQ(saved.ws.ChosenSet, 3);
    EXPECT_EQ(saved.ws.EqDesign, (FilterDesign{1799, 48000}));
    EXPECT_EQ(saved.ws.Title, "room");
    e.ws.RoomDepth = 250;
    EXPECT_EQ(e.commands.Caption(), "Quorvane DSP  Editor  V3.042 - room *");

    // A filter computed before the profile changed keeps the design it was made with.
    SetSlot(e.ws[ImpulseResponseDiagram], 1, "impuls", {{0, 0.5}});
    e.commands.NoteComputedFilters();
    e.profile.eqTapCount = 999;
    e.commands.NoteComputedFilters();
    ASSERT_TRUE(e.commands.SaveProject());
    EXPECT_EQ(ReadProject(e.commands.path()).ws.EqDesign, (FilterDesign{1799, 48000}));
}

TEST(ProjectCommandsTest, ProjectInfoKeepsTheTitleToOneLine) {
    Workspace ws;
    EXPECT_TRUE(SetProjectInfo(ws, "  Hall\nleft\r\n ", "a\nb"));
    EXPECT_EQ(ws.Title, "Hall left");
    EXPECT_EQ(ws.Notes, "a\nb");
    EXPECT_FALSE(SetProjectInfo(ws, "Hall left", "a\nb"));
    EXPECT_TRUE(SetProjectInfo(ws, " ", ""));
    EXPECT_EQ(ws.Title, "");
}

TEST(ProjectCommandsTest, UnsavedWorkIsAskedAboutBeforeItGoes) {
    test::TempDir dir;
    Session e(dir.File("autosave"));
    EXPECT_TRUE(e.commands.MaybeSaveChanges());  // nothing changed: nobody is asked
    EXPECT_TRUE(e.questions.asked.empty());
    Bend(e.ws);
    using A = ProjectQuestions::Answer;
    e.questions.answers = {A::Cancel, A::Discard, A::Save, A::Save};
    EXPECT_FALSE(e.commands.MaybeSaveChanges());
    EXPECT_TRUE(e.commands.MaybeSaveChanges());
    e.ui.fileAnswers.push_back(std::nullopt);  // Save, then Cancel in the file dialog
    EXPECT_FALSE(e.commands.MaybeSaveChanges());
    e.ui.fileAnswers.push_back(dir.File("w.qvproj"));
    EXPECT_TRUE(e.commands.MaybeSaveChanges());
    EXPECT_FALSE(e.commands.Changed());
    EXPECT_EQ(e.questions.asked.size(), 4u);
}

TEST(ProjectCommandsTest, AFileThatCannotBeOpenedChangesNothing) {
    test::TempDir dir;
    Session e(dir.File("autosave"));
    Bend(e.ws);
    const Workspace before = e.ws;
    std::string text = ProjectText(Workspace{}, "", "now");
    const std::string file =
        dir.Write("bad.qvproj", text.replace(text.find("\"room\""), 6, "\"x\""));
    const auto error = e.commands.OpenProjectFile(file);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Cannot open the project bad.qvproj: room is missing");
    EXPECT_TRUE(SameDocument(e.ws, before));
    EXPECT_TRUE(e.commands.path().empty());
    EXPECT_TRUE(e.commands.recent().empty());
}

TEST(ProjectCommandsTest, AutosaveOfACrashedEditorIsRestoredAtTheNextStart) {
    test::TempDir dir;
    const std::string autosave = dir.File("autosave");
    std::string project;
    {
        Session crashed(autosave);
        crashed.ui.fileAnswers.push_back(dir.File("p.qvproj"));
        ASSERT_TRUE(crashed.commands.SaveProjectAs());
        project = crashed.commands.path();
        crashed.commands.Autosave();  // nothing changed: nothing written
        EXPECT_FALSE(std::filesystem::exists(crashed.commands.autosaveFile()));
        Bend(crashed.ws);
        crashed.commands.Autosave();
        ASSERT_TRUE(std::filesystem::exists(crashed.commands.autosaveFile()));
        // The editor that wrote it still runs: it is nobody's orphan.
        EXPECT_FALSE(crashed.commands.FindOrphanAutosave());
        // As a crashed process would have left it.
        std::filesystem::rename(crashed.commands.autosaveFile(),
                                autosave + "/autosave-999999999.qvproj");
        std::filesystem::rename(autosave + "/autosave-" + std::to_string(getpid()) + ".origin",
                                autosave + "/autosave-999999999.origin");
    }
    Session next(autosave);
    ASSERT_TRUE(next.commands.OfferRestore());
    EXPECT_NE(next.questions.asked.at(0).find("Restore the autosaved work of p?"),
              std::string::npos);
    EXPECT_EQ(next.ws[FrequencyResponseDiagram].Slot(1).points,
              (PointList{{20, 1.25}, {20000, -2}}));
    EXPECT_EQ(next.commands.path(), project);
    EXPECT_TRUE(next.commands.Changed());  // restored work is not saved work
    EXPECT_FALSE(next.commands.FindOrphanAutosave());
    EXPECT_FALSE(next.commands.OfferRestore());  // asked once only
    next.commands.RemoveAutosave();              // a clean end
    EXPECT_FALSE(std::filesystem::exists(next.commands.autosaveFile()));
}

}  // namespace
}  // namespace qv
