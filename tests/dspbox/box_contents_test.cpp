#include "dspbox/box_contents.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "dspbox/virtual_dsp_box.h"
#include "tests/dspbox/line_host.h"

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::Transact;

std::uint16_t Word(std::span<const std::uint8_t> slot, std::size_t at) {
    return static_cast<std::uint16_t>(slot[at] | slot[at + 1] << 8);
}

TEST(FactoryContents, DemoProgramIsTheDemoFile) {
    // The box carries the bytes of the demo directory's program file.
    std::ifstream in(std::string(QV_SOURCE_DIR) + "/data/demo/quorvane.dat");
    ASSERT_TRUE(in) << "demo program file missing";
    Bytes fromFile;
    for (std::string line; std::getline(in, line);) {
        fromFile.push_back(static_cast<std::uint8_t>(std::stoi(line.substr(2, 2), nullptr, 16)));
    }
    const auto program = DemoProgram();
    EXPECT_EQ(Bytes(program.begin(), program.end()), fromFile);
}

TEST(FactoryContents, EverySlotHoldsProgramLengthAndSetup) {
    FakeClock clock;
    DspBoxOptions options;
    options.factoryContents = true;
    const VirtualDspBox box(clock, options);
    const auto program = DemoProgram();
    struct Rate {
        int code;
        std::uint16_t frequency;
    };
    for (const Rate rate : {Rate{0, 44100}, Rate{1, 48000}, Rate{2, 33000}}) {
        for (int set = 0; set < kBoxSetCount; ++set) {
            const auto slot = box.FlashSlot(set, rate.code);
            ASSERT_TRUE(std::equal(program.begin(), program.end(), slot.begin()));
            EXPECT_EQ(slot[program.size()], 0xFF);
            EXPECT_EQ(Word(slot, kBoxLengthOffset), program.size());
            // gains 0, default levels 12, delays 1, the rate, High, chosen, room off
            EXPECT_EQ(Word(slot, kBoxSetupOffset + 0), 0);
            EXPECT_EQ(Word(slot, kBoxSetupOffset + 2), 0);
            EXPECT_EQ(Word(slot, kBoxSetupOffset + 4), 12);
            EXPECT_EQ(Word(slot, kBoxSetupOffset + 6), 12);
            EXPECT_EQ(Word(slot, kBoxSetupOffset + 8), 1);
            EXPECT_EQ(Word(slot, kBoxSetupOffset + 10), 1);
            EXPECT_EQ(Word(slot, kBoxSetupOffset + 12), rate.frequency);
            EXPECT_EQ(slot[kBoxSetupOffset + 14], 1);
            EXPECT_EQ(slot[kBoxSetupOffset + 15], 1);
            EXPECT_EQ(slot[kBoxSetupOffset + 16], 0);
            EXPECT_EQ(slot[kBoxSetupOffset + 17], 0xFF);
        }
    }
    const VirtualDspBox erased(clock);
    EXPECT_EQ(erased.FlashSlot(3, 1)[kBoxSetupOffset + 14], 0xFF);
}

TEST(StuckCell, ProgrammingLeavesTheCellButIsAcknowledged) {
    FakeClock clock;
    DspBoxOptions options;
    options.faults = ParseFaultSpec("stuck-cell=3,stuck-cell=32767");
    VirtualDspBox box(clock, options);
    box.Open("virtual");
    // Slot code 5 (set 2, 48 kHz), offset 0: bytes 0..3, the fourth stuck.
    EXPECT_EQ(Transact(box, {0x11, 0x02, 0x80, 0x00, 0x10, 0x11, 0x12, 0x13}), Bytes{0x21});
    const auto slot = box.FlashSlot(1, 1);
    EXPECT_EQ(Bytes(slot.begin(), slot.begin() + 4), (Bytes{0x10, 0x11, 0x12, 0xFF}));
    EXPECT_EQ(Transact(box, {0x11, 0x02, 0xFF, 0xFF, 0x00}), Bytes{0x21});
    EXPECT_EQ(slot[32767], 0xFF);
    // The same offset of another slot, and a cell next to it, program normally.
    EXPECT_EQ(Transact(box, {0x11, 0x00, 0x00, 0x02, 0x42, 0x43}), Bytes{0x21});
    EXPECT_EQ(box.FlashSlot(0, 0)[2], 0x42);
    EXPECT_EQ(box.FlashSlot(0, 0)[3], 0xFF);
}

}  // namespace
}  // namespace qv
