#include "app/correction_dialog_logic.h"

#include <exception>

#include "correction/smoothing.h"
#include "curves/number_syntax.h"

namespace qv {
namespace {

constexpr const char* kDesired = "desired";

std::optional<std::string> ReadNumber(const std::string& text, const char* field, double& out) {
    auto v = ToNumber(text);
    if (!v) return std::string(field) + ": \"" + text + "\" is not a number.";
    out = *v;
    return std::nullopt;
}

void PutDesired(Workspace& ws, DiagramId id, PointList list) {
    SetCurve(ws, id, CurveRole::Desired, kDesired, std::move(list));
    ws.Curve(id, CurveRole::Desired).marked = 1;
}

}  // namespace

std::string SmoothingDialogLogic::FractionCaption(int n) {
    return "1/" + std::to_string(n);
}

bool SmoothingDialogLogic::Apply(Workspace& ws, int slot, int fraction, UserInterface& ui) {
    if (!IsSmoothingFraction(fraction)) {
        ui.Message(kBadFractionMessage);
        return false;
    }
    if (slot < 1 || slot > 4 || ws.Current().Slot(slot).points.empty()) {
        ui.Message("Smoothing: curve " + std::to_string(slot) + " is empty.");
        return false;
    }
    Diagram& d = ws.Current();
    if (d.xUnit != "Hz") {
        ui.Message("Smoothing works on curves over frequency (Hz).");
        return false;
    }
    const SmoothingKind kind =
        d.yUnit.rfind("ms", 0) == 0 ? SmoothingKind::Delay : SmoothingKind::Level;
    d.Slot(slot).points = SmoothFractionalOctave(d.Slot(slot).points, fraction, kind);
    return true;
}

CorrectionTargetLogic::CorrectionTargetLogic(Workspace& ws, CurveFileReader readHouseCurve)
    : ws_(ws), readHouseCurve_(std::move(readHouseCurve)) {}

void CorrectionTargetLogic::Begin() {
    levelBefore_ = ws_.Curve(FrequencyResponseDiagram, CurveRole::Desired);
    delayBefore_ = ws_.Curve(GroupDelayDiagram, CurveRole::Desired);
}

void CorrectionTargetLogic::Restore() {
    ws_.Curve(FrequencyResponseDiagram, CurveRole::Desired) = levelBefore_;
    ws_.Curve(GroupDelayDiagram, CurveRole::Desired) = delayBefore_;
}

void CorrectionTargetLogic::Cancel() {
    Restore();
}

std::optional<std::string> CorrectionTargetLogic::Parse(const CorrectionTargetFields& f,
                                                        TargetSettings& s) {
    s = TargetSettings{};
    if (auto e = ReadNumber(f.from, "From", s.from)) return e;
    if (auto e = ReadNumber(f.to, "To", s.to)) return e;
    if (auto e = ReadNumber(f.maxBoost, "Max. boost", s.maxBoost)) return e;
    if (auto e = ReadNumber(f.maxCut, "Max. cut", s.maxCut)) return e;
    if (auto e = ReadNumber(f.maxDelay, "Max. delay", s.maxDelay)) return e;
    s.smoothing = f.smoothing;
    s.shape = f.shape;
    if (f.shape == TargetShape::Tilt)
        if (auto e = ReadNumber(f.tilt, "Tilt", s.tilt)) return e;
    if (!f.reference.empty()) {
        double r = 0;
        if (auto e = ReadNumber(f.reference, "Reference", r)) return e;
        s.reference = r;
    }
    if (f.shape == TargetShape::House) {
        if (f.houseFile.empty()) return std::string("House curve: choose a file.");
        if (f.houseFile != houseName_) {
            houseName_ = f.houseFile;
            house_.clear();
            houseError_.reset();
            try {
                house_ = readHouseCurve_(f.houseFile);
            } catch (const std::exception& e) {
                houseError_ = std::string("House curve: ") + e.what();
            }
        }
        if (houseError_) return houseError_;
        s.house = house_;
    }
    s.delayCorrection = f.delayCorrection;
    if (auto e = CheckTargetSettings(s)) return e;
    if (auto e = CheckMeasurement(ws_.Curve(FrequencyResponseDiagram, CurveRole::Measured).points,
                                  s, "measurement (curve 3 of \"Frequency Response\")"))
        return e;
    if (s.delayCorrection)
        if (auto e = CheckMeasurement(ws_.Curve(GroupDelayDiagram, CurveRole::Measured).points, s,
                                      "measured delay (curve 3 of \"Group Delay\")"))
            return e;
    return std::nullopt;
}

std::optional<std::string> CorrectionTargetLogic::Preview(const CorrectionTargetFields& f) {
    TargetSettings s;
    Restore();
    if (auto e = Parse(f, s)) return e;
    PutDesired(ws_, FrequencyResponseDiagram,
               LevelCorrection(ws_.Curve(FrequencyResponseDiagram, CurveRole::Measured).points, s));
    if (s.delayCorrection)
        PutDesired(ws_, GroupDelayDiagram,
                   DelayCorrection(ws_.Curve(GroupDelayDiagram, CurveRole::Measured).points, s));
    settings_ = std::move(s);
    return std::nullopt;
}

bool CorrectionTargetLogic::Accept(const CorrectionTargetFields& f, UserInterface& ui) {
    if (auto e = Preview(f)) {
        ui.Message(*e);
        return false;
    }
    return true;
}

}  // namespace qv
