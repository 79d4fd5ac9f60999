#include <gtest/gtest.h>

#include "core/firmware/firmware_version_text.h"

namespace oryn7px {
namespace {

TEST(FirmwareVersionText, SplitsTheDecimalDigits) {
    const std::vector<std::pair<uint32_t, std::string>> cases = {
        {0, "Unknown"}, {5, "V 0.0.5"}, {7, "V 0.0.7"}, {42, "V 0.4.2"}, {103, "V 1.0.3"}, {1234, "V 12.3.4"},
    };
    for (const auto& [version, text] : cases) EXPECT_EQ(FirmwareVersionText(version), text) << version;
}

}  // namespace
}  // namespace oryn7px
