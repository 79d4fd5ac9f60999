#include "platform/linux/kwin_foreground_script.h"

namespace oryn7px {

namespace {

// KWin 5 hands resource classes to scripts as byte arrays (ArrayBuffer), KWin 6 as strings.
constexpr const char* kScriptBody = R"(
function text(value) {
    if (value === undefined || value === null) return "";
    if (typeof value === "string") return value;
    if (value instanceof ArrayBuffer) {
        // Byte by byte: the engine passes no typed array as an argument list.
        var bytes = new Uint8Array(value);
        var decoded = "";
        for (var i = 0; i < bytes.length; ++i) decoded += String.fromCharCode(bytes[i]);
        return decoded;
    }
    return String(value);
}

function describe(window) {
    return {class: text(window.resourceClass), pid: Number(window.pid) || 0, caption: text(window.caption)};
}

// Panels, docks and the desktop are no programs to choose.
function windowsWithout(gone) {
    var all = workspace.windowList ? workspace.windowList() : workspace.clientList();
    var described = [];
    for (var i = 0; i < all.length; ++i) {
        if (all[i] !== gone && all[i].normalWindow !== false) described.push(describe(all[i]));
    }
    return described;
}

function report(gone) {
    var active = workspace.windowList ? workspace.activeWindow : workspace.activeClient;
    if (active === gone) active = null;
    callDBus(oryn7pxService, oryn7pxPath, oryn7pxInterface, oryn7pxMethod,
             JSON.stringify({active: active ? describe(active) : null, windows: windowsWithout(gone)}));
}

function reportActive() { report(null); }
function reportRemoved(window) { report(window); }

if (workspace.windowList) {
    workspace.windowActivated.connect(reportActive);
    workspace.windowAdded.connect(reportActive);
    workspace.windowRemoved.connect(reportRemoved);
} else {
    workspace.clientActivated.connect(reportActive);
    workspace.clientAdded.connect(reportActive);
    workspace.clientRemoved.connect(reportRemoved);
}
reportActive();
)";

// Bus names and the constants above hold only these characters; anything else is dropped
// rather than escaped, so the script's string literals stay whole.
std::string Literal(const std::string& value) {
    std::string kept;
    for (const char c : value) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                             c == ':' || c == '.' || c == '_' || c == '-' || c == '/';
        if (allowed) kept += c;
    }
    return "\"" + kept + "\"";
}

}  // namespace

std::string KWinForegroundScript(const std::string& busName) {
    return "var oryn7pxService = " + Literal(busName) + ";\n" +
           "var oryn7pxPath = " + Literal(kKWinReportPath) + ";\n" +
           "var oryn7pxInterface = " + Literal(kKWinReportInterface) + ";\n" +
           "var oryn7pxMethod = " + Literal(kKWinReportMethod) + ";\n" + kScriptBody;
}

}  // namespace oryn7px
