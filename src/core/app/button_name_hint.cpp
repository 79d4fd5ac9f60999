#include "core/app/button_name_hint.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace oryn7px {

namespace {

using NamePair = std::pair<std::u16string_view, std::u16string_view>;  // Chinese, English

constexpr std::array<NamePair, 7> kDefaultNames{{
    {u"单击", u"Click"},
    {u"中键", u"Middle"},
    {u"菜单", u"Menu"},
    {u"前进", u"Forward"},
    {u"后退", u"Back"},
    {u"滚轮前滚", u"Scroll up"},
    {u"滚轮后滚", u"Scroll down"},
}};

std::u16string_view StoredName(const char16_t (&name)[kPathChars]) {
    size_t length = 0;
    while (length < kPathChars && name[length] != u'\0') ++length;
    return {name, length};
}

}  // namespace

bool SwapDefaultButtonName(char16_t (&name)[kPathChars], bool chinese) {
    const std::u16string_view stored = StoredName(name);
    for (const auto& [chineseName, englishName] : kDefaultNames) {
        const std::u16string_view from = chinese ? englishName : chineseName;
        const std::u16string_view to = chinese ? chineseName : englishName;
        if (stored != from) continue;
        std::fill(std::begin(name), std::end(name), u'\0');
        to.copy(name, kPathChars - 1);
        return true;
    }
    return false;
}

}  // namespace oryn7px
