#include "core/device/usb_driver.h"

#include "core/device/protocol/firmware_version_codec.h"
#include "core/device/protocol/macro_encoder.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <utility>

namespace oryn7px {

namespace {

using ReportBuffer = std::array<uint8_t, kMaxFeatureReportLength>;

const HidValueCaps* FindVendorValue(const HidInterfaceInfo& info) {
    for (const HidValueCaps& caps : info.featureValueCaps) {
        if (caps.HasUsage(kVendorUsagePage, kVendorUsage)) return &caps;
    }
    return nullptr;
}

std::string CommandName(uint8_t command) {
    char number[8];
    std::snprintf(number, sizeof number, "0x%02X", command);
    const CommandLayout* layout = FindLayout(command);
    return layout ? std::string(layout->name) + " (" + number + ")" : std::string(number);
}

Error NotConnected() { return {ErrorKind::kNotFound, "The mouse is not connected."}; }

Error OutputFailed() { return {ErrorKind::kIo, "An output report to the mouse failed."}; }

}  // namespace

CUSBDriver::CUSBDriver(HidBackend& backend, Clock& clock) : backend_(backend), clock_(clock) {}

CUSBDriver::~CUSBDriver() { CloseDevice(); }

bool CUSBDriver::InitLink() { return true; }

bool CUSBDriver::ShutdownLink() { return true; }

bool CUSBDriver::OpenDevice() {
    CloseDevice();
    for (const HidInterfaceInfo& info : backend_.Enumerate()) {
        if (info.vendorId != kMouseVendorId || info.productId != kMouseProductId) continue;
        const HidValueCaps* caps = FindVendorValue(info);
        // A report longer than the command buffer, or too short for a command, is not ours.
        if (caps == nullptr || caps->reportCount + 1u > kMaxFeatureReportLength ||
            caps->reportCount < kMinFeatureReportCount) {
            continue;
        }
        std::shared_ptr<HidDevice> read = backend_.Open(info.path, HidAccess::Read);
        std::shared_ptr<HidDevice> write = backend_.Open(info.path, HidAccess::Write);
        if (!read || !write) continue;
        std::lock_guard lock(linkMutex_);
        link_ = {std::move(read), std::move(write), caps->reportId, caps->reportCount, ++generation_};
        devicePath_ = info.path;
        return true;
    }
    return false;
}

void CUSBDriver::CloseDevice() {
    std::shared_ptr<HidDevice> read;
    std::shared_ptr<HidDevice> write;
    {
        // Report ID and count keep the values of the last successful open.
        std::lock_guard lock(linkMutex_);
        read = std::move(link_.read);
        write = std::move(link_.write);
        ++generation_;
    }
    // The handles close here, or when a running command lets go of its copy.
}

CUSBDriver::Link CUSBDriver::CurrentLink() const {
    std::lock_guard lock(linkMutex_);
    return link_;
}

bool CUSBDriver::StillCurrent(const Link& link) const { return link.write && link.generation == generation_.load(); }

bool CUSBDriver::IsOpen() const {
    std::lock_guard lock(linkMutex_);
    return link_.read && link_.write;
}

std::string CUSBDriver::DevicePath() const {
    std::lock_guard lock(linkMutex_);
    return devicePath_;
}

uint8_t CUSBDriver::ReportId() const {
    std::lock_guard lock(linkMutex_);
    return link_.reportId;
}

uint16_t CUSBDriver::ReportCount() const {
    std::lock_guard lock(linkMutex_);
    return link_.reportCount;
}

Status CUSBDriver::SendFeature(const Link& link, const FeatureBytes& bytes) {
    if (!StillCurrent(link)) return NotConnected();
    ReportBuffer buffer{};
    buffer[0] = link.reportId;
    std::memcpy(buffer.data() + 1, bytes.data(), bytes.size());
    if (!link.write->SetFeature(buffer.data(), link.FeatureLength())) {
        return Error{ErrorKind::kRefused, "The mouse refused the " + CommandName(bytes[0]) + " command."};
    }
    return {};
}

HidWriteResult CUSBDriver::SendOutput(const Link& link, const uint8_t* data, size_t length) {
    if (!StillCurrent(link)) return HidWriteResult::Error;
    std::array<uint8_t, kOutputReportLength> report{};
    report[0] = link.reportId;
    std::memcpy(report.data() + 1, data, length);
    const HidWriteResult result = link.write->WriteOutput(report.data(), report.size());
    if (result == HidWriteResult::TimedOut) ++reportsLeftPending_;
    return result;
}

Status CUSBDriver::SendOneReport(const Link& link, const std::vector<uint8_t>& data) {
    clock_.SleepMs(kPauseAroundOutputMs);
    const HidWriteResult result = SendOutput(link, data.data(), data.size());
    clock_.SleepMs(kPauseAroundOutputMs);
    // A report left pending counts as sent.
    if (result == HidWriteResult::Error) return OutputFailed();
    return {};
}

CUSBDriver::Sent CUSBDriver::SendChunks(const Link& link, const uint8_t* data, size_t length) {
    Sent sent;
    if (data == nullptr || length == 0) {
        sent.status = Error{ErrorKind::kInvalidData, "No data to send to the mouse."};
        return sent;
    }
    if (!link.write) {
        sent.status = NotConnected();
        return sent;
    }
    for (size_t offset = 0; offset + kOutputReportData <= length; offset += kOutputReportData) {
        clock_.SleepMs(kPauseAroundOutputMs);
        const HidWriteResult result = SendOutput(link, data + offset, kOutputReportData);
        clock_.SleepMs(kPauseAroundOutputMs);
        if (result == HidWriteResult::Error) {
            sent.status = OutputFailed();
            return sent;
        }
        if (result == HidWriteResult::Ok) ++sent.confirmed;
    }
    return sent;
}

CUSBDriver::Sent CUSBDriver::Transfer(const Link& link, const DeviceCommand& command) {
    Sent sent;
    const CommandLayout* layout = FindLayout(command.feature[0]);
    if (layout == nullptr || command.data.size() != layout->dataLength) {
        sent.status = Error{ErrorKind::kInvalidData, "Not a command of the mouse: " + CommandName(command.feature[0]) +
                                                         " with " + std::to_string(command.data.size()) +
                                                         " data bytes."};
        return sent;
    }
    sent.status = SendFeature(link, command.feature);
    if (!sent.status) return sent;
    switch (layout->transfer) {
        case DataTransfer::kNone: break;
        case DataTransfer::kOneReport: sent.status = SendOneReport(link, command.data); break;
        case DataTransfer::kChunks:
            clock_.SleepMs(kPauseBeforeChunksMs);
            sent = SendChunks(link, command.data.data(), command.data.size());
            break;
    }
    return sent;
}

Status CUSBDriver::Send(const DeviceCommand& command) {
    std::lock_guard lock(commandMutex_);
    return Transfer(CurrentLink(), command).status;
}

Status CUSBDriver::WriteOutputChunks(const uint8_t* data, size_t length) {
    std::lock_guard command(commandMutex_);
    return SendChunks(CurrentLink(), data, length).status;
}

Status CUSBDriver::UploadMacroImage(uint32_t slot, const MacroImage& image) {
    const Result<DeviceCommand> upload = EncodeMacroUpload(slot, image);
    if (!upload) return upload.Failure();
    std::lock_guard command(commandMutex_);
    const Sent sent = Transfer(CurrentLink(), *upload);
    if (!sent.status) return sent.status;
    if (sent.confirmed == 0) return Error{ErrorKind::kTimedOut, "The mouse confirmed no report of the macro."};
    return {};
}

Result<uint32_t> CUSBDriver::ReadFirmwareVersion() {
    std::lock_guard command(commandMutex_);
    const Link link = CurrentLink();
    if (!link.read) return NotConnected();
    if (Status asked = SendFeature(link, EncodeFirmwareVersionRequest().feature); !asked) return asked.Failure();
    clock_.SleepMs(kPauseBeforeAnswerMs);
    if (!StillCurrent(link)) return NotConnected();
    ReportBuffer answer{};
    answer[0] = link.reportId;
    if (!link.read->GetFeature(answer.data(), link.FeatureLength())) {
        return Error{ErrorKind::kIo, "The mouse's firmware version could not be read."};
    }
    return DecodeFirmwareVersion(answer.data(), link.FeatureLength());
}

bool OpenDeviceRetrying(CUSBDriver& driver, Clock& clock, int attempts, uint32_t pauseMs) {
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        if (driver.OpenDevice()) return true;
        if (attempt < attempts) clock.SleepMs(pauseMs);
    }
    return false;
}

}  // namespace oryn7px
