#include <gtest/gtest.h>

#include "core/firmware/firmware_fixture.h"
#include "core/pages/support_page/support_page_model.h"

namespace oryn7px::testing {
namespace {

using SupportPageModelTest = FirmwareFixture;

TEST_F(SupportPageModelTest, ShowsTheMousesVersionOrUnknown) {
    const std::vector<std::pair<uint32_t, std::string>> cases = {
        {0, "Unknown"}, {5, "V 0.0.5"}, {42, "V 0.4.2"}, {103, "V 1.0.3"}};
    for (const auto& [version, label] : cases) {
        page.SetFirmwareVersion(version);
        EXPECT_EQ(page.FirmwareVersionLabel(), label);
        EXPECT_EQ(checker.DeviceVersion(), version);
    }
}

TEST_F(SupportPageModelTest, RestoreDefaultsOnlyOnOk) {
    for (const auto& [answer, restore] : {std::pair{kBoxOk, true}, std::pair{kBoxCancel, false}}) {
        messages.shown.clear();
        messages.questionAnswer = answer;
        EXPECT_EQ(page.ConfirmRestoreDefaults(), restore);
        EXPECT_EQ(messages.Shown(),
                  (std::vector{ShownMessage{Box::kProgramQuestion, u"Do you want to restore the default setting?"}}));
    }
    EXPECT_EQ(RestoreDefaultsQuestionText(true), u"确定要恢复默认设置?");
}

TEST_F(SupportPageModelTest, WithoutAnUpdateCheckTheButtonDoesNothing) {
    SupportPageModel alone{nullptr, messages, [] { return false; }};
    alone.SetFirmwareVersion(7);
    alone.PressUpdate();
    EXPECT_EQ(alone.FirmwareVersionLabel(), "V 0.0.7");
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(timer.starts, 0);
}

}  // namespace
}  // namespace oryn7px::testing
