#include "dspbox/box_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/dspbox/line_host.h"

namespace qv {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

TEST(BoxCodec, CrcOfCheckText) {
    EXPECT_EQ(BoxCrc8(Bytes("123456789")), 0xA1);
}

TEST(BoxCodec, CrcTableMatchesBitwiseCrc) {
    EXPECT_EQ(BoxCrc8Step(0, 1), 0x5E);
    EXPECT_EQ(BoxCrc8Step(0, 128), 0x8C);
    for (unsigned state = 0; state < 256; state += 17) {
        for (unsigned b = 0; b < 256; ++b) {
            const std::vector<std::uint8_t> two{static_cast<std::uint8_t>(state),
                                                static_cast<std::uint8_t>(b)};
            ASSERT_EQ(BoxCrc8(two), test::BitwiseCrc8(two)) << state << " " << b;
        }
    }
}

TEST(BoxCodec, FramesCarryTheirCrcAsLastPair) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::string line;
    };
    const Case cases[] = {
        {{0x39, 0x00}, ":39009F\r"},
        {{0x39, 0x7F}, ":397F26\r"},
        {{0x21}, ":217D\r"},
        {{}, ":00\r"},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeIdpFrame(c.bytes), c.line);
}

TEST(BoxCodec, HexDigitsOfBothCases) {
    EXPECT_EQ(HexDigitValue('0'), 0);
    EXPECT_EQ(HexDigitValue('9'), 9);
    EXPECT_EQ(HexDigitValue('A'), 10);
    EXPECT_EQ(HexDigitValue('f'), 15);
    for (char c : std::string(":gG/@`\r ")) EXPECT_EQ(HexDigitValue(c), -1) << c;
}

}  // namespace
}  // namespace qv
