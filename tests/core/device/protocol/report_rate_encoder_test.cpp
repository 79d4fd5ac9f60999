#include "core/device/protocol/report_rate_encoder.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

TEST(ReportRateEncoder, RateCodesPassAndAnythingElseIsSentAsTwo) {
    const std::pair<int32_t, uint8_t> cases[] = {
        {1, 1}, {2, 2}, {4, 4}, {8, 8}, {0, 2}, {3, 2}, {5, 2}, {16, 2}, {-1, 2}, {257, 2}, {0x7FFFFFFF, 2},
    };
    for (const auto& [rate, sent] : cases) {
        SCOPED_TRACE(rate);
        const DeviceCommand command = EncodeReportRate(rate);
        EXPECT_EQ(command.feature, (FeatureBytes{0x01, sent, 0, 0, 0}));
        EXPECT_TRUE(command.data.empty());
    }
}

}  // namespace
}  // namespace oryn7px
