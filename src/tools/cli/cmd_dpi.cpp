// dpi: turn a DPI level on or off, or set its value, under the main page's rules.
#include <ostream>

#include "cli.h"
#include "profile_edit.h"
#include "profile_view.h"

namespace oryn7px::cli {
namespace {

constexpr const char* kUsage =
    "usage: oryn7px-cli dpi [--profile N] LEVEL on|off|DPI\n\n"
    "Edits DPI level LEVEL (1..7) of the active profile, or of profile N (1..5), and saves it.\n"
    "DPI is a multiple of 50 from 50 to 7200. 'apply' then writes the profile to the mouse.\n";

struct Pair {
    const char16_t* chinese;
    const char16_t* english;
};
constexpr Pair kLastLevel{u"至少需要保留一个DPI档位。", u"At least one DPI level must stay on."};
constexpr Pair kLevelOff{u"该DPI档位已关闭，请先打开它。", u"This DPI level is off: turn it on first."};

int Usage(Context& context, const std::string& problem) {
    context.err << "oryn7px-cli dpi: " << problem << "\n" << kUsage;
    return kExitUsage;
}

int Dpi(Context& context, const std::vector<std::string>& arguments) {
    if (WantsHelp(arguments)) {
        context.out << kUsage;
        return kExitOk;
    }
    std::vector<std::string> args = arguments;
    std::optional<int> profile;
    if (!TakeProfileOption(args, profile)) return Usage(context, "--profile takes a number from 1 to 5");
    if (args.size() != 2) return Usage(context, "takes LEVEL and on, off or a DPI value");
    const auto level = ParseNumber(args[0]);
    if (!level || *level < 1 || *level > kDpiLevelCount) return Usage(context, "LEVEL is a number from 1 to 7");
    const int k = static_cast<int>(*level) - 1;
    std::optional<int> dpi;
    if (args[1] != "on" && args[1] != "off") {
        const auto number = ParseNumber(args[1]);
        if (!number || *number > static_cast<uint32_t>(kDpiStep * kDpiStepRange.maximum) ||
            !IsSettableDpi(static_cast<int>(*number)))
            return Usage(context, "DPI is a multiple of 50 from 50 to 7200");
        dpi = static_cast<int>(*number);
    }

    ProfileEdit edit(context);
    if (const int failed = edit.Load(profile)) return failed;
    MainPageModel& page = edit.Page();
    const auto text = [&](const Pair& pair) { return std::u16string(edit.Chinese() ? pair.chinese : pair.english); };
    if (dpi) {
        if (page.SetDpi(k, *dpi) == DpiEdit::kLevelOff) return Refuse(context, "dpi", text(kLevelOff));
    } else if (!page.SetDpiLevelOn(k, args[1] == "on")) {
        return Refuse(context, "dpi", text(kLastLevel));
    }
    if (!edit.Save()) return kExitFailed;
    PrintDpiLevels(context.out, edit.GetSession().State());
    return kExitOk;
}

const Registration kRegistration("dpi", "turn a DPI level on or off, or set its DPI", Dpi);

}  // namespace
}  // namespace oryn7px::cli
