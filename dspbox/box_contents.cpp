#include "dspbox/box_contents.h"

#include <array>

namespace qv {

// Generated at configure time from data/demo/quorvane.dat.
extern const std::uint8_t kDemoProgramBytes[];
extern const std::size_t kDemoProgramSize;

namespace {

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t v) {
    bytes[at] = static_cast<std::uint8_t>(v & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

std::span<const std::uint8_t> DemoProgram() {
    return {kDemoProgramBytes, kDemoProgramSize};
}

std::vector<std::uint8_t> FactorySetup(int rate) {
    constexpr std::array<std::uint16_t, 3> kFrequency = {44100, 48000, 33000};
    std::vector<std::uint8_t> b(kBoxSetupSize, 0);
    PutWord(b, 4, 12);  // default levels, left and right
    PutWord(b, 6, 12);
    PutWord(b, 8, 1);  // delays, left and right
    PutWord(b, 10, 1);
    PutWord(b, 12, kFrequency.at(static_cast<std::size_t>(rate)));
    b[14] = 1;  // High
    b[15] = 1;  // range chosen
    b[16] = 0;  // room equalizer off
    return b;
}

void StoreFactoryContents(BoxFlash& flash) {
    const auto program = DemoProgram();
    std::vector<std::uint8_t> length(2);
    PutWord(length, 0, static_cast<std::uint16_t>(program.size()));
    for (int set = 0; set < kBoxSetCount; ++set) {
        for (int rate = 0; rate < kBoxRateCount; ++rate) {
            flash.Store(set, rate, 0, program);
            flash.Store(set, rate, kBoxLengthOffset, length);
            flash.Store(set, rate, kBoxSetupOffset, FactorySetup(rate));
        }
    }
}

}  // namespace qv
