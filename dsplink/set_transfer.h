#pragma once
// Trusting what is on the box: every write to a set is read back and
// compared (unless the write's options say otherwise), the equalizer of a set is read
// back into a curve ("Filter <- DSP"), and a set is backed up to and restored
// from an Intel HEX file. Each operation ends with its message, says what it
// did in one status line, and stops between telegrams when "Cancel" is pressed.

#include <optional>
#include <string>
#include <vector>

#include "curves/point_list.h"
#include "curves/user_interface.h"
#include "dsplink/dsp_session.h"
#include "dsplink/set_readback.h"
#include "dsplink/set_write.h"

namespace qv {

// "Filter written to Set 3 at 48 kHz, verified" (without ", verified" when
// verifying is off).
std::string WrittenLine(const std::string& what, const DspState& state, bool verified);
// What a Cancel left behind and which command repairs it.
std::string CancelledText(const DspState& state, const std::string& repairedBy);
// "Verify failed: no answer from Set 3 at 48 kHz while reading back".
std::string SilentReadBackText(const DspState& state);

// Reads the ranges of the current slot back and compares them with image;
// a difference, a box that falls silent or Cancel end the write w.
bool VerifyRanges(SetWrite& w, const DspImage& image, const std::vector<ImageRange>& ranges,
                  const ProgressSpan& progress);

// Erases sectors of the current slot, one by one, for the write w.
bool EraseForWrite(SetWrite& w, const std::vector<std::uint8_t>& sectors,
                   const ProgressSpan& progress);

// After the erase: writes the ranges of image to the current slot, verifies
// them when w.Verify(), selects the set and gives the status line
// "<what> written to ...". doing names the contents in a failure message
// ("the filter"). Every ending short is said by w.
bool WriteVerifySelect(SetWrite& w, const DspImage& image, const std::vector<ImageRange>& ranges,
                       const std::string& what, const std::string& doing,
                       const ProgressSpan& progress);

// The equalizer coefficients of the current slot at eqCoefOffset of the
// current profile: the eqTapCount - 1 values "Filter -> DSP" stores, as the
// points (k, value). nullopt with its message for an erased set, a silent box
// or Cancel.
std::optional<PointList> ReadEqFilter(DspSession& s, UserInterface& ui);
// "Filter <- DSP": a found box, the chooser with RateLocked 0, then the
// filter named "Set N (rate)" for the caller to show. nullopt on a refusal
// or a Cancel.
struct ReadBackFilter {
    std::string name;
    PointList points;
};
std::optional<ReadBackFilter> FilterFromDsp(DspSession& s, UserInterface& ui, SetChooser& chooser);

// The current slot's program (up to its length word), length word and setup
// block into an Intel HEX file. An erased set is refused.
bool BackupSet(DspSession& s, UserInterface& ui, const std::string& file);
// The file into the current slot: refused before any traffic when the file
// is not sound; then the sectors it touches are erased, its bytes written,
// verified, and the set selected. What the set held goes into the history first.
bool RestoreSet(DspSession& s, UserInterface& ui, const std::string& file,
                WriteOptions options = {});
// "Undo Last Write": the state kept steps writes ago (1 = the newest) back
// into the current slot (all its sectors erased), verified; on success the
// states it replaced leave the history.
bool RestoreFromHistory(DspSession& s, UserInterface& ui, std::size_t steps,
                        WriteOptions options = {});

}  // namespace qv
