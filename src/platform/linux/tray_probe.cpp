#include "platform/linux/tray_probe.h"

#include <gio/gio.h>

#include <cstdlib>
#include <string>

// X headers last: their macros clash with everything else.
#include <X11/Xlib.h>

namespace oryn7px {

namespace {

constexpr int kBusTimeoutMs = 1000;

bool StatusNotifierHostRegistered() {
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (!bus) return false;
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties", "Get",
        g_variant_new("(ss)", "org.kde.StatusNotifierWatcher", "IsStatusNotifierHostRegistered"),
        G_VARIANT_TYPE("(v)"), G_DBUS_CALL_FLAGS_NO_AUTO_START, kBusTimeoutMs, nullptr, nullptr);
    g_object_unref(bus);
    if (!reply) return false;
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    const bool registered = g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
    g_variant_unref(value);
    g_variant_unref(reply);
    return registered;
}

bool XEmbedTrayManagerPresent() {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return false;
    Display* display = XOpenDisplay(name);
    if (!display) return false;
    const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(display));
    const Atom atom = XInternAtom(display, selection.c_str(), False);
    const bool present = XGetSelectionOwner(display, atom) != 0;
    XCloseDisplay(display);
    return present;
}

}  // namespace

bool DesktopShowsTray() { return StatusNotifierHostRegistered() || XEmbedTrayManagerPresent(); }

}  // namespace oryn7px
