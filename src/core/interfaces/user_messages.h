#pragma once
// How core tells the user something, without knowing the UI.
#include <string_view>

namespace oryn7px {

inline constexpr int kBoxOk = 1;
inline constexpr int kBoxCancel = 2;

class UserMessages {
public:
    virtual ~UserMessages() = default;
    // The program's own message box; `ask` adds Cancel. Returns kBoxOk or kBoxCancel.
    virtual int ShowInfoBox(std::u16string_view text, bool ask) = 0;
    // The program's box closing itself after a count-down; kBoxCancel when it timed out.
    virtual int ShowCountDownBox(std::u16string_view text) = 0;
    // A standard system box captioned "Info" with only an OK button.
    virtual void ShowInfoCaptionBox(std::u16string_view text) = 0;
};

}  // namespace oryn7px
