#include "tests/support/test_support.h"

#include <sys/wait.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

namespace qv::test {

std::optional<std::string> ScriptedUserInterface::ChooseOpenFile(const std::string& filter) {
    filters.push_back(filter);
    if (fileAnswers.empty()) return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

std::optional<std::string> ScriptedUserInterface::ChooseSaveFile(const std::string& filter) {
    return ChooseOpenFile(filter);
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("qv-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
    const std::string file = File(name);
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string ReadBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string Measurement(const std::string& name) {
    return std::string(QV_MEASUREMENTS_DIR) + "/" + name;
}

// Tests that read the folder skip themselves (QV_SKIP_WITHOUT_MEASUREMENTS) when
// this is false.
bool HaveMeasurements() {
    std::error_code ec;
    return std::filesystem::is_directory(QV_MEASUREMENTS_DIR, ec);
}

ProgramRun RunProgram(const std::string& commandLine) {
    ProgramRun run;
    const std::string command = commandLine + " 2>&1";
    std::FILE* p = popen(command.c_str(), "r");
    if (p == nullptr) return run;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) run.output.append(buf, n);
    const int status = pclose(p);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace qv::test
