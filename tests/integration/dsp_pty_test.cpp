// The whole road over a real pseudo-terminal: quorvane-dspbox serves the
// virtual box, quorvane-cli writes a filter through the Qt serial device,
// and the box's flash file holds the encoded coefficients afterwards.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "curves/curve_files.h"
#include "dsplink/filter_transfer.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

// A running quorvane-dspbox; stopped with SIGTERM, which saves its flash.
class BoxProcess {
  public:
    explicit BoxProcess(const std::string& flash, const char* fault = nullptr) {
        int out[2];
        if (pipe(out) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            if (fault != nullptr) {
                execl(QV_DSPBOX_EXE, QV_DSPBOX_EXE, "--flash", flash.c_str(), "--fault", fault,
                      nullptr);
            } else {
                execl(QV_DSPBOX_EXE, QV_DSPBOX_EXE, "--flash", flash.c_str(), nullptr);
            }
            _exit(127);
        }
        close(out[1]);
        stdout_ = fdopen(out[0], "r");
        char line[256];
        if (stdout_ != nullptr && std::fgets(line, sizeof line, stdout_) != nullptr) {
            device_ = line;
            while (!device_.empty() && (device_.back() == '\n' || device_.back() == '\r'))
                device_.pop_back();
        }
    }
    ~BoxProcess() { Stop(); }
    const std::string& device() const { return device_; }
    int Stop() {
        if (pid_ <= 0) return -1;
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        if (stdout_ != nullptr) std::fclose(stdout_);
        stdout_ = nullptr;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    std::FILE* stdout_ = nullptr;
    std::string device_;
};

int RunCli(const std::string& args, std::string* out = nullptr) {
    // The box history of these runs stays in a folder of the test's own.
    static const test::TempDir data;
    const test::ProgramRun run = test::RunCli(args, "XDG_DATA_HOME=" + data.path().string());
    if (out != nullptr) *out = run.output;
    return run.status;
}

TEST(DspOverPty, FilterWrittenWithCliIsInTheBoxFlash) {
    test::TempDir dir;
    test::ScriptedUserInterface ui;
    PointList filter;
    for (int i = 0; i < 1800; ++i)
        filter.push_back({double(i), 0.8 * std::exp(-i / 300.0) * (i % 3 == 0 ? -1 : 1)});
    const std::string filterFile = dir.File("filter.dat");
    WriteXYFile(filterFile, filter, ui);
    // The coefficients as the file gives them back.
    const PointList written = ReadXYFile(filterFile, ui);
    ASSERT_EQ(written.size(), 1800u);

    const std::string flash = dir.File("flash.bin");
    BoxProcess box(flash);
    ASSERT_FALSE(box.device().empty());

    std::string out;
    ASSERT_EQ(RunCli("dsp --port " + box.device() + " ping", &out), 0) << out;
    const std::string programs = std::string(QV_SOURCE_DIR) + "/data/demo";
    ASSERT_EQ(RunCli("--lang de dsp --port " + box.device() + " write-filter " + filterFile +
                         " --set 3 --rate 48 --program-dir " + programs,
                     &out),
              0)
        << out;
    EXPECT_NE(out.find("Filter in Set 3 geschrieben"), std::string::npos) << out;
    ASSERT_EQ(box.Stop(), 0);

    std::ifstream in(flash, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 8u * 3u * 32768u);
    const std::size_t slot = (2 * 3 + 1) * 32768u;  // set 3 at 48 kHz
    for (std::size_t k = 0; k < 1798; ++k) {
        const std::uint32_t bits = EncodeCoefficient(written[k].y);
        for (std::size_t i = 0; i < 8; ++i)
            ASSERT_EQ(std::uint8_t(bytes[slot + 3396 + 8 * k + i]),
                      std::uint8_t(bits >> (8 * (i % 4))))
                << k;
    }
    const std::size_t length = std::uint8_t(bytes[slot + 28670]) | std::uint8_t(bytes[slot + 28671])
                                                                       << 8;
    EXPECT_EQ(length, 18000u);
}

TEST(DspOverPty, VerifyReadFilterBackupAndRestoreFromTheBatchTool) {
    test::TempDir dir;
    test::ScriptedUserInterface ui;
    PointList filter;
    for (int i = 0; i < 1800; ++i) filter.push_back({double(i), 0.5 * std::cos(i * 0.02)});
    const std::string filterFile = dir.File("filter.dat");
    WriteXYFile(filterFile, filter, ui);
    const std::string programs = " --program-dir " + std::string(QV_SOURCE_DIR) + "/data/demo";
    std::string out;
    {
        // A flash cell inside the coefficients that will not program.
        BoxProcess stuck(dir.File("stuck.bin"), "stuck-cell=3400");
        const std::string cli = "--lang en dsp --port " + stuck.device() + programs;
        EXPECT_EQ(RunCli(cli + " write-filter " + filterFile + " --set 3 --rate 48", &out), 1);
        EXPECT_NE(out.find("Verify failed: Set 3 at 48 kHz differs at offset 3400 (0x0D48)"),
                  std::string::npos)
            << out;
        EXPECT_EQ(
            RunCli(cli + " --no-verify write-filter " + filterFile + " --set 3 --rate 48", &out),
            0);
        EXPECT_NE(out.find("Filter written to Set 3 at 48 kHz\n"), std::string::npos) << out;
    }
    BoxProcess box(dir.File("flash.bin"));
    const std::string cli = "--lang en dsp --port " + box.device() + programs;
    ASSERT_EQ(RunCli(cli + " write-filter " + filterFile + " --set 2 --rate 33", &out), 0) << out;
    EXPECT_NE(out.find("Filter written to Set 2 at 33 kHz, verified"), std::string::npos) << out;
    const std::string back = dir.File("back.dat");
    ASSERT_EQ(RunCli(cli + " read-filter --set 2 --rate 33 --out " + back, &out), 0) << out;
    const PointList read = ReadXYFile(back, ui);
    const PointList sent = ReadXYFile(filterFile, ui);
    ASSERT_EQ(read.size(), 1798u);
    for (std::size_t k = 0; k < read.size(); ++k) ASSERT_NEAR(read[k].y, sent[k].y, 1e-7) << k;
    const std::string hex = dir.File("set2.hex");
    ASSERT_EQ(RunCli(cli + " backup --set 2 --rate 33 --out " + hex, &out), 0) << out;
    ASSERT_EQ(RunCli(cli + " restore --set 8 --rate 44.1 " + hex, &out), 0) << out;
    EXPECT_NE(out.find("Backup set2.hex written to Set 8 at 44.1 kHz, verified"), std::string::npos)
        << out;
    ASSERT_EQ(box.Stop(), 0);
    std::ifstream in(dir.File("flash.bin"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 8u * 3u * 32768u);
    EXPECT_EQ(bytes.substr((1 * 3 + 2) * 32768u, 32768u),
              bytes.substr((7 * 3 + 0) * 32768u, 32768u));
}

TEST(DspOverPty, NoBoxOnTheDeviceFailsWithMessage) {
    test::TempDir dir;
    BoxProcess box(dir.File("flash.bin"));
    ASSERT_FALSE(box.device().empty());
    const std::string device = box.device();
    box.Stop();
    std::string out;
    EXPECT_NE(RunCli("dsp --port " + device + " ping", &out), 0);
    EXPECT_FALSE(out.empty());
}

}  // namespace
}  // namespace qv
