#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/base/utf16.h"
#include "core/i18n/temp_dir.h"
#include "core/i18n/us_keyboard_layout.h"
#include "core/pages/main_page/assignment.h"
#include "core/settings/settings_state.h"

namespace oryn7px {
namespace {

class AssignmentTest : public ::testing::Test {
protected:
    void SetUp() override { BuildDefaultProfile(state->profile, false); }
    void SetFunctions(std::array<int32_t, kButtonCount> functions) {
        for (int b = 0; b < kButtonCount; ++b) state->profile.Buttons[b].nFunction = functions[b];
    }
    ButtonRecords Records() { return {state->profile, state->ButtonMacroId}; }
    std::unique_ptr<SettingsState> state = std::make_unique<SettingsState>();
    UsKeyboardLayout layout;
};

TEST_F(AssignmentTest, RulesInTheirOrder) {
    struct Case {
        const char* what;
        std::array<int32_t, kButtonCount> functions;
        int button;
        AssignmentResult result;
        bool chinese;
        std::u16string refusal;  // empty: accepted
    };
    const std::array<int32_t, kButtonCount> defaults{1, 4, 2, 8, 16, 11, 22, 146};
    const std::array<int32_t, kButtonCount> fourMacros{1, 6, 6, 6, 6, 11, 22, 146};
    const std::array<int32_t, kButtonCount> threeMacros{1, 6, 6, 6, 16, 11, 22, 146};
    const Case cases[] = {
        {"Click again on the only Click button", defaults, 0, {kAssignPlain, 1, 0, {}}, false, u""},
        {"Menu on the only Click button", defaults, 0, {kAssignPlain, 2, 0, {}}, false,
         u"At least one button must be configured as 'Left click'!"},
        {"disabling the only Click button (Chinese)", defaults, 0, {kAssignDisabled, 7, 0, {}}, true,
         u"请保留至少一个键为\"单击\"功能!"},
        {"Menu on a button while another keeps Click", defaults, 1, {kAssignPlain, 2, 0, {}}, false, u""},
        {"SNIPE on wheel up", defaults, 5, {kAssignPlain, 142, 0, {}}, false, u"This key can not use the sniper function!"},
        {"SNIPE on wheel down (Chinese)", defaults, 6, {kAssignPlain, 142, 0, {}}, true, u"此按键不可使用狙击功能!"},
        {"SNIPE on forward", defaults, 3, {kAssignPlain, 142, 0, {}}, false, u""},
        {"a fifth macro", fourMacros, 5, {kAssignMacro, 0x16000001, 0, {}}, false, u"Maximum 4 macros"},
        {"swapping one of four macros (Chinese)", fourMacros, 2, {kAssignMacro, 0x16000001, 0, {}}, true,
         u"最大应用4个宏"},
        {"a non-macro on one of four macro buttons", fourMacros, 2, {kAssignPlain, 8, 0, {}}, false, u""},
        {"a fourth macro", threeMacros, 4, {kAssignMacro, 0x16000001, 0, {}}, false, u""},
        {"left click rule comes before the macro rule", {6, 6, 6, 6, 2, 11, 22, 146}, 0,
         {kAssignMacro, 0x16000001, 0, {}}, false, u"At least one button must be configured as 'Left click'!"},
    };
    for (const Case& c : cases) {
        SetFunctions(c.functions);
        const auto refusal = CheckAssignment(state->profile, c.button, c.result, c.chinese);
        EXPECT_EQ(refusal.value_or(u""), c.refusal) << c.what;
    }
}

TEST_F(AssignmentTest, StoringEachKindOfAssignment) {
    MacroEntry& macro = state->MacroTable[3];
    macro.dwSize = 4104;
    macro.dwMagic = kMacroMagic;
    macro.dwMacroId = 0x16000042;
    SetFixedText(macro.szName, u"Reload");
    const std::u16string longPath(300, u'p');
    struct Case {
        const char* what;
        AssignmentResult result;
        bool chinese;
        int32_t function;
        std::u16string name;
        uint32_t macroId;  // in ButtonMacroId
    };
    const Case cases[] = {
        {"key combination", {kAssignKey, 0x00040300, 0, {}}, false, 5, u"Shift + Ctrl + A", 0},
        {"macro", {kAssignMacro, 0x16000042, 0, {}}, false, 6, u"Reload", 0x16000042},
        {"host action", {kAssignHost, 0x00D30006, 1, u"/usr/bin/true"}, false, 19, u"/usr/bin/true", 0},
        {"disabled (Chinese)", {kAssignDisabled, 7, 0, {}}, true, 121, u"禁用按键", 0},
        {"basic function", {kAssignPlain, 39, 0, {}}, false, 39, u"Mute", 0},
        {"a long path is cut to 259", {kAssignHost, 0x00D30006, 1, longPath}, false, 19, longPath.substr(0, 259), 0},
    };
    for (const Case& c : cases) {
        state->ButtonMacroId[3] = 0x7777;
        StoreAssignment(Records(), 3, c.result, state->MacroTable, layout, c.chinese);
        const ButtonSetting& b = state->profile.Buttons[3];
        EXPECT_EQ(b.nFunction, c.function) << c.what;
        EXPECT_EQ(FixedText(b.szName), c.name) << c.what;
        EXPECT_EQ(state->ButtonMacroId[3], c.macroId) << c.what;
    }
    const ButtonSetting& b = state->profile.Buttons[3];
    EXPECT_EQ(b.nMacroId, 0x16000042u) << "a later plain function keeps the old macro id in the record";
    EXPECT_EQ(b.dwKeyValue, 0x00040300u);
    EXPECT_EQ(b.dwKeyFunction, kHostRunProgram);
    EXPECT_EQ(b.dwHostValue, 0x00D30006u);
    EXPECT_EQ(FixedText(b.PathName), longPath.substr(0, 259));
}

TEST_F(AssignmentTest, MacroIdWithoutAMacroKeepsTheName) {
    StoreAssignment(Records(), 2, {kAssignMacro, 0x16009999, 0, {}}, state->MacroTable, layout, false);
    EXPECT_EQ(state->profile.Buttons[2].nFunction, 6);
    EXPECT_EQ(FixedText(state->profile.Buttons[2].szName), u"Menu");
    EXPECT_EQ(state->ButtonMacroId[2], 0x16009999u);
}

TEST(HostActionTest, ValuesAndWhereTheyAreOffered) {
    EXPECT_EQ(HostValue(1, 2), 0x00D20006);
    EXPECT_EQ(HostValue(1, 3), 0x00D30006);
    EXPECT_EQ(HostValue(0, 0), 0x00C00006);
    EXPECT_EQ(HostValue(3, 6), 0x00F60006);
    struct Case {
        int button;
        int32_t function;
        bool offered;
    };
    for (const Case& c : {Case{7, 1, false}, Case{2, 146, false}, Case{2, 121, false}, Case{2, 2, true}, Case{0, 1, true}})
        EXPECT_EQ(HostActionsOffered(c.button, c.function), c.offered) << c.button << " " << c.function;
}

TEST(HostActionTest, PathsMustNameWhatTheKindNeeds) {
    const testing::TempDir temp;
    const std::filesystem::path& folder = temp.path();
    const std::filesystem::path file = folder / "ding.wav";
    std::ofstream(file) << "RIFF";
    const std::u16string filePath = Utf8ToUtf16(file.string());
    const std::u16string folderPath = Utf8ToUtf16(folder.string());
    const std::u16string missing = folderPath + u"/none.wav";
    EXPECT_EQ(CheckHostPath(0, filePath, false), std::nullopt);
    EXPECT_EQ(CheckHostPath(3, folderPath, false), std::nullopt);
    EXPECT_EQ(CheckHostPath(0, missing, false).value_or(u""), u"The file " + missing + u" does not exist.");
    EXPECT_EQ(CheckHostPath(2, folderPath, false).value_or(u""), u"The file " + folderPath + u" does not exist.");
    EXPECT_EQ(CheckHostPath(3, filePath, true).value_or(u""), u"文件夹不存在：" + filePath);
}

}  // namespace
}  // namespace oryn7px
