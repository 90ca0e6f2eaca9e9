#include "dsplink/apply_profile.h"
#include "curves/tr.h"

namespace qv {

void ApplyProfile(DspProgramProfile& profile, int range, int room, double fs, RoomMenuItems* menu,
                  UserInterface& ui) {
    if (menu != nullptr) {
        menu->SetRoomItemsEnabled(false);
        if (room == 1) menu->SetRoomItemsEnabled(true);
    }
    profile = DeriveProfile(range, fs, profile);
    if (!ValidRange(range)) ui.Message(QV_TR("unzulaessige Einstellung"));
}

}  // namespace qv
