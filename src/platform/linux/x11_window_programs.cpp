#include "platform/linux/x11_window_programs.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <string>

#include "platform/linux/process_executable.h"

// X headers last: their macros (None, Bool, Status) clash with everything else.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XRes.h>

namespace oryn7px {

namespace {

// Property values longer than this are not window lists or names a person could use.
constexpr long kMaxPropertyLongs = 1 << 16;

struct XFreeDeleter {
    void operator()(void* data) const {
        if (data) XFree(data);
    }
};

std::string HostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

}  // namespace

X11WindowPrograms::X11WindowPrograms(Display* display)
    : display_(display),
      root_(DefaultRootWindow(display)),
      supported_(XInternAtom(display, "_NET_SUPPORTED", False)),
      activeWindow_(XInternAtom(display, "_NET_ACTIVE_WINDOW", False)),
      clientList_(XInternAtom(display, "_NET_CLIENT_LIST", False)),
      pid_(XInternAtom(display, "_NET_WM_PID", False)),
      name_(XInternAtom(display, "_NET_WM_NAME", False)),
      utf8_(XInternAtom(display, "UTF8_STRING", False)),
      clientMachine_(XInternAtom(display, "WM_CLIENT_MACHINE", False)) {
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    serverKnowsProcesses_ = XResQueryExtension(display, &event, &error) &&
                            XResQueryVersion(display, &major, &minor) &&
                            (major > 1 || (major == 1 && minor >= 2));
}

bool X11WindowPrograms::ManagerTellsActiveWindow() const {
    const std::vector<unsigned long> atoms = Numbers(root_, supported_, XA_ATOM);
    return std::find(atoms.begin(), atoms.end(), activeWindow_) != atoms.end();
}

std::optional<X11Window> X11WindowPrograms::ActiveWindow() const {
    const std::vector<unsigned long> windows = Numbers(root_, activeWindow_, XA_WINDOW);
    if (windows.empty() || windows[0] == None) return std::nullopt;
    return windows[0];
}

std::vector<X11Window> X11WindowPrograms::ClientWindows() const { return Numbers(root_, clientList_, XA_WINDOW); }

ForegroundProgram X11WindowPrograms::ProgramOf(X11Window window) const {
    ForegroundProgram program;
    XClassHint hint{};
    if (XGetClassHint(display_, window, &hint)) {
        if (hint.res_class) program.windowClass = hint.res_class;
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    program.title = Text(window, name_, utf8_);
    if (program.title.empty()) program.title = Text(window, XA_WM_NAME, XA_STRING);
    program.pid = ProcessOf(window);
    program.executable = ProcessExecutableName(program.pid);
    return program;
}

// The server's word first: it knows the process behind a local connection, where _NET_WM_PID
// is what the program says (many never set it; a sandboxed one gives its own namespace's number).
uint32_t X11WindowPrograms::ProcessOf(X11Window window) const {
    if (const uint32_t pid = ProcessTheServerKnows(window)) return pid;
    // A process number from another machine would name an unrelated process here.
    const std::vector<unsigned long> pid = Numbers(window, pid_, XA_CARDINAL);
    if (pid.empty() || pid[0] > UINT32_MAX || !FromThisMachine(window)) return 0;
    return static_cast<uint32_t>(pid[0]);
}

uint32_t X11WindowPrograms::ProcessTheServerKnows(X11Window window) const {
    if (!serverKnowsProcesses_) return 0;
    XResClientIdSpec query{window, XRES_CLIENT_ID_PID_MASK};
    long count = 0;
    XResClientIdValue* ids = nullptr;
    if (XResQueryClientIds(display_, 1, &query, &count, &ids) != Success) return 0;
    pid_t pid = -1;
    for (long i = 0; i < count && pid <= 0; ++i) pid = XResGetClientPid(&ids[i]);
    XResClientIdsDestroy(count, ids);
    return pid > 0 ? static_cast<uint32_t>(pid) : 0;
}

namespace {

struct PropertyValue {
    std::unique_ptr<unsigned char, XFreeDeleter> data;
    unsigned long count = 0;  // items of the property's format
};

// The property of `type` in items of `format` bits; nothing when the window lacks it.
std::optional<PropertyValue> ReadProperty(Display* display, X11Window window, unsigned long property,
                                          unsigned long type, int format) {
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* raw = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, kMaxPropertyLongs, False, type, &actualType,
                                          &actualFormat, &count, &remaining, &raw);
    PropertyValue value{std::unique_ptr<unsigned char, XFreeDeleter>(raw), count};
    if (status != Success || actualType != type || actualFormat != format || !value.data) return std::nullopt;
    return value;
}

}  // namespace

std::vector<unsigned long> X11WindowPrograms::Numbers(X11Window window, unsigned long property,
                                                      unsigned long type) const {
    const std::optional<PropertyValue> value = ReadProperty(display_, window, property, type, 32);
    if (!value) return {};
    // Xlib hands 32-bit values out as longs.
    const auto* values = reinterpret_cast<const unsigned long*>(value->data.get());
    return {values, values + value->count};
}

std::string X11WindowPrograms::Text(X11Window window, unsigned long property, unsigned long type) const {
    const std::optional<PropertyValue> value = ReadProperty(display_, window, property, type, 8);
    if (!value) return {};
    return std::string(reinterpret_cast<const char*>(value->data.get()), value->count);
}

bool X11WindowPrograms::FromThisMachine(X11Window window) const {
    const std::string machine = Text(window, clientMachine_, XA_STRING);
    return machine.empty() || machine == HostName();
}

}  // namespace oryn7px
