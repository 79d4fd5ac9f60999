#include <gtest/gtest.h>

#include "core/device/hid_descriptor_parser.h"

namespace oryn7px {
namespace {

using Bytes = std::vector<uint8_t>;

HidDescriptorParseResult Parse(const Bytes& bytes) { return ParseHidReportDescriptor(bytes.data(), bytes.size()); }

// The shape of a gaming mouse's descriptor: keyboard, consumer control, mouse and a vendor
// collection with a feature value and a 32-byte output report, in one descriptor.
const Bytes kGamingMouse = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,              // Generic Desktop, Keyboard, Application
    0x85, 0x01,                                      //   report ID 1
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7,              //   modifiers E0..E7
    0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08,  //   8 x 1 bit
    0x81, 0x02,                                      //   Input (Data, Var)
    0x95, 0x01, 0x75, 0x08, 0x81, 0x01,              //   reserved byte (Const)
    0x05, 0x08, 0x19, 0x01, 0x29, 0x03, 0x95, 0x03, 0x75, 0x01, 0x91, 0x02,  // LEDs
    0x95, 0x05, 0x91, 0x01,                          //   padding
    0x05, 0x07, 0x19, 0x00, 0x2A, 0xFF, 0x00, 0x26, 0xFF, 0x00, 0x95, 0x06, 0x75, 0x08,
    0x81, 0x00,                                      //   key array
    0xC0,
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01,              // Consumer Control
    0x85, 0x03, 0x19, 0x00, 0x2A, 0x3C, 0x02, 0x15, 0x00, 0x26, 0x3C, 0x02,
    0x95, 0x01, 0x75, 0x10, 0x81, 0x00,
    0xC0,
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,              // Mouse
    0x85, 0x02, 0x09, 0x01, 0xA1, 0x00,              //   Pointer, Physical
    0x05, 0x09, 0x19, 0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02,
    0x95, 0x01, 0x75, 0x03, 0x81, 0x01,
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x16, 0x01, 0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95, 0x02,
    0x81, 0x06,
    0x09, 0x38, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x01, 0x81, 0x06,
    0xC0, 0xC0,
    0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01,        // Vendor page FF01, Application
    0x85, 0x04, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,
    0x09, 0x22, 0x95, 0x20, 0xB1, 0x02,              //   Feature: usage 0x22, 32 x 8 bits
    0x09, 0x23, 0x95, 0x20, 0x91, 0x02,              //   Output: usage 0x23, 32 x 8 bits
    0xC0,
};

TEST(HidDescriptorParser, FindsTheVendorFeatureValueInARealMouseShape) {
    const auto result = Parse(kGamingMouse);
    ASSERT_TRUE(result.Ok()) << result.error;
    ASSERT_EQ(result.featureValueCaps.size(), 1u);
    const HidValueCaps& caps = result.featureValueCaps[0];
    EXPECT_TRUE(caps.HasUsage(0xFF01, 0x22));
    EXPECT_EQ(caps.reportId, 4);
    EXPECT_EQ(caps.reportSize, 8);
    EXPECT_EQ(caps.reportCount, 32);
}

TEST(HidDescriptorParser, ButtonsArraysAndPaddingAreNotValues) {
    const Bytes descriptor = {
        0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x02,
        0x09, 0x22, 0x75, 0x01, 0x95, 0x08, 0xB1, 0x02,  // one-bit fields: buttons
        0x09, 0x22, 0x75, 0x08, 0x95, 0x04, 0xB1, 0x00,  // array
        0x75, 0x08, 0x95, 0x04, 0xB1, 0x03,              // constant padding
        0xC0,
    };
    const auto result = Parse(descriptor);
    ASSERT_TRUE(result.Ok()) << result.error;
    EXPECT_TRUE(result.featureValueCaps.empty());
}

TEST(HidDescriptorParser, UsagesShareTheReportCountAndTheLastTakesTheRest) {
    const Bytes descriptor = {
        0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x09, 0x75, 0x08, 0x95, 0x0A,
        0x09, 0x20, 0x09, 0x21, 0x09, 0x22, 0xB1, 0x02,
        0x19, 0x30, 0x29, 0x3F, 0x95, 0x10, 0xB1, 0x02,  // a usage range
        0xC0,
    };
    const auto result = Parse(descriptor);
    ASSERT_TRUE(result.Ok()) << result.error;
    ASSERT_EQ(result.featureValueCaps.size(), 4u);
    EXPECT_EQ(result.featureValueCaps[0].usageMin, 0x20);
    EXPECT_EQ(result.featureValueCaps[0].reportCount, 1);
    EXPECT_EQ(result.featureValueCaps[1].reportCount, 1);
    EXPECT_EQ(result.featureValueCaps[2].usageMin, 0x22);
    EXPECT_EQ(result.featureValueCaps[2].reportCount, 8);
    EXPECT_EQ(result.featureValueCaps[3].usageMin, 0x30);
    EXPECT_EQ(result.featureValueCaps[3].usageMax, 0x3F);
    EXPECT_EQ(result.featureValueCaps[3].reportCount, 16);
}

TEST(HidDescriptorParser, PushPopExtendedUsagesAndLongItems) {
    const Bytes descriptor = {
        0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,
        0x06, 0x01, 0xFF, 0x85, 0x04, 0x75, 0x08, 0x95, 0x20,
        0xA4,                                            // push page FF01, ID 4, 8 x 32
        0x05, 0x0C, 0x85, 0x07, 0x95, 0x02,
        0xFE, 0x02, 0x10, 0xAA, 0xBB,                    // a long item, skipped
        0xB4,                                            // pop
        0x09, 0x22, 0xB1, 0x02,                          // page FF01 again, ID 4, count 32
        0x0B, 0x22, 0x00, 0x01, 0xFF, 0xB1, 0x02,        // extended usage FF01:0022 under page 0C
        0xC0,
    };
    const auto result = Parse(descriptor);
    ASSERT_TRUE(result.Ok()) << result.error;
    ASSERT_EQ(result.featureValueCaps.size(), 2u);
    for (const HidValueCaps& caps : result.featureValueCaps) {
        EXPECT_TRUE(caps.HasUsage(0xFF01, 0x22));
        EXPECT_EQ(caps.reportId, 4);
        EXPECT_EQ(caps.reportCount, 32);
    }
}

TEST(HidDescriptorParser, RejectsMalformedDescriptorsWithoutReadingPastTheEnd) {
    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"item data cut off", {0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x96, 0x20}},
        {"four-byte item cut off", {0x05, 0x01, 0x0B, 0x22, 0x00}},
        {"long item cut off", {0xFE, 0x10, 0x01, 0x00}},
        {"long item header cut off", {0xFE, 0x01}},
        {"end collection alone", {0xC0}},
        {"collection left open", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01}},
        {"pop without push", {0xB4}},
        {"report ID 0", {0x85, 0x00}},
        {"report ID above 255", {0x86, 0x00, 0x01}},
        {"usage range upside down", {0x19, 0x30, 0x29, 0x20}},
        {"usage range without maximum", {0xA1, 0x01, 0x19, 0x30, 0x75, 0x08, 0x95, 0x01, 0xB1, 0x02, 0xC0}},
        {"report count above 16 bits", {0xA1, 0x01, 0x09, 0x22, 0x75, 0x08, 0x97, 0x00, 0x00, 0x01, 0x00, 0xB1, 0x02, 0xC0}},
        {"reserved item type", {0xF0}},
        {"push nested too deeply", Bytes(17, 0xA4)},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        // Copy into an exactly sized heap block so that a read past the end is caught by ASan.
        const auto block = std::make_unique<uint8_t[]>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), block.get());
        const auto result = ParseHidReportDescriptor(block.get(), bytes.size());
        EXPECT_FALSE(result.Ok());
        EXPECT_TRUE(result.featureValueCaps.empty());
    }
}

TEST(HidDescriptorParser, MalformedTailDropsEverythingFoundBeforeIt) {
    Bytes descriptor = kGamingMouse;
    descriptor.push_back(0xC0);
    const auto result = Parse(descriptor);
    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(result.featureValueCaps.empty());
}

TEST(HidDescriptorParser, EmptyDescriptorOffersNothing) {
    const auto result = ParseHidReportDescriptor(nullptr, 0);
    EXPECT_TRUE(result.Ok());
    EXPECT_TRUE(result.featureValueCaps.empty());
}

}  // namespace
}  // namespace oryn7px
