#include "measurements/number_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qv {
namespace {

std::vector<std::string> Split(std::string_view line, FieldSeparator sep) {
    std::vector<std::string_view> fields;
    SplitFields(line, sep, fields);
    return {fields.begin(), fields.end()};
}

TEST(SplitFields, SeparatorsQuotesAndEmptyFields) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Split("  20   61.5\t 116 ", FieldSeparator::Blank), (V{"20", "61.5", "116"}));
    EXPECT_EQ(Split("1.346\t 47.1922", FieldSeparator::Tab), (V{"1.346", "47.1922"}));
    EXPECT_EQ(Split("\"On Axis\"\t\t\"Listening Window\"\t", FieldSeparator::Tab),
              (V{"On Axis", "", "Listening Window"}));
    // A quoted field keeps the separators inside it.
    EXPECT_EQ(Split("\"Freq [Hz]\"\t\"SPL [\t0.065\tV]\"", FieldSeparator::Tab),
              (V{"Freq [Hz]", "SPL [\t0.065\tV]"}));
    EXPECT_EQ(Split("\"On Axis\" \"Sound Power\"", FieldSeparator::Blank),
              (V{"On Axis", "Sound Power"}));
    EXPECT_EQ(Split("20,5;-3,0;;", FieldSeparator::Semicolon), (V{"20,5", "-3,0"}));
    EXPECT_EQ(Split("20, 61.5 ,116", FieldSeparator::Comma), (V{"20", "61.5", "116"}));
    EXPECT_EQ(Split("\t\t", FieldSeparator::Tab), V{});
    EXPECT_EQ(Split("", FieldSeparator::Blank), V{});
}

struct ShapeCase {
    const char* text;
    bool commaSeparates;
    bool numeric;
    MarkVote vote;
};

TEST(ClassifyNumber, VotesOnTheDecimalMark) {
    const ShapeCase cases[] = {
        {"20", false, true, MarkVote::None},
        {"-3.5", false, true, MarkVote::Point},
        {"46,4", false, true, MarkVote::Comma},
        {"1,000.49", false, true, MarkVote::Point},
        {"1.000,49", false, true, MarkVote::Comma},
        {"1,000", false, true, MarkVote::None},  // a thousand or one: the file decides
        {"11,313", false, true, MarkVote::None},
        {"1,000,000", false, true, MarkVote::Point},
        {"1.0e-3", false, true, MarkVote::Point},
        {"5.", false, true, MarkVote::Point},
        {".5", false, true, MarkVote::Point},
        {"inf", false, true, MarkVote::None},
        {"-Infinity", false, true, MarkVote::None},
        {"NaN", false, true, MarkVote::None},
        {"20.0,", false, false, MarkVote::None},
        {"1,00,0", false, false, MarkVote::None},
        {"20,5", true, false, MarkVote::None},
        {"V5,17", false, false, MarkVote::None},
        {"12:40:10", false, false, MarkVote::None},
        {"-", false, false, MarkVote::None},
        {"1e", false, false, MarkVote::None},
        {"", false, false, MarkVote::None},
    };
    for (const auto& c : cases) {
        const NumberShape s = ClassifyNumber(c.text, c.commaSeparates);
        EXPECT_EQ(s.numeric, c.numeric) << c.text;
        if (c.numeric) {
            EXPECT_EQ(s.vote, c.vote) << c.text;
        }
    }
}

struct ParseCase {
    const char* text;
    DecimalMark mark;
    bool commaSeparates;
    std::optional<double> value;
};

TEST(ParseNumberField, ReadsEachFilesNumbers) {
    const ParseCase cases[] = {
        {"20", DecimalMark::Point, false, 20.0},
        {"+20", DecimalMark::Point, false, 20.0},
        {"-3.5", DecimalMark::Point, false, -3.5},
        {"1,000.49", DecimalMark::Point, false, 1000.49},
        {"19,999.5", DecimalMark::Point, false, 19999.5},
        {"11,313", DecimalMark::Point, false, 11313.0},
        {"11,313", DecimalMark::Comma, false, 11.313},
        {"46,4", DecimalMark::Comma, false, 46.4},
        {"1.000,5", DecimalMark::Comma, false, 1000.5},
        {"1.0000e+00", DecimalMark::Point, false, 1.0},
        {"-5.9765e+01", DecimalMark::Point, false, -59.765},
        {"-2.9375767681995e-05", DecimalMark::Point, false, -2.9375767681995e-05},
        {"46,4", DecimalMark::Point, false, std::nullopt},
        {"1,00", DecimalMark::Point, false, std::nullopt},
        {"20,5", DecimalMark::Point, true, std::nullopt},
        {"1.5.2", DecimalMark::Point, false, std::nullopt},
        {"20 Hz", DecimalMark::Point, false, std::nullopt},
        {"0x10", DecimalMark::Point, false, std::nullopt},
        {"1e999", DecimalMark::Point, false, HUGE_VAL},
        {"-1e999", DecimalMark::Point, false, -HUGE_VAL},
    };
    for (const auto& c : cases) {
        const auto v = ParseNumberField(c.text, c.mark, c.commaSeparates);
        ASSERT_EQ(v.has_value(), c.value.has_value()) << c.text;
        if (v) {
            EXPECT_DOUBLE_EQ(*v, *c.value) << c.text;
        }
    }
    EXPECT_TRUE(std::isnan(*ParseNumberField("nan", DecimalMark::Point, false)));
    EXPECT_TRUE(std::isinf(*ParseNumberField("-inf", DecimalMark::Comma, false)));
}

}  // namespace
}  // namespace qv
