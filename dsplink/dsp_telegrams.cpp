#include "dsplink/dsp_telegrams.h"

#include "curves/tr.h"
#include "dsplink/dsp_protocol.h"
#include "dsplink/set_transfer.h"
#include "dsplink/set_write.h"

namespace qv {
namespace {

constexpr std::uint8_t kProgramSectors = 7;
constexpr std::uint8_t kSetupSector = 7;

std::uint16_t Param(const DspSession& s, std::uint32_t address) {
    return static_cast<std::uint16_t>(s.state().ParameterBase() + address);
}

}  // namespace

bool EraseSector(DspSession& s, UserInterface& ui, std::uint8_t sector) {
    return s.link().EraseSector(ui, s.state().SlotCode(), sector);
}

bool EraseProgramSectors(DspSession& s, UserInterface& ui, const ProgressSpan& progress) {
    bool all = true;
    for (std::uint8_t sector = 0; sector < kProgramSectors; ++sector) {
        if (progress.Cancelled()) return false;
        if (!EraseSector(s, ui, sector)) all = false;
        progress.Report(sector + 1u, kProgramSectors);
    }
    return all;
}

bool EraseSetupSector(DspSession& s, UserInterface& ui) {
    return EraseSector(s, ui, kSetupSector);
}

bool WriteRange(DspSession& s, UserInterface& ui, std::size_t start, std::size_t count,
                const ProgressSpan& progress) {
    return s.link().WriteRange(ui, s.state().SlotCode(), s.image(), start, count, progress);
}

bool ReadRange(DspSession& s, UserInterface& ui, std::size_t start, std::size_t count,
               const ProgressSpan& progress) {
    if (s.state().DspConnected() == 0) return false;
    return s.ReadIntoImage(ui, start, count, progress);
}

bool SelectSet(DspSession& s, UserInterface& ui) {
    return s.link().SelectSet(ui, s.state().ChosenSet());
}

std::optional<std::uint16_t> ReadModeWord(DspSession& s, UserInterface& ui) {
    const auto high = ReadDspByte(s.link(), ui, Param(s, kModeWordAddress));
    if (!high) return std::nullopt;
    const auto low = ReadDspByte(s.link(), ui, Param(s, kModeWordAddress + 1));
    if (!low) return std::nullopt;
    return static_cast<std::uint16_t>(*high << 8 | *low);
}

bool WriteModeWord(DspSession& s, UserInterface& ui, std::uint16_t v) {
    return WriteDspByte(s.link(), ui, Param(s, kModeWordAddress),
                        static_cast<std::uint8_t>(v >> 8)) &&
           WriteDspByte(s.link(), ui, Param(s, kModeWordAddress + 1), static_cast<std::uint8_t>(v));
}

std::optional<std::uint8_t> ReadVersion(DspSession& s, UserInterface& ui) {
    return ReadDspByte(s.link(), ui, Param(s, kVersionAddress));
}

bool WriteDelay(DspSession& s, UserInterface& ui, std::uint16_t address, std::uint32_t v) {
    if (v == 0) return false;
    for (std::uint32_t i = 0; i < 3; ++i) {
        const auto byte = static_cast<std::uint8_t>(v >> (8 * i));
        if (!WriteDspByte(s.link(), ui, Param(s, address + i), byte)) return false;
    }
    return true;
}

bool WriteSetupSequence(DspSession& s, UserInterface& ui, WriteOptions options) {
    // Reading a set in full (no record of it yet) takes long: it shows
    // progress and takes a Cancel. A dialog's own progress shares the bar.
    ProgressScope scope(ui, QV_TR("Write Setup To DSP"));
    SetWrite w(s, ui, QV_TR("the setup"), QV_TR("Write Setup To DSP"), options);
    const double keep = s.history() != nullptr ? 0.9 : 0.0;
    return w.Run([&] {
        return w.KeepPrevious(ProgressSpan{&w, 0.0, keep, QV_TR("Set lesen")}) &&
               EraseForWrite(w, {kSetupSector}, {}) &&
               WriteVerifySelect(w, s.image(), {{kSetupOffset, kSetupSize}}, QV_TR("Setup"),
                                 QV_TR("the setup"),
                                 ProgressSpan{&w, keep, 1.0, QV_TR("Setup schreiben")});
    });
}

bool WriteImageSequence(DspSession& s, UserInterface& ui, const ProgressSpan& progress,
                        const std::string& headline, WriteOptions options) {
    SetWrite w(s, ui, QV_TR("the software"), QV_TR("Write Software"), options);
    w.SetHeadline(headline);
    const double width = progress.to - progress.from;
    const double keepShare = s.history() != nullptr ? 0.25 : 0.0;
    const ProgressSpan keep{&w, progress.from, progress.from + width * keepShare,
                            QV_TR("Set lesen")};
    const ProgressSpan erase{&w, keep.to, keep.to + width * 0.02, progress.text};
    const ProgressSpan write{&w, erase.to, progress.to, progress.text};
    return w.Run([&] {
        if (!w.KeepPrevious(keep)) return false;
        w.Erasing({0, 1, 2, 3, 4, 5, 6});
        if (!EraseProgramSectors(s, w, erase))
            return erase.Cancelled() ? w.Failed(WriteEnd::Cancelled) : w.LinkFailed();
        return WriteVerifySelect(w, s.image(),
                                 {{0, ImageLength(s.image())}, {kImageLengthOffset, 2}},
                                 QV_TR("Software"), QV_TR("the software"), write);
    });
}

bool ReadSetupSequence(DspSession& s, UserInterface& ui) {
    return ReadRange(s, ui, kSetupOffset, kSetupSize);
}

std::size_t TelegramTestLoop(DspSession& s, UserInterface& ui, std::size_t maxRounds) {
    ProgressScope progress(ui, QV_TR("Test"));
    std::size_t rounds = 0;
    while (rounds < maxRounds) {
        IdpTelegram& t = s.link().telegram();
        t.data[0] = kReadBlockCode;
        t.data[1] = 0x02;
        t.length = 2;
        // Cancel ends the loop as a box that stops answering does.
        if (ui.ProgressCancelled() || !SendTelegram(s.link(), ui) || !ReceiveTelegram(s.link())) {
            ui.Message(QV_TR("Not OK  IDP Tele nicht erfolgreich gesendet"));
            break;
        }
        ++rounds;
        if (rounds % 8 == 0)
            progress(static_cast<double>(rounds % 100) / 100.0,
                     Fill(QV_TR("%1 Telegramme"), {std::to_string(rounds)}));
    }
    return rounds;
}

}  // namespace qv
