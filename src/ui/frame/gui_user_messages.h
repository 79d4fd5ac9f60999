#pragma once
// The GUI's way of telling the user something: the program's own box (CDlgInfo) and the
// plain "Info" box. Safe to call from any thread: the boxes always run on the UI thread.
#include <atomic>
#include <functional>
#include <string_view>

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

    // From now on nobody is there to answer (the window closes, the session ends): every message
    // goes to `report` instead of a box, and a question is answered Cancel, so the close never
    // waits for a click. Dialogs open at that moment are answered Cancel, a box's message going
    // to `report`. Safe from any thread.
    void BeginUnattended(std::function<void(std::string_view)> report);

private:
    // True (after reporting) when no box may be shown.
    bool ReportedUnattended(std::u16string_view text);

    const StringTable& strings_;
    std::atomic<bool> unattended_{false};
    std::function<void(std::string_view)> report_;
};

}  // namespace oryn7px
