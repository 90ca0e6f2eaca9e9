#pragma once
// The virtual box as a serial device inside the program: the editor's
// "virtual" port and the tests talk to it exactly as to a real port.
//
// A lone ':' becomes a byte command when the host next asks for data (it
// waits for the echo); a character written right behind it makes a telegram.
// Time comes from the Clock, so that with a FakeClock late answers, time-outs
// and line-speed timing cost no real time.

#include "dspbox/dsp_box.h"
#include "dsplink/clock.h"
#include "dsplink/serial_device.h"

namespace qv {

class VirtualDspBox : public SerialDevice, public DspBox {
  public:
    explicit VirtualDspBox(Clock& clock, DspBoxOptions options = {});

    // Any device name opens the box.
    void Open(const std::string& deviceName) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool WriteByte(std::uint8_t b, std::chrono::milliseconds timeout) override;
    std::size_t BytesWaiting() override;
    std::vector<std::uint8_t> Read(std::size_t max) override;
    bool WaitForData(std::chrono::milliseconds timeout) override;
    void SetDtr(bool) override {}
    void SetRts(bool) override {}

    const std::string& DeviceName() const { return deviceName_; }

  private:
    void HostAsks();

    Clock& clock_;
    bool open_ = false;
    std::string deviceName_;
};

}  // namespace qv
