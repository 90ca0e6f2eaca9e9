#pragma once
// Character-level pieces the box shares with the line: the telegram CRC-8
// (1-Wire, reflected polynomial 0x8C, start 0, no final inversion) and the
// hexadecimal digits of both command sets.

#include <cstdint>
#include <span>
#include <string>

namespace qv {

std::uint8_t BoxCrc8Step(std::uint8_t state, std::uint8_t byte);
std::uint8_t BoxCrc8(std::span<const std::uint8_t> bytes);

// Value 0..15 of a hexadecimal digit of either case, -1 for any other character.
int HexDigitValue(std::uint8_t c);
char UpperHexDigit(unsigned nibble);

// ':' + two upper-case digits per byte + the CRC pair + CR.
std::string EncodeIdpFrame(std::span<const std::uint8_t> bytes);

}  // namespace qv
