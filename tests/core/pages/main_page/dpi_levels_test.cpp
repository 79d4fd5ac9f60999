// Any sequence of DPI level toggles, from any start, leaves a cycle the mouse can take: the
// levels that are on carry the orders 0..n-1 in level order, the others 255, flags are 0 or 1,
// the page shows what is stored, and the last level that is on stays on.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/i18n/us_keyboard_layout.h"
#include "core/pages/main_page/main_page_model.h"
#include "core/settings/settings_state.h"

namespace oryn7px {
namespace {

using Levels = std::array<int32_t, kDpiLevelCount>;

struct Toggle {
    int level;
    bool on;
};

class DpiLevelsTest : public ::testing::Test {
protected:
    void SetUp() override { BuildDefaultProfile(state->profile, false); }

    void Start(const Levels& enabled, const Levels& orders) {
        std::copy(enabled.begin(), enabled.end(), state->profile.bDpiEnabled);
        std::copy(orders.begin(), orders.end(), state->profile.nDpiOrder);
        model.RefreshFromProfile();
    }
    int LevelsOn() const {
        return static_cast<int>(std::count_if(std::begin(state->profile.bDpiEnabled),
                                              std::end(state->profile.bDpiEnabled), [](int32_t f) { return f != 0; }));
    }
    // The cycle is dense and the flags, the orders and the view tell the same story.
    void ExpectConsistent(const std::string& where) const {
        const ProfileData& p = state->profile;
        int32_t next = 0;
        for (int k = 0; k < kDpiLevelCount; ++k) {
            ASSERT_TRUE(p.bDpiEnabled[k] == 0 || p.bDpiEnabled[k] == 1) << where << ", level " << k + 1;
            EXPECT_EQ(p.nDpiOrder[k], p.bDpiEnabled[k] == 1 ? next++ : kDpiOrderOff) << where << ", level " << k + 1;
            EXPECT_EQ(model.View().dpiOn[static_cast<std::size_t>(k)], p.bDpiEnabled[k] == 1) << where;
        }
        EXPECT_GE(next, 1) << where << ": no level is on";
    }

    std::unique_ptr<SettingsState> state = std::make_unique<SettingsState>();
    UsKeyboardLayout layout;
    MainPageModel model{{state->profile, state->ButtonMacroId}, state->MacroTable, layout, state->bChinese};
};

TEST_F(DpiLevelsTest, SequencesFromSoundAndDamagedStartsKeepTheCycleDense) {
    struct Case {
        const char* what;
        Levels enabled;
        Levels orders;
    };
    const Case starts[] = {
        {"defaults", {1, 1, 1, 1, 1, 1, 1}, {0, 1, 2, 3, 4, 5, 6}},
        {"levels 1 and 5", {1, 0, 0, 0, 1, 0, 0}, {0, 255, 255, 255, 1, 255, 255}},
        {"orders with gaps and repeats", {1, 1, 0, 1, 1, 0, 1}, {0, 3, 255, 3, 9, 255, 2}},
        {"orders -1, 7 and 255 on levels that are on", {1, 1, 1, 0, 0, 1, 1}, {-1, 7, 255, 255, 255, 0, 1}},
        {"orders on levels that are off", {0, 1, 0, 1, 0, 0, 0}, {0, 1, 2, 3, 4, 5, 6}},
        {"flags other than 0 and 1", {2, 0, -1, 0, 0, 0, 1}, {0, 255, 1, 255, 255, 255, 2}},
        {"every level off", {0, 0, 0, 0, 0, 0, 0}, {255, 255, 255, 255, 255, 255, 255}},
    };
    // Turn levels off down to the last, try to turn that one off too, then on again in a
    // scattered order, and off and on once more around the middle.
    const std::vector<Toggle> sequence{{3, true},  {0, false}, {1, false}, {2, false}, {4, false}, {5, false},
                                       {6, false}, {3, false}, {6, true},  {0, true},  {3, true},  {3, false},
                                       {2, true},  {5, true},  {1, true},  {4, true},  {3, true},  {3, true}};
    for (const Case& start : starts) {
        Start(start.enabled, start.orders);
        for (std::size_t step = 0; step < sequence.size(); ++step) {
            const Toggle t = sequence[step];
            const int before = LevelsOn();
            const bool done = model.SetDpiLevelOn(t.level, t.on);
            const std::string where = std::string(start.what) + ", step " + std::to_string(step + 1);
            ExpectConsistent(where);
            const bool lastLevel = !t.on && before == 1 && state->profile.bDpiEnabled[t.level] == 1;
            EXPECT_EQ(done, !lastLevel) << where;
            EXPECT_EQ(state->profile.bDpiEnabled[t.level] == 1, t.on || lastLevel) << where;
        }
        EXPECT_EQ(LevelsOn(), kDpiLevelCount) << start.what;
    }
}

TEST_F(DpiLevelsTest, EveryToggleFromEverySoundCycleKeepsIt) {
    for (int mask = 1; mask < 1 << kDpiLevelCount; ++mask) {
        Levels enabled{};
        Levels orders{};
        int32_t next = 0;
        for (int k = 0; k < kDpiLevelCount; ++k) {
            enabled[static_cast<std::size_t>(k)] = (mask >> k) & 1;
            orders[static_cast<std::size_t>(k)] = (mask >> k) & 1 ? next++ : kDpiOrderOff;
        }
        for (int level = 0; level < kDpiLevelCount; ++level) {
            for (bool on : {false, true}) {
                Start(enabled, orders);
                const bool alone = next == 1 && enabled[static_cast<std::size_t>(level)] == 1;
                EXPECT_EQ(model.SetDpiLevelOn(level, on), on || !alone) << "mask " << mask << " level " << level + 1;
                ExpectConsistent("mask " + std::to_string(mask) + " level " + std::to_string(level + 1));
            }
        }
    }
}

}  // namespace
}  // namespace oryn7px
