#pragma once
// Test doubles shared by every test folder.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "curves/user_interface.h"

namespace qv::test {

// Records every message and answers file choices from a script.
class ScriptedUserInterface : public UserInterface {
  public:
    void Message(const std::string& text) override { messages.push_back(text); }
    void ErrorBox(const std::string& title, const std::string& text) override {
        errors.push_back(title + ": " + text);
    }
    std::optional<std::string> ChooseOpenFile(const std::string& filter) override;
    std::optional<std::string> ChooseSaveFile(const std::string& filter) override;
    void SetBusy(bool busy) override { busyChanges.push_back(busy); }
    void BeginProgress(const std::string& title) override { progressTitles.push_back(title); }
    void Progress(double fraction, const std::string& text) override {
        progress.push_back({fraction, text});
        if (cancelAt && fraction >= *cancelAt) cancelled = true;
    }
    void EndProgress() override { ++progressEnds; }
    bool ProgressCancelled() override { return cancelled; }
    void StatusLine(const std::string& text) override { statusLines.push_back(text); }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> filters;  // the filter of every file dialog, in order
    std::deque<std::optional<std::string>> fileAnswers;  // nullopt = Cancel
    std::vector<bool> busyChanges;
    std::vector<std::string> progressTitles;
    std::vector<std::pair<double, std::string>> progress;
    int progressEnds = 0;
    // "Cancel" is pressed once the progress reaches this fraction.
    std::optional<double> cancelAt;
    bool cancelled = false;
    std::vector<std::string> statusLines;
};

// A fresh directory below the system's temp folder, removed at the end.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Writes bytes exactly as given (no line-end translation).
    std::string Write(const std::string& name, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& file);
// What a program run by the tests gave back: its exit status (-1 when it
// did not exit) and what it wrote to standard output and error together.
struct ProgramRun {
    int status = -1;
    std::string output;
};
// Runs a shell command line with its standard error joined to the output.
ProgramRun RunProgram(const std::string& commandLine);
#ifdef QV_CLI_EXE
// The batch tool with args; env (VAR=value ...) goes before it.
inline ProgramRun RunCli(const std::string& args, const std::string& env = {}) {
    return RunProgram(env + (env.empty() ? "" : " ") + QV_CLI_EXE + " " + args);
}
#endif
// A file of the shared measurement folder.
std::string Measurement(const std::string& name);
// The shared measurement folder sits beside the team's clones only; a user's
// clone has none, and tests that read it skip themselves there.
bool HaveMeasurements();

}  // namespace qv::test

#define QV_SKIP_WITHOUT_MEASUREMENTS()                                     \
    do {                                                                   \
        if (!::qv::test::HaveMeasurements())                               \
            GTEST_SKIP() << "no ../shared/measurements beside this clone"; \
    } while (0)

namespace qv::test {}  // namespace qv::test
