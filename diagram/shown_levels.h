#pragma once
// What the view shows of a level diagram: a measurement (tens of dB above the
// 0 dB targets) is drawn relative to its band mean, so that both read on one
// axis; its legend label says the offset. The stored values stay absolute.

#include <array>
#include <optional>
#include <string>

#include "curves/diagram.h"

namespace qv {

// The band whose mean sets a measurement's offset, in Hz.
constexpr double kLevelBandFrom = 20.0;
constexpr double kLevelBandTo = 20000.0;
// The measured curve and the prediction made from it share the measurement's offset.
constexpr int kShownMeasuredSlot = 3;
constexpr int kShownPredictedSlot = 4;

// Mean of y over log frequency for the points with from <= x <= to (x > 0),
// rounded to 0.1; none when no point lies there.
std::optional<double> BandMean(const PointList& points, double from, double to);
// What the painter subtracts from each slot's y values (index 0 for slot 1):
// on a linear dB axis, slots 3 and 4 take the band mean of slot 3 (of slot 4
// when slot 3 is empty); everything else 0.
std::array<double, 4> ShownOffsets(const Diagram& d);
// The legend caption: "woofer.frd  +87.3 dB", or the name alone at 0.
std::string ShownCaption(const std::string& name, double offset);

}  // namespace qv
