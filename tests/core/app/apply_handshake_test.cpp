#include "core/app/apply_handshake.h"

#include <gtest/gtest.h>

#include "core/support/settings_fixture.h"

namespace oryn7px {
namespace {

using testing::Box;
using testing::ReadAll;
using testing::ShownMessage;

class ApplyHandshakeTest : public testing::SettingsFixture {
protected:
    void SetUp() override {
        store.LoadProfileIndex();
        messages.shown.clear();
        writer.writes.clear();
    }

    ProfileStore store{*state, paths, writer, messages, texts};
    ApplyShared shared;
};

TEST_F(ApplyHandshakeTest, OnlyOnePassAtATime) {
    EXPECT_TRUE(RequestApply(shared, *state, store));
    EXPECT_TRUE(shared.hApplyEvent.IsSet());
    EXPECT_TRUE(shared.mailbox.TakeRequest());
    shared.hApplyEvent.Reset();
    shared.deviceState.BeginWrite();  // the worker took the request
    EXPECT_FALSE(RequestApply(shared, *state, store));
    EXPECT_FALSE(shared.hApplyEvent.IsSet());
    EXPECT_FALSE(shared.mailbox.TakeRequest());
}

// The mouse must not get settings that could not be saved afterwards (the profile file is there
// but cannot be read: a folder in its place here): no pass starts, and the user hears why.
TEST_F(ApplyHandshakeTest, NoPassForAProfileThatCannotBeSaved) {
    std::filesystem::remove(store.ProfilePath(0));
    std::filesystem::create_directories(store.ProfilePath(0) / "inside");
    store.LoadProfileIndex();
    messages.shown.clear();
    EXPECT_FALSE(RequestApply(shared, *state, store));
    EXPECT_FALSE(shared.hApplyEvent.IsSet());
    EXPECT_FALSE(shared.mailbox.TakeRequest());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(u"cannot be read"), std::u16string::npos);
}

TEST_F(ApplyHandshakeTest, TheRequestIsACopyTakenWhenTheUserApplies) {
    state->MacroTable[7].dwMagic = kMacroMagic;
    state->MacroTable[7].dwMacroId = 0x16000001;
    state->profile.Buttons[3].nFunction = kFunctionMacro;
    state->ButtonMacroId[3] = 0x16000001;
    state->ButtonMacroId[4] = 0x16000001;  // not a macro button: its macro is not taken
    state->profile.nDpiValue[0] = 33;
    ASSERT_TRUE(RequestApply(shared, *state, store));
    state->profile.nDpiValue[0] = 44;
    state->MacroTable[7].dwMacroId = 0;
    const auto request = shared.mailbox.TakeRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->profile.nDpiValue[0], 33);
    EXPECT_EQ(request->ButtonMacroId[3], 0x16000001u);
    ASSERT_TRUE(request->macros[3]);
    EXPECT_EQ(request->macros[3]->dwMacroId, 0x16000001u);
    EXPECT_FALSE(request->macros[4]);
    EXPECT_EQ(request->entry, 0);
    EXPECT_EQ(request->scope, ApplyScope::kWhole);
}

TEST_F(ApplyHandshakeTest, AnAutomaticSwitchAsksForWhatDiffers) {
    ASSERT_TRUE(RequestApply(shared, *state, store, ApplyScope::kChanges));
    const auto request = shared.mailbox.TakeRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->scope, ApplyScope::kChanges);
}

TEST_F(ApplyHandshakeTest, DoneSavesWhatWasWrittenThenTheIndexWithItsMacroIds) {
    state->profile.nDpiValue[0] = 33;
    state->ButtonMacroId[3] = 0x16000001;
    auto written = TakeApplySnapshot(*state);
    shared.deviceState.BeginWrite();
    shared.mailbox.PutWritten(std::move(written));
    // Changed on the UI thread while the pass ran: not what the mouse holds.
    state->profile.nDpiValue[0] = 44;
    state->ButtonMacroId[3] = 0x16000002;
    EXPECT_TRUE(OnApplyDone(store, shared));
    EXPECT_TRUE(shared.deviceState.Read().applyReady);
    ASSERT_EQ(writer.writes.size(), 2u);
    EXPECT_EQ(writer.writes[0], store.ProfilePath(0));
    EXPECT_EQ(writer.writes[1].filename(), "ConfigInfo.cfg");
    const auto profile = ReadAll(store.ProfilePath(0));
    ASSERT_EQ(profile.size(), sizeof(ProfileData));
    EXPECT_EQ(profile[25188], 33);
    const auto index = ReadAll(writer.writes[1]);
    ASSERT_EQ(index.size(), sizeof(ProfileIndex));
    EXPECT_EQ(index[1572 + 3 * 4 + 0], 0x01);
    EXPECT_EQ(index[1572 + 3 * 4 + 3], 0x16);
}

TEST_F(ApplyHandshakeTest, DoneWithoutAWrittenProfileSavesNothing) {
    shared.deviceState.BeginWrite();
    EXPECT_FALSE(OnApplyDone(store, shared));
    EXPECT_TRUE(writer.writes.empty());
    EXPECT_TRUE(shared.deviceState.Read().applyReady);
}

TEST_F(ApplyHandshakeTest, FailureShowsItsTextAndSavesNothing) {
    shared.deviceState.BeginWrite();
    OnApplyFailed(kApplyFailLedColor, shared, messages);
    EXPECT_TRUE(shared.deviceState.Read().applyReady);
    EXPECT_TRUE(writer.writes.empty());
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kProgram, u"Write mouse LED color failed.\n"}}));
}

}  // namespace
}  // namespace oryn7px
