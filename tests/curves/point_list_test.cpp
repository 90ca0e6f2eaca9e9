#include "curves/point_list.h"

#include <gtest/gtest.h>

#include "curves/diagram.h"

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

std::vector<double> XsOf(const PointList& l) {
    std::vector<double> v;
    for (auto& p : l) v.push_back(p.x);
    return v;
}

TEST(PointList, InsertByXGoesBeforeEqualX) {
    PointList l = {{1, 0}, {5, 0}, {9, 0}};
    EXPECT_EQ(InsertPointByX(l, {5, 1}), 1u);
    EXPECT_EQ(l, (PointList{{1, 0}, {5, 1}, {5, 0}, {9, 0}}));
    InsertPointByX(l, {10, 2});
    InsertPointByX(l, {0, 3});
    EXPECT_EQ(XsOf(l), (std::vector<double>{0, 1, 5, 5, 9, 10}));
}

// A list read from an unsorted file is not ascending: the new point still
// goes before the first point whose x is not below its own.
struct InsertCase {
    const char* name;
    PointList in;
    CurvePoint p;
    std::size_t at;
    std::vector<double> xs;
};

void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.name;
}

class InsertUnsortedTest : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertUnsortedTest, GoesBeforeFirstNotBelow) {
    InsertCase c = GetParam();
    EXPECT_EQ(InsertPointByX(c.in, c.p), c.at);
    EXPECT_EQ(XsOf(c.in), c.xs);
}

