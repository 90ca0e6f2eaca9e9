#include "curves/number_syntax.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace qv {
namespace {

struct NumberCase {
    std::string text;
    NumberStatus status;
    double value;
};

class ParseNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTest, FollowsTheOneSyntax) {
    const NumberCase& c = GetParam();
    const ParsedNumber p = ParseNumber(c.text);
    EXPECT_EQ(p.status, c.status) << "'" << c.text << "'";
    if (c.status == NumberStatus::Ok) {
        EXPECT_EQ(p.value, c.value) << "'" << c.text << "'";
    }
}

// "3_minus1p5eplus3": the case number, then the text spelt out in letters
// and digits, so that a failing case can be found by its name.
std::string CaseName(std::size_t index, const std::string& text) {
    std::string name = std::to_string(index) + "_";
    for (unsigned char c : text) {
        if (std::isalnum(c) && c < 0x80)
            name += static_cast<char>(c);
        else if (c == '-')
            name += "minus";
        else if (c == '+')
            name += "plus";
        else if (c == '.')
            name += "p";
        else if (c == ' ')
            name += "blank";
        else
            name += "x" + std::to_string(c);
    }
    // Very long texts (the overflow cases) keep their start; the number keeps names unique.
    return name.size() > 40 ? name.substr(0, 40) + "_etc" : name;
}

constexpr auto Ok = NumberStatus::Ok;
constexpr auto Nan = NumberStatus::NotANumber;
constexpr auto Range = NumberStatus::OutOfRange;

INSTANTIATE_TEST_SUITE_P(
    Table, ParseNumberTest,
    ::testing::Values(
        NumberCase{"20", Ok, 20}, NumberCase{"-3.5", Ok, -3.5}, NumberCase{"+5", Ok, 5},
        NumberCase{"   7", Ok, 7}, NumberCase{"1e3", Ok, 1000}, NumberCase{"2.5E-1", Ok, 0.25},
        NumberCase{"1e+2", Ok, 100}, NumberCase{"0.50000000000000", Ok, 0.5},
        NumberCase{"1e-999999", Ok, 0}, NumberCase{"0.0001e-400", Ok, 0}, NumberCase{"-6", Ok, -6},
        NumberCase{"007", Ok, 7}, NumberCase{"1e999999", Range, 0},
        NumberCase{"1" + std::string(400, '0'), Range, 0}, NumberCase{"0.5e400", Range, 0},
        NumberCase{"-1e99999999999999999999", Range, 0}, NumberCase{"", Nan, 0},
        NumberCase{"   ", Nan, 0}, NumberCase{"-", Nan, 0}, NumberCase{".", Nan, 0},
        NumberCase{"1.", Nan, 0}, NumberCase{".5", Nan, 0}, NumberCase{"5e", Nan, 0},
        NumberCase{"1e+", Nan, 0}, NumberCase{"0x10", Nan, 0}, NumberCase{"1,5", Nan, 0},
        NumberCase{"\xd9\xa1\xd9\xa2", Nan, 0}, NumberCase{"6-", Nan, 0},
        NumberCase{"1.2.3", Nan, 0}, NumberCase{"7 ", Nan, 0}, NumberCase{"\t7", Nan, 0},
        NumberCase{"inf", Nan, 0}, NumberCase{"nan", Nan, 0}, NumberCase{"--1", Nan, 0},
        NumberCase{std::string("1\0", 2), Nan, 0}),
    [](const auto& info) { return CaseName(info.index, info.param.text); });

TEST(ParseNumber, ToNumberOnlyForValidValues) {
    EXPECT_EQ(ToNumber("2"), 2.0);
    EXPECT_FALSE(ToNumber("1e999"));
    EXPECT_FALSE(ToNumber("x"));
}

}  // namespace
}  // namespace qv
