#include "correction/smoothing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace qv {
namespace {

constexpr std::array<int, 7> kFractions = {1, 2, 3, 6, 12, 24, 48};

}  // namespace

std::span<const int> SmoothingFractions() {
    return kFractions;
}

bool IsSmoothingFraction(int n) {
    return std::find(kFractions.begin(), kFractions.end(), n) != kFractions.end();
}

PointList SmoothFractionalOctave(const PointList& curve, int fraction, SmoothingKind kind) {
    if (!IsSmoothingFraction(fraction)) throw std::invalid_argument(kBadFractionMessage);
    PointList out = curve;
    // The positive-frequency points in octaves, with the cell each one covers
    // on the log axis (from the midpoint to its left neighbour to the midpoint
    // to its right one; the end points cover only their inner half).
    std::vector<std::size_t> index;
    std::vector<double> oct, value;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (!(curve[i].x > 0.0) || !std::isfinite(curve[i].x)) continue;
        index.push_back(i);
        oct.push_back(std::log2(curve[i].x));
        value.push_back(kind == SmoothingKind::Level ? std::pow(10.0, curve[i].y / 10.0)
                                                     : curve[i].y);
    }
    const std::size_t n = oct.size();
    if (n < 2) return out;
    // Smoothing works on ascending frequencies; an unordered curve is left alone.
    if (!std::is_sorted(oct.begin(), oct.end())) return out;
    std::vector<double> lo(n), hi(n);
    for (std::size_t j = 0; j < n; ++j) {
        lo[j] = j == 0 ? oct[j] : 0.5 * (oct[j - 1] + oct[j]);
        hi[j] = j + 1 == n ? oct[j] : 0.5 * (oct[j] + oct[j + 1]);
    }
    const double half = 0.5 / fraction;
    std::size_t first = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double a = oct[i] - half, b = oct[i] + half;
        while (first < n && hi[first] <= a) ++first;
        double sum = 0.0, weight = 0.0;
        for (std::size_t j = first; j < n && lo[j] < b; ++j) {
            const double w = std::min(hi[j], b) - std::max(lo[j], a);
            if (w <= 0.0) continue;
            sum += w * value[j];
            weight += w;
        }
        // A point whose neighbours all sit at its own frequency keeps its value.
        if (!(weight > 0.0)) continue;
        const double mean = sum / weight;
        out[index[i]].y = kind == SmoothingKind::Level ? 10.0 * std::log10(mean) : mean;
    }
    return out;
}

}  // namespace qv
