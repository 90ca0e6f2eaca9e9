#pragma once
// The one serial port of the editor: COM1 ... COM4 with fixed line settings,
// single-byte writes and a non-blocking poll over a store of received bytes.

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>

#include "dsplink/serial_device.h"

namespace qv {

// A failure whose text is already the complete message the user sees
// ("Error writing dcb (22), Invalid argument"); passed on unchanged.
class SerialPortError : public SerialError {
  public:
    using SerialError::SerialError;
};

// Fills one of the port layer's message patterns ("Write error (%d), %s").
std::string FormatSerialMessage(const std::string& pattern, int code, const std::string& text);
std::string FormatOpenError(const std::string& device, int code, const std::string& text);

// The system device behind port number n (1..4): /dev/ttyS0 ... /dev/ttyS3 on
// Linux, COM1 ... COM4 on Windows.
std::string DefaultDeviceName(std::uint8_t n);

constexpr std::chrono::milliseconds kWriteWait{1000};

class SerialPort {
  public:
    explicit SerialPort(SerialDevice& device) : device_(device) {}

    // Uses device instead of the default one for port number n (1..4).
    void SetDeviceOverride(std::uint8_t n, const std::string& device);
    std::string DeviceNameFor(std::uint8_t n) const;

    // Nothing when n is the open port; otherwise closes, opens the device of
    // n and raises DTR and RTS. Throws SerialError with the complete message
    // ("Unable to open specified device ..."); OpenPortNumber then keeps its value.
    void OpenPort(std::uint8_t n);
    // Closes the device; OpenPortNumber is kept.
    void ClosePort();
    bool IsOpen() const { return device_.IsOpen(); }
    // True when the device took the byte within the write wait.
    bool WriteChar(std::uint8_t b);
    // The next received byte, never waiting for one to arrive.
    std::optional<std::uint8_t> PollChar();
    // Waits until the device has data, at most timeout; true when data waits
    // (also when the receive store still holds bytes).
    bool WaitForData(std::chrono::milliseconds timeout);
    // Drops the receive store and whatever the device holds now: an answer
    // that missed its wait belongs to no later request.
    void DiscardInput();

    std::uint8_t OpenPortNumber() const { return openPortNumber_; }
    // The device opened last ("/dev/ttyS0" at start).
    const std::string& DeviceName() const { return deviceName_; }
    const std::deque<std::uint8_t>& ReceiveStore() const { return receiveStore_; }

  private:
    SerialDevice& device_;
    std::map<std::uint8_t, std::string> overrides_;
    std::uint8_t openPortNumber_ = 0;
    std::string deviceName_ = DefaultDeviceName(1);
    std::deque<std::uint8_t> receiveStore_;
};

}  // namespace qv
