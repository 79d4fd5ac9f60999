#include "platform/emulator/polling_device_presence.h"


namespace oryn7px {

std::string InterfaceNameOf(const HidInterfaceInfo& info) { return InterfaceNameOf(info.vendorId, info.productId); }

PollingDevicePresence::~PollingDevicePresence() { Stop(); }

bool PollingDevicePresence::Start(DevicePresenceListener& listener) {
    if (thread_.joinable()) return true;
    known_ = PresentNames();
    stopping_ = false;
    thread_ = std::thread([this, &listener] { Run(listener); });
    return true;
}

void PollingDevicePresence::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

std::set<std::string> PollingDevicePresence::PresentNames() {
    std::set<std::string> names;
    for (const HidInterfaceInfo& info : backend_.Enumerate()) names.insert(InterfaceNameOf(info));
    return names;
}

void PollingDevicePresence::Run(DevicePresenceListener& listener) {
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, interval_, [this] { return stopping_; })) {
        lock.unlock();
        const std::set<std::string> present = PresentNames();
        for (const std::string& name : known_)
            if (!present.contains(name)) listener.OnDeviceChange(DeviceChange::Removal, name);
        for (const std::string& name : present)
            if (!known_.contains(name)) listener.OnDeviceChange(DeviceChange::Arrival, name);
        known_ = present;
        lock.lock();
    }
}

}  // namespace oryn7px
