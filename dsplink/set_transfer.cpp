#include "dsplink/set_transfer.h"

#include <filesystem>
#include <memory>

#include "curves/text_file.h"
#include "curves/tr.h"
#include "dsplink/box_history.h"
#include "dsplink/dsp_protocol.h"
#include "dsplink/dsp_telegrams.h"

namespace qv {

namespace {

std::string Here(const DspState& st) {
    return SetText(st.ChosenSet(), st.ChosenRate());
}

std::unique_ptr<DspImage> ErasedImage() {
    auto image = std::make_unique<DspImage>();
    image->fill(0xFF);
    return image;
}

// The share of the bar each range gets, by its size.
std::vector<ProgressSpan> SplitByCount(const ProgressSpan& all,
                                       const std::vector<ImageRange>& ranges) {
    std::size_t total = 0;
    for (const ImageRange& r : ranges) total += r.count;
    std::vector<ProgressSpan> parts;
    double from = all.from;
    for (const ImageRange& r : ranges) {
        ProgressSpan p = all;
        p.from = from;
        p.to = total == 0 ? all.to
                          : from + (all.to - all.from) * static_cast<double>(r.count) /
                                       static_cast<double>(total);
        from = p.to;
        parts.push_back(p);
    }
    return parts;
}

// Reads the ranges of the current slot into image; false on silence or Cancel.
bool ReadRanges(DspSession& s, UserInterface& ui, DspImage& image,
                const std::vector<ImageRange>& ranges, const ProgressSpan& progress) {
    const auto parts = SplitByCount(progress, ranges);
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        if (!s.link().ReadRange(ui, s.state().SlotCode(), image, ranges[i].start, ranges[i].count,
                                parts[i]))
            return false;
    }
    return true;
}

// A read that ended short: the status bar says the same as the message, so
// that an older "written ..., verified" never stands beside it.
void Say(const DspSession& s, UserInterface& ui, const std::string& text) {
    if (s.failureAsStatusLine()) ui.StatusLine(text);
    ui.Message(text);
}

}  // namespace

std::string WrittenLine(const std::string& what, const DspState& state, bool verified) {
    return Fill(verified ? QV_TR("%1 written to %2, verified") : QV_TR("%1 written to %2"),
                {what, Here(state)});
}

std::string CancelledText(const DspState& state, const std::string& repairedBy) {
    return Fill(QV_TR("Cancelled: %1 is incomplete until the next \"%2\""),
                {Here(state), repairedBy});
}

std::string SilentReadBackText(const DspState& state) {
    return Fill(QV_TR("Verify failed: no answer from %1 while reading back"), {Here(state)});
}

bool VerifyRanges(SetWrite& w, const DspImage& image, const std::vector<ImageRange>& ranges,
                  const ProgressSpan& progress) {
    DspSession& s = w.session();
    auto read = ErasedImage();
    if (!ReadRanges(s, w, *read, ranges, progress)) return w.LinkFailed();
    if (const auto at = FirstDifference(image, *read, ranges)) return w.Differs(*at);
    return true;
}

bool EraseForWrite(SetWrite& w, const std::vector<std::uint8_t>& sectors,
                   const ProgressSpan& progress) {
    DspSession& s = w.session();
    for (std::size_t i = 0; i < sectors.size(); ++i) {
        if (progress.Cancelled()) return w.Failed(WriteEnd::Cancelled);
        w.Erasing({sectors[i]});
        if (!s.link().EraseSector(w, s.state().SlotCode(), sectors[i])) return w.LinkFailed();
        progress.Report(i + 1, sectors.size());
    }
    return true;
}

bool WriteVerifySelect(SetWrite& w, const DspImage& image, const std::vector<ImageRange>& ranges,
                       const std::string& what, const std::string& doing,
                       const ProgressSpan& progress) {
    DspSession& s = w.session();
    const bool verify = w.Verify();
    ProgressSpan write = progress;
    write.to = verify ? progress.from + (progress.to - progress.from) / 2 : progress.to;
    ProgressSpan check = progress;
    check.from = write.to;
    check.text = QV_TR("Verify");
    const auto parts = SplitByCount(write, ranges);
    w.Doing(Fill(QV_TR("writing %1"), {doing}));
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        if (!s.link().WriteRange(w, s.state().SlotCode(), image, ranges[i].start, ranges[i].count,
                                 parts[i]))
            return w.LinkFailed();
    }
    w.WrittenAll();
    w.Doing(Fill(QV_TR("verifying %1"), {doing}));
    if (verify && !VerifyRanges(w, image, ranges, check)) return false;
    w.Doing(QV_TR("selecting the set"));
    if (!s.link().SelectSet(w, s.state().ChosenSet())) return w.LinkFailed();
    return w.Succeeded(image, ranges, verify, WrittenLine(what, s.state(), verify));
}

