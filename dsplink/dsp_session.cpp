#include "dsplink/dsp_session.h"

#include <filesystem>

namespace qv {

std::string DspSession::ProgramPath() const {
    if (programDirectory.empty()) return profile.programFile;
    return (std::filesystem::path(programDirectory) / profile.programFile).string();
}

bool FixedSetChooser::Choose(DspState& state) {
    state.CheckButton(choice_);
    state.Choose(choice_);
    return true;
}

}  // namespace qv
