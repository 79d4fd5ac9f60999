// oryn7px: the configuration program. --virtual-mouse runs it with an in-process virtual mouse
// (ORYN7PX_EMULATOR=<socket> uses the mouse of oryn7px-emu); --hidden starts it in the tray, as
// the desktop's autostart entry does.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "core/app/autostart_entry.h"
#include "driver_app.h"
#include "platform/linux/display_session.h"
#include "ui/skin/accessible_controls.h"

int main(int argc, char** argv) {
    oryn7px::AppOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--virtual-mouse") == 0) {
            options.virtualMouse = true;
        } else if (std::strcmp(argv[i], oryn7px::kStartHiddenOption) == 0) {
            options.startHidden = true;
        } else {
            std::fprintf(stderr, "usage: oryn7px [--virtual-mouse] [--hidden]\n");
            return 2;
        }
    }
    // The skinned windows place their popups themselves, which Wayland does not let a client do:
    // where the session offers XWayland, the program's windows go there.
    if (oryn7px::ShouldUseXWayland(oryn7px::ProcessEnvironment)) qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    // Hidden in the tray and between boxes the program has no window open, and keeps running.
    QApplication::setQuitOnLastWindowClosed(false);
    oryn7px::InstallAccessibleControls();
    oryn7px::CQ580ZDriverApp driverApp(options);
    return driverApp.InitInstance();
}
