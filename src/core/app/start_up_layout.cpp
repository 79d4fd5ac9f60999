#include "core/app/start_up_layout.h"

#include "core/i18n/languages.h"

namespace oryn7px {

bool StartsInChineseLayout(std::optional<int> languageTypeValue, int32_t languageNumber) {
    if (languageTypeValue) return *languageTypeValue == 1;
    return languageNumber == kLanguageSimplifiedChinese;
}

}  // namespace oryn7px
