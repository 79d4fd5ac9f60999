#pragma once
// The message boxes of a console program: one line each on the error stream, headed by the
// box's title. Questions are declined, since nobody can answer them.
#include <iosfwd>

#include "core/interfaces/user_messages.h"

namespace oryn7px::cli {

class ConsoleMessages final : public UserMessages {
public:
    ConsoleMessages(std::ostream& out, bool chinese) : out_(out), chinese_(chinese) {}

    int ShowInfoBox(std::u16string_view text, bool ask) override;
    int ShowCountDownBox(std::u16string_view text) override;
    void ShowInfoCaptionBox(std::u16string_view text) override;

    void SetChinese(bool chinese) { chinese_ = chinese; }

private:
    void Print(std::string_view title, std::u16string_view text);

    std::ostream& out_;
    bool chinese_;
};

}  // namespace oryn7px::cli
