#include <gtest/gtest.h>

#include "core/device/usb_driver.h"
#include "fake_hid_backend.h"

namespace oryn7px {
namespace {

using testing::FakeHidBackend;
using testing::MouseInterface;

HidInterfaceInfo Collection(std::string path, std::vector<HidValueCaps> caps, uint16_t vid = 0x7F1D) {
    return HidInterfaceInfo{std::move(path), vid, 0x2C05, std::move(caps)};
}

class DiscoveryTest : public ::testing::Test {
protected:
    VirtualClock clock;
    FakeHidBackend backend{clock};
    CUSBDriver driver{backend, clock};
};

TEST_F(DiscoveryTest, OpensOnlyTheVendorCollectionOfAMouseWithSeveralInterfaces) {
    backend.interfaces = {
        MouseInterface("other-vendor", 1, 8, 0x046D, 0x2C05),  // right usage, wrong vendor
        Collection("keyboard", {HidValueCaps{0x0C, 0x01, 0x01, 3, 16, 1}}),
        Collection("pointer", {}),
        Collection("vendor", {HidValueCaps{0xFF01, 0x10, 0x10, 6, 8, 4}, HidValueCaps{0xFF01, 0x22, 0x22, 7, 8, 32}}),
    };
    ASSERT_TRUE(driver.InitLink());
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_TRUE(driver.IsOpen());
    EXPECT_EQ(driver.DevicePath(), "vendor");
    EXPECT_EQ(driver.ReportId(), 7);
    EXPECT_EQ(driver.ReportCount(), 32);
    EXPECT_EQ(backend.opens, (std::vector<std::string>{"vendor:r", "vendor:w"}));
    EXPECT_EQ(backend.openHandles, 2);
}

TEST_F(DiscoveryTest, UsageRangeHoldingTheVendorUsageMatches) {
    backend.interfaces = {Collection("ranged", {HidValueCaps{0xFF01, 0x20, 0x2F, 2, 8, 16}})};
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_EQ(driver.ReportCount(), 16);
}

TEST_F(DiscoveryTest, FirstOfTwoMiceWins) {
    backend.interfaces = {MouseInterface("mouse-a", 1, 8), MouseInterface("mouse-b", 2, 16)};
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_EQ(driver.DevicePath(), "mouse-a");
    EXPECT_EQ(driver.ReportId(), 1);
}

TEST_F(DiscoveryTest, MouseThatCannotBeOpenedIsSkippedWithBothHandlesClosed) {
    backend.interfaces = {MouseInterface("mouse-a", 1, 8), MouseInterface("mouse-b", 2, 16)};
    backend.unopenable = {"mouse-a"};
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_EQ(driver.DevicePath(), "mouse-b");
    EXPECT_EQ(backend.openHandles, 2);
}

TEST_F(DiscoveryTest, ReportsLongerThanTheCommandBufferAreNotOurs) {
    backend.interfaces = {MouseInterface("too-long", 1, 255), MouseInterface("longest", 2, 254)};
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_EQ(driver.DevicePath(), "longest");
}

TEST_F(DiscoveryTest, NoMouseLeavesTheLinkClosed) {
    backend.interfaces = {Collection("pointer", {}), MouseInterface("foreign", 1, 8, 0x1234, 0x2C05)};
    EXPECT_FALSE(driver.OpenDevice());
    EXPECT_FALSE(driver.IsOpen());
    EXPECT_EQ(backend.openHandles, 0);
}

TEST_F(DiscoveryTest, ReopenClosesTheOldHandlesFirst) {
    backend.interfaces = {MouseInterface("mouse-a", 1, 8)};
    ASSERT_TRUE(driver.OpenDevice());
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_EQ(backend.openHandles, 2);
    backend.interfaces.clear();
    EXPECT_FALSE(driver.OpenDevice());
    EXPECT_EQ(backend.openHandles, 0);
    // Report ID and count keep the values of the last successful open.
    EXPECT_EQ(driver.ReportId(), 1);
}

TEST_F(DiscoveryTest, StartUpTriesTenTimesHalfASecondApart) {
    EXPECT_FALSE(OpenDeviceRetrying(driver, clock, 10, 500));
    EXPECT_EQ(clock.Pauses(), std::vector<uint32_t>(9, 500));

    clock.ClearPauses();
    backend.interfaces = {MouseInterface("mouse-a", 1, 8)};
    EXPECT_TRUE(OpenDeviceRetrying(driver, clock, 10, 500));
    EXPECT_TRUE(clock.Pauses().empty());
}

}  // namespace
}  // namespace oryn7px
