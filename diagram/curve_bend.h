#pragma once
// Shaping a dense curve (a correction target of a thousand points) with the
// mouse: a drag lifts or lowers the curve around the press with a
// raised-cosine weight over a fraction of an octave, so the curve stays
// smooth and keeps its points. Curves with few points keep the point rules
// of the mouse editing.

#include <cstdint>

#include "curves/diagram.h"

namespace qv {

// Half widths of the bend, in octaves: a plain drag, and a drag with Ctrl.
constexpr double kBendHalfWidth = 1.0 / 6.0;
constexpr double kWideBendHalfWidth = 0.5;

// 1 at the press, falling as a raised cosine to 0 at halfWidth octaves
// away, 0 beyond.
double BendWeight(double octaves, double halfWidth);
// The curve with dy * BendWeight(log2(x / x0)) added to each point; points
// outside the half width (and points at x <= 0) stay exactly as they were.
PointList BendCurve(const PointList& points, double x0, double dy, double halfWidth);

// Slot 1 of the diagram is bent rather than edited by point: it is dense
// (IsDenseSlot) on a decade x axis.
bool BendsSlot1(const Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight);

// One drag: the curve as it was at the press is kept, and each move bends
// that curve anew by the mouse's height above the press.
class CurveBend {
  public:
    // A press inside the plot starts a bend of slot 1; false otherwise.
    bool Begin(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight, std::int32_t px,
               std::int32_t py, bool wide);
    // Slot 1 becomes the kept curve bent by the mouse's height; true when it changed.
    bool Drag(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight, std::int32_t px,
              std::int32_t py);
    void End() { active_ = false; }
    bool Active() const { return active_; }

  private:
    PointList original_;
    double x0_ = 0, y0_ = 0, halfWidth_ = kBendHalfWidth;
    bool active_ = false;
};

}  // namespace qv
