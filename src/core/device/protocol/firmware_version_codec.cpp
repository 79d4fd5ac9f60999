#include "core/device/protocol/firmware_version_codec.h"

namespace oryn7px {

namespace {

constexpr size_t kAnswerLength = 4;

}  // namespace

DeviceCommand EncodeFirmwareVersionRequest() { return CommandWith(CommandId::kFirmwareVersion); }

Result<uint32_t> DecodeFirmwareVersion(const uint8_t* answer, size_t length) {
    if (answer == nullptr || length < kAnswerLength) {
        return Error{ErrorKind::kInvalidData, "The mouse's firmware answer is too short."};
    }
    if (answer[1] != static_cast<uint8_t>(CommandId::kFirmwareVersion)) {
        return Error{ErrorKind::kInvalidData, "The mouse did not answer with its firmware version."};
    }
    return static_cast<uint32_t>(answer[2]) * 10 + answer[3];
}

}  // namespace oryn7px
