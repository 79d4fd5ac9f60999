#include "core/app/follow_texts.h"

#include <array>

#include "core/base/path_text.h"
#include "core/base/utf16.h"

namespace oryn7px {

namespace {

using Kind = RulesFileProblem::Kind;

struct ReasonText {
    Kind kind;
    std::string_view english;  // {line} and {detail} are filled in
    std::string_view chinese;
};

constexpr std::array<ReasonText, 12> kReasons = {{
    {Kind::kUnreadable, "it cannot be read ({detail})", "无法读取该文件（{detail}）"},
    {Kind::kTooLarge, "it is larger than 64 KiB", "文件大于 64 KiB"},
    {Kind::kNotUtf8, "line {line} is not UTF-8 text", "第 {line} 行不是 UTF-8 文本"},
    {Kind::kMalformedLine, "line {line} is neither a comment, a [section] nor a key=value line",
     "第 {line} 行既不是注释、[节]，也不是“键=值”"},
    {Kind::kKeyOutsideSection, "line {line} sets a key before any [section]", "第 {line} 行的键在任何 [节] 之前"},
    {Kind::kBadSwitch, "line {line}: Enabled must be 0 or 1, not \"{detail}\"",
     "第 {line} 行：Enabled 只能是 0 或 1，不能是“{detail}”"},
    {Kind::kBadProfileNumber, "line {line}: DefaultProfile must be a profile from 1 to 5, not \"{detail}\"",
     "第 {line} 行：DefaultProfile 只能是 1 到 5 的配置，不能是“{detail}”"},
    {Kind::kBadProgramName, "line {line}: {detail}", "第 {line} 行：程序名称无效（{detail}）"},
    {Kind::kRepeatedKey, "line {line} gives {detail} a second time", "第 {line} 行再次设置了 {detail}"},
    {Kind::kRepeatedSection, "line {line} starts [{detail}] a second time", "第 {line} 行再次开始了 [{detail}] 节"},
    {Kind::kNoVersion, "it has no [ProgramRules] section with its Version", "缺少带有 Version 的 [ProgramRules] 节"},
    {Kind::kUnknownVersion, "line {line} gives version \"{detail}\", and this program reads version 1",
     "第 {line} 行的版本是“{detail}”，本程序只能读取版本 1"},
}};

std::string ReplaceAll(std::string text, std::string_view placeholder, std::string_view value) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
    return text;
}

std::u16string ReplaceAll(std::u16string text, std::u16string_view placeholder, std::u16string_view value) {
    for (std::size_t at = text.find(placeholder); at != std::u16string::npos; at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
    return text;
}

std::string Reason(const RulesFileProblem& problem, bool chinese) {
    for (const ReasonText& reason : kReasons) {
        if (reason.kind != problem.kind) continue;
        const std::string text = ReplaceAll(std::string(chinese ? reason.chinese : reason.english), "{line}",
                                            std::to_string(problem.line));
        return ReplaceAll(text, "{detail}", problem.detail);
    }
    return {};
}

}  // namespace

std::u16string FollowedProfileHint(std::u16string_view format, int profile, std::u16string_view program) {
    const std::u16string number = Utf8ToUtf16(std::to_string(profile));
    return ReplaceAll(ReplaceAll(std::u16string(format), u"%1", number), u"%2", program);
}

std::u16string RulesFileProblemText(const RulesFileProblem& problem, const std::filesystem::path& path, bool chinese) {
    const std::string reason = Reason(problem, chinese);
    const std::u16string file = PathText(path);
    if (chinese) {
        return file + Utf8ToUtf16("中的程序规则未被使用：" + reason + "。在修复或替换该文件之前，程序不会切换配置。");
    }
    return u"The program rules in " + file + Utf8ToUtf16(" are not used: " + reason +
                                                         ". Until the file is mended or replaced, no program chooses a profile.");
}

std::u16string DamagedRulesKeptText(const std::filesystem::path& kept, bool chinese) {
    return chinese ? u"已将损坏的程序规则另存为 " + PathText(kept) + u"。"
                   : u"The damaged program rules were kept as " + PathText(kept) + u".";
}

std::u16string RulesNotSavedText(std::string_view why, bool chinese) {
    return chinese ? u"程序规则未能保存：" + Utf8ToUtf16(why) + u"。"
                   : u"The program rules could not be saved: " + Utf8ToUtf16(why) + u".";
}

std::u16string FollowingFailedText(std::string_view why, bool chinese) {
    return chinese ? u"配置不会随前台程序切换：" + Utf8ToUtf16(why) + u"。"
                   : u"Profiles do not follow the program in front: " + Utf8ToUtf16(why) + u".";
}

std::u16string FollowedPassFailedText(std::u16string_view hint, std::u16string_view failure) {
    // The pass's messages end in a line feed, meant for a box.
    while (!failure.empty() && (failure.back() == u'\n' || failure.back() == u'\r')) failure.remove_suffix(1);
    return std::u16string(hint) + u": " + std::u16string(failure);
}

}  // namespace oryn7px
