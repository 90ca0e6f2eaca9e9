#include "dsplink/apply_profile.h"
#include "curves/tr.h"
#include "dsplink/dsp_session.h"

namespace qv {

namespace {

void EnableRoomItems(RoomMenuItems* menu, int room) {
    if (menu != nullptr) {
        menu->SetRoomItemsEnabled(false);
        if (room == 1) menu->SetRoomItemsEnabled(true);
    }
}

}  // namespace

void ApplyProfile(DspProgramProfile& profile, int range, int room, double fs, RoomMenuItems* menu,
                  UserInterface& ui) {
    EnableRoomItems(menu, room);
    profile = DeriveProfile(range, fs, profile);
    if (!ValidRange(range)) ui.Message(QV_TR("unzulaessige Einstellung"));
}

void ApplyProfile(DspSession& session, int range, int room, double fs, RoomMenuItems* menu,
                  UserInterface& ui) {
    EnableRoomItems(menu, room);
    session.SetProfile(DeriveProfile(range, fs, session.profile()));
    if (!ValidRange(range)) ui.Message(QV_TR("unzulaessige Einstellung"));
}

}  // namespace qv
