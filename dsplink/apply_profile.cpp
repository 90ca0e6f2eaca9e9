#include "dsplink/apply_profile.h"

namespace qv {

void ApplyProfile(DspProgramProfile& profile, int range, int room, double fs, RoomMenuItems* menu,
                  UserInterface& ui) {
    if (menu != nullptr) {
        menu->SetRoomItemsEnabled(false);
        if (room == 1) menu->SetRoomItemsEnabled(true);
    }
    profile = DeriveProfile(range, fs, profile);
    if (!ValidRange(range)) ui.Message("unzulaessige Einstellung");
}

}  // namespace qv
