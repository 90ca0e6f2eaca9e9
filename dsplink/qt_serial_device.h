#pragma once
// The serial port of the PC, over Qt SerialPort: 9600 baud 8N1, no flow
// control, used from the calling thread only (no event loop needed).

#include <QSerialPort>

#include "dsplink/serial_device.h"

namespace qv {

// Why a port would not open, told apart so that the message says what to do.
enum class OpenFailure { Busy, Missing, NoPermission, Other };
// Looks at the device itself: Qt reports a port held by another program and
// one the user may not use alike, and errno after a failed open is not the
// open's own.
OpenFailure ClassifyOpenFailure(const std::string& deviceName, QSerialPort::SerialPortError error);
// The system's part of the open message for each kind (the port layer puts
// "Unable to open specified device NAME (code), " before it).
std::string OpenFailureText(OpenFailure kind, const std::string& systemText);
// The error number that goes with each kind; 0 for Other.
int OpenFailureCode(OpenFailure kind);

class QtSerialDevice : public SerialDevice {
  public:
    QtSerialDevice() = default;
    ~QtSerialDevice() override;
    QtSerialDevice(const QtSerialDevice&) = delete;
    QtSerialDevice& operator=(const QtSerialDevice&) = delete;

    void Open(const std::string& deviceName) override;
    void Close() override;
    bool IsOpen() const override;
    bool WriteByte(std::uint8_t b, std::chrono::milliseconds timeout) override;
    std::size_t BytesWaiting() override;
    std::vector<std::uint8_t> Read(std::size_t max) override;
    bool WaitForData(std::chrono::milliseconds timeout) override;
    void SetDtr(bool on) override;
    void SetRts(bool on) override;

  private:
    [[noreturn]] void Fail(const char* pattern, int savedErrno);
    QSerialPort port_;
};

}  // namespace qv
