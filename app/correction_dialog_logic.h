#pragma once
// The rules of "Smoothing…" and "Correction Target…", without any widget: what
// the fields mean, what they do to the curves, what the diagram shows while
// the dialog is open, and what "Cancel" puts back.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "correction/correction_target.h"
#include "curves/user_interface.h"
#include "project/workspace.h"

namespace qv {

// Reads a house curve file into dB over Hz; throws with the reader's text
// when the file cannot be read.
using CurveFileReader = std::function<PointList(const std::string& file)>;

// "Smoothing…": 1/N octave on one slot of the current diagram. A group delay
// diagram (unit "ms") averages plainly, every other one as power. It always
// smooths the curve as it came (kept beside the shown one), so 1/6 after 1/3
// gives 1/6, and "none" gives the curve as it came back.
class SmoothingDialogLogic {
  public:
    static constexpr int kDefaultSlot = 3;
    static constexpr int kDefaultFraction = 6;
    static constexpr int kNone = 0;
    // The captions of the fraction list, "1/1" ... "1/48"; "none" for kNone.
    static std::string FractionCaption(int n);

    explicit SmoothingDialogLogic(Workspace& ws) : ws_(ws) {}
    // Keeps the current diagram's curves for "Cancel" and settles where each
    // came from. Preview begins by itself in another diagram.
    void Begin();
    // Shows curve `slot` smoothed by 1/fraction octave from its source (the
    // other curves as at Begin). A bad fraction, an empty slot or a diagram
    // not over Hz: a message, the curves as at Begin, false.
    bool Preview(int slot, int fraction, UserInterface& ui);
    // "Cancel": the curves as they were at Begin. "OK": the preview stays.
    void Cancel();
    void Accept() { before_.clear(); }

  private:
    void Restore();
    struct Source {
        DiagramId diagram;
        int slot;
        std::string name;
        PointList original, shown;
    };
    // The curve as it came: the one kept, while the slot still shows what
    // this dialog made of it; else (checked at Begin) the slot's own points.
    Source& SourceOf(int slot, bool check);

    Workspace& ws_;
    std::vector<Source> sources_;
    DiagramId beganIn_ = FrequencyResponseDiagram;
    std::vector<CurveSlot> before_;
};

// What the "Correction Target…" fields hold, as typed.
struct CorrectionTargetFields {
    std::string from = "20", to = "20000";
    std::string maxBoost = "6", maxCut = "12";
    int smoothing = 6;  // 0: none; a room needs some, so 1/6 octave unless told
    TargetShape shape = TargetShape::Flat;
    std::string tilt = "0";
    std::string houseFile;
    std::string reference;  // empty: the band mean is 0 dB
    bool delayCorrection = false;
    std::string maxDelay = "5";
};

class CorrectionTargetLogic {
  public:
    CorrectionTargetLogic(Workspace& ws, CurveFileReader readHouseCurve);

    // Keeps slot 1 of "Frequency Response" and "Group Delay" for "Cancel".
    void Begin();
    // The settings the fields stand for, or the first thing wrong with them
    // (a house curve file is read once per name).
    std::optional<std::string> Parse(const CorrectionTargetFields& f, TargetSettings& out);
    // Shows the target at once: slot 1 "desired" (and, with delay correction,
    // slot 1 of "Group Delay") from the fields; a field in error shows the
    // curves as they were and returns the error text.
    std::optional<std::string> Preview(const CorrectionTargetFields& f);
    // "OK": the preview stays, marked; on an error a message and false (the
    // dialog stays open).
    bool Accept(const CorrectionTargetFields& f, UserInterface& ui);
    // "Cancel": both slots as they were at Begin.
    void Cancel();

    const TargetSettings& settings() const { return settings_; }

  private:
    void Restore();

    Workspace& ws_;
    CurveFileReader readHouseCurve_;
    CurveSlot levelBefore_, delayBefore_;
    std::string houseName_;
    PointList house_;
    std::optional<std::string> houseError_;
    TargetSettings settings_;
};

}  // namespace qv
