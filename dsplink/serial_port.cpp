#include "dsplink/serial_port.h"

namespace qv {

std::string FormatSerialMessage(const std::string& pattern, int code, const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            const char kind = pattern[i + 1];
            if (kind == 'd') {
                out += std::to_string(code);
                ++i;
                continue;
            }
            if (kind == 's') {
                out += text;
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string FormatOpenError(const std::string& device, int code, const std::string& text) {
    return "Unable to open specified device " + device + " (" + std::to_string(code) + "), " + text;
}

std::string DefaultDeviceName(std::uint8_t n) {
#ifdef _WIN32
    return "COM" + std::to_string(n);
#else
    return "/dev/ttyS" + std::to_string(n - 1);
#endif
}

void SerialPort::SetDeviceOverride(std::uint8_t n, const std::string& device) {
    overrides_[n] = device;
}

std::string SerialPort::DeviceNameFor(std::uint8_t n) const {
    if (auto it = overrides_.find(n); it != overrides_.end()) return it->second;
    return DefaultDeviceName(n);
}

void SerialPort::OpenPort(std::uint8_t n) {
    if (n == openPortNumber_) return;
    ClosePort();
    // Numbers outside 1..4 keep the device of the previous open.
    if (n >= 1 && n <= 4) deviceName_ = DeviceNameFor(n);
    try {
        device_.Open(deviceName_);
    } catch (const SerialPortError&) {
        device_.Close();
        throw;
    } catch (const SerialError& e) {
        device_.Close();
        throw SerialError(FormatOpenError(deviceName_, e.code(), e.what()), e.code());
    }
    try {
        device_.SetDtr(true);
        device_.SetRts(true);
    } catch (const SerialPortError&) {
        device_.Close();
        throw;
    } catch (const SerialError& e) {
        device_.Close();
        throw SerialPortError(
            FormatSerialMessage("Error calling comm function (%d), %s", e.code(), e.what()),
            e.code());
    }
    openPortNumber_ = n;
}

void SerialPort::ClosePort() {
    if (device_.IsOpen()) device_.Close();
}

bool SerialPort::WriteChar(std::uint8_t b) {
    if (!device_.IsOpen()) return false;
    return device_.WriteByte(b, kWriteWait);
}

std::optional<std::uint8_t> SerialPort::PollChar() {
    if (!device_.IsOpen()) return std::nullopt;
    if (receiveStore_.empty()) {
        const std::size_t waiting = device_.BytesWaiting();
        if (waiting > 0) {
            const auto bytes = device_.Read(waiting);
            receiveStore_.insert(receiveStore_.end(), bytes.begin(), bytes.end());
        }
    }
    if (receiveStore_.empty()) return std::nullopt;
    const std::uint8_t b = receiveStore_.front();
    receiveStore_.pop_front();
    return b;
}

bool SerialPort::WaitForData(std::chrono::milliseconds timeout) {
    if (!device_.IsOpen()) return false;
    if (!receiveStore_.empty()) return true;
    return device_.WaitForData(timeout);
}

void SerialPort::DiscardInput() {
    receiveStore_.clear();
    if (!device_.IsOpen()) return;
    // Bounded, so a line that never stops talking cannot hold the host here.
    for (int round = 0; round < 16; ++round) {
        const std::size_t waiting = device_.BytesWaiting();
        if (waiting == 0) return;
        device_.Read(waiting);
    }
}

}  // namespace qv
