#pragma once
// The device link: finds the mouse's vendor collection and sends it the command set.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "core/base/clock.h"
#include "core/base/result.h"
#include "core/device/protocol/command_table.h"
#include "core/device/protocol/device_identity.h"
#include "core/device/protocol/macro_image.h"
#include "core/interfaces/hid_backend.h"

namespace oryn7px {

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
    // Changes whenever the link is closed or opened: what was written to the mouse on one link
    // says nothing about the mouse on another.
    uint64_t LinkGeneration() const { return generation_.load(); }
    // Output reports whose write timed out, over every link: they count as sent, but
    // nobody knows whether the mouse took them.
    uint64_t ReportsLeftPending() const { return reportsLeftPending_.load(); }
    std::string DevicePath() const;
    uint8_t ReportId() const;
    uint16_t ReportCount() const;

    // Sends an encoded command: its feature report, then its data block as its layout says.
    // A command the mouse does not know, or a data block of the wrong length, sends nothing.
    Status Send(const DeviceCommand& command);
    // Whole 32-byte output reports of `data`; a remainder below 32 bytes is not sent.
    Status WriteOutputChunks(const uint8_t* data, size_t length);
    // Uploads an image into a macro slot. It counts as uploaded when every report was written
    // and at least one of them confirmed (a report left pending counts as written, but a whole
    // image left pending tells nothing). A slot beyond kMaxMacroSlot sends nothing.
    Status UploadMacroImage(uint32_t slot, const MacroImage& image);
    Result<uint32_t> ReadFirmwareVersion();

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
    struct Sent {
        Status status;
        size_t confirmed = 0;  // output reports written and not left pending
    };

    Link CurrentLink() const;
    // False once the link was closed or opened again: the rest of a command is dropped.
    bool StillCurrent(const Link& link) const;
    Status SendFeature(const Link& link, const FeatureBytes& bytes);
    HidWriteResult SendOutput(const Link& link, const uint8_t* data, size_t length);
    Status SendOneReport(const Link& link, const std::vector<uint8_t>& data);
    Sent SendChunks(const Link& link, const uint8_t* data, size_t length);
    // The whole command: feature report, pauses and data reports.
    Sent Transfer(const Link& link, const DeviceCommand& command);

    HidBackend& backend_;
    Clock& clock_;
    // Held for the whole of each command: reports of two commands must never interleave.
    std::mutex commandMutex_;
    // Held only to read or swap the link, never across a report, so the UI thread can close or
    // open the link at once while a command (a 3.3 s macro upload) runs.
    mutable std::mutex linkMutex_;
    Link link_;
    std::atomic<uint64_t> generation_{0};
    std::atomic<uint64_t> reportsLeftPending_{0};
    std::string devicePath_;
};

// Start-up's way of opening: up to `attempts` tries with `pauseMs` between them.
bool OpenDeviceRetrying(CUSBDriver& driver, Clock& clock, int attempts, uint32_t pauseMs);

}  // namespace oryn7px
