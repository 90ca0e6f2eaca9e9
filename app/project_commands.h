#pragma once
// File -> "Open Project…", "Save Project", "Save Project As…" and "Recent
// Projects", the question before unsaved work is dropped, the window caption,
// and the autosave that survives a crash. No Qt: the window binds it
// (app/project_binding) and the tests drive it.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "curves/tr.h"
#include "curves/user_interface.h"
#include "dsplink/dsp_session.h"
#include "project/workspace.h"

namespace qv {

inline constexpr const char* kProjectFilter =
    QV_TR("Quorvane Project (*.qvproj)|*.qvproj|(*.*)|*.*");
inline constexpr const char* kBaseCaption = "Quorvane DSP  Editor  V3.042 ";
inline constexpr std::size_t kRecentCount = 8;

// The questions the project commands ask beyond file choices.
class ProjectQuestions {
  public:
    enum class Answer { Save, Discard, Cancel };
    virtual ~ProjectQuestions() = default;
    // "Save the changes to NAME?" (NAME empty: no project yet) with Save,
    // Discard and Cancel.
    virtual Answer AskSaveChanges(const std::string& name) = 0;
    // Yes or no.
    virtual bool AskYesNo(const std::string& text) = 0;
};

// "Project Info…": the title is one line (line breaks become blanks, the
// ends are trimmed), the notes stay as typed. True when either changed.
bool SetProjectInfo(Workspace& ws, std::string title, std::string notes);

// $XDG_DATA_HOME/quorvane/autosave, else ~/.local/share/quorvane/autosave.
std::string DefaultAutosaveDir();

class ProjectCommands {
  public:
    // The document as it is now counts as unchanged.
    ProjectCommands(Workspace& ws, UserInterface& ui, ProjectQuestions& ask, DspState& dsp,
                    const DspProgramProfile& profile, std::string autosaveDir);

    // "Open Project…": asks about unsaved work, then a file. False when
    // nothing was opened.
    bool OpenProject();
    // Opens a named file (recent list, command line); the reason when it
    // cannot, and then the document is as it was.
    std::optional<std::string> OpenProjectFile(const std::string& path);
    // "Save Project": to its file, or as "Save Project As…" when it has none.
    bool SaveProject();
    bool SaveProjectAs();
    // Before the window closes or another document comes: true to go on
    // (saved, discarded or nothing to save), false for Cancel.
    bool MaybeSaveChanges();

    // After every command: a filter that "Execute" has just computed gets
    // the design (taps, rate) of the profile it was computed with, so that
    // the batch tool can compute it again from the project.
    void NoteComputedFilters();

    bool Changed() const;
    // The base caption, then the project's name and " *" while changed.
    std::string Caption() const;
    const std::string& path() const { return path_; }

    const std::vector<std::string>& recent() const { return recent_; }
    void SetRecent(std::vector<std::string> list);

    // Writes the open work to the autosave folder when it differs from the
    // saved document; failures are silent (the next try comes).
    void Autosave();
    // A clean end, or a saved document: the autosave is no longer needed.
    void RemoveAutosave();
    const std::string& autosaveFile() const { return autosaveFile_; }
    // The autosave a crashed editor left (its process is gone), if any.
    std::optional<std::string> FindOrphanAutosave() const;
    // At start: offers to restore an orphan autosave; the restored work
    // counts as changed. The orphan is removed whatever the answer.
    bool OfferRestore();

    // The document was replaced (open, restore): the window resyncs.
    std::function<void()> onDocumentReplaced;
    // The caption or the recent list changed.
    std::function<void()> onStateChanged;

  private:
    void Adopt(Workspace&& loaded, const std::string& path, bool keepChanged);
    bool WriteTo(const std::string& path);
    void AddRecent(const std::string& path);
    void StateChanged() {
        if (onStateChanged) onStateChanged();
    }

    Workspace& ws_;
    UserInterface& ui_;
    ProjectQuestions& ask_;
    DspState& dsp_;
    const DspProgramProfile& profile_;
    std::string autosaveDir_, autosaveFile_;
    std::string path_;
    Workspace saved_;
    PointList eqFilterSeen_, roomFilterSeen_;
    std::vector<std::string> recent_;
};

}  // namespace qv
