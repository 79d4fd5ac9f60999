#include "core/app/app_texts.h"

#include "core/base/product_identity.h"
#include "core/base/utf16.h"

namespace oryn7px {

namespace {

std::u16string ModelCode() {
    const std::string code = kModelCode;
    return std::u16string(code.begin(), code.end());
}

}  // namespace

std::u16string MainWindowTitle() { return FormatS(u"Tavik %s Gaming Mouse Driver", ModelCode()); }
std::u16string InfoBoxWindowTitle() { return FormatS(u"Tavik%sInfoDlg", ModelCode()); }
std::u16string ProgressWindowTitle() { return FormatS(u"Tavik%sProcessDlg", ModelCode()); }
std::u16string ProgramsWindowTitle() { return FormatS(u"Tavik%sProgramsDlg", ModelCode()); }

std::u16string MouseNotFoundText(bool chinese) {
    return FormatS(chinese ? u"没有找到%s游戏鼠标." : u"The %s gaming mouse cannot be found.", ModelCode());
}

std::u16string MouseFoundText(bool chinese) {
    return FormatS(chinese ? u"发现%s游戏鼠标." : u"The %s gaming mouse is found.", ModelCode());
}

std::u16string AutostartFailedText(bool chinese) {
    return chinese ? u"无法更改随桌面启动的设置。" : u"The program could not change whether it starts with the desktop.";
}

std::u16string CountDownOkText(std::u16string_view ok, int seconds) {
    const std::string number = std::to_string(seconds);
    return std::u16string(ok) + u" (" + std::u16string(number.begin(), number.end()) + u"s)";
}

}  // namespace oryn7px
