#include "platform/linux/kde_pointer_settings.h"

#include <gtest/gtest.h>

#include <memory>

#include "fake_kwin.h"
#include "private_bus.h"

namespace oryn7px {
namespace {

constexpr uint32_t kVendor = 0x7F1D;
constexpr uint32_t kProduct = 0x2C05;

// The mouse's pointer, its own keyboard interface (not a pointer) and another vendor's mouse.
const FakeInputDevice kMousePointer{"event5", kVendor, kProduct, true};
const FakeInputDevice kMouseKeys{"event6", kVendor, kProduct, false};
const FakeInputDevice kOtherMouse{"event7", 0x046D, 0xC077, true};

class KdePointerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrivateBusFailure().empty()) GTEST_SKIP() << PrivateBusFailure();
    }

    // KWin with these devices, plus names listed with no device behind them.
    void StartKWin(std::vector<FakeInputDevice> devices) {
        kwin = std::make_unique<FakeKWin>(std::move(devices),
                                          std::vector<std::string>{"event9", "", "../event5", "event5/x"});
        ASSERT_EQ(kwin->Failure(), "");
    }

    KdePointerSettings settings;
    std::unique_ptr<FakeKWin> kwin;
};

TEST_F(KdePointerSettingsTest, SettingsReachOnlyTheMousesPointer) {
    StartKWin({kMousePointer, kMouseKeys, kOtherMouse});

    EXPECT_TRUE(settings.SetPointerSpeed(20));
    EXPECT_EQ(kwin->Number("event5", "pointerAcceleration"), 1.0);
    EXPECT_TRUE(settings.SetPointerSpeed(1));
    EXPECT_EQ(kwin->Number("event5", "pointerAcceleration"), -1.0);
    EXPECT_TRUE(settings.SetPointerSpeed(10));
    EXPECT_DOUBLE_EQ(kwin->Number("event5", "pointerAcceleration").value_or(99), -1.0 / 19.0);

    EXPECT_TRUE(settings.SetEnhancePrecision(false));
    EXPECT_EQ(kwin->Flag("event5", "pointerAccelerationProfileFlat"), true);
    EXPECT_EQ(kwin->Flag("event5", "pointerAccelerationProfileAdaptive"), false);
    EXPECT_TRUE(settings.SetEnhancePrecision(true));
    EXPECT_EQ(kwin->Flag("event5", "pointerAccelerationProfileFlat"), false);
    EXPECT_EQ(kwin->Flag("event5", "pointerAccelerationProfileAdaptive"), true);

    EXPECT_TRUE(settings.SetWheelLines(6));
    EXPECT_EQ(kwin->Number("event5", "scrollFactor"), 2.0);

    EXPECT_EQ(kwin->Writes("event5"), 8);
    EXPECT_EQ(kwin->Writes("event6"), 0);
    EXPECT_EQ(kwin->Writes("event7"), 0);
    EXPECT_EQ(kwin->Number("event7", "pointerAcceleration"), 0.0);
    EXPECT_EQ(kwin->Number("event7", "scrollFactor"), 1.0);
}

TEST_F(KdePointerSettingsTest, WheelLinesBecomeKWinsScrollFactor) {
    StartKWin({kMousePointer});
    const struct {
        int32_t lines;
        double factor;
    } cases[] = {{1, 1.0 / 3.0}, {3, 1.0}, {6, 2.0}, {30, 10.0}};
    for (const auto& c : cases) {
        EXPECT_TRUE(settings.SetWheelLines(c.lines)) << c.lines;
        EXPECT_DOUBLE_EQ(kwin->Number("event5", "scrollFactor").value_or(-1), c.factor) << c.lines;
    }
    // One screen per notch has no scroll factor; values out of range are refused as well.
    for (const int32_t lines : {-1, 0, 31, -7}) EXPECT_FALSE(settings.SetWheelLines(lines)) << lines;
    EXPECT_EQ(kwin->Number("event5", "scrollFactor"), 10.0);
    EXPECT_EQ(kwin->Writes("event5"), 4);
}

TEST_F(KdePointerSettingsTest, WithoutTheMouseEveryCallFailsAndNothingChanges) {
    StartKWin({kMouseKeys, kOtherMouse});
    EXPECT_FALSE(settings.SetPointerSpeed(15));
    EXPECT_FALSE(settings.SetEnhancePrecision(false));
    EXPECT_FALSE(settings.SetWheelLines(6));
    EXPECT_EQ(kwin->Writes("event6"), 0);
    EXPECT_EQ(kwin->Writes("event7"), 0);
}

TEST_F(KdePointerSettingsTest, WithoutKWinEveryCallFails) {
    EXPECT_FALSE(settings.SetPointerSpeed(15));
    EXPECT_FALSE(settings.SetEnhancePrecision(true));
    EXPECT_FALSE(settings.SetWheelLines(6));
}

TEST_F(KdePointerSettingsTest, AMousePluggedInLaterIsFound) {
    StartKWin({kOtherMouse});
    EXPECT_FALSE(settings.SetPointerSpeed(20));
    kwin.reset();
    StartKWin({kOtherMouse, kMousePointer});
    EXPECT_TRUE(settings.SetPointerSpeed(20));
    EXPECT_EQ(kwin->Number("event5", "pointerAcceleration"), 1.0);
}

}  // namespace
}  // namespace oryn7px
