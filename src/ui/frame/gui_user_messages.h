#pragma once
// The GUI's way of telling the user something: the program's own box (CDlgInfo) and the
// plain "Info" box. Safe to call from any thread: the boxes always run on the UI thread.
#include "core/i18n/string_table.h"
#include "core/interfaces/user_messages.h"

namespace oryn7px {

class GuiUserMessages final : public UserMessages {
public:
    // The boxes take their captions from `strings` as the UI language is when they are shown.
    explicit GuiUserMessages(const StringTable& strings) : strings_(strings) {}

    int ShowInfoBox(std::u16string_view text, bool ask) override;
    int ShowCountDownBox(std::u16string_view text) override;
    void ShowInfoCaptionBox(std::u16string_view text) override;

private:
    const StringTable& strings_;
};

}  // namespace oryn7px
