#pragma once
// What the host makes of bytes read back from a set: the comparison after a
// write, the equalizer coefficients of "Filter <- DSP", the contents of a
// backup and the steps of a restore, and the lines that say what happened.
// Plain functions over images; the link operations that use them are in
// set_transfer.h.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "curves/point_list.h"
#include "dsplink/dsp_image.h"
#include "dsplink/intel_hex.h"

namespace qv {

// A range of image offsets [start, start + count).
struct ImageRange {
    std::size_t start = 0;
    std::size_t count = 0;
    bool operator==(const ImageRange&) const = default;
};

// The length word of an erased set.
constexpr std::uint16_t kErasedLength = 0xFFFF;

// "Set 3 at 48 kHz".
std::string SetText(std::uint8_t set, std::uint8_t rate);
// "Set 3 (48 kHz)": the name of a filter read back into a curve slot.
std::string SetCurveName(std::uint8_t set, std::uint8_t rate);

// The first offset within ranges where the two images differ.
std::optional<std::size_t> FirstDifference(const DspImage& written, const DspImage& read,
                                           const std::vector<ImageRange>& ranges);
// "Verify failed: Set 3 at 48 kHz differs at offset 3400 (0x0D48)".
// holds: what the set now holds, said after it in the same message.
std::string VerifyFailedText(std::uint8_t set, std::uint8_t rate, std::size_t offset,
                             const std::string& holds = {});

// The inverse of EncodeCoefficient: the single-precision value of the bits.
double DecodeCoefficient(std::uint32_t bits);
// count values from base, value k in the first copy at base + 8k, as the
// points (k, value). Stops at the end of the image.
PointList GetCoefficients(const DspImage& image, std::size_t base, std::size_t count);

// What a backup of a set holds: the program up to its length word, the
// length word and the setup block. nullopt when the length word is erased
// or longer than the program area.
std::optional<HexSlotImage> BackupContents(const DspImage& image);

// The steps of a restore: the sectors that hold bytes of the file (erased
// first), and the runs of present bytes to write.
struct RestorePlan {
    std::vector<std::uint8_t> sectors;
    std::vector<ImageRange> writes;
    DspImage image{};  // the file's bytes at their offsets, 0xFF elsewhere
};
RestorePlan PlanRestore(const HexSlotImage& file);

}  // namespace qv
