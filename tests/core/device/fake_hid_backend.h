#pragma once
// A scripted HID layer: fixed interfaces, every report recorded with the virtual time it was sent.
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/base/clock.h"
#include "core/interfaces/hid_backend.h"

namespace oryn7px::testing {

struct SentReport {
    enum Kind { Feature, GetFeature, Output } kind;
    std::vector<uint8_t> bytes;
    uint32_t tick;
};

class FakeHidBackend final : public HidBackend {
public:
    explicit FakeHidBackend(Clock& clock) : clock_(clock) {}

    std::vector<HidInterfaceInfo> interfaces;
    std::set<std::string> unopenable;          // paths whose opens fail
    std::set<uint8_t> refusedCommands;         // feature reports refused by byte 1
    std::vector<HidWriteResult> outputResults;  // per output report, then Ok
    std::vector<uint8_t> answer;               // what GetFeature copies in
    bool getFeatureFails = false;
    std::function<void()> duringOutput;  // runs inside every output write

    std::vector<SentReport> sent;
    std::vector<std::string> opens;  // "path:r" / "path:w"
    int openHandles = 0;

    std::vector<HidInterfaceInfo> Enumerate() override { return interfaces; }

    std::unique_ptr<HidDevice> Open(const std::string& path, HidAccess access) override {
        opens.push_back(path + (access == HidAccess::Read ? ":r" : ":w"));
        if (unopenable.count(path) != 0) return nullptr;
        return std::make_unique<Device>(*this);
    }

    std::vector<SentReport> Sent(SentReport::Kind kind) const {
        std::vector<SentReport> matching;
        for (const SentReport& report : sent) {
            if (report.kind == kind) matching.push_back(report);
        }
        return matching;
    }

private:
    class Device final : public HidDevice {
    public:
        explicit Device(FakeHidBackend& owner) : owner_(owner) { ++owner_.openHandles; }
        ~Device() override { --owner_.openHandles; }

        bool SetFeature(const uint8_t* data, size_t length) override {
            owner_.Record(SentReport::Feature, data, length);
            return length < 2 || owner_.refusedCommands.count(data[1]) == 0;
        }
        bool GetFeature(uint8_t* data, size_t length) override {
            owner_.Record(SentReport::GetFeature, data, length);
            if (owner_.getFeatureFails) return false;
            // An empty answer has no data pointer to copy from.
            std::copy_n(owner_.answer.begin(), std::min(length, owner_.answer.size()), data);
            return true;
        }
        HidWriteResult WriteOutput(const uint8_t* data, size_t length) override {
            owner_.Record(SentReport::Output, data, length);
            if (owner_.duringOutput) owner_.duringOutput();
            const size_t index = owner_.Sent(SentReport::Output).size() - 1;
            return index < owner_.outputResults.size() ? owner_.outputResults[index] : HidWriteResult::Ok;
        }

    private:
        FakeHidBackend& owner_;
    };

    void Record(SentReport::Kind kind, const uint8_t* data, size_t length) {
        sent.push_back({kind, std::vector<uint8_t>(data, data + length), clock_.TickCount()});
    }

    Clock& clock_;
};

inline HidInterfaceInfo MouseInterface(std::string path, uint8_t reportId, uint16_t reportCount,
                                       uint16_t vendorId = 0x7F1D, uint16_t productId = 0x2C05) {
    HidValueCaps caps{0xFF01, 0x22, 0x22, reportId, 8, reportCount};
    return HidInterfaceInfo{std::move(path), vendorId, productId, {caps}};
}

}  // namespace oryn7px::testing
