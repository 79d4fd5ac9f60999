#pragma once
// The GUI's way of telling the user something: the program's own box (CDlgInfo) and the
// plain "Info" box. Safe to call from any thread: the boxes always run on the UI thread.
#include <atomic>
#include <functional>

#include "core/interfaces/user_messages.h"

namespace oryn7px {

class GuiUserMessages final : public UserMessages {
public:
    // `chinese` reads bChinese at the moment a box is shown.
    explicit GuiUserMessages(std::function<bool()> chinese) : chinese_(std::move(chinese)) {}

    int ShowInfoBox(std::u16string_view text, bool ask) override;
    int ShowCountDownBox(std::u16string_view text) override;
    void ShowInfoCaptionBox(std::u16string_view text) override;

private:
    std::function<bool()> chinese_;
};

}  // namespace oryn7px
