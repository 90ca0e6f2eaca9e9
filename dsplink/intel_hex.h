#pragma once
// Intel HEX files of one flash slot: the file form every flash programmer
// reads. A set is backed up as 16-byte data records at their offsets in the
// 32 KiB slot and an end record; reading refuses anything that could put a
// wrong byte into the flash, before a single telegram is sent.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

constexpr std::size_t kHexSlotSize = 32768;
constexpr std::size_t kHexRecordBytes = 16;

// The bytes of a slot that a file holds; the others are absent.
struct HexSlotImage {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kHexSlotSize, 0xFF);
    std::vector<bool> present = std::vector<bool>(kHexSlotSize, false);

    void Put(std::size_t offset, std::uint8_t value) {
        bytes.at(offset) = value;
        present.at(offset) = true;
    }
    std::size_t PresentCount() const;
    bool operator==(const HexSlotImage&) const = default;
};

// Why a file was refused; the text names the line.
class IntelHexError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The file text: data records that never cross a 16-byte boundary, in
// address order, then the end record; upper-case digits, lines ending CR LF.
std::string WriteIntelHex(const HexSlotImage& image);

// Reads a file text. Data records (type 00), an end record (01) and extended
// address records (02, 04) of address 0 are understood. Throws IntelHexError
// for a line that is not a record, a bad checksum, a record reaching beyond
// the slot, two records holding the same byte, another record type, anything
// but blank lines after the end record, and a missing end record.
HexSlotImage ReadIntelHex(std::string_view text);

// The same for files; FileError when the file cannot be read or written.
HexSlotImage ReadIntelHexFile(const std::string& name);
void WriteIntelHexFile(const std::string& name, const HexSlotImage& image);

}  // namespace qv
