#pragma once
// The two command sets on the line to the box: IDP telegrams (':' + upper-case
// hex pairs + CRC-8 + CR, answered by a telegram) and the byte-addressed
// commands (":r01" reads, one-byte data records, ":w" set selection) whose
// characters the box echoes. Every function blocks until it is done.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

#include "curves/user_interface.h"
#include "dsplink/dsp_link.h"

namespace qv {

// 1-Wire CRC-8 (reflected polynomial 0x8C), initial value 0, no final inversion.
const std::array<std::uint8_t, 256>& Crc8Table();
std::uint8_t Crc8(std::span<const std::uint8_t> bytes, std::uint8_t state = 0);

// How long a read waits for the next byte of an answer.
constexpr std::chrono::milliseconds kReceiveWait{1000};
// A ping gives up sooner, so the start-up check without a box stays short.
constexpr std::chrono::milliseconds kPingWait{100};
constexpr std::chrono::milliseconds kPingPause{200};
constexpr int kPingTries = 15;
constexpr std::uint8_t kPingKey = 150;

// Character level.
bool SendChar(DspLink& link, UserInterface& ui, std::uint8_t b);
// Waits for the next byte at most timeout, without spinning.
std::optional<std::uint8_t> ReceiveChar(DspLink& link,
                                        std::chrono::milliseconds timeout = kReceiveWait);
bool SendCharEcho(DspLink& link, UserInterface& ui, std::uint8_t b);
// "Fehler <n> aufgetreten".
void ReportError(UserInterface& ui, int n);

// Telegram level: the telegram travels in link.telegram(). Sending first drops
// whatever waits to be received.
bool SendTelegram(DspLink& link, UserInterface& ui);
bool ReceiveTelegram(DspLink& link, std::chrono::milliseconds timeout = kReceiveWait);
// Send and receive; the answer must begin with '!' (0x21).
bool TransactTelegram(DspLink& link, UserInterface& ui);
// The answer byte a ping with key k and random byte r expects.
std::uint8_t PingAnswer(std::uint8_t k, std::uint8_t r);
bool PingDsp(DspLink& link, UserInterface& ui, std::uint8_t k = kPingKey);
// Opens the port comPortNumber (throws its open error) and pings up to 15
// times, 200 ms apart; true when the box answered.
bool CheckDspConnection(DspLink& link, UserInterface& ui, std::uint8_t comPortNumber);

// Byte-addressed commands.
std::optional<std::uint8_t> ReadDspByte(DspLink& link, UserInterface& ui, std::uint16_t address);
// The Intel HEX checksum of a one-byte data record.
std::uint8_t RecordChecksum(std::uint16_t address, std::uint8_t value);
bool WriteDspByte(DspLink& link, UserInterface& ui, std::uint16_t address, std::uint8_t value);
bool SelectSetCommand(DspLink& link, UserInterface& ui, std::uint8_t code);

}  // namespace qv
