#include "platform/linux/x11_pointer_settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace oryn7px {
namespace {

namespace fs = std::filesystem;

TEST(X11PointerSettings, WheelLinesAreKeptInTheUsersFileAndNoticedOnce) {
    char pattern[] = "/tmp/oryn7px-pointer-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path file = fs::path(pattern) / "TAVIK" / "ORYN7PX" / "pointer.ini";
    int notices = 0;
    X11PointerSettings settings(file, [&](const std::string&) { ++notices; });
    EXPECT_FALSE(settings.WheelLines());
    EXPECT_TRUE(settings.SetWheelLines(7));
    EXPECT_TRUE(settings.SetWheelLines(-1));
    EXPECT_EQ(settings.WheelLines(), -1);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator{}), 1);
    fs::remove_all(pattern);
}

TEST(X11PointerSettings, WheelLinesThatCannotBeKeptAreNeverSaidToBe) {
    char pattern[] = "/tmp/oryn7px-pointer-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path file = fs::path(pattern) / "pointer.ini";
    fs::create_directory(file);  // a folder where the file belongs
    std::vector<std::string> notices;
    X11PointerSettings settings(file, [&](const std::string& notice) { notices.push_back(notice); });
    EXPECT_FALSE(settings.SetWheelLines(7));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].find("kept in"), std::string::npos) << notices[0];
    EXPECT_NE(notices[0].find("could not be kept: " + file.string()), std::string::npos) << notices[0];
    fs::remove_all(pattern);
}

class X11PointerDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        display = XOpenDisplay(nullptr);
        if (!display) GTEST_SKIP() << "no X11 display";
        int count = 0;
        XIDeviceInfo* devices = XIQueryDevice(display, XIAllDevices, &count);
        for (int i = 0; i < count; ++i) {
            if (devices[i].use == XISlavePointer && !std::strstr(devices[i].name, "XTEST")) mouse = devices[i].deviceid;
        }
        XIFreeDeviceInfo(devices);
        if (mouse < 0) GTEST_SKIP() << "no pointer device";
    }
    void TearDown() override {
        if (display) XCloseDisplay(display);
    }

    Display* display = nullptr;
    int mouse = -1;
    X11PointerSettings settings{"/nonexistent/pointer.ini", {}};
};

TEST_F(X11PointerDisplayTest, DevicesWithoutLibinputGetCorePointerControl) {
    EXPECT_TRUE(settings.SetEnhancePrecision(true));
    EXPECT_TRUE(settings.SetPointerSpeed(15));
    int numerator = 0, denominator = 0, threshold = 0;
    XGetPointerControl(display, &numerator, &denominator, &threshold);
    EXPECT_EQ(static_cast<double>(numerator) / denominator, 3.0);
    EXPECT_EQ(threshold, 6);
    EXPECT_TRUE(settings.SetEnhancePrecision(false));
    EXPECT_TRUE(settings.SetPointerSpeed(10));
    XGetPointerControl(display, &numerator, &denominator, &threshold);
    EXPECT_EQ(static_cast<double>(numerator) / denominator, 1.0);
    EXPECT_EQ(threshold, 1);
}

TEST_F(X11PointerDisplayTest, LibinputDevicesGetSpeedAndProfileProperties) {
    const Atom speed = XInternAtom(display, "libinput Accel Speed", False);
    const Atom profile = XInternAtom(display, "libinput Accel Profile Enabled", False);
    const Atom floatAtom = XInternAtom(display, "FLOAT", False);
    float zero = 0;
    long item = 0;
    std::memcpy(&item, &zero, sizeof zero);
    XIChangeProperty(display, mouse, speed, floatAtom, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&item), 1);
    unsigned char profiles[3] = {0, 1, 0};
    XIChangeProperty(display, mouse, profile, XA_INTEGER, 8, PropModeReplace, profiles, 3);
    XSync(display, False);

    EXPECT_TRUE(settings.SetEnhancePrecision(true));
    EXPECT_TRUE(settings.SetPointerSpeed(20));

    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    ASSERT_EQ(XIGetProperty(display, mouse, speed, 0, 1, False, floatAtom, &type, &format, &count, &after, &data), Success);
    float value = 0;
    std::memcpy(&value, data, sizeof value);
    XFree(data);
    EXPECT_FLOAT_EQ(value, 1.0f);
    ASSERT_EQ(XIGetProperty(display, mouse, profile, 0, 3, False, XA_INTEGER, &type, &format, &count, &after, &data),
              Success);
    ASSERT_EQ(count, 3u);
    EXPECT_EQ(std::vector<unsigned char>(data, data + 3), (std::vector<unsigned char>{1, 0, 0}));
    XFree(data);

    XIDeleteProperty(display, mouse, speed);
    XIDeleteProperty(display, mouse, profile);
    XSync(display, False);
}

}  // namespace
}  // namespace oryn7px
