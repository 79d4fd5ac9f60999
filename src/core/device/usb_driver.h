#pragma once
// The device link: finds the mouse's vendor collection and sends it the command set.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "core/base/clock.h"
#include "core/device/macro_image.h"
#include "core/settings/records.h"
#include "core/platform/hid_backend.h"

namespace oryn7px {

// The mouse's IDs are kept as text and parsed at every open.
inline constexpr const char* kMouseVendorIdText = "7F1D";
inline constexpr const char* kMouseProductIdText = "2C05";
inline constexpr uint16_t kVendorUsagePage = 0xFF01;
inline constexpr uint16_t kVendorUsage = 0x22;

inline constexpr size_t kMaxFeatureReportLength = 255;
// The longest command carries five bytes after the report ID.
inline constexpr size_t kMinFeatureReportCount = 5;
inline constexpr size_t kOutputReportLength = 33;
inline constexpr size_t kOutputReportData = 32;

// Pauses of the protocol, in milliseconds.
inline constexpr uint32_t kPauseAroundOutputMs = 50;
inline constexpr uint32_t kPauseBeforeChunksMs = 100;
inline constexpr uint32_t kPauseBeforeAnswerMs = 50;

class CUSBDriver {
public:
    CUSBDriver(HidBackend& backend, Clock& clock);
    ~CUSBDriver();
    CUSBDriver(const CUSBDriver&) = delete;
    CUSBDriver& operator=(const CUSBDriver&) = delete;

    // Prepares the link before the first open.
    bool InitLink();
    // Closes any open handles, then opens the first interface that carries the vendor value.
    bool OpenDevice();
    void CloseDevice();
    bool ShutdownLink();

    bool IsOpen() const;
    std::string DevicePath() const;
    uint8_t ReportId() const;
    uint16_t ReportCount() const;

    bool WriteReportRate(uint32_t rate);
    bool WriteTouch(uint32_t touch, uint32_t lightMode);
    bool WriteLedColorTable(const uint8_t* data, size_t length);
    bool WriteCommand0B(uint32_t value);
    bool WriteLedColor(uint32_t colour);
    bool WriteEffect(uint32_t a, uint32_t b, uint32_t c);
    bool WriteDpiTable(const uint8_t* data, size_t length);
    bool WriteKeyMatrix(const uint8_t* data, size_t length);
    bool WriteOutputChunks(const uint8_t* data, size_t length);
    // Returns 0 without an image, otherwise the image's padded length + 1 whether or not the
    // upload went through (the mouse needs that number in the button code). *uploaded, when
    // given, tells whether the image reached the mouse: every report written and at least one
    // of them confirmed (a report left pending counts as done, but not all of them); a slot
    // above 7 sends nothing.
    uint32_t UploadMacroImage(uint32_t slot, const MacroImage* image, bool* uploaded = nullptr);
    // Encodes the record and uploads it. 0 without a record or when the record does not fit
    // the mouse's macro memory (nothing is sent then).
    uint32_t UploadMacro(uint32_t slot, const MacroEntry* record, bool* uploaded = nullptr);
    // The version is answer byte 2 x 10 + byte 3; *version is untouched on failure.
    bool ReadFirmwareVersion(uint32_t* version);

private:
    // The handles and report format of one open. A command works on its own copy, so closing
    // never waits for a command, and a handle never closes under one.
    struct Link {
        std::shared_ptr<HidDevice> read;
        std::shared_ptr<HidDevice> write;
        uint8_t reportId = 0;
        uint16_t reportCount = 0;
        uint64_t generation = 0;

        size_t FeatureLength() const { return static_cast<size_t>(reportCount) + 1; }
    };
    struct ChunksSent {
        bool ok = false;
        size_t confirmed = 0;  // written and not left pending
    };

    Link CurrentLink() const;
    // False once the link was closed or opened again: the rest of a command is dropped.
    bool StillCurrent(const Link& link) const;
    bool SendFeature(const Link& link, const uint8_t (&bytes)[6]);
    bool SendFeatureThenOutput(const Link& link, const uint8_t (&header)[6], const uint8_t* data, size_t length);
    HidWriteResult SendOutput(const Link& link, const uint8_t* data, size_t length);
    ChunksSent SendChunks(const Link& link, const uint8_t* data, size_t length);

    HidBackend& backend_;
    Clock& clock_;
    // Held for the whole of each command: reports of two commands must never interleave.
    std::mutex commandMutex_;
    // Held only to read or swap the link, never across a report, so the UI thread can close or
    // open the link at once while a command (a 3.3 s macro upload) runs.
    mutable std::mutex linkMutex_;
    Link link_;
    std::atomic<uint64_t> generation_{0};
    std::string devicePath_;
};

// Start-up's way of opening: up to `attempts` tries with `pauseMs` between them.
bool OpenDeviceRetrying(CUSBDriver& driver, Clock& clock, int attempts, uint32_t pauseMs);

}  // namespace oryn7px
