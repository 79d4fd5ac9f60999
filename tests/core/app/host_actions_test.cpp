#include "core/app/host_actions.h"

#include <gtest/gtest.h>

#include "core/base/messages.h"
#include "core/base/utf16.h"
#include "core/device/hook_codes.h"
#include "core/settings/settings_state.h"
#include "fakes/fake_hook_backend.h"
#include "fakes/memory_log_files.h"
#include "fakes/recording_shell.h"
#include "fakes/recording_target.h"

namespace oryn7px {
namespace {

std::tm Noon() {
    std::tm t{};
    t.tm_year = 124;
    t.tm_mday = 1;
    t.tm_hour = 12;
    return t;
}

void GiveHostAction(ProfileData& profile, int button, uint32_t kind, std::u16string_view path) {
    profile.Buttons[button].nFunction = kFunctionHostAction;
    profile.Buttons[button].dwKeyFunction = kind;
    SetFixedText(profile.Buttons[button].PathName, path);
}

class HostActionsTest : public ::testing::Test {
protected:
    HostActionsTest() { BuildDefaultProfile(profile, false); }

    std::string LogText() { return files.files[logPath]; }

    ProfileData profile{};
    testing::RecordingShell shell;
    testing::MemoryLogFiles files;
    CLog log{files, Noon};
    const std::filesystem::path logPath = LogFilePath("/tmp");
    HostActions actions{profile, shell, log, logPath};
};

TEST_F(HostActionsTest, EachKindPerformsItsActionAfterTheLogLine) {
    struct Case {
        int button;
        uint32_t kind;
        std::u16string path;
        std::string call;
        std::string logLine;
    };
    const Case cases[] = {
        {5, kHostOpenFolder, u"/home/u/My Folder", "open /home/u/My Folder",
         "[ERROR] dwKey = 0x20a01, dwKeyFunction = 0xf0, PathName = /home/u/My Folder"},
        {2, kHostRunProgram, u"/usr/bin/true", "run /usr/bin/true",
         "[ERROR] dwKey = 0x204, dwKeyFunction = 0xd0, PathName = /usr/bin/true"},
        {4, kHostPlaySound, u"/snd/ding.wav", "sound /snd/ding.wav",
         "[ERROR] dwKey = 0x1020b, dwKeyFunction = 0xc0, PathName = /snd/ding.wav"},
        {3, kHostOpenFile, u"/doc/ünï.txt", "open /doc/ünï.txt",
         "[ERROR] dwKey = 0x2020b, dwKeyFunction = 0xe0, PathName = /doc/ünï.txt"},
    };
    for (const Case& c : cases) {
        GiveHostAction(profile, c.button, c.kind, c.path);
        shell.calls.clear();
        files.files.clear();
        EXPECT_EQ(actions.OnHostAction(kHookButtonCode[c.button], 0), 1);
        EXPECT_EQ(shell.calls, (std::vector<std::string>{c.call}));
        EXPECT_EQ(LogText(), c.logLine + "\t\t\t[2024-01-01 12:00:00]\n");
    }
}

TEST_F(HostActionsTest, LeftButtonOtherFunctionsAndUnknownCodesDoNothing) {
    GiveHostAction(profile, 0, kHostRunProgram, u"/usr/bin/true");
    GiveHostAction(profile, 1, kHostRunProgram, u"/usr/bin/true");
    profile.Buttons[1].nFunction = 4;  // given another function later; the kind stays behind
    for (uint32_t code : {kHookCodeLeft, kHookCodeMiddle, 0x2020Cu, 0u}) EXPECT_EQ(actions.OnHostAction(code, 0), 1);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(files.files.count(logPath), 0u);
}

TEST_F(HostActionsTest, EmptyPathsAndUnknownKindsAreLoggedButNotPerformed) {
    GiveHostAction(profile, 3, kHostRunProgram, u"");
    GiveHostAction(profile, 4, 0x77, u"/usr/bin/true");
    actions.OnHostAction(kHookCodeForward, 0);
    actions.OnHostAction(kHookCodeBack, 0);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(LogText(),
              "[ERROR] dwKey = 0x2020b, dwKeyFunction = 0xd0, PathName = \t\t\t[2024-01-01 12:00:00]\n"
              "[ERROR] dwKey = 0x1020b, dwKeyFunction = 0x77, PathName = /usr/bin/true\t\t\t[2024-01-01 12:00:00]\n");
}

TEST_F(HostActionsTest, AMissingLogFolderStillPerformsTheAction) {
    files.refused.insert(logPath);
    GiveHostAction(profile, 6, kHostRunProgram, u"/bin/app");
    actions.OnHostAction(kHookCodeWheelDown, 0);
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"run /bin/app"}));
}

TEST(HostActionLogLine, LongPathsAreCutWithoutSplittingACharacter) {
    const std::u16string path(600, u'é');
    const std::string line = HostActionLogLine(0x204, 0xd0, path);
    const std::string head = "dwKey = 0x204, dwKeyFunction = 0xd0, PathName = ";
    EXPECT_EQ(line.substr(0, head.size()), head);
    EXPECT_EQ(line.size() - head.size(), 1022u);
    EXPECT_EQ(Utf8ToUtf16(line.substr(head.size())), std::u16string(511, u'é'));
}

TEST(StartHostActionHooks, InterceptsTheButtonsWithAHostActionAndReportsEveryPress) {
    ProfileData profile{};
    BuildDefaultProfile(profile, false);
    GiveHostAction(profile, 3, kHostOpenFile, u"/a");
    GiveHostAction(profile, 5, kHostPlaySound, u"/b");
    GiveHostAction(profile, 7, kHostRunProgram, u"/c");  // the eighth button has no hook code
    profile.Buttons[4].dwKeyFunction = kHostRunProgram;  // kind left behind, function is "Back"
    testing::FakeHookBackend backend;
    InputHooks hooks(backend);
    testing::RecordingTarget mainWindow;
    ASSERT_TRUE(StartHostActionHooks(hooks, &mainWindow, profile));
    EXPECT_EQ(hooks.InterceptedButtons(), (std::vector<uint32_t>{kHookCodeForward, kHookCodeWheelUp}));
    hooks.SetHookForwarding(false, false);
    EXPECT_FALSE(hooks.MouseProc(WM_XBUTTONDOWN, XBUTTON1_DATA));
    EXPECT_TRUE(hooks.MouseProc(WM_XBUTTONDOWN, XBUTTON2_DATA));
    EXPECT_EQ(mainWindow.Take(), (std::vector<Message>{{UM_HOST_ACTION, kHookCodeBack, 0},
                                                      {UM_HOST_ACTION, kHookCodeForward, 0}}));
}

}  // namespace
}  // namespace oryn7px
