// macro: the macro library (list, show, export, import, delete, rename) and the image of a macro.
#include <cstdio>
#include <iostream>
#include <map>

#include <nlohmann/json.hpp>

#include "cli.h"
#include "core/base/utf16.h"
#include "core/device/protocol/macro_encoder.h"
#include "macro_edit_verbs.h"
#include "session.h"
#include "text_escape.h"

namespace oryn7px::cli {
namespace {

constexpr uint32_t kOwnCategory = 22;

constexpr const char* kUsage =
    "usage: oryn7px-cli macro SUBCOMMAND ...\n\n"
    "  list [--category N] [--json]   macros of category N (default 22, the user's own)\n"
    "  create NAME [--category N] [--repeat R] EVENT...\n"
    "                                 a new macro from down:KEY, up:KEY, delay:MS, move:X,Y\n"
    "  record NAME [--category N] [--seconds S] [--skip-delays]\n"
    "                                 a new macro from the keys pressed on the desktop\n"
    "  show ID [--json]               one macro with its events (kind and value)\n"
    "  export ID FILE                 write the macro into FILE (4104 bytes)\n"
    "  import FILE                    add a macro file to the library (replacing one with its ID)\n"
    "  delete ID                      delete a macro no profile uses\n"
    "  rename ID NAME                 rename a macro (at most 39 characters)\n"
    "  encode ID                      the image the mouse would get: result and 1024 bytes in hex\n\n"
    "IDs are decimal or 0x-hexadecimal.\n";

std::string Hex(uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", value);
    return buffer;
}

std::string KindName(uint32_t kind) {
    switch (kind) {
        case kEventKeyDown: return "key down";
        case kEventKeyUp: return "key up";
        case kEventDelay: return "delay";
        case kEventMove: return "move";
        default: {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "0x%02X", kind);
            return buffer;
        }
    }
}

struct Arguments {
    std::vector<std::string> positional;
    bool json = false;
    std::optional<std::string> category;
};

std::optional<Arguments> Parse(Context& context, const std::vector<std::string>& args, bool takesJson,
                               bool takesCategory) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (takesJson && args[i] == "--json") {
            parsed.json = true;
        } else if (takesCategory && args[i] == "--category" && i + 1 < args.size()) {
            parsed.category = args[++i];
        } else if (args[i].starts_with("--")) {
            context.err << "oryn7px-cli macro: unknown option " << args[i] << "\n";
            return std::nullopt;
        } else {
            parsed.positional.push_back(args[i]);
        }
    }
    return parsed;
}

std::optional<uint32_t> ParseId(Context& context, const std::string& text) {
    const auto id = ParseNumber(text);
    if (!id) context.err << "oryn7px-cli macro: not a macro ID: " << text << "\n";
    return id;
}

int List(Context& context, Session& session, const Arguments& args) {
    uint32_t category = kOwnCategory;
    if (args.category) {
        const auto number = ParseNumber(*args.category);
        if (!number || *number > 0xFF) {
            context.err << "oryn7px-cli macro list: --category takes a number from 0 to 255\n";
            return kExitUsage;
        }
        category = *number;
    }
    const auto items = session.Library().ListMacros(category);
    if (args.json) {
        nlohmann::ordered_json json = nlohmann::ordered_json::array();
        for (const MacroListItem& item : items) json.push_back({{"dwMacroId", item.id}, {"szName", Utf16ToUtf8(item.name)}});
        context.out << JsonText(json) << "\n";
    } else {
        for (const MacroListItem& item : items) {
            context.out << Hex(item.id) << "  " << EscapeForText(Utf16ToUtf8(item.name)) << "\n";
        }
    }
    return kExitOk;
}

int ShowMacro(Context& context, const MacroEntry& entry, bool json) {
    const uint32_t count = std::min<uint32_t>(entry.dwEventCount, kMaxMacroEvents);
    if (json) {
        nlohmann::ordered_json events = nlohmann::ordered_json::array();
        for (uint32_t i = 0; i < count; ++i) {
            events.push_back({{"kind", KindName(EventKind(entry.dwEvents[i]))}, {"value", EventValue(entry.dwEvents[i])}});
        }
        const nlohmann::ordered_json out = {{"dwSize", entry.dwSize},     {"dwMagic", entry.dwMagic},
                                            {"dwMacroId", entry.dwMacroId}, {"dwRepeat", entry.dwRepeat},
                                            {"dwEventCount", entry.dwEventCount},
                                            {"szName", Utf16ToUtf8(FixedText(entry.szName))},
                                            {"events", events}};
        context.out << JsonText(out) << "\n";
        return kExitOk;
    }
    context.out << "Macro " << Hex(entry.dwMacroId) << "  " << EscapeForText(Utf16ToUtf8(FixedText(entry.szName))) << "\n"
                << "category " << MacroCategory(entry.dwMacroId) << ", repeat " << entry.dwRepeat << ", "
                << entry.dwEventCount << " events\n";
    for (uint32_t i = 0; i < count; ++i) {
        context.out << "  " << KindName(EventKind(entry.dwEvents[i])) << "  " << EventValue(entry.dwEvents[i]) << "\n";
    }
    return kExitOk;
}

