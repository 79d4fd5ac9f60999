#include "core/settings/macro_library.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "core/base/file_read.h"
#include "core/base/path_text.h"
#include "core/base/utf16.h"
#include "core/settings/data_files.h"
#include "core/settings/stored_text_limits.h"
#include "core/settings/file_messages.h"
#include "core/settings/file_problems.h"

namespace oryn7px {

namespace {

constexpr uint32_t kSaveWaitMs = 100;

bool IsMacro(const MacroEntry& entry) { return (entry.dwMagic >> 16) == kMacroMagicHigh; }

// What the library accepts from the page or from a file: a whole macro record.
bool IsCompleteMacro(const MacroEntry& entry) {
    return entry.dwSize >= kMinimumMacroSize && IsMacro(entry) && entry.dwEventCount <= kMaxMacroEvents;
}

std::vector<uint8_t> ShortFileBytes(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes(sizeof(MacroTableData));
    const Result<std::size_t> read = ReadFileUpTo(path, bytes.data(), bytes.size());
    bytes.resize(read ? *read : 0);
    return bytes;
}

// Whether the newest copy kept aside holds these bytes: a short library stays short until the
// next save, and every command that reads it meanwhile would keep another copy.
bool AlreadyKept(const std::filesystem::path& path) {
    const auto newest = NewestRejectedFile(path);
    return newest && ShortFileBytes(*newest) == ShortFileBytes(path);
}

}  // namespace

bool IsMacroEntryUsed(const MacroEntry& entry) { return entry.dwSize >= kMinimumMacroSize || IsMacro(entry); }

const MacroEntry* FindMacroEntry(const MacroTableData& table, uint32_t id) {
    auto found = std::find_if(table.begin(), table.end(), [id](const MacroEntry& e) { return e.dwMacroId == id; });
    return found == table.end() ? nullptr : &*found;
}

void CutEventCounts(MacroTableData& table) {
    for (MacroEntry& entry : table) {
        entry.dwEventCount = std::min<uint32_t>(entry.dwEventCount, kMaxMacroEvents);
    }
}

std::size_t KeepFirstOfEachMacroId(MacroTableData& table) {
    std::size_t freed = 0;
    for (auto entry = table.begin(); entry != table.end(); ++entry) {
        if (!IsMacroEntryUsed(*entry)) continue;
        const uint32_t id = entry->dwMacroId;
        const bool repeated = std::any_of(table.begin(), entry, [id](const MacroEntry& earlier) {
            return IsMacroEntryUsed(earlier) && earlier.dwMacroId == id;
        });
        if (!IsValidMacroId(id) || repeated) {
            *entry = MacroEntry{};
            ++freed;
        }
    }
    return freed;
}

MacroLibrary::MacroLibrary(SettingsState& state, const Paths& paths, FileWriter& writer, UserMessages& messages,
                           const TextSource& texts, Clock& clock)
    : state_(state), dataFolder_(paths.DataFolder()), writer_(writer), messages_(messages), texts_(texts),
      clock_(clock) {}

std::filesystem::path MacroLibrary::MacroPath() const { return MacroPathOf(dataFolder_); }

bool MacroLibrary::LoadMacroLibrary() {
    FinishInterruptedReplacement(writer_, dataFolder_);
    const Result<std::size_t> read = ReadRecord(MacroPath(), state_.MacroTable);
    if (read.FailedWith(ErrorKind::kNotFound)) {
        messages_.ShowInfoBox(FormatS(texts_.Text(kKeyNotFound), PathText(MacroPath())), false);
    }
    if (ExistsButUnreadable(read)) MarkUnreadable(state_, messages_, MacroPath());
    if (!read) return false;
    // An empty file holds nothing to keep.
    if (*read > 0 && *read < sizeof(MacroTableData)) KeepCopyOfShortLibrary();
    CutEventCounts(state_.MacroTable);
    return true;
}

// A cut-off library is read as far as it goes and saved whole next time: the original bytes are
// kept beside it first, as a rejected profile's are.
void MacroLibrary::KeepCopyOfShortLibrary() {
    if (AlreadyKept(MacroPath())) return;
    const auto kept = RejectedFileName(MacroPath());
    std::error_code ec;
    if (!kept || !std::filesystem::copy_file(MacroPath(), *kept, ec)) {
        ShowFileProblem(messages_, state_.bChinese == 1, Error{ErrorKind::kIo, ec ? ec.message() : std::string()}, kept.value_or(MacroPath()));
        return;
    }
    ShowShortFileKept(messages_, state_.bChinese == 1, MacroPath(), *kept);
}

void MacroLibrary::ReportSaveFailure(const Status& saved) {
    if (saved) return;
    const ErrorKind kind = saved.Failure().kind;
    if (kind == ErrorKind::kAccessDenied) messages_.ShowInfoCaptionBox(texts_.Text(kKeyAccessDeniedMacroOrProfile));
    if (kind == ErrorKind::kNotFound) messages_.ShowInfoCaptionBox(FormatS(texts_.Text(kKeyNotFound), PathText(MacroPath())));
    ShowFileProblem(messages_, state_.bChinese == 1, saved.Failure(), MacroPath());
}

bool MacroLibrary::SaveMacroLibrary() {
    // A library that could not be read is not in memory: saving would replace it with what is.
    if (RefuseUnreadable(state_, messages_, {MacroPath()})) return false;
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(MacroPath(), ec))) {
        // The pauses give other readers of the file (the apply worker's upload) room either side.
        clock_.SleepMs(kSaveWaitMs);
        const Status saved = writer_.ReplaceFile(MacroPath(), RecordBytes(state_.MacroTable));
        clock_.SleepMs(kSaveWaitMs);
        ReportSaveFailure(saved);
        return saved.Ok();
    }
    messages_.ShowInfoCaptionBox(FormatS(texts_.Text(kKeyNotFound), PathText(MacroPath())));
    const Status saved = writer_.ReplaceFile(MacroPath(), RecordBytes(state_.MacroTable));
    if (!saved.FailedWith(ErrorKind::kNotFound)) ReportSaveFailure(saved);
    return saved.Ok();
}

