// oryn7px-emu: a virtual ORYN7PX mouse served on a Unix socket, and the commands that steer it.
#include <algorithm>
#include <atomic>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/base/clock.h"
#include "platform/emulator/emulator_client.h"
#include "platform/emulator/emulator_server.h"
#include "platform/emulator/virtual_mouse.h"

namespace {

using namespace oryn7px;
using nlohmann::json;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

std::atomic<bool> stopRequested{false};

void RequestStop(int) { stopRequested = true; }

void PrintUsage(std::ostream& out) {
    out << "usage: oryn7px-emu --socket PATH [--report-id N] [--report-count N] [--firmware N] [--strict-timing] [--bootloader]\n"
           "       oryn7px-emu --socket PATH COMMAND...\n\n"
           "Without a command it serves a virtual ORYN7PX mouse on PATH until --quit.\n"
           "  --report-id N      report ID of the vendor collection, 1..255 (default 4)\n"
           "  --report-count N   report count of its feature value, 5..254 (default 32)\n"
           "  --firmware N       firmware version it reports, 0..2559 (default 103, shown as V 1.0.3)\n"
           "  --strict-timing    refuse reports sent sooner than the protocol's pauses (5 ms tolerance)\n"
           "  --bootloader       present the mouse in firmware-update mode (USB ID 04D9:8022)\n\n"
           "Commands to a running mouse, carried out in the order given:\n"
           "  --dump             print its state and report log as JSON\n"
           "  --plug, --unplug   connect or disconnect it\n"
           "  --unplug-after K   disconnect it after K more reports\n"
           "  --fail CMD         refuse feature command CMD (for example 0x11)\n"
           "  --time-out CMD     never answer command CMD: its feature report fails after 5 s, or\n"
           "                     (0x09, 0x11, 0x12, 0x13) its data reports stay pending\n"
           "  --fail-output      fail every output report\n"
           "  --pending-output   leave every output report pending\n"
           "  --clear-faults     forget --fail, --time-out, --fail-output, --pending-output and --unplug-after\n"
           "  --reset            back to a freshly plugged mouse with nothing written\n"
           "  --quit             stop the daemon\n";
}

std::optional<uint32_t> ParseNumber(const std::string& text, uint32_t max) {
    if (text.empty() || text[0] == '-' || text[0] == '+') return std::nullopt;
    try {
        size_t used = 0;
        const unsigned long value = std::stoul(text, &used, 0);
        if (used != text.size() || value > max) return std::nullopt;
        return static_cast<uint32_t>(value);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

int Serve(const std::string& socketPath, const VirtualMouseConfig& config) {
    RealClock clock;
    VirtualMouse mouse(clock, config);
    EmulatorServer server(mouse);
    std::string error;
    if (!server.Listen(socketPath, &error)) {
        std::cerr << "oryn7px-emu: " << error << "\n";
        return kExitFailed;
    }
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    std::cout << "oryn7px-emu: virtual ORYN7PX mouse on " << socketPath << " (report ID "
              << unsigned{config.reportId} << ", report count " << config.reportCount << ", firmware "
              << config.firmwareVersion << (config.strictTiming ? ", strict timing" : "") << ")" << std::endl;
    server.Run(stopRequested);
    return kExitOk;
}

int SendCommands(const std::string& socketPath, const std::vector<json>& requests) {
    EmulatorConnection connection(socketPath);
    for (const json& request : requests) {
        const auto answer = connection.Request(request);
        if (!answer) {
            std::cerr << "oryn7px-emu: no virtual mouse is served on " << socketPath << "\n";
            return kExitFailed;
        }
        if (request["op"] == "dump") {
            std::cout << answer->dump(2) << "\n";
        } else if (!answer->is_object() || answer->value("ok", json(false)) != json(true)) {
            std::cerr << "oryn7px-emu: request refused: " << answer->dump() << "\n";
            return kExitFailed;
        }
    }
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    std::string socketPath;
    VirtualMouseConfig config;
    bool daemonOptions = false;
    std::vector<json> requests;
    const std::vector<std::pair<std::string, std::string>> plainCommands = {
        {"--dump", "dump"},        {"--plug", "plug"},           {"--unplug", "unplug"},
        {"--fail-output", "fail_output"}, {"--pending-output", "pending_output"},
        {"--clear-faults", "clear_faults"}, {"--reset", "reset"}, {"--quit", "quit"},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        auto value = [&](uint32_t max) { return hasValue ? ParseNumber(argv[++i], max) : std::nullopt; };
        const auto plain = std::find_if(plainCommands.begin(), plainCommands.end(),
                                        [&](const auto& entry) { return entry.first == arg; });
        if (arg == "--help" || arg == "-h") {
            PrintUsage(std::cout);
            return kExitOk;
        } else if (arg == "--socket" && hasValue) {
            socketPath = argv[++i];
        } else if (plain != plainCommands.end()) {
            requests.push_back({{"op", plain->second}});
        } else if (arg == "--fail") {
            const auto command = value(0xFF);
            if (!command) return std::cerr << "oryn7px-emu: --fail takes a command byte such as 0x11\n", kExitUsage;
            requests.push_back({{"op", "fail"}, {"command", *command}});
        } else if (arg == "--time-out") {
            const auto command = value(0xFF);
            if (!command) return std::cerr << "oryn7px-emu: --time-out takes a command byte such as 0x13\n", kExitUsage;
            requests.push_back({{"op", "time_out"}, {"command", *command}});
        } else if (arg == "--unplug-after") {
            const auto reports = value(0xFFFFFFFF);
            if (!reports) return std::cerr << "oryn7px-emu: --unplug-after takes a report count\n", kExitUsage;
            requests.push_back({{"op", "unplug_after"}, {"reports", *reports}});
        } else if (arg == "--report-id") {
            const auto id = value(255);
            if (!id || *id == 0) return std::cerr << "oryn7px-emu: --report-id takes 1..255\n", kExitUsage;
            config.reportId = static_cast<uint8_t>(*id);
            daemonOptions = true;
        } else if (arg == "--report-count") {
            const auto count = value(kMaxVirtualReportCount);
            if (!count || *count < kMinVirtualReportCount) {
                return std::cerr << "oryn7px-emu: --report-count takes 5..254\n", kExitUsage;
            }
            config.reportCount = static_cast<uint16_t>(*count);
            daemonOptions = true;
        } else if (arg == "--firmware") {
            const auto version = value(kMaxVirtualFirmwareVersion);
            if (!version) return std::cerr << "oryn7px-emu: --firmware takes 0..2559\n", kExitUsage;
            config.firmwareVersion = *version;
            daemonOptions = true;
        } else if (arg == "--bootloader") {
            config.bootloader = true;
            daemonOptions = true;
        } else if (arg == "--strict-timing") {
            config.strictTiming = true;
            daemonOptions = true;
        } else {
            std::cerr << "oryn7px-emu: unknown or incomplete option " << arg << "\n";
            PrintUsage(std::cerr);
            return kExitUsage;
        }
    }
    if (socketPath.empty() || (daemonOptions && !requests.empty())) {
        std::cerr << (socketPath.empty() ? "oryn7px-emu: --socket PATH is needed\n"
                                         : "oryn7px-emu: mouse options start a daemon and take no commands\n");
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    return requests.empty() ? Serve(socketPath, config) : SendCommands(socketPath, requests);
}
