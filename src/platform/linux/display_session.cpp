#include "platform/linux/display_session.h"

namespace oryn7px {

namespace {

bool IsSet(const Environment& environment, const char* name) {
    const std::optional<std::string> value = environment(name);
    return value && !value->empty();
}

}  // namespace

bool ShouldUseXWayland(const Environment& environment) {
    const bool wayland = IsSet(environment, "WAYLAND_DISPLAY") || environment("XDG_SESSION_TYPE") == "wayland";
    return wayland && IsSet(environment, "DISPLAY") && !IsSet(environment, "QT_QPA_PLATFORM");
}

}  // namespace oryn7px
