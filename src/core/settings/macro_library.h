#pragma once
// The library of 500 macros shared by all profiles, and its file Macro.cfg.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/base/clock.h"
#include "core/i18n/text_source.h"
#include "core/interfaces/file_writer.h"
#include "core/interfaces/paths.h"
#include "core/interfaces/user_messages.h"
#include "core/settings/settings_state.h"

namespace oryn7px {

inline constexpr uint32_t kMinimumMacroSize = 4104;

// One line of the macro list.
struct MacroListItem {
    uint32_t id = 0;
    std::u16string name;
};

// kReplaced: the library held a macro with the same id, which the imported one replaced.
enum class MacroImportResult { kImported, kReplaced, kLibraryFull, kInvalid };

struct MacroImport {
    MacroImportResult result = MacroImportResult::kInvalid;
    uint32_t id = 0;
    std::u16string name;
};

// An entry that holds a macro (and shows in the macro list), as opposed to a free one.
bool IsMacroEntryUsed(const MacroEntry& entry);

// The first entry with this id, in table order, or null.
const MacroEntry* FindMacroEntry(const MacroTableData& table, uint32_t id);

// A count read from a file may claim more events than an entry holds: cut it to 1000.
void CutEventCounts(MacroTableData& table);
// Frees every macro entry whose id is not a macro id or repeats an earlier entry's, so a table
// from a file holds each macro once; returns how many were freed.
std::size_t KeepFirstOfEachMacroId(MacroTableData& table);

class MacroLibrary {
public:
    MacroLibrary(SettingsState& state, const Paths& paths, FileWriter& writer, UserMessages& messages,
                 const TextSource& texts, Clock& clock);

    bool LoadMacroLibrary();
    bool SaveMacroLibrary();

    // Replaces the entry with the same id, else fills the first free one, and saves. False for an
    // entry that is not a macro, claims more than 1000 events, or finds the library full.
    bool StoreMacro(const MacroEntry& entry);
    // Whether StoreMacro finds a place for this id: its own entry or a free one.
    bool HasRoomFor(uint32_t id) const;
    // Refused (with a message) while any profile or the current profile uses the macro.
    bool DeleteMacro(uint32_t id);
    bool IsMacroInUse(uint32_t id) const;
    // False when no listed entry has the id or a changed entry could not be stored.
    bool RenameMacro(uint32_t id, std::u16string_view name);
    std::vector<MacroListItem> ListMacros(uint32_t category) const;

    // The first entry with this id, or null.
    const MacroEntry* FindMacro(uint32_t id) const;

    // Writes the 4104-byte entry; false (without a message) when there is no such macro.
    bool ExportMacro(uint32_t id, const std::filesystem::path& file);
    // Adds a whole macro file to the table, or replaces the entry with its id; not saved until the
    // next change is.
    MacroImport ImportMacro(const std::filesystem::path& file);

    std::filesystem::path MacroPath() const;

private:
    void KeepCopyOfShortLibrary();
    void ReportSaveFailure(const Status& saved);

    SettingsState& state_;
    std::filesystem::path dataFolder_;
    FileWriter& writer_;
    UserMessages& messages_;
    const TextSource& texts_;
    Clock& clock_;
};

}  // namespace oryn7px
