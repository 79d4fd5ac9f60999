#pragma once
// The device side of the mouse's protocol, in software: it answers every command, keeps what was
// written, logs every report and can be told to misbehave. In-process it is a HidBackend.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/base/clock.h"
#include "core/interfaces/hid_backend.h"

namespace oryn7px {

struct VirtualMouseConfig {
    uint8_t reportId = 4;
    uint16_t reportCount = 32;
    uint32_t firmwareVersion = 103;  // answered as bytes version / 10, version % 10
    bool strictTiming = false;
    bool bootloader = false;  // presents the firmware-update mode's IDs and no vendor collection
};

// Every command fits and the firmware answer fits the byte it is read from.
inline constexpr uint16_t kMinVirtualReportCount = 5;
inline constexpr uint16_t kMaxVirtualReportCount = 254;
inline constexpr uint32_t kMaxVirtualFirmwareVersion = 255 * 10 + 9;
inline constexpr uint32_t kTimingToleranceMs = 5;
inline constexpr size_t kMaxLogEntries = 10000;
// How long the USB stack waits for an unanswered feature report before it fails it.
inline constexpr uint32_t kFeatureTimeOutMs = 5000;

struct VirtualMouseLogEntry {
    enum class Kind { Feature, GetFeature, Output };
    uint32_t tMs = 0;  // since the mouse was created
    Kind kind = Kind::Feature;
    std::vector<uint8_t> bytes;
};

// Everything the mouse was told; a setting never written stays empty.
struct VirtualMouseState {
    bool plugged = true;
    std::optional<uint8_t> reportRate;
    std::optional<uint8_t> touch;
    std::optional<uint8_t> command0B;
    std::optional<std::array<uint8_t, 3>> ledColor;  // bytes 3..5 as sent
    std::optional<std::array<uint8_t, 3>> effect;
    std::optional<std::array<uint8_t, 32>> colorTable;
    std::optional<std::array<uint8_t, 16>> dpiTable;
    std::optional<std::array<uint32_t, 16>> keyMatrix;
    std::map<uint8_t, std::vector<uint8_t>> macroSlots;  // slot -> 1024-byte image
    std::vector<VirtualMouseLogEntry> log;
    std::vector<std::string> violations;
};

enum class FeatureOutcome { Accepted, Refused, TimedOut };
enum class OutputOutcome { Accepted, Pending, Failed };

class VirtualMouse final : public HidBackend {
public:
    static constexpr const char* kPath = "virtual:oryn7px";

    explicit VirtualMouse(Clock& clock, VirtualMouseConfig config = {});

    // HidBackend: one interface while plugged; handles die when the mouse is unplugged.
    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path, HidAccess access) override;

    const VirtualMouseConfig& Config() const { return config_; }
    const std::vector<uint8_t>& ReportDescriptor() const { return descriptor_; }

    // The device side, for handles opened at `generation` (in-process or through the daemon).
    uint64_t Generation() const;
    FeatureOutcome ReceiveFeature(uint64_t generation, const uint8_t* data, size_t length);
    bool AnswerFeature(uint64_t generation, uint8_t* data, size_t length);
    OutputOutcome ReceiveOutput(uint64_t generation, const uint8_t* data, size_t length);

    // Presence. The listener hears every change, from whichever thread made it.
    void Plug();
    void Unplug();
    bool IsPlugged() const;
    void SetPresenceListener(std::function<void(bool plugged)> listener);

    // Faults stay until cleared.
    void RefuseCommand(uint8_t command);
    // The mouse does not answer the command: its feature report times out, or, for a command
    // with data reports, those reports stay pending (none of them reaches the mouse).
    void TimeOutCommand(uint8_t command);
    void FailOutput(bool fail);
    void LeaveOutputPending(bool pending);
    void UnplugAfterReports(uint32_t reports);
    void ClearFaults();

    // Back to a freshly plugged mouse: state, log, violations and faults cleared.
    void Reset();
    VirtualMouseState State() const;

private:
    struct Transfer {
        uint8_t command = 0;
        uint8_t slot = 0;
        size_t expectedReports = 0;
        std::vector<uint8_t> data;
        bool timedOut = false;
        size_t pendingReports = 0;
    };

    using Kind = VirtualMouseLogEntry::Kind;

    bool AcceptsReport(Kind kind, const uint8_t* data, size_t length, size_t expectedLength);
    void AddViolation(std::string violation);
    void Log(Kind kind, const uint8_t* data, size_t length);
    bool OnTime(const char* what);
    void MarkReport(uint32_t nextGapMs);
    bool StartCommand(const uint8_t* report);
    bool TakesPendingOutput();
    void CompleteTransfer();
    void CountReportForUnplug();
    void SetPlugged(bool plugged);
    void NotifyPresence();

    Clock& clock_;
    const VirtualMouseConfig config_;
    const std::vector<uint8_t> descriptor_;
    const uint32_t startTick_;

    mutable std::mutex mutex_;
    VirtualMouseState state_;
    std::deque<VirtualMouseLogEntry> log_;
    uint64_t generation_ = 1;
    std::optional<Transfer> transfer_;
    bool answerReady_ = false;
    std::optional<uint32_t> lastReportTick_;
    uint32_t requiredGapMs_ = 0;
    std::set<uint8_t> refusedCommands_;
    std::set<uint8_t> timedOutCommands_;
    bool failOutput_ = false;
    bool pendingOutput_ = false;
    std::optional<uint32_t> reportsUntilUnplug_;
    bool presenceChanged_ = false;
    std::function<void(bool)> presenceListener_;
};

}  // namespace oryn7px
