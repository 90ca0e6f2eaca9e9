#pragma once
// A byte pipe that stands in for the box in the link tests: it records what
// the host sends and answers telegrams and byte commands from a small model
// (flash slots, a parameter area). Each answer can be dropped or rewritten,
// and time passes on a fake clock while the host waits for nothing.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dsplink/clock.h"
#include "dsplink/serial_device.h"

namespace qv::test {

class ScriptedPipe : public SerialDevice {
  public:
    explicit ScriptedPipe(FakeClock& clock) : clock_(clock) {}

    void Open(const std::string& deviceName) override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool WriteByte(std::uint8_t b, std::chrono::milliseconds timeout) override;
    std::size_t BytesWaiting() override;
    std::vector<std::uint8_t> Read(std::size_t max) override;
    bool WaitForData(std::chrono::milliseconds timeout) override;
    void SetDtr(bool) override { ++dtrCalls; }
    void SetRts(bool) override { ++rtsCalls; }

    // Frames sent by the host, decoded (payload without CRC).
    std::vector<std::vector<std::uint8_t>> telegrams;
    // Everything written, as text.
    std::string sent;
    std::vector<std::string> opened;
    std::set<std::string> missing;  // devices that fail to open
    int dtrCalls = 0, rtsCalls = 0;
    int readCalls = 0;  // BytesWaiting calls

    bool answers = true;      // false: the box is silent
    bool echoes = true;       // false: byte commands get no echo
    int writeFailAfter = -1;  // writes fail after this many bytes (-1: never)
    // Called with each telegram answer (payload, before framing) and its
    // index; return false to drop it. May change the bytes.
    std::function<bool(std::vector<std::uint8_t>&, int)> answerFilter;
    // Raw bytes to put in front of the next answer.
    std::string prefix;

    std::map<std::uint32_t, std::uint8_t> flash;  // absent = erased (0xFF)
    std::array<std::uint8_t, 65536> params{};
    std::vector<std::uint8_t> selectedSets;    // telegram 0x31
    std::vector<std::uint8_t> selectCommands;  // ":w" codes
    std::vector<std::pair<std::uint16_t, std::uint8_t>> paramWrites;
    int eraseFailures = 0;  // the next n erase telegrams answer an error
    // Byte commands (numbered from 0 in the order they start) that get
    // neither echo nor value.
    std::set<int> deafCommands;
    int byteCommands = 0;  // started so far

    std::uint8_t FlashAt(std::uint32_t address) const;
    // The frame the pipe would send for a payload: ':' hex CRC CR.
    static std::string Frame(const std::vector<std::uint8_t>& payload);

  private:
    void Process();
    void HandleTelegram(const std::string& text);
    void Answer(std::vector<std::uint8_t> payload);
    void Echo(std::uint8_t c);

    FakeClock& clock_;
    bool open_ = false;
    std::string pending_;
    std::deque<std::uint8_t> out_;
    int answerIndex_ = 0;
    int written_ = 0;
    // Byte command state: the characters of the command so far.
    std::string command_;
};

}  // namespace qv::test
