#pragma once
// What the core asks of the person at the screen. The editor implements it
// with message boxes and dialogs, the batch tool with standard error, the
// tests with a script of answers.

#include <optional>
#include <string>

namespace qv {

class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // A plain modal message box.
    virtual void Message(const std::string& text) = 0;
    // A message with a button that does `action` for the person; true when
    // they chose it. Where there is no such button, the message alone.
    virtual bool Offer(const std::string& text, const std::string& /*action*/) {
        Message(text);
        return false;
    }
    // An error box with a title and the error icon.
    virtual void ErrorBox(const std::string& title, const std::string& text) = 0;
    // File choice with a filter such as "XY-Werte (*.dat)|*.dat"; nullopt on cancel.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& filter) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const std::string& filter) = 0;
    // The hourglass while a long command blocks the window.
    virtual void SetBusy(bool busy) = 0;
    // A long operation: its title, then fractions 0 ... 1 with what is being done.
    virtual void BeginProgress(const std::string& title) = 0;
    virtual void Progress(double fraction, const std::string& text) = 0;
    virtual void EndProgress() = 0;
    // True once the person asked to stop the running long operation (its
    // "Cancel"); operations look between telegrams. Reset by BeginProgress.
    virtual bool ProgressCancelled() { return false; }
    // One line that says what a finished operation did ("Filter written to
    // Set 3 at 48 kHz, verified"): the status bar, or the batch tool's output.
    virtual void StatusLine(const std::string& /*text*/) {}
    // A core text for a file the person reads (the export's usage notes), in
    // the language of the window, line by line.
    virtual std::string Translated(const std::string& text) { return text; }
};

// Answers nothing and shows nothing: for benchmarks and fuzz targets, where
// only the work itself counts.
class SilentUserInterface : public UserInterface {
  public:
    void Message(const std::string&) override {}
    void ErrorBox(const std::string&, const std::string&) override {}
    std::optional<std::string> ChooseOpenFile(const std::string&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const std::string&) override { return {}; }
    void SetBusy(bool) override {}
    void BeginProgress(const std::string&) override {}
    void Progress(double, const std::string&) override {}
    void EndProgress() override {}
};

// Shows the hourglass for the lifetime of the object.
class BusyScope {
  public:
    explicit BusyScope(UserInterface& ui) : ui_(ui) { ui_.SetBusy(true); }
    ~BusyScope() { ui_.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    UserInterface& ui_;
};

// Opens a progress report and closes it on every path out.
class ProgressScope {
  public:
    ProgressScope(UserInterface& ui, const std::string& title) : ui_(ui) {
        ui_.BeginProgress(title);
    }
    ~ProgressScope() { ui_.EndProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void operator()(double fraction, const std::string& text) { ui_.Progress(fraction, text); }

  private:
    UserInterface& ui_;
};

}  // namespace qv
