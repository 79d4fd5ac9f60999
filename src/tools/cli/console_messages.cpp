#include "console_messages.h"

#include <ostream>

#include "core/base/utf16.h"
#include "text_escape.h"

namespace oryn7px::cli {

void ConsoleMessages::Print(std::string_view title, std::u16string_view text) {
    out_ << title << ": " << EscapeForText(Utf16ToUtf8(text), true) << "\n";
}

int ConsoleMessages::ShowInfoBox(std::u16string_view text, bool ask) {
    Print(chinese_ ? "提示" : "Tips", text);
    return ask ? kBoxCancel : kBoxOk;
}

int ConsoleMessages::ShowCountDownBox(std::u16string_view text) {
    Print(chinese_ ? "提示" : "Tips", text);
    return kBoxCancel;
}

void ConsoleMessages::ShowInfoCaptionBox(std::u16string_view text) { Print("Info", text); }

}  // namespace oryn7px::cli
