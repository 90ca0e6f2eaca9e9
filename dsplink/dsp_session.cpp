#include "dsplink/dsp_session.h"

#include <algorithm>
#include <filesystem>

#include "dsplink/dsp_telegrams.h"
#include "dsplink/filter_transfer.h"

namespace qv {

void SetupEdit::Begin() {
    kept_ = s_.image_;
}

SetupBlock SetupEdit::Get() const {
    return GetSetupBlock(s_.image_);
}

void SetupEdit::Put(const SetupBlock& block) {
    PutSetupBlock(s_.image_, block);
}

bool SetupEdit::Erased() const {
    const auto begin = s_.image_.begin() + kSetupOffset;
    return std::all_of(begin, begin + kSetupSize, [](std::uint8_t b) { return b == 0xFF; });
}

bool SetupEdit::Commit(UserInterface& ui, WriteOptions options) {
    return WriteSetupSequence(s_, ui, options);
}

void SetupEdit::Revert() {
    s_.image_ = kept_;
}

bool DspSession::ChooseSet(SetChooser& chooser) {
    return chooser.Choose(state_);
}

bool DspSession::ReadIntoImage(UserInterface& ui, std::size_t start, std::size_t count,
                               const ProgressSpan& progress) {
    return link_.ReadRange(ui, state_.SlotCode(), image_, start, count, progress);
}

std::string DspSession::ProgramPath() const {
    if (programDirectory_.empty()) return profile_.programFile;
    return (std::filesystem::path(programDirectory_) / profile_.programFile).string();
}

void DspSession::LoadProgram(const std::vector<std::uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), image_.begin());
    SetImageLength(image_, static_cast<std::uint16_t>(bytes.size()));
}

void DspSession::PatchEqualizer(const PointList& coefficients) {
    PutCoefficients(image_, profile_.eqCoefOffset, profile_.eqTapCount - 2, coefficients);
}

bool FixedSetChooser::Choose(DspState& state) {
    state.CheckButton(choice_);
    state.Choose(choice_);
    return true;
}

}  // namespace qv
