#pragma once
// The flash memory of the box: 8 sets x 3 sample frequencies, one slot of
// 32 KiB each, in sectors of 4 KiB. Erased bytes read 0xFF and programming
// can only clear bits.
//
// On the line a flash address is SlotCode * 32768 + offset with
// SlotCode = set * 4 + rate; the codes 3, 7, 11, ... address no memory.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace qv {

inline constexpr int kBoxSetCount = 8;
inline constexpr int kBoxRateCount = 3;
inline constexpr std::size_t kBoxSlotSize = 32768;
inline constexpr std::size_t kBoxSectorSize = 4096;
// The file of --flash: the slots one after another, slot (set, rate) at
// (set * 3 + rate) * 32768.
inline constexpr std::size_t kBoxFlashSize = kBoxSetCount * kBoxRateCount * kBoxSlotSize;

enum class FlashResult { Ok, OutOfRange, NotErased };

class BoxFlash {
  public:
    BoxFlash();  // everything erased

    // Storage index of a line address, nullopt when no memory is there.
    static std::optional<std::size_t> Index(std::uint32_t address);

    // Reads count bytes; fails when the range leaves its slot.
    FlashResult Read(std::uint32_t address, std::size_t count,
                     std::vector<std::uint8_t>& out) const;
    // Programs bytes within one slot. Nothing is written when a byte would
    // need a bit set that is clear now.
    FlashResult Program(std::uint32_t address, std::span<const std::uint8_t> bytes);
    // Erases the 4 KiB sector holding the address.
    FlashResult EraseSector(std::uint32_t address);

    // The 32768 bytes of one slot; set 0..7, rate 0..2 (throws std::out_of_range).
    std::span<const std::uint8_t> Slot(int set, int rate) const;
    // Sets bytes of a slot directly, as a factory programmer would.
    void Store(int set, int rate, std::size_t offset, std::span<const std::uint8_t> bytes);
    void EraseAll();
    // Cells at these slot offsets (in every slot) keep what they hold when
    // programmed, as a worn flash cell does; the box still acknowledges.
    void SetStuckCells(std::set<std::size_t> offsets) { stuck_ = std::move(offsets); }

    // Throw FileError; a file of another size than kBoxFlashSize is refused.
    void Load(const std::string& file);
    void Save(const std::string& file) const;

  private:
    std::size_t SlotStart(int set, int rate) const;
    std::vector<std::uint8_t> bytes_;
    std::set<std::size_t> stuck_;
};

}  // namespace qv
