#include "app/curve_dialog_logic.h"

#include <cmath>

#include "curves/number_syntax.h"
#include "curves/tr.h"

namespace qv {

const char* ConstantDialogLogic::Caption() const {
    return op_ == ConstantOperation::Add ? QV_TR("ADD CONSTANT") : QV_TR("MUL CONSTANT");
}

const char* ConstantDialogLogic::InitialText() const {
    return op_ == ConstantOperation::Add ? "0" : "1";
}

bool ConstantDialogLogic::AcceptsKey(char32_t key) {
    return (key >= U'0' && key <= U'9') || key == U'-' || key == U'.' || key == 8 || key == 13;
}

bool ConstantDialogLogic::AcceptsTextCharacter(char32_t c) {
    return c != 8 && c != 13 && AcceptsKey(c);
}

ConstantOutcome ConstantDialogLogic::Apply(std::string_view text, Workspace& ws,
                                           UserInterface& ui) const {
    const ParsedNumber parsed = ParseNumber(text);
    if (parsed.status == NumberStatus::NotANumber) {
        ui.Message(kNotANumberText);
        return ConstantOutcome::NotANumber;
    }
    PointList& points = ws.Current(CurveRole::Desired).points;
    PointList result = points;
    if (parsed.status == NumberStatus::Ok) {
        if (op_ == ConstantOperation::Add)
            OffsetValues(result, parsed.value);
        else
            ScaleValues(result, parsed.value);
    }
    // An overflowing point would leave an infinite value in the curve that
    // no diagram can show and no file can hold; treat it like a value out of
    // range and keep the curve.
    bool overflow = parsed.status == NumberStatus::OutOfRange;
    for (std::size_t k = 0; !overflow && k < result.size(); ++k)
        overflow = std::isfinite(points[k].y) && !std::isfinite(result[k].y);
    if (overflow) {
        ui.ErrorBox(kOutOfRangeTitle, kOutOfRangeText);
        return ConstantOutcome::OutOfRange;
    }
    points = std::move(result);
    return ConstantOutcome::Applied;
}

CutOutcome CutImpuls(Workspace& ws, int from, int to, const AutoRangeStep& autoRange) {
    CutOutcome outcome;
    outcome.switched = ws.CurrentDiagram != ImpulseResponseDiagram;
    ws.CurrentDiagram = ImpulseResponseDiagram;
    Diagram& d = ws.Current();
    PointList& points = ws.Current(CurveRole::Impulse).points;
    if (points.empty()) return outcome;
    PointList kept = CopyRange(points, from, to);
    NumberPoints(kept, 0.0);
    points = std::move(kept);
    if (autoRange) autoRange(d);
    outcome.cut = true;
    return outcome;
}

}  // namespace qv
