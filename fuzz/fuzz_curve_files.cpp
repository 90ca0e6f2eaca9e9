// Feeds arbitrary bytes to both curve readers through a real file, the way
// a user's file reaches them.

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <string>

#include "curves/curve_files.h"

namespace {

class CountingUserInterface : public qv::SilentUserInterface {
  public:
    void Message(const std::string& text) override { count += text.empty() ? 0 : 1; }
    std::size_t count = 0;
};

const std::string& FileName() {
    static const std::string name = "/tmp/qv-fuzz-" + std::to_string(getpid()) + ".dat";
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(FileName().c_str(), "wb");
    if (f == nullptr) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    CountingUserInterface ui;
    const qv::PointList xy = qv::ReadXYFile(FileName(), ui);
    const qv::PointList imp = qv::ReadImpFile(FileName());
    if (xy.size() > qv::kMaxXYPoints || imp.size() > qv::kMaxImpSamples) __builtin_trap();
    if (ui.count > 1) __builtin_trap();  // faulty lines give one message
    return 0;
}
