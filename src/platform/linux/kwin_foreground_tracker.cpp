#include "platform/linux/kwin_foreground_tracker.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/linux/kwin_foreground_report.h"
#include "platform/linux/kwin_foreground_script.h"
#include "platform/linux/process_executable.h"
#include "platform/linux/runtime_dir.h"

namespace oryn7px {

namespace {

constexpr const char* kKWinService = "org.kde.KWin";
constexpr const char* kScriptingPath = "/Scripting";
constexpr const char* kScriptingInterface = "org.kde.kwin.Scripting";
// One name, so a script left behind by a program that ended without Stop is found and replaced.
constexpr const char* kPluginName = "oryn7px-foreground";
constexpr int kBusTimeoutMs = 3000;

constexpr const char* kIntrospection = R"(<node>
  <interface name="com.tavik.oryn7px.Foreground">
    <method name="Report"><arg name="report" type="s" direction="in"/></method>
  </interface>
</node>)";

Error Unavailable(std::string why) { return Error{ErrorKind::kNotFound, std::move(why)}; }

std::string TakeMessage(GError* error) {
    std::string message = error ? error->message : "no answer";
    if (error) g_error_free(error);
    return message;
}

// KWin's scripting object answers `method`; its reply, or null with `why` set.
GVariant* CallScripting(GDBusConnection* bus, const char* method, GVariant* parameters, const GVariantType* reply,
                        std::string& why) {
    GError* error = nullptr;
    GVariant* answer =
        g_dbus_connection_call_sync(bus, kKWinService, kScriptingPath, kScriptingInterface, method, parameters, reply,
                                    G_DBUS_CALL_FLAGS_NO_AUTO_START, kBusTimeoutMs, nullptr, &error);
    if (!answer) why = std::string("KWin's ") + method + " failed: " + TakeMessage(error);
    return answer;
}

std::string NameOwner(GDBusConnection* bus, const char* name) {
    GVariant* reply = g_dbus_connection_call_sync(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                  "org.freedesktop.DBus", "GetNameOwner", g_variant_new("(s)", name),
                                                  G_VARIANT_TYPE("(s)"), G_DBUS_CALL_FLAGS_NONE, kBusTimeoutMs, nullptr,
                                                  nullptr);
    if (!reply) return {};
    const gchar* owner = nullptr;
    g_variant_get(reply, "(&s)", &owner);
    std::string result = owner;
    g_variant_unref(reply);
    return result;
}

// The script goes where only this user can write, since KWin runs what it finds there.
Result<std::string> WriteScriptFile(const std::string& text) {
    const std::string folder = UserRuntimeDir();
    if (folder.empty()) return Error{ErrorKind::kAccessDenied, "no private folder for the KWin script"};
    std::string path = folder + "/oryn7px-foreground-XXXXXX.js";
    const int fd = mkstemps(path.data(), 3);
    if (fd < 0) return Error{ErrorKind::kIo, "cannot create the KWin script: " + std::string(std::strerror(errno))};
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    close(fd);
    if (written < text.size()) {
        unlink(path.c_str());
        return Error{ErrorKind::kIo, "cannot write the KWin script " + path};
    }
    return path;
}

}  // namespace

KWinForegroundTracker::~KWinForegroundTracker() { Stop(); }

Status KWinForegroundTracker::Start(Changed changed) {
    Stop();
    GError* error = nullptr;
    gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (!address) return Unavailable("no session bus: " + TakeMessage(error));
    changes_.emplace(std::move(changed));
    context_ = g_main_context_new();
    loop_ = g_main_loop_new(context_, FALSE);
    std::promise<std::string> started;
    std::future<std::string> serving = started.get_future();
    thread_ = std::thread(&KWinForegroundTracker::Serve, this, std::string(address), std::move(started));
    g_free(address);
    const std::string failure = serving.get();
    Status status = failure.empty() ? LoadScript() : Status(Unavailable(failure));
    if (!status.Ok()) Stop();
    return status;
}

void KWinForegroundTracker::Stop() {
    if (!thread_.joinable()) return;
    if (scriptLoaded_) Unload();
    if (!scriptFile_.empty()) unlink(scriptFile_.c_str());
    scriptFile_.clear();
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
    g_main_loop_unref(loop_);
    g_main_context_unref(context_);
    loop_ = nullptr;
    context_ = nullptr;
    changes_.reset();
    std::lock_guard lock(mutex_);
    kwinOwner_.clear();
    windows_.clear();
}

std::vector<ForegroundProgram> KWinForegroundTracker::ProgramsWithWindows() {
    std::lock_guard lock(mutex_);
    return windows_;
}

