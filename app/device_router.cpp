#include "app/device_router.h"

namespace qv {

void DeviceRouter::Open(const std::string& deviceName) {
    SerialDevice& target =
        (virtual_ != nullptr && deviceName == kVirtualDeviceName) ? *virtual_ : real_;
    if (active_ != nullptr && active_ != &target && active_->IsOpen()) active_->Close();
    target.Open(deviceName);
    active_ = &target;
}

}  // namespace qv
