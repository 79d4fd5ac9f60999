#include "platform/linux/x11_errors.h"

#include <cstdio>
#include <map>
#include <mutex>

#include <X11/Xlib.h>

namespace oryn7px {

namespace {

std::mutex gErrorsMutex;
std::map<Display*, std::string> gErrors;

int CatchError(Display* display, XErrorEvent* event) {
    char text[128] = {};
    XGetErrorText(display, event->error_code, text, sizeof text);
    std::lock_guard lock(gErrorsMutex);
    std::string& errors = gErrors[display];
    if (!errors.empty()) errors += "; ";
    errors += text;
    errors += " (request " + std::to_string(static_cast<int>(event->request_code)) + ")";
    return 0;
}

// Xlib's own handler of a broken connection ends the process at once. This one only says so;
// the display's exit handler then decides (Xlib's default still ends the process, a connection
// that can live without its server sets one that returns).
int ReportLostConnection(Display* display) {
    std::fprintf(stderr, "X connection to %s broken\n", DisplayString(display));
    return 0;
}

}  // namespace

void InstallX11ErrorTrap() {
    static std::once_flag once;
    std::call_once(once, [] {
        XInitThreads();
        XSetErrorHandler(CatchError);
        XSetIOErrorHandler(ReportLostConnection);
    });
}

std::string TakeX11Errors(Display* display) {
    XSync(display, False);
    std::lock_guard lock(gErrorsMutex);
    const auto found = gErrors.find(display);
    if (found == gErrors.end()) return {};
    std::string errors = std::move(found->second);
    gErrors.erase(found);
    return errors;
}

}  // namespace oryn7px
