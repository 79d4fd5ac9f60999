#include "profile_edit.h"

#include <algorithm>
#include <ostream>

#include "core/base/utf16.h"
#include "text_escape.h"

namespace oryn7px::cli {

ProfileEdit::ProfileEdit(Context& context) : session_(context) {}

int ProfileEdit::Load(std::optional<int> number) {
    if (const int refused = session_.Open(Access::kWrite)) return refused;
    session_.LoadAsAtStartUp();
    SettingsState& state = session_.State();
    if (number) {
        // Editing a profile does not make it the one the program starts with.
        int32_t active[kProfileCount];
        for (int k = 0; k < kProfileCount; ++k) active[k] = state.index[static_cast<std::size_t>(k)].bActive;
        // A missing profile file is created with the defaults by the first attempt; read it then.
        int result = session_.Store().SwitchProfile(*number - 1);
        if (result == kProfileNotRead) result = session_.Store().SwitchProfile(*number - 1);
        if (result != kProfileRead) return kExitFailed;
        for (int k = 0; k < kProfileCount; ++k) state.index[static_cast<std::size_t>(k)].bActive = active[k];
    }
    std::copy_n(state.ButtonMacroId, kButtonCount, loadedMacroIds_);
    page_ = std::make_unique<MainPageModel>(ButtonRecords{state.profile, state.ButtonMacroId}, state.MacroTable,
                                            layout_, state.bChinese);
    page_->RefreshFromProfile();
    return kExitOk;
}

bool ProfileEdit::Save() {
    SettingsState& state = session_.State();
    if (std::equal(state.ButtonMacroId, state.ButtonMacroId + kButtonCount, loadedMacroIds_)) {
        return session_.Store().SaveCurrentProfile();
    }
    return session_.Store().SaveCurrentProfileAndIndex();
}

bool TakeProfileOption(std::vector<std::string>& args, std::optional<int>& profile) {
    const auto at = std::find(args.begin(), args.end(), "--profile");
    if (at == args.end()) return true;
    const auto number = at + 1 == args.end() ? std::nullopt : ParseNumber(*(at + 1));
    if (!number || *number < 1 || *number > kProfileCount) return false;
    profile = static_cast<int>(*number);
    args.erase(at, at + 2);
    return true;
}

int Refuse(Context& context, const std::string& command, const std::u16string& text) {
    context.err << "oryn7px-cli " << command << ": " << EscapeForText(Utf16ToUtf8(text), true) << "\n";
    return kExitFailed;
}

}  // namespace oryn7px::cli
