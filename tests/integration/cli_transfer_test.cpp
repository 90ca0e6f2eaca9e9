// quorvane-cli dsp as a script sees a failed transfer: the last line on
// standard error says what happened to the set, exit 1, 130 after SIGINT;
// undo-write puts the set back from the box history; --no-history keeps
// nothing; write-filter without program files says what it looked for.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "tests/support/test_support.h"

namespace qv {
namespace {

struct Outcome {
    int status = -1;
    std::string err;
    std::string LastLine() const {
        const auto end = err.find_last_not_of('\n');
        const auto start = err.find_last_of('\n', end);
        return err.substr(start == std::string::npos ? 0 : start + 1, end - start);
    }
};

struct CliRun {
    test::TempDir dir;
    CliRun() {
        std::ofstream f(dir.File("f.dat"));
        for (int i = 0; i < 1800; ++i) f << i << " " << 0.5 * std::sin(i * 0.01) << "\n";
    }
    // Runs the tool in dir with its history there; interruptAt sends SIGINT
    // once a progress line holds that text.
    Outcome Dsp(const std::string& args, const std::string& interruptAt = {}) {
        int pipeFd[2];
        if (pipe(pipeFd) != 0) return {};
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(pipeFd[1], 2);
            close(pipeFd[0]);
            if (chdir(dir.path().c_str()) != 0) _exit(99);
            setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1);
            const std::string command = std::string(QV_CLI_EXE) +
                                        " --lang en dsp --port virtual --flash box.bin " + args +
                                        " > /dev/null";
            execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), nullptr);
            _exit(98);
        }
        close(pipeFd[1]);
        Outcome o;
        char buffer[4096];
        bool sent = interruptAt.empty();
        for (ssize_t n; (n = read(pipeFd[0], buffer, sizeof buffer)) > 0;) {
            o.err.append(buffer, static_cast<std::size_t>(n));
            if (!sent && o.err.find(interruptAt) != std::string::npos) {
                kill(pid, SIGINT);
                sent = true;
            }
        }
        close(pipeFd[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        o.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return o;
    }
};

const std::string kDemo = " --program-dir " + std::string(QV_SOURCE_DIR) + "/data/demo";

TEST(CliTransfer, FailureInterruptAndUndo) {
    CliRun r;
    ASSERT_EQ(r.Dsp("write-filter f.dat --set 4 --rate 48" + kDemo).status, 0);

    const Outcome silent = r.Dsp("--fault silent=80 write-filter f.dat --set 4 --rate 48" + kDemo);
    EXPECT_EQ(silent.status, 1);
    EXPECT_TRUE(silent.LastLine().starts_with(
        "Set 4 at 48 kHz: the box stopped answering while writing the filter"))
        << silent.LastLine();
    EXPECT_TRUE(silent.LastLine().ends_with(
        "The set is incomplete: write it again, or use \"quorvane-cli dsp undo-write "
        "--set 4 --rate 48\"."));
    // The set is half written: reading it back fails until the undo.
    EXPECT_EQ(r.Dsp("read-filter --set 4 --rate 48 --out back.dat").status, 1);
    EXPECT_EQ(r.Dsp("undo-write --set 4 --rate 48").status, 0);
    EXPECT_EQ(r.Dsp("read-filter --set 4 --rate 48 --out back.dat").status, 0);

    const Outcome stopped = r.Dsp("write-filter f.dat --set 4 --rate 48" + kDemo, "Writing");
    EXPECT_EQ(stopped.status, 130);
    EXPECT_TRUE(stopped.LastLine().starts_with("Set 4 at 48 kHz: cancelled while writing"))
        << stopped.LastLine();
    EXPECT_EQ(r.Dsp("undo-write --set 4 --rate 48").status, 0);
    EXPECT_EQ(r.Dsp("read-filter --set 4 --rate 48 --out back.dat").status, 0);

    const Outcome beyond = r.Dsp("undo-write --set 4 --rate 48 --steps 3");
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.LastLine(), "Set 4 at 48 kHz: the box history holds 1 state, not 3");
}

TEST(CliTransfer, NoHistoryAndMissingProgramFile) {
    CliRun r;
    const Outcome none = r.Dsp(
        "--no-history --fault silent=80 write-filter f.dat --set 2 "
        "--rate 44.1" +
        kDemo);
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.LastLine().ends_with("The set is incomplete: write it again."));
    EXPECT_FALSE(std::filesystem::exists(r.dir.path() / "data"));

    const Outcome missing = r.Dsp("write-filter f.dat --set 2 --rate 44.1");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.LastLine(),
              "write-filter needs the DSP program file quorvane.dat: not "
              "found in " +
                  r.dir.path().string() + " (--program-dir, default the current directory)");
}

}  // namespace
}  // namespace qv
