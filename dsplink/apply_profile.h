#pragma once
// The profile as the setup dialog applies it: derived from the setup, with
// the room menu items enabled to match and a message for an invalid range.

#include "curves/user_interface.h"
#include "dsplink/program_profile.h"

namespace qv {

class DspSession;

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
// The same into the session's profile.
void ApplyProfile(DspSession& session, int range, int room, double fs, RoomMenuItems* menu,
                  UserInterface& ui);

}  // namespace qv
