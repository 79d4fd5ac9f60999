#pragma once
// A stand-in for KWin's scripting interface on the session bus: org.kde.KWin's /Scripting with
// loadScript, start, isScriptLoaded and unloadScript. Scripts it starts run in a JavaScript engine
// against a small workspace of windows, in KWin 5's or KWin 6's names, and their callDBus calls
// go out on the bus from KWin's own connection, as KWin's would.
#include <gio/gio.h>

#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

class QJSEngine;

namespace oryn7px {

enum class KWinApi { kKWin5, kKWin6 };

struct FakeWindow {
    std::string resourceClass;
    uint32_t pid = 0;
    std::string caption;
    bool normal = true;  // false for panels and the desktop
};

class FakeKWinScripting {
public:
    // Owns org.kde.KWin once the constructor returns, unless Failure() says why, with these
    // windows open and the one at `active` (an index, or -1) active.
    FakeKWinScripting(KWinApi api, std::vector<FakeWindow> windows, int active);
    ~FakeKWinScripting();
    FakeKWinScripting(const FakeKWinScripting&) = delete;
    FakeKWinScripting& operator=(const FakeKWinScripting&) = delete;

    const std::string& Failure() const { return failure_; }

    // Every call the program made, "loadScript PATH NAME", "start", ...
    std::vector<std::string> Calls() const;
    // The text of the script started last, read when it started.
    std::string StartedScript() const;
    // What the running scripts threw.
    std::vector<std::string> ScriptErrors() const;
    size_t RunningScripts() const;

    // From now on loadScript answers -1, as KWin does for a script it cannot load.
    void RefuseScripts();
    // A script of this name is loaded already, by an earlier run of the program.
    void LeaveScript(const std::string& pluginName);

    // What a user does, in every running script's workspace.
    void Open(const FakeWindow& window);
    void Activate(int index);
    void Close(int index);
    // A Report call from KWin's own connection carrying `text`, as a broken script might send.
    void SendReport(const std::string& busName, const std::string& text);

private:
    struct Script;
    void Serve(std::string address, std::promise<std::string> started);
    std::string Register();
    void OnCall(const std::string& method, GVariant* parameters, GDBusMethodInvocation* invocation);
    void StartScripts();
    void RunEverywhere(const std::string& code);
    void Run(Script& script, const std::string& code);
    void Forward(Script& script);
    void OnServingThread(const std::function<void()>& work);

    KWinApi api_;
    std::vector<FakeWindow> initialWindows_;
    int initialActive_;
    std::string failure_;
    GMainContext* context_ = nullptr;
    GMainLoop* loop_ = nullptr;
    GDBusConnection* connection_ = nullptr;  // the serving thread's
    std::thread thread_;
    std::vector<std::unique_ptr<Script>> scripts_;  // the serving thread's

    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
    std::string startedScript_;
    std::vector<std::string> errors_;
    bool refuse_ = false;
    std::set<std::string> leftOver_;
    size_t running_ = 0;
};

}  // namespace oryn7px
