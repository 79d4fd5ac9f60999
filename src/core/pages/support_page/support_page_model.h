#pragma once
// The support page's rules without a screen: the two versions it shows, the Update button's
// local check, and the restore-defaults question.
#include <cstdint>
#include <functional>
#include <string>

#include "core/interfaces/user_messages.h"

namespace oryn7px {

class FirmwareChecker;

inline constexpr const char* kDriverVersionText = "V1.0.0";

std::u16string RestoreDefaultsQuestionText(bool chinese);

class SupportPageModel {
public:
    // Without a checker (no update check in this process) Update does nothing.
    SupportPageModel(FirmwareChecker* checker, UserMessages& messages, std::function<bool()> chinese);

    // 0 when the mouse did not answer.
    void SetFirmwareVersion(uint32_t version);
    // "V 1.0.3", or "Unknown".
    std::string FirmwareVersionLabel() const;

    // Update: offers the update the local update.xml describes, else starts the online check.
    // Does nothing while a check runs.
    void PressUpdate();
    // True when the user confirmed; the main window then restores and applies the defaults.
    bool ConfirmRestoreDefaults();

private:
    FirmwareChecker* checker_;
    uint32_t version_ = 0;
    UserMessages& messages_;
    std::function<bool()> chinese_;
};

}  // namespace oryn7px
