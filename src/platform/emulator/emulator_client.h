#pragma once
// The program's side of oryn7px-emu: a connection that sends requests, and a HidBackend that
// drives the daemon's virtual mouse as if it were on the bus.
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "core/base/clock.h"
#include "core/platform/hid_backend.h"

namespace oryn7px {

class EmulatorConnection {
public:
    explicit EmulatorConnection(std::string socketPath) : socketPath_(std::move(socketPath)) {}
    ~EmulatorConnection();
    EmulatorConnection(const EmulatorConnection&) = delete;
    EmulatorConnection& operator=(const EmulatorConnection&) = delete;

    // The daemon's answer; empty when it cannot be reached. A broken connection is opened
    // again on the next request, so a restarted daemon is found.
    std::optional<nlohmann::json> Request(const nlohmann::json& request);

private:
    const std::string socketPath_;
    std::mutex mutex_;
    int fd_ = -1;
    std::string buffer_;
};

class EmulatorBackend final : public HidBackend {
public:
    // Pending output writes spend their time-out on `clock`.
    EmulatorBackend(const std::string& socketPath, Clock& clock);

    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path, HidAccess access) override;

private:
    std::shared_ptr<EmulatorConnection> connection_;
    Clock& clock_;
};

}  // namespace oryn7px
