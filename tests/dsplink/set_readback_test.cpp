#include "dsplink/set_readback.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dsplink/filter_transfer.h"

namespace qv {
namespace {

TEST(SetReadback, DecodeInvertsTheEncodingWithinItsPrecision) {
    struct Case {
        double x, expected;
    };
    // Clamped to 1, cut to 24 bits above 2^-31, tiny values to (signed) zero.
    const Case cases[] = {{0.5, 0.5},          {-0.25, -0.25},
                          {1.5, 1.0},          {-7.0, -1.0},
                          {0.0, 0.0},          {std::ldexp(1.0, -32), 0.0},
                          {1.0 / 3, 0.333333}, {-0.123456789, -0.123456789}};
    for (const Case& c : cases) {
        const double back = DecodeCoefficient(EncodeCoefficient(c.x));
        EXPECT_NEAR(back, c.expected, std::ldexp(std::fabs(c.expected), -23) + 1e-6) << c.x;
        // Cut, never rounded up: the magnitude never grows.
        EXPECT_LE(std::fabs(back), std::min(std::fabs(c.x), 1.0)) << c.x;
    }
    EXPECT_TRUE(std::signbit(DecodeCoefficient(EncodeCoefficient(-std::ldexp(1.0, -40)))));
}

TEST(SetReadback, CoefficientsComeBackFromTheFirstCopyNumberedFromZero) {
    DspImage image{};
    PointList list;
    for (int k = 0; k < 9; ++k) AppendPoint(list, k, 0.1 * (k - 4));
    PutCoefficients(image, 100, 9, list);
    image[100 + 8 * 3 + 4] ^= 0xFF;  // the second copy of value 3 is not read
    const PointList back = GetCoefficients(image, 100, 9);
    ASSERT_EQ(back.size(), 9u);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(back[k].x, k);
        // Whole pairs are stored: values 0 ... 9, the absent value 9 as 0.
        EXPECT_NEAR(back[k].y, 0.1 * (k - 4), 1e-7) << k;
    }
    EXPECT_EQ(GetCoefficients(image, kImageSize - 12, 5).size(), 2u);
}

TEST(SetReadback, FirstDifferenceLooksOnlyInsideTheRanges) {
    DspImage a{}, b{};
    b[10] = 1;
    b[300] = 2;
    b[29000] = 3;
    EXPECT_EQ(FirstDifference(a, b, {{0, 10}, {28672, 17}}), std::nullopt);
    EXPECT_EQ(FirstDifference(a, b, {{28672, 17}, {200, 200}, {0, 11}}), 10u);
    EXPECT_EQ(FirstDifference(a, b, {{28990, 17}}), 29000u);
    EXPECT_EQ(VerifyFailedText(2, kRate48k, 3400),
              "Verify failed: Set 3 at 48 kHz differs at offset 3400 (0x0D48)");
    EXPECT_EQ(SetText(7, kRate44k1), "Set 8 at 44.1 kHz");
    EXPECT_EQ(SetCurveName(0, kRate33k), "Set 1 (33 kHz)");
}

TEST(SetReadback, BackupHoldsProgramLengthAndSetupOnly) {
    DspImage image;
    image.fill(0x5A);
    SetImageLength(image, 100);
    const auto file = BackupContents(image);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->PresentCount(), 100u + 2u + 17u);
    EXPECT_TRUE(file->present[99]);
    EXPECT_FALSE(file->present[100]);
    EXPECT_TRUE(file->present[kImageLengthOffset]);
    EXPECT_TRUE(file->present[kSetupOffset + 16]);
    EXPECT_FALSE(file->present[kSetupOffset + 17]);
    EXPECT_EQ(file->bytes[kImageLengthOffset], 100);

    SetImageLength(image, kErasedLength);
    EXPECT_FALSE(BackupContents(image));
    SetImageLength(image, static_cast<std::uint16_t>(kProgramArea + 1));
    EXPECT_FALSE(BackupContents(image));
}

TEST(SetReadback, RestoreErasesTheSectorsOfTheFileAndWritesItsRuns) {
    HexSlotImage file;
    for (std::size_t o = 0; o < 5000; ++o) file.Put(o, static_cast<std::uint8_t>(o));
    for (std::size_t o = kImageLengthOffset; o < kSetupOffset + kSetupSize; ++o) file.Put(o, 7);
    const RestorePlan plan = PlanRestore(file);
    EXPECT_EQ(plan.sectors, (std::vector<std::uint8_t>{0, 1, 6, 7}));
    EXPECT_EQ(plan.writes,
              (std::vector<ImageRange>{{0, 5000}, {kImageLengthOffset, 2u + kSetupSize}}));
    EXPECT_EQ(plan.image[4999], static_cast<std::uint8_t>(4999));
    EXPECT_EQ(plan.image[5000], 0xFF);
    EXPECT_TRUE(PlanRestore(HexSlotImage{}).writes.empty());
}

}  // namespace
}  // namespace qv
