#pragma once
// The process-wide settings: one object, owned by the UI side and handed to whoever needs it.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/settings/file_records.h"

namespace oryn7px {

// About 2 MB: allocate it on the heap (std::make_unique).
struct SettingsState {
    ProfileData profile{};                        // the current profile
    uint32_t ButtonMacroId[kButtonCount]{};       // macro ids of the current profile's buttons
    ProfileIndex index{};                         // the five ConfigInfo.cfg entries
    int currentEntry = 0;                         // entry whose file holds `profile`
    MacroTableData MacroTable{};                  // the macro library
    int32_t bChinese = 1;                         // 1 while the Simplified Chinese UI is active
    // Files that exist but could not be read: nothing may be written over them, and nothing
    // built from them (an export) may claim their content.
    std::vector<std::filesystem::path> unreadableFiles;

    ConfigInfoEntry& CurrentEntry() { return index[static_cast<std::size_t>(currentEntry)]; }
};

// Zeroes the record and sets every default; button names follow the UI language (bChinese).
void BuildDefaultProfile(ProfileData& profile, bool chinese);

// Restore defaults: the default profile and no macro ids; index and macro table untouched.
void RestoreDefaults(SettingsState& state);

}  // namespace oryn7px
