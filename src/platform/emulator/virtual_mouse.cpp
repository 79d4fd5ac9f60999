#include "platform/emulator/virtual_mouse.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/base/bytes.h"
#include "core/device/hid_descriptor_parser.h"
#include "core/device/protocol/device_identity.h"
#include "platform/emulator/virtual_mouse_descriptor.h"

namespace oryn7px {

namespace {

constexpr size_t kMaxViolations = 1000;
constexpr size_t kMacroReports = 32;

bool HasDataReports(uint8_t command) {
    return command == 0x09 || command == 0x11 || command == 0x12 || command == 0x13;
}

// Pause the protocol keeps after a report before the next one may follow.
constexpr uint32_t kGapAfterAnnounceMs = 50;
constexpr uint32_t kGapBeforeChunksMs = 100;
constexpr uint32_t kGapBetweenChunksMs = 100;
constexpr uint32_t kGapAfterOutputMs = 50;

std::string Format(const char* format, unsigned a, unsigned b = 0, unsigned c = 0, unsigned d = 0) {
    char text[160];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

template <size_t N>
std::array<uint8_t, N> Take(const uint8_t* from) {
    std::array<uint8_t, N> bytes{};
    std::memcpy(bytes.data(), from, N);
    return bytes;
}

class VirtualMouseDevice final : public HidDevice {
public:
    VirtualMouseDevice(VirtualMouse& mouse, Clock& clock, uint64_t generation)
        : mouse_(mouse), clock_(clock), generation_(generation) {}

    bool SetFeature(const uint8_t* data, size_t length) override {
        switch (mouse_.ReceiveFeature(generation_, data, length)) {
            case FeatureOutcome::Accepted: return true;
            case FeatureOutcome::Refused: return false;
            case FeatureOutcome::TimedOut: break;
        }
        clock_.SleepMs(kFeatureTimeOutMs);
        return false;
    }
    bool GetFeature(uint8_t* data, size_t length) override {
        return mouse_.AnswerFeature(generation_, data, length);
    }
    HidWriteResult WriteOutput(const uint8_t* data, size_t length) override {
        switch (mouse_.ReceiveOutput(generation_, data, length)) {
            case OutputOutcome::Accepted: return HidWriteResult::Ok;
            case OutputOutcome::Failed: return HidWriteResult::Error;
            case OutputOutcome::Pending: break;
        }
        clock_.SleepMs(kOutputWriteTimeoutMs);
        return HidWriteResult::TimedOut;
    }

private:
    VirtualMouse& mouse_;
    Clock& clock_;
    const uint64_t generation_;
};

}  // namespace

VirtualMouse::VirtualMouse(Clock& clock, VirtualMouseConfig config)
    : clock_(clock),
      config_(config),
      descriptor_(BuildVirtualMouseDescriptor(config.reportId, config.reportCount)),
      startTick_(clock.TickCount()) {}

std::vector<HidInterfaceInfo> VirtualMouse::Enumerate() {
    if (!IsPlugged()) return {};
    if (config_.bootloader) return {HidInterfaceInfo{kPath, kBootloaderVendorId, kBootloaderProductId, {}}};
    auto parsed = ParseHidReportDescriptor(descriptor_.data(), descriptor_.size());
    return {HidInterfaceInfo{kPath, kMouseVendorId, kMouseProductId, std::move(parsed.featureValueCaps)}};
}

std::unique_ptr<HidDevice> VirtualMouse::Open(const std::string& path, HidAccess) {
    std::lock_guard lock(mutex_);
    if (path != kPath || !state_.plugged) return nullptr;
    return std::make_unique<VirtualMouseDevice>(*this, clock_, generation_);
}

uint64_t VirtualMouse::Generation() const {
    std::lock_guard lock(mutex_);
    return generation_;
}

FeatureOutcome VirtualMouse::ReceiveFeature(uint64_t generation, const uint8_t* data, size_t length) {
    FeatureOutcome outcome = FeatureOutcome::Refused;
    {
        std::lock_guard lock(mutex_);
        if (!state_.plugged || generation != generation_) return FeatureOutcome::Refused;
        Log(Kind::Feature, data, length);
        if (AcceptsReport(Kind::Feature, data, length, config_.reportCount + 1u) && OnTime("feature report")) {
            const uint8_t command = data[1];
            if (timedOutCommands_.count(command) != 0 && !HasDataReports(command)) {
                transfer_.reset();
                MarkReport(0);
                outcome = FeatureOutcome::TimedOut;
            } else if (StartCommand(data)) {
                outcome = FeatureOutcome::Accepted;
            }
        }
        CountReportForUnplug();
    }
    NotifyPresence();
    return outcome;
}

bool VirtualMouse::AnswerFeature(uint64_t generation, uint8_t* data, size_t length) {
    bool answered = false;
    {
        std::lock_guard lock(mutex_);
        if (!state_.plugged || generation != generation_) return false;
        if (AcceptsReport(Kind::GetFeature, data, length, config_.reportCount + 1u) &&
            OnTime("feature read")) {
            std::memset(data + 1, 0, length - 1);
            if (answerReady_) {
                data[1] = 0x80;
                data[2] = static_cast<uint8_t>(config_.firmwareVersion / 10);
                data[3] = static_cast<uint8_t>(config_.firmwareVersion % 10);
            }
            MarkReport(0);
            answered = true;
        }
        Log(Kind::GetFeature, data, length);
        CountReportForUnplug();
    }
    NotifyPresence();
    return answered;
}

OutputOutcome VirtualMouse::ReceiveOutput(uint64_t generation, const uint8_t* data, size_t length) {
    OutputOutcome outcome = OutputOutcome::Failed;
    {
        std::lock_guard lock(mutex_);
        if (!state_.plugged || generation != generation_) return OutputOutcome::Failed;
        Log(Kind::Output, data, length);
        if (failOutput_) {
            outcome = OutputOutcome::Failed;
        } else if (pendingOutput_ || TakesPendingOutput()) {
            outcome = OutputOutcome::Pending;
        } else if (AcceptsReport(Kind::Output, data, length, kOutputReportLength) && OnTime("output report")) {
            outcome = OutputOutcome::Accepted;
            if (!transfer_) {
                AddViolation("output report without a command announcing it");
                MarkReport(kGapAfterOutputMs);
            } else {
                transfer_->data.insert(transfer_->data.end(), data + 1, data + 1 + kOutputReportData);
                const bool more = transfer_->data.size() < transfer_->expectedReports * kOutputReportData;
                MarkReport(more ? kGapBetweenChunksMs : kGapAfterOutputMs);
                if (!more) CompleteTransfer();
            }
        }
        CountReportForUnplug();
    }
    NotifyPresence();
    return outcome;
}

bool VirtualMouse::AcceptsReport(Kind kind, const uint8_t* data, size_t length, size_t expectedLength) {
    if (length == expectedLength && length > 0 && data[0] == config_.reportId) return true;
    AddViolation(std::string(kind == Kind::Output ? "output report" : "feature report") +
                 Format(" of %u bytes with report ID %u refused: expected %u bytes with ID %u",
                        static_cast<unsigned>(length), length > 0 ? data[0] : 0u,
                        static_cast<unsigned>(expectedLength), config_.reportId));
    return false;
}

void VirtualMouse::AddViolation(std::string violation) {
    if (state_.violations.size() < kMaxViolations) state_.violations.push_back(std::move(violation));
}

void VirtualMouse::Log(Kind kind, const uint8_t* data, size_t length) {
    if (log_.size() >= kMaxLogEntries) log_.pop_front();
    log_.push_back({clock_.TickCount() - startTick_, kind, std::vector<uint8_t>(data, data + length)});
}

bool VirtualMouse::OnTime(const char* what) {
    if (!config_.strictTiming || !lastReportTick_) return true;
    const uint32_t gap = clock_.TickCount() - *lastReportTick_;
    if (gap + kTimingToleranceMs >= requiredGapMs_) return true;
    AddViolation(std::string(what) +
                 Format(" %u ms after the previous report, expected at least %u ms", gap, requiredGapMs_));
    return false;
}

void VirtualMouse::MarkReport(uint32_t nextGapMs) {
    lastReportTick_ = clock_.TickCount();
    requiredGapMs_ = nextGapMs;
}

bool VirtualMouse::StartCommand(const uint8_t* report) {
    const uint8_t command = report[1];
    if (transfer_) {
        AddViolation(Format("command 0x%02X cut the 0x%02X transfer short after %u of %u output reports",
                                           command, transfer_->command,
                                           static_cast<unsigned>(transfer_->data.size() / kOutputReportData),
                                           static_cast<unsigned>(transfer_->expectedReports)));
    }
    transfer_.reset();
    answerReady_ = false;
    if (refusedCommands_.count(command) != 0) {
        MarkReport(0);
        return false;
    }
    uint32_t nextGap = 0;
    switch (command) {
        case 0x01: state_.reportRate = report[2]; break;
        case 0x03: state_.touch = report[2]; break;
        case 0x0B: state_.command0B = report[3]; break;
        case 0x0C: state_.ledColor = Take<3>(report + 3); break;
        case 0x0D: state_.effect = Take<3>(report + 3); break;
        case 0x09:
        case 0x11:
            transfer_ = Transfer{command, 0, 1, {}};
            nextGap = kGapAfterAnnounceMs;
            break;
        case 0x12:
            transfer_ = Transfer{command, 0, 2, {}};
            nextGap = kGapBeforeChunksMs;
            break;
        case 0x13:
            if (report[3] > 7) {
                AddViolation(Format("macro slot %u refused: the mouse has slots 0 to 7", report[3]));
                return false;
            }
            transfer_ = Transfer{command, report[3], kMacroReports, {}};
            nextGap = kGapBeforeChunksMs;
            break;
        case 0x80:
            answerReady_ = true;
            nextGap = kGapAfterAnnounceMs;
            break;
        default:
            AddViolation(Format("unknown command 0x%02X refused", command));
            return false;
    }
    if (transfer_ && timedOutCommands_.count(command) != 0) transfer_->timedOut = true;
    MarkReport(nextGap);
    return true;
}

// A report of a transfer whose command times out: it stays pending, and the transfer ends
// with its last report without storing anything.
bool VirtualMouse::TakesPendingOutput() {
    if (!transfer_ || !transfer_->timedOut) return false;
    if (++transfer_->pendingReports >= transfer_->expectedReports) transfer_.reset();
    return true;
}

void VirtualMouse::CompleteTransfer() {
    const std::vector<uint8_t>& data = transfer_->data;
    switch (transfer_->command) {
        case 0x09: state_.colorTable = Take<32>(data.data()); break;
        case 0x11: state_.dpiTable = Take<16>(data.data()); break;
        case 0x12: {
            std::array<uint32_t, 16> codes{};
            for (size_t slot = 0; slot < codes.size(); ++slot) codes[slot] = ReadLe32(data.data() + 4 * slot);
            state_.keyMatrix = codes;
            break;
        }
        case 0x13: state_.macroSlots[transfer_->slot] = data; break;
        default: break;
    }
    transfer_.reset();
}

void VirtualMouse::CountReportForUnplug() {
    if (!reportsUntilUnplug_) return;
    if (--*reportsUntilUnplug_ > 0) return;
    reportsUntilUnplug_.reset();
    SetPlugged(false);
}

void VirtualMouse::SetPlugged(bool plugged) {
    if (state_.plugged == plugged) return;
    state_.plugged = plugged;
    if (!plugged) {
        // Handles opened before the unplug stay dead, as on a real bus.
        ++generation_;
        transfer_.reset();
        answerReady_ = false;
    }
    presenceChanged_ = true;
}

void VirtualMouse::NotifyPresence() {
    std::function<void(bool)> listener;
    bool plugged = false;
    {
        std::lock_guard lock(mutex_);
        if (!presenceChanged_) return;
        presenceChanged_ = false;
        listener = presenceListener_;
        plugged = state_.plugged;
    }
    if (listener) listener(plugged);
}

void VirtualMouse::Plug() {
    {
        std::lock_guard lock(mutex_);
        SetPlugged(true);
    }
    NotifyPresence();
}

void VirtualMouse::Unplug() {
    {
        std::lock_guard lock(mutex_);
        SetPlugged(false);
    }
    NotifyPresence();
}

bool VirtualMouse::IsPlugged() const {
    std::lock_guard lock(mutex_);
    return state_.plugged;
}

void VirtualMouse::SetPresenceListener(std::function<void(bool)> listener) {
    std::lock_guard lock(mutex_);
    presenceListener_ = std::move(listener);
}

void VirtualMouse::RefuseCommand(uint8_t command) {
    std::lock_guard lock(mutex_);
    refusedCommands_.insert(command);
}

void VirtualMouse::TimeOutCommand(uint8_t command) {
    std::lock_guard lock(mutex_);
    timedOutCommands_.insert(command);
}

void VirtualMouse::FailOutput(bool fail) {
    std::lock_guard lock(mutex_);
    failOutput_ = fail;
}

void VirtualMouse::LeaveOutputPending(bool pending) {
    std::lock_guard lock(mutex_);
    pendingOutput_ = pending;
}

void VirtualMouse::UnplugAfterReports(uint32_t reports) {
    {
        std::lock_guard lock(mutex_);
        reportsUntilUnplug_ = reports;
        if (reports == 0) {
            reportsUntilUnplug_.reset();
            SetPlugged(false);
        }
    }
    NotifyPresence();
}

void VirtualMouse::ClearFaults() {
    std::lock_guard lock(mutex_);
    refusedCommands_.clear();
    timedOutCommands_.clear();
    failOutput_ = false;
    pendingOutput_ = false;
    reportsUntilUnplug_.reset();
}

void VirtualMouse::Reset() {
    {
        std::lock_guard lock(mutex_);
        const bool wasPlugged = state_.plugged;
        state_ = VirtualMouseState{};
        state_.plugged = wasPlugged;
        SetPlugged(true);
        log_.clear();
        transfer_.reset();
        answerReady_ = false;
        lastReportTick_.reset();
        requiredGapMs_ = 0;
        refusedCommands_.clear();
        timedOutCommands_.clear();
        failOutput_ = false;
        pendingOutput_ = false;
        reportsUntilUnplug_.reset();
    }
    NotifyPresence();
}

VirtualMouseState VirtualMouse::State() const {
    std::lock_guard lock(mutex_);
    VirtualMouseState state = state_;
    state.log.assign(log_.begin(), log_.end());
    return state;
}

}  // namespace oryn7px
