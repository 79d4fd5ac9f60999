#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <numeric>
#include <thread>

#include "core/device/protocol/dpi_encoder.h"
#include "core/device/protocol/lighting_encoder.h"
#include "core/device/protocol/report_rate_encoder.h"
#include "core/device/usb_driver.h"
#include "fake_hid_backend.h"

namespace oryn7px {
namespace {

using testing::FakeHidBackend;
using testing::MouseInterface;
using testing::SentReport;
using Bytes = std::vector<uint8_t>;

constexpr uint8_t kReportId = 5;
constexpr uint16_t kReportCount = 8;

Bytes Padded(Bytes bytes, size_t length) {
    bytes.resize(length, 0);
    return bytes;
}

Bytes Sequence(size_t length, uint8_t first) {
    Bytes bytes(length);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

Bytes OutputReport(const Bytes& data) {
    Bytes report{kReportId};
    report.insert(report.end(), data.begin(), data.end());
    return Padded(report, 33);
}

std::vector<uint32_t> ChunkPauses(size_t chunks) {
    std::vector<uint32_t> pauses;
    for (size_t i = 0; i < chunks; ++i) pauses.insert(pauses.end(), {50, 50});
    return pauses;
}

class DriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        backend.interfaces = {MouseInterface("hid0", kReportId, kReportCount)};
        ASSERT_TRUE(driver.OpenDevice());
    }

