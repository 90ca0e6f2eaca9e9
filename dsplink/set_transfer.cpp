#include "dsplink/set_transfer.h"

#include <filesystem>
#include <memory>

#include "curves/text_file.h"
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
        if (!s.link.ReadRange(ui, s.state.SlotCode(), image, ranges[i].start, ranges[i].count,
                              parts[i]))
            return false;
    }
    return true;
}

}  // namespace

std::string WrittenLine(const std::string& what, const DspState& state, bool verified) {
    return what + " written to " + Here(state) + (verified ? ", verified" : "");
}

std::string CancelledText(const DspState& state, const std::string& repairedBy) {
    return "Cancelled: " + Here(state) + " is incomplete until the next \"" + repairedBy + "\"";
}

std::string SilentReadBackText(const DspState& state) {
    return "Verify failed: no answer from " + Here(state) + " while reading back";
}

bool VerifyRanges(DspSession& s, UserInterface& ui, const DspImage& image,
                  const std::vector<ImageRange>& ranges, const ProgressSpan& progress) {
    auto read = ErasedImage();
    if (!ReadRanges(s, ui, *read, ranges, progress)) {
        if (!progress.Cancelled()) ui.Message(SilentReadBackText(s.state));
        return false;
    }
    if (const auto at = FirstDifference(image, *read, ranges)) {
        ui.Message(VerifyFailedText(s.state.ChosenSet(), s.state.ChosenRate(), *at));
        return false;
    }
    return true;
}

bool WriteVerifySelect(DspSession& s, UserInterface& ui, const DspImage& image,
                       const std::vector<ImageRange>& ranges, const std::string& what,
                       const std::string& repairedBy, const ProgressSpan& progress) {
    const bool verify = s.verifyAfterWrite;
    ProgressSpan write = progress;
    write.to = verify ? progress.from + (progress.to - progress.from) / 2 : progress.to;
    ProgressSpan check = progress;
    check.from = write.to;
    check.text = "Verify";
    const auto parts = SplitByCount(write, ranges);
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        if (!s.link.WriteRange(ui, s.state.SlotCode(), image, ranges[i].start, ranges[i].count,
                               parts[i])) {
            if (progress.Cancelled()) ui.Message(CancelledText(s.state, repairedBy));
            return false;
        }
    }
    if (verify && !VerifyRanges(s, ui, image, ranges, check)) {
        // Written in full but not compared: the set is left unselected.
        if (progress.Cancelled()) {
            ui.Message("Cancelled: " + Here(s.state) + " was written but not verified");
        }
        return false;
    }
    if (!s.link.SelectSet(ui, s.state.ChosenSet())) return false;
    ui.StatusLine(WrittenLine(what, s.state, verify));
    return true;
}

std::optional<PointList> ReadEqFilter(DspSession& s, UserInterface& ui) {
    auto read = ErasedImage();
    if (!s.link.ReadRange(ui, s.state.SlotCode(), *read, kImageLengthOffset, 2)) {
        ui.Message(SilentReadBackText(s.state));
        return std::nullopt;
    }
    const std::size_t length = ImageLength(*read);
    const std::size_t base = s.profile.eqCoefOffset;
    std::size_t count = s.profile.eqTapCount > 1 ? s.profile.eqTapCount - 1u : 0u;
    // Coefficients beyond the program's length never reached the box.
    if (length != kErasedLength && length <= kProgramArea) {
        count = length > base ? std::min(count, (length - base) / 8) : 0;
    }
    if (length == kErasedLength || length > kProgramArea || count == 0) {
        ui.Message(Here(s.state) + " holds no filter yet");
        return std::nullopt;
    }
    BusyScope busy(ui);
    ProgressScope scope(ui, "Filter <- DSP");
    const ProgressSpan progress{&ui, 0.0, 1.0, "Filter lesen"};
    if (!s.link.ReadRange(ui, s.state.SlotCode(), *read, base, 8 * count, progress)) {
        ui.Message(progress.Cancelled() ? std::string("Cancelled: nothing was changed")
                                        : SilentReadBackText(s.state));
        return std::nullopt;
    }
    return GetCoefficients(*read, base, count);
}

