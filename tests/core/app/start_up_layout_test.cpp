#include "core/app/start_up_layout.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/firmware/update_files.h"
#include "core/i18n/languages.h"

namespace oryn7px {
namespace {

TEST(StartUpLayout, TheInstallersFileDecidesElseTheUsersLanguage) {
    // Language.cfg reads as 1 when it is missing, so "missing" is the row with 1.
    struct Case {
        std::optional<int> languageType;
        int32_t languageNumber;
        bool chinese;
    };
    const Case cases[] = {
        {std::nullopt, 1, true},  {std::nullopt, 2, false}, {std::nullopt, 12, false}, {std::nullopt, 13, false},
        {0, 1, false},            {0, 2, false},            {0, 12, false},            {1, 1, true},
        {1, 2, true},             {1, 12, true},            {2, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "ini " << (c.languageType ? std::to_string(*c.languageType) : "absent")
                                          << ", Language.cfg " << c.languageNumber);
        const bool chinese = StartsInChineseLayout(c.languageType, c.languageNumber);
        EXPECT_EQ(chinese, c.chinese);
        // bChinese and the flashing tool's argument follow the layout at start-up.
        EXPECT_STREQ(FlasherArgument(chinese), c.chinese ? "1" : "0");
    }
}

}  // namespace
}  // namespace oryn7px
