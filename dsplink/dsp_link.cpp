#include "dsplink/dsp_link.h"

#include <algorithm>

#include "dsplink/dsp_protocol.h"

namespace qv {
namespace {

void SetAddress(IdpTelegram& t, std::uint8_t slotCode, std::size_t offset) {
    const auto a = SlotAddressBytes(slotCode, static_cast<std::uint16_t>(offset));
    t.data[1] = a[0];
    t.data[2] = a[1];
    t.data[3] = a[2];
}

bool FitsImage(std::size_t start, std::size_t count) {
    return start <= kImageSize && count <= kImageSize - start;
}

// Goes through [start, start + count) of the image in telegram blocks, Cancel
// looked at before each: block(offset, n) moves one and says how many bytes
// it moved (0: the link failed).
template <class Block>
bool InBlocks(std::size_t start, std::size_t count, const ProgressSpan& progress, Block block) {
    if (!FitsImage(start, count)) return false;
    for (std::size_t done = 0; done < count;) {
        if (progress.Cancelled()) return false;
        const std::size_t moved = block(start + done, std::min(kBlockSize, count - done));
        if (moved == 0) return false;
        done += moved;
        progress.Report(done, count);
    }
    return true;
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

bool DspLink::Exchange(UserInterface& ui) {
    return TransactTelegram(*this, ui);
}

bool DspLink::EraseSector(UserInterface& ui, std::uint8_t slotCode, std::uint8_t sector) {
    IdpTelegram& t = telegram_;
    t.data[0] = kEraseSectorCode;
    t.data[1] = static_cast<std::uint8_t>(slotCode / 2);
    t.data[2] = static_cast<std::uint8_t>((slotCode % 2) * 128 + sector * 16);
    t.length = 3;
    return Exchange(ui);
}

bool DspLink::WriteRange(UserInterface& ui, std::uint8_t slotCode, const DspImage& image,
                         std::size_t start, std::size_t count, const ProgressSpan& progress) {
    IdpTelegram& t = telegram_;
    return InBlocks(start, count, progress, [&](std::size_t offset, std::size_t n) {
        t.data[0] = kWriteBlockCode;
        SetAddress(t, slotCode, offset);
        std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset), n, t.data.begin() + 4);
        t.length = static_cast<std::uint8_t>(4 + n);
        return Exchange(ui) ? n : 0;
    });
}

bool DspLink::ReadRange(UserInterface& ui, std::uint8_t slotCode, DspImage& image,
                        std::size_t start, std::size_t count, const ProgressSpan& progress) {
    IdpTelegram& t = telegram_;
    return InBlocks(start, count, progress, [&](std::size_t offset, std::size_t n) -> std::size_t {
        t.data[0] = kReadBlockCode;
        SetAddress(t, slotCode, offset);
        t.data[4] = static_cast<std::uint8_t>(n);
        t.length = 5;
        if (!SendTelegram(*this, ui) || !ReceiveTelegram(*this)) return 0;
        // An answer without data bytes would never advance the read.
        if (t.length < 5) return 0;
        const std::size_t got = std::min<std::size_t>(t.length - 4u, start + count - offset);
        std::copy_n(t.data.begin() + 4, got, image.begin() + static_cast<std::ptrdiff_t>(offset));
        return got;
    });
}

bool DspLink::SelectSet(UserInterface& ui, std::uint8_t set) {
    telegram_.data[0] = kSelectSetCode;
    telegram_.data[1] = set;
    telegram_.length = 2;
    return Exchange(ui);
}

}  // namespace qv
