#pragma once
// The serial port of the PC, over Qt SerialPort: 9600 baud 8N1, no flow
// control, used from the calling thread only (no event loop needed).

#include <QSerialPort>

#include "dsplink/serial_device.h"

namespace qv {

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
