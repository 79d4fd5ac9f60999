#include "platform/linux/x11_pointer_settings.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string_view>
#include <vector>

#include "core/base/product_identity.h"
#include "platform/linux/libinput_speed.h"
#include "platform/linux/linux_file_writer.h"
#include "platform/linux/linux_paths.h"
#include "platform/linux/x11_errors.h"

// X headers last: their macros clash with everything else.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace oryn7px {

namespace {

constexpr std::string_view kWheelKey = "WheelScrollLines=";

// Replaces a device property's values, keeping the type and format the device gave it.
bool WriteFloatProperty(Display* display, int device, Atom property, float value) {
    Atom floatAtom = XInternAtom(display, "FLOAT", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XIGetProperty(display, device, property, 0, 1, False, AnyPropertyType, &type, &format, &count, &after,
                      &data) != Success) {
        return false;
    }
    XFree(data);
    if (type != floatAtom || format != 32 || count < 1) return false;
    static_assert(sizeof(float) == 4);
    long item = 0;  // Xlib passes format-32 items in longs
    std::memcpy(&item, &value, sizeof value);
    XIChangeProperty(display, device, property, floatAtom, 32, PropModeReplace,
                     reinterpret_cast<unsigned char*>(&item), 1);
    return true;
}

bool WriteProfileProperty(Display* display, int device, Atom property, bool adaptive) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XIGetProperty(display, device, property, 0, 8, False, XA_INTEGER, &type, &format, &count, &after, &data) !=
        Success) {
        return false;
    }
    std::vector<unsigned char> profiles(data, data + (format == 8 ? count : 0));
    XFree(data);
    if (type != XA_INTEGER || format != 8 || profiles.size() < 2) return false;
    std::fill(profiles.begin(), profiles.end(), 0);
    profiles[adaptive ? 0 : 1] = 1;
    XIChangeProperty(display, device, property, XA_INTEGER, 8, PropModeReplace, profiles.data(),
                     static_cast<int>(profiles.size()));
    return true;
}

bool HasProperty(Display* display, int device, Atom property) {
    int count = 0;
    Atom* properties = XIListProperties(display, device, &count);
    const bool found = std::find(properties, properties + count, property) != properties + count;
    XFree(properties);
    return found;
}

}  // namespace

X11PointerSettings::X11PointerSettings(std::filesystem::path wheelLinesFile,
                                       std::function<void(const std::string&)> notice)
    : wheelLinesFile_(std::move(wheelLinesFile)), notice_(std::move(notice)) {}

bool X11PointerSettings::SetEnhancePrecision(bool on) {
    enhancePrecision_ = on;
    return Apply();
}

bool X11PointerSettings::SetPointerSpeed(int32_t speed) {
    speed_ = std::clamp(speed, 1, 20);
    return Apply();
}

bool X11PointerSettings::SetWheelLines(int32_t lines) {
    std::error_code error;
    std::filesystem::create_directories(wheelLinesFile_.parent_path(), error);
    const std::string content = std::string(kWheelKey) + std::to_string(lines) + "\n";
    // auto: X11 defines Status as a macro.
    const auto written = LinuxFileWriter().ReplaceFile(
        wheelLinesFile_, std::span(reinterpret_cast<const uint8_t*>(content.data()), content.size()));
    // Said once when the value is kept; every time it is not.
    if (notice_ && !written) {
        notice_("X11 has no system wheel-lines setting, and the value could not be kept: " + written.Failure().message);
    } else if (notice_ && !wheelNoticeGiven_) {
        notice_("X11 has no system wheel-lines setting; the value is kept in " + wheelLinesFile_.string());
        wheelNoticeGiven_ = true;
    }
    return written.Ok();
}

std::optional<int32_t> X11PointerSettings::WheelLines() const {
    std::ifstream in(wheelLinesFile_);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.starts_with(kWheelKey)) continue;
        try {
            return std::stoi(line.substr(kWheelKey.size()));
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool X11PointerSettings::Apply() {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return false;
    InstallX11ErrorTrap();
    Display* display = XOpenDisplay(name);
    if (!display) return false;
    const Atom speedAtom = XInternAtom(display, "libinput Accel Speed", False);
    const Atom profileAtom = XInternAtom(display, "libinput Accel Profile Enabled", False);
    int deviceCount = 0;
    XIDeviceInfo* devices = XIQueryDevice(display, XIAllDevices, &deviceCount);
    bool ok = true;
    bool needsCoreControl = false;
    for (int i = 0; i < deviceCount; ++i) {
        const XIDeviceInfo& device = devices[i];
        if (device.use != XISlavePointer && device.use != XIFloatingSlave) continue;
        // The XTEST pointer only replays synthetic input.
        if (std::strstr(device.name, "XTEST")) continue;
        if (!HasProperty(display, device.deviceid, speedAtom)) {
            needsCoreControl = true;
            continue;
        }
        ok &= WriteFloatProperty(display, device.deviceid, speedAtom, static_cast<float>(LibinputSpeed(speed_)));
        if (HasProperty(display, device.deviceid, profileAtom)) {
            ok &= WriteProfileProperty(display, device.deviceid, profileAtom, enhancePrecision_);
        }
    }
    if (devices) XIFreeDeviceInfo(devices);
    if (needsCoreControl) {
        // Without libinput: speed scales the motion, precision accelerates only quick moves.
        XChangePointerControl(display, True, True, speed_ * (enhancePrecision_ ? 2 : 1), 10,
                              enhancePrecision_ ? 6 : 1);
    }
    ok &= TakeX11Errors(display).empty();
    XCloseDisplay(display);
    return ok;
}

std::filesystem::path DefaultWheelLinesFile() {
    const std::filesystem::path configHome = LinuxConfigHome(ProcessEnvironment);
    return configHome.empty() ? configHome : configHome / ProductFolder() / "pointer.ini";
}

}  // namespace oryn7px
