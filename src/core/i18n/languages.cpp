#include "core/i18n/languages.h"

namespace oryn7px {

namespace {

constexpr std::array<Language, kLanguageCount> kLanguages = {{
    {1, "Chinese", "sc.xml", 130, 142},
    {2, "English", "en.xml", 131, 143},
    {3, "French", "fre.xml", 132, 144},
    {4, "Korean", "kor.xml", 133, 145},
    {5, "German", "ger.xml", 134, 146},
    {6, "Italian", "ita.xml", 135, 147},
    {7, "Spanish", "span.xml", 136, 148},
    {8, "Dutch", "dutch.xml", 137, 149},
    {9, "Portuguese", "pt.xml", 138, 150},
    {10, "Russian", "rus.xml", 139, 151},
    {11, "Ukrainian", "ukr.xml", 140, 152},
    {12, "Trad.Chinese", "tw.xml", 141, 153},
}};

}  // namespace

const Language* FindLanguage(int number) {
    if (number < 1 || number > kLanguageCount) return nullptr;
    return &kLanguages[static_cast<std::size_t>(number - 1)];
}

std::filesystem::path LanguageFilePath(const std::filesystem::path& programDir, int number) {
    const Language* language = FindLanguage(number);
    if (language == nullptr) return {};
    return programDir / "Language" / language->fileName;
}

int ChineseFlagFor(int number) { return number == kLanguageSimplifiedChinese ? 1 : 0; }

}  // namespace oryn7px
