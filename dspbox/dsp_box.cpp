#include "dspbox/dsp_box.h"

#include <algorithm>
#include <cstdio>

#include "dspbox/box_codec.h"
#include "dspbox/box_contents.h"

namespace qv {

namespace {

// Payload plus CRC: the most the host's receive buffer holds.
constexpr std::size_t kMaxFrameBytes = 21;
constexpr std::size_t kRecordChars = 10;  // address, type, value, checksum
constexpr std::uint8_t kCr = 0x0D;

std::vector<std::uint8_t> Nak(BoxErrorCode code) {
    return {kBoxNak, code};
}

std::uint32_t Address24(std::uint8_t a2, std::uint8_t a1, std::uint8_t a0) {
    return (std::uint32_t{a2} << 16) | (std::uint32_t{a1} << 8) | a0;
}

std::vector<std::uint8_t> FlashAnswer(FlashResult result) {
    switch (result) {
        case FlashResult::Ok:
            return {kBoxAck};
        case FlashResult::NotErased:
            return Nak(kBoxNotErased);
        case FlashResult::OutOfRange:
            break;
    }
    return Nak(kBoxBadAddress);
}

std::string Hex2(std::uint8_t b) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", b);
    return text;
}

std::string Hex4(std::uint16_t v) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", v);
    return text;
}

}  // namespace

std::string FormatLogEntry(const BoxLogEntry& entry) {
    std::string text;
    switch (entry.kind) {
        case BoxCommand::Telegram:
            text = "telegram";
            for (std::uint8_t b : entry.telegram) {
                text += ' ';
                text += Hex2(b);
            }
            break;
        case BoxCommand::ReadDspByte:
            text = "read " + Hex4(entry.address) + " -> " + Hex2(entry.value);
            break;
        case BoxCommand::WriteDspByte:
            text = "write " + Hex4(entry.address) + " = " + Hex2(entry.value);
            break;
        case BoxCommand::SelectSetCommand:
            text = "select " + Hex2(entry.value);
            break;
    }
    return text + (entry.accepted ? "" : " (rejected)");
}

DspBox::DspBox(DspBoxOptions options)
    : options_(std::move(options)),
      parameters_(65536, 0),
      eraseFailuresLeft_(options_.faults.eraseFailures) {
    if (options_.factoryContents) StoreFactoryContents(flash_);
    flash_.SetStuckCells(options_.faults.stuckCells);
    const std::uint8_t version = options_.faults.version.value_or(1);
    for (std::uint16_t base : {std::uint16_t{0}, std::uint16_t{0x8000}}) {
        SetModeWord(options_.modeWord, base);
        parameters_[base + kBoxVersionAddress] = version;
    }
}

std::uint16_t DspBox::ModeWord(std::uint16_t base) const {
    const std::uint16_t at = static_cast<std::uint16_t>(base + kBoxModeWordAddress);
    return static_cast<std::uint16_t>(parameters_[at] << 8 |
                                      parameters_[static_cast<std::uint16_t>(at + 1)]);
}

void DspBox::SetModeWord(std::uint16_t value, std::uint16_t base) {
    const std::uint16_t at = static_cast<std::uint16_t>(base + kBoxModeWordAddress);
    parameters_[at] = static_cast<std::uint8_t>(value >> 8);
    parameters_[static_cast<std::uint16_t>(at + 1)] = static_cast<std::uint8_t>(value);
}

std::uint8_t DspBox::SoftwareVersion(std::uint16_t base) const {
    return parameters_[static_cast<std::uint16_t>(base + kBoxVersionAddress)];
}

void DspBox::LoadFlash(const std::string& file) {
    flash_.Load(file);
    ++flashRevision_;
}

void DspBox::ReceiveChar(std::uint8_t c, TimePoint now) {
    TimePoint at = now;
    if (options_.baudTiming) {
        at = std::max(now, inputFree_) + kCharTime;
        inputFree_ = at;
    }
    switch (state_) {
        case State::Idle:
            if (c == ':') {
                state_ = State::ColonPending;
                colonTime_ = at;
            }
            return;
        case State::ColonPending:
            // A character right behind the ':' means a telegram.
            state_ = State::Frame;
            frame_.clear();
            highNibble_ = -1;
            frameOverflow_ = false;
            FrameChar(c, at);
            return;
        case State::Frame:
            FrameChar(c, at);
            return;
        default:
            ByteCommandChar(c, at);
            return;
    }
}

void DspBox::FrameChar(std::uint8_t c, TimePoint at) {
    const int digit = HexDigitValue(c);
    if (digit >= 0) {
        if (highNibble_ < 0) {
            highNibble_ = digit;
            return;
        }
        if (frame_.size() < kMaxFrameBytes) {
            frame_.push_back(static_cast<std::uint8_t>(highNibble_ * 16 + digit));
        } else {
            frameOverflow_ = true;
        }
        highNibble_ = -1;
    } else if (c == kCr) {
        state_ = State::Idle;
        FinishFrame(at);
    } else if (c == ':') {
        state_ = State::ColonPending;
        colonTime_ = at;
    } else {
        state_ = State::Idle;
    }
}

