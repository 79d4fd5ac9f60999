#include "session.h"

#include <iostream>

#include "core/i18n/languages.h"
#include "core/settings/file_problems.h"
#include "core/settings/fresh_installation.h"
#include "text_escape.h"

namespace oryn7px::cli {

namespace {

void SayWaiting() { std::cerr << "oryn7px-cli: waiting for another oryn7px-cli command on this data folder...\n"; }

DataFolderLock::Turn TurnFor(Access access) {
    switch (access) {
        case Access::kRead: return DataFolderLock::Turn::kRead;
        case Access::kWrite: return DataFolderLock::Turn::kWrite;
        case Access::kProgramRules: return DataFolderLock::Turn::kWriteBesideProgram;
    }
    return DataFolderLock::Turn::kWrite;
}

}  // namespace

Session::Session(Context& context)
    : context_(context),
      paths_(LinuxPaths::FromEnvironment(ProcessEnvironment, FillFreshDataFolder, context.options.dataDir)),
      messages_(context.err, false),
      state_(std::make_unique<SettingsState>()),
      store_(*state_, paths_, writer_, messages_, texts_),
      library_(*state_, paths_, writer_, messages_, texts_, clock_),
      statistics_(paths_, writer_, messages_, texts_) {}

int Session::Open(Access access) {
    const std::filesystem::path folder = paths_.DataFolder();
    if (!context_.options.dataDir && !HasDataFolderRule(ProcessEnvironment)) {
        context_.err << "oryn7px-cli: HOME is not set, so there is no data folder; set HOME or ORYN7PX_DATA_DIR, "
                        "or give --data-dir\n";
        return kExitUsage;
    }
    if (!paths_.NewFolderErrors().empty()) {
        for (const Error& error : paths_.NewFolderErrors())
            context_.err << "oryn7px-cli: the new data folder could not be filled: " << EscapeForText(error.message) << "\n";
        return kExitFailed;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        context_.err << "oryn7px-cli: the data folder " << EscapeForText(folder.string()) << " does not exist\n";
        return kExitUsage;
    }
    DataFolderLock::Result result;
    lock_ = DataFolderLock::ForCommand(folder, TurnFor(access), SayWaiting, &result);
    if (result == DataFolderLock::Result::kProgramRunning) {
        context_.err << "oryn7px-cli: the ORYN7PX program is running on this data folder and would overwrite the "
                        "change with its next save; close it first\n";
        return kExitFailed;
    }
    // Messages before the language is known are in English, as with --lang 2.
    state_->bChinese = 0;
    const int32_t language =
        context_.options.language ? *context_.options.language : store_.ReadLanguageNumber(kLanguageEnglish);
    state_->bChinese = ChineseFlagFor(language);
    texts_.Load(paths_.ProgramFolder(), language);
    messages_.SetChinese(state_->bChinese == 1);
    return kExitOk;
}

void Session::LoadAsAtStartUp() {
    library_.LoadMacroLibrary();
    store_.LoadProfileIndex();
}

bool Session::SaveProfile(int entry) {
    // A profile that could not be read keeps the user's settings: never replace it with defaults.
    if (RefuseUnreadable(*state_, messages_, {store_.ProfilePath(entry)})) return false;
    return writer_.ReplaceFile(store_.ProfilePath(entry), RecordBytes(state_->profile)).Ok();
}

}  // namespace oryn7px::cli
