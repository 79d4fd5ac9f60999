#include "core/settings/file_problems.h"

#include <algorithm>

#include "core/base/path_text.h"
#include "core/base/utf16.h"

namespace oryn7px {

namespace {

void Show(UserMessages& messages, bool chinese, std::u16string_view zh, std::u16string_view en,
          const std::filesystem::path& path) {
    messages.ShowInfoCaptionBox(FormatS(chinese ? zh : en, PathText(path)));
}

// The writers' messages are "PATH: cause"; the message names the path already.
std::string CauseOf(const Error& error) {
    const std::size_t colon = error.message.rfind(": ");
    return colon == std::string::npos ? error.message : error.message.substr(colon + 2);
}

}  // namespace

void ShowUnreadable(UserMessages& messages, bool chinese, const std::filesystem::path& path) {
    Show(messages, chinese, u"无法读取 %s，该文件不会被更改。", u"%s cannot be read; it will not be changed.", path);
}

void ShowRefusedUnreadable(UserMessages& messages, bool chinese, const std::filesystem::path& path) {
    Show(messages, chinese, u"无法读取 %s，更改已取消，文件保持原样。",
         u"%s cannot be read; the change was refused and the file left as it is.", path);
}

void ShowUnreadableImport(UserMessages& messages, bool chinese, const Error& error, const std::filesystem::path& path) {
    switch (error.kind) {
        case ErrorKind::kNotFound:
            Show(messages, chinese, u"%s 不存在，未导入任何内容。", u"%s does not exist; nothing was imported.", path);
            return;
        case ErrorKind::kNotRegular:
            ShowFileProblem(messages, chinese, error, path);
            return;
        default:
            Show(messages, chinese, u"无法读取 %s，未导入任何内容。", u"%s cannot be read; nothing was imported.", path);
            return;
    }
}

void ShowShortFileKept(UserMessages& messages, bool chinese, const std::filesystem::path& path,
                       const std::filesystem::path& kept) {
    messages.ShowInfoCaptionBox(chinese ? PathText(path) + u" 不完整，已按可读部分读取；原文件已另存为 " + PathText(kept) + u"。"
                                        : PathText(path) + u" is shorter than it should be and was read as far as it "
                                                           u"goes; the original was kept as " + PathText(kept) + u".");
}

void ShowSkippedMacros(UserMessages& messages, bool chinese, std::size_t count) {
    const std::u16string number = Utf8ToUtf16(std::to_string(count));
    messages.ShowInfoCaptionBox(chinese ? u"已跳过 " + number + u" 个宏：其编号重复或不是宏编号。"
                                        : number + u" macros were skipped: their ids were repeated or no macro ids.");
}

void ShowOwnDataFileRefused(UserMessages& messages, bool chinese, const std::filesystem::path& path) {
    Show(messages, chinese, u"%s 是本程序自己的数据文件，未导出任何内容。",
         u"%s is one of the program's own data files; nothing was exported.", path);
}

void MarkUnreadable(SettingsState& state, UserMessages& messages, const std::filesystem::path& path) {
    auto& files = state.unreadableFiles;
    if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(path);
    ShowUnreadable(messages, state.bChinese == 1, path);
}

bool RefuseUnreadable(const SettingsState& state, UserMessages& messages,
                      std::initializer_list<std::filesystem::path> paths) {
    for (const std::filesystem::path& path : paths) {
        if (std::find(state.unreadableFiles.begin(), state.unreadableFiles.end(), path) == state.unreadableFiles.end()) {
            continue;
        }
        ShowRefusedUnreadable(messages, state.bChinese == 1, path);
        return true;
    }
    return false;
}

bool ShowFileProblem(UserMessages& messages, bool chinese, const Error& error, const std::filesystem::path& path) {
    switch (error.kind) {
        case ErrorKind::kNotRegular:
            Show(messages, chinese, u"%s 不是普通文件，未做任何处理。", u"%s is not a regular file; it was left alone.", path);
            return true;
        case ErrorKind::kForeignLink:
            Show(messages, chinese, u"%s 是指向其他用户文件或由其他用户放置的链接，未通过它写入。",
                 u"%s is a link to another user's file, or one another user put there; nothing was written through it.", path);
            return true;
        case ErrorKind::kIo: {
            const std::u16string cause = Utf8ToUtf16(CauseOf(error));
            const std::u16string zh = cause.empty() ? u"无法写入 %s。" : u"无法写入 %s：" + cause + u"。";
            const std::u16string en = cause.empty() ? u"%s could not be written." : u"%s could not be written: " + cause + u".";
            Show(messages, chinese, zh, en, path);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace oryn7px
