// lang get / check / info: tools for translators and support.
#include <optional>
#include <ostream>

#include "cli.h"
#include "core/base/utf16.h"
#include "core/i18n/caption_keys.h"
#include "core/i18n/language_keys.h"
#include "core/i18n/xml_doc.h"
#include "core/i18n/xml_strict_check.h"
#include "platform/linux/iconv_code_page_converter.h"
#include "text_escape.h"

namespace oryn7px::cli {

namespace {

constexpr std::string_view kLanguageSection = "config";
constexpr std::string_view kFormatKey = "str_msg2";

void PrintLangUsage(std::ostream& out) {
    out << "usage: oryn7px-cli lang get FILE KEY [--section S]\n"
           "       oryn7px-cli lang check FILE...\n"
           "       oryn7px-cli lang info FILE\n\n"
           "  get     print the text of KEY in section S (default \"config\") as UTF-8, raw: control\n"
           "          characters in the file reach the terminal as they are (check and info escape them)\n"
           "  check   list where a file is not well-formed XML (at byte N of the file or offset N\n"
           "          of its text), keys that are missing or empty (captions included: the program\n"
           "          shows their English text) and a str_msg2 without exactly one %s\n"
           "  info    print how the file was decoded and its first parse error\n";
}

std::size_t CountFormatMarks(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t at = text.find(u"%s"); at != std::u16string_view::npos; at = text.find(u"%s", at + 2)) ++count;
    return count;
}

int Get(Context& context, const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    std::string section(kLanguageSection);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--section" && i + 1 < args.size()) {
            section = args[++i];
        } else if (args[i].starts_with("--")) {
            context.err << "oryn7px-cli lang get: unknown option " << args[i] << "\n";
            return kExitUsage;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2) {
        PrintLangUsage(context.err);
        return kExitUsage;
    }
    const IconvCodePageConverter converter;
    CXmlDoc doc(converter);
    doc.LoadFile(positional[0]);
    const std::u16string text = doc.GetSectionText(section, positional[1]);
    context.out << Utf16ToUtf8(text) << "\n";
    return text.empty() ? kExitFailed : kExitOk;
}

int Check(Context& context, const std::vector<std::string>& files) {
    if (files.empty()) {
        PrintLangUsage(context.err);
        return kExitUsage;
    }
    const IconvCodePageConverter converter;
    bool anythingListed = false;
    for (const std::string& file : files) {
        const std::optional<std::string> bytes = ReadXmlFile(file);
        if (!bytes) {
            context.out << EscapeForText(file) << ": cannot be read\n";
            anythingListed = true;
            continue;
        }
        CXmlDoc doc(converter);
        doc.LoadBytes(*bytes);
        // The program reads what it can of a malformed file, but a translator must hear of it:
        // the strict pass finds all the reader finds, and more, except the reader's size bound.
        std::vector<std::string> problems = StrictXmlProblems(*bytes, converter);
        if (problems.empty() && !doc.ParseError().empty()) problems.push_back(doc.ParseError());
        for (const std::string& problem : problems) {
            context.out << EscapeForText(file) << ": not well-formed: " << EscapeForText(problem) << "\n";
            anythingListed = true;
        }
        for (const LanguageKey& key : LanguageKeys()) {
            const std::u16string text = doc.GetSectionText(kLanguageSection, key.name);
            if (text.empty()) {
                context.out << EscapeForText(file) << ": " << key.name << " is missing or empty\n";
                anythingListed = true;
            } else if (key.name == kFormatKey && CountFormatMarks(text) != 1) {
                context.out << EscapeForText(file) << ": " << key.name << " must hold exactly one \"%s\", it holds "
                            << CountFormatMarks(text) << "\n";
                anythingListed = true;
            }
        }
        for (const CaptionKey& caption : CaptionKeys()) {
            if (!doc.GetSectionText(kLanguageSection, caption.name).empty()) continue;
            context.out << EscapeForText(file) << ": caption " << caption.name << " is missing or empty; \""
                        << Utf16ToUtf8(caption.english) << "\" shows\n";
            anythingListed = true;
        }
    }
    return anythingListed ? kExitFailed : kExitOk;
}

int Info(Context& context, const std::vector<std::string>& args) {
    if (args.size() != 1) {
        PrintLangUsage(context.err);
        return kExitUsage;
    }
    const IconvCodePageConverter converter;
    CXmlDoc doc(converter);
    const bool wellFormed = doc.LoadFile(args[0]);
    if (!wellFormed && doc.LoadDescription().empty()) {
        context.out << EscapeForText(args[0]) << ": cannot be read\n";
        return kExitFailed;
    }
    context.out << "load: " << EscapeForText(doc.LoadDescription()) << "\n"
                << "error: " << (wellFormed ? "none" : EscapeForText(doc.ParseError())) << "\n";
    return wellFormed ? kExitOk : kExitFailed;
}

int Lang(Context& context, const std::vector<std::string>& args) {
    if (args.empty() || WantsHelp(args)) {
        PrintLangUsage(args.empty() ? context.err : context.out);
        return args.empty() ? kExitUsage : kExitOk;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "get") return Get(context, rest);
    if (args[0] == "check") return Check(context, rest);
    if (args[0] == "info") return Info(context, rest);
    context.err << "oryn7px-cli lang: unknown subcommand " << args[0] << "\n";
    PrintLangUsage(context.err);
    return kExitUsage;
}

const Registration kRegistration("lang", "read and check language files", Lang);

}  // namespace

}  // namespace oryn7px::cli