    VirtualClock clock;
    FakeHidBackend backend{clock};
    CUSBDriver driver{backend, clock};
};

struct CommandCase {
    const char* name;
    std::function<bool(CUSBDriver&)> run;
    Bytes feature;  // bytes 0.. of the feature report; the rest must be zero
    std::vector<Bytes> outputs;
    std::vector<uint32_t> pauses;
};

const Bytes kColourTable = Sequence(32, 1);
const Bytes kDpiTable = Sequence(16, 0x40);
const Bytes kKeyMatrix = Sequence(64, 0x80);

MacroImage SampleImage() {
    MacroImage image;
    for (size_t i = 0; i < image.bytes.size(); ++i) image.bytes[i] = static_cast<uint8_t>(i * 7);
    image.paddedLength = 96;
    return image;
}

std::vector<Bytes> ImageChunks(const MacroImage& image) {
    std::vector<Bytes> chunks;
    for (size_t offset = 0; offset < image.bytes.size(); offset += 32) {
        chunks.push_back(OutputReport(Bytes(image.bytes.begin() + offset, image.bytes.begin() + offset + 32)));
    }
    return chunks;
}

std::vector<Bytes> KeyMatrixChunks() {
    return {OutputReport(Bytes(kKeyMatrix.begin(), kKeyMatrix.begin() + 32)),
            OutputReport(Bytes(kKeyMatrix.begin() + 32, kKeyMatrix.end()))};
}

std::vector<uint32_t> Concat(std::vector<uint32_t> a, const std::vector<uint32_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

bool SendOk(CUSBDriver& d, const DeviceCommand& command) { return d.Send(command).Ok(); }

const std::vector<CommandCase> kCommandCases = {
    {"rate 1", [](CUSBDriver& d) { return SendOk(d, EncodeReportRate(1)); }, {kReportId, 0x01, 1}, {}, {}},
    {"rate 8", [](CUSBDriver& d) { return SendOk(d, EncodeReportRate(8)); }, {kReportId, 0x01, 8}, {}, {}},
    {"rate 3 sent as 2", [](CUSBDriver& d) { return SendOk(d, EncodeReportRate(3)); }, {kReportId, 0x01, 2}, {}, {}},
    {"touch 1", [](CUSBDriver& d) { return SendOk(d, EncodeTouch(1, 1)); }, {kReportId, 0x03, 0x80}, {}, {}},
    {"touch 2", [](CUSBDriver& d) { return SendOk(d, EncodeTouch(2, 1)); }, {kReportId, 0x03, 0x90}, {}, {}},
    {"touch 2 lighting off", [](CUSBDriver& d) { return SendOk(d, EncodeTouch(2, 6)); }, {kReportId, 0x03, 0x00}, {}, {}},
    {"touch 5", [](CUSBDriver& d) { return SendOk(d, EncodeTouch(5, 2)); }, {kReportId, 0x03, 0x00}, {}, {}},
    {"command 0B", [](CUSBDriver& d) { return SendOk(d, EncodeDpiFollowUp(0x1FF)); }, {kReportId, 0x0B, 0x01, 0xFF}, {}, {}},
    {"colour", [](CUSBDriver& d) { return SendOk(d, EncodeSingleColor({0xFA, 0x05, 0x7E})); },
     {kReportId, 0x0C, 0x01, 0x05, 0xFA, 0x7E}, {}, {}},
    {"effect", [](CUSBDriver& d) { return SendOk(d, EncodeEffect({0x105, 2, 3})); }, {kReportId, 0x0D, 0x01, 5, 2, 3}, {}, {}},
    {"colour table", [](CUSBDriver& d) { return SendOk(d, CommandWith(CommandId::kColorTable, kColourTable)); },
     {kReportId, 0x09, 0x01, 0x00, 0x20}, {OutputReport(kColourTable)}, {50, 50}},
    {"DPI table", [](CUSBDriver& d) { return SendOk(d, CommandWith(CommandId::kDpiTable, kDpiTable)); },
     {kReportId, 0x11, 0x01, 0x07, 0x10}, {OutputReport(kDpiTable)}, {50, 50}},
    {"key matrix", [](CUSBDriver& d) { return SendOk(d, CommandWith(CommandId::kKeyMatrix, kKeyMatrix)); },
     {kReportId, 0x12, 0x01, 0x00, 0x40}, KeyMatrixChunks(), Concat({100}, ChunkPauses(2))},
    {"macro slot 3", [](CUSBDriver& d) { return d.UploadMacroImage(3, SampleImage()).Ok(); },
     {kReportId, 0x13, 0x01, 3, 0x00, 0x02}, ImageChunks(SampleImage()), Concat({100}, ChunkPauses(32))},
};

TEST_F(DriverTest, EachCommandSendsItsBytesWithItsPauses) {
    for (const CommandCase& c : kCommandCases) {
        SCOPED_TRACE(c.name);
        backend.sent.clear();
        clock.ClearPauses();
        EXPECT_TRUE(c.run(driver));
        const auto features = backend.Sent(SentReport::Feature);
        ASSERT_EQ(features.size(), 1u);
        EXPECT_EQ(features[0].bytes, Padded(c.feature, kReportCount + 1));
        EXPECT_EQ(backend.sent.front().kind, SentReport::Feature);
        std::vector<Bytes> outputs;
        for (const SentReport& report : backend.Sent(SentReport::Output)) outputs.push_back(report.bytes);
        EXPECT_EQ(outputs, c.outputs);
        EXPECT_EQ(clock.Pauses(), c.pauses);
    }
}

TEST_F(DriverTest, FeatureReportsFollowTheDevicesReportCount) {
    backend.interfaces = {MouseInterface("hid0", 0x21, 64)};
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_TRUE(driver.Send(EncodeEffect({1, 2, 3})));
    EXPECT_TRUE(driver.Send(CommandWith(CommandId::kKeyMatrix, kKeyMatrix)));
    for (const SentReport& report : backend.sent) {
        EXPECT_EQ(report.bytes[0], 0x21);
        EXPECT_EQ(report.bytes.size(), report.kind == SentReport::Output ? 33u : 65u);
    }
}

TEST_F(DriverTest, BadArgumentsSendNothing) {
    const Bytes big(128, 1);
    const auto send = [&](CommandId id, size_t length) { return SendOk(driver, CommandWith(id, Bytes(length, 1))); };
    const std::vector<std::pair<const char*, std::function<bool()>>> cases = {
        {"colour table 31", [&] { return send(CommandId::kColorTable, 31); }},
        {"colour table without data", [&] { return send(CommandId::kColorTable, 0); }},
        {"DPI table 17", [&] { return send(CommandId::kDpiTable, 17); }},
        {"DPI table without data", [&] { return send(CommandId::kDpiTable, 0); }},
        {"key matrix 32", [&] { return send(CommandId::kKeyMatrix, 32); }},
        {"key matrix without data", [&] { return send(CommandId::kKeyMatrix, 0); }},
        {"rate with data", [&] { return send(CommandId::kReportRate, 32); }},
        {"unknown command", [&] { return SendOk(driver, DeviceCommand{{0x55}, {}}); }},
        {"chunks null", [&] { return driver.WriteOutputChunks(nullptr, 64).Ok(); }},
        {"chunks empty", [&] { return driver.WriteOutputChunks(big.data(), 0).Ok(); }},
    };
    for (const auto& [name, run] : cases) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(run());
    }
    EXPECT_TRUE(backend.sent.empty());
    EXPECT_TRUE(clock.Pauses().empty());
}

TEST_F(DriverTest, OutputChunksSendWholeChunksOnly) {
    const Bytes data = Sequence(70, 0);
    EXPECT_TRUE(driver.WriteOutputChunks(data.data(), 31));  // below one chunk: nothing, success
    EXPECT_TRUE(backend.sent.empty());
    EXPECT_TRUE(driver.WriteOutputChunks(data.data(), 70));
    const auto outputs = backend.Sent(SentReport::Output);
    ASSERT_EQ(outputs.size(), 2u);
    EXPECT_EQ(outputs[1].bytes, OutputReport(Bytes(data.begin() + 32, data.begin() + 64)));
    EXPECT_EQ(clock.Pauses(), ChunkPauses(2));
}

TEST_F(DriverTest, RefusedFeatureReportFailsAtOnce) {
    backend.refusedCommands = {0x01, 0x11, 0x12};
    const Status refused = driver.Send(EncodeReportRate(1));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Failure().kind, ErrorKind::kRefused);
    EXPECT_FALSE(driver.Send(CommandWith(CommandId::kDpiTable, kDpiTable)));
    EXPECT_FALSE(driver.Send(CommandWith(CommandId::kKeyMatrix, kKeyMatrix)));
    EXPECT_TRUE(backend.Sent(SentReport::Output).empty());
    EXPECT_TRUE(clock.Pauses().empty());
}

