#include "platform/linux/kde_pointer_settings.h"

#include <gio/gio.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/device/usb_driver.h"
#include "platform/linux/libinput_speed.h"

namespace oryn7px {

namespace {

constexpr const char* kService = "org.kde.KWin";
constexpr const char* kManagerPath = "/org/kde/KWin/InputDevice";
constexpr const char* kManagerInterface = "org.kde.KWin.InputDeviceManager";
constexpr const char* kDeviceInterface = "org.kde.KWin.InputDevice";
constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";
constexpr int kBusTimeoutMs = 3000;
// KWin scrolls this many lines per notch before applying the scroll factor.
constexpr double kKWinLinesPerNotch = 3.0;

struct VariantUnref {
    void operator()(GVariant* value) const { g_variant_unref(value); }
};
using Variant = std::unique_ptr<GVariant, VariantUnref>;

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using Bus = std::unique_ptr<GDBusConnection, ObjectUnref>;

// A property value of the expected type; null when KWin does not answer or sends another type.
Variant GetProperty(GDBusConnection* bus, const char* path, const char* interface, const char* name,
                    const GVariantType* type) {
    GVariant* reply = g_dbus_connection_call_sync(bus, kService, path, kPropertiesInterface, "Get",
                                                  g_variant_new("(ss)", interface, name), G_VARIANT_TYPE("(v)"),
                                                  G_DBUS_CALL_FLAGS_NO_AUTO_START, kBusTimeoutMs, nullptr, nullptr);
    if (!reply) return nullptr;
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    g_variant_unref(reply);
    Variant owned(value);
    if (!g_variant_is_of_type(value, type)) return nullptr;
    return owned;
}

bool SetProperty(GDBusConnection* bus, const char* path, const char* name, GVariant* value) {
    GVariant* reply = g_dbus_connection_call_sync(bus, kService, path, kPropertiesInterface, "Set",
                                                  g_variant_new("(ssv)", kDeviceInterface, name, value), nullptr,
                                                  G_DBUS_CALL_FLAGS_NO_AUTO_START, kBusTimeoutMs, nullptr, nullptr);
    if (!reply) return false;
    g_variant_unref(reply);
    return true;
}

uint32_t DeviceNumber(GDBusConnection* bus, const char* path, const char* name) {
    const Variant value = GetProperty(bus, path, kDeviceInterface, name, G_VARIANT_TYPE_UINT32);
    return value ? g_variant_get_uint32(value.get()) : 0;
}

// The core keeps the mouse's IDs as text.
bool IsMousePointer(GDBusConnection* bus, const char* path) {
    static const uint32_t vendor = std::strtoul(kMouseVendorIdText, nullptr, 16);
    static const uint32_t product = std::strtoul(kMouseProductIdText, nullptr, 16);
    if (DeviceNumber(bus, path, "vendor") != vendor || DeviceNumber(bus, path, "product") != product) return false;
    const Variant pointer = GetProperty(bus, path, kDeviceInterface, "pointer", G_VARIANT_TYPE_BOOLEAN);
    return pointer && g_variant_get_boolean(pointer.get());
}

// A device name KWin may list must be one object-path element; anything else is skipped rather
// than handed to GDBus, which rejects malformed paths with a critical warning.
bool IsPathElement(std::string_view name) {
    if (name.empty()) return false;
    for (const char c : name) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!allowed) return false;
    }
    return true;
}

// The object paths of the mouse's pointer devices that KWin has now.
std::vector<std::string> MousePointerPaths(GDBusConnection* bus) {
    std::vector<std::string> paths;
    const Variant names =
        GetProperty(bus, kManagerPath, kManagerInterface, "devicesSysNames", G_VARIANT_TYPE_STRING_ARRAY);
    if (!names) return paths;
    gsize count = 0;
    const gchar** sysNames = g_variant_get_strv(names.get(), &count);
    for (gsize i = 0; i < count; ++i) {
        if (!IsPathElement(sysNames[i])) continue;
        std::string path = std::string(kManagerPath) + "/" + sysNames[i];
        if (IsMousePointer(bus, path.c_str())) paths.push_back(std::move(path));
    }
    g_free(sysNames);
    return paths;
}

struct Property {
    const char* name;
    GVariant* value;  // floating: consumed by SetOnMousePointers
};

// True when the mouse has a pointer device and KWin took every property on each of them.
bool SetOnMousePointers(std::initializer_list<Property> properties) {
    std::vector<Variant> owned;
    for (const Property& property : properties) owned.emplace_back(g_variant_ref_sink(property.value));
    const Bus bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr));
    if (!bus) return false;
    const std::vector<std::string> paths = MousePointerPaths(bus.get());
    bool ok = !paths.empty();
    for (const std::string& path : paths) {
        for (const Property& property : properties) {
            ok &= SetProperty(bus.get(), path.c_str(), property.name, property.value);
        }
    }
    return ok;
}

}  // namespace

bool KdePointerSettings::SetEnhancePrecision(bool on) {
    // KWin keeps one profile: both flags say the same, so either order of applying them ends on it.
    return SetOnMousePointers({{"pointerAccelerationProfileFlat", g_variant_new_boolean(!on)},
                               {"pointerAccelerationProfileAdaptive", g_variant_new_boolean(on)}});
}

bool KdePointerSettings::SetPointerSpeed(int32_t speed) {
    return SetOnMousePointers({{"pointerAcceleration", g_variant_new_double(LibinputSpeed(speed))}});
}

bool KdePointerSettings::SetWheelLines(int32_t lines) {
    if (lines < 1 || lines > 30) return false;
    const double factor = lines / kKWinLinesPerNotch;
    return SetOnMousePointers({{"scrollFactor", g_variant_new_double(factor)}});
}

}  // namespace oryn7px
