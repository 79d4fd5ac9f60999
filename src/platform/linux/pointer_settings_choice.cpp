#include "platform/linux/pointer_settings_choice.h"

#include "core/app/desktop_input.h"
#include "platform/linux/current_desktop.h"
#include "platform/linux/gnome_pointer_settings.h"
#include "platform/linux/kde_pointer_settings.h"
#include "platform/linux/no_pointer_settings.h"
#include "platform/linux/x11_pointer_settings.h"

namespace oryn7px {

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
