// "Execute" of both synthesis variants and the two impulse commands, each
// next to the literal evaluation (one library sine and cosine per term, one
// thread) that the fast sums replace; the rotation sums of the group delay
// sweep alone, on one thread and on every core.

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "app/filter_workflow.h"
#include "app/impulse_commands.h"
#include "dsp_math/eq_synthesis.h"
#include "dsp_math/impulse_analysis.h"
#include "dsp_math/spectrum_shaping.h"
#include "dsp_math/trig_sums.h"
#include "dsplink/program_profile.h"

namespace qv {
namespace {

// A shaped target: a bass shelf, a presence dip, a few ms of delay in the bass.
PointList Curve(double (*value)(double)) {
    PointList p;
    for (double f = 10; f <= 24000; f *= 1.05) AppendPoint(p, f, value(f));
    return p;
}
double Level(double f) {
    return 6 / (1 + std::pow(f / 80, 2)) - 3 * std::exp(-std::pow(std::log(f / 3000), 2));
}
double Delay(double f) {
    return 2 / (1 + std::pow(f / 100, 2));
}

Workspace MakeWorkspace() {
    Workspace ws;
    for (DiagramId id : {FrequencyResponseDiagram, FrequencyRoomDiagram})
        SetCurve(ws, id, CurveRole::Desired, "desired", Curve(Level));
    for (DiagramId id : {GroupDelayDiagram, DelayRoomDiagram})
        SetCurve(ws, id, CurveRole::Desired, "desired", Curve(Delay));
    SetCurve(ws, FrequencyResponseHighDiagram, CurveRole::Desired, "amlin.cor",
             PointList{{0, 0}, {24000, 0}});
    ws.RoomDepth = 500;
    return ws;
}

DspProgramProfile Profile() {
    return DeriveProfile(1, 48000);
}

// "Execute" as the editor runs it: the inputs copied out of the document,
// the computation, the results stored back.
void Execute(Workspace& ws, FilterVariant variant, const DspProgramProfile& profile) {
    StoreExecuteResult(ws, variant,
                       ComputeExecute(GatherExecuteInputs(ws, variant, profile, 200, 16000)));
}

PointList DirectResponse(const PointList& h, double fs, double fLow, double fHigh) {
    PointList kept(h.begin(), h.begin() + std::min<std::ptrdiff_t>(h.size(), kMagnitudeSamples));
    PointList out;
    const double uEnd = std::log(fHigh / fs) / kLn10Grid;
    for (double u = std::log(fLow / fs) / kLn10Grid; u <= uEnd; u += 0.01) {
        const double nu = std::exp(kLn10Grid * u);
        AppendPoint(out, nu * fs, DftMagnitude(kept, nu));
    }
    return out;
}

PointList DirectGroupDelay(const PointList& h, double fs) {
    PointList kept(h.begin(), h.begin() + std::min<std::ptrdiff_t>(h.size(), kGroupDelaySamples));
    const double pi = std::numbers::pi;
    const double uStart = std::log(1 / fs) / kLn10Grid, uEnd = std::log(0.5) / kLn10Grid;
    const double du = 1.0 / (3.0 * static_cast<double>(kept.size()));
    double unwrapped = 0, rawPrev = 0, unwrappedPrev = 0, nuPrev = 0;
    int countdown = 2;
    PointList out;
    for (double u = uStart; u <= uEnd; u += du) {
        const double nu = std::exp(kLn10Grid * u);
        const double phi = DftPhase(kept, nu);
        if (rawPrev > pi / 2 && phi < -pi / 2)
            unwrapped += phi - rawPrev + 2 * pi;
        else if (rawPrev < -pi / 2 && phi > pi / 2)
            unwrapped += phi - rawPrev - 2 * pi;
        else
            unwrapped += phi - rawPrev;
        rawPrev = phi;
        const double tau = (unwrapped - unwrappedPrev) / ((nu - nuPrev) * fs) / 2 / pi * 1000;
        if (u > uStart && countdown <= 0) {
            AppendPoint(out, nu * fs, tau);
            countdown = 10;
        }
        --countdown;
        unwrappedPrev = unwrapped;
        nuPrev = nu;
    }
    return out;
}

// The eq variant's work with the literal sums: design, inverse, analysis.
void DirectExecute(const Workspace& ws, std::int32_t n, double fs, DiagramId level,
                   DiagramId delay) {
    const PointList sum =
        TargetWithCorrection(ws.Curve(level, CurveRole::Desired).points,
                             ws.Curve(FrequencyResponseHighDiagram, CurveRole::Desired).points);
    std::vector<double> phases =
        DelayToPhases(CurveToBins(ws.Curve(delay, CurveRole::Desired).points, n, fs), n, fs);
    AddBulkDelayPhase(phases, n, n / (2 * fs) * 1000, fs);
    AlignMidBinPhase(phases, n);
    const Spectrum full =
        MirrorSpectrum(PolarToSpectrum(LevelToMagnitudeBins(sum, n, fs), phases), n);
    PointList h;
    const double k = static_cast<double>(full.size());
    double t = 0;
    for (std::size_t i = 0; i < full.size(); ++i, t += 1 / k) {
        double sample = 0;
        for (std::size_t j = 0; j < full.size(); ++j) {
            const double angle = 2.0 * std::numbers::pi * static_cast<double>(j) * t;
            sample += full[j].real() * std::cos(angle) + full[j].imag() * std::sin(angle);
        }
        AppendPoint(h, static_cast<double>(i), sample / k);
    }
    TaperWindow(n / 2, 0, n / 2, h);
    benchmark::DoNotOptimize(DirectResponse(h, fs, 10, fs / 2));
    benchmark::DoNotOptimize(DirectGroupDelay(h, fs));
}

void BM_ExecuteEq(benchmark::State& state) {
    Workspace ws = MakeWorkspace();
    const DspProgramProfile profile = Profile();
    for (auto _ : state) Execute(ws, FilterVariant::Equalizer, profile);
}
BENCHMARK(BM_ExecuteEq)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExecuteEqDirect(benchmark::State& state) {
    const Workspace ws = MakeWorkspace();
    for (auto _ : state)
        DirectExecute(ws, 1799, 48000, FrequencyResponseDiagram, GroupDelayDiagram);
}
BENCHMARK(BM_ExecuteEqDirect)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExecuteRoom(benchmark::State& state) {
    Workspace ws = MakeWorkspace();
    const DspProgramProfile profile = Profile();
    for (auto _ : state) Execute(ws, FilterVariant::Room, profile);
}
BENCHMARK(BM_ExecuteRoom)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExecuteRoomDirect(benchmark::State& state) {
    const Workspace ws = MakeWorkspace();
    for (auto _ : state) DirectExecute(ws, 899, 6000, FrequencyRoomDiagram, DelayRoomDiagram);
}
BENCHMARK(BM_ExecuteRoomDirect)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Execute" followed by what a prediction at a measurement's frequencies
// costs: the filter's sums and the sums of n*h (for its delay without
// unwrapping) at 1000 frequencies up to fs/2.
void BM_ExecuteEqAndPrediction(benchmark::State& state) {
    Workspace ws = MakeWorkspace();
    const DspProgramProfile profile = Profile();
    std::vector<double> nu;
    for (int i = 0; i < 1000; ++i) nu.push_back(20.0 / 48000 * std::pow(1200.0, i / 999.0));
    std::vector<double> c(nu.size()), s(nu.size()), dc(nu.size()), ds(nu.size());
    for (auto _ : state) {
        Execute(ws, FilterVariant::Equalizer, profile);
        const PointList& filter = ws.Curve(ImpulseResponseDiagram, CurveRole::Impulse).points;
        std::vector<double> h, nh;
        for (std::size_t k = 0; k < filter.size(); ++k) {
            h.push_back(filter[k].y);
            nh.push_back(static_cast<double>(k) * filter[k].y);
        }
        TrigSums(h, h, nu, c, s);
        TrigSums(nh, nh, nu, dc, ds);
        benchmark::DoNotOptimize(ds.data());
    }
}
BENCHMARK(BM_ExecuteEqAndPrediction)->Unit(benchmark::kMillisecond)->UseRealTime();

// The sums of the group delay sweep of "Execute" (1201 samples at 15782
// frequencies), on state.range(0) threads; 0 means every core.
void BM_TrigSumsGroupDelaySweep(benchmark::State& state) {
    std::vector<double> h(1201), nu;
    for (std::size_t n = 0; n < h.size(); ++n) h[n] = std::sin(0.37 * n) / (1.0 + n);
    for (double u = std::log(1 / 48000.0) / kLn10Grid; u <= std::log(0.5) / kLn10Grid;
         u += 1 / 3603.0)
        nu.push_back(std::exp(kLn10Grid * u));
    std::vector<double> c(nu.size()), s(nu.size());
    const auto threads = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        TrigSums(h, h, nu, c, s, threads == 0 ? TrigSumsThreads() : threads);
        benchmark::DoNotOptimize(c.data());
    }
}
BENCHMARK(BM_TrigSumsGroupDelaySweep)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The impulse commands on a designed filter of 1800 taps.
PointList TestImpulse() {
    Workspace ws = MakeWorkspace();
    Execute(ws, FilterVariant::Equalizer, Profile());
    return ws.Curve(ImpulseResponseDiagram, CurveRole::Impulse).points;
}

void BM_ImpulsFrequencyResponse(benchmark::State& state) {
    Workspace ws;
    SetCurve(ws, ImpulseResponseDiagram, CurveRole::Impulse, "impuls", TestImpulse());
    SilentUserInterface ui;
    for (auto _ : state) {
        ws.CurrentDiagram = ImpulseResponseDiagram;
        benchmark::DoNotOptimize(RunImpulsFrequencyResponse(ws, ui));
    }
}
BENCHMARK(BM_ImpulsFrequencyResponse)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImpulsFrequencyResponseDirect(benchmark::State& state) {
    const PointList h = TestImpulse();
    for (auto _ : state) benchmark::DoNotOptimize(DirectResponse(h, 90000, 10, 45000));
}
BENCHMARK(BM_ImpulsFrequencyResponseDirect)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImpulsGroupDelay(benchmark::State& state) {
    Workspace ws;
    SetCurve(ws, ImpulseResponseDiagram, CurveRole::Impulse, "impuls", TestImpulse());
    SilentUserInterface ui;
    for (auto _ : state) {
        ws.CurrentDiagram = ImpulseResponseDiagram;
        benchmark::DoNotOptimize(RunImpulsGroupDelay(ws, ui));
    }
}
BENCHMARK(BM_ImpulsGroupDelay)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImpulsGroupDelayDirect(benchmark::State& state) {
    const PointList h = TestImpulse();
    for (auto _ : state) benchmark::DoNotOptimize(DirectGroupDelay(h, 61200));
}
BENCHMARK(BM_ImpulsGroupDelayDirect)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace qv
