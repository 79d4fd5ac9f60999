#include "core/device/protocol/macro_encoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace oryn7px {
namespace {

std::unique_ptr<MacroEntry> Macro(std::vector<uint32_t> events, uint32_t repeat = 1) {
    auto macro = std::make_unique<MacroEntry>();
    std::memset(macro.get(), 0, sizeof(MacroEntry));
    macro->dwRepeat = repeat;
    macro->dwEventCount = static_cast<uint32_t>(events.size());
    std::copy(events.begin(), events.end(), macro->dwEvents);
    return macro;
}

uint32_t Down(uint32_t vk) { return MakeEvent(kEventKeyDown, vk); }
uint32_t Up(uint32_t vk) { return MakeEvent(kEventKeyUp, vk); }
uint32_t Delay(uint32_t ms) { return MakeEvent(kEventDelay, ms); }
uint32_t Move(int x, int y) {
    uint32_t v = static_cast<uint32_t>(x < 0 ? -x : x) | (static_cast<uint32_t>(y < 0 ? -y : y) << 12);
    if (x < 0) v |= 0x800;
    if (y < 0) v |= 0x800000;
    return MakeEvent(kEventMove, v);
}

struct Case {
    const char* name;
    std::vector<uint32_t> events;
    uint32_t repeat;
    std::vector<uint8_t> bytes;  // the image from byte 0 on; the rest must be zero
    uint32_t usedLength;
    uint32_t result;
};

TEST(MacroEncoder, EncodesRecordsAsTheMousePlaysThem) {
    const Case cases[] = {
        {"empty", {}, 1, {0x00, 0x01}, 2, 33},
        {"key, short delay, key", {Down(0x41), Delay(100), Up(0x41)}, 1, {0x00, 0x01, 0x0B, 0x04, 0x81, 0x04}, 6, 33},
        {"largest short delay", {Down(0x41), Delay(1269)}, 0xFFFE, {0xFF, 0xFE, 0x7F, 0x04}, 4, 33},
        {"smallest long delay", {Down(0x41), Delay(1270)}, 1, {0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0x00, 63}, 8, 33},
        {"short delay minimum", {Down(0x41), Delay(5)}, 1, {0x00, 0x01, 0x02, 0x04}, 4, 33},
        {"delay in 50 ms units", {Down(0x41), Delay(2000000)}, 1, {0x00, 0x01, 0x01, 0x04, 0x00, 0x02, 0x9C, 0x40}, 8, 33},
        {"delay in 100 ms units", {Down(0x41), Delay(6553500)}, 1, {0x00, 0x01, 0x01, 0x04, 0x00, 0x03, 0xFF, 0xFF}, 8, 33},
        {"too long a delay leaves one zero unit", {Down(0x41), Delay(6553600), Up(0x41)}, 1,
         {0x00, 0x01, 0x01, 0x04, 0x00, 0x00, 0x81, 0x04}, 6, 33},
        {"first delay in 100 ms units", {Delay(250), Down(0x0D)}, 1, {0x00, 0x01, 0x00, 0x03, 0x00, 0x02, 0x01, 0x28}, 8, 33},
        {"move", {Move(-3, 5)}, 1, {0x00, 0x01, 0x00, 0x06, 0x00, 0x03, 0x00, 0x07, 0x00, 0x05}, 10, 33},
        {"delay after a move uses the long form", {Move(1, -1), Delay(45)}, 1,
         {0x00, 0x01, 0x00, 0x05, 0x00, 0x01, 0x00, 0x08, 0x00, 0x01, 0x00, 0x01, 0x00, 0x02}, 14, 33},
        {"unknown event leaves a zero unit", {0x12000000, Down(0x41)}, 1, {0x00, 0x01, 0x00, 0x00, 0x01, 0x04}, 4, 33},
        {"key without usage", {Down(0xFE)}, 1, {0x00, 0x01, 0x01, 0x00}, 4, 33},
        {"short delays never reach the up/down bit", {Down(0x41), Delay(1000), Delay(1000)}, 1,
         {0x00, 0x01, 0x65, 0x04, 0x00, 0x01, 0x00, 50}, 8, 33},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto macro = Macro(c.events, c.repeat);
        const auto encoded = EncodeMacro(*macro);
        ASSERT_TRUE(encoded);
        std::vector<uint8_t> expected(kMacroImageSize, 0);
        std::copy(c.bytes.begin(), c.bytes.end(), expected.begin());
        EXPECT_EQ(std::vector<uint8_t>(encoded->image.bytes.begin(), encoded->image.bytes.end()), expected);
        EXPECT_EQ(encoded->usedLength, c.usedLength);
        EXPECT_EQ(encoded->LengthCode(), c.result);
    }
}

TEST(MacroEncoder, PadsToTheNextMultipleOf32) {
    struct Pad { std::size_t keys; uint32_t used; uint32_t result; };
    // header 2 bytes + 2 per key
    const Pad pads[] = {{15, 32, 65}, {31, 64, 97}, {10, 22, 33}, {495, 992, 1025}, {511, 1024, 1025}};
    for (const Pad& p : pads) {
        const auto macro = Macro(std::vector<uint32_t>(p.keys, Down(0x41)));
        const auto encoded = EncodeMacro(*macro);
        ASSERT_TRUE(encoded);
        EXPECT_EQ(encoded->usedLength, p.used);
        EXPECT_EQ(encoded->LengthCode(), p.result);
    }
}

TEST(MacroEncoder, RefusesRecordsBeyondTheImage) {
    const auto fits = Macro(std::vector<uint32_t>(511, Down(0x41)));
    EXPECT_TRUE(EncodeMacro(*fits));

    const auto tooMany = Macro(std::vector<uint32_t>(512, Down(0x41)));
    const auto refused = EncodeMacro(*tooMany);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Failure().kind, ErrorKind::kTooLarge);
    EXPECT_NE(refused.Failure().message.find("too long"), std::string::npos);

    std::vector<uint32_t> moves(128, Move(1, 1));  // 128 × 4 units after the header
    const auto tooManyMoves = Macro(moves);
    EXPECT_FALSE(EncodeMacro(*tooManyMoves));

    auto corrupt = Macro({Down(0x41)});
    corrupt->dwEventCount = 0xFFFFFFFF;  // never read past the 1000 events
    EXPECT_FALSE(EncodeMacro(*corrupt));
}

TEST(MacroEncoder, UsageTableFollowsVirtualKeyOrder) {
    struct Pair { uint32_t vk; uint8_t usage; };
    const Pair pairs[] = {{0x0D, 0x28}, {0x00, 0x00}, {0x41, 0x04}, {0x30, 0x27}, {0x70, 0x3A}, {0x7B, 0x45},
                          {0x6F, 0x54}, {0x60, 0x62}, {0x5D, 0x65}, {0xA2, 0xE0}, {0x5C, 0xE7}, {0x04, 0xF2},
                          {0xC0, 0x35}, {0x90, 0x53}, {0xFF, 0x00}};
    for (const Pair& p : pairs) EXPECT_EQ(MacroUsageOfVirtualKey(p.vk), p.usage) << std::hex << p.vk;
}

}  // namespace
}  // namespace oryn7px
