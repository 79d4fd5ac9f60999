#include "builtin_texts.h"

#include "core/i18n/languages.h"

namespace oryn7px::cli {

namespace {

std::u16string EnglishFallback(std::string_view key) {
    if (key == "str_msg2") return u"%s: the file or its folder cannot be found.";
    if (key == "str_msg4") return u"Access denied: the settings file cannot be written.";
    if (key == "str_msg5") return u"Access denied: the file cannot be written.";
    return {};
}

}  // namespace

void LanguageTexts::Load(const std::filesystem::path& programFolder, int languageNumber) {
    table_.LoadLanguageFile(LanguageFilePath(programFolder, kLanguageSimplifiedChinese));
    const std::filesystem::path chosen = LanguageFilePath(programFolder, languageNumber);
    if (!chosen.empty()) table_.LoadLanguageFile(chosen);
}

std::u16string LanguageTexts::Text(std::string_view key) const {
    std::u16string text = table_.Text(key);
    return text.empty() ? EnglishFallback(key) : text;
}

}  // namespace oryn7px::cli
