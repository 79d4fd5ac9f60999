#pragma once
// A stand-in for KWin's input devices on the session bus: the manager with devicesSysNames and
// one object per device, served by a thread with its own main context.
#include <gio/gio.h>

#include <cstdint>
#include <future>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace oryn7px {

struct FakeInputDevice {
    std::string sysName;  // e.g. "event5"
    uint32_t vendor = 0;
    uint32_t product = 0;
    bool pointer = true;
};

class FakeKWin {
public:
    // Owns org.kde.KWin once the constructor returns, unless Failure() says why not.
    // `unservedNames` are listed by the manager with no device behind them: a device that just
    // went away, a name no object path could carry.
    explicit FakeKWin(std::vector<FakeInputDevice> devices, std::vector<std::string> unservedNames = {});
    // Gives up the name before it returns.
    ~FakeKWin();
    FakeKWin(const FakeKWin&) = delete;
    FakeKWin& operator=(const FakeKWin&) = delete;

    const std::string& Failure() const { return failure_; }

    // A device property as it is now; nullopt for an unknown device or property or another type.
    std::optional<double> Number(const std::string& sysName, const std::string& property) const;
    std::optional<bool> Flag(const std::string& sysName, const std::string& property) const;
    // How many property writes reached the device.
    int Writes(const std::string& sysName) const;

private:
    struct Device {
        std::map<std::string, GVariant*> properties;  // owned
        int writes = 0;
    };

    void Serve(std::string address, std::promise<std::string> started);
    std::string Register(GDBusConnection* connection, std::vector<guint>& registrations);
    GVariant* Get(const std::string& sysName, const std::string& property) const;  // a new reference
    bool Set(const std::string& sysName, const std::string& property, GVariant* value);

    std::vector<std::string> listedNames_;
    mutable std::mutex mutex_;
    std::map<std::string, Device> devices_;
    GMainContext* context_ = nullptr;
    GMainLoop* loop_ = nullptr;
    std::string failure_;
    std::thread thread_;
};

}  // namespace oryn7px
