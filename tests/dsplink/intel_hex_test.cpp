#include "dsplink/intel_hex.h"

#include <gtest/gtest.h>

#include "curves/text_file.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

HexSlotImage Sample() {
    HexSlotImage image;
    for (std::size_t i = 0; i < 40; ++i) image.Put(i, static_cast<std::uint8_t>(i * 7));
    for (std::size_t i = 28670; i < 28689; ++i) image.Put(i, static_cast<std::uint8_t>(i));
    image.Put(32767, 0xA5);
    return image;
}

TEST(IntelHex, WritesAlignedSixteenByteRecordsAndTheEndRecord) {
    HexSlotImage image;
    for (std::size_t i = 0; i < 18; ++i) image.Put(i, static_cast<std::uint8_t>(i));
    image.Put(0x7FFE, 0x01);
    EXPECT_EQ(WriteIntelHex(image),
              ":10000000000102030405060708090A0B0C0D0E0F78\r\n"
              ":020010001011CD\r\n"
              ":017FFE000181\r\n"
              ":00000001FF\r\n");
}

TEST(IntelHex, RoundTripKeepsEveryByteAndGap) {
    const HexSlotImage image = Sample();
    const std::string text = WriteIntelHex(image);
    EXPECT_EQ(ReadIntelHex(text), image);
    EXPECT_EQ(ReadIntelHex(text).PresentCount(), 40u + 19u + 1u);
    // Records at 28670 do not cross the boundary at 28672.
    EXPECT_NE(text.find(":026FFE00"), std::string::npos);
    // Lower-case digits, LF endings, blank lines and zero address records pass.
    EXPECT_EQ(ReadIntelHex("\n:020000040000FA\n:0100050042b8\n\n:00000001ff\n\n").bytes[5], 0x42);
}

TEST(IntelHex, RefusesWhatCouldPutWrongBytesIntoTheFlash) {
    struct Case {
        const char* text;
        const char* why;
    };
    const Case cases[] = {
        {":0100050042B9\r\n:00000001FF\r\n", "line 1: bad checksum"},
        {":02000000424378\r\n:00000001FF\r\n", "line 1: bad checksum"},  // 0x79 is right
        {":0200000042437\r\n:00000001FF\r\n", "line 1: not an Intel HEX record"},
        {":02000000424X79\r\n:00000001FF\r\n", "line 1: not an Intel HEX record"},
        {"0100050042B8\r\n:00000001FF\r\n", "line 1: not an Intel HEX record"},
        {":030000004243B8\r\n:00000001FF\r\n", "line 1: byte count does not match the record"},
        {":020000004243\r\n", "line 1: byte count does not match the record"},
        {":0100050042B8\r\n", "no end record"},
        {":01800000423D\r\n:00000001FF\r\n", "line 1: address outside the 32 KiB slot"},
        {":027FFF004243FB\r\n:00000001FF\r\n", "line 1: address outside the 32 KiB slot"},
        {":020000040001F9\r\n:00000001FF\r\n", "line 1: address outside the 32 KiB slot"},
        {":02000400424375\r\n:0100050042B8\r\n:00000001FF\r\n", "line 2: overlapping records"},
        {":00000001FF\r\n:0100050042B8\r\n", "line 2: record after the end record"},
        {":0100000301FB\r\n:00000001FF\r\n", "line 1: unknown record type"},
        {":0100000142BC\r\n", "line 1: end record with data"},
        {"", "no end record"},
    };
    for (const Case& c : cases) {
        try {
            ReadIntelHex(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const IntelHexError& e) {
            EXPECT_EQ(std::string(e.what()), c.why) << c.text;
        }
    }
}

TEST(IntelHex, FilesNameThemselvesInRefusals) {
    test::TempDir dir;
    const std::string good = dir.File("set3.hex");
    WriteIntelHexFile(good, Sample());
    EXPECT_EQ(ReadIntelHexFile(good), Sample());
    EXPECT_THROW(ReadIntelHexFile(dir.File("missing.hex")), FileError);
    const std::string bad = dir.File("bad.hex");
    {
        LineWriter w(bad);
        w.WriteLine(":0100050042B8");
        w.Close();
    }
    try {
        ReadIntelHexFile(bad);
        ADD_FAILURE();
    } catch (const IntelHexError& e) {
        EXPECT_EQ(std::string(e.what()), bad + ", no end record");
    }
}

}  // namespace
}  // namespace qv