void DspBox::FinishFrame(TimePoint at) {
    BoxLogEntry entry;
    entry.kind = BoxCommand::Telegram;
    entry.telegram = frame_;
    std::vector<std::uint8_t> answer;
    if (frameOverflow_ || highNibble_ >= 0 || frame_.size() < 2 || BoxCrc8(frame_) != 0) {
        answer = Nak(kBoxBadFrame);
    } else {
        entry.telegram.pop_back();
        answer = Dispatch(entry.telegram);
    }
    entry.accepted = answer[0] != kBoxNak;
    AddLog(std::move(entry));
    AnswerTelegram(answer, at);
}

std::vector<std::uint8_t> DspBox::Dispatch(const std::vector<std::uint8_t>& t) {
    const std::size_t n = t.size();
    switch (t[0]) {
        case 0x39:  // Ping
            if (n != 2) return Nak(kBoxBadLength);
            return {kBoxPingAnswer, static_cast<std::uint8_t>((kBoxPingKey + t[1]) / 2 + 3)};
        case 0x11: {  // WriteBlock
            if (n < 5 || n > 20) return Nak(kBoxBadLength);
            const auto result = flash_.Program(Address24(t[1], t[2], t[3]),
                                               std::span<const std::uint8_t>(t).subspan(4));
            if (result == FlashResult::Ok) ++flashRevision_;
            return FlashAnswer(result);
        }
        case 0x12: {  // ReadBlock
            if (n != 5 || t[4] < 1 || t[4] > 16) return Nak(kBoxBadLength);
            std::vector<std::uint8_t> answer{kBoxAck, t[1], t[2], t[3]};
            const auto result = flash_.Read(Address24(t[1], t[2], t[3]), t[4], answer);
            return result == FlashResult::Ok ? answer : FlashAnswer(result);
        }
        case 0x14: {  // EraseSector
            if (n != 3) return Nak(kBoxBadLength);
            if (!BoxFlash::Index(Address24(t[1], t[2], 0))) return Nak(kBoxBadAddress);
            if (eraseFailuresLeft_ > 0) {
                --eraseFailuresLeft_;
                return Nak(kBoxEraseFailed);
            }
            flash_.EraseSector(Address24(t[1], t[2], 0));
            ++flashRevision_;
            return {kBoxAck};
        }
        case 0x31:  // SelectSet
            if (n != 2) return Nak(kBoxBadLength);
            if (t[1] >= kBoxSetCount) return Nak(kBoxBadAddress);
            selectedSet_ = t[1];
            return {kBoxAck};
        default:
            return Nak(kBoxUnknownCode);
    }
}

void DspBox::StartByteCommand(TimePoint now) {
    if (state_ != State::ColonPending) return;
    state_ = State::ByteStart;
    AnswerChar(':', std::max(now, colonTime_));
}

void DspBox::ByteCommandChar(std::uint8_t c, TimePoint at) {
    const State state = state_;
    // Any character that does not fit ends the command; a ':' may open the next one.
    state_ = State::Idle;
    auto abort = [&] {
        if (c == ':') {
            state_ = State::ColonPending;
            colonTime_ = at;
        }
    };
    switch (state) {
        case State::ByteStart:
            if (c == 'r') {
                state_ = State::ReadPrefix;
                step_ = 0;
            } else if (c == '0') {
                state_ = State::WritePrefix;
            } else if (c == 'w') {
                state_ = State::SelectCode;
            } else {
                return abort();
            }
            AnswerChar(c, at);
            return;
        case State::ReadPrefix:
            if (c != "01"[step_]) return abort();
            AnswerChar(c, at);
            if (++step_ < 2) {
                state_ = State::ReadPrefix;
            } else {
                state_ = State::ReadAddress;
                step_ = 0;
                address_ = 0;
            }
            return;
        case State::ReadAddress: {
            const int digit = HexDigitValue(c);
            if (digit < 0) {
                AddLog({BoxCommand::ReadDspByte, {}, address_, 0, false});
                return abort();
            }
            address_ = static_cast<std::uint16_t>(address_ * 16 + digit);
            if (++step_ < 4) {
                // The host waits for the echo of the first three digits only.
                AnswerChar(c, at);
                state_ = State::ReadAddress;
                return;
            }
            const std::uint8_t value = parameters_[address_];
            AddLog({BoxCommand::ReadDspByte, {}, address_, value, true});
            AnswerChar(value, at);
            return;
        }
        case State::WritePrefix:
            if (c != '1') return abort();
            AnswerChar(c, at);
            state_ = State::WriteRecord;
            record_.clear();
            return;
        case State::WriteRecord:
            if (c == kCr || c == ':') {
                AddLog({BoxCommand::WriteDspByte, {}, 0, 0, false});
                return abort();
            }
            record_ += static_cast<char>(c);
            state_ = record_.size() < kRecordChars ? State::WriteRecord : State::WriteEnd;
            return;
        case State::WriteEnd:
            if (c != kCr) {
                AddLog({BoxCommand::WriteDspByte, {}, 0, 0, false});
                return abort();
            }
            FinishWriteRecord(at);
            return;
        case State::SelectCode: {
            // The code travels as a raw byte: every value is a code here.
            const bool valid = c < 32 && c % 4 != 3;
            AddLog({BoxCommand::SelectSetCommand, {}, 0, c, valid});
            if (!valid) return;
            selectedSlotCode_ = c;
            AnswerChar(c, at);
            return;
        }
        default:
            return;
    }
}

