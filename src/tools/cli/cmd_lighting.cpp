// lighting: the lighting effect, its colours and the touch setting of a profile, edited by the
// lighting page's own rules.
#include <cctype>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "core/pages/lighting_page/lighting_page_model.h"
#include "profile_view.h"
#include "session.h"
#include "text_escape.h"

namespace oryn7px::cli {
namespace {

constexpr const char* kUsageLine =
    "usage: oryn7px-cli lighting [--profile N] [--effect 1..6] [--brightness 1..10] [--breathing-speed 1..5]\n"
    "                            [--speed 1..3] [--own-colors on|off] [--color I=#RRGGBB|I=swatch:K ...]\n"
    "                            [--touch 0|1|2]\n";

constexpr const char* kUsageDetails =
    "\nEdits the lighting of the active profile (or profile N, 1..5) as the lighting page does,\n"
    "saves the profile file and prints the lighting. Without options it only prints it.\n\n"
    "  --effect 1..6        1 steady light, 2 breathing, 3 APM breathing, 4 special effect,\n"
    "                       5 colour cycle, 6 lighting off\n"
    "  --brightness         brightness of effect 1\n"
    "  --breathing-speed    breathing speed of effect 2\n"
    "  --speed              speed of the colour cycle (effect 5)\n"
    "  --own-colors on|off  effect 5 cycles through the four own colours\n"
    "  --color I=...        I is 1..4 (own colours: effect 5 with own colours on) or 'single'\n"
    "                       (the colour of effects 1 and 2); #RRGGBB mixes a colour, swatch:K\n"
    "                       takes preset swatch K (0..25)\n"
    "  --touch 0|1|2        touch lighting: 0 off, 1 and 2 on\n\n"
    "Nothing is sent to the mouse: run 'apply' for that. Bad values change nothing (exit 2).\n";

constexpr int kSingle = 0;  // colour target of `--color single=...`; 1..4 are the own colours

struct ColourEdit {
    int target = kSingle;
    std::optional<int> swatch;
    RgbColor colour;  // when no swatch
};

struct Edits {
    std::optional<int> profile;
    std::optional<int> effect;
    std::optional<int> brightness;
    std::optional<int> breathingSpeed;
    std::optional<int> speed;
    std::optional<bool> ownColours;
    std::vector<ColourEdit> colours;
    std::optional<int> touch;

