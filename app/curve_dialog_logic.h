#pragma once
// The rules of the small curve dialogs, without any widget: which keys the
// constant field takes, what its text does to the curve, and the cut of the
// impulse response. The dialogs only show and forward.

#include <functional>
#include <string_view>

#include "curves/tr.h"
#include "curves/user_interface.h"
#include "project/workspace.h"

namespace qv {

inline constexpr const char* kOutOfRangeText = QV_TR("Wertebereich überschritten");
inline constexpr const char* kOutOfRangeTitle = QV_TR("Problem");
inline constexpr const char* kNotANumberText = QV_TR("Fehler im Ausdruck");

enum class ConstantOperation { Add, Multiply };
enum class ConstantOutcome { Applied, OutOfRange, NotANumber };

// "ADD CONSTANT" and "MUL CONSTANT": one value applied to y of every point of
// slot 1 of the current diagram.
class ConstantDialogLogic {
  public:
    explicit ConstantDialogLogic(ConstantOperation op) : op_(op) {}

    ConstantOperation operation() const { return op_; }
    const char* Caption() const;
    // The text the field starts with: the value that changes nothing.
    const char* InitialText() const;

    // A typed character passes only if it can belong to a number or ends the
    // input: "0" ... "9", "-", ".", backspace (8) and Enter (13).
    static bool AcceptsKey(char32_t key);
    // A character that arrives without its own key (pasted, dropped) passes
    // by the same rule; backspace and Enter are keys, not text.
    static bool AcceptsTextCharacter(char32_t c);

    // OK: parses the whole text; a value outside the 64-bit range, or one that
    // would drive a point outside it, is reported in the error box, a text
    // that is no number in a message; in both cases the curve stays as it
    // was. The caller repaints when the result is Applied.
    ConstantOutcome Apply(std::string_view text, Workspace& ws, UserInterface& ui) const;

  private:
    ConstantOperation op_;
};

// The positions of the two up-down controls of "Cut Impuls".
struct CutLimits {
    static constexpr int kMin = 0;
    static constexpr int kMax = 10000;
    static constexpr int kInitialFrom = 0;
    static constexpr int kInitialTo = 500;
};

struct CutOutcome {
    bool switched = false;  // "Impuls Response" was not current before
    bool cut = false;       // slot 1 held points and was cut
    bool NeedsRepaint() const { return switched || cut; }
};

// Fits a diagram's ranges to its curves; the editor passes AutoRange.
using AutoRangeStep = std::function<void(Diagram&)>;

// Makes "Impuls Response" current; if its slot 1 holds points, keeps those
// with from <= x <= to, numbers them from 0 (name and marked flag stay) and
// fits the ranges with autoRange. from > to leaves the slot empty.
CutOutcome CutImpuls(Workspace& ws, int from, int to, const AutoRangeStep& autoRange);

}  // namespace qv
