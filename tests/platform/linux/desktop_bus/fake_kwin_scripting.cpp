#include "fake_kwin_scripting.h"

#include <QJSEngine>
#include <QJSValue>
#include <QString>

#include <fstream>
#include <iterator>

namespace oryn7px {

namespace {

constexpr const char* kService = "org.kde.KWin";

constexpr const char* kIntrospection = R"(<node>
  <interface name="org.kde.kwin.Scripting">
    <method name="loadScript">
      <arg name="filePath" type="s" direction="in"/>
      <arg name="pluginName" type="s" direction="in"/>
      <arg type="i" direction="out"/>
    </method>
    <method name="start"/>
    <method name="isScriptLoaded">
      <arg name="pluginName" type="s" direction="in"/>
      <arg type="b" direction="out"/>
    </method>
    <method name="unloadScript">
      <arg name="pluginName" type="s" direction="in"/>
      <arg type="b" direction="out"/>
    </method>
  </interface>
</node>)";

// The workspace a script sees, and the fake's own hands on it (names starting with "__").
constexpr const char* kCommonPrelude = R"(
var __calls = [];
function callDBus() { __calls.push(Array.prototype.slice.call(arguments)); }
function __signal() {
    var handlers = [];
    return {
        connect: function (f) { handlers.push(f); },
        disconnect: function (f) { handlers = handlers.filter(function (h) { return h !== f; }); },
        emit: function (value) { handlers.slice().forEach(function (h) { h(value); }); }
    };
}
var __windows = [];
var __active = null;
var workspace = {};
function __bytes(text) {
    var bytes = new Uint8Array(text.length);
    for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return bytes.buffer;
}
function __seed(w) { __windows.push(__make(w)); }
function __open(w) { var made = __make(w); __windows.push(made); __added.emit(made); }
function __activate(i) { __active = __windows[i]; __activated.emit(__active); }
function __close(i) {
    var gone = __windows.splice(i, 1)[0];
    if (__active === gone) __active = null;
    __removed.emit(gone);
}
)";

constexpr const char* kKWin6Prelude = R"(
workspace.windowActivated = __signal();
workspace.windowAdded = __signal();
workspace.windowRemoved = __signal();
workspace.windowList = function () { return __windows.slice(); };
Object.defineProperty(workspace, "activeWindow", { get: function () { return __active; } });
var __activated = workspace.windowActivated, __added = workspace.windowAdded, __removed = workspace.windowRemoved;
function __make(w) { return { resourceClass: w.cls, pid: w.pid, caption: w.caption, normalWindow: w.normal }; }
)";

