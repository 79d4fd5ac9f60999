#pragma once
// The twelve UI languages: number, menu name, file and pictures.
#include <array>
#include <filesystem>
#include <string_view>

namespace oryn7px {

inline constexpr int kLanguageCount = 12;
inline constexpr int kLanguageSimplifiedChinese = 1;
inline constexpr int kLanguageEnglish = 2;

struct Language {
    int number;               // 1..12, as stored in Language.cfg
    std::string_view menuName;  // fixed English text of the language menu
    std::string_view fileName;  // in the Language folder of the program folder
    int menuIconId;           // PNG resource of the menu item
    int buttonPictureId;      // bitmap resource of the language button
};

// Null for a number outside 1..12.
const Language* FindLanguage(int number);

// programDir/Language/<file>; empty for an unknown number.
std::filesystem::path LanguageFilePath(const std::filesystem::path& programDir, int number);

// 1 while Simplified Chinese is the UI language, 0 for every other one (Traditional included).
int ChineseFlagFor(int number);

}  // namespace oryn7px
