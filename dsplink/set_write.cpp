#include "dsplink/set_write.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "curves/text_file.h"
#include "curves/tr.h"
#include "dsplink/box_history.h"
#include "dsplink/dsp_telegrams.h"

namespace qv {
namespace {

constexpr ImageRange kTail{kImageLengthOffset, 2u + kSetupSize};

bool LengthValid(std::uint16_t length) {
    return length != kErasedLength && length <= kProgramArea;
}

// The probe blocks that confirm a record without reading the whole program:
// its start, the equalizer coefficients, its middle and its end.
std::vector<ImageRange> ProbeRanges(std::uint16_t length, std::size_t eqOffset) {
    std::vector<ImageRange> probes;
    for (std::size_t at : {std::size_t{0}, eqOffset, (length / 2u) & ~std::size_t{15},
                           length > kBlockSize ? length - kBlockSize : std::size_t{0}}) {
        if (at >= length) continue;
        const ImageRange r{at, std::min<std::size_t>(kBlockSize, length - at)};
        if (std::find(probes.begin(), probes.end(), r) == probes.end()) probes.push_back(r);
    }
    return probes;
}

bool Matches(const HexSlotImage& record, const DspImage& read, const ImageRange& r) {
    for (std::size_t o = r.start; o < r.start + r.count; ++o)
        if (!record.present[o] || record.bytes[o] != read[o]) return false;
    return true;
}

}  // namespace

HexSlotImage SlotContents(const DspImage& image) {
    HexSlotImage c;
    const std::uint16_t length = ImageLength(image);
    if (LengthValid(length))
        for (std::size_t o = 0; o < length; ++o) c.Put(o, image[o]);
    for (std::size_t o = kTail.start; o < kTail.start + kTail.count; ++o) c.Put(o, image[o]);
    return c;
}

HexSlotImage SlotAfterWrite(const HexSlotImage& previous, const std::vector<std::uint8_t>& sectors,
                            const DspImage& image, const std::vector<ImageRange>& ranges) {
    HexSlotImage after = previous;
    for (std::uint8_t sector : sectors) {
        for (std::size_t o = sector * kSectorSize; o < (sector + 1u) * kSectorSize; ++o) {
            after.bytes[o] = 0xFF;
            after.present[o] = false;
        }
    }
    for (const ImageRange& r : ranges)
        for (std::size_t o = r.start; o < r.start + r.count && o < kImageSize; ++o)
            after.Put(o, image[o]);
    // An erased length word and setup still say what the set holds.
    for (std::size_t o = kTail.start; o < kTail.start + kTail.count; ++o) after.present[o] = true;
    // Program bytes beyond the length word are not part of what the set holds.
    const std::uint16_t length = static_cast<std::uint16_t>(
        after.bytes[kImageLengthOffset] | after.bytes[kImageLengthOffset + 1] << 8);
    const std::size_t end = LengthValid(length) ? length : 0;
    for (std::size_t o = end; o < kProgramArea; ++o) {
        after.bytes[o] = 0xFF;
        after.present[o] = false;
    }
    return after;
}

SetWrite::SetWrite(DspSession& s, UserInterface& ui, std::string what, std::string command,
                   WriteOptions options)
    : s_(s), ui_(ui), what_(std::move(what)), command_(std::move(command)), options_(options) {}

SetWrite::~SetWrite() {
    // An ending that nobody named (a refusal before the set was touched)
    // still shows what the layers below said.
    if (!ended_)
        for (const std::string& m : held_) ui_.Message(m);
}

void SetWrite::Progress(double fraction, const std::string& text) {
    fraction_ = fraction;
    ui_.Progress(fraction, text);
}

bool SetWrite::ProgressCancelled() {
    return ui_.ProgressCancelled();
}

bool SetWrite::KeepPrevious(const ProgressSpan& progress) {
    if (s_.history() == nullptr) return true;
    Doing(QV_TR("reading what the set holds"));
    // The version only labels the kept state: its failure is nobody's business.
    SilentUserInterface quiet;
    const auto version = ReadVersion(s_, quiet);
    auto read = std::make_unique<DspImage>();
    read->fill(0xFF);
    const std::uint8_t slot = s_.state().SlotCode();
    ProgressSpan tail = progress;
    tail.to = progress.from + (progress.to - progress.from) * 0.02;
    if (!s_.link().ReadRange(*this, slot, *read, kTail.start, kTail.count, tail))
        return LinkFailed();
    const std::uint16_t length = ImageLength(*read);
    const std::uint8_t set = s_.state().ChosenSet(), rate = s_.state().ChosenRate();
    std::optional<HexSlotImage> record = s_.history()->Written(set, rate);
    bool confirmed = record && Matches(*record, *read, kTail);
    if (confirmed && LengthValid(length)) {
        for (const ImageRange& r : ProbeRanges(length, s_.profile().eqCoefOffset)) {
            if (!s_.link().ReadRange(*this, slot, *read, r.start, r.count, {})) return LinkFailed();
            if (!Matches(*record, *read, r)) {
                confirmed = false;
                break;
            }
        }
    }
    if (!confirmed && LengthValid(length)) {
        ProgressSpan rest = progress;
        rest.from = tail.to;
        if (!s_.link().ReadRange(*this, slot, *read, 0, length, rest)) return LinkFailed();
    }
    previous_ = confirmed ? *record : SlotContents(*read);
    try {
        s_.history()->Keep(set, rate, *previous_, version ? int{*version} : -1, command_);
    } catch (const std::exception&) {
        return Failed(WriteEnd::HistoryLost, s_.history()->Root().string());
    }
    progress.Report(1, 1);
    kept_ = true;
    return true;
}

void SetWrite::Erasing(const std::vector<std::uint8_t>& sectors) {
    Doing(QV_TR("erasing the set"));
    for (std::uint8_t sector : sectors)
        if (std::find(erased_.begin(), erased_.end(), sector) == erased_.end())
            erased_.push_back(sector);
}

std::string SetWrite::Holds() const {
    if (erased_.empty()) return QV_TR("The set is unchanged.");
    const bool undo = kept_ || (s_.history() != nullptr && previous_);
    // Whole sentences, so that each language can build them its own way.
    if (verifyDifference_) {
        return undo ? Fill(QV_TR("The set differs from what was written: write it again, or use "
                                 "%1."),
                           {s_.undoHint()})
                    : QV_TR("The set differs from what was written: write it again.");
    }
    if (writtenAll_) {
        return undo ? Fill(QV_TR("The set is written but not verified: write it again, or use "
                                 "%1."),
                           {s_.undoHint()})
                    : QV_TR("The set is written but not verified: write it again.");
    }
    return undo ? Fill(QV_TR("The set is incomplete: write it again, or use %1."), {s_.undoHint()})
                : QV_TR("The set is incomplete: write it again.");
}

std::string SetWrite::FailureText(WriteEnd end, const std::string& detail) const {
    const std::string here = SetText(s_.state().ChosenSet(), s_.state().ChosenRate());
    std::string why;
    switch (end) {
        case WriteEnd::NoAnswer:
            why = QV_TR("the box stopped answering");
            break;
        case WriteEnd::Damaged:
            why = QV_TR("the box's answers stayed damaged");
            break;
        case WriteEnd::Refused:
            why = QV_TR("the box refused a telegram");
            break;
        case WriteEnd::NotSent:
            why = QV_TR("a telegram could not be sent");
            break;
        case WriteEnd::Cancelled:
            why = QV_TR("cancelled");
            break;
        case WriteEnd::PortLost:
            why = Fill(QV_TR("the port was lost (%1)"), {detail});
            break;
        case WriteEnd::HistoryLost:
            why = Fill(QV_TR("the box history could not be written in %1"), {detail});
            break;
    }
    const int percent = static_cast<int>(std::floor(fraction_ * 100.0));
    return Fill(QV_TR("%1: %2 while %3 (%4 %). %5"),
                {here, why, doing_, std::to_string(percent), Holds()});
}

void SetWrite::Say(const std::string& text) {
    ended_ = true;
    // What is known about the set is no longer what this program wrote.
    if (s_.history() != nullptr && !erased_.empty())
        s_.history()->SetWritten(s_.state().ChosenSet(), s_.state().ChosenRate(), std::nullopt);
    const std::string message = headline_.empty() ? text : headline_ + "\n" + text;
    if (s_.failureAsStatusLine()) ui_.StatusLine(text);
    ui_.Message(message);
}

bool SetWrite::Failed(WriteEnd end, const std::string& detail) {
    Say(FailureText(end, detail));
    return false;
}

bool SetWrite::LinkFailed() {
    if (ProgressCancelled()) return Failed(WriteEnd::Cancelled);
    for (const std::string& m : held_) {
        if (m == "Fehler 18 aufgetreten") return Failed(WriteEnd::Refused);
        if (m == "Fehler 16 aufgetreten" || m == "Fehler bei Byte Senden")
            return Failed(WriteEnd::NotSent);
    }
    // A damaged frame leaves its first byte in the buffer; silence leaves 2 there.
    const IdpTelegram& t = s_.link().telegram();
    return Failed(t.complete == 0 && t.data[0] != 2 ? WriteEnd::Damaged : WriteEnd::NoAnswer);
}

bool SetWrite::Differs(std::size_t offset) {
    verifyDifference_ = true;
    Say(VerifyFailedText(s_.state().ChosenSet(), s_.state().ChosenRate(), offset, Holds()));
    return false;
}

bool SetWrite::Succeeded(const DspImage& image, const std::vector<ImageRange>& ranges,
                         bool verified, const std::string& statusLine) {
    ended_ = true;
    for (const std::string& m : held_) ui_.Message(m);
    if (s_.history() != nullptr) {
        std::optional<HexSlotImage> now;
        if (verified && previous_) now = SlotAfterWrite(*previous_, erased_, image, ranges);
        try {
            s_.history()->SetWritten(s_.state().ChosenSet(), s_.state().ChosenRate(), now);
        } catch (const std::exception&) {
            // Without the record the next write reads the set in full.
        }
    }
    ui_.StatusLine(statusLine);
    return true;
}

}  // namespace qv
