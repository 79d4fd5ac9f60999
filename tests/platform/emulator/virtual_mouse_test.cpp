#include <gtest/gtest.h>

#include <numeric>

#include "core/device/protocol/dpi_encoder.h"
#include "core/device/protocol/lighting_encoder.h"
#include "core/device/protocol/report_rate_encoder.h"
#include "core/device/usb_driver.h"
#include "platform/emulator/virtual_mouse.h"

namespace oryn7px {
namespace {

using Kind = VirtualMouseLogEntry::Kind;

std::vector<uint8_t> Sequence(size_t length, uint8_t first) {
    std::vector<uint8_t> bytes(length);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

class VirtualMouseTest : public ::testing::Test {
protected:
    explicit VirtualMouseTest(VirtualMouseConfig config = {.strictTiming = true}) : mouse(clock, config) {}

    void SetUp() override { ASSERT_TRUE(driver.OpenDevice()); }

    VirtualClock clock;
    VirtualMouse mouse;
    CUSBDriver driver{mouse, clock};
};

TEST_F(VirtualMouseTest, KeepsEverySettingTheDriverWrites) {
    const auto colours = Sequence(32, 1);
    const auto dpi = Sequence(16, 0x20);
    const auto matrix = Sequence(64, 0x40);
    MacroImage image;
    image.bytes[0] = 0x00;
    image.bytes[1] = 0x01;
    image.bytes[1023] = 0xEE;
    image.paddedLength = 32;

    EXPECT_TRUE(driver.Send(EncodeReportRate(4)));
    EXPECT_TRUE(driver.Send(EncodeTouch(2, 1)));
    EXPECT_TRUE(driver.Send(EncodeDpiFollowUp(0)));
    EXPECT_TRUE(driver.Send(EncodeSingleColor({0xFA, 0x05, 0x7E})));
    EXPECT_TRUE(driver.Send(EncodeEffect({5, 3, 1})));
    EXPECT_TRUE(driver.Send(CommandWith(CommandId::kColorTable, colours)));
    EXPECT_TRUE(driver.Send(CommandWith(CommandId::kDpiTable, dpi)));
    EXPECT_TRUE(driver.Send(CommandWith(CommandId::kKeyMatrix, matrix)));
    EXPECT_TRUE(driver.UploadMacroImage(2, image));
    const Result<uint32_t> version = driver.ReadFirmwareVersion();
    ASSERT_TRUE(version);
    EXPECT_EQ(*version, 103u);

    const VirtualMouseState state = mouse.State();
    EXPECT_EQ(state.reportRate, 4);
    EXPECT_EQ(state.touch, 0x90);
    EXPECT_EQ(state.command0B, 0);
    EXPECT_EQ(state.ledColor, (std::array<uint8_t, 3>{0x05, 0xFA, 0x7E}));
    EXPECT_EQ(state.effect, (std::array<uint8_t, 3>{5, 3, 1}));
    ASSERT_TRUE(state.colorTable && state.dpiTable && state.keyMatrix);
    EXPECT_TRUE(std::equal(colours.begin(), colours.end(), state.colorTable->begin()));
    EXPECT_TRUE(std::equal(dpi.begin(), dpi.end(), state.dpiTable->begin()));
    EXPECT_EQ((*state.keyMatrix)[0], 0x43424140u);
    EXPECT_EQ((*state.keyMatrix)[15], 0x7F7E7D7Cu);
    ASSERT_EQ(state.macroSlots.count(2), 1u);
    EXPECT_EQ(state.macroSlots.at(2), std::vector<uint8_t>(image.bytes.begin(), image.bytes.end()));
    EXPECT_TRUE(state.violations.empty()) << state.violations.front();
    // 5 plain + 2 x (feature, output) + (feature, 2 outputs) + (feature, 32 outputs) + (feature, answer)
    EXPECT_EQ(state.log.size(), 5u + 4 + 3 + 33 + 2);
    EXPECT_EQ(state.log.back().kind, Kind::GetFeature);
    EXPECT_EQ(state.log.back().tMs, clock.TickCount());
}

TEST_F(VirtualMouseTest, StrictTimingRefusesReportsSoonerThanThePause) {
    auto device = mouse.Open(VirtualMouse::kPath, HidAccess::Write);
    std::vector<uint8_t> feature(33, 0);
    std::vector<uint8_t> output(33, 0);
    feature[0] = output[0] = 4;
    struct Step {
        uint8_t command;     // 0 = an output report
        uint32_t afterMs;    // since the previous accepted report
        bool accepted;
    };
    const std::vector<Step> steps = {
        {0x11, 0, true}, {0, 44, false}, {0, 1, true},                 // 50 ms before the single report
        {0x01, 45, true},                                              // 50 ms after it
        {0x12, 0, true}, {0, 94, false}, {0, 1, true}, {0, 95, true},  // 100 ms before and between chunks
        {0x0C, 45, true}, {0x0D, 0, true},                             // plain commands need no pause
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        clock.Advance(steps[i].afterMs);
        bool accepted;
        if (steps[i].command != 0) {
            feature[1] = steps[i].command;
            accepted = device->SetFeature(feature.data(), feature.size());
        } else {
            accepted = device->WriteOutput(output.data(), output.size()) == HidWriteResult::Ok;
        }
        EXPECT_EQ(accepted, steps[i].accepted);
    }
    const auto state = mouse.State();
    ASSERT_EQ(state.violations.size(), 2u);
    EXPECT_EQ(state.violations[0], "output report 44 ms after the previous report, expected at least 50 ms");
    EXPECT_TRUE(state.keyMatrix.has_value());
}

TEST_F(VirtualMouseTest, ProtocolSlipsAreRecorded) {
    auto device = mouse.Open(VirtualMouse::kPath, HidAccess::Write);
    std::vector<uint8_t> report(33, 0);
    report[0] = 4;
    clock.Advance(1000);
    EXPECT_EQ(device->WriteOutput(report.data(), 33), HidWriteResult::Ok);  // nothing announced it
    report[1] = 0x12;
    clock.Advance(1000);
    EXPECT_TRUE(device->SetFeature(report.data(), 33));
    clock.Advance(1000);
    report[1] = 0x01;
    EXPECT_TRUE(device->SetFeature(report.data(), 33));  // cuts the key matrix short
    EXPECT_FALSE(device->SetFeature(report.data(), 20));  // wrong length
    report[1] = 0x55;
    EXPECT_FALSE(device->SetFeature(report.data(), 33));  // unknown command
    const auto state = mouse.State();
    EXPECT_EQ(state.violations, (std::vector<std::string>{
                                    "output report without a command announcing it",
                                    "command 0x01 cut the 0x12 transfer short after 0 of 2 output reports",
                                    "feature report of 20 bytes with report ID 4 refused: expected 33 bytes with ID 4",
                                    "unknown command 0x55 refused",
                                }));
    EXPECT_FALSE(state.keyMatrix.has_value());
}

TEST_F(VirtualMouseTest, InjectedFaults) {
    const auto dpi = Sequence(16, 1);
    const auto matrix = Sequence(64, 1);
    mouse.RefuseCommand(0x11);
    EXPECT_FALSE(driver.Send(CommandWith(CommandId::kDpiTable, dpi)));
    EXPECT_TRUE(driver.Send(EncodeReportRate(1)));

    mouse.FailOutput(true);
    EXPECT_FALSE(driver.Send(CommandWith(CommandId::kKeyMatrix, matrix)));

    mouse.ClearFaults();
    mouse.LeaveOutputPending(true);
    clock.ClearPauses();
    EXPECT_TRUE(driver.Send(CommandWith(CommandId::kColorTable, Sequence(32, 0))));  // a write that never completes counts as done
    EXPECT_EQ(clock.Pauses(), (std::vector<uint32_t>{50, 1500, 50}));
    const auto state = mouse.State();
    EXPECT_FALSE(state.dpiTable || state.keyMatrix || state.colorTable);
    EXPECT_EQ(state.reportRate, 1);
}

TEST_F(VirtualMouseTest, UnplugKillsOpenHandlesAndIsHeard) {
    std::vector<bool> heard;
    mouse.SetPresenceListener([&](bool plugged) { heard.push_back(plugged); });
    mouse.UnplugAfterReports(2);
    EXPECT_TRUE(driver.Send(EncodeReportRate(1)));
    EXPECT_TRUE(driver.Send(EncodeReportRate(2)));  // the second report goes through, then the mouse is gone
    EXPECT_EQ(heard, (std::vector<bool>{false}));
    EXPECT_FALSE(driver.Send(EncodeReportRate(4)));
    EXPECT_FALSE(driver.OpenDevice());

    mouse.Plug();
    EXPECT_EQ(heard, (std::vector<bool>{false, true}));
    EXPECT_TRUE(driver.OpenDevice());
    EXPECT_TRUE(driver.Send(EncodeReportRate(8)));
    EXPECT_EQ(mouse.State().reportRate, 8);
}

TEST_F(VirtualMouseTest, ResetForgetsEverything) {
    EXPECT_TRUE(driver.Send(EncodeReportRate(4)));
    mouse.RefuseCommand(0x01);
    mouse.Unplug();
    mouse.Reset();
    const auto state = mouse.State();
    EXPECT_TRUE(state.plugged);
    EXPECT_FALSE(state.reportRate.has_value());
    EXPECT_TRUE(state.log.empty());
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_TRUE(driver.Send(EncodeReportRate(1)));
}

class ConfiguredVirtualMouseTest : public VirtualMouseTest {
protected:
    ConfiguredVirtualMouseTest() : VirtualMouseTest({.reportId = 1, .reportCount = 64, .firmwareVersion = 2559}) {}
};

TEST_F(ConfiguredVirtualMouseTest, ReportIdCountAndFirmwareFollowTheConfiguration) {
    EXPECT_EQ(driver.ReportId(), 1);
    EXPECT_EQ(driver.ReportCount(), 64);
    const Result<uint32_t> version = driver.ReadFirmwareVersion();
    ASSERT_TRUE(version);
    EXPECT_EQ(*version, 2559u);
    const auto log = mouse.State().log;
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].bytes.size(), 65u);
    EXPECT_EQ(log[0].bytes[0], 1);
}

}  // namespace
}  // namespace oryn7px