bool MacroLibrary::StoreMacro(const MacroEntry& entry) {
    if (!IsCompleteMacro(entry)) return false;
    auto& table = state_.MacroTable;
    auto target = std::find_if(table.begin(), table.end(),
                               [&](const MacroEntry& e) { return e.dwMacroId == entry.dwMacroId; });
    if (target == table.end()) {
        target = std::find_if(table.begin(), table.end(), [](const MacroEntry& e) { return e.dwSize == 0; });
    }
    if (target == table.end()) return false;
    *target = entry;
    std::fill(target->dwEvents + entry.dwEventCount, target->dwEvents + kMaxMacroEvents, 0u);
    return SaveMacroLibrary();
}

bool MacroLibrary::HasRoomFor(uint32_t id) const {
    return std::any_of(state_.MacroTable.begin(), state_.MacroTable.end(),
                       [id](const MacroEntry& e) { return e.dwMacroId == id || e.dwSize == 0; });
}

bool MacroLibrary::IsMacroInUse(uint32_t id) const {
    for (const ConfigInfoEntry& e : state_.index) {
        if (std::find(std::begin(e.nButtonMacroId), std::end(e.nButtonMacroId), id) != std::end(e.nButtonMacroId)) {
            return true;
        }
    }
    return std::any_of(std::begin(state_.profile.Buttons), std::end(state_.profile.Buttons),
                       [id](const ButtonSetting& b) { return b.nFunction == kFunctionMacro && b.nMacroId == id; });
}

