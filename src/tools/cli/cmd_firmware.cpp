// firmware check | download: the support page's update check and image download, in a terminal.
#include <cstdlib>
#include <ostream>

#include "cli.h"
#include "core/base/clock.h"
#include "core/base/utf16.h"
#include "core/device/usb_driver.h"
#include "core/firmware/firmware_download.h"
#include "core/firmware/firmware_texts.h"
#include "core/firmware/firmware_version_text.h"
#include "core/firmware/update_description.h"
#include "core/firmware/update_files.h"
#include "core/i18n/string_table.h"
#include "core/settings/fresh_installation.h"
#include "platform/hid_backend_choice.h"
#include "platform/linux/curl_downloader.h"
#include "platform/linux/iconv_code_page_converter.h"
#include "platform/linux/linux_file_writer.h"
#include "platform/linux/linux_paths.h"
#include "text_escape.h"

namespace oryn7px::cli {

namespace {

constexpr int kOpenAttempts = 10;
constexpr uint32_t kOpenPauseMs = 500;
constexpr uint32_t kMaxTimeoutSeconds = 3600;

constexpr const char* kUsage =
    "usage: oryn7px-cli [--virtual-mouse] [--data-dir DIR] firmware check [--timeout S]\n"
    "       oryn7px-cli [--data-dir DIR] firmware download [--timeout S]\n\n"
    "check     reads the mouse's firmware version, downloads the update description and says\n"
    "          whether newer firmware is offered.\n"
    "download  downloads the update description and the firmware image it names into the\n"
    "          update folder, checks the image's SHA-256 when the description gives one, and\n"
    "          prints the image's path; an image that fails the check is not stored.\n\n"
    "A description that cannot be read (not XML, no firmware section or no version of decimal\n"
    "digits) fails either verb with status 1 and is not stored over the one before.\n\n"
    "--timeout S  bounds each download to S seconds (default 30 for the description, 300 for\n"
    "             the image). The address is the vendor's, or ORYN7PX_UPDATE_URL when set.\n";

// Everything both verbs share: where the files go and how the description is read.
struct Update {
    explicit Update(const Context& context)
        : paths(LinuxPaths::FromEnvironment(ProcessEnvironment, FillFreshDataFolder, context.options.dataDir)),
          files{ChooseUpdateFolder(paths.ProgramFolder(), paths.DataFolder())},
          url(UpdateAddress(std::getenv(kUpdateUrlVariable))),
          strings(converter) {}

    // Why the description could not be fetched or read; empty when it was.
    std::string FetchDescription(const DownloadLimits& limits) {
        Result<UpdateDescription> fetched =
            DownloadUpdateDescription(downloader, writer, strings, url, files.Description(), nullptr, limits);
        if (fetched.FailedWith(ErrorKind::kInvalidData)) return fetched.Failure().message + " (" + url + ")";
        if (!fetched) return "cannot download " + url + ": " + fetched.Failure().message;
        description = std::move(*fetched);
        return {};
    }

    LinuxPaths paths;
    UpdateFiles files;
    std::string url;
    CurlDownloader downloader;
    LinuxFileWriter writer;
    IconvCodePageConverter converter;
    StringTable strings;
    UpdateDescription description;
};

// --timeout S, or nothing; false with a message on bad usage.
bool ParseOptions(Context& context, const std::vector<std::string>& args, std::optional<uint32_t>& timeoutSeconds) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--timeout" && i + 1 < args.size()) {
            timeoutSeconds = ParseNumber(args[++i]);
            if (timeoutSeconds && *timeoutSeconds > 0 && *timeoutSeconds <= kMaxTimeoutSeconds) continue;
            context.err << "oryn7px-cli: --timeout takes 1.." << kMaxTimeoutSeconds << " seconds\n";
            return false;
        }
        context.err << "oryn7px-cli: firmware: unknown argument '" << args[i] << "'\n" << kUsage;
        return false;
    }
    return true;
}

DownloadLimits WithTimeout(DownloadLimits limits, std::optional<uint32_t> seconds) {
    if (seconds) limits.totalTimeoutMs = *seconds * 1000;
    return limits;
}

std::string VersionLine(uint32_t version) {
    return version == 0 ? FirmwareVersionText(0) : std::to_string(version) + " (" + FirmwareVersionText(version) + ")";
}

int Check(Context& context, std::optional<uint32_t> timeoutSeconds) {
    RealClock clock;
    HidBackendChoice choice = ChooseHidBackend(context.options.virtualMouse, clock);
    CUSBDriver driver(*choice.backend, clock);
    if (!driver.InitLink() || !OpenDeviceRetrying(driver, clock, kOpenAttempts, kOpenPauseMs)) {
        context.err << "The ORYN7PX gaming mouse cannot be found.\n";
        return kExitFailed;
    }
    const Result<uint32_t> versionRead = driver.ReadFirmwareVersion();
    const uint32_t deviceVersion = versionRead ? *versionRead : 0;
    driver.CloseDevice();
    driver.ShutdownLink();

    Update update(context);
    context.out << "Mouse firmware:   " << VersionLine(deviceVersion) << "\n";
    if (const std::string failure = update.FetchDescription(WithTimeout(kDescriptionLimits, timeoutSeconds));
        !failure.empty()) {
        context.err << "oryn7px-cli: " << EscapeForText(failure) << "\n";
        return kExitFailed;
    }
    context.out << "Offered firmware: " << VersionLine(update.description.current) << "\n"
                << "Image address:    " << EscapeForText(update.description.newfile) << "\n";
    const bool newer = IsNewerFirmware(deviceVersion, update.description.current);
    context.out << Utf16ToUtf8(newer ? UpdateQuestionText(false) : LatestVersionText(false)) << "\n";
    return kExitOk;
}

int Download(Context& context, std::optional<uint32_t> timeoutSeconds) {
    Update update(context);
    std::string failure = update.FetchDescription(WithTimeout(kDescriptionLimits, timeoutSeconds));
    if (failure.empty()) {
        const Status image = DownloadImage(update.downloader, update.writer, update.description.newfile,
                                           update.description.sha256, update.files.Image(), nullptr,
                                           WithTimeout(kImageLimits, timeoutSeconds));
        if (!image) failure = image.Failure().message;
    }
    if (!failure.empty()) {
        context.err << Utf16ToUtf8(ImageDownloadFailedText()) << "\n" << "oryn7px-cli: " << EscapeForText(failure) << "\n";
        return kExitFailed;
    }
    context.out << EscapeForText(update.files.Image().string()) << "\n";
    return kExitOk;
}

int Firmware(Context& context, const std::vector<std::string>& args) {
    if (args.empty() || WantsHelp(args)) {
        (args.empty() ? context.err : context.out) << kUsage;
        return args.empty() ? kExitUsage : kExitOk;
    }
    std::optional<uint32_t> timeoutSeconds;
    if (!ParseOptions(context, args, timeoutSeconds)) return kExitUsage;
    if (args[0] == "check") return Check(context, timeoutSeconds);
    if (args[0] == "download") return Download(context, timeoutSeconds);
    context.err << "oryn7px-cli: firmware: unknown verb '" << args[0] << "'\n" << kUsage;
    return kExitUsage;
}

const Registration registration("firmware", "check for newer firmware and download its image", Firmware);

}  // namespace

}  // namespace oryn7px::cli
