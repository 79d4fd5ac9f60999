// pointer: pointer speed, enhanced precision, sensor height, report rate and wheel scrolling.
#include <algorithm>
#include <ostream>

#include "cli.h"
#include "profile_edit.h"
#include "profile_view.h"

namespace oryn7px::cli {
namespace {

constexpr const char* kUsage =
    "usage: oryn7px-cli pointer [--profile N] [--speed 1..20] [--precision on|off]\n"
    "                           [--sensor-height 1..30] [--rate 125|250|500|1000] [--wheel LINES|screen]\n\n"
    "Edits the pointer settings of the active profile, or of profile N (1..5), and saves it.\n"
    "--wheel takes the lines one notch scrolls (1..30) or 'screen' for a page per notch.\n"
    "'apply' then writes the profile to the mouse and the pointer settings to the desktop.\n";

int Usage(Context& context, const std::string& problem) {
    context.err << "oryn7px-cli pointer: " << problem << "\n" << kUsage;
    return kExitUsage;
}

struct Request {
    std::optional<int> speed;
    std::optional<bool> precision;
    std::optional<int> sensorHeight;
    std::optional<int> rateHz;
    std::optional<int> wheelLines;  // kWheelScreenPerNotch for a screen per notch
};

int Pointer(Context& context, const std::vector<std::string>& arguments) {
    if (WantsHelp(arguments)) {
        context.out << kUsage;
        return kExitOk;
    }
    std::vector<std::string> args = arguments;
    std::optional<int> profile;
    if (!TakeProfileOption(args, profile)) return Usage(context, "--profile takes a number from 1 to 5");
    Request request;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return Usage(context, "option " + args[i] + " takes a value");
        const std::string& option = args[i];
        const std::string& value = args[i + 1];
        if (option == "--speed") {
            if (!(request.speed = ParseInRange(value, kPointerSpeedRange))) return Usage(context, "--speed takes 1..20");
        } else if (option == "--precision") {
            if (value != "on" && value != "off") return Usage(context, "--precision takes on or off");
            request.precision = value == "on";
        } else if (option == "--sensor-height") {
            if (!(request.sensorHeight = ParseInRange(value, kSensorHeightRange))) return Usage(context, "--sensor-height takes 1..30");
        } else if (option == "--rate") {
            const auto hz = ParseNumber(value);
            const auto at = hz ? std::find(kReportRateHz.begin(), kReportRateHz.end(), static_cast<int>(*hz))
                               : kReportRateHz.end();
            if (at == kReportRateHz.end()) return Usage(context, "--rate takes 125, 250, 500 or 1000");
            request.rateHz = *at;
        } else if (option == "--wheel") {
            request.wheelLines =
                value == "screen" ? std::optional<int>(kWheelScreenPerNotch) : ParseInRange(value, kWheelLinesRange);
            if (!request.wheelLines) return Usage(context, "--wheel takes 1..30 or screen");
        } else {
            return Usage(context, "unknown option " + option);
        }
    }
    if (args.empty()) return Usage(context, "nothing to change");

    ProfileEdit edit(context);
    if (const int failed = edit.Load(profile)) return failed;
    MainPageModel& page = edit.Page();
    if (request.speed) page.SetPointerSpeed(*request.speed);
    if (request.precision) page.SetEnhancePrecision(*request.precision);
    if (request.sensorHeight) page.SetSensorHeight(*request.sensorHeight);
    if (request.rateHz) page.SetReportRateHz(*request.rateHz);
    if (request.wheelLines) page.SetWheelLines(*request.wheelLines);
    if (!edit.Save()) return kExitFailed;
    PrintPointer(context.out, edit.GetSession().State());
    return kExitOk;
}

const Registration kRegistration("pointer", "set pointer speed, precision, sensor height, report rate, wheel", Pointer);

}  // namespace
}  // namespace oryn7px::cli
