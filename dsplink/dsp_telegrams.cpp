#include "dsplink/dsp_telegrams.h"

#include <algorithm>

#include "dsplink/dsp_protocol.h"

namespace qv {
namespace {

constexpr std::uint8_t kWriteBlock = 0x11;
constexpr std::uint8_t kReadBlock = 0x12;
constexpr std::uint8_t kEraseSector = 0x14;
constexpr std::uint8_t kSelectSet = 0x31;
constexpr std::uint8_t kProgramSectors = 7;
constexpr std::uint8_t kSetupSector = 7;

void SetAddress(IdpTelegram& t, std::uint8_t slotCode, std::size_t offset) {
    const auto a = SlotAddressBytes(slotCode, static_cast<std::uint16_t>(offset));
    t.data[1] = a[0];
    t.data[2] = a[1];
    t.data[3] = a[2];
}

bool FitsImage(std::size_t start, std::size_t count) {
    return start <= kImageSize && count <= kImageSize - start;
}

std::uint16_t Param(const DspSession& s, std::uint32_t address) {
    return static_cast<std::uint16_t>(s.ParameterBase() + address);
}

}  // namespace

void ProgressSpan::Report(std::size_t done, std::size_t total) const {
    if (ui == nullptr) return;
    const double part = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    ui->Progress(from + (to - from) * part, text);
}

ProgressSpan ProgressSpan::Part(std::size_t index, std::size_t parts) const {
    ProgressSpan p = *this;
    const double width = (to - from) / static_cast<double>(parts);
    p.from = from + width * static_cast<double>(index);
    p.to = p.from + width;
    return p;
}

bool EraseSector(DspSession& s, UserInterface& ui, std::uint8_t sector) {
    const std::uint8_t slot = s.SlotCode();
    IdpTelegram& t = s.telegram;
    t.data[0] = kEraseSector;
    t.data[1] = static_cast<std::uint8_t>(slot / 2);
    t.data[2] = static_cast<std::uint8_t>((slot % 2) * 128 + sector * 16);
    t.length = 3;
    return TransactTelegram(s, ui);
}

bool EraseProgramSectors(DspSession& s, UserInterface& ui, const ProgressSpan& progress) {
    bool all = true;
    for (std::uint8_t sector = 0; sector < kProgramSectors; ++sector) {
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
    if (!FitsImage(start, count)) return false;
    IdpTelegram& t = s.telegram;
    for (std::size_t done = 0; done < count;) {
        const std::size_t n = std::min(kBlockSize, count - done);
        t.data[0] = kWriteBlock;
        SetAddress(t, s.SlotCode(), start + done);
        std::copy_n(s.image.begin() + static_cast<std::ptrdiff_t>(start + done), n,
                    t.data.begin() + 4);
        t.length = static_cast<std::uint8_t>(4 + n);
        if (!TransactTelegram(s, ui)) return false;
        done += n;
        progress.Report(done, count);
    }
    return true;
}

bool ReadRange(DspSession& s, UserInterface& ui, std::size_t start, std::size_t count,
               const ProgressSpan& progress) {
    if (s.DspConnected == 0) return false;
    if (!FitsImage(start, count)) return false;
    IdpTelegram& t = s.telegram;
    for (std::size_t done = 0; done < count;) {
        const std::size_t n = std::min(kBlockSize, count - done);
        t.data[0] = kReadBlock;
        SetAddress(t, s.SlotCode(), start + done);
        t.data[4] = static_cast<std::uint8_t>(n);
        t.length = 5;
        if (!SendTelegram(s, ui)) return false;
        if (!ReceiveTelegram(s)) return false;
        // An answer without data bytes would never advance the read.
        if (t.length < 5) return false;
        const std::size_t got = std::min<std::size_t>(t.length - 4u, count - done);
        std::copy_n(t.data.begin() + 4, got,
                    s.image.begin() + static_cast<std::ptrdiff_t>(start + done));
        done += got;
        progress.Report(done, count);
    }
    return true;
}

bool SelectSet(DspSession& s, UserInterface& ui) {
    s.telegram.data[0] = kSelectSet;
    s.telegram.data[1] = s.ChosenSet;
    s.telegram.length = 2;
    return TransactTelegram(s, ui);
}

std::optional<std::uint16_t> ReadModeWord(DspSession& s, UserInterface& ui) {
    const auto high = ReadDspByte(s, ui, Param(s, kModeWordAddress));
    if (!high) return std::nullopt;
    const auto low = ReadDspByte(s, ui, Param(s, kModeWordAddress + 1));
    if (!low) return std::nullopt;
    return static_cast<std::uint16_t>(*high << 8 | *low);
}

bool WriteModeWord(DspSession& s, UserInterface& ui, std::uint16_t v) {
    return WriteDspByte(s, ui, Param(s, kModeWordAddress), static_cast<std::uint8_t>(v >> 8)) &&
           WriteDspByte(s, ui, Param(s, kModeWordAddress + 1), static_cast<std::uint8_t>(v));
}

std::optional<std::uint8_t> ReadVersion(DspSession& s, UserInterface& ui) {
    return ReadDspByte(s, ui, Param(s, kVersionAddress));
}

bool WriteDelay(DspSession& s, UserInterface& ui, std::uint16_t address, std::uint32_t v) {
    if (v == 0) return false;
    for (std::uint32_t i = 0; i < 3; ++i) {
        const auto byte = static_cast<std::uint8_t>(v >> (8 * i));
        if (!WriteDspByte(s, ui, Param(s, address + i), byte)) return false;
    }
    return true;
}

bool WriteSetupSequence(DspSession& s, UserInterface& ui) {
    return EraseSetupSector(s, ui) && WriteRange(s, ui, kSetupOffset, kSetupSize) &&
           SelectSet(s, ui);
}

bool WriteImageSequence(DspSession& s, UserInterface& ui, const ProgressSpan& progress) {
    ProgressSpan erase = progress;
    erase.to = progress.from + (progress.to - progress.from) * 0.02;
    ProgressSpan write = progress;
    write.from = erase.to;
    return EraseProgramSectors(s, ui, erase) && WriteRange(s, ui, 0, ImageLength(s.image), write) &&
           WriteRange(s, ui, kImageLengthOffset, 2) && SelectSet(s, ui);
}

bool ReadSetupSequence(DspSession& s, UserInterface& ui) {
    return ReadRange(s, ui, kSetupOffset, kSetupSize);
}

std::size_t TelegramTestLoop(DspSession& s, UserInterface& ui, std::size_t maxRounds) {
    ProgressScope progress(ui, "Test");
    std::size_t rounds = 0;
    while (rounds < maxRounds) {
        s.telegram.data[0] = kReadBlock;
        s.telegram.data[1] = 0x02;
        s.telegram.length = 2;
        if (!SendTelegram(s, ui) || !ReceiveTelegram(s)) {
            ui.Message("Not OK  IDP Tele nicht erfolgreich gesendet");
            break;
        }
        ++rounds;
        if (rounds % 8 == 0)
            progress(static_cast<double>(rounds % 100) / 100.0,
                     std::to_string(rounds) + " Telegramme");
    }
    return rounds;
}

}  // namespace qv
