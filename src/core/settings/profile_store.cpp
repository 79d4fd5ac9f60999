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
#include "core/settings/data_files.h"
#include "core/settings/file_messages.h"
#include "core/settings/file_problems.h"
#include "core/settings/macro_library.h"

namespace oryn7px {

ProfileStore::ProfileStore(SettingsState& state, const Paths& paths, FileWriter& writer, UserMessages& messages,
                           const TextSource& texts)
    : state_(state), dataFolder_(paths.DataFolder()), writer_(writer), messages_(messages), texts_(texts) {}

std::filesystem::path ProfileStore::ProfileFolder() const { return ProfileFolderOf(dataFolder_); }

std::filesystem::path ProfileStore::ProfilePath(int entry) const { return ProfilePathOf(dataFolder_, entry); }

std::filesystem::path ProfileStore::IndexPath() const { return IndexPathOf(dataFolder_); }

std::filesystem::path ProfileStore::LanguagePath() const { return LanguagePathOf(dataFolder_); }

void ProfileStore::ShowInProgramBox(std::u16string_view format, const std::filesystem::path& path) {
    messages_.ShowInfoBox(FormatS(format, PathText(path)), false);
}

void ProfileStore::ShowInInfoBox(std::u16string_view format, const std::filesystem::path& path) {
    messages_.ShowInfoCaptionBox(FormatS(format, PathText(path)));
}

void ProfileStore::ReportSaveFailure(const Status& saved, const std::filesystem::path& path) {
    if (saved) return;
    const ErrorKind kind = saved.Failure().kind;
    if (kind == ErrorKind::kNotFound) ShowInInfoBox(texts_.Text(kKeyNotFound), path);
    if (kind == ErrorKind::kAccessDenied) messages_.ShowInfoCaptionBox(texts_.Text(kKeyAccessDeniedSave));
    ShowFileProblem(messages_, state_.bChinese == 1, saved.Failure(), path);
}

bool ProfileStore::IsValidActiveEntry(int entry) const {
    const ConfigInfoEntry& e = state_.index[static_cast<std::size_t>(entry)];
    return e.dwMagic == kConfigEntryMagic && e.bActive != 0;
}

void ProfileStore::LoadProfileIndex() {
    FinishInterruptedReplacement(writer_, dataFolder_);
    std::memset(state_.index.data(), 0, sizeof state_.index);
    const Result<std::size_t> read = ReadRecord(IndexPath(), state_.index);
    if (read.FailedWith(ErrorKind::kNotFound)) ShowInProgramBox(kMsgFailedToOpen, IndexPath());
    if (ExistsButUnreadable(read)) MarkUnreadable(state_, messages_, IndexPath());

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

namespace {

// Anything at the path, a dangling link included.
bool Present(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found;
}

// Where the rejected bytes went; none when they could not be moved.
std::optional<std::filesystem::path> KeepRejectedFile(const std::filesystem::path& path) {
    const auto kept = RejectedFileName(path);
    if (!kept) return std::nullopt;
    std::error_code ec;
    std::filesystem::rename(path, *kept, ec);
    return ec ? std::nullopt : kept;
}

}  // namespace

// A file with the wrong magic, or shorter than a profile, is kept beside as <name>.invalid before
// the defaults replace it. Bytes that cannot be moved aside (or a file that exists but cannot be
// read) are never written over: the defaults then live in memory only. When the defaults cannot be
// written (a full disk), the rejected bytes go back to their name rather than leave no file.
void ProfileStore::ReplaceRejectedProfile(int readResult, const std::filesystem::path& path) {
    const auto kept = readResult == kProfileInvalid ? KeepRejectedFile(path) : std::nullopt;
    if (Present(path)) {
        BuildDefaultProfile(state_.profile, state_.bChinese == 1);
        return;
    }
    if (CreateDefaultProfileFile(path) || !kept) return;
    std::error_code ec;
    std::filesystem::rename(*kept, path, ec);
}

int ProfileStore::ReadProfileFile(const std::filesystem::path& path, bool createIfMissing) {
    const Result<std::size_t> read = ReadRecord(path, state_.profile);
    if (!read) {
        if (createIfMissing && read.FailedWith(ErrorKind::kNotFound)) {
            ShowInProgramBox(kMsgFailedToOpen, path);
            CreateDefaultProfileFile(path);
        }
        if (ExistsButUnreadable(read)) MarkUnreadable(state_, messages_, path);
        return kProfileNotRead;
    }
    // A cut-off file would leave zeros where both clicks and every other setting belong.
    if (*read < sizeof(ProfileData) || state_.profile.dwMagic != kProfileMagic) {
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
    const Status written = writer_.ReplaceFile(path, RecordBytes(state_.profile));
    if (written.FailedWith(ErrorKind::kAccessDenied)) {
        messages_.ShowInfoBox(texts_.Text(kKeyAccessDeniedMacroOrProfile), false);
    } else if (!written) {
        ShowFileProblem(messages_, state_.bChinese == 1, written.Failure(), path);
    }
    return written.Ok();
}

bool ProfileStore::CanSaveCurrentProfileAndIndex() const {
    return !RefuseUnreadable(state_, messages_, {ProfilePath(state_.currentEntry), IndexPath()});
}

// The profile and the index name the same macros: they are replaced together or not at all.
bool ProfileStore::SaveCurrentProfileAndIndex() {
    return SaveProfileAndIndex(state_.currentEntry, state_.profile,
                               std::span<const uint32_t, kButtonCount>(state_.ButtonMacroId));
}

// The profile and the index name the same macros: they are replaced together or not at all.
bool ProfileStore::SaveProfileAndIndex(int entry, const ProfileData& profile,
                                       std::span<const uint32_t, kButtonCount> macroIds) {
    if (entry < 0 || entry >= kProfileCount) return false;
    if (RefuseUnreadable(state_, messages_, {ProfilePath(entry), IndexPath()})) return false;
    std::copy(macroIds.begin(), macroIds.end(), state_.index[static_cast<std::size_t>(entry)].nButtonMacroId);
    const FileReplacement files[] = {{ProfilePath(entry), RecordBytes(profile)}, {IndexPath(), RecordBytes(state_.index)}};
    std::filesystem::path failed;
    const Status saved = writer_.ReplaceFiles(files, ReplaceJournalOf(dataFolder_), &failed);
    ReportSaveFailure(saved, failed);
    return saved.Ok();
}

bool ProfileStore::SaveCurrentProfile() {
    if (RefuseUnreadable(state_, messages_, {ProfilePath(state_.currentEntry)})) return false;
    const std::filesystem::path profilePath = ProfilePath(state_.currentEntry);
    const Status saved = writer_.ReplaceFile(profilePath, RecordBytes(state_.profile));
    ReportSaveFailure(saved, profilePath);
    return saved.Ok();
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
    const Result<std::size_t> read = ReadRecord(LanguagePath(), number);
    if (read.FailedWith(ErrorKind::kNotFound)) ShowInProgramBox(kMsgFailedToOpen, LanguagePath());
    if (ExistsButUnreadable(read)) MarkUnreadable(state_, messages_, LanguagePath());
    return read ? number : whenUnreadable;
}

int32_t ProfileStore::PeekLanguageNumber(int32_t whenUnreadable) const {
    int32_t number = 0;
    return ReadRecord(LanguagePath(), number) ? number : whenUnreadable;
}

bool ProfileStore::SaveLanguageNumber(int32_t number) {
    if (RefuseUnreadable(state_, messages_, {LanguagePath()})) return false;
    const Status saved = writer_.ReplaceFile(LanguagePath(), RecordBytes(number));
    ReportSaveFailure(saved, LanguagePath());
    return saved.Ok();
}

bool ProfileStore::Export(const std::filesystem::path& file) {
    // An export holds what the files hold: a part that could not be read would go out as zeros.
    if (RefuseUnreadable(state_, messages_, {ProfilePath(state_.currentEntry), IndexPath(), MacroPathOf(dataFolder_)})) {
        ShowInInfoBox(kMsgExportFailed, file);
        return false;
    }
    if (IsOwnDataFile(dataFolder_, file)) {
        ShowOwnDataFileRefused(messages_, state_.bChinese == 1, file);
        return false;
    }
    std::copy_n(state_.ButtonMacroId, kButtonCount, state_.CurrentEntry().nButtonMacroId);
    std::vector<uint8_t> bytes;
    bytes.reserve(kExportFileSize);
    for (std::span<const uint8_t> part :
         {RecordBytes(state_.profile), RecordBytes(state_.index), RecordBytes(state_.MacroTable)}) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    const Status written = writer_.ReplaceFile(file, bytes);
    // The export's own failure message covers any other failure to write.
    if (!written && !written.FailedWith(ErrorKind::kIo)) {
        ShowFileProblem(messages_, state_.bChinese == 1, written.Failure(), file);
    }
    ShowInInfoBox(written ? kMsgExportSuccess : kMsgExportFailed, file);
    return written.Ok();
}

int ProfileStore::Import(const std::filesystem::path& file, ProgramRestart* restart) {
    const int result = ImportFile(file);
    if (restart != nullptr) restart->StartLauncherAndClose();
    return result;
}

int ProfileStore::ImportFile(const std::filesystem::path& file) {
    struct Whole {
        ProfileData profile;
        ProfileIndex index;
        MacroTableData table;
    };
    static_assert(sizeof(Whole) == kExportFileSize);
    // Only a whole export: a cut-off one would leave a profile of zeros, which disables both clicks.
    // (Measured before the 2 MB are read, so a short file costs nothing.)
    std::error_code ec;
    const Status readable = CheckReadable(file);
    const bool longEnough = readable && std::filesystem::file_size(file, ec) >= sizeof(Whole);
    std::unique_ptr<Whole> imported;
    Result<std::size_t> read = std::size_t{0};
    if (longEnough) {
        imported = std::make_unique<Whole>();
        read = ReadRecord(file, *imported);
    }
    // A file that could not be read is reported for what kept it out; only one that was read can
    // be an invalid profile.
    if (!readable || !read) {
        ShowUnreadableImport(messages_, state_.bChinese == 1, !readable ? readable.Failure() : read.Failure(), file);
        return kProfileInvalid;
    }
    if (!longEnough || *read < sizeof(Whole) || imported->profile.dwMagic != kProfileMagic) {
        ShowInInfoBox(kMsgInvalidProfile, file);
        return kProfileInvalid;
    }
    const std::filesystem::path macroPath = MacroPathOf(dataFolder_);
    if (!CanSaveCurrentProfileAndIndex() || RefuseUnreadable(state_, messages_, {macroPath})) return kProfileNotRead;

    CutEventCounts(imported->table);
    const std::size_t skippedMacros = KeepFirstOfEachMacroId(imported->table);
    auto index = state_.index;
    ConfigInfoEntry& current = index[static_cast<std::size_t>(state_.currentEntry)];
    for (const ConfigInfoEntry& e : imported->index) {
        if (e.bActive != 0) std::copy_n(e.nButtonMacroId, kButtonCount, current.nButtonMacroId);
    }
    // Saved now (the restart would otherwise bring back the old profile), all three or none, so
    // the profile never names a macro the library lacks.
    const FileReplacement files[] = {{ProfilePath(state_.currentEntry), RecordBytes(imported->profile)},
                                     {IndexPath(), RecordBytes(index)},
                                     {macroPath, RecordBytes(imported->table)}};
    std::filesystem::path failed;
    const Status saved = writer_.ReplaceFiles(files, ReplaceJournalOf(dataFolder_), &failed);
    if (!saved) {
        ReportSaveFailure(saved, failed);
        return kProfileNotRead;
    }
    state_.profile = imported->profile;
    state_.index = index;
    state_.MacroTable = imported->table;
    std::copy_n(current.nButtonMacroId, kButtonCount, state_.ButtonMacroId);
    ShowInInfoBox(kMsgImportSuccess, file);
    if (skippedMacros > 0) ShowSkippedMacros(messages_, state_.bChinese == 1, skippedMacros);
    return kProfileRead;
}

}  // namespace oryn7px
