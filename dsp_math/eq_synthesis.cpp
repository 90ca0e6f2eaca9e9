#include "dsp_math/eq_synthesis.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "dsp_math/impulse_analysis.h"
#include "dsp_math/spectrum_shaping.h"

namespace qv {
namespace {

constexpr double kSpeedOfSound = 343.6;  // m/s

// Sets the processing values for one run and puts the old ones back on
// every way out, a refusal and an exception included.
class ProcessingScope {
  public:
    ProcessingScope(Workspace& ws, double fs, std::int32_t n)
        : ws_(ws), rate_(ws.ProcessingSampleRate), length_(ws.ProcessingLength) {
        ws_.ProcessingSampleRate = fs;
        ws_.ProcessingLength = n;
    }
    ~ProcessingScope() {
        ws_.ProcessingSampleRate = rate_;
        ws_.ProcessingLength = length_;
    }
    ProcessingScope(const ProcessingScope&) = delete;
    ProcessingScope& operator=(const ProcessingScope&) = delete;

  private:
    Workspace& ws_;
    double rate_;
    std::int32_t length_;
};

struct Inputs {
    DiagramId level, delay;
    const char* noLevel;
    const char* noDelay;
};

constexpr const char* kNoCorrection = "Korrekturkurve High fehlt.";

bool InputsPresent(const Workspace& ws, const Inputs& in, std::int32_t n, double fs,
                   UserInterface& ui) {
    if (ws[in.level].Slot(1).points.empty()) {
        ui.Message(in.noLevel);
        return false;
    }
    if (ws[in.delay].Slot(1).points.empty()) {
        ui.Message(in.noDelay);
        return false;
    }
    if (ws[FrequencyResponseHighDiagram].Slot(1).points.empty()) {
        ui.Message(kNoCorrection);
        return false;
    }
    if (n < 1 || !std::isfinite(fs) || !(fs > 0.0)) {
        ui.Message(kNoProfileMessage);
        return false;
    }
    return true;
}

double BulkDelayMs(std::int32_t n, double fs) {
    return static_cast<double>(n) / (2 * fs) * 1000;
}

// The core run on the workspace: the targets of `in` and the correction.
PointList DesignFromWorkspace(Workspace& ws, const Inputs& in, std::int32_t n) {
    return DesignFilter(ws[in.level].Slot(1).points, ws[in.delay].Slot(1).points,
                        ws[FrequencyResponseHighDiagram].Slot(1).points, n,
                        ws.ProcessingSampleRate);
}

void StoreAchieved(Workspace& ws, DiagramId levelDiagram, DiagramId delayDiagram,
                   AchievedCurves achieved) {
    SetSlot(ws[levelDiagram], 2, "real", std::move(achieved.level));
    SetSlot(ws[delayDiagram], 2, "real", std::move(achieved.delay));
}

}  // namespace

PointList DesignFilter(const PointList& targetLevel, const PointList& targetDelay,
                       const PointList& correction, std::int32_t n, double fs) {
    if (n < 1) throw std::invalid_argument("DesignFilter: N must be at least 1");
    if (!std::isfinite(fs) || !(fs > 0.0))
        throw std::invalid_argument("DesignFilter: fs must be a positive number");
    const std::vector<double> magnitudes =
        LevelToMagnitudeBins(AddCurves(correction, targetLevel), n, fs);
    std::vector<double> phases = DelayToPhases(CurveToBins(targetDelay, n, fs), n, fs);
    AddBulkDelayPhase(phases, n, BulkDelayMs(n, fs), fs);
    AlignMidBinPhase(phases, n);
    std::vector<double> h =
        SpectrumToSamples(MirrorSpectrum(PolarToSpectrum(magnitudes, phases), n), 1.0);
    TaperWindow(n / 2, 0, n / 2, h);
    PointList filter;
    filter.reserve(h.size());
    for (std::size_t k = 0; k < h.size(); ++k) AppendPoint(filter, static_cast<double>(k), h[k]);
    return filter;
}

AchievedCurves AnalyzeFilter(const PointList& filter, std::int32_t n, double fs) {
    AchievedCurves out;
    out.level = ImpulseToFrequencyResponse(filter, fs, 10, fs / 2);
    ValuesToDecibel(out.level);
    out.delay = ImpulseToGroupDelay(filter, fs);
    OffsetValues(out.delay, BulkDelayMs(n, fs));
    return out;
}

bool SynthesizeEqFilter(Workspace& ws, const DspProgramProfile& profile, UserInterface& ui) {
    const std::int32_t n = profile.eqTapCount;
    const double fs = profile.eqSampleRate;
    ProcessingScope scope(ws, fs, n);
    const Inputs in{FrequencyResponseDiagram, GroupDelayDiagram,
                    "noch keine Kurve fuer Amplitudenequalizing geladen.",
                    "noch keine Kurve fuer Laufzeitequalizing geladen."};
    if (!InputsPresent(ws, in, n, fs, ui)) return false;
    PointList h = DesignFromWorkspace(ws, in, n);
    AchievedCurves achieved = AnalyzeFilter(h, n, fs);
    ClearSlots(ws[ImpulseResponseDiagram]);
    SetSlot(ws[ImpulseResponseDiagram], 1, "impuls", std::move(h));
    StoreAchieved(ws, FrequencyResponseDiagram, GroupDelayDiagram, std::move(achieved));
    return true;
}

bool SynthesizeRoomFilter(Workspace& ws, const DspProgramProfile& profile, UserInterface& ui) {
    const std::int32_t n = profile.roomTapCount;
    const double fs = profile.roomSampleRate;
    ProcessingScope scope(ws, fs, n);
    const Inputs in{FrequencyRoomDiagram, DelayRoomDiagram,
                    "noch keine Frequenz-Kurve fuer Roomequalizing geladen.",
                    "noch keine Delay-Kurve fuer Roomqualizing geladen."};
    if (!InputsPresent(ws, in, n, fs, ui)) return false;
    PointList h = DesignFromWorkspace(ws, in, n);
    AchievedCurves achieved = AnalyzeFilter(h, n, fs);

    ScaleValues(h, -0.5);
    PointList h2 = CopyList(h);
    ShiftSamples(h2, PathOffsetSamples(ws.RoomDepth, ws.RoomWidth, fs));
    TaperWindow(n / 2, 0, n / 2, h2);
    PointList filter = AddCurves(h, h2);

    StoreAchieved(ws, FrequencyRoomDiagram, DelayRoomDiagram, std::move(achieved));
    ClearSlots(ws[FilterRoomDiagram]);
    SetSlot(ws[FilterRoomDiagram], 1, "impuls", std::move(filter));
    return true;
}

double PathTimeDepth(std::int32_t depthCm, std::int32_t widthCm) {
    const double d2 = static_cast<double>(static_cast<std::int64_t>(depthCm) * depthCm);
    const double halfW = widthCm / 2.0;
    return 2 * std::sqrt(d2 + halfW * halfW) / kSpeedOfSound / 100;
}

double PathTimeWidth(std::int32_t depthCm, std::int32_t widthCm) {
    const double w2 = static_cast<double>(static_cast<std::int64_t>(widthCm) * widthCm);
    const double halfD = depthCm / 2.0;
    return 2 * std::sqrt(w2 + halfD * halfD) / kSpeedOfSound / 100;
}

std::int32_t PathOffsetSamples(std::int32_t depthCm, std::int32_t widthCm, double fs) {
    const double s =
        std::trunc((PathTimeDepth(depthCm, widthCm) - PathTimeWidth(depthCm, widthCm)) * fs);
    // Beyond the filter length every shift gives the same all-zero copy.
    constexpr double kLimit = 1 << 30;
    if (std::isnan(s)) return 0;
    return static_cast<std::int32_t>(std::clamp(s, -kLimit, kLimit));
}

}  // namespace qv
