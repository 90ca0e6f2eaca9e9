#include "dsplink/dsp_protocol.h"
#include "curves/tr.h"

#include <random>

namespace qv {
namespace {

constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kColon = ':';
constexpr std::size_t kMaxFrameBytes = 21;  // payload and CRC
constexpr int kMaxSendSteps = 250;
constexpr int kMaxReceiveCount = 100;

std::array<std::uint8_t, 256> MakeCrc8Table() {
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        std::uint8_t c = static_cast<std::uint8_t>(i);
        for (int bit = 0; bit < 8; ++bit)
            c = static_cast<std::uint8_t>((c & 1) ? (c >> 1) ^ 0x8C : c >> 1);
        table[static_cast<std::size_t>(i)] = c;
    }
    return table;
}

std::uint8_t UpperHex(int nibble) {
    return static_cast<std::uint8_t>("0123456789ABCDEF"[nibble & 0xF]);
}

std::uint8_t LowerHex(int nibble) {
    return static_cast<std::uint8_t>("0123456789abcdef"[nibble & 0xF]);
}

std::optional<int> HexValue(std::uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return std::nullopt;
}

std::uint8_t RandomByte(Clock& clock) {
    // Reseeded from the clock before each ping, so consecutive pings differ.
    std::mt19937 gen(
        static_cast<std::mt19937::result_type>(clock.Now().time_since_epoch().count()));
    return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(gen));
}

bool SendText(DspLink& link, UserInterface& ui, const char* text) {
    for (const char* p = text; *p != '\0'; ++p)
        if (!SendCharEcho(link, ui, static_cast<std::uint8_t>(*p))) return false;
    return true;
}

}  // namespace

const std::array<std::uint8_t, 256>& Crc8Table() {
    static const std::array<std::uint8_t, 256> table = MakeCrc8Table();
    return table;
}

std::uint8_t Crc8(std::span<const std::uint8_t> bytes, std::uint8_t state) {
    const auto& table = Crc8Table();
    for (std::uint8_t b : bytes) state = table[state ^ b];
    return state;
}

bool SendChar(DspLink& link, UserInterface& ui, std::uint8_t b) {
    if (link.port().WriteChar(b)) return true;
    ui.Message(QV_TR("Fehler bei Byte Senden"));
    return false;
}

std::optional<std::uint8_t> ReceiveChar(DspLink& link, std::chrono::milliseconds timeout) {
    using std::chrono::milliseconds;
    const auto deadline = link.clock().Now() + timeout;
    for (;;) {
        if (auto b = link.port().PollChar()) return b;
        const auto now = link.clock().Now();
        if (now >= deadline) return std::nullopt;
        const auto left = std::chrono::ceil<milliseconds>(deadline - now);
        if (!link.port().WaitForData(left)) return std::nullopt;
        // Data was reported but none could be fetched: pause briefly rather
        // than spin, so the deadline is reached on any clock.
        if (auto b = link.port().PollChar()) return b;
        link.clock().Sleep(milliseconds(1));
    }
}

bool SendCharEcho(DspLink& link, UserInterface& ui, std::uint8_t b) {
    if (!SendChar(link, ui, b)) return false;
    const auto echo = ReceiveChar(link);
    return echo && *echo == b;
}

void ReportError(UserInterface& ui, int n) {
    ui.Message(Fill(QV_TR("Fehler %1 aufgetreten"), {std::to_string(n)}));
}

bool SendTelegram(DspLink& link, UserInterface& ui) {
    IdpTelegram& t = link.telegram();
    if (t.length > t.data.size()) return false;
    // A stale answer (one that came after its wait) must never be taken as
    // the answer to this telegram.
    link.port().DiscardInput();
    const auto& table = Crc8Table();
    std::uint8_t crc = 0;
    if (!SendChar(link, ui, kColon)) return false;
    int steps = 1;
    for (std::size_t position = 0; position <= t.length; ++position) {
        if (steps + 2 > kMaxSendSteps) return false;
        const std::uint8_t value = position < t.length ? t.data[position] : crc;
        crc = table[crc ^ value];
        if (!SendChar(link, ui, UpperHex(value >> 4))) return false;
        if (!SendChar(link, ui, UpperHex(value))) return false;
        steps += 2;
    }
    return SendChar(link, ui, kCr);
}