std::optional<ReadBackFilter> FilterFromDsp(DspSession& s, UserInterface& ui, SetChooser& chooser) {
    if (s.state.DspConnected() == 0) {
        ui.Message("No DSP -> Please connect DSP to USB");
        return std::nullopt;
    }
    s.state.LockRate(false);
    if (!chooser.Choose(s.state)) return std::nullopt;
    auto filter = ReadEqFilter(s, ui);
    if (!filter) return std::nullopt;
    ui.StatusLine("Filter read from " + Here(s.state));
    return ReadBackFilter{SetCurveName(s.state.ChosenSet(), s.state.ChosenRate()),
                          std::move(*filter)};
}

bool BackupSet(DspSession& s, UserInterface& ui, const std::string& file) {
    BusyScope busy(ui);
    ProgressScope scope(ui, "Backup Set");
    const ProgressSpan progress{&ui, 0.0, 1.0, "Set lesen"};
    auto read = ErasedImage();
    const ImageRange tail{kImageLengthOffset, 2u + kSetupSize};
    if (!ReadRanges(s, ui, *read, {tail}, progress.Part(0, 50))) {
        ui.Message(SilentReadBackText(s.state));
        return false;
    }
    const std::uint16_t length = ImageLength(*read);
    if (length == kErasedLength || length > kProgramArea) {
        ui.Message(Here(s.state) + " holds no program: nothing to back up");
        return false;
    }
    ProgressSpan rest = progress;
    rest.from = progress.Part(0, 50).to;
    if (!ReadRanges(s, ui, *read, {{0, length}}, rest)) {
        ui.Message(progress.Cancelled() ? std::string("Cancelled: no backup was written")
                                        : SilentReadBackText(s.state));
        return false;
    }
    try {
        WriteIntelHexFile(file, *BackupContents(*read));
    } catch (const FileError&) {
        ui.Message("Fehler beim Zugriff auf " + file + " !");
        return false;
    }
    ui.StatusLine(Here(s.state) + " backed up to " + file);
    return true;
}

bool RestoreSet(DspSession& s, UserInterface& ui, const std::string& file) {
    HexSlotImage contents;
    try {
        contents = ReadIntelHexFile(file);
    } catch (const IntelHexError& e) {
        ui.Message(std::string("Restore refused: ") + e.what());
        return false;
    } catch (const FileError&) {
        ui.Message("Fehler beim Zugriff auf " + file + " !");
        return false;
    }
    const RestorePlan plan = PlanRestore(contents);
    if (plan.writes.empty()) {
        ui.Message("Restore refused: " + file + " holds no bytes of a set");
        return false;
    }
    BusyScope busy(ui);
    ProgressScope scope(ui, "Restore Set");
    const ProgressSpan all{&ui, 0.0, 1.0, "Flash loeschen"};
    const ProgressSpan erase{&ui, 0.0, 0.02, all.text};
    for (std::size_t i = 0; i < plan.sectors.size(); ++i) {
        if (erase.Cancelled()) {
            ui.Message(CancelledText(s.state, "Restore Set"));
            return false;
        }
        if (!s.link.EraseSector(ui, s.state.SlotCode(), plan.sectors[i])) {
            ui.Message("Flash nicht geloescht");
            return false;
        }
        erase.Report(i + 1, plan.sectors.size());
    }
    const ProgressSpan rest{&ui, erase.to, 1.0, "Set schreiben"};
    const std::string name = std::filesystem::path(file).filename().string();
    return WriteVerifySelect(s, ui, plan.image, plan.writes, "Backup " + name, "Restore Set", rest);
}

}  // namespace qv