bool MacroLibrary::DeleteMacro(uint32_t id) {
    if (IsMacroInUse(id)) {
        messages_.ShowInfoBox(state_.bChinese == 1 ? u"当前宏正在被使用，不能删除！"
                                                   : u"The macro is being applied and cannot be deleted!",
                              false);
        return false;
    }
    auto& table = state_.MacroTable;
    auto target = std::find_if(table.begin(), table.end(), [id](const MacroEntry& e) { return e.dwMacroId == id; });
    if (target == table.end()) return false;
    std::memset(&*target, 0, sizeof(MacroEntry));
    return SaveMacroLibrary();
}

bool MacroLibrary::RenameMacro(uint32_t id, std::u16string_view newName) {
    if (const auto problem = MacroNameProblem(newName, state_.bChinese == 1)) {
        messages_.ShowInfoBox(*problem, false);
        return false;
    }
    // Renamed in place: entries that share the id (an import can make such) each keep their events.
    bool found = false;
    bool changed = false;
    for (MacroEntry& entry : state_.MacroTable) {
        if (entry.dwMacroId != id || !IsMacroEntryUsed(entry)) continue;
        found = true;
        if (FixedText(entry.szName) == newName) continue;
        SetFixedText(entry.szName, newName);
        changed = true;
    }
    return found && (!changed || SaveMacroLibrary());
}

std::vector<MacroListItem> MacroLibrary::ListMacros(uint32_t category) const {
    std::vector<MacroListItem> items;
    for (const MacroEntry& entry : state_.MacroTable) {
        if (IsMacroEntryUsed(entry) && MacroCategory(entry.dwMacroId) == category) {
            items.push_back({entry.dwMacroId, std::u16string(FixedText(entry.szName))});
        }
    }
    return items;
}

const MacroEntry* MacroLibrary::FindMacro(uint32_t id) const { return FindMacroEntry(state_.MacroTable, id); }

bool MacroLibrary::ExportMacro(uint32_t id, const std::filesystem::path& file) {
    const MacroEntry* entry = FindMacro(id);
    if (entry == nullptr) return false;
    if (IsOwnDataFile(dataFolder_, file)) {
        ShowOwnDataFileRefused(messages_, state_.bChinese == 1, file);
        return false;
    }
    const Status written = writer_.ReplaceFile(file, RecordBytes(*entry));
    // The export's own failure message covers any other failure to write.
    if (!written && !written.FailedWith(ErrorKind::kIo)) {
        ShowFileProblem(messages_, state_.bChinese == 1, written.Failure(), file);
    }
    messages_.ShowInfoCaptionBox(FormatS(written ? kMsgExportSuccess : kMsgExportFailed, PathText(file)));
    return written.Ok();
}

MacroImport MacroLibrary::ImportMacro(const std::filesystem::path& file) {
    MacroEntry entry;
    const Result<std::size_t> read = ReadRecord(file, entry);
    // Not a whole macro (a cut-off file, or a free-looking entry the next new macro would take),
    // or more events than an entry holds: refused like an unreadable file.
    if (!read) {
        ShowUnreadableImport(messages_, state_.bChinese == 1, read.Failure(), file);
        return {};
    }
    if (*read < sizeof entry || !IsCompleteMacro(entry) || !IsValidMacroId(entry.dwMacroId)) {
        messages_.ShowInfoCaptionBox(FormatS(kMsgInvalidProfile, PathText(file)));
        return {};
    }
    MacroImport import{MacroImportResult::kLibraryFull, entry.dwMacroId, std::u16string(FixedText(entry.szName))};
    // Ids stay unique: a macro already in the library is replaced where it stands, wherever that is.
    auto& table = state_.MacroTable;
    auto target = std::find_if(table.begin(), table.end(), [&](const MacroEntry& e) { return e.dwMacroId == entry.dwMacroId; });
    if (target != table.end()) {
        import.result = MacroImportResult::kReplaced;
    } else {
        target = std::find_if(table.begin(), table.end(), [](const MacroEntry& e) { return e.dwMacroId == 0; });
        if (target == table.end()) return import;
        import.result = MacroImportResult::kImported;
    }
    *target = entry;
    return import;
}

}  // namespace oryn7px