bool ReceiveTelegram(DspLink& link, std::chrono::milliseconds timeout) {
    IdpTelegram& t = link.telegram();
    const auto& table = Crc8Table();
    t.complete = 0;
    t.data[0] = t.data[1] = t.data[2] = 2;
    t.length = 0;
    enum class State { WaitForStart, HighNibble, LowNibble } state = State::WaitForStart;
    int counter = 0;
    std::size_t count = 0;
    std::uint8_t crc = 0;
    int high = 0;
    for (;;) {
        const auto c = ReceiveChar(link, timeout);
        if (!c) return false;
        const bool last = counter > kMaxReceiveCount;
        ++counter;
        switch (state) {
            case State::WaitForStart:
                if (*c == kColon) {
                    count = 0;
                    crc = 0;
                    state = State::HighNibble;
                }
                break;
            case State::HighNibble:
                if (*c == kCr) {
                    state = State::WaitForStart;
                    // A frame without bytes carries no CRC, and one longer
                    // than the buffer lost bytes: neither is an answer.
                    if (crc != 0 || count == 0 || count > kMaxFrameBytes) {
                        t.complete = 0;
                        t.length = 0;
                        return false;
                    }
                    t.complete = 1;
                    t.length = static_cast<std::uint8_t>(count - 1);
                    return true;
                }
                if (auto v = HexValue(*c)) {
                    high = *v;
                    state = State::LowNibble;
                } else {
                    state = State::WaitForStart;
                }
                break;
            case State::LowNibble:
                if (auto v = HexValue(*c)) {
                    const auto b = static_cast<std::uint8_t>(high * 16 + *v);
                    crc = table[crc ^ b];
                    if (count < kMaxFrameBytes) t.data[count] = b;
                    ++count;
                    state = State::HighNibble;
                } else {
                    state = State::WaitForStart;
                }
                break;
        }
        if (last) return t.complete == 1;
    }
}

bool TransactTelegram(DspLink& link, UserInterface& ui) {
    if (!SendTelegram(link, ui)) {
        ReportError(ui, 16);
        return false;
    }
    if (!ReceiveTelegram(link)) return false;
    if (link.telegram().data[0] == 0x21) return true;
    ReportError(ui, 18);
    return false;
}

std::uint8_t PingAnswer(std::uint8_t k, std::uint8_t r) {
    return static_cast<std::uint8_t>(((static_cast<int>(k) + r) / 2 + 3) % 256);
}

bool PingDsp(DspLink& link, UserInterface& ui, std::uint8_t k) {
    const std::uint8_t r = RandomByte(link.clock());
    link.telegram().data[0] = 0x39;
    link.telegram().data[1] = r;
    link.telegram().length = 2;
    if (!SendTelegram(link, ui)) return false;
    if (!ReceiveTelegram(link, kPingWait)) return false;
    return link.telegram().length >= 2 && link.telegram().data[0] == 0x3A &&
           link.telegram().data[1] == PingAnswer(k, r);
}

bool CheckDspConnection(DspLink& link, UserInterface& ui, std::uint8_t comPortNumber) {
    link.port().OpenPort(comPortNumber);
    BusyScope busy(ui);
    for (int i = 0; i < kPingTries; ++i) {
        const bool ok = PingDsp(link, ui, kPingKey);
        link.clock().Sleep(kPingPause);
        if (ok) return true;
    }
    return false;
}

std::optional<std::uint8_t> ReadDspByte(DspLink& link, UserInterface& ui, std::uint16_t address) {
    if (!SendText(link, ui, ":r01")) return std::nullopt;
    for (int shift = 12; shift >= 4; shift -= 4) {
        if (!SendCharEcho(link, ui, LowerHex(address >> shift))) {
            ReportError(ui, 5);
            return std::nullopt;
        }
    }
    if (!SendChar(link, ui, LowerHex(address))) {
        ReportError(ui, 6);
        return std::nullopt;
    }
    return ReceiveChar(link);
}

std::uint8_t RecordChecksum(std::uint16_t address, std::uint8_t value) {
    const int sum = 1 + (address >> 8) + (address & 0xFF) + value;
    return static_cast<std::uint8_t>((256 - sum % 256) % 256);
}

bool WriteDspByte(DspLink& link, UserInterface& ui, std::uint16_t address, std::uint8_t value) {
    if (!SendText(link, ui, ":01")) return false;
    const std::uint8_t checksum = RecordChecksum(address, value);
    const std::uint8_t chars[] = {LowerHex(address >> 12),
                                  LowerHex(address >> 8),
                                  LowerHex(address >> 4),
                                  LowerHex(address),
                                  '0',
                                  '0',
                                  LowerHex(value >> 4),
                                  LowerHex(value),
                                  LowerHex(checksum >> 4),
                                  LowerHex(checksum)};
    for (std::uint8_t c : chars)
        if (!SendChar(link, ui, c)) return false;
    return SendCharEcho(link, ui, kCr);
}

bool SelectSetCommand(DspLink& link, UserInterface& ui, std::uint8_t code) {
    if (SendText(link, ui, ":w") && SendCharEcho(link, ui, code)) return true;
    ReportError(ui, 16);
    return false;
}

}  // namespace qv
