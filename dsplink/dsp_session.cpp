#include "dsplink/dsp_session.h"

#include <algorithm>
#include <filesystem>

#include "dsplink/dsp_telegrams.h"
#include "dsplink/filter_transfer.h"

namespace qv {

void SetupEdit::Begin() {
    kept_ = s_.image;
}

SetupBlock SetupEdit::Get() const {
    return GetSetupBlock(s_.image);
}

void SetupEdit::Put(const SetupBlock& block) {
    PutSetupBlock(s_.image, block);
}

bool SetupEdit::Erased() const {
    const auto begin = s_.image.begin() + kSetupOffset;
    return std::all_of(begin, begin + kSetupSize, [](std::uint8_t b) { return b == 0xFF; });
}

bool SetupEdit::Commit(UserInterface& ui, WriteOptions options) {
    return WriteSetupSequence(s_, ui, options);
}

void SetupEdit::Revert() {
    s_.image = kept_;
}

std::string DspSession::ProgramPath() const {
    if (programDirectory.empty()) return profile.programFile;
    return (std::filesystem::path(programDirectory) / profile.programFile).string();
}

void DspSession::LoadProgram(const std::vector<std::uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin());
    SetImageLength(image, static_cast<std::uint16_t>(bytes.size()));
}

void DspSession::PatchEqualizer(const PointList& coefficients) {
    PutCoefficients(image, profile.eqCoefOffset, profile.eqTapCount - 2, coefficients);
}

bool FixedSetChooser::Choose(DspState& state) {
    state.CheckButton(choice_);
    state.Choose(choice_);
    return true;
}

}  // namespace qv
