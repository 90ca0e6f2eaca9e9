#pragma once
// The flash and parameter operations on the session's current slot
// (ChosenSet, ChosenRate) and image: sector erase, block write and read of the
// image, set selection (all through the link), and the parameter bytes of the
// byte-addressed command set. They add no messages of their own; the protocol
// reports what failed.

#include <cstdint>
#include <optional>
#include <string>

#include "curves/user_interface.h"
#include "dsplink/dsp_session.h"

namespace qv {

constexpr std::uint16_t kModeWordAddress = 0x7FFA;  // high byte; low byte at +1
constexpr std::uint16_t kVersionAddress = 0x7FFF;
constexpr std::uint16_t kModeHigh = 5;
constexpr std::uint16_t kModeLow = 7;
constexpr std::uint16_t kModeRoom = 0x20;
constexpr std::uint16_t kModeBusy = 0x4000;
constexpr std::uint16_t kModeCompareMask = 0x1FFF;

bool EraseSector(DspSession& s, UserInterface& ui, std::uint8_t sector);
// Sectors 0..6, all seven sent even after a failure.
bool EraseProgramSectors(DspSession& s, UserInterface& ui, const ProgressSpan& progress = {});
bool EraseSetupSector(DspSession& s, UserInterface& ui);
// Image bytes [start, start + count) in blocks of 16; stops at the first failure.
bool WriteRange(DspSession& s, UserInterface& ui, std::size_t start, std::size_t count,
                const ProgressSpan& progress = {});
// Only with DspConnected; copies the answers into the image.
bool ReadRange(DspSession& s, UserInterface& ui, std::size_t start, std::size_t count,
               const ProgressSpan& progress = {});
bool SelectSet(DspSession& s, UserInterface& ui);

// Parameter bytes, at s.ParameterBase() + address.
std::optional<std::uint16_t> ReadModeWord(DspSession& s, UserInterface& ui);
bool WriteModeWord(DspSession& s, UserInterface& ui, std::uint16_t v);
std::optional<std::uint8_t> ReadVersion(DspSession& s, UserInterface& ui);
// 24 bits, low byte first; v = 0 sends nothing and fails.
bool WriteDelay(DspSession& s, UserInterface& ui, std::uint16_t address, std::uint32_t v);

// Keep what the set holds, erase sector 7, write the 17 setup bytes, select
// the set; a failure ends with its one message.
bool WriteSetupSequence(DspSession& s, UserInterface& ui, WriteOptions options = {});
// Keep what the set holds, erase sectors 0..6, write ImageLength bytes and
// the length, select the set. headline leads a failure message.
bool WriteImageSequence(DspSession& s, UserInterface& ui, const ProgressSpan& progress = {},
                        const std::string& headline = {}, WriteOptions options = {});
bool ReadSetupSequence(DspSession& s, UserInterface& ui);

// The "Test" command: ReadBlock telegrams for as long as the box answers and
// the progress is not cancelled (at most maxRounds), then "Not OK  IDP Tele
// nicht erfolgreich gesendet".
// Returns the number of answered rounds.
std::size_t TelegramTestLoop(DspSession& s, UserInterface& ui,
                             std::size_t maxRounds = static_cast<std::size_t>(-1));

}  // namespace qv
