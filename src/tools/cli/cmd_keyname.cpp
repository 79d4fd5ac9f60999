// keyname: the display name of a packed key code, as the key-assignment popup stores it.
#include <ostream>

#include "cli.h"
#include "core/base/utf16.h"
#include "core/i18n/key_names.h"
#include "platform/linux/xkb_keyboard_layout.h"
#include "text_escape.h"

namespace oryn7px::cli {

namespace {

int KeyName(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << "usage: oryn7px-cli keyname COMBO\n\n"
                       "COMBO is a packed key code, decimal or 0x-hex: the HID key usage in bits 16..23 and the\n"
                       "modifiers in bits 8..15 (1 Ctrl, 2 Shift, 4 Alt, 8 Win). 0x040300 is Shift + Ctrl + A.\n"
                       "Keys that type characters are named by the session's keyboard layout.\n";
        return kExitOk;
    }
    const auto combo = args.size() == 1 ? ParseNumber(args[0]) : std::nullopt;
    if (!combo) {
        context.err << "usage: oryn7px-cli keyname COMBO (a number, decimal or 0x-hex)\n";
        return kExitUsage;
    }
    const XkbKeyboardLayout layout(SessionLayoutNames());
    std::u16string name = GetKeyComboName(*combo, layout);
    // Modifiers without a key: the stored name ends in " + ", the command names the modifiers alone.
    if (name.ends_with(u" + ")) name.resize(name.size() - 3);
    if (name.empty()) {
        context.err << "oryn7px-cli keyname: " << args[0] << " names no key\n";
        return kExitFailed;
    }
    context.out << EscapeForText(Utf16ToUtf8(name)) << "\n";
    return kExitOk;
}

const Registration kRegistration("keyname", "name a packed key code (key and modifiers)", KeyName);

}  // namespace

}  // namespace oryn7px::cli
