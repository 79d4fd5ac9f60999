#pragma once
// The one place that decides where the desktop keeps the pointer settings.
#include <functional>
#include <memory>
#include <string>

#include "core/i18n/locale_language.h"
#include "core/interfaces/pointer_settings.h"

namespace oryn7px {

// GNOME (any session: gnome-settings-daemon applies GSettings to every device) -> gnome; KDE on
// Wayland -> kde; any other X11 session -> x11; anything else -> none. The session type comes
// from DetectSessionType, the desktop from XDG_CURRENT_DESKTOP (colon-separated, first known
// name wins).
PointerBackend ChoosePointerBackend(const EnvironmentLookup& environment);

struct PointerSettingsChoice {
    PointerBackend kind = PointerBackend::kNone;
    std::unique_ptr<PointerSettings> settings;
};

// The backend ChoosePointerBackend names, made ready; `notice` hears what the log should say.
PointerSettingsChoice MakePointerSettings(const EnvironmentLookup& environment,
                                          std::function<void(const std::string&)> notice);

}  // namespace oryn7px
