#include "dsplink/set_readback.h"

#include <bit>
#include <cstdio>

#include "curves/tr.h"

namespace qv {

namespace {

const char* RateName(std::uint8_t rate) {
    switch (rate) {
        case kRate44k1:
            return "44.1 kHz";
        case kRate48k:
            return "48 kHz";
        case kRate33k:
            return "33 kHz";
        default:
            return "? kHz";
    }
}

}  // namespace

std::string SetText(std::uint8_t set, std::uint8_t rate) {
    return Fill(QV_TR("Set %1 at %2"), {std::to_string(set + 1), RateName(rate)});
}

std::string SetCurveName(std::uint8_t set, std::uint8_t rate) {
    return "Set " + std::to_string(set + 1) + " (" + RateName(rate) + ")";
}

std::optional<std::size_t> FirstDifference(const DspImage& written, const DspImage& read,
                                           const std::vector<ImageRange>& ranges) {
    std::optional<std::size_t> first;
    for (const ImageRange& r : ranges) {
        for (std::size_t o = r.start; o < r.start + r.count && o < kImageSize; ++o) {
            if (written[o] != read[o]) {
                if (!first || o < *first) first = o;
                break;
            }
        }
    }
    return first;
}

std::string VerifyFailedText(std::uint8_t set, std::uint8_t rate, std::size_t offset,
                             const std::string& holds) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04zX", offset);
    if (!holds.empty())
        return Fill(QV_TR("Verify failed: %1 differs at offset %2 (%3). %4"),
                    {SetText(set, rate), std::to_string(offset), hex, holds});
    return Fill(QV_TR("Verify failed: %1 differs at offset %2 (%3)"),
                {SetText(set, rate), std::to_string(offset), hex});
}

double DecodeCoefficient(std::uint32_t bits) {
    return static_cast<double>(std::bit_cast<float>(bits));
}

PointList GetCoefficients(const DspImage& image, std::size_t base, std::size_t count) {
    PointList list;
    for (std::size_t k = 0; k < count && base + 8 * k + 4 <= kImageSize; ++k) {
        const std::size_t at = base + 8 * k;
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i) bits |= std::uint32_t{image[at + i]} << (8 * i);
        AppendPoint(list, static_cast<double>(k), DecodeCoefficient(bits));
    }
    return list;
}

std::optional<HexSlotImage> BackupContents(const DspImage& image) {
    const std::uint16_t length = ImageLength(image);
    if (length > kProgramArea) return std::nullopt;
    HexSlotImage file;
    for (std::size_t o = 0; o < length; ++o) file.Put(o, image[o]);
    for (std::size_t o = kImageLengthOffset; o < kSetupOffset + kSetupSize; ++o) {
        file.Put(o, image[o]);
    }
    return file;
}

RestorePlan PlanRestore(const HexSlotImage& file) {
    RestorePlan plan;
    plan.image.fill(0xFF);
    std::vector<bool> sector(kImageSize / kSectorSize, false);
    std::size_t o = 0;
    while (o < kImageSize) {
        if (!file.present[o]) {
            ++o;
            continue;
        }
        const std::size_t start = o;
        while (o < kImageSize && file.present[o]) {
            plan.image[o] = file.bytes[o];
            sector[o / kSectorSize] = true;
            ++o;
        }
        plan.writes.push_back({start, o - start});
    }
    for (std::size_t s = 0; s < sector.size(); ++s) {
        if (sector[s]) plan.sectors.push_back(static_cast<std::uint8_t>(s));
    }
    return plan;
}

}  // namespace qv
