#include "core/app/foreground_support.h"

#include <gtest/gtest.h>

namespace oryn7px {
namespace {

TEST(ForegroundSupport, TheLineSaysWhichTrackerOrWhyNoneInBothLanguages) {
    const struct {
        ForegroundSupport support;
        std::u16string english;
        std::u16string chinese;
    } cases[] = {
        {{ForegroundTrackerKind::kX11, NoForegroundReason::kNone},
         u"Profiles that follow the program: X11 (the window manager's active window)",
         u"随程序切换配置：X11（窗口管理器的活动窗口）"},
        {{ForegroundTrackerKind::kKWin, NoForegroundReason::kNone},
         u"Profiles that follow the program: KDE Plasma (a KWin script)", u"随程序切换配置：KDE Plasma（KWin 脚本）"},
        {{ForegroundTrackerKind::kNone, NoForegroundReason::kGnomeWayland},
         u"Profiles that follow the program: not on GNOME (needs a Shell extension)",
         u"随程序切换配置：GNOME 上不可用（需要 Shell 扩展）"},
        {{ForegroundTrackerKind::kNone, NoForegroundReason::kNoSession},
         u"Profiles that follow the program: not without a desktop session", u"随程序切换配置：没有桌面会话时不可用"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ForegroundSupportLine(c.support, false), c.english);
        EXPECT_EQ(ForegroundSupportLine(c.support, true), c.chinese);
    }
}

TEST(ForegroundSupport, NamesForTheLogAndTheJson) {
    EXPECT_STREQ(ForegroundTrackerName(ForegroundTrackerKind::kX11), "x11");
    EXPECT_STREQ(ForegroundTrackerName(ForegroundTrackerKind::kKWin), "kwin");
    EXPECT_STREQ(ForegroundTrackerName(ForegroundTrackerKind::kWlroots), "wlroots");
    EXPECT_STREQ(ForegroundTrackerName(ForegroundTrackerKind::kNone), "none");
}

}  // namespace
}  // namespace oryn7px
