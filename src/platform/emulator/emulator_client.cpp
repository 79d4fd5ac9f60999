#include "platform/emulator/emulator_client.h"

#include <unistd.h>

#include "core/device/hid_descriptor_parser.h"
#include "platform/emulator/socket_io.h"
#include "platform/emulator/virtual_mouse.h"
#include "platform/emulator/virtual_mouse_json.h"

namespace oryn7px {

namespace {

using nlohmann::json;

// A daemon that misses its deadline is asked nothing more for a while, so retries do not each
// wait it out.
constexpr auto kQuietAfterTimeout = std::chrono::seconds(10);

bool IsOk(const std::optional<json>& answer) {
    if (!answer || !answer->is_object()) return false;
    const auto ok = answer->find("ok");
    return ok != answer->end() && ok->is_boolean() && ok->get<bool>();
}

std::string StringField(const json& object, const char* name) {
    const auto it = object.find(name);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

uint16_t IdField(const json& object, const char* name) {
    const auto it = object.find(name);
    return it != object.end() && it->is_number_unsigned() ? static_cast<uint16_t>(it->get<uint64_t>()) : 0;
}

class EmulatorDevice final : public HidDevice {
public:
    EmulatorDevice(std::shared_ptr<EmulatorConnection> connection, Clock& clock, uint64_t handle)
        : connection_(std::move(connection)), clock_(clock), handle_(handle) {}

    bool SetFeature(const uint8_t* data, size_t length) override {
        const auto answer = Send("set_feature", data, length);
        if (IsOk(answer)) return true;
        // The mouse did not answer: the caller waits as long as the USB stack would.
        if (answer && answer->is_object() && StringField(*answer, "result") == "timed_out") {
            clock_.SleepMs(kFeatureTimeOutMs);
        }
        return false;
    }

    bool GetFeature(uint8_t* data, size_t length) override {
        const auto answer = Send("get_feature", data, length);
        if (!IsOk(answer)) return false;
        const auto bytes = FromHex(StringField(*answer, "hex"));
        if (!bytes || bytes->size() != length) return false;
        std::copy(bytes->begin(), bytes->end(), data);
        return true;
    }

    HidWriteResult WriteOutput(const uint8_t* data, size_t length) override {
        const auto answer = Send("write_output", data, length);
        const std::string result = IsOk(answer) ? StringField(*answer, "result") : "error";
        if (result == "ok") return HidWriteResult::Ok;
        if (result != "pending") return HidWriteResult::Error;
        clock_.SleepMs(kOutputWriteTimeoutMs);
        return HidWriteResult::TimedOut;
    }

private:
    std::optional<json> Send(const char* op, const uint8_t* data, size_t length) {
        return connection_->Request({{"op", op}, {"handle", handle_}, {"hex", ToHex(data, length)}});
    }

    std::shared_ptr<EmulatorConnection> connection_;
    Clock& clock_;
    const uint64_t handle_;
};

}  // namespace

EmulatorConnection::~EmulatorConnection() {
    if (fd_ >= 0) close(fd_);
}

std::optional<json> EmulatorConnection::Request(const json& request) {
    std::lock_guard lock(mutex_);
    if (std::chrono::steady_clock::now() < quietUntil_) return std::nullopt;
    // A daemon restarted since the last request leaves a dead connection, which refuses the
    // request: one fresh try then.
    bool reused = fd_ >= 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (fd_ < 0) {
            fd_ = ConnectUnixSocket(socketPath_);
            buffer_.clear();
            if (fd_ < 0) return std::nullopt;
        }
        if (WriteLine(fd_, request.dump())) {
            // Sent: never again, whatever the answer, so that no command reaches the mouse twice.
            const auto line = ReadLine(fd_, &buffer_, answerTimeoutMs_);
            if (!line) {
                close(fd_);
                fd_ = -1;
                quietUntil_ = std::chrono::steady_clock::now() + kQuietAfterTimeout;
                return std::nullopt;
            }
            json answer = json::parse(*line, nullptr, false);
            if (answer.is_discarded()) return std::nullopt;
            return answer;
        }
        close(fd_);
        fd_ = -1;
        if (!reused) break;
        reused = false;
    }
    return std::nullopt;
}

EmulatorBackend::EmulatorBackend(const std::string& socketPath, Clock& clock)
    : connection_(std::make_shared<EmulatorConnection>(socketPath)), clock_(clock) {}

std::vector<HidInterfaceInfo> EmulatorBackend::Enumerate() {
    const auto answer = connection_->Request({{"op", "enumerate"}});
    std::vector<HidInterfaceInfo> interfaces;
    if (!IsOk(answer) || !answer->contains("interfaces") || !(*answer)["interfaces"].is_array()) return interfaces;
    for (const json& entry : (*answer)["interfaces"]) {
        if (!entry.is_object()) continue;
        const auto descriptor = FromHex(StringField(entry, "report_descriptor"));
        HidInterfaceInfo info;
        info.path = StringField(entry, "path");
        info.vendorId = IdField(entry, "vendor_id");
        info.productId = IdField(entry, "product_id");
        if (descriptor) {
            info.featureValueCaps = ParseHidReportDescriptor(descriptor->data(), descriptor->size()).featureValueCaps;
        }
        interfaces.push_back(std::move(info));
    }
    return interfaces;
}

std::unique_ptr<HidDevice> EmulatorBackend::Open(const std::string& path, HidAccess) {
    const auto answer = connection_->Request({{"op", "open"}, {"path", path}});
    if (!IsOk(answer) || !answer->contains("handle") || !(*answer)["handle"].is_number_unsigned()) return nullptr;
    return std::make_unique<EmulatorDevice>(connection_, clock_, (*answer)["handle"].get<uint64_t>());
}

}  // namespace oryn7px
