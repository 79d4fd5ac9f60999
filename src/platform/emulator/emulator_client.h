#pragma once
// The program's side of oryn7px-emu: a connection that sends requests, and a HidBackend that
// drives the daemon's virtual mouse as if it were on the bus.
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "core/base/clock.h"
#include "core/interfaces/hid_backend.h"

namespace oryn7px {

class EmulatorConnection {
public:
    // `answerTimeoutMs`: the deadline of each exchange, from sending to the end of the answer.
    explicit EmulatorConnection(std::string socketPath, int answerTimeoutMs = 5000)
        : socketPath_(std::move(socketPath)), answerTimeoutMs_(answerTimeoutMs) {}
    ~EmulatorConnection();
    EmulatorConnection(const EmulatorConnection&) = delete;
    EmulatorConnection& operator=(const EmulatorConnection&) = delete;

    // The daemon's answer; empty when it cannot be reached or gives no whole answer within its
    // deadline. A broken connection is opened again on the next request, so a restarted daemon
    // is found; after a missed deadline requests fail at once for a few seconds.
    std::optional<nlohmann::json> Request(const nlohmann::json& request);

private:
    const std::string socketPath_;
    const int answerTimeoutMs_;
    std::mutex mutex_;
    int fd_ = -1;
    std::string buffer_;
    std::chrono::steady_clock::time_point quietUntil_{};
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
