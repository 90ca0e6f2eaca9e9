#include "dspbox/box_codec.h"

#include <array>

namespace qv {

namespace {

std::array<std::uint8_t, 256> MakeTable() {
    std::array<std::uint8_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0x8C : crc >> 1;
        table[i] = static_cast<std::uint8_t>(crc);
    }
    return table;
}

const std::array<std::uint8_t, 256> kTable = MakeTable();

}  // namespace

std::uint8_t BoxCrc8Step(std::uint8_t state, std::uint8_t byte) {
    return kTable[state ^ byte];
}

std::uint8_t BoxCrc8(std::span<const std::uint8_t> bytes) {
    std::uint8_t state = 0;
    for (std::uint8_t b : bytes) state = BoxCrc8Step(state, b);
    return state;
}

int HexDigitValue(std::uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

char UpperHexDigit(unsigned nibble) {
    return "0123456789ABCDEF"[nibble & 0xF];
}

std::string EncodeIdpFrame(std::span<const std::uint8_t> bytes) {
    std::string line = ":";
    auto put = [&line](std::uint8_t b) {
        line += UpperHexDigit(b >> 4);
        line += UpperHexDigit(b);
    };
    for (std::uint8_t b : bytes) put(b);
    put(BoxCrc8(bytes));
    line += '\r';
    return line;
}

}  // namespace qv