INSTANTIATE_TEST_SUITE_P(
    PointList, InsertUnsortedTest,
    ::testing::Values(InsertCase{"AboveLastButBelowFirst", {{5, 0}, {1, 0}}, {3, 0}, 0, {3, 5, 1}},
                      InsertCase{
                          "EqualToAnEarlierX", {{1, 0}, {7, 0}, {2, 0}}, {7, 1}, 1, {1, 7, 7, 2}},
                      InsertCase{"AboveEveryX", {{5, 0}, {1, 0}}, {6, 0}, 2, {5, 1, 6}},
                      InsertCase{"IntoEmpty", {}, {4, 0}, 0, {4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PointList, CopyRangeIncludesBothEnds) {
    PointList l;
    for (int i = 0; i < 1000; ++i) AppendPoint(l, i, i);
    EXPECT_EQ(CountPoints(CopyRange(l, 0, 500)), 501);
    EXPECT_EQ(CountPoints(CopyRange(l, 100, 199)), 100);
    EXPECT_TRUE(CopyRange(l, 600, 500).empty());
}

TEST(PointList, ReverseValuesKeepsX) {
    PointList r = ReverseValues({{0, 1}, {1, 2}, {2, 3}});
    EXPECT_EQ(r, (PointList{{0, 3}, {1, 2}, {2, 1}}));
    EXPECT_TRUE(ReverseValues({}).empty());
}

struct ShiftCase {
    const char* name;
    std::vector<double> in;
    int n;
    std::vector<double> out;
};

class ShiftSamplesTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftSamplesTest, ShiftsAndRenumbers) {
    const ShiftCase& c = GetParam();
    PointList l;
    for (std::size_t i = 0; i < c.in.size(); ++i)
        AppendPoint(l, 10.0 + static_cast<double>(i), c.in[i]);
    ShiftSamples(l, c.n);
    EXPECT_EQ(YsOf(l), c.out);
    for (std::size_t i = 0; i < l.size(); ++i) EXPECT_EQ(l[i].x, static_cast<double>(i));
}

INSTANTIATE_TEST_SUITE_P(Table, ShiftSamplesTest,
                         ::testing::Values(ShiftCase{"advance2", {1, 2, 3, 4}, 2, {3, 4, 0, 0}},
                                           ShiftCase{"delay2", {1, 2, 3, 4}, -2, {0, 0, 1, 2}},
                                           ShiftCase{
                                               "advanceBeyondLength", {1, 2, 3}, 7, {0, 0, 0}},
                                           ShiftCase{"delayBeyondLength", {1, 2, 3}, -7, {0, 0, 0}},
                                           ShiftCase{"onePointAdvance", {5}, 3, {5}},
                                           ShiftCase{"onePointDelay", {5}, -3, {5}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PointList, ShiftZeroKeepsX) {
    PointList l = {{7, 1}, {8, 2}};
    ShiftSamples(l, 0);
    EXPECT_EQ(l[0].x, 7);
}

TEST(PointList, AddCurvesHoldsEndsAndInterpolates) {
    PointList a = {{1, 1}, {2, 2}, {2.5, 3}, {3, 4}, {4, 5}};
    PointList b = {{2, 10}, {3, 20}};
    EXPECT_EQ(AddCurves(a, b), (PointList{{1, 11}, {2, 12}, {2.5, 18}, {3, 24}, {4, 25}}));
    EXPECT_TRUE(AddCurves(a, {}).empty());
    EXPECT_TRUE(AddCurves({}, b).empty());
}

TEST(PointList, ValueTransforms) {
    PointList l = {{0, 1}, {1, 10}, {2, 0}};
    ValuesToDecibel(l);
    EXPECT_EQ(YsOf(l), (std::vector<double>{0, 20, -200}));

    PointList q = {{0, 0.5 / 32768}, {1, 1.5 / 32768}, {2, -2.5 / 32768}, {3, 3.0}};
    QuantizeValues(q, 16);
    EXPECT_EQ(YsOf(q), (std::vector<double>{0, 2.0 / 32768, -2.0 / 32768, 3.0}));

    PointList h = Ys({1, 2, 3, 4, 5});
    HoldPairs(h);
    EXPECT_EQ(YsOf(h), (std::vector<double>{1, 1, 3, 3, 5}));

    PointList s = Ys({1, -2});
    ScaleValues(s, 3);
    OffsetValues(s, 1);
    EXPECT_EQ(YsOf(s), (std::vector<double>{4, -5}));
}

TEST(PointList, FindPointNearReturnsFirstHit) {
    PointList l = {{0, 0}, {10, 0}, {11, 0}};
    EXPECT_EQ(FindPointNear(l, 10.6, 0.5, 1, 1), 1u);
    EXPECT_EQ(FindPointNear(l, 11.6, 0, 0.5, 1), std::nullopt);
    EXPECT_EQ(FindPointNear(l, 5, 0, 5, 0), 0u);  // bounds inclusive
}

TEST(PointList, RemoveAndJoin) {
    PointList l = Ys({1, 2, 3});
    RemovePoint(l, 1);
    EXPECT_EQ(YsOf(l), (std::vector<double>{1, 3}));
    EXPECT_EQ(YsOf(JoinLists(l, Ys({7}))), (std::vector<double>{1, 3, 7}));
    NumberPoints(l, 5);
    EXPECT_EQ(XsOf(l), (std::vector<double>{5, 6}));
}

TEST(CurveSlots, SetSlotCutsNameAndClearKeepsColour) {
    Diagram d;
    InitSlots(d);
    d.Slot(1).marked = 1;
    SetSlot(d, 1, std::string(60, 'n'), Ys({1, 2}));
    EXPECT_EQ(d.Slot(1).name, std::string(50, 'n'));
    EXPECT_EQ(d.Slot(1).marked, 0);
    EXPECT_EQ(d.Slot(1).points.size(), 2u);
    ClearSlots(d);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_TRUE(d.Slot(k).points.empty());
        EXPECT_EQ(d.Slot(k).colour, kSlotColours[static_cast<std::size_t>(k - 1)]);
    }
    EXPECT_EQ(d.Slot(4).colour, 0x000080u);
}

// A file name from the file dialog is UTF-8: a name is cut to at most 50
// bytes, never inside a character.
struct NameCase {
    const char* name;
    std::string in;
    std::string stored;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

class SlotNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(SlotNameTest, CutAtCharacterBoundary) {
    Diagram d;
    InitSlots(d);
    SetSlot(d, 2, GetParam().in, Ys({1}));
    EXPECT_EQ(d.Slot(2).name, GetParam().stored);
}

std::string N(std::size_t k) {
    return std::string(k, 'n');
}

INSTANTIATE_TEST_SUITE_P(
    CurveSlots, SlotNameTest,
    ::testing::Values(NameCase{"TwoByteAcross50", N(49) + "\xC3\xA4", N(49)},
                      NameCase{"TwoByteEndsAt50", N(48) + "\xC3\xA4n", N(48) + "\xC3\xA4"},
                      NameCase{"ThreeByteAcross50", N(48) + "\xE2\x82\xAC", N(48)},
                      NameCase{"FourByteAcross50", N(47) + "\xF0\x9F\x98\x80", N(47)},
                      NameCase{"FourByteEndsAt50", N(46) + "\xF0\x9F\x98\x80n",
                               N(46) + "\xF0\x9F\x98\x80"},
                      NameCase{"ShortNameWhole", "m\xC3\xBCll.dat", "m\xC3\xBCll.dat"},
                      NameCase{"NotUtf8CutAt50", std::string(60, '\x80'), std::string(50, '\x80')}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qv
