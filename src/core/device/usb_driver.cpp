#include "core/device/usb_driver.h"

#include "core/device/macro_encoder.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <utility>

namespace oryn7px {

namespace {

using ReportBuffer = std::array<uint8_t, kMaxFeatureReportLength>;

uint16_t ParseHexId(const char* text) {
    unsigned int value = 0;
    std::sscanf(text, "%X", &value);
    return static_cast<uint16_t>(value);
}

const HidValueCaps* FindVendorValue(const HidInterfaceInfo& info) {
    for (const HidValueCaps& caps : info.featureValueCaps) {
        if (caps.HasUsage(kVendorUsagePage, kVendorUsage)) return &caps;
    }
    return nullptr;
}

uint8_t Low8(uint32_t value) { return static_cast<uint8_t>(value); }

}  // namespace

CUSBDriver::CUSBDriver(HidBackend& backend, Clock& clock) : backend_(backend), clock_(clock) {}

CUSBDriver::~CUSBDriver() { CloseDevice(); }

bool CUSBDriver::InitLink() { return true; }

bool CUSBDriver::ShutdownLink() { return true; }

bool CUSBDriver::OpenDevice() {
    CloseDevice();
    const uint16_t vendorId = ParseHexId(kMouseVendorIdText);
    const uint16_t productId = ParseHexId(kMouseProductIdText);
    for (const HidInterfaceInfo& info : backend_.Enumerate()) {
        if (info.vendorId != vendorId || info.productId != productId) continue;
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

bool CUSBDriver::SendFeature(const Link& link, const uint8_t (&bytes)[6]) {
    if (!StillCurrent(link)) return false;
    ReportBuffer buffer{};
    std::memcpy(buffer.data(), bytes, sizeof bytes);
    buffer[0] = link.reportId;
    return link.write->SetFeature(buffer.data(), link.FeatureLength());
}

HidWriteResult CUSBDriver::SendOutput(const Link& link, const uint8_t* data, size_t length) {
    if (!StillCurrent(link)) return HidWriteResult::Error;
    std::array<uint8_t, kOutputReportLength> report{};
    report[0] = link.reportId;
    std::memcpy(report.data() + 1, data, length);
    return link.write->WriteOutput(report.data(), report.size());
}

bool CUSBDriver::SendFeatureThenOutput(const Link& link, const uint8_t (&header)[6], const uint8_t* data,
                                       size_t length) {
    if (!SendFeature(link, header)) return false;
    clock_.SleepMs(kPauseAroundOutputMs);
    const bool written = SendOutput(link, data, length) != HidWriteResult::Error;
    clock_.SleepMs(kPauseAroundOutputMs);
    return written;
}

CUSBDriver::ChunksSent CUSBDriver::SendChunks(const Link& link, const uint8_t* data, size_t length) {
    ChunksSent sent;
    if (data == nullptr || length == 0 || !link.write) return sent;
    for (size_t offset = 0; offset + kOutputReportData <= length; offset += kOutputReportData) {
        clock_.SleepMs(kPauseAroundOutputMs);
        const HidWriteResult result = SendOutput(link, data + offset, kOutputReportData);
        clock_.SleepMs(kPauseAroundOutputMs);
        if (result == HidWriteResult::Error) return sent;
        if (result == HidWriteResult::Ok) ++sent.confirmed;
    }
    sent.ok = true;
    return sent;
}

bool CUSBDriver::WriteReportRate(uint32_t rate) {
    std::lock_guard command(commandMutex_);
    const bool known = rate == 1 || rate == 2 || rate == 4 || rate == 8;
    return SendFeature(CurrentLink(), {0, 0x01, static_cast<uint8_t>(known ? rate : 2)});
}

bool CUSBDriver::WriteTouch(uint32_t touch, uint32_t lightMode) {
    std::lock_guard command(commandMutex_);
    uint8_t value = 0x00;
    if (lightMode != 6 && touch == 1) value = 0x80;
    if (lightMode != 6 && touch == 2) value = 0x90;
    return SendFeature(CurrentLink(), {0, 0x03, value});
}

bool CUSBDriver::WriteLedColorTable(const uint8_t* data, size_t length) {
    std::lock_guard command(commandMutex_);
    if (data == nullptr || length != 32) return false;
    return SendFeatureThenOutput(CurrentLink(), {0, 0x09, 0x01, 0x00, 0x20}, data, length);
}

bool CUSBDriver::WriteCommand0B(uint32_t value) {
    std::lock_guard command(commandMutex_);
    return SendFeature(CurrentLink(), {0, 0x0B, 0x01, Low8(value)});
}

bool CUSBDriver::WriteLedColor(uint32_t colour) {
    std::lock_guard command(commandMutex_);
    return SendFeature(CurrentLink(), {0, 0x0C, 0x01, Low8(colour >> 8), Low8(colour), Low8(colour >> 16)});
}

bool CUSBDriver::WriteEffect(uint32_t a, uint32_t b, uint32_t c) {
    std::lock_guard command(commandMutex_);
    return SendFeature(CurrentLink(), {0, 0x0D, 0x01, Low8(a), Low8(b), Low8(c)});
}

bool CUSBDriver::WriteDpiTable(const uint8_t* data, size_t length) {
    std::lock_guard command(commandMutex_);
    if (data == nullptr || length != 16) return false;
    return SendFeatureThenOutput(CurrentLink(), {0, 0x11, 0x01, 0x07, 0x10}, data, length);
}

bool CUSBDriver::WriteKeyMatrix(const uint8_t* data, size_t length) {
    std::lock_guard command(commandMutex_);
    if (data == nullptr || length != 64) return false;
    const Link link = CurrentLink();
    if (!SendFeature(link, {0, 0x12, 0x01, 0x00, 0x40})) return false;
    clock_.SleepMs(kPauseBeforeChunksMs);
    return SendChunks(link, data, length).ok;
}

bool CUSBDriver::WriteOutputChunks(const uint8_t* data, size_t length) {
    std::lock_guard command(commandMutex_);
    return SendChunks(CurrentLink(), data, length).ok;
}

uint32_t CUSBDriver::UploadMacroImage(uint32_t slot, const MacroImage* image, bool* uploaded) {
    if (uploaded != nullptr) *uploaded = false;
    if (image == nullptr) return 0;
    const uint32_t result = image->paddedLength + 1;
    if (slot > 7) return result;
    std::lock_guard command(commandMutex_);
    const Link link = CurrentLink();
    if (!SendFeature(link, {0, 0x13, 0x01, static_cast<uint8_t>(slot), 0x00, 0x02})) return result;
    clock_.SleepMs(kPauseBeforeChunksMs);
    const ChunksSent sent = SendChunks(link, image->bytes.data(), image->bytes.size());
    // Not one report confirmed: nothing tells that the mouse holds any of the macro.
    if (uploaded != nullptr) *uploaded = sent.ok && sent.confirmed > 0;
    return result;
}

uint32_t CUSBDriver::UploadMacro(uint32_t slot, const MacroEntry* record, bool* uploaded) {
    if (uploaded != nullptr) *uploaded = false;
    if (record == nullptr) return 0;
    const auto encoded = EncodeMacro(*record);
    if (!encoded) return 0;
    return UploadMacroImage(slot, &encoded->image, uploaded);
}

bool CUSBDriver::ReadFirmwareVersion(uint32_t* version) {
    std::lock_guard command(commandMutex_);
    const Link link = CurrentLink();
    if (version == nullptr || !link.read) return false;
    if (!SendFeature(link, {0, 0x80})) return false;
    clock_.SleepMs(kPauseBeforeAnswerMs);
    if (!StillCurrent(link)) return false;
    ReportBuffer answer{};
    answer[0] = link.reportId;
    if (!link.read->GetFeature(answer.data(), link.FeatureLength())) return false;
    if (answer[1] != 0x80) return false;
    *version = static_cast<uint32_t>(answer[2]) * 10 + answer[3];
    return true;
}

bool OpenDeviceRetrying(CUSBDriver& driver, Clock& clock, int attempts, uint32_t pauseMs) {
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        if (driver.OpenDevice()) return true;
        if (attempt < attempts) clock.SleepMs(pauseMs);
    }
    return false;
}

}  // namespace oryn7px
