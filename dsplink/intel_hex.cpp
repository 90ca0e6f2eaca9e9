#include "dsplink/intel_hex.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "curves/text_file.h"

namespace qv {

namespace {

constexpr std::uint8_t kDataRecord = 0x00;
constexpr std::uint8_t kEndRecord = 0x01;
constexpr std::uint8_t kSegmentRecord = 0x02;
constexpr std::uint8_t kLinearRecord = 0x04;
// Larger inputs are no backup of one slot; refusing them keeps the reader's
// work bounded.
constexpr std::size_t kMaxFileSize = 1 << 20;

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void AppendHex(std::string& out, std::uint8_t b) {
    static const char* const kDigits = "0123456789ABCDEF";
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
}

std::string Record(std::uint8_t type, std::uint16_t address, const std::uint8_t* data,
                   std::size_t count) {
    std::string line = ":";
    unsigned sum = static_cast<unsigned>(count) + (address >> 8) + (address & 0xFF) + type;
    AppendHex(line, static_cast<std::uint8_t>(count));
    AppendHex(line, static_cast<std::uint8_t>(address >> 8));
    AppendHex(line, static_cast<std::uint8_t>(address & 0xFF));
    AppendHex(line, type);
    for (std::size_t i = 0; i < count; ++i) {
        AppendHex(line, data[i]);
        sum += data[i];
    }
    AppendHex(line, static_cast<std::uint8_t>(0x100 - sum % 0x100));
    return line + "\r\n";
}

[[noreturn]] void Refuse(std::size_t lineNumber, const std::string& why) {
    throw IntelHexError("line " + std::to_string(lineNumber) + ": " + why);
}

bool Blank(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

// The bytes of one record line, checksum included; refuses what is no record.
std::vector<std::uint8_t> RecordBytes(std::string_view line, std::size_t number) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (line.empty() || line[0] != ':') Refuse(number, "not an Intel HEX record");
    line.remove_prefix(1);
    if (line.size() % 2 != 0 || line.size() < 10) Refuse(number, "not an Intel HEX record");
    std::vector<std::uint8_t> bytes;
    bytes.reserve(line.size() / 2);
    for (std::size_t i = 0; i < line.size(); i += 2) {
        const int high = HexValue(line[i]);
        const int low = HexValue(line[i + 1]);
        if (high < 0 || low < 0) Refuse(number, "not an Intel HEX record");
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    if (bytes.size() != bytes[0] + 5u) Refuse(number, "byte count does not match the record");
    unsigned sum = 0;
    for (std::uint8_t b : bytes) sum += b;
    if (sum % 256 != 0) Refuse(number, "bad checksum");
    return bytes;
}

}  // namespace

std::size_t HexSlotImage::PresentCount() const {
    return static_cast<std::size_t>(std::count(present.begin(), present.end(), true));
}

std::string WriteIntelHex(const HexSlotImage& image) {
    std::string text;
    std::size_t offset = 0;
    while (offset < kHexSlotSize) {
        if (!image.present[offset]) {
            ++offset;
            continue;
        }
        // A run of present bytes, up to the next 16-byte boundary.
        std::size_t end = offset + 1;
        while (end < kHexSlotSize && end % kHexRecordBytes != 0 && image.present[end]) ++end;
        text += Record(kDataRecord, static_cast<std::uint16_t>(offset), &image.bytes[offset],
                       end - offset);
        offset = end;
    }
    return text + Record(kEndRecord, 0, nullptr, 0);
}

HexSlotImage ReadIntelHex(std::string_view text) {
    if (text.size() > kMaxFileSize) throw IntelHexError("file too large for one set");
    HexSlotImage image;
    bool ended = false;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        ++number;
        if (Blank(line)) continue;
        if (ended) Refuse(number, "record after the end record");
        const auto r = RecordBytes(line, number);
        const std::size_t count = r[0];
        const std::size_t address = std::size_t{r[1]} << 8 | r[2];
        switch (r[3]) {
            case kDataRecord:
                if (address + count > kHexSlotSize) {
                    Refuse(number, "address outside the 32 KiB slot");
                }
                for (std::size_t i = 0; i < count; ++i) {
                    if (image.present[address + i]) Refuse(number, "overlapping records");
                    image.Put(address + i, r[4 + i]);
                }
                break;
            case kEndRecord:
                if (count != 0) Refuse(number, "end record with data");
                ended = true;
                break;
            case kSegmentRecord:
            case kLinearRecord:
                if (count != 2) Refuse(number, "byte count does not match the record");
                if (r[4] != 0 || r[5] != 0) Refuse(number, "address outside the 32 KiB slot");
                break;
            default:
                Refuse(number, "unknown record type");
        }
    }
    if (!ended) throw IntelHexError("no end record");
    return image;
}

HexSlotImage ReadIntelHexFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) throw FileError("cannot open " + name);
    std::string text(kMaxFileSize + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) throw FileError("cannot read " + name);
    text.resize(static_cast<std::size_t>(in.gcount()));
    try {
        return ReadIntelHex(text);
    } catch (const IntelHexError& e) {
        throw IntelHexError(name + ", " + e.what());
    }
}

void WriteIntelHexFile(const std::string& name, const HexSlotImage& image) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    const std::string text = WriteIntelHex(image);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) throw FileError("cannot write " + name);
}

}  // namespace qv
