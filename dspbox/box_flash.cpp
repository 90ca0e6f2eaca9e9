#include "dspbox/box_flash.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "curves/text_file.h"

namespace qv {

BoxFlash::BoxFlash() : bytes_(kBoxFlashSize, 0xFF) {}

std::optional<std::size_t> BoxFlash::Index(std::uint32_t address) {
    const std::uint32_t code = address / kBoxSlotSize;
    const int set = static_cast<int>(code / 4);
    const int rate = static_cast<int>(code % 4);
    if (set >= kBoxSetCount || rate >= kBoxRateCount) return std::nullopt;
    return static_cast<std::size_t>(set * kBoxRateCount + rate) * kBoxSlotSize +
           address % kBoxSlotSize;
}

namespace {

// The whole range must lie in one slot: the host never crosses a slot end.
std::optional<std::size_t> RangeIndex(std::uint32_t address, std::size_t count) {
    auto index = BoxFlash::Index(address);
    if (!index || address % kBoxSlotSize + count > kBoxSlotSize) return std::nullopt;
    return index;
}

}  // namespace

FlashResult BoxFlash::Read(std::uint32_t address, std::size_t count,
                           std::vector<std::uint8_t>& out) const {
    const auto index = RangeIndex(address, count);
    if (!index) return FlashResult::OutOfRange;
    out.insert(out.end(), bytes_.begin() + *index, bytes_.begin() + *index + count);
    return FlashResult::Ok;
}

FlashResult BoxFlash::Program(std::uint32_t address, std::span<const std::uint8_t> bytes) {
    const auto index = RangeIndex(address, bytes.size());
    if (!index) return FlashResult::OutOfRange;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if ((bytes_[*index + i] & bytes[i]) != bytes[i]) return FlashResult::NotErased;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!stuck_.contains((address + i) % kBoxSlotSize)) bytes_[*index + i] = bytes[i];
    }
    return FlashResult::Ok;
}

FlashResult BoxFlash::EraseSector(std::uint32_t address) {
    const auto index = Index(address);
    if (!index) return FlashResult::OutOfRange;
    const std::size_t start = *index - *index % kBoxSectorSize;
    std::fill(bytes_.begin() + start, bytes_.begin() + start + kBoxSectorSize, 0xFF);
    return FlashResult::Ok;
}

std::size_t BoxFlash::SlotStart(int set, int rate) const {
    if (set < 0 || set >= kBoxSetCount || rate < 0 || rate >= kBoxRateCount) {
        throw std::out_of_range("no flash slot for set " + std::to_string(set) + ", rate " +
                                std::to_string(rate));
    }
    return static_cast<std::size_t>(set * kBoxRateCount + rate) * kBoxSlotSize;
}

std::span<const std::uint8_t> BoxFlash::Slot(int set, int rate) const {
    return std::span<const std::uint8_t>(bytes_).subspan(SlotStart(set, rate), kBoxSlotSize);
}

void BoxFlash::Store(int set, int rate, std::size_t offset, std::span<const std::uint8_t> bytes) {
    if (offset > kBoxSlotSize || bytes.size() > kBoxSlotSize - offset) {
        throw std::out_of_range("bytes beyond the end of a flash slot");
    }
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + SlotStart(set, rate) + offset);
}

void BoxFlash::EraseAll() {
    std::fill(bytes_.begin(), bytes_.end(), 0xFF);
}

void BoxFlash::Load(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FileError("cannot open flash file " + file);
    std::vector<std::uint8_t> data(kBoxFlashSize + 1);
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (in.bad()) throw FileError("cannot read flash file " + file);
    if (static_cast<std::size_t>(in.gcount()) != kBoxFlashSize) {
        throw FileError("flash file " + file + " is not " + std::to_string(kBoxFlashSize) +
                        " bytes long");
    }
    data.resize(kBoxFlashSize);
    bytes_ = std::move(data);
}

void BoxFlash::Save(const std::string& file) const {
    // Written beside the target and renamed, so that a crash never leaves half a flash.
    const std::string temp = file + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes_.data()),
                  static_cast<std::streamsize>(bytes_.size()));
        out.flush();
        if (!out) {
            std::remove(temp.c_str());
            throw FileError("cannot write flash file " + temp);
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::remove(temp.c_str());
        throw FileError("cannot write flash file " + file + ": " + ec.message());
    }
}

}  // namespace qv
