#include "dspbox/virtual_dsp_box.h"

namespace qv {

VirtualDspBox::VirtualDspBox(Clock& clock, DspBoxOptions options)
    : DspBox(std::move(options)), clock_(clock) {}

void VirtualDspBox::Open(const std::string& deviceName) {
    deviceName_ = deviceName;
    open_ = true;
}

void VirtualDspBox::Close() {
    // Whatever was still on its way is lost with the line.
    open_ = false;
    ResetLine();
}

bool VirtualDspBox::WriteByte(std::uint8_t b, std::chrono::milliseconds) {
    if (!open_) return false;
    ReceiveChar(b, clock_.Now());
    return true;
}

void VirtualDspBox::HostAsks() {
    // The host waits for an answer: a ':' nobody followed is a byte command.
    if (ColonPending()) StartByteCommand(clock_.Now());
}

std::size_t VirtualDspBox::BytesWaiting() {
    if (!open_) return 0;
    HostAsks();
    return ReadyCount(clock_.Now());
}

std::vector<std::uint8_t> VirtualDspBox::Read(std::size_t max) {
    if (!open_) return {};
    HostAsks();
    return TakeOutput(clock_.Now(), max);
}

bool VirtualDspBox::WaitForData(std::chrono::milliseconds timeout) {
    if (!open_) {
        clock_.Sleep(timeout);
        return false;
    }
    HostAsks();
    const auto now = clock_.Now();
    const auto next = NextOutputTime();
    if (next && *next <= now) return true;
    if (next && *next <= now + timeout) {
        clock_.Sleep(std::chrono::ceil<std::chrono::milliseconds>(*next - now));
        return ReadyCount(clock_.Now()) > 0;
    }
    clock_.Sleep(timeout);
    return false;
}

}  // namespace qv
