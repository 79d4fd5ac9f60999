#include "platform/linux/pointer_settings_choice.h"

#include <strings.h>

#include <string_view>

#include "core/app/desktop_input.h"
#include "platform/linux/gnome_pointer_settings.h"
#include "platform/linux/kde_pointer_settings.h"
#include "platform/linux/no_pointer_settings.h"
#include "platform/linux/x11_pointer_settings.h"

namespace oryn7px {

namespace {

enum class Desktop { kGnome, kKde, kOther };

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// The first GNOME or KDE entry of XDG_CURRENT_DESKTOP, e.g. "ubuntu:GNOME" is GNOME.
Desktop CurrentDesktop(const EnvironmentLookup& environment) {
    const std::string names = environment("XDG_CURRENT_DESKTOP").value_or("");
    std::string_view rest = names;
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string_view name = rest.substr(0, colon);
        if (EqualsIgnoringCase(name, "GNOME")) return Desktop::kGnome;
        if (EqualsIgnoringCase(name, "KDE")) return Desktop::kKde;
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return Desktop::kOther;
}

}  // namespace

PointerBackend ChoosePointerBackend(const EnvironmentLookup& environment) {
    const Desktop desktop = CurrentDesktop(environment);
    const SessionType session = DetectSessionType(environment);
    if (desktop == Desktop::kGnome) return PointerBackend::kGnome;
    if (desktop == Desktop::kKde && session == SessionType::kWayland) return PointerBackend::kKde;
    if (session == SessionType::kX11) return PointerBackend::kX11;
    return PointerBackend::kNone;
}

PointerSettingsChoice MakePointerSettings(const EnvironmentLookup& environment,
                                          std::function<void(const std::string&)> notice) {
    PointerSettingsChoice choice;
    choice.kind = ChoosePointerBackend(environment);
    switch (choice.kind) {
        case PointerBackend::kGnome:
            choice.settings = std::make_unique<GnomePointerSettings>(std::move(notice));
            break;
        case PointerBackend::kKde: choice.settings = std::make_unique<KdePointerSettings>(); break;
        case PointerBackend::kX11:
            choice.settings = std::make_unique<X11PointerSettings>(DefaultWheelLinesFile(), std::move(notice));
            break;
        case PointerBackend::kNone: choice.settings = std::make_unique<NoPointerSettings>(); break;
    }
    return choice;
}

}  // namespace oryn7px
