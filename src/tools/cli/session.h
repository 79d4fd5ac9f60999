#pragma once
// The settings of one data folder, set up as the program does at start-up.
#include <memory>

#include "builtin_texts.h"
#include "cli.h"
#include "console_messages.h"
#include "core/base/clock.h"
#include "core/settings/macro_library.h"
#include "core/settings/profile_store.h"
#include "platform/linux/data_folder_lock.h"
#include "core/settings/statistics_file.h"
#include "platform/linux/linux_file_writer.h"
#include "platform/linux/linux_paths.h"

namespace oryn7px::cli {

// Whether a command may change the data folder (then it waits for its turn and is refused while
// the program runs) or only reads it. A command that changes only ProgramRules.ini, which the
// running program reads again when it changes, waits for its turn but runs beside the program.
enum class Access { kRead, kWrite, kProgramRules };

class Session {
public:
    explicit Session(Context& context);

    // Checks the data folder and takes the command's turn, then chooses the UI language (--lang,
    // else Language.cfg's number, else 2). kExitOk, or the exit status after saying why not.
    int Open(Access access);

    // The macro library, then the profile index and the active profile.
    void LoadAsAtStartUp();

    // Writes the profile in memory over profile `entry`'s file (atomically); the index is left
    // as it is. False when the file could not be written.
    bool SaveProfile(int entry);

    std::filesystem::path DataFolder() const { return paths_.DataFolder(); }
    FileWriter& Writer() { return writer_; }
    SettingsState& State() { return *state_; }
    ProfileStore& Store() { return store_; }
    MacroLibrary& Library() { return library_; }
    StatisticsFile& Statistics() { return statistics_; }
    bool Chinese() const { return state_->bChinese == 1; }
    UserMessages& Messages() { return messages_; }
    Clock& Ticks() { return clock_; }

private:
    Context& context_;
    LinuxPaths paths_;
    LinuxFileWriter writer_;
    ConsoleMessages messages_;
    LanguageTexts texts_;
    RealClock clock_;
    std::unique_ptr<SettingsState> state_;
    ProfileStore store_;
    MacroLibrary library_;
    std::unique_ptr<DataFolderLock> lock_;
    StatisticsFile statistics_;
};

}  // namespace oryn7px::cli
