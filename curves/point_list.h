#pragma once
// Curves are ordered point lists. They are stored in a vector: the order of
// the points is the order in which they were built, exactly as a linked list
// would keep it, and whoever holds the vector owns its points.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace qv {

struct CurvePoint {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const CurvePoint&) const = default;
};

using PointList = std::vector<CurvePoint>;

void AppendPoint(PointList& list, double x, double y);
// Links p in before the first point whose x >= p.x (at the end if none);
// returns the position it got.
std::size_t InsertPointByX(PointList& list, CurvePoint p);
PointList CopyList(const PointList& list);
PointList JoinLists(const PointList& a, const PointList& b);
// Points with from <= x <= to, in list order; empty when from > to.
PointList CopyRange(const PointList& list, double from, double to);
void FreeList(PointList& list);
void RemovePoint(PointList& list, std::size_t position);
std::int32_t CountPoints(const PointList& list);
void NumberPoints(PointList& list, double start);
PointList ReverseValues(const PointList& list);
void ShiftSamples(PointList& list, int n);
PointList AddCurves(const PointList& a, const PointList& b);
void ScaleValues(PointList& list, double c);
void OffsetValues(PointList& list, double c);
void ValuesToDecibel(PointList& list);
void QuantizeValues(PointList& list, int bits);
void HoldPairs(PointList& list);
std::optional<std::size_t> FindPointNear(const PointList& list, double x0, double y0, double dx,
                                         double dy);

}  // namespace qv
