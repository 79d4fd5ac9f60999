// oryn7px: the configuration program. Its one option, --virtual-mouse, runs it with an
// in-process virtual mouse; ORYN7PX_EMULATOR=<socket> uses the mouse of oryn7px-emu.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "driver_app.h"
#include "platform/linux/display_session.h"

int main(int argc, char** argv) {
    oryn7px::AppOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--virtual-mouse") == 0) {
            options.virtualMouse = true;
        } else {
            std::fprintf(stderr, "usage: oryn7px [--virtual-mouse]\n");
            return 2;
        }
    }
    // Desktop-wide input is X11 only: on Wayland the program runs through XWayland.
    if (oryn7px::ShouldUseXWayland(oryn7px::ProcessEnvironment)) qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    // Hidden in the tray and between boxes the program has no window open, and keeps running.
    QApplication::setQuitOnLastWindowClosed(false);
    oryn7px::CQ580ZDriverApp driverApp(options);
    return driverApp.InitInstance();
}
