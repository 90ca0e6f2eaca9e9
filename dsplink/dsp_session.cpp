#include "dsplink/dsp_session.h"

#include <filesystem>

namespace qv {

std::uint8_t DspSession::ChoiceFromButtons() {
    ChosenSet = CheckedButton.set;
    ChosenRate = CheckedButton.rate;
    return SlotCode();
}

std::string DspSession::ProgramPath() const {
    if (programDirectory.empty()) return profile.programFile;
    return (std::filesystem::path(programDirectory) / profile.programFile).string();
}

bool FixedSetChooser::Choose(DspSession& session) {
    session.CheckedButton = choice_;
    session.ChosenSet = choice_.set;
    session.ChosenRate = choice_.rate;
    return true;
}

}  // namespace qv
