#include <gtest/gtest.h>

#include <map>

#include "platform/linux/display_session.h"

namespace oryn7px {
namespace {

TEST(DisplaySession, XWaylandOnlyOnWaylandWithAnXServerAndNoChosenPlatform) {
    struct Case {
        std::map<std::string, std::string> environment;
        bool xwayland;
    };
    const Case cases[] = {
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, true},
        {{{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":0"}}, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", ""}}, true},
        // The user's own choice stays.
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}}, false},
        // No XWayland: the native platform is all there is.
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, false},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ""}}, false},
        // X11 sessions and no display at all.
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, false},
        {{}, false},
    };
    for (const Case& c : cases) {
        const Environment environment = [&](const char* name) -> std::optional<std::string> {
            const auto it = c.environment.find(name);
            if (it == c.environment.end()) return std::nullopt;
            return it->second;
        };
        EXPECT_EQ(ShouldUseXWayland(environment), c.xwayland);
    }
}

}  // namespace
}  // namespace oryn7px
