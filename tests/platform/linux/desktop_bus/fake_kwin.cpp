#include "fake_kwin.h"

#include <cstring>

namespace oryn7px {

namespace {

constexpr const char* kService = "org.kde.KWin";
constexpr const char* kManagerPath = "/org/kde/KWin/InputDevice";

constexpr const char* kIntrospection = R"(<node>
  <interface name="org.kde.KWin.InputDeviceManager">
    <property name="devicesSysNames" type="as" access="read"/>
  </interface>
  <interface name="org.kde.KWin.InputDevice">
    <property name="name" type="s" access="read"/>
    <property name="vendor" type="u" access="read"/>
    <property name="product" type="u" access="read"/>
    <property name="pointer" type="b" access="read"/>
    <property name="pointerAcceleration" type="d" access="readwrite"/>
    <property name="pointerAccelerationProfileFlat" type="b" access="readwrite"/>
    <property name="pointerAccelerationProfileAdaptive" type="b" access="readwrite"/>
    <property name="scrollFactor" type="d" access="readwrite"/>
  </interface>
</node>)";

std::string SysNameOf(const char* path) { return std::strrchr(path, '/') + 1; }

// Asks the bus itself; the reply's single number, or 0 when the call failed.
guint32 CallBus(GDBusConnection* connection, const char* method, GVariant* parameters) {
    GVariant* reply = g_dbus_connection_call_sync(connection, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                  "org.freedesktop.DBus", method, parameters, G_VARIANT_TYPE("(u)"),
                                                  G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr);
    if (!reply) return 0;
    guint32 answer = 0;
    g_variant_get(reply, "(u)", &answer);
    g_variant_unref(reply);
    return answer;
}

}  // namespace

FakeKWin::FakeKWin(std::vector<FakeInputDevice> devices, std::vector<std::string> unservedNames) {
    for (const FakeInputDevice& identity : devices) {
        listedNames_.push_back(identity.sysName);
        Device& device = devices_[identity.sysName];
        device.properties = {
            {"name", g_variant_new_string(("Fake mouse " + identity.sysName).c_str())},
            {"vendor", g_variant_new_uint32(identity.vendor)},
            {"product", g_variant_new_uint32(identity.product)},
            {"pointer", g_variant_new_boolean(identity.pointer)},
            {"pointerAcceleration", g_variant_new_double(0.0)},
            {"pointerAccelerationProfileFlat", g_variant_new_boolean(false)},
            {"pointerAccelerationProfileAdaptive", g_variant_new_boolean(true)},
            {"scrollFactor", g_variant_new_double(1.0)},
        };
        for (auto& [name, value] : device.properties) g_variant_ref_sink(value);
    }
    listedNames_.insert(listedNames_.end(), unservedNames.begin(), unservedNames.end());

    GError* error = nullptr;
    gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (!address) {
        failure_ = std::string("no session bus: ") + error->message;
        g_error_free(error);
        return;
    }
    context_ = g_main_context_new();
    loop_ = g_main_loop_new(context_, FALSE);
    std::promise<std::string> started;
    std::future<std::string> startFailure = started.get_future();
    thread_ = std::thread(&FakeKWin::Serve, this, std::string(address), std::move(started));
    g_free(address);
    failure_ = startFailure.get();
}

FakeKWin::~FakeKWin() {
    if (thread_.joinable()) {
        // An idle source quits the loop even if it has not started running yet.
        GSource* quit = g_idle_source_new();
        g_source_set_callback(
            quit,
            [](gpointer loop) -> gboolean {
                g_main_loop_quit(static_cast<GMainLoop*>(loop));
                return G_SOURCE_REMOVE;
            },
            loop_, nullptr);
        g_source_attach(quit, context_);
        g_source_unref(quit);
        thread_.join();
    }
    if (loop_) g_main_loop_unref(loop_);
    if (context_) g_main_context_unref(context_);
    for (auto& [sysName, device] : devices_) {
        for (auto& [name, value] : device.properties) g_variant_unref(value);
    }
}

std::optional<double> FakeKWin::Number(const std::string& sysName, const std::string& property) const {
    GVariant* value = Get(sysName, property);
    if (!value) return std::nullopt;
    std::optional<double> number;
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_DOUBLE)) number = g_variant_get_double(value);
    g_variant_unref(value);
    return number;
}

