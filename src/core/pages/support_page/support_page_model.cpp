#include "core/pages/support_page/support_page_model.h"

#include "core/firmware/firmware_checker.h"
#include "core/firmware/firmware_texts.h"
#include "core/firmware/firmware_version_text.h"

namespace oryn7px {

std::u16string RestoreDefaultsQuestionText(bool chinese) {
    return chinese ? u"确定要恢复默认设置?" : u"Do you want to restore the default setting?";
}

SupportPageModel::SupportPageModel(FirmwareChecker* checker, UserMessages& messages, std::function<bool()> chinese)
    : checker_(checker), messages_(messages), chinese_(std::move(chinese)) {}

void SupportPageModel::SetFirmwareVersion(uint32_t version) {
    version_ = version;
    if (checker_ != nullptr) checker_->SetDeviceVersion(version);
}

std::string SupportPageModel::FirmwareVersionLabel() const { return FirmwareVersionText(version_); }

void SupportPageModel::PressUpdate() {
    if (checker_ == nullptr || !checker_->BeginCheck()) return;
    if (IsNewerFirmware(version_, checker_->LocalOfferedVersion())) {
        if (messages_.ShowInfoBox(UpdateQuestionText(chinese_()), true) == kBoxOk) checker_->StartFlashingTool();
        checker_->EndLocalCheck();
        return;
    }
    checker_->RequestOnlineCheck();
}

bool SupportPageModel::ConfirmRestoreDefaults() {
    return messages_.ShowInfoBox(RestoreDefaultsQuestionText(chinese_()), true) == kBoxOk;
}

}  // namespace oryn7px
