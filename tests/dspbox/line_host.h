#pragma once
// A minimal host for the box tests: sends telegrams and byte commands the
// way the editor puts them on the line, with its own frame decoder so that
// the box is not checked against itself.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dsplink/serial_device.h"

namespace qv::test {

inline constexpr std::chrono::milliseconds kHostWait{1000};

inline std::string Frame(const std::vector<std::uint8_t>& bytes, std::uint8_t crc) {
    static const char* digits = "0123456789ABCDEF";
    std::string line = ":";
    for (std::uint8_t b : bytes) {
        line += digits[b >> 4];
        line += digits[b & 15];
    }
    line += digits[crc >> 4];
    line += digits[crc & 15];
    return line + "\r";
}

inline void SendLine(SerialDevice& d, const std::string& chars) {
    for (char c : chars) d.WriteByte(static_cast<std::uint8_t>(c), kHostWait);
}

// One character, waiting as the host does; nullopt after the wait.
inline std::optional<std::uint8_t> ReceiveOne(SerialDevice& d,
                                              std::chrono::milliseconds wait = kHostWait) {
    if (d.BytesWaiting() == 0 && !d.WaitForData(wait)) return std::nullopt;
    auto bytes = d.Read(1);
    if (bytes.empty()) return std::nullopt;
    return bytes[0];
}

// Characters up to and with the CR, or what came before the wait ran out.
inline std::string ReceiveLine(SerialDevice& d, std::chrono::milliseconds wait = kHostWait) {
    std::string line;
    while (auto c = ReceiveOne(d, wait)) {
        line += static_cast<char>(*c);
        if (*c == '\r') break;
    }
    return line;
}

// Bit by bit, without the table the box uses.
inline std::uint8_t BitwiseCrc8(const std::vector<std::uint8_t>& bytes) {
    std::uint8_t crc = 0;
    for (std::uint8_t b : bytes) {
        for (int bit = 0; bit < 8; ++bit) {
            const bool mix = (crc ^ b) & 1;
            crc = static_cast<std::uint8_t>(crc >> 1);
            if (mix) crc ^= 0x8C;
            b = static_cast<std::uint8_t>(b >> 1);
        }
    }
    return crc;
}

inline std::string Telegram(const std::vector<std::uint8_t>& bytes) {
    return Frame(bytes, BitwiseCrc8(bytes));
}

struct Answer {
    std::vector<std::uint8_t> bytes;  // without the CRC
    bool crcGood = false;
};

// Decodes ":hhhh...\r"; nullopt for anything else.
inline std::optional<Answer> DecodeAnswer(const std::string& line) {
    if (line.size() < 4 || line.front() != ':' || line.back() != '\r' || line.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> all;
    for (std::size_t i = 1; i + 1 < line.size(); i += 2) {
        all.push_back(static_cast<std::uint8_t>(std::stoi(line.substr(i, 2), nullptr, 16)));
    }
    Answer a;
    a.crcGood = BitwiseCrc8(all) == 0;
    all.pop_back();
    a.bytes = all;
    return a;
}

// Sends a telegram back to back and returns the decoded answer bytes; empty
// when no well-formed answer with a good CRC came.
inline std::vector<std::uint8_t> Transact(SerialDevice& d, const std::vector<std::uint8_t>& bytes) {
    SendLine(d, Telegram(bytes));
    const auto a = DecodeAnswer(ReceiveLine(d));
    if (!a || !a->crcGood) return {};
    return a->bytes;
}

// A byte command character that waits for its echo; returns what came back.
inline std::optional<std::uint8_t> SendEcho(SerialDevice& d, char c) {
    d.WriteByte(static_cast<std::uint8_t>(c), kHostWait);
    return ReceiveOne(d);
}

}  // namespace qv::test
