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
    EXPECT_TRUE(RequestApply(shared, store));
    EXPECT_TRUE(shared.hApplyEvent.IsSet());
    shared.hApplyEvent.Reset();
    shared.applyReady = 0;  // the worker took the request
    EXPECT_FALSE(RequestApply(shared, store));
    EXPECT_FALSE(shared.hApplyEvent.IsSet());
}

// The mouse must not get settings that could not be saved afterwards (the profile file is there
// but cannot be read: a folder in its place here): no pass starts, and the user hears why.
TEST_F(ApplyHandshakeTest, NoPassForAProfileThatCannotBeSaved) {
    std::filesystem::remove(store.ProfilePath(0));
    std::filesystem::create_directories(store.ProfilePath(0) / "inside");
    store.LoadProfileIndex();
    messages.shown.clear();
    EXPECT_FALSE(RequestApply(shared, store));
    EXPECT_FALSE(shared.hApplyEvent.IsSet());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(u"cannot be read"), std::u16string::npos);
}

TEST_F(ApplyHandshakeTest, DoneSavesProfileThenIndexWithTheMacroIds) {
    shared.applyReady = 0;
    state->profile.nDpiValue[0] = 33;
    state->ButtonMacroId[3] = 0x16000001;
    EXPECT_TRUE(OnApplyDone(store, shared));
    EXPECT_EQ(shared.applyReady, 1);
    ASSERT_EQ(writer.writes.size(), 2u);
    EXPECT_EQ(writer.writes[0], store.ProfilePath(0));
    EXPECT_EQ(writer.writes[1].filename(), "ConfigInfo.cfg");
    const auto profile = ReadAll(store.ProfilePath(0));
    ASSERT_EQ(profile.size(), sizeof(ProfileData));
    EXPECT_EQ(profile[25188], 33);
    const auto index = ReadAll(writer.writes[1]);
    ASSERT_EQ(index.size(), sizeof(ProfileIndex));
    EXPECT_EQ(index[1572 + 3 * 4 + 3], 0x16);
}

TEST_F(ApplyHandshakeTest, FailureShowsItsTextAndSavesNothing) {
    shared.applyReady = 0;
    OnApplyFailed(kApplyFailLedColor, shared, messages);
    EXPECT_EQ(shared.applyReady, 1);
    EXPECT_TRUE(writer.writes.empty());
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{{Box::kProgram, u"Write mouse LED color failed.\n"}}));
}

}  // namespace
}  // namespace oryn7px
