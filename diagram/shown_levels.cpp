#include "diagram/shown_levels.h"

#include <cmath>
#include <cstdio>

namespace qv {

std::optional<double> BandMean(const PointList& points, double from, double to) {
    double area = 0, span = 0, sum = 0;
    int count = 0;
    const CurvePoint* previous = nullptr;
    for (const CurvePoint& p : points) {
        if (!(p.x > 0) || p.x < from || p.x > to || !std::isfinite(p.y)) continue;
        sum += p.y;
        ++count;
        // Trapezoids over log frequency: a dense top octave does not outweigh the bass.
        if (previous != nullptr && p.x > previous->x) {
            const double w = std::log(p.x / previous->x);
            area += w * (p.y + previous->y) / 2;
            span += w;
        }
        previous = &p;
    }
    if (count == 0) return std::nullopt;
    const double mean = span > 0 ? area / span : sum / count;
    return std::round(mean * 10) / 10;
}

std::array<double, 4> ShownOffsets(const Diagram& d) {
    std::array<double, 4> offsets{};
    if (d.yUnit != "dB" || d.yLog != 0) return offsets;
    const PointList& measured = d.Slot(kShownMeasuredSlot).points;
    const PointList& source = measured.empty() ? d.Slot(kShownPredictedSlot).points : measured;
    const auto mean = BandMean(source, kLevelBandFrom, kLevelBandTo);
    if (!mean || *mean == 0) return offsets;
    offsets[kShownMeasuredSlot - 1] = *mean;
    offsets[kShownPredictedSlot - 1] = *mean;
    return offsets;
}

std::string ShownCaption(const std::string& name, double offset) {
    if (offset == 0) return name;
    char text[32];
    std::snprintf(text, sizeof text, "  %+.1f dB", offset);
    return name + text;
}

}  // namespace qv
