#include "dspbox/box_flash.h"

#include <gtest/gtest.h>

#include <fstream>

#include "curves/text_file.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

std::uint32_t Address(int set, int rate, std::uint32_t offset) {
    return static_cast<std::uint32_t>(set * 4 + rate) * 32768 + offset;
}

TEST(BoxFlash, StartsErased) {
    BoxFlash flash;
    for (int s = 0; s < 8; ++s) {
        for (int r = 0; r < 3; ++r) {
            for (std::uint8_t b : flash.Slot(s, r)) ASSERT_EQ(b, 0xFF);
        }
    }
}

TEST(BoxFlash, ProgrammingOnlyClearsBits) {
    BoxFlash flash;
    const std::uint8_t first[] = {0xF0, 0x3C};
    ASSERT_EQ(flash.Program(Address(2, 1, 100), first), FlashResult::Ok);
    const std::uint8_t clearMore[] = {0x30, 0x3C};
    EXPECT_EQ(flash.Program(Address(2, 1, 100), clearMore), FlashResult::Ok);
    // 0x0F needs bits that are clear now: nothing of the block is written.
    const std::uint8_t setBits[] = {0x00, 0x0F};
    EXPECT_EQ(flash.Program(Address(2, 1, 100), setBits), FlashResult::NotErased);
    EXPECT_EQ(flash.Slot(2, 1)[100], 0x30);
    EXPECT_EQ(flash.Slot(2, 1)[101], 0x3C);
}

TEST(BoxFlash, EraseClearsOneSectorOfOneSlot) {
    BoxFlash flash;
    const std::vector<std::uint8_t> zeros(kBoxSlotSize, 0);
    flash.Store(1, 1, 0, zeros);
    flash.Store(1, 0, 0, zeros);
    ASSERT_EQ(flash.EraseSector(Address(1, 1, 3 * 4096 + 77)), FlashResult::Ok);
    const auto slot = flash.Slot(1, 1);
    EXPECT_EQ(slot[3 * 4096 - 1], 0x00);
    EXPECT_EQ(slot[3 * 4096], 0xFF);
    EXPECT_EQ(slot[4 * 4096 - 1], 0xFF);
    EXPECT_EQ(slot[4 * 4096], 0x00);
    EXPECT_EQ(flash.Slot(1, 0)[3 * 4096], 0x00);
}

TEST(BoxFlash, AddressesWithoutMemory) {
    BoxFlash flash;
    std::vector<std::uint8_t> out;
    const std::uint8_t one[] = {0};
    // Slot codes 3, 7, ... and everything from set 8 on hold no memory.
    EXPECT_FALSE(BoxFlash::Index(3 * 32768));
    EXPECT_FALSE(BoxFlash::Index(32 * 32768));
    EXPECT_EQ(BoxFlash::Index(30 * 32768 + 5), (7 * 3 + 2) * 32768 + 5);
    EXPECT_EQ(flash.Program(7 * 32768, one), FlashResult::OutOfRange);
    EXPECT_EQ(flash.EraseSector(11 * 32768), FlashResult::OutOfRange);
    // A block may not run past the end of its slot.
    EXPECT_EQ(flash.Read(Address(0, 0, 32760), 9, out), FlashResult::OutOfRange);
    EXPECT_EQ(flash.Read(Address(0, 0, 32760), 8, out), FlashResult::Ok);
    EXPECT_THROW(flash.Slot(0, 3), std::out_of_range);
    EXPECT_THROW(flash.Store(0, 0, 32767, std::vector<std::uint8_t>(2)), std::out_of_range);
}

TEST(BoxFlash, FileRoundTripAndRefusals) {
    test::TempDir dir;
    BoxFlash flash;
    const std::uint8_t bytes[] = {1, 2, 3};
    flash.Store(7, 2, 32765, bytes);
    flash.Save(dir.File("flash.bin"));
    EXPECT_EQ(std::filesystem::file_size(dir.File("flash.bin")), kBoxFlashSize);
    EXPECT_EQ(test::ReadBytes(dir.File("flash.bin")).substr(kBoxFlashSize - 3), "\x01\x02\x03");

    BoxFlash loaded;
    loaded.Load(dir.File("flash.bin"));
    EXPECT_TRUE(std::ranges::equal(loaded.Slot(7, 2), flash.Slot(7, 2)));

    dir.Write("short.bin", std::string(kBoxFlashSize - 1, '\0'));
    dir.Write("long.bin", std::string(kBoxFlashSize + 1, '\0'));
    EXPECT_THROW(loaded.Load(dir.File("short.bin")), FileError);
    EXPECT_THROW(loaded.Load(dir.File("long.bin")), FileError);
    EXPECT_THROW(loaded.Load(dir.File("missing.bin")), FileError);
    EXPECT_EQ(loaded.Slot(7, 2)[32767], 3);  // a refused file changes nothing
    EXPECT_THROW(flash.Save(dir.File("no/such/dir/flash.bin")), FileError);
}

}  // namespace
}  // namespace qv
