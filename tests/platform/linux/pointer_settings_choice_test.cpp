#include "platform/linux/pointer_settings_choice.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/linux/gnome_pointer_settings.h"
#include "platform/linux/kde_pointer_settings.h"
#include "platform/linux/no_pointer_settings.h"
#include "platform/linux/x11_pointer_settings.h"

namespace oryn7px {
namespace {

using Variables = std::map<std::string, std::string>;

EnvironmentLookup Lookup(const Variables& variables) {
    return [variables](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end()) return std::nullopt;
        return found->second;
    };
}

TEST(ChoosePointerBackend, FollowsDesktopAndSessionType) {
    const struct {
        Variables environment;
        PointerBackend expected;
    } cases[] = {
        {{{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "GNOME"}}, PointerBackend::kGnome},
        {{{"XDG_SESSION_TYPE", "x11"}, {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}}, PointerBackend::kGnome},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_CURRENT_DESKTOP", "Budgie:GNOME"}}, PointerBackend::kGnome},
        {{{"XDG_CURRENT_DESKTOP", "gnome"}}, PointerBackend::kGnome},
        {{{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "KDE"}}, PointerBackend::kKde},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_CURRENT_DESKTOP", "neon:KDE"}}, PointerBackend::kKde},
        {{{"XDG_SESSION_TYPE", "x11"}, {"XDG_CURRENT_DESKTOP", "KDE"}}, PointerBackend::kX11},
        {{{"XDG_SESSION_TYPE", "x11"}, {"XDG_CURRENT_DESKTOP", "X-Cinnamon"}}, PointerBackend::kX11},
        {{{"DISPLAY", ":0"}}, PointerBackend::kX11},
        {{{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "sway"}}, PointerBackend::kNone},
        {{{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":0"}, {"XDG_CURRENT_DESKTOP", "Hyprland"}},
         PointerBackend::kNone},
        {{{"XDG_CURRENT_DESKTOP", "KDE"}}, PointerBackend::kNone},
        {{{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "GNOMEX:KDEX"}}, PointerBackend::kNone},
        {{{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", ":KDE:GNOME"}}, PointerBackend::kKde},
        {{}, PointerBackend::kNone},
    };
    for (const auto& c : cases) {
        std::string described;
        for (const auto& [name, value] : c.environment) described += name + "=" + value + " ";
        EXPECT_EQ(PointerBackendName(ChoosePointerBackend(Lookup(c.environment))), PointerBackendName(c.expected))
            << described;
    }
}

template <typename Backend>
bool Holds(const PointerSettingsChoice& choice) {
    return dynamic_cast<const Backend*>(choice.settings.get()) != nullptr;
}

TEST(MakePointerSettings, HandsOutTheChosenBackend) {
    EXPECT_TRUE(Holds<GnomePointerSettings>(MakePointerSettings(Lookup({{"XDG_CURRENT_DESKTOP", "GNOME"}}), {})));
    EXPECT_TRUE(Holds<KdePointerSettings>(
        MakePointerSettings(Lookup({{"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "KDE"}}), {})));
    EXPECT_TRUE(Holds<X11PointerSettings>(MakePointerSettings(Lookup({{"DISPLAY", ":0"}}), {})));

    const PointerSettingsChoice none = MakePointerSettings(Lookup({{"WAYLAND_DISPLAY", "wayland-0"}}), {});
    EXPECT_EQ(none.kind, PointerBackend::kNone);
    ASSERT_TRUE(Holds<NoPointerSettings>(none));
    EXPECT_FALSE(none.settings->Support().Any());
    EXPECT_FALSE(none.settings->SetEnhancePrecision(true));
    EXPECT_FALSE(none.settings->SetPointerSpeed(10));
    EXPECT_FALSE(none.settings->SetWheelLines(3));
}

}  // namespace
}  // namespace oryn7px
