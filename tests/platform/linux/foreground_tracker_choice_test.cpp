#include "platform/linux/foreground_tracker_choice.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

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

constexpr ForegroundSupport kX11{ForegroundTrackerKind::kX11, NoForegroundReason::kNone};
constexpr ForegroundSupport kKWin{ForegroundTrackerKind::kKWin, NoForegroundReason::kNone};
constexpr ForegroundSupport kWlroots{ForegroundTrackerKind::kWlroots, NoForegroundReason::kNone};
constexpr ForegroundSupport kGnome{ForegroundTrackerKind::kNone, NoForegroundReason::kGnomeWayland};
constexpr ForegroundSupport kNoList{ForegroundTrackerKind::kNone, NoForegroundReason::kNoToplevelList};
constexpr ForegroundSupport kNoSession{ForegroundTrackerKind::kNone, NoForegroundReason::kNoSession};

TEST(ChooseForegroundSupport, FollowsSessionDesktopAndWhatTheCompositorOffers) {
    const struct {
        SessionType session;
        const char* desktop;  // XDG_CURRENT_DESKTOP; null when unset
        bool toplevelsOffered;
        ForegroundSupport expected;
        bool asksCompositor;
    } cases[] = {
        {SessionType::kX11, "GNOME", false, kX11, false},
        {SessionType::kX11, "KDE", false, kX11, false},
        {SessionType::kX11, "XFCE", false, kX11, false},
        {SessionType::kX11, nullptr, false, kX11, false},
        {SessionType::kWayland, "KDE", false, kKWin, false},
        {SessionType::kWayland, "neon:KDE", true, kKWin, false},
        {SessionType::kWayland, "GNOME", true, kGnome, false},
        {SessionType::kWayland, "ubuntu:GNOME", true, kGnome, false},
        {SessionType::kWayland, "sway", true, kWlroots, true},
        {SessionType::kWayland, "Hyprland", true, kWlroots, true},
        {SessionType::kWayland, nullptr, true, kWlroots, true},
        {SessionType::kWayland, "weston", false, kNoList, true},
        {SessionType::kNone, "KDE", true, kNoSession, false},
    };
    for (const auto& c : cases) {
        Variables variables;
        if (c.desktop) variables["XDG_CURRENT_DESKTOP"] = c.desktop;
        bool asked = false;
        const ForegroundSupport chosen = ChooseForegroundSupport(c.session, Lookup(variables), [&] {
            asked = true;
            return c.toplevelsOffered;
        });
        const std::string described = std::string(SessionTypeName(c.session)) + " " + (c.desktop ? c.desktop : "-");
        EXPECT_EQ(chosen, c.expected) << described << ": " << ForegroundTrackerName(chosen.kind);
        EXPECT_EQ(asked, c.asksCompositor) << described;
    }
}

TEST(ChooseForegroundTracker, HandsOutTheNamedTrackerOrNone) {
    const struct {
        SessionType session;
        const char* desktop;
        const char* trackerName;  // null: none
    } cases[] = {
        {SessionType::kX11, "GNOME", "x11"},
        {SessionType::kWayland, "KDE", "kwin"},
        {SessionType::kWayland, "GNOME", nullptr},
        {SessionType::kNone, "", nullptr},
    };
    for (const auto& c : cases) {
        const ForegroundTrackerChoice choice = ChooseForegroundTracker(c.session, Lookup({{"XDG_CURRENT_DESKTOP", c.desktop}}));
        if (!c.trackerName) {
            EXPECT_EQ(choice.tracker, nullptr) << c.desktop;
            continue;
        }
        ASSERT_NE(choice.tracker, nullptr) << c.desktop;
        EXPECT_STREQ(choice.tracker->Name(), c.trackerName);
        EXPECT_STREQ(ForegroundTrackerName(choice.support.kind), c.trackerName);
    }
}

}  // namespace
}  // namespace oryn7px
