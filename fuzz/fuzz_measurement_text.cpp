// libFuzzer target: any bytes given to the text importer end in curves that
// keep the workspace's promises, or in one ImportError.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "measurements/measurement_import.h"

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

void CheckCurve(const qv::PointList& list) {
    Check(list.size() <= qv::kMaxImportPoints);
    for (std::size_t i = 0; i < list.size(); ++i) {
        Check(std::isfinite(list[i].x) && list[i].x > 0.0);
        Check(std::isfinite(list[i].y));
        if (i > 0) Check(list[i].x > list[i - 1].x);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the options; the rest is the file.
    qv::ImportOptions options;
    options.columnPair = data[0] & 3;
    if (data[0] & 4) options.sampleRate = 48000.0;
    if (data[0] & 8) options.gate = qv::ImpulseGate{-0.5, 2.0};
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        const auto m = qv::ImportMeasurementText(text, "fuzz.txt", options);
        CheckCurve(m.level);
        CheckCurve(m.groupDelay);
        Check(!m.report.Text().empty());
    } catch (const qv::ImportError&) {
    }
    return 0;
}
