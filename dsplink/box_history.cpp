#include "dsplink/box_history.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

#include "curves/text_file.h"
#include "curves/tr.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kIndexName = "index.txt";
constexpr const char* kWrittenName = "written.hex";

const char* RateFolder(std::uint8_t rate) {
    switch (rate) {
        case 0:
            return "44k1";
        case 1:
            return "48k";
        default:
            return "33k";
    }
}

std::string UtcNow() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &tm);
    return text;
}

// "000012.hex" -> 12; 0 for other names.
unsigned long Sequence(const std::string& file) {
    const std::string name = fs::path(file).stem().string();
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) return 0;
    return std::stoul(name);
}

}  // namespace

std::string HistoryLine(const HistoryEntry& e) {
    return Fill(QV_TR("%1  before %2  (box version %3)"),
                {e.time, e.command, e.version < 0 ? std::string("?") : std::to_string(e.version)});
}

fs::path BoxHistory::DefaultRoot() {
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (data != nullptr && *data == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home != nullptr ? home : ".") / ".local" / "share";
    }
    return base / "quorvane" / "box-history";
}

fs::path BoxHistory::Folder(std::uint8_t set, std::uint8_t rate) const {
    return root_ / ("set" + std::to_string(set + 1) + "-" + RateFolder(rate));
}

std::vector<HistoryEntry> BoxHistory::Entries(std::uint8_t set, std::uint8_t rate) const {
    std::vector<HistoryEntry> entries;
    const fs::path folder = Folder(set, rate);
    std::ifstream in(folder / kIndexName);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream fields(line);
        HistoryEntry e;
        std::string version;
        if (!std::getline(fields, e.file, '\t') || !std::getline(fields, e.time, '\t') ||
            !std::getline(fields, version, '\t'))
            continue;
        std::getline(fields, e.command);
        e.version = version.empty() || version == "?" ? -1 : std::atoi(version.c_str());
        e.file = (folder / e.file).string();
        // A state whose file went away can no longer be put back.
        if (fs::exists(e.file)) entries.insert(entries.begin(), e);
    }
    return entries;
}

void BoxHistory::WriteIndex(std::uint8_t set, std::uint8_t rate,
                            const std::vector<HistoryEntry>& newestFirst) const {
    const fs::path folder = Folder(set, rate);
    const fs::path temp = folder / "index.tmp";
    {
        std::ofstream out(temp, std::ios::trunc);
        for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) {
            out << fs::path(it->file).filename().string() << '\t' << it->time << '\t'
                << (it->version < 0 ? std::string("?") : std::to_string(it->version)) << '\t'
                << it->command << '\n';
        }
        if (!out) throw FileError(QV_TR("Fehler beim Zugriff auf ") + temp.string() + " !");
    }
    // The index is replaced whole, so that a crash never leaves half of it.
    fs::rename(temp, folder / kIndexName);
}

HistoryEntry BoxHistory::Keep(std::uint8_t set, std::uint8_t rate, const HexSlotImage& contents,
                              int version, const std::string& command) {
    const fs::path folder = Folder(set, rate);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw FileError(QV_TR("Fehler beim Zugriff auf ") + folder.string() + " !");
    std::vector<HistoryEntry> entries = Entries(set, rate);
    unsigned long next = 1;
    for (const HistoryEntry& e : entries) next = std::max(next, Sequence(e.file) + 1);
    char name[32];
    std::snprintf(name, sizeof name, "%06lu.hex", next);
    HistoryEntry entry{(folder / name).string(), UtcNow(), version, command};
    WriteIntelHexFile(entry.file, contents);
    entries.insert(entries.begin(), entry);
    while (entries.size() > kKept) {
        fs::remove(entries.back().file, ec);
        entries.pop_back();
    }
    WriteIndex(set, rate, entries);
    return entry;
}

void BoxHistory::DropNewest(std::uint8_t set, std::uint8_t rate, std::size_t count) {
    std::vector<HistoryEntry> entries = Entries(set, rate);
    std::error_code ec;
    for (std::size_t i = 0; i < count && !entries.empty(); ++i) {
        fs::remove(entries.front().file, ec);
        entries.erase(entries.begin());
    }
    WriteIndex(set, rate, entries);
}

std::optional<HexSlotImage> BoxHistory::Written(std::uint8_t set, std::uint8_t rate) const {
    const fs::path file = Folder(set, rate) / kWrittenName;
    if (!fs::exists(file)) return std::nullopt;
    try {
        return ReadIntelHexFile(file.string());
    } catch (const std::exception&) {
        return std::nullopt;  // a damaged record is no record: the set is read instead
    }
}

void BoxHistory::SetWritten(std::uint8_t set, std::uint8_t rate,
                            const std::optional<HexSlotImage>& contents) {
    const fs::path folder = Folder(set, rate);
    std::error_code ec;
    if (!contents) {
        fs::remove(folder / kWrittenName, ec);
        return;
    }
    fs::create_directories(folder, ec);
    WriteIntelHexFile((folder / kWrittenName).string(), *contents);
}

}  // namespace qv