std::optional<PointList> ReadEqFilter(DspSession& s, UserInterface& ui) {
    auto read = ErasedImage();
    if (!s.link().ReadRange(ui, s.state().SlotCode(), *read, kImageLengthOffset, 2)) {
        Say(s, ui, SilentReadBackText(s.state()));
        return std::nullopt;
    }
    const std::size_t length = ImageLength(*read);
    const std::size_t base = s.profile().eqCoefOffset;
    std::size_t count = s.profile().eqTapCount > 1 ? s.profile().eqTapCount - 1u : 0u;
    // Coefficients beyond the program's length never reached the box.
    if (length != kErasedLength && length <= kProgramArea) {
        count = length > base ? std::min(count, (length - base) / 8) : 0;
    }
    if (length == kErasedLength || length > kProgramArea || count == 0) {
        Say(s, ui, Fill(QV_TR("%1 holds no filter yet"), {Here(s.state())}));
        return std::nullopt;
    }
    BusyScope busy(ui);
    ProgressScope scope(ui, QV_TR("Filter <- DSP"));
    const ProgressSpan progress{&ui, 0.0, 1.0, QV_TR("Filter lesen")};
    if (!s.link().ReadRange(ui, s.state().SlotCode(), *read, base, 8 * count, progress)) {
        Say(s, ui,
            progress.Cancelled() ? std::string(QV_TR("Cancelled: nothing was changed"))
                                 : SilentReadBackText(s.state()));
        return std::nullopt;
    }
    return GetCoefficients(*read, base, count);
}

std::optional<ReadBackFilter> FilterFromDsp(DspSession& s, UserInterface& ui, SetChooser& chooser) {
    if (s.state().DspConnected() == 0) {
        ui.Message(QV_TR("No DSP -> Please connect DSP to USB"));
        return std::nullopt;
    }
    s.LockRate(false);
    if (!s.ChooseSet(chooser)) return std::nullopt;
    auto filter = ReadEqFilter(s, ui);
    if (!filter) return std::nullopt;
    ui.StatusLine(Fill(QV_TR("Filter read from %1"), {Here(s.state())}));
    return ReadBackFilter{SetCurveName(s.state().ChosenSet(), s.state().ChosenRate()),
                          std::move(*filter)};
}

bool BackupSet(DspSession& s, UserInterface& ui, const std::string& file) {
    BusyScope busy(ui);
    ProgressScope scope(ui, QV_TR("Backup Set"));
    const ProgressSpan progress{&ui, 0.0, 1.0, QV_TR("Set lesen")};
    auto read = ErasedImage();
    const ImageRange tail{kImageLengthOffset, 2u + kSetupSize};
    if (!ReadRanges(s, ui, *read, {tail}, progress.Part(0, 50))) {
        Say(s, ui, SilentReadBackText(s.state()));
        return false;
    }
    const std::uint16_t length = ImageLength(*read);
    if (length == kErasedLength || length > kProgramArea) {
        Say(s, ui, Fill(QV_TR("%1 holds no program: nothing to back up"), {Here(s.state())}));
        return false;
    }
    ProgressSpan rest = progress;
    rest.from = progress.Part(0, 50).to;
    if (!ReadRanges(s, ui, *read, {{0, length}}, rest)) {
        Say(s, ui,
            progress.Cancelled() ? std::string(QV_TR("Cancelled: no backup was written"))
                                 : SilentReadBackText(s.state()));
        return false;
    }
    try {
        WriteIntelHexFile(file, *BackupContents(*read));
    } catch (const FileError&) {
        Say(s, ui, Fill(QV_TR("Fehler beim Zugriff auf %1 !"), {file}));
        return false;
    }
    ui.StatusLine(Fill(QV_TR("%1 backed up to %2"), {Here(s.state()), file}));
    return true;
}

