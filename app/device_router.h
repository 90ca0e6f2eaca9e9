#pragma once
// Puts the virtual DSP box behind a COM number: opening the device name
// "virtual" reaches the in-process box, every other name the real port.

#include <string>

#include "dsplink/serial_device.h"

namespace qv {

inline constexpr const char* kVirtualDeviceName = "virtual";

class DeviceRouter : public SerialDevice {
  public:
    DeviceRouter(SerialDevice& real, SerialDevice* virtualBox)
        : real_(real), virtual_(virtualBox) {}

    void Open(const std::string& deviceName) override;
    void Close() override { active().Close(); }
    bool IsOpen() const override { return active_ != nullptr && active_->IsOpen(); }
    bool WriteByte(std::uint8_t b, std::chrono::milliseconds timeout) override {
        return active().WriteByte(b, timeout);
    }
    std::size_t BytesWaiting() override { return active().BytesWaiting(); }
    std::vector<std::uint8_t> Read(std::size_t max) override { return active().Read(max); }
    bool WaitForData(std::chrono::milliseconds timeout) override {
        return active().WaitForData(timeout);
    }
    void SetDtr(bool on) override { active().SetDtr(on); }
    void SetRts(bool on) override { active().SetRts(on); }

  private:
    SerialDevice& active() const { return active_ != nullptr ? *active_ : real_; }
    SerialDevice& real_;
    SerialDevice* virtual_;
    SerialDevice* active_ = nullptr;
};

}  // namespace qv
