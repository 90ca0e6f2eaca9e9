// Feeds arbitrary text to the Intel HEX reader, the way a backup file the
// user picks reaches "Restore Set". What it accepts must write back to a
// file that reads as the same bytes.

#include <cstdint>
#include <string_view>

#include "dsplink/intel_hex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    qv::HexSlotImage image;
    try {
        image = qv::ReadIntelHex(text);
    } catch (const qv::IntelHexError&) {
        return 0;
    }
    if (image.bytes.size() != qv::kHexSlotSize || image.present.size() != qv::kHexSlotSize)
        __builtin_trap();
    if (!(qv::ReadIntelHex(qv::WriteIntelHex(image)) == image)) __builtin_trap();
    return 0;
}
