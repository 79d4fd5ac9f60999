// A control's hover hint and its tooltip name the same language key. The hint tables and the
// tooltip tables are kept apart, so only this ties them together.
#include <gtest/gtest.h>

#include <string_view>

#include "core/layout/frame_layout.h"
#include "core/layout/macro_page_layout.h"
#include "core/i18n/hint_ids.h"

namespace oryn7px {
namespace {

std::string_view HintKey(int hint) {
    const HintTarget target = HintForId(hint);
    EXPECT_EQ(target.kind, HintTarget::Kind::LanguageKey) << hint;
    return target.key;
}

TEST(HintTablesTest, ProfileButtonsHintWhatTheirTooltipsSay) {
    for (std::size_t i = 0; i < main_window::kProfileHints.size(); ++i) {
        EXPECT_EQ(HintKey(main_window::kProfileHints[i]), main_window::kProfileTooltipKeys[i]) << i;
    }
    // The apply button's tooltip is its key, Alt+G; its hint is the language's word for it.
    EXPECT_EQ(HintKey(main_window::kApplyHint), "str_ok");
}

TEST(HintTablesTest, MacroPageControlsHintWhatTheirTooltipsSay) {
    int compared = 0;
    for (const macro_page::ControlHint& hint : macro_page::kControlHints) {
        for (const macro_page::ControlTooltip& tip : macro_page::kControlTooltips) {
            if (tip.control != hint.control || tip.key == nullptr) continue;
            EXPECT_EQ(HintKey(hint.hint), tip.key) << hint.control;
            ++compared;
        }
    }
    // Every control with a hint carries a translated tooltip too.
    EXPECT_EQ(compared, static_cast<int>(macro_page::kControlHints.size()));
}

}  // namespace
}  // namespace oryn7px
