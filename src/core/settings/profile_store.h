#pragma once
// The five profile files, their index ConfigInfo.cfg, Language.cfg, and the whole-configuration
// export and import.
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>

#include "core/i18n/text_source.h"
#include "core/interfaces/file_writer.h"
#include "core/interfaces/paths.h"
#include "core/interfaces/program_restart.h"
#include "core/interfaces/user_messages.h"
#include "core/settings/settings_state.h"

namespace oryn7px {

// Results of reading a profile file.
inline constexpr int kProfileRead = 1;
inline constexpr int kProfileNotRead = 0;
inline constexpr int kProfileInvalid = -1;

inline constexpr std::size_t kExportFileSize = sizeof(ProfileData) + sizeof(ProfileIndex) + sizeof(MacroTableData);

class ProfileStore {
public:
    ProfileStore(SettingsState& state, const Paths& paths, FileWriter& writer, UserMessages& messages,
                 const TextSource& texts);

    // Start-up: reads the index, loads the active profile (or profile 1, creating default files
    // where needed) and copies the current entry's macro ids into ButtonMacroId.
    void LoadProfileIndex();

    // kProfileRead, kProfileInvalid (wrong magic) or kProfileNotRead. With createIfMissing, a
    // missing file is reported and replaced by a default file (the defaults are then in memory).
    int ReadProfileFile(const std::filesystem::path& path, bool createIfMissing);
    // Puts the defaults into the current profile and writes them to `path`; true when written.
    bool CreateDefaultProfileFile(const std::filesystem::path& path);

    // False (after saying which) when the current profile's file or the index exists but could
    // not be read: nothing may then be written to the mouse in its name or saved over it.
    bool CanSaveCurrentProfileAndIndex() const;
    // After the mouse accepted the profile: the profile file and ConfigInfo.cfg, both or neither.
    bool SaveCurrentProfileAndIndex();
    // The current profile's file alone (an edit that changed no macro id).
    bool SaveCurrentProfile();
    // The same for a profile written from a copy: `profile` goes to entry `entry`'s file and
    // `macroIds` into that entry of the index.
    bool SaveProfileAndIndex(int entry, const ProfileData& profile, std::span<const uint32_t, kButtonCount> macroIds);

    // Makes entry `entry` (0..4) current. Anything but kProfileRead leaves the previous profile
    // current and in memory.
    int SwitchProfile(int entry);

    // The number in Language.cfg, unchecked; `whenUnreadable` when the file cannot be read.
    int32_t ReadLanguageNumber(int32_t whenUnreadable = 1);
    // The same number without a word to the user: for choices made before the described read.
    int32_t PeekLanguageNumber(int32_t whenUnreadable = 1) const;
    bool SaveLanguageNumber(int32_t number);

    // The current profile, the index (with the current macro ids) and the macro table in one file.
    bool Export(const std::filesystem::path& file);
    // Takes the profile, the active entries' macro ids and the macro table from a whole export file
    // and saves the profile, the index and Macro.cfg together. Then starts `restart` (null where
    // there is nothing to restart). kProfileRead, kProfileNotRead when the files could not be
    // saved (memory and files then stay as they were), kProfileInvalid.
    int Import(const std::filesystem::path& file, ProgramRestart* restart);

    // Which profile buttons show as selected after the last load or switch.
    const std::array<bool, kProfileCount>& SelectedProfileButtons() const { return selected_; }

    std::filesystem::path ProfileFolder() const;
    std::filesystem::path ProfilePath(int entry) const;
    std::filesystem::path IndexPath() const;
    std::filesystem::path LanguagePath() const;

private:
    bool SaveProfileFile(int entry, const ProfileData& profile);
    void ShowInProgramBox(std::u16string_view format, const std::filesystem::path& path);
    void ShowInInfoBox(std::u16string_view format, const std::filesystem::path& path);
    void ReportSaveFailure(const Status& saved, const std::filesystem::path& path);
    int ImportFile(const std::filesystem::path& file);
    void ReplaceRejectedProfile(int readResult, const std::filesystem::path& path);
    bool IsValidActiveEntry(int entry) const;

    SettingsState& state_;
    std::filesystem::path dataFolder_;
    FileWriter& writer_;
    UserMessages& messages_;
    const TextSource& texts_;
    std::array<bool, kProfileCount> selected_{};
};

}  // namespace oryn7px
