// stats: the statistics page's counts and trophy level from Sts.cfg, and their reset.
#include <unistd.h>

#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli.h"
#include "core/base/utf16.h"
#include "core/layout/statistics_page_layout.h"
#include "core/pages/statistics_page/statistics_rules.h"
#include "session.h"
#include "text_escape.h"

namespace oryn7px::cli {
namespace {

namespace sp = statistics_page;

constexpr const char* kUsage =
    "usage: oryn7px-cli stats [--json]\n"
    "       oryn7px-cli stats reset [--yes]\n\n"
    "Prints the counts of Sts.cfg as the statistics page shows them: left, middle and right\n"
    "presses, wheel notches up and down, the two totals, the pointer's travel (in 10,000 pixels)\n"
    "and the trophy level the totals have earned. A missing or short file counts as zeros.\n\n"
    "  --json   one JSON object: left, middle, right, wheel_up, wheel_down, move_distance\n"
    "           (pixels), total_clicks, total_wheel, distance (as shown), level\n"
    "  reset    sets every count to 0; asks first unless --yes is given, and refuses to\n"
    "           ask when no terminal can answer. A running program saves its own counts\n"
    "           when it ends, over this reset.\n";

nlohmann::json StatsJson(const StsData& data) {
    return {{"left", data.nLeftClicks},
            {"middle", data.nMiddleClicks},
            {"right", data.nRightClicks},
            {"wheel_up", data.nWheelUp},
            {"wheel_down", data.nWheelDown},
            {"move_distance", data.nMoveDistance},
            {"total_clicks", TotalClicks(data)},
            {"total_wheel", TotalWheel(data)},
            {"distance", DistanceText(data)},
            {"level", EarnedTrophyLevel(data)}};
}

void PrintStats(std::ostream& out, const StsData& data) {
    const auto texts = StatisticsTexts(data, false);
    for (int row = 0; row < sp::kRowCount; ++row) {
        const std::string label = Utf16ToUtf8(CaptionKeyOf(sp::kRowCaptions[row]).english);
        out << std::left << std::setw(14) << label << texts[row].text << "\n";
    }
    out << std::left << std::setw(14) << "Trophy level" << EarnedTrophyLevel(data) << "\n";
}

bool UserConfirms(Context& context, bool chinese) {
    if (isatty(STDIN_FILENO) != 1) {
        context.err << "oryn7px-cli stats reset: no terminal to confirm on; add --yes to reset\n";
        return false;
    }
    context.out << Utf16ToUtf8(ResetQuestion(chinese)) << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return answer == "y" || answer == "Y" || answer == "yes";
}

int Reset(Context& context, bool confirmed) {
    Session session(context);
    if (const int refused = session.Open(Access::kWrite)) return refused;
    if (!confirmed && !UserConfirms(context, session.Chinese())) {
        context.err << "oryn7px-cli stats reset: nothing changed\n";
        return kExitFailed;
    }
    if (!session.Statistics().ResetStatistics()) return kExitFailed;
    context.out << "Statistics reset.\n";
    return kExitOk;
}

int Stats(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << kUsage;
        return kExitOk;
    }
    if (!args.empty() && args[0] == "reset") {
        if (args.size() == 1) return Reset(context, false);
        if (args.size() == 2 && args[1] == "--yes") return Reset(context, true);
        context.err << "oryn7px-cli stats reset: unexpected argument " << args.back() << "\n" << kUsage;
        return kExitUsage;
    }
    const bool json = args.size() == 1 && args[0] == "--json";
    if (!args.empty() && !json) {
        context.err << "oryn7px-cli stats: unexpected argument " << args[0] << "\n" << kUsage;
        return kExitUsage;
    }
    Session session(context);
    if (const int refused = session.Open(Access::kRead)) return refused;
    StsData data{};
    // A damaged file still gives what it holds; only a missing one is reported, on stderr.
    session.Statistics().LoadStatistics(data);
    if (json) {
        context.out << JsonText(StatsJson(data)) << "\n";
    } else {
        PrintStats(context.out, data);
    }
    return kExitOk;
}

const Registration kStats("stats", "print the click, wheel and travel statistics and the trophy level; reset them",
                          Stats);

}  // namespace
}  // namespace oryn7px::cli
