#include "curves/point_list.h"

#include <algorithm>
#include <cmath>

namespace qv {

void AppendPoint(PointList& list, double x, double y) {
    list.push_back({x, y});
}

std::size_t InsertPointByX(PointList& list, CurvePoint p) {
    // No shortcut on the last point: a list read from an unsorted file can
    // hold a point with x >= p.x before a last point with x < p.x.
    auto at =
        std::find_if(list.begin(), list.end(), [&](const CurvePoint& q) { return q.x >= p.x; });
    auto pos = static_cast<std::size_t>(at - list.begin());
    list.insert(at, p);
    return pos;
}

PointList CopyList(const PointList& list) {
    return list;
}

PointList JoinLists(const PointList& a, const PointList& b) {
    PointList out;
    out.reserve(a.size() + b.size());
    out.insert(out.end(), a.begin(), a.end());
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

PointList CopyRange(const PointList& list, double from, double to) {
    PointList out;
    for (const auto& p : list)
        if (!(p.x < from) && !(p.x > to)) out.push_back(p);
    return out;
}

void FreeList(PointList& list) {
    list.clear();
    list.shrink_to_fit();
}

void RemovePoint(PointList& list, std::size_t position) {
    if (position < list.size()) list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
}

std::int32_t CountPoints(const PointList& list) {
    return static_cast<std::int32_t>(list.size());
}

void NumberPoints(PointList& list, double start) {
    for (std::size_t k = 0; k < list.size(); ++k) list[k].x = start + static_cast<double>(k);
}

PointList ReverseValues(const PointList& list) {
    PointList out(list.size());
    const std::size_t n = list.size();
    for (std::size_t j = 0; j < n; ++j) out[j] = {list[j].x, list[n - 1 - j].y};
    return out;
}

void ShiftSamples(PointList& list, int n) {
    const std::size_t c = list.size();
    if (c == 0 || n == 0) return;
    if (n > 0) {
        // A one-point list is never shifted; otherwise each step drops the
        // first sample and appends a zero, so more than c steps give zeros.
        if (c > 1) {
            const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(n), c);
            std::move(list.begin() + static_cast<std::ptrdiff_t>(k), list.end(), list.begin());
            for (std::size_t i = c - k; i < c; ++i) list[i] = {0.0, 0.0};
        }
    } else if (c > 1) {
        const std::size_t k =
            std::min<std::size_t>(static_cast<std::size_t>(-static_cast<long long>(n)), c);
        std::move_backward(list.begin(), list.end() - static_cast<std::ptrdiff_t>(k), list.end());
        for (std::size_t i = 0; i < k; ++i) list[i] = {0.0, 0.0};
    }
    NumberPoints(list, 0.0);
}

namespace {

// The result of AddCurves is built by insertion and so is ascending: its
// last point is its largest, and appending above it keeps building linear.
void InsertIntoAscending(PointList& out, CurvePoint p) {
    if (out.empty() || out.back().x < p.x)
        out.push_back(p);
    else
        InsertPointByX(out, p);
}

}  // namespace

PointList AddCurves(const PointList& a, const PointList& b) {
    PointList out;
    if (b.empty()) return out;
    out.reserve(a.size());
    std::size_t ia = 0;
    // 1. Points left of (or at) B's start take B's first value.
    for (; ia < a.size() && a[ia].x <= b.front().x; ++ia)
        InsertIntoAscending(out, {a[ia].x, a[ia].y + b.front().y});
    // 2./3. Walk B in step with A; beyond B's end its last value holds.
    std::size_t jb = 0;
    const CurvePoint* p = nullptr;
    for (; ia < a.size(); ++ia) {
        const double x = a[ia].x;
        while (jb < b.size() && b[jb].x < x) p = &b[jb++];
        double v;
        if (jb < b.size()) {
            const CurvePoint& q = b[jb];
            v = (p == nullptr || q.x == x) ? q.y : p->y + (q.y - p->y) * (x - p->x) / (q.x - p->x);
        } else {
            v = b.back().y;
        }
        InsertIntoAscending(out, {x, a[ia].y + v});
    }
    return out;
}

void ScaleValues(PointList& list, double c) {
    for (auto& p : list) p.y = c * p.y;
}

void OffsetValues(PointList& list, double c) {
    for (auto& p : list) p.y = p.y + c;
}

void ValuesToDecibel(PointList& list) {
    // The input is a magnitude; a negative value is taken by its size.
    for (auto& p : list) p.y = (p.y == 0.0) ? -200.0 : 20.0 * std::log10(std::fabs(p.y));
}

void QuantizeValues(PointList& list, int bits) {
    const double s = std::ldexp(1.0, bits - 1);
    for (auto& p : list) p.y = std::nearbyint(s * p.y) / s;
}

void HoldPairs(PointList& list) {
    for (std::size_t i = 0; i + 1 < list.size(); i += 2) list[i + 1].y = list[i].y;
}

std::optional<std::size_t> FindPointNear(const PointList& list, double x0, double y0, double dx,
                                         double dy) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (std::fabs(list[i].x - x0) <= dx && std::fabs(list[i].y - y0) <= dy) return i;
    return std::nullopt;
}

}  // namespace qv
