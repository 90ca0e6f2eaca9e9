#pragma once
// The byte pipe to the DSP box: a real serial port in the editor, the
// virtual box or a scripted pipe in tests.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv {

// An open or configuration failure, carrying the system's error number and text.
class SerialError : public std::runtime_error {
  public:
    SerialError(const std::string& what, int code) : std::runtime_error(what), code_(code) {}
    int code() const { return code_; }

  private:
    int code_;
};

class SerialDevice {
  public:
    virtual ~SerialDevice() = default;

    // Opens the device (e.g. "/dev/ttyS0") at 9600 baud 8N1, no flow control.
    // Throws SerialError with the system's error number and text.
    virtual void Open(const std::string& deviceName) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Writes one byte; false when it was not accepted within the time-out.
    virtual bool WriteByte(std::uint8_t b, std::chrono::milliseconds timeout) = 0;
    // Number of received bytes waiting in the input queue.
    virtual std::size_t BytesWaiting() = 0;
    // Reads up to max waiting bytes without blocking.
    virtual std::vector<std::uint8_t> Read(std::size_t max) = 0;
    // Blocks until data is waiting or the time-out passes; true when data waits.
    // Tests with a fake clock make this return at once.
    virtual bool WaitForData(std::chrono::milliseconds timeout) = 0;
    // Raises the modem lines; a device without them (a pseudo-terminal) ignores it.
    virtual void SetDtr(bool on) = 0;
    virtual void SetRts(bool on) = 0;
};

}  // namespace qv
