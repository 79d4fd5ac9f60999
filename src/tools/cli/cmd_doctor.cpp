// doctor: checks what the program needs on this machine and desktop, and says what to do where
// something is missing.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "cli.h"
#include "core/app/doctor.h"
#include "core/base/clock.h"
#include "core/device/protocol/device_identity.h"
#include "platform/hid_backend_choice.h"
#include "platform/linux/evdev_mouse_nodes.h"
#include "platform/linux/foreground_tracker_choice.h"
#include "platform/linux/linux_paths.h"
#include "platform/linux/pointer_settings_choice.h"
#include "platform/linux/tray_probe.h"
#include "platform/linux/wlroots_toplevel_list.h"
#include "platform/linux/x11_input_backend.h"
#include "text_escape.h"

namespace oryn7px::cli {

namespace {

constexpr const char* kUsage =
    "usage: oryn7px-cli [--virtual-mouse] doctor [--json]\n\n"
    "Checks the mouse and its access, the udev rule, the desktop session, how desktop input reaches\n"
    "the program, uinput, where the pointer settings go and the tray; each line says ok or what to\n"
    "do. Exit status 0 when everything the current session needs works, else 1.\n"
    "  --json   one object: mouse, hidraw_access, udev_rule, session, input, uinput, pointer_settings,\n"
    "           tray, each {ok, detail}; session.type, input.mode, pointer_settings.backend\n";

constexpr std::array kRuleFolders = {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/local/lib/udev/rules.d",
                                     "/usr/lib/udev/rules.d", "/lib/udev/rules.d"};
constexpr const char* kRuleName = "70-oryn7px.rules";

struct Node {
    std::string path;
    bool openable = false;
};

// The first interface of vendor:product that `wanted` accepts, and whether it opens both ways.
Node FindNode(HidBackend& backend, uint16_t vendor, uint16_t product,
              const std::function<bool(const HidInterfaceInfo&)>& wanted) {
    for (const HidInterfaceInfo& info : backend.Enumerate()) {
        if (info.vendorId != vendor || info.productId != product || !wanted(info)) continue;
        return {info.path, backend.Open(info.path, HidAccess::Read) && backend.Open(info.path, HidAccess::Write)};
    }
    return {};
}

// The mouse's vendor interface: the one the device link opens.
Node FindMouse(HidBackend& backend) {
    return FindNode(backend, kMouseVendorId, kMouseProductId, [](const HidInterfaceInfo& info) {
        return std::any_of(info.featureValueCaps.begin(), info.featureValueCaps.end(),
                           [](const HidValueCaps& caps) { return caps.HasUsage(kVendorUsagePage, kVendorUsage); });
    });
}

void FindUdevRule(DoctorFacts& facts) {
    for (const char* folder : kRuleFolders) {
        const std::filesystem::path rule = std::filesystem::path(folder) / kRuleName;
        std::ifstream in(rule);
        if (!in) continue;
        std::stringstream text;
        text << in.rdbuf();
        facts.udevRuleFile = rule.string();
        facts.udevRuleCurrent = text.str().find("SUBSYSTEM==\"input\"") != std::string::npos &&
                                text.str().find("KERNEL==\"uinput\"") != std::string::npos;
        return;
    }
}

DoctorFacts GatherFacts(const Context& context) {
    DoctorFacts facts;
    RealClock clock;
    HidBackendChoice choice = ChooseHidBackend(context.options.virtualMouse, clock);
    const Node mouse = FindMouse(*choice.backend);
    facts.mouseNode = mouse.path;
    facts.mouseOpenable = mouse.openable;
    const Node bootloader =
        FindNode(*choice.backend, kBootloaderVendorId, kBootloaderProductId, [](const HidInterfaceInfo&) { return true; });
    facts.bootloaderNode = bootloader.path;
    facts.bootloaderOpenable = bootloader.openable;
    FindUdevRule(facts);
    facts.runningAsRoot = geteuid() == 0;
    facts.session = DetectSessionType(ProcessEnvironment);
    const EvdevProbe evdev = ProbeEvdevInput();
    facts.input = ChooseDesktopInput(facts.session, ProcessEnvironment, X11InputAvailable, [&] { return evdev; });
    facts.uinputWritable = evdev.uinputWritable;
    facts.uinputError = evdev.uinputError;
    facts.pointer = ChoosePointerBackend(ProcessEnvironment);
    if (facts.session != SessionType::kNone) facts.tray = DesktopShowsTray();
    facts.foreground = ChooseForegroundSupport(facts.session, ProcessEnvironment, WlrootsToplevelsOffered);
    return facts;
}

nlohmann::json ReportJson(const DoctorReport& report) {
    nlohmann::json json = nlohmann::json::object();
    for (const DoctorCheck& check : report.checks) {
        nlohmann::json entry{{"ok", check.ok}, {"detail", check.detail}};
        if (!check.kindKey.empty()) entry[check.kindKey] = check.kind;
        json[check.key] = entry;
    }
    return json;
}

void PrintReport(std::ostream& out, const DoctorReport& report) {
    for (const DoctorCheck& check : report.checks) {
        out << (check.ok ? "[ ok ] " : check.needed ? "[FAIL] " : "[ -- ] ") << check.title << ": " << EscapeForText(check.detail)
            << "\n";
    }
    out << (report.AllNeededWork() ? "Everything this session needs works.\n"
                                   : "Something this session needs does not work: see the lines marked FAIL.\n");
}

int Doctor(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << kUsage;
        return kExitOk;
    }
    const bool json = args.size() == 1 && args[0] == "--json";
    if (!args.empty() && !json) {
        context.err << "oryn7px-cli doctor: unexpected argument " << args[0] << "\n" << kUsage;
        return kExitUsage;
    }
    const DoctorReport report = EvaluateDoctor(GatherFacts(context));
    if (json) {
        context.out << JsonText(ReportJson(report)) << "\n";
    } else {
        PrintReport(context.out, report);
    }
    return report.AllNeededWork() ? kExitOk : kExitFailed;
}

const Registration registration("doctor", "check the mouse, its access and what works on this desktop", Doctor);

}  // namespace

}  // namespace oryn7px::cli