TEST_F(DriverTest, OutputOutcomes) {
    // A write that timed out counts as done; an error fails the command after its pause.
    backend.outputResults = {HidWriteResult::TimedOut, HidWriteResult::Error};
    EXPECT_TRUE(driver.Send(CommandWith(CommandId::kDpiTable, kDpiTable)));
    EXPECT_FALSE(driver.Send(CommandWith(CommandId::kColorTable, kColourTable)));
    EXPECT_EQ(clock.Pauses(), (std::vector<uint32_t>{50, 50, 50, 50}));
}

TEST_F(DriverTest, FailedChunkEndsKeyMatrix) {
    backend.outputResults = {HidWriteResult::Error};
    EXPECT_FALSE(driver.Send(CommandWith(CommandId::kKeyMatrix, kKeyMatrix)));
    EXPECT_EQ(backend.Sent(SentReport::Output).size(), 1u);
    EXPECT_EQ(clock.Pauses(), (std::vector<uint32_t>{100, 50, 50}));
}

TEST_F(DriverTest, MacroUploadFailuresAreTold) {
    const MacroImage image = SampleImage();
    EXPECT_FALSE(driver.UploadMacroImage(8, image));  // the mouse has slots 0..7
    EXPECT_TRUE(backend.sent.empty());

    backend.outputResults = {HidWriteResult::Ok, HidWriteResult::Ok, HidWriteResult::Error};
    EXPECT_FALSE(driver.UploadMacroImage(0, image));
    EXPECT_EQ(backend.Sent(SentReport::Output).size(), 3u);

    backend.sent.clear();
    backend.refusedCommands = {0x13};
    EXPECT_FALSE(driver.UploadMacroImage(0, image));
    EXPECT_TRUE(backend.Sent(SentReport::Output).empty());
}

TEST_F(DriverTest, MacroCountsAsUploadedOnlyWhenOneOfItsReportsWasConfirmed) {
    const MacroImage image = SampleImage();
    backend.outputResults.assign(32, HidWriteResult::TimedOut);
    EXPECT_FALSE(driver.UploadMacroImage(0, image));
    backend.sent.clear();
    backend.outputResults[31] = HidWriteResult::Ok;
    EXPECT_TRUE(driver.UploadMacroImage(0, image));
}

TEST_F(DriverTest, FirmwareVersionFromTheAnswer) {
    backend.answer = {kReportId, 0x80, 0x01, 0x05};
    Result<uint32_t> version = driver.ReadFirmwareVersion();
    ASSERT_TRUE(version);
    EXPECT_EQ(*version, 15u);
    EXPECT_EQ(clock.Pauses(), (std::vector<uint32_t>{50}));
    ASSERT_EQ(backend.sent.size(), 2u);
    EXPECT_EQ(backend.sent[0].bytes, Padded({kReportId, 0x80}, kReportCount + 1));
    EXPECT_EQ(backend.sent[1].kind, SentReport::GetFeature);
    EXPECT_EQ(backend.sent[1].bytes, Padded({kReportId}, kReportCount + 1));

    backend.answer = {kReportId, 0x80, 0xFA, 0xFF};  // both bytes are unsigned: 250 x 10 + 255
    version = driver.ReadFirmwareVersion();
    ASSERT_TRUE(version);
    EXPECT_EQ(*version, 2755u);
}

