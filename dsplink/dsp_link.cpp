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
    if (!FitsImage(start, count)) return false;
    IdpTelegram& t = telegram_;
    for (std::size_t done = 0; done < count;) {
        if (progress.Cancelled()) return false;
        const std::size_t n = std::min(kBlockSize, count - done);
        t.data[0] = kWriteBlockCode;
        SetAddress(t, slotCode, start + done);
        std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(start + done), n,
                    t.data.begin() + 4);
        t.length = static_cast<std::uint8_t>(4 + n);
        if (!Exchange(ui)) return false;
        done += n;
        progress.Report(done, count);
    }
    return true;
}

bool DspLink::ReadRange(UserInterface& ui, std::uint8_t slotCode, DspImage& image,
                        std::size_t start, std::size_t count, const ProgressSpan& progress) {
    if (!FitsImage(start, count)) return false;
    IdpTelegram& t = telegram_;
    for (std::size_t done = 0; done < count;) {
        if (progress.Cancelled()) return false;
        const std::size_t n = std::min(kBlockSize, count - done);
        t.data[0] = kReadBlockCode;
        SetAddress(t, slotCode, start + done);
        t.data[4] = static_cast<std::uint8_t>(n);
        t.length = 5;
        if (!SendTelegram(*this, ui)) return false;
        if (!ReceiveTelegram(*this)) return false;
        // An answer without data bytes would never advance the read.
        if (t.length < 5) return false;
        const std::size_t got = std::min<std::size_t>(t.length - 4u, count - done);
        std::copy_n(t.data.begin() + 4, got,
                    image.begin() + static_cast<std::ptrdiff_t>(start + done));
        done += got;
        progress.Report(done, count);
    }
    return true;
}

bool DspLink::SelectSet(UserInterface& ui, std::uint8_t set) {
    telegram_.data[0] = kSelectSetCode;
    telegram_.data[1] = set;
    telegram_.length = 2;
    return Exchange(ui);
}

}  // namespace qv
