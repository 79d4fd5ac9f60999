#include "core/device/protocol/lighting_encoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace oryn7px {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Feature(const DeviceCommand& command) { return {command.feature.begin(), command.feature.end()}; }

LightingSettings Lighting(int32_t mode, int32_t option = 0) {
    LightingSettings lighting;
    lighting.mode = mode;
    lighting.steadyBrightness = 7;
    lighting.breathingSpeed = 4;
    lighting.colorCycleSpeed = 3;
    lighting.colorCycleOption = option;
    return lighting;
}

TEST(LightingEncoder, EffectTripleAndColoursOfEveryLightMode) {
    struct Case {
        int32_t mode;
        int32_t option;
        EffectTriple effect;
        bool singleColor;
        bool colorTable;
    };
    const Case cases[] = {
        {1, 0, {1, 7, 1}, true, false},   {2, 0, {2, 4, 1}, true, false},   {3, 0, {3, 2, 3}, false, false},
        {4, 0, {4, 10, 2}, false, false}, {5, 0, {5, 3, 0}, false, false},  {5, 1, {5, 3, 1}, false, true},
        {5, 2, {5, 3, 2}, false, false},  {6, 0, {0, 0, 0}, false, false},  {6, 1, {0, 0, 0}, false, false},
        {0, 0, {0, 0, 0}, false, false},  {7, 1, {0, 0, 0}, false, false},  {-1, 0, {0, 0, 0}, false, false},
        {255, 0, {0, 0, 0}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " option " << c.option);
        const LightingSettings lighting = Lighting(c.mode, c.option);
        EXPECT_EQ(EffectOf(lighting), c.effect);
        EXPECT_EQ(UsesSingleColor(lighting), c.singleColor);
        EXPECT_EQ(UsesColorTable(lighting), c.colorTable);
    }
}

TEST(LightingEncoder, EffectBytesAreTheLowBytesOfTheTriple) {
    EXPECT_EQ(Feature(EncodeEffect({5, 3, 1})), (Bytes{0x0D, 0x01, 5, 3, 1}));
    EXPECT_EQ(Feature(EncodeEffect({0x105, 0xFFFFFFFF, 256})), (Bytes{0x0D, 0x01, 5, 0xFF, 0}));
    EXPECT_TRUE(EncodeEffect({1, 2, 3}).data.empty());
}

TEST(LightingEncoder, SingleColourSendsGreenRedBlue) {
    struct Case {
        RgbColor color;
        Bytes feature;
    };
    const Case cases[] = {
        {{0xFA, 0x05, 0x7E}, {0x0C, 0x01, 0x05, 0xFA, 0x7E}},
        {{0, 0, 0}, {0x0C, 0x01, 0, 0, 0}},
        {{255, 255, 255}, {0x0C, 0x01, 255, 255, 255}},
        {{255, 0, 0}, {0x0C, 0x01, 0, 255, 0}},
        {{0, 255, 0}, {0x0C, 0x01, 255, 0, 0}},
        {{0, 0, 255}, {0x0C, 0x01, 0, 0, 255}},
    };
    for (const Case& c : cases) EXPECT_EQ(Feature(EncodeSingleColor(c.color)), c.feature);
}

TEST(LightingEncoder, ColourTableKeepsRedGreenBlueThenZeros) {
    const DeviceCommand table = EncodeColorTable({RgbColor{0, 0, 0}, RgbColor{255, 255, 255}, RgbColor{1, 2, 3},
                                                  RgbColor{255, 0, 128}});
    EXPECT_EQ(Feature(table), (Bytes{0x09, 0x01, 0x00, 0x20, 0x00}));
    Bytes expected(32, 0);
    const Bytes colours = {0, 0, 0, 255, 255, 255, 1, 2, 3, 255, 0, 128};
    std::copy(colours.begin(), colours.end(), expected.begin());
    EXPECT_EQ(table.data, expected);
}

TEST(LightingEncoder, TouchByte) {
    struct Case {
        int32_t touch;
        int32_t lightMode;
        uint8_t sent;
    };
    const Case cases[] = {
        {0, 1, 0x00}, {1, 1, 0x80}, {2, 1, 0x90}, {1, 5, 0x80}, {2, 6, 0x00}, {1, 6, 0x00},
        {3, 1, 0x00}, {5, 2, 0x00}, {-1, 1, 0x00}, {256 + 1, 1, 0x00}, {2, 0, 0x90}, {1, 7, 0x80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "touch " << c.touch << " mode " << c.lightMode);
        EXPECT_EQ(Feature(EncodeTouch(c.touch, c.lightMode)), (Bytes{0x03, c.sent, 0, 0, 0}));
    }
}

}  // namespace
}  // namespace oryn7px
