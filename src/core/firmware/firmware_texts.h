#pragma once
// The update check's built-in texts, Simplified Chinese and English, chosen by bChinese.
#include <filesystem>
#include <string>

namespace oryn7px {

std::u16string UpdateQuestionText(bool chinese);
std::u16string LatestVersionText(bool chinese);
std::u16string UnreadableDescriptionText(bool chinese);
// Not translated.
std::u16string ImageDownloadFailedText();
std::u16string FlashingToolMissingText(bool chinese, const std::filesystem::path& tool);

}  // namespace oryn7px
