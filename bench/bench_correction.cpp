// "Execute" with a measurement in slot 3 of "Frequency Response" and "Group
// Delay": the synthesis plus the predicted curves, and the prediction alone
// next to the literal evaluation (one library sine and cosine per term).

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "app/filter_workflow.h"
#include "correction/correction_target.h"
#include "correction/predicted_result.h"
#include "dsp_math/eq_synthesis.h"
#include "dsplink/program_profile.h"

namespace qv {
namespace {

// A measurement as the importer leaves it: 800 points from 200 Hz to 40 kHz,
// a tweeter's rise, ripple and a delay that lags in the highs.
PointList Measured(bool delay) {
    PointList p;
    for (int k = 0; k < 800; ++k) {
        const double f = 200 * std::pow(200.0, k / 799.0);
        const double o = std::log2(f / 1000);
        AppendPoint(
            p, f,
            delay ? -0.1 - 0.05 * o : 90 - 20 / (1 + std::pow(f / 1500, 4)) + std::sin(3 * o));
    }
    return p;
}

DspProgramProfile Profile() {
    return DeriveProfile(1, 48000);
}

Workspace MakeWorkspace() {
    Workspace ws;
    TargetSettings s;
    s.from = 1500;
    s.delayCorrection = true;
    SetCurve(ws, FrequencyResponseDiagram, CurveRole::Measured, "measured", Measured(false));
    SetCurve(ws, GroupDelayDiagram, CurveRole::Measured, "measured", Measured(true));
    SetCurve(ws, FrequencyResponseDiagram, CurveRole::Desired, "desired",
             LevelCorrection(Measured(false), s));
    SetCurve(ws, GroupDelayDiagram, CurveRole::Desired, "desired",
             DelayCorrection(Measured(true), s));
    PointList cor = {{0, 0}};
    for (double f = 10; f <= 24000; f *= 1.0146) AppendPoint(cor, f, 0);
    SetCurve(ws, FrequencyResponseHighDiagram, CurveRole::Desired, "amlin.cor", cor);
    return ws;
}

// "Execute" as the editor runs it, prediction included.
void Execute(Workspace& ws, const DspProgramProfile& p) {
    StoreExecuteResult(
        ws, FilterVariant::Equalizer,
        ComputeExecute(GatherExecuteInputs(ws, FilterVariant::Equalizer, p, 1500, 20000)));
}

void BM_ExecuteWithPrediction(benchmark::State& state) {
    Workspace ws = MakeWorkspace();
    const DspProgramProfile p = Profile();
    for (auto _ : state) Execute(ws, p);
}
BENCHMARK(BM_ExecuteWithPrediction)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PredictionOnly(benchmark::State& state) {
    Workspace ws = MakeWorkspace();
    const DspProgramProfile p = Profile();
    Execute(ws, p);
    const PointList& h = ws.Curve(ImpulseResponseDiagram, CurveRole::Impulse).points;
    const PointList& level = ws.Curve(FrequencyResponseDiagram, CurveRole::Measured).points;
    const PointList& delay = ws.Curve(GroupDelayDiagram, CurveRole::Measured).points;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            PredictMeasurement(level, delay, h, p.eqTapCount, p.eqSampleRate, 1500, 20000));
}
BENCHMARK(BM_PredictionOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same two curves from literal sums: for each frequency, h and n*h
// against one library sine and cosine per tap.
void BM_PredictionDirectSums(benchmark::State& state) {
    Workspace ws = MakeWorkspace();
    const DspProgramProfile p = Profile();
    Execute(ws, p);
    const PointList& h = ws.Curve(ImpulseResponseDiagram, CurveRole::Impulse).points;
    const PointList level = ws.Curve(FrequencyResponseDiagram, CurveRole::Measured).points;
    const PointList delay = ws.Curve(GroupDelayDiagram, CurveRole::Measured).points;
    const double fs = p.eqSampleRate;
    for (auto _ : state) {
        double sink = 0;
        for (const PointList* m : {&level, &delay})
            for (const CurvePoint& q : *m) {
                if (q.x > fs / 2) continue;
                double a = 0, b = 0, c = 0, d = 0;
                for (std::size_t n = 0; n < h.size(); ++n) {
                    const double w = 2 * std::numbers::pi * static_cast<double>(n) * q.x / fs;
                    const double cw = std::cos(w), sw = std::sin(w);
                    a += h[n].y * cw;
                    b += h[n].y * sw;
                    if (m == &delay) {
                        c += static_cast<double>(n) * h[n].y * cw;
                        d += static_cast<double>(n) * h[n].y * sw;
                    }
                }
                sink += m == &level ? std::hypot(a, b) : (c * a + d * b) / (a * a + b * b);
            }
        benchmark::DoNotOptimize(sink);
    }
}
BENCHMARK(BM_PredictionDirectSums)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace qv
