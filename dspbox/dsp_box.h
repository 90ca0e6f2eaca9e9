#pragma once
// The virtual DSP box: answers the IDP telegrams (Ping, WriteBlock, ReadBlock,
// EraseSector, SelectSet) and the byte commands (":r01" reads, one-byte data
// records, ":w" set selection) the way the box does, holds its flash and its
// parameter area, and logs what it received.
//
// The engine knows nothing of devices: the host side feeds it characters with
// their time, and takes the answer characters once they are due. The
// in-process device and the pty server wrap it.
//
// A ':' may open a telegram (sent back to back, never echoed) or a byte
// command (each character waits for its echo). The engine holds a lone ':'
// until its owner decides: another character following at once makes it a
// telegram; StartByteCommand() makes it a byte command and echoes it.

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dspbox/box_flash.h"
#include "dspbox/fault_injection.h"

namespace qv {

struct DspBoxOptions {
    FaultSpec faults;
    bool baudTiming = false;        // characters take 10 bit times at 9600 baud each way
    std::uint16_t modeWord = 5;     // High range, room equalizer off
    std::size_t logLimit = 100000;  // oldest entries are dropped beyond this
    // Start as a box from the factory (demo program and setup in every set)
    // instead of erased.
    bool factoryContents = false;
};

enum class BoxCommand { Telegram, ReadDspByte, WriteDspByte, SelectSetCommand };

struct BoxLogEntry {
    BoxCommand kind = BoxCommand::Telegram;
    std::vector<std::uint8_t> telegram;  // code and data bytes as received, CRC removed
    std::uint16_t address = 0;           // byte commands
    std::uint8_t value = 0;              // byte read or written, or the ":w" code
    bool accepted = false;               // false: error answer, or no answer at all
};

std::string FormatLogEntry(const BoxLogEntry& entry);

// The second byte of an error answer (first byte '?', 0x3F; a good answer
// begins with '!', 0x21).
enum BoxErrorCode : std::uint8_t {
    kBoxBadFrame = 1,     // bad CRC, odd digit count, empty or over-long frame
    kBoxUnknownCode = 2,  // telegram code the box does not know
    kBoxBadLength = 3,    // wrong telegram length for its code
    kBoxBadAddress = 4,   // no flash there, or the block leaves its slot
    kBoxNotErased = 5,    // the write would have to set bits: sector not erased
    kBoxEraseFailed = 6,  // injected erase failure
};

inline constexpr std::uint8_t kBoxAck = 0x21;
inline constexpr std::uint8_t kBoxNak = 0x3F;
inline constexpr std::uint8_t kBoxPingAnswer = 0x3A;
// The key the host adds to the random byte of a ping.
inline constexpr unsigned kBoxPingKey = 150;
// Parameter addresses (base 0; the same layout repeats at base 32768).
inline constexpr std::uint16_t kBoxModeWordAddress = 0x7FFA;
inline constexpr std::uint16_t kBoxVersionAddress = 0x7FFF;

class DspBox {
  public:
    using TimePoint = std::chrono::steady_clock::time_point;
    // 10 bit times (start, 8 data, stop) at 9600 baud.
    static constexpr std::chrono::nanoseconds kCharTime{1041667};

    explicit DspBox(DspBoxOptions options = {});

    // --- the line ---
    void ReceiveChar(std::uint8_t c, TimePoint now);
    bool ColonPending() const { return state_ == State::ColonPending; }
    // When the held ':' arrived (valid while ColonPending()).
    TimePoint ColonTime() const { return colonTime_; }
    // The held ':' opens a byte command: echo it.
    void StartByteCommand(TimePoint now);
    // Answer characters due at now, and when the next one is due.
    std::size_t ReadyCount(TimePoint now) const;
    std::optional<TimePoint> NextOutputTime() const;
    std::vector<std::uint8_t> TakeOutput(TimePoint now, std::size_t max);
    // The line was dropped: forget queued answers and any half-received command.
    void ResetLine();

    // --- what the box holds ---
    const BoxFlash& Flash() const { return flash_; }
    BoxFlash& Flash() { return flash_; }
    std::span<const std::uint8_t> FlashSlot(int set, int rate) const {
        return flash_.Slot(set, rate);
    }
    // Counts flash changes, so that an owner knows when to save.
    std::uint64_t FlashRevision() const { return flashRevision_; }
    void LoadFlash(const std::string& file);
    void SaveFlash(const std::string& file) const { flash_.Save(file); }

    // The 64 KiB parameter area of the byte commands.
    std::span<const std::uint8_t> Parameters() const { return parameters_; }
    void SetParameter(std::uint16_t address, std::uint8_t value) { parameters_[address] = value; }
    std::uint16_t ModeWord(std::uint16_t base = 0) const;
    void SetModeWord(std::uint16_t value, std::uint16_t base = 0);
    std::uint8_t SoftwareVersion(std::uint16_t base = 0) const;

    // The set of the last accepted SelectSet telegram, and the code of the last ":w".
    std::optional<int> SelectedSet() const { return selectedSet_; }
    std::optional<std::uint8_t> SelectedSlotCode() const { return selectedSlotCode_; }

    const std::deque<BoxLogEntry>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }
    // Answers produced so far, the dropped and silenced ones included.
    int AnswerCount() const { return answerCount_; }
    const DspBoxOptions& Options() const { return options_; }
    // New faults from the next answer on, counted from 1 again (a box that
    // was powered off and on, a cable plugged back in).
    void SetFaults(const FaultSpec& faults);

  private:
    enum class State {
        Idle,
        ColonPending,
        Frame,
        ByteStart,
        ReadPrefix,
        ReadAddress,
        WritePrefix,
        WriteRecord,
        WriteEnd,
        SelectCode
    };

    void FrameChar(std::uint8_t c, TimePoint at);
    void FinishFrame(TimePoint at);
    std::vector<std::uint8_t> Dispatch(const std::vector<std::uint8_t>& t);
    void ByteCommandChar(std::uint8_t c, TimePoint at);
    void FinishWriteRecord(TimePoint at);
    void AddLog(BoxLogEntry entry);
    void AnswerTelegram(const std::vector<std::uint8_t>& bytes, TimePoint at);
    void AnswerChar(std::uint8_t c, TimePoint at);
    // Applies the faults of the next answer; false when it is not to be sent.
    bool NextAnswer(bool& corrupt, TimePoint& at);
    void Queue(const std::string& chars, TimePoint at);

    DspBoxOptions options_;
    BoxFlash flash_;
    std::vector<std::uint8_t> parameters_;
    std::uint64_t flashRevision_ = 0;
    int eraseFailuresLeft_ = 0;
    std::optional<int> selectedSet_;
    std::optional<std::uint8_t> selectedSlotCode_;
    std::deque<BoxLogEntry> log_;
    int answerCount_ = 0;

    State state_ = State::Idle;
    TimePoint colonTime_{};
    std::vector<std::uint8_t> frame_;
    int highNibble_ = -1;
    bool frameOverflow_ = false;
    int step_ = 0;
    std::uint16_t address_ = 0;
    std::string record_;

    TimePoint inputFree_ = TimePoint::min();
    TimePoint outputFree_ = TimePoint::min();
    std::deque<std::pair<TimePoint, std::uint8_t>> output_;
};

}  // namespace qv