// KWin 5: clients instead of windows, and resource classes as bytes.
constexpr const char* kKWin5Prelude = R"(
workspace.clientActivated = __signal();
workspace.clientAdded = __signal();
workspace.clientRemoved = __signal();
workspace.clientList = function () { return __windows.slice(); };
Object.defineProperty(workspace, "activeClient", { get: function () { return __active; } });
var __activated = workspace.clientActivated, __added = workspace.clientAdded, __removed = workspace.clientRemoved;
function __make(w) { return { resourceClass: __bytes(w.cls), pid: w.pid, caption: w.caption, normalWindow: w.normal }; }
)";

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string WindowLiteral(const FakeWindow& window) {
    return "{cls: " + Quoted(window.resourceClass) + ", pid: " + std::to_string(window.pid) +
           ", caption: " + Quoted(window.caption) + ", normal: " + (window.normal ? "true" : "false") + "}";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

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

struct FakeKWinScripting::Script {
    std::string path;
    std::string pluginName;
    std::unique_ptr<QJSEngine> engine;  // once started
};

FakeKWinScripting::FakeKWinScripting(KWinApi api, std::vector<FakeWindow> windows, int active)
    : api_(api), initialWindows_(std::move(windows)), initialActive_(active) {
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
    thread_ = std::thread(&FakeKWinScripting::Serve, this, std::string(address), std::move(started));
    g_free(address);
    failure_ = startFailure.get();
}

FakeKWinScripting::~FakeKWinScripting() {
    if (thread_.joinable()) {
        // Without a failure the loop runs and takes the job; with one the thread has ended.
        if (failure_.empty()) OnServingThread([this] { g_main_loop_quit(loop_); });
        thread_.join();
    }
    if (loop_) g_main_loop_unref(loop_);
    if (context_) g_main_context_unref(context_);
}

std::vector<std::string> FakeKWinScripting::Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

std::string FakeKWinScripting::StartedScript() const {
    std::lock_guard lock(mutex_);
    return startedScript_;
}

std::vector<std::string> FakeKWinScripting::ScriptErrors() const {
    std::lock_guard lock(mutex_);
    return errors_;
}

size_t FakeKWinScripting::RunningScripts() const {
    std::lock_guard lock(mutex_);
    return running_;
}

void FakeKWinScripting::RefuseScripts() {
    std::lock_guard lock(mutex_);
    refuse_ = true;
}

void FakeKWinScripting::LeaveScript(const std::string& pluginName) {
    std::lock_guard lock(mutex_);
    leftOver_.insert(pluginName);
}

void FakeKWinScripting::Open(const FakeWindow& window) {
    OnServingThread([&] { RunEverywhere("__open(" + WindowLiteral(window) + ");"); });
}

void FakeKWinScripting::Activate(int index) {
    OnServingThread([&] { RunEverywhere("__activate(" + std::to_string(index) + ");"); });
}

void FakeKWinScripting::Close(int index) {
    OnServingThread([&] { RunEverywhere("__close(" + std::to_string(index) + ");"); });
}

void FakeKWinScripting::SendReport(const std::string& busName, const std::string& text) {
    OnServingThread([&] {
        GVariant* reply = g_dbus_connection_call_sync(connection_, busName.c_str(), "/com/tavik/oryn7px/Foreground",
                                                      "com.tavik.oryn7px.Foreground", "Report",
                                                      g_variant_new("(s)", text.c_str()), nullptr,
                                                      G_DBUS_CALL_FLAGS_NONE, 3000, nullptr, nullptr);
        if (reply) g_variant_unref(reply);
    });
}

void FakeKWinScripting::Serve(std::string address, std::promise<std::string> started) {
    g_main_context_push_thread_default(context_);
    GError* error = nullptr;
    connection_ = g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    std::string failure;
    guint registration = 0;
    if (!connection_) {
        failure = std::string("cannot connect to the session bus: ") + error->message;
        g_error_free(error);
    } else {
        static const GDBusInterfaceVTable calls = {
            [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method, GVariant* parameters,
               GDBusMethodInvocation* invocation, gpointer self) {
                static_cast<FakeKWinScripting*>(self)->OnCall(method, parameters, invocation);
            },
            nullptr,
            nullptr,
            {},
        };
        GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kIntrospection, nullptr);
        registration =
            g_dbus_connection_register_object(connection_, "/Scripting", node->interfaces[0], &calls, this, nullptr, nullptr);
        g_dbus_node_info_unref(node);
        constexpr guint32 kDoNotQueue = 4;
        constexpr guint32 kPrimaryOwner = 1;
        if (!registration) failure = "cannot register /Scripting";
        else if (CallBus(connection_, "RequestName", g_variant_new("(su)", kService, kDoNotQueue)) != kPrimaryOwner)
            failure = std::string("cannot own ") + kService;
    }
    started.set_value(failure);
    if (failure.empty()) g_main_loop_run(loop_);
    scripts_.clear();
    if (connection_) {
        CallBus(connection_, "ReleaseName", g_variant_new("(s)", kService));
        if (registration) g_dbus_connection_unregister_object(connection_, registration);
        g_dbus_connection_close_sync(connection_, nullptr, nullptr);
        g_object_unref(connection_);
    }
    g_main_context_pop_thread_default(context_);
}

