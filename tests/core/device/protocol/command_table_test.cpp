#include "core/device/protocol/command_table.h"

#include <gtest/gtest.h>

#include <set>

#include "core/device/protocol/macro_encoder.h"

namespace oryn7px {
namespace {

TEST(CommandTable, EachCommandOnceWithItsNumberFirstAndItsDataFittingItsTransfer) {
    std::set<uint8_t> numbers;
    for (const CommandLayout& layout : kCommandTable) {
        SCOPED_TRACE(layout.name);
        const uint8_t number = static_cast<uint8_t>(layout.id);
        EXPECT_TRUE(numbers.insert(number).second);
        EXPECT_EQ(layout.header[0], number);
        EXPECT_EQ(FindLayout(number), &layout);
        switch (layout.transfer) {
            case DataTransfer::kNone: EXPECT_EQ(layout.dataLength, 0u); break;
            case DataTransfer::kOneReport: EXPECT_LE(layout.dataLength, kOutputReportData); break;
            case DataTransfer::kChunks: EXPECT_EQ(layout.dataLength % kOutputReportData, 0u); break;
        }
    }
    EXPECT_EQ(numbers, (std::set<uint8_t>{0x01, 0x03, 0x09, 0x0B, 0x0C, 0x0D, 0x11, 0x12, 0x13, 0x80}));
    EXPECT_EQ(FindLayout(0x00), nullptr);
    EXPECT_EQ(FindLayout(0x55), nullptr);
}

TEST(CommandTable, MacroUploadNamesItsSlot) {
    MacroImage image;
    image.bytes[0] = 0x12;
    image.bytes[1023] = 0x34;
    for (uint32_t slot = 0; slot <= kMaxMacroSlot; ++slot) {
        const Result<DeviceCommand> upload = EncodeMacroUpload(slot, image);
        ASSERT_TRUE(upload);
        EXPECT_EQ(upload->feature, (FeatureBytes{0x13, 0x01, static_cast<uint8_t>(slot), 0x00, 0x02}));
        EXPECT_EQ(upload->data, std::vector<uint8_t>(image.bytes.begin(), image.bytes.end()));
    }
    for (const uint32_t slot : {8u, 255u, 256u, 0xFFFFFFFFu}) {
        const Result<DeviceCommand> upload = EncodeMacroUpload(slot, image);
        ASSERT_FALSE(upload);
        EXPECT_EQ(upload.Failure().kind, ErrorKind::kInvalidData);
    }
}

}  // namespace
}  // namespace oryn7px
