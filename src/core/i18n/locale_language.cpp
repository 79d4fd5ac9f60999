#include "core/i18n/locale_language.h"

#include <array>

#include "core/i18n/languages.h"

namespace oryn7px {

namespace {

struct LocaleLanguage {
    std::string_view code;  // ISO 639-1
    int number;
};

constexpr std::array<LocaleLanguage, 11> kLanguages = {{
    {"zh", kLanguageSimplifiedChinese},
    {"en", kLanguageEnglish},
    {"fr", 3},
    {"ko", 4},
    {"de", 5},
    {"it", 6},
    {"es", 7},
    {"nl", 8},
    {"pt", 9},
    {"ru", 10},
    {"uk", 11},
}};

constexpr int kLanguageTraditionalChinese = 12;

// Taiwan and Hong Kong write Traditional Chinese; every other Chinese locale, Simplified.
bool IsTraditionalChineseTerritory(std::string_view territory) { return territory == "TW" || territory == "HK"; }

}  // namespace

std::string MessagesLocale(const EnvironmentLookup& environment) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::optional<std::string> value = environment(name);
        if (value && !value->empty()) return *value;
    }
    return {};
}

int LanguageForLocale(std::string_view locale) {
    // language[_territory][.codeset][@modifier]
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    const std::size_t underscore = name.find('_');
    const std::string_view language = name.substr(0, underscore);
    const std::string_view territory =
        underscore == std::string_view::npos ? std::string_view() : name.substr(underscore + 1);
    for (const LocaleLanguage& entry : kLanguages) {
        if (entry.code != language) continue;
        if (entry.number == kLanguageSimplifiedChinese && IsTraditionalChineseTerritory(territory)) {
            return kLanguageTraditionalChinese;
        }
        return entry.number;
    }
    return kLanguageEnglish;
}

}  // namespace oryn7px
