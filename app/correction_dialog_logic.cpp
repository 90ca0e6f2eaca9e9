#include "app/correction_dialog_logic.h"

#include <charconv>
#include <exception>

#include "correction/smoothing.h"
#include "curves/number_syntax.h"
#include "curves/tr.h"
#include "diagram/ranges.h"

namespace qv {
namespace {

constexpr const char* kDesired = QV_TR("desired");

std::optional<std::string> ReadNumber(const std::string& text, const char* field, double& out) {
    auto v = ToNumber(text);
    if (!v) return Fill(QV_TR("%1: \"%2\" is not a number."), {field, text});
    out = *v;
    return std::nullopt;
}

// Shortest text that reads back as the same double.
std::string NumberText(double v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

void PutDesired(Workspace& ws, DiagramId id, PointList list) {
    SetCurve(ws, id, CurveRole::Desired, kDesired, std::move(list));
    ws.Curve(id, CurveRole::Desired).marked = 1;
}

}  // namespace

std::string SmoothingDialogLogic::FractionCaption(int n) {
    return n == kNone ? QV_TR("none") : "1/" + std::to_string(n);
}

void SmoothingDialogLogic::Begin() {
    beganIn_ = ws_.CurrentDiagram;
    before_.clear();
    for (int k = 1; k <= 4; ++k) {
        before_.push_back(ws_.Current().Slot(k));
        SourceOf(k, true);
    }
}

void SmoothingDialogLogic::Restore() {
    if (before_.empty()) return;
    for (int k = 1; k <= 4; ++k) ws_[beganIn_].Slot(k) = before_[static_cast<std::size_t>(k - 1)];
}

void SmoothingDialogLogic::Cancel() {
    Restore();
    before_.clear();
}

SmoothingDialogLogic::Source& SmoothingDialogLogic::SourceOf(int slot, bool check) {
    const CurveSlot& now = ws_.Current().Slot(slot);
    for (Source& s : sources_)
        if (s.diagram == ws_.CurrentDiagram && s.slot == slot) {
            // Anything else put there since (an import, an undo) is the new source.
            if (check && (s.name != now.name || s.shown != now.points)) {
                s.name = now.name;
                s.original = s.shown = now.points;
            }
            return s;
        }
    sources_.push_back({ws_.CurrentDiagram, slot, now.name, now.points, now.points});
    return sources_.back();
}

bool SmoothingDialogLogic::Preview(int slot, int fraction, UserInterface& ui) {
    if (before_.empty() || beganIn_ != ws_.CurrentDiagram) Begin();
    Restore();
    if (fraction != kNone && !IsSmoothingFraction(fraction)) {
        ui.Message(kBadFractionMessage);
        return false;
    }
    if (slot < 1 || slot > 4 || ws_.Current().Slot(slot).points.empty()) {
        ui.Message(Fill(QV_TR("Smoothing: curve %1 is empty."), {std::to_string(slot)}));
        return false;
    }
    Diagram& d = ws_.Current();
    if (d.xUnit != "Hz") {
        ui.Message(QV_TR("Smoothing works on curves over frequency (Hz)."));
        return false;
    }
    Source& source = SourceOf(slot, false);
    const SmoothingKind kind =
        d.yUnit.rfind("ms", 0) == 0 ? SmoothingKind::Delay : SmoothingKind::Level;
    source.shown = fraction == kNone ? source.original
                                     : SmoothFractionalOctave(source.original, fraction, kind);
    d.Slot(slot).points = source.shown;
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

CorrectionTargetFields CorrectionTargetLogic::FieldsFor(const TargetSettings& s) {
    CorrectionTargetFields f;
    f.from = NumberText(s.from);
    f.to = NumberText(s.to);
    f.maxBoost = NumberText(s.maxBoost);
    f.maxCut = NumberText(s.maxCut);
    f.maxDelay = NumberText(s.maxDelay);
    f.smoothing = s.smoothing;
    f.shape = s.shape;
    f.tilt = NumberText(s.tilt);
    f.reference = s.reference ? NumberText(*s.reference) : std::string();
    if (s.shape == TargetShape::House) {
        f.houseFile = kDocumentHouseCurve;
        houseName_ = f.houseFile;
        house_ = s.house;
        houseError_.reset();
    }
    f.delayCorrection = s.delayCorrection;
    return f;
}

std::optional<std::string> CorrectionTargetLogic::Parse(const CorrectionTargetFields& f,
                                                        TargetSettings& s) {
    s = TargetSettings{};
    if (auto e = ReadNumber(f.from, QV_TR("From"), s.from)) return e;
    if (auto e = ReadNumber(f.to, QV_TR("To"), s.to)) return e;
    if (auto e = ReadNumber(f.maxBoost, QV_TR("Max. boost"), s.maxBoost)) return e;
    if (auto e = ReadNumber(f.maxCut, QV_TR("Max. cut"), s.maxCut)) return e;
    if (auto e = ReadNumber(f.maxDelay, QV_TR("Max. delay"), s.maxDelay)) return e;
    s.smoothing = f.smoothing;
    s.shape = f.shape;
    if (f.shape == TargetShape::Tilt)
        if (auto e = ReadNumber(f.tilt, QV_TR("Tilt"), s.tilt)) return e;
    if (!f.reference.empty()) {
        double r = 0;
        if (auto e = ReadNumber(f.reference, QV_TR("Reference"), r)) return e;
        s.reference = r;
    }
    if (f.shape == TargetShape::House) {
        if (f.houseFile.empty()) return std::string(QV_TR("House curve: choose a file."));
        if (f.houseFile != houseName_) {
            houseName_ = f.houseFile;
            house_.clear();
            houseError_.reset();
            try {
                house_ = readHouseCurve_(f.houseFile);
            } catch (const std::exception& e) {
                houseError_ = Fill(QV_TR("House curve: %1"), {e.what()});
            }
        }
        if (houseError_) return houseError_;
        s.house = house_;
    }
    s.delayCorrection = f.delayCorrection;
    if (auto e = CheckTargetSettings(s)) return e;
    if (auto e = CheckMeasurement(ws_.Curve(FrequencyResponseDiagram, CurveRole::Measured).points,
                                  s, QV_TR("measurement (curve 3 of \"Frequency Response\")")))
        return e;
    if (s.delayCorrection)
        if (auto e = CheckMeasurement(ws_.Curve(GroupDelayDiagram, CurveRole::Measured).points, s,
                                      QV_TR("measured delay (curve 3 of \"Group Delay\")")))
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
        PutDesired(
            ws_, GroupDelayDiagram,
            DelayCorrection(ws_.Curve(GroupDelayDiagram, CurveRole::Measured).points, s,
                            ws_.Curve(FrequencyResponseDiagram, CurveRole::Measured).points));
    settings_ = std::move(s);
    return std::nullopt;
}

bool CorrectionTargetLogic::Accept(const CorrectionTargetFields& f, UserInterface& ui) {
    if (auto e = Preview(f)) {
        ui.Message(*e);
        return false;
    }
    // A target that leaves the shown range stays reachable.
    FitUnreadableRange(ws_[FrequencyResponseDiagram]);
    if (settings_.delayCorrection) FitUnreadableRange(ws_[GroupDelayDiagram]);
    return true;
}

}  // namespace qv
