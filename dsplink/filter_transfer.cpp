#include "dsplink/filter_transfer.h"

#include <cmath>
#include <limits>
#include <vector>

#include "curves/tr.h"
#include "dsplink/dsp_protocol.h"
#include "dsplink/dsp_telegrams.h"
#include "dsplink/program_file.h"
#include "dsplink/set_transfer.h"
#include "dsplink/set_write.h"

namespace qv {
namespace {

// A room write that ended short: the status bar says the same as the message.
void Say(const DspSession& s, UserInterface& ui, const std::string& text) {
    if (s.failureAsStatusLine()) ui.StatusLine(text);
    ui.Message(text);
}

void PutValue(std::span<std::uint8_t> target, std::size_t at, std::uint32_t bits) {
    for (std::size_t copy = 0; copy < 2; ++copy)
        for (std::size_t i = 0; i < 4; ++i)
            target[at + copy * 4 + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

bool WriteRoomCoefficients(DspSession& s, UserInterface& ui, std::span<const std::uint8_t> bytes,
                           const ProgressSpan& progress) {
    const std::uint32_t first = s.state().ParameterBase() + s.profile().roomCoefOffset;
    if (first + bytes.size() > 0x10000u) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (progress.Cancelled()) return false;
        if (!WriteDspByte(s.link(), ui, static_cast<std::uint16_t>(first + i), bytes[i]))
            return false;
        if ((i + 1) % 16 == 0 || i + 1 == bytes.size()) progress.Report(i + 1, bytes.size());
    }
    return true;
}

// Reads the room coefficients back from the parameter area and compares.
bool VerifyRoomCoefficients(DspSession& s, UserInterface& ui, std::span<const std::uint8_t> bytes,
                            const ProgressSpan& progress) {
    const std::uint32_t first = s.state().ParameterBase() + s.profile().roomCoefOffset;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (progress.Cancelled()) {
            Say(s, ui,
                Fill(QV_TR("Cancelled: %1 was written but not verified"),
                     {SetText(s.state().ChosenSet(), s.state().ChosenRate())}));
            return false;
        }
        const auto value = ReadDspByte(s.link(), ui, static_cast<std::uint16_t>(first + i));
        if (!value) {
            Say(s, ui, SilentReadBackText(s.state()));
            return false;
        }
        if (*value != bytes[i]) {
            Say(s, ui, VerifyFailedText(s.state().ChosenSet(), s.state().ChosenRate(), first + i));
            return false;
        }
        if ((i + 1) % 16 == 0 || i + 1 == bytes.size()) progress.Report(i + 1, bytes.size());
    }
    return true;
}

}  // namespace

std::uint32_t EncodeCoefficient(double x) {
    if (std::isnan(x)) return 0;
    double m = std::fabs(x);
    if (m > 1.0) m = 1.0;
    auto n = static_cast<std::uint64_t>(m * 2147483648.0);
    std::uint32_t e = 119;
    while (n >= (1u << 24)) {
        n /= 2;
        ++e;
    }
    while (n < (1u << 23) && e > 0) {
        n *= 2;
        --e;
    }
    std::uint32_t bits = (e << 23) + static_cast<std::uint32_t>(n % (1u << 23));
    if (x < 0) bits += 0x80000000u;
    return bits;
}

std::size_t PutCoefficients(std::span<std::uint8_t> target, std::size_t base, int count,
                            const PointList& list) {
    std::size_t stored = 0;
    for (std::size_t p = 0; 2 * p < static_cast<std::size_t>(std::max(count, 0)); ++p) {
        if (2 * p >= list.size()) break;
        const std::size_t at = base + 16 * p;
        if (at > target.size() || target.size() - at < 16) break;
        const double second = 2 * p + 1 < list.size() ? list[2 * p + 1].y : 0.0;
        PutValue(target, at, EncodeCoefficient(list[2 * p].y));
        PutValue(target, at + 8, EncodeCoefficient(second));
        stored += 16;
    }
    return stored;
}

bool EqualizerPath(DspSession& s, UserInterface& ui, const PointList& eqFilter,
                   WriteOptions options) {
    if (eqFilter.empty()) {
        ui.Message(QV_TR("zuerst Simulation durchfuehren!--> Menu Simulate"));
        return false;
    }
    if (!LoadProgramFile(s, ui, s.ProgramPath())) return false;
    BusyScope busy(ui);
    ProgressScope scope(ui, QV_TR("Filter -> DSP"));
    SetWrite w(s, ui, QV_TR("the filter"), QV_TR("Filter -> DSP"), options);
    const ProgressSpan keep{&w, 0.0, s.history() != nullptr ? 0.25 : 0.0, QV_TR("Set lesen")};
    const ProgressSpan erase{&w, keep.to, keep.to + 0.02, QV_TR("Flash loeschen")};
    return w.Run([&] {
        if (!w.KeepPrevious(keep)) return false;
        w.Erasing({0, 1, 2, 3, 4, 5, 6});
        // A second round of erasing, as the box sometimes needs.
        if (!EraseProgramSectors(s, w, erase.Part(0, 2)) &&
            (erase.Cancelled() || !EraseProgramSectors(s, w, erase.Part(1, 2)))) {
            if (erase.Cancelled()) return w.Failed(WriteEnd::Cancelled);
            w.SetHeadline(QV_TR("Flash nicht geloescht"));
            return w.LinkFailed();
        }
        s.PatchEqualizer(CopyList(eqFilter));
        return WriteVerifySelect(
            w, s.image(), {{0, ImageLength(s.image())}, {kImageLengthOffset, 2}}, QV_TR("Filter"),
            QV_TR("the filter"), ProgressSpan{&w, erase.to, 1.0, QV_TR("Filter schreiben")});
    });
}

std::uint16_t RoomDelay(const DspProgramProfile& p, double pathTimeDepth) {
    const double samples =
        std::trunc((p.roomLatencyTotal - p.roomLatencyOffset - pathTimeDepth) * p.eqSampleRate);
    // Out-of-range values have no 16-bit meaning; they give 0, which is refused.
    if (!std::isfinite(samples) || std::fabs(samples) > 1e15) return 0;
    return static_cast<std::uint16_t>(static_cast<std::int64_t>(samples) * 2);
}

bool RoomPath(DspSession& s, UserInterface& ui, const PointList& roomFilter, double pathTimeDepth,
              WriteOptions options) {
    if (roomFilter.empty()) {
        ui.Message(QV_TR("zuerst Entzerrung durchfuehren!"));
        return false;
    }
    BusyScope busy(ui);
    ProgressScope scope(ui, QV_TR("Filter -> DSP"));
    if (!PingDsp(s.link(), ui)) {
        Say(s, ui, QV_TR("keine RS232-Verbindung zu DSP! [5]"));
        return false;
    }
    const auto dspMode = ReadModeWord(s, ui);
    if (!dspMode) {
        Say(s, ui, QV_TR("keine RS232-Verbindung! [6]"));
        return false;
    }
    if ((*dspMode & kModeCompareMask) != (s.state().ModeWord() & kModeCompareMask)) {
        Say(s, ui, QV_TR("zuerst DSP-Setup durchführen (Menu: SETUP->DSP)!"));
        return false;
    }
    if (!WriteDelay(s, ui, s.profile().roomDelayAddress, RoomDelay(s.profile(), pathTimeDepth))) {
        Say(s, ui, QV_TR("keine RS232-Verbindung zu DSP! [7]"));
        return false;
    }
    const std::uint16_t idle = static_cast<std::uint16_t>(*dspMode & ~kModeBusy);
    const bool verify = options.verify;
    bool ok = true;
    try {
        if (!WriteModeWord(s, ui, static_cast<std::uint16_t>(*dspMode | kModeBusy))) {
            Say(s, ui, QV_TR("keine RS232-Verbindung zu DSP! [8]"));
            return false;
        }
        // The room coefficients go to the parameter area, never into the image:
        // with the parameter base 32768 their addresses lie beyond it.
        const int count = s.profile().roomTapCount;
        std::vector<std::uint8_t> bytes(16 *
                                        static_cast<std::size_t>((std::max(count, 0) + 1) / 2));
        bytes.resize(PutCoefficients(bytes, 0, count, CopyList(roomFilter)));
        const ProgressSpan all{&ui, 0.0, 1.0, QV_TR("Raumfilter schreiben")};
        const ProgressSpan write = verify ? all.Part(0, 2) : all;
        ProgressSpan check = all.Part(1, 2);
        check.text = QV_TR("Verify");
        if (!WriteRoomCoefficients(s, ui, bytes, write)) {
            // The busy bit never stays set, whatever ended the write.
            WriteModeWord(s, ui, idle);
            Say(s, ui,
                all.Cancelled() ? CancelledText(s.state(), QV_TR("Filter -> DSP"))
                                : std::string(QV_TR("keine RS232-Verbindung zu DSP! [10]")));
            return false;
        }
        ok = !verify || VerifyRoomCoefficients(s, ui, bytes, check);
    } catch (...) {
        // A device that throws ("Write error") must not leave the box busy
        // either: try to clear the bit, then let the first error end the command.
        try {
            WriteModeWord(s, ui, idle);
        } catch (...) {
        }
        throw;
    }
    if (!WriteModeWord(s, ui, idle)) {
        Say(s, ui, QV_TR("keine RS232-Verbindung zu DSP! [9]"));
        ok = false;
    }
    if (!SelectSetCommand(s.link(), ui, s.ChoiceFromButtons()) || !ok) return false;
    ui.StatusLine(WrittenLine(QV_TR("Room filter"), s.state(), verify));
    return true;
}

bool FilterToDsp(DspSession& s, UserInterface& ui, const FilterTransfer& what, SetChooser& chooser,
                 double pathTimeDepth, WriteOptions options) {
    if (s.state().DspConnected() == 0) {
        ui.Message(QV_TR("No DSP -> Please connect DSP to USB"));
        return false;
    }
    if (what.path == TransferPath::None) return false;
    s.LockRate(true);
    if (!s.ChooseSet(chooser)) return false;
    if (what.path == TransferPath::Room)
        return RoomPath(s, ui, what.filter, pathTimeDepth, options);
    return EqualizerPath(s, ui, what.filter, options);
}

}  // namespace qv
