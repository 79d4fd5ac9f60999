#include "session.h"

#include "core/i18n/languages.h"

namespace oryn7px::cli {

Session::Session(Context& context)
    : paths_(LinuxPaths::FromEnvironment(ProcessEnvironment, context.options.dataDir)),
      messages_(context.err, false),
      state_(std::make_unique<SettingsState>()),
      store_(*state_, paths_, writer_, messages_, texts_),
      library_(*state_, paths_, writer_, messages_, texts_, clock_),
      statistics_(paths_, writer_, messages_, texts_) {
    const int32_t language =
        context.options.language ? *context.options.language : store_.ReadLanguageNumber(kLanguageEnglish);
    state_->bChinese = ChineseFlagFor(language);
    texts_.Load(paths_.ProgramFolder(), language);
    messages_.SetChinese(state_->bChinese == 1);
}

void Session::LoadAsAtStartUp() {
    library_.LoadMacroLibrary();
    store_.LoadProfileIndex();
}

bool Session::SaveProfile(int entry) {
    return writer_.ReplaceFile(store_.ProfilePath(entry), RecordBytes(state_->profile)) == FileError::kNone;
}

}  // namespace oryn7px::cli
