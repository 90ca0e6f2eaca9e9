#pragma once
// Binds the project commands to the main window: the File menu items and the
// "Recent Projects" submenu (kept in the settings), the caption, the question
// before closing with unsaved work, and the autosave a minute after a change.

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "app/project_commands.h"

namespace qv {

class TForm1;
class TProjectInfoDlg;

// Where the binding keeps things; empty: the user's settings and
// DefaultAutosaveDir(). Tests point both at scratch folders.
struct ProjectPlaces {
    std::string settingsFile;
    std::string autosaveDir;
};

class ProjectBinding : public QObject, public ProjectQuestions {
  public:
    static constexpr int kAutosaveMs = 60 * 1000;

    ProjectBinding(TForm1& form, Workspace& ws, UserInterface& ui, DspSession& dsp,
                   const ProjectPlaces& places);
    ~ProjectBinding() override;

    ProjectCommands& commands() { return commands_; }
    const QTimer& autosaveTimer() const { return autosave_; }
    // Tests answer the questions instead of message boxes.
    void SetQuestions(ProjectQuestions* questions) { questions_ = questions; }

    Answer AskSaveChanges(const std::string& name) override;
    bool AskYesNo(const std::string& text) override;

  private:
    void Touched();
    void StateChanged();
    void RebuildRecentMenu();
    void OpenRecent(const std::string& path);

    TForm1& form_;
    Workspace& ws_;
    UserInterface& ui_;
    std::string settingsFile_;
    ProjectQuestions* questions_ = nullptr;
    ProjectCommands commands_;
    QTimer autosave_;
    TProjectInfoDlg* info_ = nullptr;  // a child of the window
};

}  // namespace qv
