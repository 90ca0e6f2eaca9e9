// The server executable on a real pseudo-terminal. Every read has a
// time-out, and the server is killed if it does not end, so nothing hangs.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/dspbox/line_host.h"
#include "tests/support/test_support.h"

extern char** environ;

namespace qv {
namespace {

using std::chrono::milliseconds;
constexpr milliseconds kPatience{5000};

// Reads until stop(text) holds, the stream ends or the time-out passes.
template <typename Stop>
std::string ReadFd(int fd, milliseconds timeout, Stop stop) {
    std::string text;
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!stop(text)) {
        const auto left =
            std::chrono::duration_cast<milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
        char c;
        if (read(fd, &c, 1) != 1) break;
        text += c;
    }
    return text;
}

class Server {
  public:
    explicit Server(std::vector<std::string> args) {
        int fds[2];
        if (pipe(fds) != 0) throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        args.insert(args.begin(), QV_DSPBOX_EXE);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        const int rc = posix_spawn(&pid_, QV_DSPBOX_EXE, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        out_ = fds[0];
        if (rc != 0) pid_ = -1;
    }
    ~Server() {
        if (pid_ > 0) Stop();
        if (out_ >= 0) close(out_);
    }

    std::string FirstLine() {
        std::string line = ReadFd(
            out_, kPatience, [](const std::string& t) { return !t.empty() && t.back() == '\n'; });
        if (!line.empty() && line.back() == '\n') line.pop_back();
        return line;
    }
    std::string AllOutput() {
        return ReadFd(out_, kPatience, [](const std::string&) { return false; });
    }

    // SIGTERM, then the exit status; SIGKILL when the server does not end in time.
    int Stop() {
        kill(pid_, SIGTERM);
        return Wait();
    }
    int Wait() {
        AllOutput();  // ends when the server closes its output, i.e. exits
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
};

class Device {
  public:
    explicit Device(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) {
        termios tio{};
        if (fd_ >= 0 && tcgetattr(fd_, &tio) == 0) {
            cfmakeraw(&tio);
            cfsetispeed(&tio, B9600);
            cfsetospeed(&tio, B9600);
            tcsetattr(fd_, TCSANOW, &tio);
        }
    }
    ~Device() {
        if (fd_ >= 0) close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    void Send(const std::string& chars) {
        ASSERT_EQ(write(fd_, chars.data(), chars.size()), static_cast<ssize_t>(chars.size()));
    }
    std::string Line() {
        return ReadFd(fd_, kPatience,
                      [](const std::string& t) { return !t.empty() && t.back() == '\r'; });
    }
    std::string Chars(std::size_t n) {
        return ReadFd(fd_, kPatience, [n](const std::string& t) { return t.size() >= n; });
    }

  private:
    int fd_;
};

TEST(PtyServer, PingAndByteCommandRoundTrip) {
    Server server({});
    const std::string path = server.FirstLine();
    ASSERT_FALSE(path.empty());
    Device device(path);
    ASSERT_TRUE(device.ok()) << path;

    device.Send(test::Telegram({0x39, 0x00}));
    EXPECT_EQ(device.Line(), ":3A4E93\r");
    // A ':' with nothing behind it is a byte command: each character comes back.
    for (char c : std::string(":r017ff")) {
        device.Send(std::string(1, c));
        EXPECT_EQ(device.Chars(1), std::string(1, c));
    }
    device.Send("f");
    EXPECT_EQ(device.Chars(1), std::string(1, '\x01'));
    // A box from the factory: Set 2 at 48 kHz holds range High, chosen, room off.
    device.Send(test::Telegram({0x12, 0x02, 0xF0, 0x0E, 3}));
    const auto setup = test::DecodeAnswer(device.Line());
    ASSERT_TRUE(setup);
    EXPECT_EQ(setup->bytes, (std::vector<std::uint8_t>{0x21, 0x02, 0xF0, 0x0E, 1, 1, 0}));
    EXPECT_EQ(server.Stop(), 0);
}

TEST(PtyServer, FlashFileOutlivesTheServer) {
    test::TempDir dir;
    const std::string file = dir.File("flash.bin");
    {
        Server server({"--flash", file, "--erased"});
        Device device(server.FirstLine());
        ASSERT_TRUE(device.ok());
        device.Send(test::Telegram({0x11, 0x02, 0x92, 0x34, 0xAB}));
        EXPECT_EQ(device.Line(), ":217D\r");
        EXPECT_EQ(server.Stop(), 0);
    }
    ASSERT_EQ(std::filesystem::file_size(file), 786432u);
    EXPECT_EQ(static_cast<unsigned char>(test::ReadBytes(file)[(1 * 3 + 1) * 32768 + 0x1234]),
              0xAB);

    Server server({"--flash", file, "--baud-timing"});
    Device device(server.FirstLine());
    ASSERT_TRUE(device.ok());
    device.Send(test::Telegram({0x12, 0x02, 0x92, 0x34, 1}));
    const auto answer = test::DecodeAnswer(device.Line());
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->bytes, (std::vector<std::uint8_t>{0x21, 0x02, 0x92, 0x34, 0xAB}));
    EXPECT_EQ(server.Stop(), 0);
}

TEST(PtyServer, HelpAndBadArguments) {
    Server help({"--help"});
    const std::string text = help.AllOutput();
    EXPECT_NE(text.find("--fault SPEC"), std::string::npos);
    EXPECT_NE(text.find("erase-fail"), std::string::npos);
    EXPECT_EQ(help.Wait(), 0);

    Server badFault({"--fault", "nap=1"});
    EXPECT_EQ(badFault.Wait(), 2);
    Server badFlash({"--flash"});
    EXPECT_EQ(badFlash.Wait(), 2);
}

}  // namespace
}  // namespace qv