TEST_F(DriverTest, FirmwareVersionFailuresSayWhy) {
    backend.answer = {kReportId, 0x00, 0x01, 0x05};
    Result<uint32_t> version = driver.ReadFirmwareVersion();
    ASSERT_FALSE(version);
    EXPECT_EQ(version.Failure().kind, ErrorKind::kInvalidData);
    backend.answer = {kReportId, 0x80, 0x01, 0x05};
    backend.getFeatureFails = true;
    version = driver.ReadFirmwareVersion();
    ASSERT_FALSE(version);
    EXPECT_EQ(version.Failure().kind, ErrorKind::kIo);
    backend.getFeatureFails = false;
    backend.refusedCommands = {0x80};
    version = driver.ReadFirmwareVersion();
    ASSERT_FALSE(version);
    EXPECT_EQ(version.Failure().kind, ErrorKind::kRefused);
}

TEST_F(DriverTest, ClosedLinkFailsEveryCommandAndSendsNothing) {
    driver.CloseDevice();
    driver.CloseDevice();
    EXPECT_FALSE(driver.IsOpen());
    EXPECT_EQ(backend.openHandles, 0);
    EXPECT_FALSE(driver.Send(EncodeReportRate(1)));
    EXPECT_FALSE(driver.Send(CommandWith(CommandId::kDpiTable, kDpiTable)));
    EXPECT_FALSE(driver.Send(CommandWith(CommandId::kKeyMatrix, kKeyMatrix)));
    EXPECT_FALSE(driver.WriteOutputChunks(kKeyMatrix.data(), 64));
    EXPECT_FALSE(driver.ReadFirmwareVersion());
    EXPECT_FALSE(driver.UploadMacroImage(2, SampleImage()));
    EXPECT_TRUE(backend.sent.empty());
}

TEST_F(DriverTest, CommandsFromTwoThreadsNeverInterleave) {
    std::thread matrixWriter([&] {
        for (int i = 0; i < 50; ++i) (void)driver.Send(CommandWith(CommandId::kKeyMatrix, kKeyMatrix));
    });
    std::thread dpiWriter([&] {
        for (int i = 0; i < 50; ++i) (void)driver.Send(CommandWith(CommandId::kDpiTable, kDpiTable));
    });
    matrixWriter.join();
    dpiWriter.join();
    ASSERT_EQ(backend.sent.size(), 50u * 3 + 50u * 2);
    for (size_t i = 0; i < backend.sent.size();) {
        ASSERT_EQ(backend.sent[i].kind, SentReport::Feature);
        const size_t outputs = backend.sent[i].bytes[1] == 0x12 ? 2 : 1;
        for (size_t k = 1; k <= outputs; ++k) ASSERT_EQ(backend.sent[i + k].kind, SentReport::Output);
        i += 1 + outputs;
    }
}

// The UI thread closes or reopens the link while the worker is inside a long command: neither
// waits for the command, the command keeps its handles until it lets go, and drops the rest.
TEST_F(DriverTest, CloseAndOpenNeverWaitForARunningCommand) {
    std::promise<void> inside;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    bool first = true;
    backend.duringOutput = [&] {
        if (!std::exchange(first, false)) return;
        inside.set_value();
        released.wait();
    };
    bool written = true;
    std::thread worker([&] { written = SendOk(driver, CommandWith(CommandId::kKeyMatrix, kKeyMatrix)); });
    inside.get_future().wait();

    driver.CloseDevice();
    EXPECT_FALSE(driver.IsOpen());
    EXPECT_EQ(backend.openHandles, 2);  // still the command's
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_EQ(backend.openHandles, 4);

    release.set_value();
    worker.join();
    EXPECT_FALSE(written);
    EXPECT_EQ(backend.Sent(SentReport::Output).size(), 1u);
    EXPECT_EQ(backend.openHandles, 2);  // the old handles closed with the command
    EXPECT_TRUE(driver.Send(EncodeReportRate(1)));
}

}  // namespace
}  // namespace oryn7px
