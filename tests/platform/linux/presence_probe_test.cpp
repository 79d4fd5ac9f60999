#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/interfaces/device_presence.h"
#include "platform/linux/sysfs_bootloader_probe.h"
#include "platform/linux/udev_device_presence.h"

namespace oryn7px {
namespace {

namespace fs = std::filesystem;

class FakeSysfs : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("oryn7px-sysfs-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "bus/usb/devices");
    }
    void TearDown() override { fs::remove_all(root_); }

    void AddUsbDevice(const std::string& name, const std::string& vendor, const std::string& product) {
        const fs::path dir = root_ / "bus/usb/devices" / name;
        fs::create_directories(dir);
        std::ofstream(dir / "idVendor") << vendor << "\n";
        std::ofstream(dir / "idProduct") << product << "\n";
    }

    fs::path root_;
};

TEST_F(FakeSysfs, BootloaderFoundOnlyByItsOwnIds) {
    SysfsBootloaderProbe probe(root_);
    EXPECT_FALSE(probe.IsBootloaderPresent());
    AddUsbDevice("1-1", "7f1d", "2c05");  // the mouse in normal mode
    AddUsbDevice("usb1", "1d6b", "0002");
    fs::create_directories(root_ / "bus/usb/devices/1-1:1.0");  // interfaces carry no IDs
    EXPECT_FALSE(probe.IsBootloaderPresent());
    AddUsbDevice("1-2", "04D9", "8022");
    EXPECT_TRUE(probe.IsBootloaderPresent());
}

TEST(BootloaderProbe, MissingSysfsMeansNoBootloader) {
    SysfsBootloaderProbe probe("/nonexistent-sysfs-root");
    EXPECT_FALSE(probe.IsBootloaderPresent());
}

TEST(DevicePresence, InterfaceNamesOfTheMouse) {
    struct Case { std::string hidId; std::string name; bool mouse; };
    const Case cases[] = {
        {"0003:00007F1D:00002C05", "VID_7F1D&PID_2C05", true},
        {"0003:00007f1d:00002c05", "VID_7F1D&PID_2C05", true},
        {"0003:000004D9:00008022", "VID_04D9&PID_8022", false},
        {"garbage", "", false},
        {"0003:00017F1D:00002C05", "", false},
        {"0003:00007F1D:00002C05trailing", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InterfaceNameFromHidId(c.hidId), c.name) << c.hidId;
        EXPECT_EQ(IsMouseInterfaceName(c.name), c.mouse) << c.hidId;
    }
    EXPECT_TRUE(IsMouseInterfaceName(R"(\\?\HID#vid_7f1d&pid_2c05&mi_01#7&1)"));
}

}  // namespace
}  // namespace oryn7px
