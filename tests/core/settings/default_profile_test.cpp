#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/base/bytes.h"
#include "core/base/utf16.h"
#include "core/settings/settings_state.h"

namespace oryn7px {
namespace {

const uint8_t* Bytes(const ProfileData& p) { return reinterpret_cast<const uint8_t*>(&p); }

TEST(DefaultProfile, HasTheDocumentedBytes) {
    ProfileData profile;
    std::memset(&profile, 0xAB, sizeof profile);  // every reserved byte must be cleared
    BuildDefaultProfile(profile, false);
    const uint8_t* b = Bytes(profile);
    EXPECT_EQ(std::vector<uint8_t>(b, b + 4), (std::vector<uint8_t>{0x5A, 0x02, 0x80, 0x80}));
    struct Field { std::size_t offset; uint32_t value; };
    const Field fields[] = {
        {25188, 10}, {25212, 50}, {25252, 15}, {25256, 1}, {25260, 5}, {25264, 0},
        {25268, 0x000000FF}, {25284, 0x000000FF}, {25288, 1}, {25308, 0}, {25328, 1},
        {25332, 0}, {25336, 10}, {25340, 5}, {25344, 3}, {25348, 2}, {25352, 3},
        {25356, 1}, {25384, 0}, {25408, 6},
    };
    for (const Field& f : fields) EXPECT_EQ(ReadLe32(b + f.offset), f.value) << "offset " << f.offset;
    for (std::size_t i = 25216; i < 25252; ++i) ASSERT_EQ(b[i], 0) << "reserved byte " << i;
    for (int i = 0; i < kButtonCount; ++i) {
        const uint8_t* button = b + 4 + i * 3148;
        EXPECT_EQ(static_cast<int32_t>(ReadLe32(button)), nDefaultFunction[i]);
        for (std::size_t k = 1068; k < 3148; ++k) ASSERT_EQ(button[k], 0) << "button " << i;
    }
}

TEST(DefaultProfile, NamesButtonsInTheUiLanguage) {
    struct Case { bool chinese; std::u16string names[kButtonCount]; };
    const Case cases[] = {
        {false, {u"Click", u"Middle", u"Menu", u"Forward", u"Back", u"Scroll up", u"Scroll down", u"DPI loop"}},
        {true, {u"单击", u"中键", u"菜单", u"前进", u"后退", u"滚轮前滚", u"滚轮后滚", u"DPI循环"}},
    };
    for (const Case& c : cases) {
        ProfileData profile;
        BuildDefaultProfile(profile, c.chinese);
        for (int i = 0; i < kButtonCount; ++i) EXPECT_EQ(FixedText(profile.Buttons[i].szName), c.names[i]);
    }
}

TEST(DefaultProfile, RestoreDefaultsClearsMacroIdsOnly) {
    auto state = std::make_unique<SettingsState>();
    state->bChinese = 0;
    state->profile.Buttons[3].nFunction = kFunctionMacro;
    state->profile.Buttons[3].nMacroId = 0x16000123;
    state->ButtonMacroId[3] = 0x16000123;
    state->index[0].nButtonMacroId[3] = 0x16000123;
    state->MacroTable[0].dwMacroId = 0x16000123;
    RestoreDefaults(*state);
    EXPECT_EQ(state->profile.Buttons[3].nFunction, 8);
    EXPECT_EQ(state->profile.Buttons[3].nMacroId, 0u);
    EXPECT_EQ(state->ButtonMacroId[3], 0u);
    EXPECT_EQ(state->index[0].nButtonMacroId[3], 0x16000123u);
    EXPECT_EQ(state->MacroTable[0].dwMacroId, 0x16000123u);
}

}  // namespace
}  // namespace oryn7px
