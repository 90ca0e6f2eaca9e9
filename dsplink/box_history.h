#pragma once
// The box history: what each set held before this program wrote it, kept
// per user as Intel HEX files (the last kKept of every set and rate) with a
// small index of when, on which box version and by which command; and the
// record of what this program last wrote and verified in a set, so that the
// next write needs only a short read to know what it is about to replace.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "dsplink/intel_hex.h"

namespace qv {

struct HistoryEntry {
    std::string file;     // the kept state, an Intel HEX file
    std::string time;     // "2026-12-09 04:35:12 UTC"
    int version = -1;     // the box's software version; -1 when it did not say
    std::string command;  // the write that replaced it, e.g. "Filter -> DSP"
    bool operator==(const HistoryEntry&) const = default;
};

// One line of the "History…" list: "2026-12-09 04:35:12 UTC  before Filter -> DSP  (box
// version 1)".
std::string HistoryLine(const HistoryEntry& entry);

class BoxHistory {
  public:
    static constexpr std::size_t kKept = 10;

    explicit BoxHistory(std::filesystem::path root) : root_(std::move(root)) {}
    // $XDG_DATA_HOME/quorvane/box-history, else ~/.local/share/quorvane/box-history.
    static std::filesystem::path DefaultRoot();
    const std::filesystem::path& Root() const { return root_; }

    // The kept states of a set and rate, newest first.
    std::vector<HistoryEntry> Entries(std::uint8_t set, std::uint8_t rate) const;
    // Keeps contents as the newest state; the oldest beyond kKept are removed.
    // Throws FileError when the folder cannot be written.
    HistoryEntry Keep(std::uint8_t set, std::uint8_t rate, const HexSlotImage& contents,
                      int version, const std::string& command);
    // Forgets the newest count states (after they were put back).
    void DropNewest(std::uint8_t set, std::uint8_t rate, std::size_t count);

    // What this program last wrote and verified in the set; nullopt when it
    // does not know (never wrote it, or a write since then failed).
    std::optional<HexSlotImage> Written(std::uint8_t set, std::uint8_t rate) const;
    void SetWritten(std::uint8_t set, std::uint8_t rate, const std::optional<HexSlotImage>& c);

  private:
    std::filesystem::path Folder(std::uint8_t set, std::uint8_t rate) const;
    void WriteIndex(std::uint8_t set, std::uint8_t rate,
                    const std::vector<HistoryEntry>& newestFirst) const;

    std::filesystem::path root_;
};

}  // namespace qv
