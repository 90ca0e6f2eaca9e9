#pragma once
// The host's image of one flash slot of the box: program, its length and the
// setup of the set, and how slots and offsets are addressed on the wire.

#include <array>
#include <cstdint>

namespace qv {

constexpr std::size_t kImageSize = 32768;
constexpr std::size_t kSectorSize = 4096;
constexpr std::size_t kProgramArea = 28670;          // offsets 0 ... 28669
constexpr std::uint16_t kImageLengthOffset = 28670;  // 2 bytes, low first
constexpr std::uint16_t kSetupOffset = 28672;
constexpr std::uint16_t kSetupSize = 17;

using DspImage = std::array<std::uint8_t, kImageSize>;

// Rate codes of ChosenRate.
constexpr std::uint8_t kRate44k1 = 0;
constexpr std::uint8_t kRate48k = 1;
constexpr std::uint8_t kRate33k = 2;

constexpr std::uint8_t SlotCode(std::uint8_t set, std::uint8_t rate) {
    return static_cast<std::uint8_t>(set * 4 + rate);
}

// The three address bytes (most significant first) of image offset o in slot code.
std::array<std::uint8_t, 3> SlotAddressBytes(std::uint8_t slotCode, std::uint16_t offset);

std::uint16_t ImageLength(const DspImage& image);
void SetImageLength(DspImage& image, std::uint16_t length);

// The settings of one set, stored at kSetupOffset with words low byte first.
struct SetupBlock {
    std::uint16_t gainLeft = 0;  // 0.1 dB attenuation steps
    std::uint16_t gainRight = 0;
    std::uint16_t defaultLeft = 0;  // level at power-up
    std::uint16_t defaultRight = 0;
    std::uint16_t delayLeft = 0;  // sample periods
    std::uint16_t delayRight = 0;
    std::uint16_t sampleFrequency = 0;  // Hz
    std::uint8_t range = 0;             // 1 High, 2 Low
    std::uint8_t rangeChosen = 0;
    std::uint8_t room = 0;  // 1 = room equalizer on
    bool operator==(const SetupBlock&) const = default;
};

// What the setup dialog puts into the image at program start.
SetupBlock SetupStartValues();
SetupBlock GetSetupBlock(const DspImage& image);
void PutSetupBlock(DspImage& image, const SetupBlock& block);

// Sample frequency in Hz of a rate code (44100, 48000, 33000); 0 for others.
std::uint16_t RateFrequency(std::uint8_t rate);

}  // namespace qv
