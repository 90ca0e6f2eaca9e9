// Export synthesis of the longest filter at 48 kHz: it must stay well under a
// second on the two-core machine.

#include <benchmark/benchmark.h>

#include "export/export_synthesis.h"

namespace {

void BM_ExportFilter(benchmark::State& state) {
    const qv::ExportTargets targets{
        {{10, 6}, {60, 6}, {150, 0}, {2000, -3}, {3000, 0}, {20000, -2}}, {}, {}};
    const auto phase = state.range(1) == 0 ? qv::ExportPhase::Linear : qv::ExportPhase::Minimum;
    for (auto _ : state) {
        auto f = qv::SynthesizeExportFilter(targets, static_cast<std::int32_t>(state.range(0)),
                                            48000, phase);
        benchmark::DoNotOptimize(f);
    }
    state.SetLabel(qv::PhaseName(phase));
}
BENCHMARK(BM_ExportFilter)
    ->Args({65536, 0})
    ->Args({65536, 1})
    ->Args({4096, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace
