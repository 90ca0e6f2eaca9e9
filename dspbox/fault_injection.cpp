#include "dspbox/fault_injection.h"

#include <charconv>
#include <string_view>

namespace qv {

namespace {

constexpr std::chrono::milliseconds kDefaultLate{1500};

int ParseCount(std::string_view text, const std::string& item, int minimum, int maximum) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || value < minimum || value > maximum) {
        throw FaultSpecError("invalid fault \"" + item + "\": \"" + std::string(text) +
                             "\" is not a number from " + std::to_string(minimum) + " to " +
                             std::to_string(maximum));
    }
    return value;
}

void ParseItem(const std::string& item, FaultSpec& spec) {
    const auto eq = item.find('=');
    const std::string name = item.substr(0, eq);
    const bool hasValue = eq != std::string::npos;
    const std::string_view value =
        hasValue ? std::string_view(item).substr(eq + 1) : std::string_view();
    constexpr int kMaxAnswer = 1 << 30;

    auto need = [&] {
        if (!hasValue) throw FaultSpecError("invalid fault \"" + item + "\": a value is missing");
    };
    if (name == "drop") {
        need();
        spec.drop.insert(ParseCount(value, item, 1, kMaxAnswer));
    } else if (name == "corrupt") {
        need();
        spec.corrupt.insert(ParseCount(value, item, 1, kMaxAnswer));
    } else if (name == "late") {
        need();
        const auto colon = value.find(':');
        const std::string_view which = value.substr(0, colon);
        const std::chrono::milliseconds delay =
            colon == std::string_view::npos
                ? kDefaultLate
                : std::chrono::milliseconds(ParseCount(value.substr(colon + 1), item, 0, 600000));
        if (which == "all") {
            spec.lateAll = delay;
        } else {
            spec.late[ParseCount(which, item, 1, kMaxAnswer)] = delay;
        }
    } else if (name == "silent") {
        need();
        spec.silentFrom = ParseCount(value, item, 1, kMaxAnswer);
    } else if (name == "erase-fail") {
        spec.eraseFailures = hasValue ? ParseCount(value, item, 0, kMaxAnswer) : 1;
    } else if (name == "version") {
        need();
        spec.version = static_cast<std::uint8_t>(ParseCount(value, item, 0, 255));
    } else if (name == "stuck-cell") {
        need();
        spec.stuckCells.insert(static_cast<std::size_t>(ParseCount(value, item, 0, 32767)));
    } else {
        throw FaultSpecError("unknown fault \"" + item + "\"");
    }
}

}  // namespace

FaultSpec ParseFaultSpec(const std::string& text) {
    FaultSpec spec;
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const auto comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (item.empty()) throw FaultSpecError("empty item in fault list \"" + text + "\"");
        ParseItem(item, spec);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return spec;
}

std::string FaultSpecHelp() {
    return "SPEC is a comma-separated list of:\n"
           "  drop=N          do not send the N-th answer\n"
           "  corrupt=N       send the N-th answer damaged (a telegram with a wrong CRC,\n"
           "                  a character with all bits inverted)\n"
           "  late=N[:MS]     send the N-th answer MS milliseconds late (default 1500);\n"
           "                  late=all:MS delays every answer\n"
           "  silent=N        send nothing from the N-th answer on (silent=1: a dead box)\n"
           "  erase-fail[=K]  the first K EraseSector telegrams (default 1) get an error\n"
           "                  answer and erase nothing\n"
           "  version=V       report software version V (0..255) instead of 1\n"
           "  stuck-cell=O    the flash cell at offset O (0..32767) of every slot keeps\n"
           "                  its value when programmed; the write is still acknowledged\n"
           "Answers are counted from 1 in the order the box produces them: the answer\n"
           "frame of a telegram is one answer, and so is every character returned to a\n"
           "byte command (each echo, and the value of a read).\n"
           "Example: --fault drop=3,late=7:1200,erase-fail\n";
}

}  // namespace qv
