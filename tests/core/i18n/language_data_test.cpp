#include <gtest/gtest.h>

#include <set>

#include "core/i18n/hint_ids.h"
#include "core/i18n/language_keys.h"
#include "core/i18n/languages.h"

namespace oryn7px {
namespace {

TEST(LanguageKeysTest, TableOrderAndNames) {
    const auto& keys = LanguageKeys();
    EXPECT_EQ(keys.front().name, "str_main");
    EXPECT_EQ(keys[81].name, "str_msg2");
    EXPECT_EQ(keys.back().name, "str_firmware_version");
    std::set<std::string_view> names;
    for (const LanguageKey& key : keys) names.insert(key.name);
    EXPECT_EQ(names.size(), kLanguageKeyCount);
    EXPECT_TRUE(names.contains("str_led_changeClolor"));
    EXPECT_TRUE(names.contains("str_marco_list"));
    EXPECT_EQ(LanguageKeyIndex("str_ok"), 10u);
    EXPECT_EQ(LanguageKeyIndex("str_OK"), std::nullopt);
}

TEST(LanguagesTest, NumbersFilesAndPictures) {
    const struct {
        int number;
        std::string_view menuName;
        std::string_view file;
        int icon;
        int picture;
    } cases[] = {
        {1, "Chinese", "sc.xml", 130, 142},      {2, "English", "en.xml", 131, 143},
        {4, "Korean", "kor.xml", 133, 145},      {8, "Dutch", "dutch.xml", 137, 149},
        {10, "Russian", "rus.xml", 139, 151},    {12, "Trad.Chinese", "tw.xml", 141, 153},
    };
    for (const auto& c : cases) {
        const Language* language = FindLanguage(c.number);
        ASSERT_NE(language, nullptr);
        EXPECT_EQ(language->menuName, c.menuName);
        EXPECT_EQ(language->fileName, c.file);
        EXPECT_EQ(language->menuIconId, c.icon);
        EXPECT_EQ(language->buttonPictureId, c.picture);
    }
    EXPECT_EQ(FindLanguage(0), nullptr);
    EXPECT_EQ(FindLanguage(13), nullptr);
    EXPECT_EQ(LanguageFilePath("/opt/oryn7px", 12), std::filesystem::path("/opt/oryn7px/Language/tw.xml"));
    EXPECT_EQ(LanguageFilePath("/opt/oryn7px", 13), std::filesystem::path());
    EXPECT_EQ(ChineseFlagFor(1), 1);
    EXPECT_EQ(ChineseFlagFor(12), 0);
}

TEST(HintIdsTest, MapsIdsToKeysButtonsAndClear) {
    using Kind = HintTarget::Kind;
    const struct {
        int id;
        Kind kind;
        std::string_view key;
        int button;
    } cases[] = {
        {1, Kind::LanguageKey, "str_main", 0},       {18, Kind::LanguageKey, "str_rollerScreen", 0},
        {19, Kind::ButtonName, "", 0},               {25, Kind::ButtonName, "", 6},
        {26, Kind::LanguageKey, "str_ledspe", 0},    {56, Kind::LanguageKey, "str_update", 0},
        {57, Kind::LanguageKey, "str_tavikWeb", 0},  {58, Kind::LanguageKey, "str_importFile", 0},
        {60, Kind::LanguageKey, "str_defaultname", 0}, {90, Kind::LanguageKey, "str_firmware_version", 0},
        {99, Kind::Clear, "", 0},                    {0, Kind::None, "", 0},
        {91, Kind::None, "", 0},                     {-5, Kind::None, "", 0},
    };
    for (const auto& c : cases) {
        const HintTarget target = HintForId(c.id);
        EXPECT_EQ(target.kind, c.kind) << c.id;
        EXPECT_EQ(target.key, c.key) << c.id;
        EXPECT_EQ(target.button, c.button) << c.id;
    }
    for (int id = 1; id <= 90; ++id) EXPECT_NE(HintForId(id).kind, Kind::None) << id;
}

}  // namespace
}  // namespace oryn7px
