#pragma once
// Which DSP program belongs to the current range and sample frequency, how
// long its filters are, where its coefficients and parameters live.

#include <cstdint>
#include <string>

#include "curves/user_interface.h"

namespace qv {

struct DspProgramProfile {
    std::string programFile;
    std::int32_t eqTapCount = 0;
    std::int32_t roomTapCount = 0;
    double eqSampleRate = 0.0;
    double roomSampleRate = 0.0;
    std::uint16_t eqCoefOffset = 0;
    std::uint16_t roomCoefOffset = 0;
    std::uint16_t roomDelayAddress = 0;
    double converterDelay = 0.0;     // s
    double roomLatencyOffset = 0.0;  // s
    double roomLatencyTotal = 0.0;   // s
};

// The four room view items of the main menu; enabled only with the room equalizer on.
class RoomMenuItems {
  public:
    virtual ~RoomMenuItems() = default;
    virtual void SetRoomItemsEnabled(bool enabled) = 0;
};

// range: 1 High, 2 Low, anything else invalid ("unzulaessige Einstellung");
// room: 1 = room equalizer on; fs in Hz. menu may be null (batch tool).
void ApplyProfile(DspProgramProfile& profile, int range, int room, double fs, RoomMenuItems* menu,
                  UserInterface& ui);

}  // namespace qv
