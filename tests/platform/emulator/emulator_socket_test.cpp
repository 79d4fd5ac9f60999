#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/device/protocol/lighting_encoder.h"
#include "core/device/protocol/report_rate_encoder.h"
#include "core/device/usb_driver.h"
#include "platform/emulator/emulator_client.h"
#include "platform/emulator/emulator_server.h"
#include "platform/emulator/socket_io.h"
#include "platform/emulator/virtual_mouse_json.h"

namespace oryn7px {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/oryn7px-emu-test-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempFolder() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

// A daemon on its own thread, serving a mouse the test can look at directly.
class RunningServer {
public:
    RunningServer(VirtualMouse& mouse, const std::string& path) : server_(mouse) {
        std::string error;
        listening_ = server_.Listen(path, &error);
        if (listening_) thread_ = std::thread([this] { server_.Run(stop_); });
    }
    ~RunningServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    bool Listening() const { return listening_; }

private:
    EmulatorServer server_;
    std::atomic<bool> stop_{false};
    bool listening_ = false;
    std::thread thread_;
};

class EmulatorSocketTest : public ::testing::Test {
protected:
    TempFolder folder;
    const std::string socketPath = folder / "emu.sock";
    RealClock serverClock;
    VirtualMouse mouse{serverClock};
    VirtualClock clientClock;
};

TEST_F(EmulatorSocketTest, DriverReachesTheDaemonsMouse) {
    RunningServer server(mouse, socketPath);
    ASSERT_TRUE(server.Listening());
    EmulatorBackend backend(socketPath, clientClock);
    CUSBDriver driver(backend, clientClock);
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_EQ(driver.DevicePath(), VirtualMouse::kPath);
    EXPECT_EQ(driver.ReportId(), 4);
    EXPECT_EQ(driver.ReportCount(), 32);
    const Result<uint32_t> version = driver.ReadFirmwareVersion();
    ASSERT_TRUE(version);
    EXPECT_EQ(*version, 103u);
    std::vector<uint8_t> matrix(64, 0x11);
    EXPECT_TRUE(driver.Send(CommandWith(CommandId::kKeyMatrix, matrix)));
    EXPECT_EQ(mouse.State().keyMatrix->at(15), 0x11111111u);

    mouse.LeaveOutputPending(true);
    clientClock.ClearPauses();
    EXPECT_TRUE(driver.Send(CommandWith(CommandId::kDpiTable, std::vector<uint8_t>(16, 0x11))));
    EXPECT_EQ(clientClock.Pauses(), (std::vector<uint32_t>{50, 1500, 50}));

    mouse.Unplug();
    EXPECT_FALSE(driver.Send(EncodeReportRate(1)));
    EXPECT_FALSE(driver.OpenDevice());
}

TEST_F(EmulatorSocketTest, NoDaemonMeansNoMouse) {
    EmulatorBackend backend(socketPath, clientClock);
    CUSBDriver driver(backend, clientClock);
    EXPECT_TRUE(backend.Enumerate().empty());
    EXPECT_FALSE(driver.OpenDevice());
}

TEST_F(EmulatorSocketTest, ClientFindsARestartedDaemon) {
    EmulatorBackend backend(socketPath, clientClock);
    CUSBDriver driver(backend, clientClock);
    {
        RunningServer server(mouse, socketPath);
        ASSERT_TRUE(driver.OpenDevice());
    }
    RunningServer restarted(mouse, socketPath);
    ASSERT_TRUE(restarted.Listening());
    EXPECT_TRUE(driver.OpenDevice());
    EXPECT_TRUE(driver.Send(EncodeReportRate(8)));
}

TEST_F(EmulatorSocketTest, ListenKeepsOtherFilesAndLiveDaemons) {
    const std::string file = folder / "not-a-socket";
    std::ofstream(file) << "user data";
    EmulatorServer server(mouse);
    std::string error;
    EXPECT_FALSE(server.Listen(file, &error));
    EXPECT_EQ(error, file + " exists and is not a socket");
    std::ifstream in(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "user data");

    RunningServer live(mouse, socketPath);
    ASSERT_TRUE(live.Listening());
    EmulatorServer second(mouse);
    EXPECT_FALSE(second.Listen(socketPath, &error));
    EXPECT_EQ(error, "another oryn7px-emu is serving " + socketPath);
}

TEST_F(EmulatorSocketTest, StaleSocketIsReplaced) {
    // A daemon killed outright leaves its socket file behind with nobody listening.
    sockaddr_un address{};
    ASSERT_TRUE(FillSocketAddress(socketPath, &address));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
    ASSERT_TRUE(fs::is_socket(socketPath));
    RunningServer server(mouse, socketPath);
    ASSERT_TRUE(server.Listening());
    EmulatorBackend backend(socketPath, clientClock);
    EXPECT_EQ(backend.Enumerate().size(), 1u);
}

TEST_F(EmulatorSocketTest, BadRequestsGetAnErrorAndTheDaemonCarriesOn) {
    RunningServer server(mouse, socketPath);
    const int fd = ConnectUnixSocket(socketPath);
    ASSERT_GE(fd, 0);
    std::string buffer;
    const std::vector<std::string> requests = {
        "not json", "[1,2]", R"({"op":"launch"})", R"({"op":"set_feature","handle":1,"hex":"zz"})",
        R"({"op":"fail","command":300})", R"({"op":"open","path":"/dev/hidraw0"})",
    };
    for (const std::string& request : requests) {
        SCOPED_TRACE(request);
        ASSERT_TRUE(WriteLine(fd, request));
        const auto line = ReadLine(fd, &buffer, 5000);
        ASSERT_TRUE(line);
        const json answer = json::parse(*line);
        EXPECT_EQ(answer["ok"], false);
        EXPECT_TRUE(answer["error"].is_string());
    }
    close(fd);
    EmulatorConnection connection(socketPath);
    EXPECT_EQ((*connection.Request({{"op", "plug"}}))["ok"], true);
}

// A peer that accepts and then trickles bytes without ever ending the line, or says nothing.
class StallingPeer {
public:
    StallingPeer(const std::string& path, bool trickle) {
        sockaddr_un address{};
        FillSocketAddress(path, &address);
        fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(fd_, 8);
        thread_ = std::thread([this, trickle] {
            std::vector<int> clients;
            while (!stop_) {
                pollfd readable{fd_, POLLIN, 0};
                if (poll(&readable, 1, 10) == 1) {
                    clients.push_back(accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC));
                    ++accepted;
                }
                for (int client : clients) {
                    if (trickle) send(client, "{", 1, MSG_NOSIGNAL);
                }
            }
            for (int client : clients) close(client);
        });
    }
    ~StallingPeer() {
        stop_ = true;
        thread_.join();
        close(fd_);
    }
    std::atomic<int> accepted{0};

private:
    int fd_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST_F(EmulatorSocketTest, EveryExchangeHasADeadline) {
    for (bool trickle : {true, false}) {
        SCOPED_TRACE(trickle ? "trickling" : "silent");
        fs::remove(socketPath);
        StallingPeer peer(socketPath, trickle);
        EmulatorConnection connection(socketPath, 300);
        EXPECT_FALSE(connection.Request({{"op", "enumerate"}}));
        // Once the deadline was missed the next requests give up at once, without a connection.
        EXPECT_FALSE(connection.Request({{"op", "enumerate"}}));
        EXPECT_FALSE(connection.Request({{"op", "enumerate"}}));
        EXPECT_EQ(peer.accepted, 1);
    }
}

TEST(VirtualMouseStateJson, ShowsNullForWhatWasNeverWritten) {
    VirtualClock clock;
    VirtualMouse mouse(clock);
    json dump = VirtualMouseStateJson(mouse.Config(), mouse.State());
    for (const char* key : {"report_rate", "touch", "led_color", "effect", "color_table", "dpi_table", "key_matrix",
                            "command_0b", "macro_slots"}) {
        EXPECT_TRUE(dump[key].is_null()) << key;
    }
    EXPECT_EQ(dump["plugged"], true);
    EXPECT_EQ(dump["report_id"], 4);
    EXPECT_EQ(dump["report_count"], 32);
    EXPECT_EQ(dump["firmware_version"], 103);
    EXPECT_EQ(dump["log"], json::array());
    EXPECT_EQ(dump["violations"], json::array());

    CUSBDriver driver(mouse, clock);
    ASSERT_TRUE(driver.OpenDevice());
    std::vector<uint8_t> matrix(64, 0);
    matrix[0] = 0x0A;
    matrix[2] = 0x02;
    EXPECT_TRUE(driver.Send(CommandWith(CommandId::kKeyMatrix, matrix)));
    EXPECT_TRUE(driver.Send(EncodeSingleColor({0xFA, 0x05, 0x7E})));
    EXPECT_TRUE(driver.Send(EncodeEffect({5, 3, 1})));
    MacroImage image;
    image.bytes[1] = 0x01;
    EXPECT_TRUE(driver.UploadMacroImage(1, image));
    dump = VirtualMouseStateJson(mouse.Config(), mouse.State());
    EXPECT_EQ(dump["key_matrix"][0], "0x0002000A");
    EXPECT_EQ(dump["key_matrix"].size(), 16u);
    EXPECT_EQ(dump["led_color"], "05fa7e");
    EXPECT_EQ(dump["effect"], json::array({5, 3, 1}));
    EXPECT_EQ(dump["macro_slots"]["1"].get<std::string>().substr(0, 4), "0001");
    EXPECT_EQ(dump["macro_slots"]["1"].get<std::string>().size(), 2048u);
    EXPECT_EQ(dump["log"][0]["kind"], "feature");
    EXPECT_EQ(dump["log"][0]["hex"].get<std::string>().substr(0, 10), "0412010040");
    EXPECT_EQ(dump["log"][1]["kind"], "output");
    EXPECT_EQ(dump["log"][1]["t_ms"], 150);
}

TEST(Hex, RoundTripsAndRefusesWhatIsNotHex) {
    const std::vector<uint8_t> bytes = {0x00, 0x7F, 0xFF, 0xA5};
    EXPECT_EQ(ToHex(bytes), "007fffa5");
    EXPECT_EQ(FromHex("007FffA5"), bytes);
    for (const char* bad : {"0", "0g", "0x12", " 12", "12 "}) EXPECT_FALSE(FromHex(bad)) << bad;
}

}  // namespace
}  // namespace oryn7px
