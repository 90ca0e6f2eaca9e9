#pragma once
// Faults the virtual box can be told to show, so that every failure path of
// the host can be driven on purpose.
//
// Answers are numbered from 1 in the order the box produces them: the answer
// frame of a telegram is one answer, and so is every single character the box
// returns to a byte command (an echo or the value read).

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

namespace qv {

struct FaultSpec {
    std::set<int> drop;                                // answers that are never sent
    std::set<int> corrupt;                             // answers sent damaged
    std::map<int, std::chrono::milliseconds> late;     // answer number -> extra delay
    std::optional<std::chrono::milliseconds> lateAll;  // extra delay of every answer
    int silentFrom = 0;                   // from this answer on nothing is sent; 0 = never
    int eraseFailures = 0;                // the first so many EraseSector telegrams fail
    std::optional<std::uint8_t> version;  // software version instead of 1
    std::set<std::size_t> stuckCells;     // slot offsets whose flash cell will not program

    bool operator==(const FaultSpec&) const = default;
};

class FaultSpecError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// Parses "drop=3,corrupt=5,late=2:1500,late=all:40,silent=10,erase-fail=2,version=2,
// stuck-cell=3400".
// An empty text gives no faults. Throws FaultSpecError naming the bad item.
FaultSpec ParseFaultSpec(const std::string& text);

// The syntax, for a program's --help text.
std::string FaultSpecHelp();

}  // namespace qv
