#include "core/device/usb_driver.h"

#include "core/device/macro_encoder.h"

#include <array>
#include <cstdio>
#include <cstring>

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
    std::lock_guard lock(mutex_);
    CloseHandles();
    vendorId_ = ParseHexId(kMouseVendorIdText);
    productId_ = ParseHexId(kMouseProductIdText);
    for (const HidInterfaceInfo& info : backend_.Enumerate()) {
        if (info.vendorId != vendorId_ || info.productId != productId_) continue;
        const HidValueCaps* caps = FindVendorValue(info);
        // A report longer than the command buffer, or too short for a command, is not ours.
        if (caps == nullptr || caps->reportCount + 1u > kMaxFeatureReportLength ||
            caps->reportCount < kMinFeatureReportCount) {
            continue;
        }
        readHandle_ = backend_.Open(info.path, HidAccess::Read);
        writeHandle_ = backend_.Open(info.path, HidAccess::Write);
        if (!readHandle_ || !writeHandle_) {
            CloseHandles();
            continue;
        }
        reportId_ = caps->reportId;
        reportCount_ = caps->reportCount;
        devicePath_ = info.path;
        return true;
    }
    return false;
}

void CUSBDriver::CloseDevice() {
    std::lock_guard lock(mutex_);
    CloseHandles();
}

void CUSBDriver::CloseHandles() {
    readHandle_.reset();
    writeHandle_.reset();
}

bool CUSBDriver::IsOpen() const {
    std::lock_guard lock(mutex_);
    return readHandle_ && writeHandle_;
}

std::string CUSBDriver::DevicePath() const {
    std::lock_guard lock(mutex_);
    return devicePath_;
}

uint8_t CUSBDriver::ReportId() const {
    std::lock_guard lock(mutex_);
    return reportId_;
}

uint16_t CUSBDriver::ReportCount() const {
    std::lock_guard lock(mutex_);
    return reportCount_;
}

size_t CUSBDriver::FeatureLength() const { return static_cast<size_t>(reportCount_) + 1; }

bool CUSBDriver::SendFeature(const uint8_t (&bytes)[6]) {
    if (!writeHandle_) return false;
    ReportBuffer buffer{};
    std::memcpy(buffer.data(), bytes, sizeof bytes);
    buffer[0] = reportId_;
    return writeHandle_->SetFeature(buffer.data(), FeatureLength());
}

bool CUSBDriver::SendOutput(const uint8_t* data, size_t length) {
    std::array<uint8_t, kOutputReportLength> report{};
    report[0] = reportId_;
    std::memcpy(report.data() + 1, data, length);
    return writeHandle_->WriteOutput(report.data(), report.size()) != HidWriteResult::Error;
}

bool CUSBDriver::SendFeatureThenOutput(const uint8_t (&header)[6], const uint8_t* data, size_t length) {
    if (!SendFeature(header)) return false;
    clock_.SleepMs(kPauseAroundOutputMs);
    const bool written = SendOutput(data, length);
    clock_.SleepMs(kPauseAroundOutputMs);
    return written;
}

bool CUSBDriver::SendChunks(const uint8_t* data, size_t length) {
    if (data == nullptr || length == 0 || !writeHandle_) return false;
    for (size_t offset = 0; offset + kOutputReportData <= length; offset += kOutputReportData) {
        clock_.SleepMs(kPauseAroundOutputMs);
        const bool written = SendOutput(data + offset, kOutputReportData);
        clock_.SleepMs(kPauseAroundOutputMs);
        if (!written) return false;
    }
    return true;
}

bool CUSBDriver::WriteReportRate(uint32_t rate) {
    std::lock_guard lock(mutex_);
    const bool known = rate == 1 || rate == 2 || rate == 4 || rate == 8;
    return SendFeature({0, 0x01, static_cast<uint8_t>(known ? rate : 2)});
}

bool CUSBDriver::WriteTouch(uint32_t touch, uint32_t lightMode) {
    std::lock_guard lock(mutex_);
    uint8_t value = 0x00;
    if (lightMode != 6 && touch == 1) value = 0x80;
    if (lightMode != 6 && touch == 2) value = 0x90;
    return SendFeature({0, 0x03, value});
}

bool CUSBDriver::WriteLedColorTable(const uint8_t* data, size_t length) {
    std::lock_guard lock(mutex_);
    if (data == nullptr || length != 32) return false;
    return SendFeatureThenOutput({0, 0x09, 0x01, 0x00, 0x20}, data, length);
}

bool CUSBDriver::WriteCommand0B(uint32_t value) {
    std::lock_guard lock(mutex_);
    return SendFeature({0, 0x0B, 0x01, Low8(value)});
}

bool CUSBDriver::WriteLedColor(uint32_t colour) {
    std::lock_guard lock(mutex_);
    return SendFeature({0, 0x0C, 0x01, Low8(colour >> 8), Low8(colour), Low8(colour >> 16)});
}

bool CUSBDriver::WriteEffect(uint32_t a, uint32_t b, uint32_t c) {
    std::lock_guard lock(mutex_);
    return SendFeature({0, 0x0D, 0x01, Low8(a), Low8(b), Low8(c)});
}

bool CUSBDriver::WriteDpiTable(const uint8_t* data, size_t length) {
    std::lock_guard lock(mutex_);
    if (data == nullptr || length != 16) return false;
    return SendFeatureThenOutput({0, 0x11, 0x01, 0x07, 0x10}, data, length);
}

bool CUSBDriver::WriteKeyMatrix(const uint8_t* data, size_t length) {
    std::lock_guard lock(mutex_);
    if (data == nullptr || length != 64) return false;
    if (!SendFeature({0, 0x12, 0x01, 0x00, 0x40})) return false;
    clock_.SleepMs(kPauseBeforeChunksMs);
    return SendChunks(data, length);
}

bool CUSBDriver::WriteOutputChunks(const uint8_t* data, size_t length) {
    std::lock_guard lock(mutex_);
    return SendChunks(data, length);
}

uint32_t CUSBDriver::UploadMacroImage(uint32_t slot, const MacroImage* image, bool* uploaded) {
    if (uploaded != nullptr) *uploaded = false;
    if (image == nullptr) return 0;
    const uint32_t result = image->paddedLength + 1;
    if (slot > 7) return result;
    std::lock_guard lock(mutex_);
    if (!SendFeature({0, 0x13, 0x01, static_cast<uint8_t>(slot), 0x00, 0x02})) return result;
    clock_.SleepMs(kPauseBeforeChunksMs);
    const bool sent = SendChunks(image->bytes.data(), image->bytes.size());
    if (uploaded != nullptr) *uploaded = sent;
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
    std::lock_guard lock(mutex_);
    if (version == nullptr || !readHandle_) return false;
    if (!SendFeature({0, 0x80})) return false;
    clock_.SleepMs(kPauseBeforeAnswerMs);
    ReportBuffer answer{};
    answer[0] = reportId_;
    if (!readHandle_->GetFeature(answer.data(), FeatureLength())) return false;
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
