#include "core/device/protocol/report_rate_encoder.h"

namespace oryn7px {

namespace {

constexpr int32_t kFallbackRate = 2;

bool IsRateCode(int32_t rate) { return rate == 1 || rate == 2 || rate == 4 || rate == 8; }

}  // namespace

DeviceCommand EncodeReportRate(int32_t rate) {
    DeviceCommand command = CommandWith(CommandId::kReportRate);
    command.feature[1] = static_cast<uint8_t>(IsRateCode(rate) ? rate : kFallbackRate);
    return command;
}

}  // namespace oryn7px
