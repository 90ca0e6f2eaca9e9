// Simulate -> "Live": from a change of the desired curve in a drag to the
// repainted diagram with "real" and "predicted", against a 4000-point
// measurement, offscreen. The counter median_ms is the figure that counts:
// it must stay under 16 ms (one frame) on the two-core machine; median_cpu_ms
// is the processor time of both threads, what it needs on an idle machine.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

#include "app/live_resynthesis.h"
#include "bench/bench_support.h"
#include "diagram/diagram_image.h"
#include "dsplink/program_profile.h"

namespace qv {
namespace {

using namespace bench;  // the shared client size, grid and application

void Measurement(Workspace& ws) {
    PointList level, delay;
    for (int i = 0; i < kPoints; ++i) {
        const double f = GridFrequency(i);
        level.push_back({f, 6 * std::sin(std::log(f) * 3) + std::sin(i * 0.37)});
        delay.push_back({f, 0.5 * std::sin(std::log(f) * 2)});
    }
    SetCurve(ws, FrequencyResponseDiagram, CurveRole::Measured, "measured", std::move(level));
    SetCurve(ws, GroupDelayDiagram, CurveRole::Measured, "measured", std::move(delay));
}

void BM_LiveDragToRepaint(benchmark::State& state) {
    EnsureGuiApplication();
    Workspace ws;
    CreateDiagramSet(ws);
    CreateDesiredCurve(ws, GroupDelayDiagram, 10);
    CreateDesiredCurve(ws, FrequencyResponseDiagram, 10);
    SetCurve(ws, FrequencyResponseHighDiagram, CurveRole::Desired, "amlin.cor",
             {{0, 0}, {24000, 0}});
    Measurement(ws);
    const DspProgramProfile profile = DeriveProfile(1, 48000);
    const TargetSettings band;
    LiveResynthesis live(ws, profile, band, {});
    live.SetEnabled(true);
    live.Settle();
    PointList& desired = ws.Curve(FrequencyResponseDiagram, CurveRole::Desired).points;
    std::vector<double> ms, cpu;
    int move = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        // One mouse move of the drag: the desired curve's point follows it.
        desired[desired.size() / 2].y = (++move % 12) - 6;
        live.CurvesMayHaveChanged();
        live.Settle();
        const QImage image = RenderDiagramImage(ws.Current(), kWidth, kHeight);
        benchmark::DoNotOptimize(image.constBits());
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        cpu.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    }
    std::nth_element(ms.begin(), ms.begin() + static_cast<std::ptrdiff_t>(ms.size() / 2), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    // The processor time of both threads: what the move costs on an idle machine.
    std::nth_element(cpu.begin(), cpu.begin() + static_cast<std::ptrdiff_t>(cpu.size() / 2),
                     cpu.end());
    state.counters["median_cpu_ms"] = cpu[cpu.size() / 2];
}
BENCHMARK(BM_LiveDragToRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace qv
