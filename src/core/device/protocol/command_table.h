#pragma once
// The mouse's command set. Every setting reaches the mouse as one feature report whose first
// byte after the report ID is the command number; the commands that carry a data block follow
// it with output reports of 32 data bytes. The encoders beside this file build the commands;
// CUSBDriver sends them as their layout here says.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/device/protocol/device_identity.h"
#include "core/device/protocol/macro_image.h"

namespace oryn7px {

enum class CommandId : uint8_t {
    kReportRate = 0x01,
    kTouch = 0x03,        // lighting: touch lighting
    kColorTable = 0x09,   // lighting: the four colours of the colour cycle
    kDpiFollowUp = 0x0B,  // sent right after the DPI table
    kSingleColor = 0x0C,  // lighting: the colour of the steady and breathing effects
    kEffect = 0x0D,       // lighting: the effect triple
    kDpiTable = 0x11,
    kKeyMatrix = 0x12,
    kMacroUpload = 0x13,
    kFirmwareVersion = 0x80,
};

// How the data block after the feature report travels.
enum class DataTransfer {
    kNone,       // the feature report is the whole command
    kOneReport,  // one output report, the rest of its 32 bytes zero
    kChunks,     // whole output reports of 32 data bytes each
};

// The feature report's bytes after the report ID; byte 0 is the command number.
using FeatureBytes = std::array<uint8_t, kFeatureCommandBytes>;

inline constexpr size_t kColorTableLength = 32;
inline constexpr size_t kDpiTableLength = 16;
inline constexpr size_t kKeyMatrixLength = 64;
inline constexpr size_t kDpiLevelPlaces = 7;
inline constexpr size_t kMacroSlotByte = 2;

struct CommandLayout {
    CommandId id;
    std::string_view name;
    // The fixed bytes; arguments the encoder fills in are 0 here. Byte 1 is 0x01 in every
    // command that stores a value or a block.
    FeatureBytes header;
    DataTransfer transfer;
    size_t dataLength;
};

inline constexpr CommandLayout kCommandTable[] = {
    // [0x01, rate]
    {CommandId::kReportRate, "report rate", {0x01}, DataTransfer::kNone, 0},
    // [0x03, touch byte]
    {CommandId::kTouch, "lighting: touch", {0x03}, DataTransfer::kNone, 0},
    // [0x09, 0x01, 0x00, data length], then four colours of three bytes and 20 zero bytes
    {CommandId::kColorTable, "lighting: colour table", {0x09, 0x01, 0x00, kColorTableLength},
     DataTransfer::kOneReport, kColorTableLength},
    // [0x0B, 0x01, value]
    {CommandId::kDpiFollowUp, "DPI follow-up", {0x0B, 0x01}, DataTransfer::kNone, 0},
    // [0x0C, 0x01, green, red, blue]
    {CommandId::kSingleColor, "lighting: single colour", {0x0C, 0x01}, DataTransfer::kNone, 0},
    // [0x0D, 0x01, effect, parameter, option]
    {CommandId::kEffect, "lighting: effect", {0x0D, 0x01}, DataTransfer::kNone, 0},
    // [0x11, 0x01, level places, data length], then the 16-byte DPI table and 16 zero bytes
    {CommandId::kDpiTable, "DPI table", {0x11, 0x01, kDpiLevelPlaces, kDpiTableLength}, DataTransfer::kOneReport,
     kDpiTableLength},
    // [0x12, 0x01, 0x00, data length], then sixteen 32-bit button codes in two reports
    {CommandId::kKeyMatrix, "key matrix", {0x12, 0x01, 0x00, kKeyMatrixLength}, DataTransfer::kChunks,
     kKeyMatrixLength},
    // [0x13, 0x01, slot, image units low, high], then the 1024-byte image in 32 reports
    {CommandId::kMacroUpload, "macro upload", {0x13, 0x01, 0x00, kMacroImageUnits & 0xFF, kMacroImageUnits >> 8},
     DataTransfer::kChunks, kMacroImageSize},
    // [0x80]; the answer is read back as a feature report
    {CommandId::kFirmwareVersion, "firmware version", {0x80}, DataTransfer::kNone, 0},
};

// The layout of a command number; null for a number the mouse does not know.
const CommandLayout* FindLayout(uint8_t command);
const CommandLayout& LayoutOf(CommandId id);

// One encoded command, as CUSBDriver sends it.
struct DeviceCommand {
    FeatureBytes feature{};
    std::vector<uint8_t> data;  // the data block; empty for a command without one

    CommandId Id() const { return static_cast<CommandId>(feature[0]); }
    bool operator==(const DeviceCommand&) const = default;
};

// The command with its fixed bytes and the given data block.
DeviceCommand CommandWith(CommandId id, std::vector<uint8_t> data = {});

// Every data block fits its transfer: one report, or whole reports.
static_assert(kColorTableLength <= kOutputReportData && kDpiTableLength <= kOutputReportData);
static_assert(kKeyMatrixLength % kOutputReportData == 0 && kMacroImageSize % kOutputReportData == 0);
static_assert(kMacroImageSize / kOutputReportData == 32, "a macro image travels in 32 reports");

}  // namespace oryn7px
