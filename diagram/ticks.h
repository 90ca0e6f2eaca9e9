#pragma once
// The grid lines and tick labels of one axis as lists in world units along
// the axis (0 ... WorldExtent): what the painter draws, computed without a
// canvas.

#include <cstddef>
#include <string>
#include <vector>

#include "diagram/axis_math.h"
#include "diagram/diagram_layout.h"

namespace qv {

enum class Axis { X, Y };

constexpr std::size_t kMaxTickTextLength = 20;

struct TickLabel {
    double position = 0;  // world units along the axis
    std::string text;
    bool operator==(const TickLabel&) const = default;
};

struct AxisTicks {
    // Grid lines in drawing order. A linear axis has both kinds; a log axis
    // has all ten lines of each decade as major lines and no minor ones.
    std::vector<double> minorLines;
    std::vector<double> majorLines;
    // The labels to write; those without room are left out.
    std::vector<TickLabel> labels;
    // Where the axis unit is centred: between the last two label places.
    double unitPosition = WorldExtent / 2;
};

// A linear axis: lines at multiples of each step from step * trunc(from / step)
// up to below the upper bound; labels at the major multiples above the lower
// bound. x labels need four pixels per character on each side, y labels are
// all written, and a y axis always gets at least three (WithThreeLabels).
AxisTicks LinearTicks(const DiagramMapper& map, Axis axis, TickSteps steps);
// The steps when their major step leaves at least three multiples strictly
// inside the range; else the next finer steps of the 1-2-5 ladder that do
// (the minor step a fifth of the major).
TickSteps WithThreeLabels(double from, double to, TickSteps steps);
// A log axis: the lines of DecadeFactors strictly inside the range, a label
// at each power of ten from the lower bound on, where it has room; a y axis
// with fewer than three such labels gets them inside its decades too.
AxisTicks DecadeTicks(const DiagramMapper& map, Axis axis);

}  // namespace qv
