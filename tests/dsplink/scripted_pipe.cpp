#include "tests/dsplink/scripted_pipe.h"

#include <cstdio>

namespace qv::test {
namespace {

std::uint8_t Crc(const std::vector<std::uint8_t>& bytes) {
    std::uint8_t crc = 0;
    for (std::uint8_t b : bytes) {
        crc ^= b;
        for (int i = 0; i < 8; ++i) crc = (crc & 1) ? (crc >> 1) ^ 0x8C : crc >> 1;
    }
    return crc;
}

int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

void ScriptedPipe::Open(const std::string& deviceName) {
    opened.push_back(deviceName);
    if (missing.count(deviceName) != 0) throw SerialError("No such file or directory", 2);
    open_ = true;
}

bool ScriptedPipe::WriteByte(std::uint8_t b, std::chrono::milliseconds timeout) {
    if (writeFailAfter >= 0 && written_ >= writeFailAfter) {
        clock_.Advance(timeout);
        return false;
    }
    ++written_;
    sent.push_back(static_cast<char>(b));
    pending_.push_back(static_cast<char>(b));
    return true;
}

std::size_t ScriptedPipe::BytesWaiting() {
    ++readCalls;
    Process();
    return out_.size();
}

std::vector<std::uint8_t> ScriptedPipe::Read(std::size_t max) {
    std::vector<std::uint8_t> bytes;
    while (!out_.empty() && bytes.size() < max) {
        bytes.push_back(out_.front());
        out_.pop_front();
    }
    return bytes;
}

bool ScriptedPipe::WaitForData(std::chrono::milliseconds timeout) {
    Process();
    if (!out_.empty()) return true;
    clock_.Advance(timeout);
    return false;
}

std::uint8_t ScriptedPipe::FlashAt(std::uint32_t address) const {
    auto it = flash.find(address);
    return it == flash.end() ? 0xFF : it->second;
}

std::string ScriptedPipe::Frame(const std::vector<std::uint8_t>& payload) {
    std::string text = ":";
    char buf[3];
    for (std::uint8_t b : payload) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        text += buf;
    }
    std::snprintf(buf, sizeof buf, "%02X", Crc(payload));
    return text + buf + "\r";
}

void ScriptedPipe::Echo(std::uint8_t c) {
    if (echoes && answers && deafCommands.count(byteCommands - 1) == 0) out_.push_back(c);
}

void ScriptedPipe::Answer(std::vector<std::uint8_t> payload) {
    const int index = answerIndex_++;
    if (!answers) return;
    out_.insert(out_.end(), prefix.begin(), prefix.end());
    prefix.clear();
    if (answerFilter && !answerFilter(payload, index)) return;
    const std::string frame = Frame(payload);
    out_.insert(out_.end(), frame.begin(), frame.end());
}

// Called whenever the host asks for data: a ':' alone opens a byte command
// (the host waits for its echo), ':' with more characters a telegram.
void ScriptedPipe::Process() {
    while (!pending_.empty()) {
        const char c = pending_.front();
        if (command_.empty()) {
            if (c != ':') {
                pending_.erase(0, 1);
                continue;
            }
            if (pending_.size() == 1) {
                pending_.clear();
                command_.assign(1, ':');
                ++byteCommands;
                Echo(':');
                continue;
            }
            const auto cr = pending_.find('\r');
            if (cr == std::string::npos) return;
            HandleTelegram(pending_.substr(0, cr));
            pending_.erase(0, cr + 1);
            continue;
        }
        // A new ':' abandons a command the host gave up on (the raw code
        // of ":w" may be any byte).
        if (c == ':' && command_ != ":w") {
            command_.clear();
            continue;
        }
        pending_.erase(0, 1);
        command_.push_back(c);
        const std::string& k = command_;
        if (k.rfind(":r", 0) == 0) {
            if (k.size() < 8) {
                Echo(static_cast<std::uint8_t>(c));
            } else {
                const auto address =
                    static_cast<std::uint16_t>(std::stoul(k.substr(4, 4), nullptr, 16));
                if (answers && deafCommands.count(byteCommands - 1) == 0)
                    out_.push_back(params[address]);
                command_.clear();
            }
        } else if (k.rfind(":0", 0) == 0) {
            if (k.size() <= 3) {
                Echo(static_cast<std::uint8_t>(c));
            } else if (c == '\r') {
                const auto address =
                    static_cast<std::uint16_t>(std::stoul(k.substr(3, 4), nullptr, 16));
                const int value = Hex(k[9]) * 16 + Hex(k[10]);
                params[address] = static_cast<std::uint8_t>(value);
                paramWrites.emplace_back(address, static_cast<std::uint8_t>(value));
                Echo('\r');
                command_.clear();
            }
        } else if (k.rfind(":w", 0) == 0) {
            Echo(static_cast<std::uint8_t>(c));
            if (k.size() == 3) {
                selectCommands.push_back(static_cast<std::uint8_t>(c));
                command_.clear();
            }
        } else {
            command_.clear();
        }
    }
}

void ScriptedPipe::HandleTelegram(const std::string& text) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 1; i + 1 < text.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(Hex(text[i]) * 16 + Hex(text[i + 1])));
    if (bytes.empty() || Crc(bytes) != 0) return;
    bytes.pop_back();
    telegrams.push_back(bytes);
    const std::uint8_t code = bytes[0];
    auto address = [&] {
        return static_cast<std::uint32_t>(bytes[1] << 16 | bytes[2] << 8 | bytes[3]);
    };
    if (code == 0x39 && bytes.size() == 2) {
        Answer({0x3A, static_cast<std::uint8_t>(((150 + bytes[1]) / 2 + 3) % 256)});
    } else if (code == 0x11 && bytes.size() >= 5) {
        const std::uint32_t a = address();
        for (std::size_t i = 4; i < bytes.size(); ++i) {
            const std::uint8_t old = FlashAt(a + static_cast<std::uint32_t>(i - 4));
            if ((bytes[i] & ~old) != 0) return Answer({0x3F, 0x11});
        }
        // Programming clears bits only, so the new value is old AND new.
        for (std::size_t i = 4; i < bytes.size(); ++i) {
            const auto at = a + static_cast<std::uint32_t>(i - 4);
            flash[at] = static_cast<std::uint8_t>(FlashAt(at) & bytes[i]);
        }
        Answer({0x21, 0x11});
    } else if (code == 0x12 && bytes.size() == 5) {
        std::vector<std::uint8_t> answer(bytes.begin(), bytes.begin() + 4);
        for (std::uint32_t i = 0; i < bytes[4]; ++i) answer.push_back(FlashAt(address() + i));
        Answer(answer);
    } else if (code == 0x12) {
        Answer({0x12, 0, 0, 0});
    } else if (code == 0x14 && bytes.size() == 3) {
        if (eraseFailures > 0) {
            --eraseFailures;
            return Answer({0x3F, 0x14});
        }
        const std::uint32_t slot = bytes[1] * 2u + bytes[2] / 128u;
        const std::uint32_t sector = (bytes[2] % 128u) / 16u;
        const std::uint32_t first = slot * 32768 + sector * 4096;
        for (std::uint32_t i = 0; i < 4096; ++i) flash.erase(first + i);
        Answer({0x21, 0x14});
    } else if (code == 0x31 && bytes.size() == 2) {
        selectedSets.push_back(bytes[1]);
        Answer({0x21, 0x31});
    } else {
        Answer({0x3F, code});
    }
}

}  // namespace qv::test
