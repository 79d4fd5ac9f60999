#include "core/device/protocol/firmware_version_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace oryn7px {
namespace {

TEST(FirmwareVersionCodec, RequestIsTheBareCommand) {
    EXPECT_EQ(EncodeFirmwareVersionRequest().feature, (FeatureBytes{0x80, 0, 0, 0, 0}));
}

TEST(FirmwareVersionCodec, Answers) {
    struct Case {
        const char* name;
        std::vector<uint8_t> answer;
        std::optional<uint32_t> version;
    };
    const Case cases[] = {
        {"1.5", {4, 0x80, 0x01, 0x05, 0, 0}, 15},
        {"bytes are unsigned", {4, 0x80, 0xFA, 0xFF, 0, 0}, 2755},
        {"zero", {4, 0x80, 0, 0, 0, 0}, 0},
        {"another command's echo", {4, 0x00, 0x01, 0x05, 0, 0}, std::nullopt},
        {"0x81", {4, 0x81, 0x01, 0x05, 0, 0}, std::nullopt},
        {"too short", {4, 0x80, 0x01}, std::nullopt},
        {"empty", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<uint32_t> version = DecodeFirmwareVersion(c.answer.data(), c.answer.size());
        ASSERT_EQ(version.Ok(), c.version.has_value());
        if (version) {
            EXPECT_EQ(*version, *c.version);
        } else {
            EXPECT_EQ(version.Failure().kind, ErrorKind::kInvalidData);
        }
    }
    EXPECT_FALSE(DecodeFirmwareVersion(nullptr, 6));
}

}  // namespace
}  // namespace oryn7px
