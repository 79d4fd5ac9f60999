#include "core/i18n/string_table.h"

namespace oryn7px {

namespace {

constexpr std::string_view kLanguageSection = "config";

}  // namespace

void StringTable::LoadLanguageFile(const std::filesystem::path& path) {
    std::lock_guard lock(mutex_);
    doc_.LoadFile(path);
    const auto& keys = LanguageKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        strings_[i] = doc_.GetSectionText(kLanguageSection, keys[i].name);
    }
}

std::u16string StringTable::GetLanguageText(std::string_view key) {
    std::lock_guard lock(mutex_);
    return doc_.GetSectionText(kLanguageSection, key);
}

std::u16string StringTable::Text(std::string_view key) const {
    const auto index = LanguageKeyIndex(key);
    if (!index) return {};
    std::lock_guard lock(mutex_);
    return strings_[*index];
}

}  // namespace oryn7px
