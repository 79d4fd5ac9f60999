#include "core/firmware/firmware_texts.h"

#include "core/base/utf16.h"

namespace oryn7px {

std::u16string UpdateQuestionText(bool chinese) {
    return chinese ? u"游戏鼠标固件有更新,是否更新到最新版本?"
                   : u"A new version of firmware is available for the gaming mouse, whether to update or not?";
}

std::u16string LatestVersionText(bool chinese) {
    return chinese ? u"固件已经是最新版本." : u"Firmware is the latest version.";
}

std::u16string UnreadableDescriptionText(bool chinese) {
    return chinese ? u"无法读取固件更新说明,请稍后再试." : u"The update description cannot be read. Please try again later.";
}

std::u16string ImageDownloadFailedText() { return u"New-version firmware download failed."; }

std::u16string FlashingToolMissingText(bool chinese, const std::filesystem::path& tool) {
    return FormatS(chinese ? u"无法启动固件升级工具 %s." : u"The firmware update tool %s cannot be started.",
                      Utf8ToUtf16(tool.string()));
}

}  // namespace oryn7px
