#pragma once
// The batch tool's user interface: messages as lines on standard error,
// progress as one line rewritten in place on a terminal and as a line every
// 10 % in a log; nobody is asked anything.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/cli_language.h"
#include "curves/time_left.h"
#include "curves/user_interface.h"

namespace qv::cli {

class CliUserInterface : public UserInterface {
  public:
    void Message(const std::string& text) override { Line(Tr(text)); }
    void ErrorBox(const std::string& title, const std::string& text) override {
        Line(Tr(title) + ": " + Tr(text));
    }
    std::optional<std::string> ChooseOpenFile(const std::string&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const std::string&) override { return {}; }
    void SetBusy(bool) override {}
    void BeginProgress(const std::string& title) override {
        title_ = Tr(title);
        percent_ = -1;
        start_ = std::chrono::steady_clock::now();
    }
    void Progress(double fraction, const std::string& text) override {
        // A log gets a line for each tenth only.
        const int percent =
            tty_ ? static_cast<int>(fraction * 100.0) : 10 * static_cast<int>(fraction * 10.0);
        if (percent == percent_ && (text == text_ || !tty_)) return;
        percent_ = percent;
        text_ = text;
        const std::string shown = Tr(text);
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start_);
        const std::string left = Tr(TimeLeftText(elapsed.count(), fraction));
        // A terminal rewrites the line in place; a log gets one line each.
        std::fprintf(stderr, "%s%s: %3d %% %s - %s%s", tty_ ? "\r" : "", title_.c_str(), percent,
                     shown.c_str(), left.c_str(), tty_ ? "\x1b[K" : "\n");
        std::fflush(stderr);
        open_ = tty_;
    }
    void EndProgress() override { EndLine(); }
    // What a transfer did goes to standard output, the tool's result.
    void StatusLine(const std::string& text) override {
        EndLine();
        std::printf("%s\n", Tr(text).c_str());
        std::fflush(stdout);
    }

    // Whether progress goes to a terminal (tests set it).
    void SetTerminal(bool tty) { tty_ = tty; }

  private:
    void EndLine() {
        if (open_) std::fputc('\n', stderr);
        open_ = false;
    }
    void Line(const std::string& text) {
        EndLine();
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    std::string title_, text_;
    int percent_ = -1;
    std::chrono::steady_clock::time_point start_;
    bool tty_ = isatty(fileno(stderr)) != 0;
    bool open_ = false;
};

}  // namespace qv::cli
