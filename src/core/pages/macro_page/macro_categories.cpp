#include "core/pages/macro_page/macro_categories.h"

#include <array>

namespace oryn7px::macro_page {

namespace {

struct CategoryNames {
    std::u16string_view chinese;
    std::u16string_view english;
};

constexpr std::array<CategoryNames, kCategoryCount> kNames{{
    {u"战地 3", u"Battlefield 3"},
    {u"星球大战:旧共和国", u"Star Wars: The Old Republic"},
    {u"反恐精英:全球攻势", u"Counter-Strike: Global Offensive"},
    {u"上古卷轴5：天际", u"Elder Scrolls V: Skyrim"},
    {u"军团要塞 2", u"Team Fortress 2"},
    {u"蝙蝠侠：阿甘之城", u"Batman Arkham City"},
    {u"文明 5 ", u"Civilization 5 "},
    {u"坦克世界", u"World of Tanks"},
    {u"无主之地 2", u"Borderlands 2"},
    {u"纪元 2070：雷诺起源", u"Anno 2070"},
    {u"英雄联盟(LOL)", u"League of Legends"},
    {u"足球经理 2013 (EA)", u"Football Manager 2013 (EA)"},
    {u"远古遗迹守卫2（Dota 2）", u"Dota 2 "},
    {u"战地 4", u"Battlefield 4"},
    {u"战机世界", u"World of Warplanes"},
    {u"足球经理 2013 (SEGA)", u"Football Manager 2013 (SEGA)"},
    {u"我的世界", u"Minecraft"},
    {u"无冬之夜", u"Neverwinter"},
    {u"流亡黯道", u"Path of Exile"},
    {u"战争雷霆", u"War Thunder"},
    {u"绝地求生", u"PLAYERUNKNOWN'S BATTLEGROUNDS"},
    {u"玩家自定义", u"Customisze"},
}};

}  // namespace

std::u16string_view CategoryName(uint32_t category, bool chinese) {
    if (!IsCategory(category)) return {};
    const CategoryNames& names = kNames[category - kFirstCategory];
    return chinese ? names.chinese : names.english;
}

std::u16string_view CategoryMenuText(uint32_t category, bool chinese) {
    // The menu spells a few names its own way.
    if (chinese) {
        if (category == 1) return u"战地 3 ";
        if (category == 5) return u"军团要塞2";
        if (category == 13) return u"远古遗迹守卫2（Dota 2） ";
    } else {
        if (category == 1) return u"Battlefield 3 ";
        if (category == 22) return u"Customize";
    }
    return CategoryName(category, chinese);
}

}  // namespace oryn7px::macro_page
