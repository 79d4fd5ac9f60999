// The application shell's rules: built-in texts, INI text, presence decisions, the bootloader
// look and the button-name hints.
#include <gtest/gtest.h>

#include <string>

#include "core/app/app_texts.h"
#include "core/app/bootloader_check.h"
#include "core/app/button_name_hint.h"
#include "core/app/device_presence_rules.h"
#include "core/app/ini_text.h"

namespace oryn7px {
namespace {

TEST(AppTexts, DeviceNoticesCarryTheModelCode) {
    EXPECT_EQ(MouseNotFoundText(false), u"The ORYN7PX gaming mouse cannot be found.");
    EXPECT_EQ(MouseNotFoundText(true), u"没有找到ORYN7PX游戏鼠标.");
    EXPECT_EQ(MouseFoundText(false), u"The ORYN7PX gaming mouse is found.");
    EXPECT_EQ(MouseFoundText(true), u"发现ORYN7PX游戏鼠标.");
    EXPECT_EQ(MainWindowTitle(), u"Tavik ORYN7PX Gaming Mouse Driver");
    EXPECT_EQ(InfoBoxWindowTitle(), u"TavikORYN7PXInfoDlg");
    EXPECT_EQ(ProgressWindowTitle(), u"TavikORYN7PXProcessDlg");
    EXPECT_EQ(ProgramsWindowTitle(), u"TavikORYN7PXProgramsDlg");
}

TEST(AppTexts, CountDownFollowsTheOkCaption) {
    EXPECT_EQ(CountDownOkText(u"OK", 5), u"OK (5s)");
    EXPECT_EQ(CountDownOkText(u"确定", 3), u"确定 (3s)");
    EXPECT_EQ(CountDownOkText(u"Aceptar", 10), u"Aceptar (10s)");
}

TEST(IniText, ReadsIntegersCaseInsensitively) {
    const std::string text = "; skins\r\n[LanguageType]\r\nValue = 1\r\n[other]\nvalue=7\n";
    EXPECT_EQ(ReadIniInt(text, "languagetype", "value", 0), 1);
    EXPECT_EQ(ReadIniInt(text, "other", "value", 0), 7);
    EXPECT_EQ(ReadIniInt(text, "missing", "value", 5), 5);
    EXPECT_EQ(ReadIniInt("[languagetype]\nvalue=abc\n", "languagetype", "value", 0), 0);
    EXPECT_EQ(ReadIniInt("", "languagetype", "value", 0), 0);
}

TEST(IniText, SetsAValueAndKeepsTheRest) {
    EXPECT_EQ(SetIniValue("", "Language", "Type", "1"), "[Language]\nType=1\n");
    EXPECT_EQ(SetIniValue("[Language]\nType=0\nOther=x\n", "language", "type", "1"),
              "[Language]\ntype=1\nOther=x\n");
    EXPECT_EQ(SetIniValue("[Update]\nUrl=u\n", "Language", "Type", "0"), "[Update]\nUrl=u\n[Language]\nType=0\n");
    EXPECT_EQ(SetIniValue("[Language]\n[Update]\nUrl=u\n", "Language", "Type", "1"),
              "[Language]\nType=1\n[Update]\nUrl=u\n");
}

TEST(PresenceRules, ArrivalAndRemovalByOneReadingOfTheDeviceState) {
    using A = DeviceActivity;
    struct Case {
        DeviceStateView state;
        ArrivalNotice arrival;
        RemovalAction removal;
    };
    const Case cases[] = {
        {{true, A::kIdle, false}, ArrivalNotice::kNone, RemovalAction::kEndProgram},
        {{true, A::kFirmwareCheck, false}, ArrivalNotice::kShowFound, RemovalAction::kEndProgram},
        {{true, A::kWriting, false}, ArrivalNotice::kNone, RemovalAction::kEndOfWrite},
        {{false, A::kWriting, false}, ArrivalNotice::kRepairApplyReady, RemovalAction::kNone},
        {{false, A::kIdle, false}, ArrivalNotice::kRepairApplyReady, RemovalAction::kNone},
        // The notice of a removal that broke a write may come after the write failed: the program stays.
        {{true, A::kIdle, true}, ArrivalNotice::kNone, RemovalAction::kNone},
        {{true, A::kWriting, true}, ArrivalNotice::kNone, RemovalAction::kEndOfWrite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.state.applyReady << static_cast<int>(c.state.activity)
                                          << c.state.writeLostMouse);
        EXPECT_EQ(DecideArrivalNotice(c.state), c.arrival);
        EXPECT_EQ(DecideRemovalAction(c.state), c.removal);
    }
}

class ScriptedProbe final : public BootloaderProbe {
public:
    explicit ScriptedProbe(std::vector<bool> answers) : answers_(std::move(answers)) {}
    bool IsBootloaderPresent() override { return looks_ < answers_.size() && answers_[looks_++]; }
    size_t looks_ = 0;

private:
    std::vector<bool> answers_;
};

TEST(BootloaderCheck, LooksTwiceHalfASecondApart) {
    struct Case {
        std::vector<bool> answers;
        bool found;
        std::vector<uint32_t> pauses;
    };
    const Case cases[] = {
        {{false, false}, false, {500, 500}},
        {{true}, true, {}},
        {{false, true}, true, {500}},
    };
    for (const Case& c : cases) {
        VirtualClock clock;
        ScriptedProbe probe(c.answers);
        EXPECT_EQ(LookForBootloader(probe, clock), c.found);
        EXPECT_EQ(clock.Pauses(), c.pauses);
    }
    EXPECT_STREQ(FlasherArgument(true), "1");
    EXPECT_STREQ(FlasherArgument(false), "0");
}

void SetName(char16_t (&name)[kPathChars], std::u16string_view text) {
    std::fill(std::begin(name), std::end(name), u'\0');
    text.copy(name, kPathChars - 1);
}

TEST(ButtonNameHint, DefaultNamesFollowTheLanguage) {
    char16_t name[kPathChars];
    SetName(name, u"滚轮后滚");
    EXPECT_TRUE(SwapDefaultButtonName(name, false));
    EXPECT_EQ(std::u16string(name), u"Scroll down");
    EXPECT_TRUE(SwapDefaultButtonName(name, true));
    EXPECT_EQ(std::u16string(name), u"滚轮后滚");
    EXPECT_FALSE(SwapDefaultButtonName(name, true));

    SetName(name, u"My macro");
    EXPECT_FALSE(SwapDefaultButtonName(name, false));
    EXPECT_EQ(std::u16string(name), u"My macro");

    // A name filling the whole buffer without a terminator is compared within its bounds only.
    std::fill(std::begin(name), std::end(name), u'x');
    EXPECT_FALSE(SwapDefaultButtonName(name, true));
}

}  // namespace
}  // namespace oryn7px
