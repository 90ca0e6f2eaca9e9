#include "dsplink/dsp_image.h"

namespace qv {
namespace {

std::uint16_t Word(const DspImage& image, std::size_t at) {
    return static_cast<std::uint16_t>(image[at] | (image[at + 1] << 8));
}

void PutWord(DspImage& image, std::size_t at, std::uint16_t v) {
    image[at] = static_cast<std::uint8_t>(v & 0xFF);
    image[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

std::array<std::uint8_t, 3> SlotAddressBytes(std::uint8_t slotCode, std::uint16_t offset) {
    return {static_cast<std::uint8_t>(slotCode / 2),
            static_cast<std::uint8_t>((slotCode % 2) * 128 + ((offset >> 8) & 0x7F)),
            static_cast<std::uint8_t>(offset & 0xFF)};
}

std::uint16_t ImageLength(const DspImage& image) {
    return Word(image, kImageLengthOffset);
}

void SetImageLength(DspImage& image, std::uint16_t length) {
    PutWord(image, kImageLengthOffset, length);
}

SetupBlock SetupStartValues() {
    SetupBlock b;
    b.defaultLeft = 12;
    b.defaultRight = 12;
    b.sampleFrequency = 48000;
    b.range = 1;
    b.rangeChosen = 1;
    return b;
}

SetupBlock GetSetupBlock(const DspImage& image) {
    const std::size_t o = kSetupOffset;
    SetupBlock b;
    b.gainLeft = Word(image, o + 0);
    b.gainRight = Word(image, o + 2);
    b.defaultLeft = Word(image, o + 4);
    b.defaultRight = Word(image, o + 6);
    b.delayLeft = Word(image, o + 8);
    b.delayRight = Word(image, o + 10);
    b.sampleFrequency = Word(image, o + 12);
    b.range = image[o + 14];
    b.rangeChosen = image[o + 15];
    b.room = image[o + 16];
    return b;
}

void PutSetupBlock(DspImage& image, const SetupBlock& b) {
    const std::size_t o = kSetupOffset;
    PutWord(image, o + 0, b.gainLeft);
    PutWord(image, o + 2, b.gainRight);
    PutWord(image, o + 4, b.defaultLeft);
    PutWord(image, o + 6, b.defaultRight);
    PutWord(image, o + 8, b.delayLeft);
    PutWord(image, o + 10, b.delayRight);
    PutWord(image, o + 12, b.sampleFrequency);
    image[o + 14] = b.range;
    image[o + 15] = b.rangeChosen;
    image[o + 16] = b.room;
}

std::uint16_t RateFrequency(std::uint8_t rate) {
    switch (rate) {
        case kRate44k1:
            return 44100;
        case kRate48k:
            return 48000;
        case kRate33k:
            return 33000;
        default:
            return 0;
    }
}

}  // namespace qv
