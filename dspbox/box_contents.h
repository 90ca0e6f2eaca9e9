#pragma once
// What a box holds when it leaves the factory: every set, at every sample
// frequency, carries the demo program, its length word and a sound setup, so
// that the first "Volume" or "Range" a newcomer opens shows sane values.

#include <cstdint>
#include <span>
#include <vector>

#include "dspbox/box_flash.h"

namespace qv {

// Slot offsets of the length word and the setup block (words low byte first).
inline constexpr std::size_t kBoxLengthOffset = 28670;
inline constexpr std::size_t kBoxSetupOffset = 28672;
inline constexpr std::size_t kBoxSetupSize = 17;

// The bytes of the demo program "quorvane.dat", built into the box.
std::span<const std::uint8_t> DemoProgram();

// The 17-byte setup of a factory set at rate 0 (44.1 kHz), 1 (48 kHz) or 2
// (33 kHz): range High, that rate's frequency, gains 0, default levels 1.2 dB,
// delays of one sample period (where the delay spin edits start).
std::vector<std::uint8_t> FactorySetup(int rate);

// Programs the demo program, its length and the factory setup into every slot.
void StoreFactoryContents(BoxFlash& flash);

}  // namespace qv