    bool Any() const {
        return effect || brightness || breathingSpeed || speed || ownColours || !colours.empty() || touch;
    }
};

std::optional<RgbColor> HexColour(const std::string& text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    for (std::size_t i = 1; i < text.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    const auto byte = [&text](std::size_t at) { return static_cast<uint8_t>(std::stoul(text.substr(at, 2), nullptr, 16)); };
    return RgbColor{byte(1), byte(3), byte(5)};
}

std::optional<ColourEdit> ParseColour(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) return std::nullopt;
    ColourEdit edit;
    const std::string target = text.substr(0, equals);
    const std::string colour = text.substr(equals + 1);
    if (target == "single") {
        edit.target = kSingle;
    } else if (const auto number = ParseInRange(target, kColourButtonRange)) {
        edit.target = *number;
    } else {
        return std::nullopt;
    }
    if (colour.starts_with("swatch:")) {
        edit.swatch = ParseInRange(colour.substr(7), kSwatchRange);
        if (!edit.swatch) return std::nullopt;
    } else if (const auto value = HexColour(colour)) {
        edit.colour = *value;
    } else {
        return std::nullopt;
    }
    return edit;
}

// The option's value, or an error naming what it takes.
std::optional<Edits> Parse(Context& context, const std::vector<std::string>& args) {
    Edits edits;
    const auto fail = [&](const std::string& what) -> std::optional<Edits> {
        context.err << "oryn7px-cli lighting: " << what << "\n" << kUsageLine;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) return fail("unexpected argument " + option);
        const std::string& value = args[++i];
        const auto number = [&](std::optional<int>& field, ValueRange range) {
            field = ParseInRange(value, range);
            return field.has_value();
        };
        if (option == "--profile") {
            if (!number(edits.profile, {1, kProfileCount})) return fail("--profile takes a number from 1 to 5");
        } else if (option == "--effect") {
            if (!number(edits.effect, kEffectRange)) return fail("--effect takes a number from 1 to 6");
        } else if (option == "--brightness") {
            if (!number(edits.brightness, kBrightnessRange)) return fail("--brightness takes a number from 1 to 10");
        } else if (option == "--breathing-speed") {
            if (!number(edits.breathingSpeed, kBreathingSpeedRange))
                return fail("--breathing-speed takes a number from 1 to 5");
        } else if (option == "--speed") {
            if (!number(edits.speed, kCycleSpeedRange)) return fail("--speed takes a number from 1 to 3");
        } else if (option == "--touch") {
            if (!number(edits.touch, kTouchRange)) return fail("--touch takes 0, 1 or 2");
        } else if (option == "--own-colors") {
            if (value != "on" && value != "off") return fail("--own-colors takes on or off");
            edits.ownColours = value == "on";
        } else if (option == "--color") {
            const auto colour = ParseColour(value);
            if (!colour) return fail("--color takes I=#RRGGBB or I=swatch:K (I 1..4 or single, K 0..25): " + value);
            edits.colours.push_back(*colour);
        } else {
            return fail("unexpected argument " + option);
        }
    }
    return edits;
}

// Runs the edits through the page's rules; an error text when the page would not allow one.
std::optional<std::string> Edit(LightingPageModel& page, const Edits& edits) {
    page.RefreshLighting();
    if (edits.effect) page.SetEffect(*edits.effect);
    if (edits.ownColours && !page.SetOwnColours(*edits.ownColours)) return "--own-colors applies to effect 5 only";
    for (const ColourEdit& colour : edits.colours) {
        if (colour.target == kSingle) {
            if (page.View().editedIndex != kSingleColourIndex) return "the single colour belongs to effects 1 and 2";
        } else if (!page.ClickColourButton(colour.target)) {
            return "own colour " + std::to_string(colour.target) + " needs effect 5 with own colours on";
        }
        if (colour.swatch) {
            page.ClickSwatch(*colour.swatch);
        } else {
            page.SetColour(colour.colour);
        }
    }
    if (edits.brightness) page.SetBrightness(*edits.brightness);
    if (edits.breathingSpeed) page.SetBreathingSpeed(*edits.breathingSpeed);
    if (edits.speed) page.SetCycleSpeed(*edits.speed);
    if (edits.touch) page.SetTouch(*edits.touch);
    return std::nullopt;
}

int Lighting(Context& context, const std::vector<std::string>& args) {
    if (WantsHelp(args)) {
        context.out << kUsageLine << kUsageDetails;
        return kExitOk;
    }
    const std::optional<Edits> edits = Parse(context, args);
    if (!edits) return kExitUsage;

    Session session(context);
    if (const int refused = session.Open(Access::kWrite)) return refused;
    session.LoadAsAtStartUp();
    int entry = session.State().currentEntry;
    if (edits->profile && *edits->profile - 1 != entry) {
        entry = *edits->profile - 1;
        const auto path = session.Store().ProfilePath(entry);
        int read = session.Store().ReadProfileFile(path, true);
        // A missing file has just been created with the defaults: read those.
        if (read == kProfileNotRead) read = session.Store().ReadProfileFile(path, false);
        if (read != kProfileRead) {
            context.err << "oryn7px-cli lighting: profile " << entry + 1 << " cannot be read\n";
            return kExitFailed;
        }
    }
    if (edits->Any()) {
        LightingPageModel page(session.State().profile);
        if (const auto refused = Edit(page, *edits)) {
            context.err << "oryn7px-cli lighting: " << *refused << "\n" << kUsageLine;
            return kExitUsage;
        }
        if (!session.SaveProfile(entry)) {
            context.err << "oryn7px-cli lighting: cannot write " << EscapeForText(session.Store().ProfilePath(entry).string()) << "\n";
            return kExitFailed;
        }
        context.out << "Saved profile " << entry + 1 << " (" << EscapeForText(session.Store().ProfilePath(entry).string()) << ").\n";
    }
    context.out << "Profile " << entry + 1 << "\n";
    PrintLighting(context.out, session.State().profile);
    return kExitOk;
}

const Registration kLighting("lighting", "edit the lighting effect, colours and touch of a profile", Lighting);

}  // namespace
}  // namespace oryn7px::cli