void DspBox::FinishWriteRecord(TimePoint at) {
    std::uint8_t bytes[5];
    bool hex = true;
    for (std::size_t i = 0; i < 5; ++i) {
        const int high = HexDigitValue(static_cast<std::uint8_t>(record_[2 * i]));
        const int low = HexDigitValue(static_cast<std::uint8_t>(record_[2 * i + 1]));
        hex = hex && high >= 0 && low >= 0;
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    BoxLogEntry entry{BoxCommand::WriteDspByte, {}, 0, 0, false};
    if (hex) {
        entry.address = static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
        entry.value = bytes[3];
        // A one-byte data record: type 00, and the bytes with the count sum to 0.
        const unsigned sum = 1u + bytes[0] + bytes[1] + bytes[2] + bytes[3] + bytes[4];
        entry.accepted = bytes[2] == 0 && sum % 256 == 0;
    }
    AddLog(entry);
    // A bad record gets no echo of its CR, so the host sees the failure.
    if (!entry.accepted) return;
    parameters_[entry.address] = entry.value;
    AnswerChar(kCr, at);
}

void DspBox::SetFaults(const FaultSpec& faults) {
    options_.faults = faults;
    answerCount_ = 0;
    eraseFailuresLeft_ = faults.eraseFailures;
    flash_.SetStuckCells(faults.stuckCells);
    ResetLine();
}

void DspBox::AddLog(BoxLogEntry entry) {
    log_.push_back(std::move(entry));
    while (log_.size() > options_.logLimit) log_.pop_front();
}

bool DspBox::NextAnswer(bool& corrupt, TimePoint& at) {
    const FaultSpec& f = options_.faults;
    const int n = ++answerCount_;
    if ((f.silentFrom > 0 && n >= f.silentFrom) || f.drop.contains(n)) return false;
    corrupt = f.corrupt.contains(n);
    if (auto late = f.late.find(n); late != f.late.end()) at += late->second;
    if (f.lateAll) at += *f.lateAll;
    return true;
}

void DspBox::AnswerTelegram(const std::vector<std::uint8_t>& bytes, TimePoint at) {
    bool corrupt = false;
    if (!NextAnswer(corrupt, at)) return;
    std::string frame = EncodeIdpFrame(bytes);
    if (corrupt) {
        const std::uint8_t bad = static_cast<std::uint8_t>(~BoxCrc8(bytes));
        frame[frame.size() - 3] = UpperHexDigit(bad >> 4);
        frame[frame.size() - 2] = UpperHexDigit(bad);
    }
    Queue(frame, at);
}

void DspBox::AnswerChar(std::uint8_t c, TimePoint at) {
    bool corrupt = false;
    if (!NextAnswer(corrupt, at)) return;
    Queue(std::string(1, static_cast<char>(corrupt ? c ^ 0xFF : c)), at);
}

void DspBox::Queue(const std::string& chars, TimePoint at) {
    for (char ch : chars) {
        // Answers leave in order: a late one holds up those behind it.
        TimePoint t = std::max(at, outputFree_);
        if (options_.baudTiming) t += kCharTime;
        outputFree_ = t;
        output_.emplace_back(t, static_cast<std::uint8_t>(ch));
    }
}

std::size_t DspBox::ReadyCount(TimePoint now) const {
    std::size_t n = 0;
    while (n < output_.size() && output_[n].first <= now) ++n;
    return n;
}

std::optional<DspBox::TimePoint> DspBox::NextOutputTime() const {
    if (output_.empty()) return std::nullopt;
    return output_.front().first;
}

std::vector<std::uint8_t> DspBox::TakeOutput(TimePoint now, std::size_t max) {
    std::vector<std::uint8_t> bytes;
    while (bytes.size() < max && !output_.empty() && output_.front().first <= now) {
        bytes.push_back(output_.front().second);
        output_.pop_front();
    }
    return bytes;
}

void DspBox::ResetLine() {
    output_.clear();
    state_ = State::Idle;
    inputFree_ = TimePoint::min();
    outputFree_ = TimePoint::min();
}

}  // namespace qv
