#include "core/settings/profile_store.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "core/base/file_read.h"
#include "core/base/path_text.h"
#include "core/base/utf16.h"
#include "core/settings/file_messages.h"
#include "core/settings/macro_library.h"

namespace oryn7px {

ProfileStore::ProfileStore(SettingsState& state, const Paths& paths, FileWriter& writer, UserMessages& messages,
                           const TextSource& texts)
    : state_(state), dataFolder_(paths.DataFolder()), writer_(writer), messages_(messages), texts_(texts) {}

std::filesystem::path ProfileStore::ProfileFolder() const { return dataFolder_ / "Profile"; }

std::filesystem::path ProfileStore::ProfilePath(int entry) const {
    return ProfileFolder() / ("Profile" + std::to_string(entry + 1) + ".cfg");
}

std::filesystem::path ProfileStore::IndexPath() const { return ProfileFolder() / "ConfigInfo.cfg"; }

std::filesystem::path ProfileStore::LanguagePath() const { return dataFolder_ / "Language.cfg"; }

void ProfileStore::ShowInProgramBox(std::u16string_view format, const std::filesystem::path& path) {
    messages_.ShowInfoBox(FormatS(format, PathText(path)), false);
}

void ProfileStore::ShowInInfoBox(std::u16string_view format, const std::filesystem::path& path) {
    messages_.ShowInfoCaptionBox(FormatS(format, PathText(path)));
}

void ProfileStore::ReportSaveFailure(FileError error, const std::filesystem::path& path) {
    if (error == FileError::kNotFound) ShowInInfoBox(texts_.Text(kKeyNotFound), path);
    if (error == FileError::kAccessDenied) messages_.ShowInfoCaptionBox(texts_.Text(kKeyAccessDeniedSave));
}

bool ProfileStore::IsValidActiveEntry(int entry) const {
    const ConfigInfoEntry& e = state_.index[static_cast<std::size_t>(entry)];
    return e.dwMagic == kConfigEntryMagic && e.bActive != 0;
}

void ProfileStore::LoadProfileIndex() {
    std::memset(state_.index.data(), 0, sizeof state_.index);
    const FileRead read = ReadRecord(IndexPath(), state_.index);
    if (read.error == FileError::kNotFound) ShowInProgramBox(kMsgFailedToOpen, IndexPath());

    // The stored paths are rewritten for this data folder; the files are always found from it.
    for (int k = 0; k < kProfileCount; ++k) {
        SetFixedText(state_.index[static_cast<std::size_t>(k)].szProfilePath, PathText(ProfilePath(k)));
    }

    bool loaded = false;
    for (int k = 0; k < kProfileCount && !loaded; ++k) {
        if (!IsValidActiveEntry(k)) continue;
        const int result = ReadProfileFile(ProfilePath(k), true);
        if (result == kProfileRead) {
            state_.currentEntry = k;
            loaded = true;
        } else {
            state_.index[static_cast<std::size_t>(k)].bActive = 0;
            ReplaceRejectedProfile(result, ProfilePath(k));
        }
    }
    if (!loaded) {
        const int result = ReadProfileFile(ProfilePath(0), false);
        if (result != kProfileRead) ReplaceRejectedProfile(result, ProfilePath(0));
        state_.index[0].bActive = 1;
        state_.currentEntry = 0;
    }

    for (int k = 0; k < kProfileCount; ++k) selected_[static_cast<std::size_t>(k)] = IsValidActiveEntry(k);
    std::copy_n(state_.CurrentEntry().nButtonMacroId, kButtonCount, state_.ButtonMacroId);
}

// A file with the wrong magic is kept beside as <name>.invalid before the defaults replace it.
// Bytes that cannot be moved aside (or a file that exists but cannot be read) are never written
// over: the defaults then live in memory only.
void ProfileStore::ReplaceRejectedProfile(int readResult, const std::filesystem::path& path) {
    std::error_code ec;
    if (readResult == kProfileInvalid) std::filesystem::rename(path, std::filesystem::path(path) += ".invalid", ec);
    if (std::filesystem::exists(path, ec) || ec) {
        BuildDefaultProfile(state_.profile, state_.bChinese == 1);
        return;
    }
    CreateDefaultProfileFile(path);
}

int ProfileStore::ReadProfileFile(const std::filesystem::path& path, bool createIfMissing) {
    const FileRead read = ReadRecord(path, state_.profile);
    if (read.error != FileError::kNone) {
        if (createIfMissing && read.error == FileError::kNotFound) {
            ShowInProgramBox(kMsgFailedToOpen, path);
            CreateDefaultProfileFile(path);
        }
        return kProfileNotRead;
    }
    if (state_.profile.dwMagic != kProfileMagic) {
        ShowInInfoBox(kMsgInvalidProfile, path);
        return kProfileInvalid;
    }
    return kProfileRead;
}

bool ProfileStore::CreateDefaultProfileFile(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::create_directory(ProfileFolder(), ec);
    // The defaults go into memory even when the file cannot be written: the program runs with them.
    BuildDefaultProfile(state_.profile, state_.bChinese == 1);
    const FileError error = writer_.ReplaceFile(path, RecordBytes(state_.profile));
    if (error == FileError::kAccessDenied) messages_.ShowInfoBox(texts_.Text(kKeyAccessDeniedMacroOrProfile), false);
    return error == FileError::kNone;
}

bool ProfileStore::SaveCurrentProfileAndIndex() {
    return SaveProfileAndIndex(state_.currentEntry, state_.profile,
                               std::span<const uint32_t, kButtonCount>(state_.ButtonMacroId));
}

bool ProfileStore::SaveProfileAndIndex(int entry, const ProfileData& profile,
                                       std::span<const uint32_t, kButtonCount> macroIds) {
    if (entry < 0 || entry >= kProfileCount) return false;
    std::copy(macroIds.begin(), macroIds.end(), state_.index[static_cast<std::size_t>(entry)].nButtonMacroId);
    const bool saved = SaveProfileFile(entry, profile);
    writer_.ReplaceFile(IndexPath(), RecordBytes(state_.index));
    return saved;
}

bool ProfileStore::SaveCurrentProfile() { return SaveProfileFile(state_.currentEntry, state_.profile); }

bool ProfileStore::SaveProfileFile(int entry, const ProfileData& profile) {
    const std::filesystem::path profilePath = ProfilePath(entry);
    const FileError error = writer_.ReplaceFile(profilePath, RecordBytes(profile));
    ReportSaveFailure(error, profilePath);
    return error == FileError::kNone;
}

int ProfileStore::SwitchProfile(int entry) {
    if (entry < 0 || entry >= kProfileCount) return kProfileNotRead;
    const int previousEntry = state_.currentEntry;
    const ProfileData previousProfile = state_.profile;
    state_.currentEntry = entry;
    const int result = ReadProfileFile(ProfilePath(entry), true);
    if (result != kProfileRead) {
        // Memory keeps matching what the pages show, and a later apply cannot save rejected bytes.
        state_.currentEntry = previousEntry;
        state_.profile = previousProfile;
        return result;
    }
    std::copy_n(state_.CurrentEntry().nButtonMacroId, kButtonCount, state_.ButtonMacroId);
    for (ConfigInfoEntry& e : state_.index) e.bActive = 0;
    state_.CurrentEntry().bActive = 1;
    for (int k = 0; k < kProfileCount; ++k) {
        selected_[static_cast<std::size_t>(k)] = state_.index[static_cast<std::size_t>(k)].bActive == 1;
    }
    return kProfileRead;
}

int32_t ProfileStore::ReadLanguageNumber(int32_t whenUnreadable) {
    int32_t number = 0;
    const FileRead read = ReadRecord(LanguagePath(), number);
    if (read.error == FileError::kNotFound) ShowInProgramBox(kMsgFailedToOpen, LanguagePath());
    return read.error == FileError::kNone ? number : whenUnreadable;
}

bool ProfileStore::SaveLanguageNumber(int32_t number) {
    const FileError error = writer_.ReplaceFile(LanguagePath(), RecordBytes(number));
    ReportSaveFailure(error, LanguagePath());
    return error == FileError::kNone;
}

bool ProfileStore::Export(const std::filesystem::path& file) {
    std::copy_n(state_.ButtonMacroId, kButtonCount, state_.CurrentEntry().nButtonMacroId);
    std::vector<uint8_t> bytes;
    bytes.reserve(kExportFileSize);
    for (std::span<const uint8_t> part :
         {RecordBytes(state_.profile), RecordBytes(state_.index), RecordBytes(state_.MacroTable)}) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    const bool written = writer_.ReplaceFile(file, bytes) == FileError::kNone;
    ShowInInfoBox(written ? kMsgExportSuccess : kMsgExportFailed, file);
    return written;
}

int ProfileStore::Import(const std::filesystem::path& file, ProgramRestart* restart) {
    struct Head {
        ProfileData profile;
        ProfileIndex index;
    };
    static_assert(sizeof(Head) == sizeof(ProfileData) + sizeof(ProfileIndex));
    const auto head = std::make_unique<Head>();
    const FileRead read = ReadRecord(file, *head);
    int result = kProfileInvalid;
    if (read.error != FileError::kNone || head->profile.dwMagic != kProfileMagic) {
        ShowInInfoBox(kMsgInvalidProfile, file);
    } else {
        state_.profile = head->profile;
        // Only the bytes the file holds replace the table; a short file leaves the rest as it was.
        ReadFileAt(file, sizeof(Head), state_.MacroTable.data(), sizeof state_.MacroTable);
        CutEventCounts(state_.MacroTable);
        for (const ConfigInfoEntry& e : head->index) {
            if (e.bActive != 0) std::copy_n(e.nButtonMacroId, kButtonCount, state_.CurrentEntry().nButtonMacroId);
        }
        std::copy_n(state_.CurrentEntry().nButtonMacroId, kButtonCount, state_.ButtonMacroId);
        // Saved now, or the restart would bring back the old profile from its file.
        // A save that failed has said so; "success" would then be false.
        result = SaveCurrentProfileAndIndex() ? kProfileRead : kProfileNotRead;
        if (result == kProfileRead) ShowInInfoBox(kMsgImportSuccess, file);
    }
    if (restart != nullptr) restart->StartLauncherAndClose();
    return result;
}

}  // namespace oryn7px
