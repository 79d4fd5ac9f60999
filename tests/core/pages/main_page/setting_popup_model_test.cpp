#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/base/utf16.h"
#include "core/i18n/temp_dir.h"
#include "core/pages/main_page/setting_popup_model.h"

namespace oryn7px {
namespace {

class RecordingForwarding final : public KeyForwarding {
public:
    void ForwardKeysToKeyTab() override { calls.push_back("keys to key tab"); }
    void StopForwarding() override { calls.push_back("off"); }
    std::vector<std::string> calls;
};

struct PopupFixture : ::testing::Test {
    std::unique_ptr<SettingPopupModel> Make(int button = 2, int32_t function = 2) {
        auto model = std::make_unique<SettingPopupModel>(
            button, u"Menu", function, forwarding,
            [this](uint32_t group) {
                listed.push_back(group);
                return groups.count(group) ? groups[group] : std::vector<MacroListItem>{};
            },
            false);
        model->Open();
        return model;
    }
    RecordingForwarding forwarding;
    std::map<uint32_t, std::vector<MacroListItem>> groups{
        {22, {{0x16000001, u"Jump"}, {0x16000002, u"Reload"}}}, {1, {{0x01000005, u"Sprint"}}}};
    std::vector<uint32_t> listed;
};

constexpr uint32_t kPress = 0;
constexpr uint32_t kRelease = 0x80;

TEST_F(PopupFixture, KeyTabValues) {
    struct Event {
        uint32_t vk;
        uint32_t flags;
    };
    struct Case {
        const char* what;
        std::vector<Event> events;
        int32_t value;
    };
    const Case cases[] = {
        {"Ctrl then A", {{0xA2, kPress}, {0x41, kPress}, {0x41, kRelease}}, 0x00040100},
        {"A alone", {{0x41, kPress}}, 0x00040000},
        {"only Alt", {{0x12, 32}}, 0x00E20000},
        {"only Win", {{0x5B, 1}}, 0x00E30000},
        {"Ctrl and Shift without a key", {{0x11, kPress}, {0x10, kPress}}, 0},
        {"Ctrl released does not toggle", {{0x11, kPress}, {0x11, kRelease}, {0x42, kPress}}, 0x00050100},
        {"Ctrl pressed twice (key held) toggles back", {{0x11, kPress}, {0x11, kPress}, {0x42, kPress}}, 0x00050000},
        {"Shift + Alt + F5", {{0xA0, kPress}, {0xA4, 33}, {0x74, 1}}, 0x003E0600},
        {"the last key wins", {{0x41, kPress}, {0x70, kRelease}}, 0x003A0000},
        {"nothing", {}, 0},
    };
    for (const Case& c : cases) {
        auto model = Make();
        for (const Event& e : c.events) model->KeyEvent(e.vk, e.flags);
        EXPECT_EQ(model->ClickOk(), std::nullopt);
        EXPECT_EQ(model->Result().nAssignType, kAssignKey) << c.what;
        EXPECT_EQ(model->Result().nAssignValue, c.value) << c.what;
        EXPECT_EQ(model->End(), c.value != 0 ? PopupEnd::kOk : PopupEnd::kCancel) << c.what;
    }
}

TEST_F(PopupFixture, ClickedModifierBoxesCountLikeKeys) {
    auto model = Make();
    model->ToggleModifier(KeyModifier::kWin);
    model->KeyEvent(0x70, kPress);  // F1
    EXPECT_EQ(model->KeyValue(), 0x003A0800u);
    model->ToggleModifier(KeyModifier::kWin);
    EXPECT_EQ(model->KeyValue(), 0x003A0000u);
}

TEST_F(PopupFixture, KeyboardGoesToTheKeyTabOnlyWhileItIsShown) {
    auto model = Make();
    EXPECT_EQ(forwarding.calls, (std::vector<std::string>{"keys to key tab"}));
    model->SelectTab(PopupTab::kBasic);
    model->SelectTab(PopupTab::kKey);
    model->ClickDisable();  // hides the key tab, forwarding stays
    EXPECT_EQ(forwarding.calls, (std::vector<std::string>{"keys to key tab", "off", "keys to key tab"}));
    model->ClickClose();
    EXPECT_EQ(forwarding.calls.back(), "off");
    EXPECT_EQ(model->End(), PopupEnd::kCancel);
}

TEST_F(PopupFixture, DisableHidesEveryTabAndWinsOverWhatWasChosen) {
    auto model = Make();
    model->SelectTab(PopupTab::kBasic);
    model->SelectBasic(3);
    model->ClickDisable();
    EXPECT_EQ(model->VisibleTab(), PopupTab::kNone);
    EXPECT_EQ(model->SelectedTab(), PopupTab::kNone);
    model->SelectTab(PopupTab::kMacro);
    EXPECT_EQ(model->VisibleTab(), PopupTab::kNone);
    model->ClickOk();
    EXPECT_EQ(model->End(), PopupEnd::kOk);
    EXPECT_EQ(model->Result().nAssignType, 121);
    EXPECT_EQ(model->Result().nAssignValue, 7);
}

TEST_F(PopupFixture, ClearingDisableBringsBackTheKeyTab) {
    auto model = Make();
    model->ClickDisable();
    model->ClickDisable();
    EXPECT_EQ(model->VisibleTab(), PopupTab::kKey);
    EXPECT_EQ(forwarding.calls.back(), "keys to key tab");
}

TEST_F(PopupFixture, DefaultGivesTheButtonsOwnFunction) {
    for (int button : {0, 5, 7}) {
        auto model = Make(button, 143);
        model->ClickDefault();
        EXPECT_EQ(model->End(), PopupEnd::kOk);
        EXPECT_EQ(model->Result().nAssignType, 0);
        EXPECT_EQ(model->Result().nAssignValue, nDefaultFunction[button]);
        EXPECT_EQ(forwarding.calls.back(), "off");
    }
}

TEST_F(PopupFixture, MacroTabListsTheChosenGamesMacros) {
    auto model = Make();
    EXPECT_EQ(listed, (std::vector<uint32_t>{0}));
    model->SelectTab(PopupTab::kMacro);
    model->SelectGame(21);  // "Customisze"
    EXPECT_EQ(GameName(21, false), u"Customisze");
    EXPECT_EQ(GameName(12, true), u"远古遗迹守卫2（Dota 2） ");
    ASSERT_EQ(model->Macros().size(), 2u);
    model->SelectGame(21);  // the same row again lists nothing new
    EXPECT_EQ(listed, (std::vector<uint32_t>{0, 22}));
    model->SelectMacro(1);
    model->ClickOk();
    EXPECT_EQ(model->End(), PopupEnd::kOk);
    EXPECT_EQ(model->Result().nAssignType, kAssignMacro);
    EXPECT_EQ(model->Result().nAssignValue, 0x16000002);
}

TEST_F(PopupFixture, GameWithoutMacrosMakesOkACancel) {
    auto model = Make();
    model->SelectTab(PopupTab::kMacro);
    model->SelectGame(21);
    model->SelectMacro(0);
    model->SelectGame(4);  // a new game clears the macro choice
    EXPECT_TRUE(model->Macros().empty());
    EXPECT_EQ(model->SelectedMacro(), -1);
    model->ClickOk();
    EXPECT_EQ(model->End(), PopupEnd::kCancel);
}

TEST_F(PopupFixture, BasicListRows) {
    EXPECT_EQ(kBasicList.size(), 24u);
    struct Case {
        int row;
        int32_t code;
    };
    for (const Case& c : {Case{0, 81}, Case{8, 125}, Case{9, 1}, Case{14, 40}, Case{22, 142}, Case{23, 143}}) {
        auto model = Make();
        model->SelectTab(PopupTab::kBasic);
        model->SelectBasic(c.row);
        model->ClickOk();
        EXPECT_EQ(model->Result().nAssignType, 0);
        EXPECT_EQ(model->Result().nAssignValue, c.code) << c.row;
    }
    auto nothing = Make();
    nothing->SelectTab(PopupTab::kBasic);
    nothing->ClickOk();
    EXPECT_EQ(nothing->End(), PopupEnd::kCancel);
}

TEST_F(PopupFixture, HostTabIsAbsentWhereHostActionsAreNotOffered) {
    struct Case {
        int button;
        int32_t function;
        bool shown;
    };
    for (const Case& c : {Case{7, 2, false}, Case{1, 146, false}, Case{1, 121, false}, Case{1, 4, true}}) {
        auto model = Make(c.button, c.function);
        EXPECT_EQ(model->HostTabShown(), c.shown);
        model->SelectTab(PopupTab::kHost);
        EXPECT_EQ(model->VisibleTab(), c.shown ? PopupTab::kHost : PopupTab::kKey);
    }
}

class HostTabTest : public PopupFixture {
protected:
    void SetUp() override { std::ofstream(program) << "#!/bin/sh\n"; }
    testing::TempDir temp;
    std::filesystem::path folder = temp.path();
    std::filesystem::path program = folder / "tool";
};

TEST_F(HostTabTest, ProgramRowOnButtonTwo) {
    auto model = Make(2, 2);
    model->SelectTab(PopupTab::kHost);
    model->ClickHostRadio(1);
    model->SetHostPath(1, Utf8ToUtf16(program.string()));
    EXPECT_EQ(model->ClickOk(), std::nullopt);
    EXPECT_EQ(model->End(), PopupEnd::kOk);
    EXPECT_EQ(model->Result().nAssignType, 19);
    EXPECT_EQ(model->Result().nHostKind, 1);
    EXPECT_EQ(model->Result().nAssignValue, 0x00D20006);
    EXPECT_EQ(model->Result().szAssignText, Utf8ToUtf16(program.string()));
}

TEST_F(HostTabTest, APathLongerThanTheRecordHoldsIsRefusedNotCut) {
    auto model = Make(2, 2);
    model->SelectTab(PopupTab::kHost);
    ASSERT_EQ(model->SetHostPath(1, Utf8ToUtf16(program.string())), std::nullopt);
    const std::u16string tooLong = u"/" + std::u16string(259, u'p');
    EXPECT_EQ(model->SetHostPath(1, tooLong), u"The path is longer than 259 characters and cannot be stored.");
    EXPECT_EQ(model->SetHostPath(1, tooLong.substr(0, 259)), std::nullopt) << "259 characters fit";
    EXPECT_EQ(model->SetHostPath(2, tooLong + u"xyz"), u"The path is longer than 259 characters and cannot be stored.");
}

TEST_F(HostTabTest, CheckedRowWithoutPathOrNoRowIsACancel) {
    auto empty = Make();
    empty->SelectTab(PopupTab::kHost);
    empty->ClickHostRadio(2);
    empty->ClickOk();
    EXPECT_EQ(empty->End(), PopupEnd::kCancel);
    auto none = Make();
    none->SelectTab(PopupTab::kHost);
    none->ClickOk();
    EXPECT_EQ(none->End(), PopupEnd::kCancel);
}

TEST_F(HostTabTest, APathThatIsNotThereKeepsThePopupOpen) {
    auto model = Make();
    model->SelectTab(PopupTab::kHost);
    model->SetHostPath(3, Utf8ToUtf16(program.string()));  // a file where a folder is needed
    const auto refusal = model->ClickOk();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_NE(refusal->find(u"does not exist"), std::u16string::npos);
    EXPECT_EQ(model->End(), PopupEnd::kOpen);
    model->SetHostPath(3, Utf8ToUtf16(folder.string()));
    EXPECT_EQ(model->ClickOk(), std::nullopt);
    EXPECT_EQ(model->End(), PopupEnd::kOk);
    EXPECT_EQ(model->Result().nAssignValue, 0x00F20006);
}

TEST_F(HostTabTest, RadiosAreExclusive) {
    auto model = Make();
    model->ClickHostRadio(0);
    model->ClickHostRadio(2);
    EXPECT_FALSE(model->HostChecked(0));
    EXPECT_TRUE(model->HostChecked(2));
}

}  // namespace
}  // namespace oryn7px
