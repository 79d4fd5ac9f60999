#pragma once
// The fixed (untranslated) texts of the settings files' messages, and the language keys used.
#include <string_view>

namespace oryn7px {

inline constexpr std::u16string_view kMsgFailedToOpen = u"Failed to open file, check whether there is a %s path?";
inline constexpr std::u16string_view kMsgInvalidProfile = u"%s is an invaild Profile!";
inline constexpr std::u16string_view kMsgExportSuccess = u"%s export success!";
inline constexpr std::u16string_view kMsgExportFailed = u"%s export failed!";
inline constexpr std::u16string_view kMsgImportSuccess = u"%s import success!";

// Language keys: a file or folder not found on writing (takes the path), and two access-denied texts.
inline constexpr std::string_view kKeyNotFound = "str_msg2";
inline constexpr std::string_view kKeyAccessDeniedMacroOrProfile = "str_msg4";
inline constexpr std::string_view kKeyAccessDeniedSave = "str_msg5";

}  // namespace oryn7px