void FakeKWinScripting::OnCall(const std::string& method, GVariant* parameters, GDBusMethodInvocation* invocation) {
    std::lock_guard lock(mutex_);
    if (method == "loadScript") {
        const gchar* path = nullptr;
        const gchar* name = nullptr;
        g_variant_get(parameters, "(&s&s)", &path, &name);
        calls_.push_back(std::string("loadScript ") + path + " " + name);
        bool taken = leftOver_.count(name) > 0;
        for (const auto& script : scripts_) taken |= script->pluginName == name;
        if (refuse_ || taken) {
            g_dbus_method_invocation_return_value(invocation, g_variant_new("(i)", -1));
            return;
        }
        scripts_.push_back(std::make_unique<Script>(Script{path, name, nullptr}));
        g_dbus_method_invocation_return_value(invocation, g_variant_new("(i)", static_cast<gint32>(scripts_.size())));
    } else if (method == "start") {
        calls_.push_back("start");
        g_dbus_method_invocation_return_value(invocation, nullptr);
        // KWin runs the scripts after it answered, as this idle source does.
        GSource* later = g_idle_source_new();
        g_source_set_callback(
            later,
            [](gpointer self) -> gboolean {
                static_cast<FakeKWinScripting*>(self)->StartScripts();
                return G_SOURCE_REMOVE;
            },
            this, nullptr);
        g_source_attach(later, context_);
        g_source_unref(later);
    } else {
        const gchar* name = nullptr;
        g_variant_get(parameters, "(&s)", &name);
        calls_.push_back(method + " " + name);
        bool known = leftOver_.count(name) > 0;
        for (const auto& script : scripts_) known |= script->pluginName == name;
        if (method == "unloadScript") {
            leftOver_.erase(name);
            const size_t before = scripts_.size();
            std::erase_if(scripts_, [&](const auto& script) { return script->pluginName == name; });
            running_ -= before - scripts_.size();
        }
        g_dbus_method_invocation_return_value(invocation, g_variant_new("(b)", known));
    }
}

void FakeKWinScripting::StartScripts() {
    for (const auto& script : scripts_) {
        if (script->engine) continue;
        const std::string text = ReadFile(script->path);
        {
            std::lock_guard lock(mutex_);
            startedScript_ = text;
            ++running_;
        }
        script->engine = std::make_unique<QJSEngine>();
        std::string seed = kCommonPrelude;
        seed += api_ == KWinApi::kKWin6 ? kKWin6Prelude : kKWin5Prelude;
        for (const FakeWindow& window : initialWindows_) seed += "__seed(" + WindowLiteral(window) + ");\n";
        if (initialActive_ >= 0) seed += "__active = __windows[" + std::to_string(initialActive_) + "];\n";
        Run(*script, seed);
        Run(*script, text);
    }
}

void FakeKWinScripting::RunEverywhere(const std::string& code) {
    for (const auto& script : scripts_) {
        if (script->engine) Run(*script, code);
    }
}

void FakeKWinScripting::Run(Script& script, const std::string& code) {
    const QJSValue result = script.engine->evaluate(QString::fromStdString(code));
    if (result.isError()) {
        std::lock_guard lock(mutex_);
        errors_.push_back(result.toString().toStdString());
    }
    Forward(script);
}

// Each callDBus becomes a call from KWin's connection, strings as strings and numbers as doubles.
void FakeKWinScripting::Forward(Script& script) {
    QJSValue calls = script.engine->globalObject().property("__calls");
    const int count = calls.property("length").toInt();
    for (int i = 0; i < count; ++i) {
        const QJSValue call = calls.property(i);
        const int length = call.property("length").toInt();
        if (length < 4) continue;
        GVariantBuilder arguments;
        g_variant_builder_init(&arguments, G_VARIANT_TYPE_TUPLE);
        for (int a = 4; a < length; ++a) {
            const QJSValue value = call.property(a);
            if (value.isNumber()) g_variant_builder_add(&arguments, "d", value.toNumber());
            else if (value.isBool()) g_variant_builder_add(&arguments, "b", value.toBool());
            else g_variant_builder_add(&arguments, "s", value.toString().toStdString().c_str());
        }
        const auto text = [&](int index) { return call.property(index).toString().toStdString(); };
        g_dbus_connection_call(connection_, text(0).c_str(), text(1).c_str(), text(2).c_str(), text(3).c_str(),
                               g_variant_builder_end(&arguments), nullptr, G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr,
                               nullptr);
    }
    calls.setProperty("length", 0);
}

void FakeKWinScripting::OnServingThread(const std::function<void()>& work) {
    if (g_main_context_is_owner(context_)) {
        work();
        return;
    }
    struct Job {
        const std::function<void()>* work;
        std::promise<void> done;
    } job{&work, {}};
    std::future<void> done = job.done.get_future();
    g_main_context_invoke(
        context_,
        [](gpointer data) -> gboolean {
            auto* job = static_cast<Job*>(data);
            (*job->work)();
            job->done.set_value();
            return G_SOURCE_REMOVE;
        },
        &job);
    done.wait();
}

}  // namespace oryn7px
