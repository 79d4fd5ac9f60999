// A second X client for the end-to-end tests: a window over the whole screen that prints
// "button N" for every button press it receives, until it is killed.
#include <X11/Xlib.h>

#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x_click_witness: no display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;  // placed exactly, with or without a window manager
    attributes.event_mask = ButtonPressMask | StructureNotifyMask;
    const Window window = XCreateWindow(display, RootWindow(display, screen), 0, 0, DisplayWidth(display, screen),
                                        DisplayHeight(display, screen), 0, CopyFromParent, InputOutput, CopyFromParent,
                                        CWOverrideRedirect | CWEventMask, &attributes);
    XMapRaised(display, window);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) std::printf("ready\n");
        if (event.type == ButtonPress) std::printf("button %u\n", event.xbutton.button);
        std::fflush(stdout);
    }
}
