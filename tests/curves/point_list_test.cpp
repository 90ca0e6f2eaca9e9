#include "curves/point_list.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

PointList Ys(std::initializer_list<double> ys) {
    PointList l;
    double x = 0;
    for (double y : ys) AppendPoint(l, x++, y);
    return l;
}

std::vector<double> YsOf(const PointList& l) {
    std::vector<double> v;
    for (auto& p : l) v.push_back(p.y);
    return v;
}

TEST(PointList, InsertByXGoesBeforeEqualX) {
    PointList l = {{1, 0}, {5, 0}, {9, 0}};
    EXPECT_EQ(InsertPointByX(l, {5, 1}), 1u);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[1], (CurvePoint{5, 1}));
    EXPECT_EQ(l[2], (CurvePoint{5, 0}));
}

}  // namespace
}  // namespace qv