namespace {

// Erases the sectors of plan (all of the set's when whole), writes and verifies it.
bool WritePlan(SetWrite& w, const RestorePlan& plan, bool whole, const std::string& what,
               const ProgressSpan& all) {
    std::vector<std::uint8_t> sectors = plan.sectors;
    if (whole) {
        sectors.clear();
        for (std::uint8_t i = 0; i < kImageSize / kSectorSize; ++i) sectors.push_back(i);
    }
    const ProgressSpan erase{all.ui, all.from, all.from + (all.to - all.from) * 0.05,
                             QV_TR("Flash loeschen")};
    const ProgressSpan rest{all.ui, erase.to, all.to, QV_TR("Set schreiben")};
    return EraseForWrite(w, sectors, erase) &&
           WriteVerifySelect(w, plan.image, plan.writes, what, QV_TR("the set"), rest);
}

}  // namespace

bool RestoreSet(DspSession& s, UserInterface& ui, const std::string& file, WriteOptions options) {
    HexSlotImage contents;
    try {
        contents = ReadIntelHexFile(file);
    } catch (const IntelHexError& e) {
        ui.Message(Fill(QV_TR("Restore refused: %1"), {e.what()}));
        return false;
    } catch (const FileError&) {
        ui.Message(Fill(QV_TR("Fehler beim Zugriff auf %1 !"), {file}));
        return false;
    }
    const RestorePlan plan = PlanRestore(contents);
    if (plan.writes.empty()) {
        ui.Message(Fill(QV_TR("Restore refused: %1 holds no bytes of a set"), {file}));
        return false;
    }
    BusyScope busy(ui);
    ProgressScope scope(ui, QV_TR("Restore Set"));
    SetWrite w(s, ui, "the backup", QV_TR("Restore Set"), options);
    const std::string name = std::filesystem::path(file).filename().string();
    return w.Run([&] {
        const double keep = s.history() != nullptr ? 0.3 : 0.0;
        return w.KeepPrevious(ProgressSpan{&w, 0.0, keep, QV_TR("Set lesen")}) &&
               WritePlan(w, plan, false, Fill(QV_TR("Backup %1"), {name}),
                         ProgressSpan{&w, keep, 1.0, ""});
    });
}

bool RestoreFromHistory(DspSession& s, UserInterface& ui, std::size_t steps, WriteOptions options) {
    const std::string here = Here(s.state());
    if (s.history() == nullptr) {
        ui.Message(Fill(QV_TR("%1: the box history is switched off"), {here}));
        return false;
    }
    const std::uint8_t set = s.state().ChosenSet(), rate = s.state().ChosenRate();
    const auto entries = s.history()->Entries(set, rate);
    if (steps == 0 || steps > entries.size()) {
        ui.Message(Fill(entries.size() == 1 ? QV_TR("%1: the box history holds %2 state, not %3")
                                            : QV_TR("%1: the box history holds %2 states, not %3"),
                        {here, std::to_string(entries.size()), std::to_string(steps)}));
        return false;
    }
    const HistoryEntry& entry = entries[steps - 1];
    HexSlotImage contents;
    try {
        contents = ReadIntelHexFile(entry.file);
    } catch (const std::exception& e) {
        ui.Message(
            Fill(QV_TR("%1: the kept state %2 cannot be read (%3)"), {here, entry.file, e.what()}));
        return false;
    }
    BusyScope busy(ui);
    ProgressScope scope(ui, QV_TR("Undo Last Write"));
    SetWrite w(s, ui, "the kept state", QV_TR("Undo Last Write"), options);
    w.SetPrevious(std::nullopt);
    w.HistoryHoldsAState();
    const bool ok = w.Run([&] {
        return WritePlan(w, PlanRestore(contents), true,
                         Fill(QV_TR("Kept state of %1"), {entry.time}),
                         ProgressSpan{&w, 0.0, 1.0, ""});
    });
    // Put back: the states it replaced are no longer the newest.
    if (ok) {
        s.history()->DropNewest(set, rate, steps);
        if (options.verify) s.history()->SetWritten(set, rate, contents);
    }
    return ok;
}

}  // namespace qv
