// info: open the mouse as start-up does and show what it reports about itself.
#include <cstdio>
#include <ostream>

#include "cli.h"
#include "core/base/clock.h"
#include "core/base/product_identity.h"
#include "core/device/usb_driver.h"
#include "core/firmware/firmware_version_text.h"
#include "platform/hid_backend_choice.h"
#include "text_escape.h"

namespace oryn7px::cli {

namespace {

constexpr int kOpenAttempts = 10;
constexpr uint32_t kOpenPauseMs = 500;
int Info(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << "usage: oryn7px-cli [--virtual-mouse] info\n\n"
                       "Opens the mouse (10 tries, 500 ms apart) and prints its interface, report ID,\n"
                       "report count and firmware version.\n";
        return kExitOk;
    }
    if (!args.empty()) {
        context.err << "oryn7px-cli: info takes no arguments\n";
        return kExitUsage;
    }
    RealClock clock;
    HidBackendChoice choice = ChooseHidBackend(context.options.virtualMouse, clock);
    CUSBDriver driver(*choice.backend, clock);
    if (!driver.InitLink() || !OpenDeviceRetrying(driver, clock, kOpenAttempts, kOpenPauseMs)) {
        char message[96];
        std::snprintf(message, sizeof message, "The %s gaming mouse cannot be found.", kModelCode);
        context.err << message << "\n";
        return kExitFailed;
    }
    const Result<uint32_t> version = driver.ReadFirmwareVersion();
    char reportId[8];
    std::snprintf(reportId, sizeof reportId, "0x%02X", driver.ReportId());
    context.out << "Interface:        " << EscapeForText(driver.DevicePath()) << " (" << choice.description << ")\n"
                << "Report ID:        " << reportId << "\n"
                << "Report count:     " << driver.ReportCount() << "\n";
    if (version) {
        context.out << "Firmware version: " << *version << " (" << FirmwareVersionText(*version) << ")\n";
    } else {
        context.out << "Firmware version: " << FirmwareVersionText(0) << " (the mouse did not answer)\n";
    }
    driver.CloseDevice();
    driver.ShutdownLink();
    return version ? kExitOk : kExitFailed;
}

const Registration registration("info", "open the mouse and show its interface and firmware version", Info);

}  // namespace

}  // namespace oryn7px::cli