void KWinForegroundTracker::Serve(std::string address, std::promise<std::string> started) {
    g_main_context_push_thread_default(context_);
    GError* error = nullptr;
    connection_ = g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    const std::string failure = connection_ ? Register() : "cannot connect to the session bus: " + TakeMessage(error);
    started.set_value(failure);
    if (failure.empty()) g_main_loop_run(loop_);
    if (connection_) {
        if (registration_) g_dbus_connection_unregister_object(connection_, registration_);
        registration_ = 0;
        g_dbus_connection_close_sync(connection_, nullptr, nullptr);
        g_object_unref(connection_);
        connection_ = nullptr;
    }
    g_main_context_pop_thread_default(context_);
}

std::string KWinForegroundTracker::Register() {
    static const GDBusInterfaceVTable calls = {
        [](GDBusConnection*, const gchar* sender, const gchar*, const gchar*, const gchar*, GVariant* parameters,
           GDBusMethodInvocation* invocation, gpointer self) {
            const gchar* text = nullptr;
            g_variant_get(parameters, "(&s)", &text);
            static_cast<KWinForegroundTracker*>(self)->OnReport(sender, text);
            g_dbus_method_invocation_return_value(invocation, nullptr);
        },
        nullptr,
        nullptr,
        {},
    };
    GError* error = nullptr;
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kIntrospection, &error);
    if (!node) return "bad introspection data: " + TakeMessage(error);
    registration_ = g_dbus_connection_register_object(connection_, kKWinReportPath, node->interfaces[0], &calls, this,
                                                      nullptr, &error);
    g_dbus_node_info_unref(node);
    return registration_ ? std::string() : "cannot serve the KWin script's reports: " + TakeMessage(error);
}

void KWinForegroundTracker::OnReport(const char* sender, const char* text) {
    {
        // Any program on the bus could call; only KWin speaks for the windows.
        std::lock_guard lock(mutex_);
        if (!sender || kwinOwner_ != sender) return;
    }
    const std::optional<KWinReport> report =
        ParseKWinReport(text, [](uint32_t pid) { return ProcessExecutableName(pid); });
    if (!report) return;
    std::vector<ForegroundProgram> named;
    for (const ForegroundProgram& window : report->windows) {
        if (!window.windowClass.empty() || !window.executable.empty()) named.push_back(window);
    }
    {
        std::lock_guard lock(mutex_);
        windows_ = DistinctPrograms(named);
    }
    const std::optional<ForegroundProgram>& active = report->active;
    if (active && (!active->windowClass.empty() || !active->executable.empty())) changes_->Report(*active);
}

Status KWinForegroundTracker::LoadScript() {
    const std::string owner = NameOwner(connection_, kKWinService);
    if (owner.empty()) return Unavailable("KWin is not on the session bus");
    {
        std::lock_guard lock(mutex_);
        kwinOwner_ = owner;
    }
    Result<std::string> file = WriteScriptFile(KWinForegroundScript(g_dbus_connection_get_unique_name(connection_)));
    if (!file.Ok()) return file.Failure();
    scriptFile_ = *file;
    std::string why;
    GVariant* loaded = CallScripting(connection_, "isScriptLoaded", g_variant_new("(s)", kPluginName),
                                     G_VARIANT_TYPE("(b)"), why);
    if (!loaded) return Unavailable(why);
    gboolean leftOver = FALSE;
    g_variant_get(loaded, "(b)", &leftOver);
    g_variant_unref(loaded);
    if (leftOver) Unload();
    GVariant* id = CallScripting(connection_, "loadScript", g_variant_new("(ss)", scriptFile_.c_str(), kPluginName),
                                 G_VARIANT_TYPE("(i)"), why);
    if (!id) return Unavailable(why);
    gint32 scriptId = -1;
    g_variant_get(id, "(i)", &scriptId);
    g_variant_unref(id);
    if (scriptId < 0) return Error{ErrorKind::kRefused, "KWin refused the script " + scriptFile_};
    scriptLoaded_ = true;
    GVariant* started = CallScripting(connection_, "start", nullptr, nullptr, why);
    if (!started) return Unavailable(why);
    g_variant_unref(started);
    return {};
}

void KWinForegroundTracker::Unload() {
    std::string why;
    if (GVariant* reply = CallScripting(connection_, "unloadScript", g_variant_new("(s)", kPluginName),
                                        G_VARIANT_TYPE("(b)"), why)) {
        g_variant_unref(reply);
    }
    scriptLoaded_ = false;
}

}  // namespace oryn7px