std::optional<bool> FakeKWin::Flag(const std::string& sysName, const std::string& property) const {
    GVariant* value = Get(sysName, property);
    if (!value) return std::nullopt;
    std::optional<bool> flag;
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN)) flag = g_variant_get_boolean(value);
    g_variant_unref(value);
    return flag;
}

int FakeKWin::Writes(const std::string& sysName) const {
    const std::lock_guard lock(mutex_);
    const auto device = devices_.find(sysName);
    return device == devices_.end() ? 0 : device->second.writes;
}

void FakeKWin::Serve(std::string address, std::promise<std::string> started) {
    g_main_context_push_thread_default(context_);
    GError* error = nullptr;
    GDBusConnection* connection = g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    std::vector<guint> registrations;
    std::string failure;
    if (!connection) {
        failure = std::string("cannot connect to the session bus: ") + error->message;
        g_error_free(error);
    } else {
        failure = Register(connection, registrations);
    }
    started.set_value(failure);
    if (failure.empty()) g_main_loop_run(loop_);
    if (connection) {
        // Released before the destructor returns, so the next caller finds no KWin at once.
        CallBus(connection, "ReleaseName", g_variant_new("(s)", kService));
        for (const guint registration : registrations) g_dbus_connection_unregister_object(connection, registration);
        g_dbus_connection_close_sync(connection, nullptr, nullptr);
        g_object_unref(connection);
    }
    g_main_context_pop_thread_default(context_);
}

std::string FakeKWin::Register(GDBusConnection* connection, std::vector<guint>& registrations) {
    static const GDBusInterfaceVTable managerCalls = {
        nullptr,
        [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GError**,
           gpointer self) -> GVariant* {
            std::vector<const gchar*> names;
            for (const std::string& name : static_cast<FakeKWin*>(self)->listedNames_) names.push_back(name.c_str());
            return g_variant_new_strv(names.data(), static_cast<gssize>(names.size()));
        },
        nullptr,
        {},
    };
    static const GDBusInterfaceVTable deviceCalls = {
        nullptr,
        [](GDBusConnection*, const gchar*, const gchar* path, const gchar*, const gchar* property, GError**,
           gpointer self) -> GVariant* { return static_cast<FakeKWin*>(self)->Get(SysNameOf(path), property); },
        [](GDBusConnection*, const gchar*, const gchar* path, const gchar*, const gchar* property, GVariant* value,
           GError**, gpointer self) -> gboolean {
            return static_cast<FakeKWin*>(self)->Set(SysNameOf(path), property, value);
        },
        {},
    };

    GError* error = nullptr;
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kIntrospection, &error);
    if (!node) {
        std::string failure = std::string("bad introspection data: ") + error->message;
        g_error_free(error);
        return failure;
    }
    auto add = [&](const std::string& path, const char* interface, const GDBusInterfaceVTable& calls) {
        const guint registration = g_dbus_connection_register_object(
            connection, path.c_str(), g_dbus_node_info_lookup_interface(node, interface), &calls, this, nullptr,
            nullptr);
        if (registration != 0) registrations.push_back(registration);
        return registration != 0;
    };
    bool registered = add(kManagerPath, "org.kde.KWin.InputDeviceManager", managerCalls);
    for (const auto& [sysName, device] : devices_) {
        registered &= add(std::string(kManagerPath) + "/" + sysName, "org.kde.KWin.InputDevice", deviceCalls);
    }
    g_dbus_node_info_unref(node);
    if (!registered) return "cannot register the input device objects";
    constexpr guint32 kDoNotQueue = 4;
    constexpr guint32 kPrimaryOwner = 1;
    if (CallBus(connection, "RequestName", g_variant_new("(su)", kService, kDoNotQueue)) != kPrimaryOwner) {
        return std::string("cannot own ") + kService;
    }
    return {};
}

GVariant* FakeKWin::Get(const std::string& sysName, const std::string& property) const {
    const std::lock_guard lock(mutex_);
    const auto device = devices_.find(sysName);
    if (device == devices_.end()) return nullptr;
    const auto value = device->second.properties.find(property);
    return value == device->second.properties.end() ? nullptr : g_variant_ref(value->second);
}

bool FakeKWin::Set(const std::string& sysName, const std::string& property, GVariant* value) {
    const std::lock_guard lock(mutex_);
    Device& device = devices_.at(sysName);
    GVariant*& stored = device.properties.at(property);
    g_variant_unref(stored);
    stored = g_variant_ref_sink(value);
    ++device.writes;
    return true;
}

}  // namespace oryn7px