int Import(Context& context, Session& session, const std::string& file) {
    const MacroImport imported = session.Library().ImportMacro(file);
    switch (imported.result) {
        case MacroImportResult::kInvalid:
            return kExitFailed;
        case MacroImportResult::kLibraryFull:
            context.err << "oryn7px-cli macro import: the library is full (500 macros)\n";
            return kExitFailed;
        case MacroImportResult::kImported:
        case MacroImportResult::kReplaced:
            break;
    }
    // The program saves an import with the next change; the command line has none, so it saves now.
    if (!session.Library().SaveMacroLibrary()) return kExitFailed;
    const bool replaced = imported.result == MacroImportResult::kReplaced;
    context.out << (replaced ? "Replaced macro " : "Imported macro ") << Hex(imported.id) << "  "
                << EscapeForText(Utf16ToUtf8(imported.name))
                << (replaced ? " (the library held a macro with this ID)\n" : "\n");
    return kExitOk;
}

int Encode(Context& context, const MacroEntry& entry) {
    const auto encoded = EncodeMacro(entry);
    if (!encoded) {
        context.err << encoded.Failure().message << "\n";
        return kExitFailed;
    }
    context.out << "result: " << encoded->LengthCode() << "\n";
    char hex[4];
    for (std::size_t i = 0; i < encoded->image.bytes.size(); ++i) {
        std::snprintf(hex, sizeof hex, "%02X", encoded->image.bytes[i]);
        context.out << hex << ((i % 32 == 31) ? "\n" : " ");
    }
    return kExitOk;
}

struct Subcommand {
    std::size_t positional;
    bool json;
    bool category;
    const char* usage;
};

const std::map<std::string, Subcommand> kSubcommands = {
    {"list", {0, true, true, "usage: oryn7px-cli macro list [--category N] [--json]\n"}},
    {"show", {1, true, false, "usage: oryn7px-cli macro show ID [--json]\n"}},
    {"export", {2, false, false, "usage: oryn7px-cli macro export ID FILE\n"}},
    {"import", {1, false, false, "usage: oryn7px-cli macro import FILE\n"}},
    {"delete", {1, false, false, "usage: oryn7px-cli macro delete ID\n"}},
    {"rename", {2, false, false, "usage: oryn7px-cli macro rename ID NAME\n"}},
    {"encode", {1, false, false, "usage: oryn7px-cli macro encode ID\n"}},
};

int Run(Context& context, const std::string& name, const Arguments& args) {
    Session session(context);
    const bool writes = name == "import" || name == "delete" || name == "rename";
    if (const int refused = session.Open(writes ? Access::kWrite : Access::kRead)) return refused;
    session.LoadAsAtStartUp();
    MacroLibrary& library = session.Library();
    if (name == "list") return List(context, session, args);
    if (name == "import") return Import(context, session, args.positional[0]);

    const auto id = ParseId(context, args.positional[0]);
    if (!id) return kExitUsage;
    const MacroEntry* entry = library.FindMacro(*id);
    if (entry == nullptr || *id == 0) {
        context.err << "oryn7px-cli macro " << name << ": no macro with ID " << Hex(*id) << "\n";
        return kExitFailed;
    }
    if (name == "show") return ShowMacro(context, *entry, args.json);
    if (name == "encode") return Encode(context, *entry);
    if (name == "export") return library.ExportMacro(*id, args.positional[1]) ? kExitOk : kExitFailed;
    if (name == "delete") return library.DeleteMacro(*id) ? kExitOk : kExitFailed;
    return library.RenameMacro(*id, Utf8ToUtf16(args.positional[1])) ? kExitOk : kExitFailed;
}

int Macro(Context& context, const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? context.err : context.out) << kUsage;
        return args.empty() ? kExitUsage : kExitOk;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "create" || args[0] == "record") {
        if (WantsHelp(rest)) {
            context.out << (args[0] == "create" ? kCreateUsage : kRecordUsage);
            return kExitOk;
        }
        return args[0] == "create" ? CreateMacro(context, rest) : RecordMacro(context, rest);
    }
    const auto sub = kSubcommands.find(args[0]);
    if (sub == kSubcommands.end()) {
        context.err << "oryn7px-cli macro: unknown subcommand " << args[0] << "\n" << kUsage;
        return kExitUsage;
    }
    if (WantsHelp(rest)) {
        context.out << sub->second.usage;
        return kExitOk;
    }
    const auto parsed = Parse(context, rest, sub->second.json, sub->second.category);
    if (!parsed || parsed->positional.size() != sub->second.positional) {
        context.err << sub->second.usage;
        return kExitUsage;
    }
    return Run(context, args[0], *parsed);
}

const Registration kMacro("macro", "list, show, create, record, export, import, delete, rename or encode macros", Macro);

}  // namespace
}  // namespace oryn7px::cli
