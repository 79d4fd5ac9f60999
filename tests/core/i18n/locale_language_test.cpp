#include <gtest/gtest.h>

#include <map>

#include "core/i18n/locale_language.h"

namespace oryn7px {
namespace {

TEST(LocaleLanguage, LanguageOfEachLocale) {
    struct Case {
        std::string_view locale;
        int language;
    };
    const Case cases[] = {
        {"zh_CN.UTF-8", 1},  {"zh_SG", 1},         {"zh", 1},           {"zh_TW.UTF-8", 12}, {"zh_HK.Big5-HKSCS", 12},
        {"en_US.UTF-8", 2},  {"en_GB", 2},         {"fr_FR.UTF-8", 3},  {"fr_CA", 3},        {"ko_KR.EUC-KR", 4},
        {"de_DE@euro", 5},   {"de_AT.UTF-8", 5},   {"it_IT", 6},        {"es_ES.UTF-8", 7},  {"es_MX", 7},
        {"nl_NL", 8},        {"nl_BE.UTF-8", 8},   {"pt_BR.UTF-8", 9},  {"pt_PT", 9},        {"ru_RU.KOI8-R", 10},
        {"uk_UA.UTF-8", 11},
        // Languages without a file, and names that are no language at all.
        {"ja_JP.UTF-8", 2},  {"sv_SE", 2},         {"C", 2},            {"C.UTF-8", 2},      {"POSIX", 2},
        {"", 2},             {"zhx_TW", 2},        {"_TW", 2},          {"ZH_CN", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(LanguageForLocale(c.locale), c.language) << c.locale;
}

TEST(LocaleLanguage, MessagesLocaleFollowsThePrecedenceOfTheVariables) {
    struct Case {
        std::map<std::string, std::string> environment;
        std::string locale;
    };
    const Case cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, "de_DE.UTF-8"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR"}}, "fr_FR"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "C"}}, "C"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}}, "de_DE.UTF-8"},
        {{{"LC_CTYPE", "ru_RU"}}, ""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        const auto lookup = [&](const char* name) -> std::optional<std::string> {
            const auto it = c.environment.find(name);
            if (it == c.environment.end()) return std::nullopt;
            return it->second;
        };
        EXPECT_EQ(MessagesLocale(lookup), c.locale);
    }
}

}  // namespace
}  // namespace oryn7px
