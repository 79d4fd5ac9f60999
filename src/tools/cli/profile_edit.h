#pragma once
// What the editing commands (dpi, pointer, button) share: the chosen profile loaded without
// making it the active one, the main page's rules over it, and the save of what changed.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "core/pages/main_page/main_page_model.h"
#include "platform/linux/xkb_keyboard_layout.h"
#include "session.h"

namespace oryn7px::cli {

class ProfileEdit {
public:
    explicit ProfileEdit(Context& context);

    // Opens the data folder for writing, loads as at start-up, then profile `number` (1..5) when
    // given; an exit status other than kExitOk when the folder is refused or the profile unreadable.
    int Load(std::optional<int> number);
    MainPageModel& Page() { return *page_; }
    Session& GetSession() { return session_; }
    bool Chinese() { return session_.State().bChinese == 1; }

    // Saves the profile file, and the index too when a macro id changed; false when a file could
    // not be written (the reason is on stderr already).
    bool Save();

private:
    Session session_;
    XkbKeyboardLayout layout_{SessionLayoutNames()};
    std::unique_ptr<MainPageModel> page_;
    uint32_t loadedMacroIds_[kButtonCount]{};
};

// Takes "--profile N" out of `args`; false when N is not 1..5.
bool TakeProfileOption(std::vector<std::string>& args, std::optional<int>& profile);

// Prints "oryn7px-cli COMMAND: TEXT" and returns kExitFailed.
int Refuse(Context& context, const std::string& command, const std::u16string& text);

}  // namespace oryn7px::cli
