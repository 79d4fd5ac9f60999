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
    for (const CaptionKey& caption : CaptionKeys()) {
        const std::u16string text = doc_.GetSectionText(kLanguageSection, caption.name);
        captions_[static_cast<std::size_t>(caption.id)] = text.empty() ? std::u16string(caption.english) : text;
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

std::u16string StringTable::Caption(CaptionId id) const {
    std::lock_guard lock(mutex_);
    const std::u16string& text = captions_[static_cast<std::size_t>(id)];
    return text.empty() ? std::u16string(CaptionKeyOf(id).english) : text;
}

std::optional<std::vector<std::u16string>> StringTable::ReadFileSection(const std::filesystem::path& path,
                                                                        std::string_view section,
                                                                        std::span<const std::string_view> keys) {
    std::lock_guard lock(mutex_);
    if (!doc_.LoadFile(path)) return std::nullopt;
    return SectionTexts(section, keys);
}

std::optional<std::vector<std::u16string>> StringTable::ReadBytesSection(std::string_view bytes,
                                                                         std::string_view section,
                                                                         std::span<const std::string_view> keys) {
    std::lock_guard lock(mutex_);
    if (!doc_.LoadBytes(bytes)) return std::nullopt;
    return SectionTexts(section, keys);
}

std::vector<std::u16string> StringTable::SectionTexts(std::string_view section,
                                                      std::span<const std::string_view> keys) {
    std::vector<std::u16string> texts;
    for (std::string_view key : keys) texts.push_back(doc_.GetSectionText(section, key));
    return texts;
}

}  // namespace oryn7px
