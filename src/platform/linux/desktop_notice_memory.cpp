#include "platform/linux/desktop_notice_memory.h"

#include <array>
#include <system_error>

#include "core/app/ini_text.h"
#include "core/base/file_read.h"
#include "core/base/product_identity.h"

namespace oryn7px {

namespace {

constexpr const char* kSection = "Desktop";
constexpr const char* kKey = "Noticed";
constexpr std::size_t kMaxFileSize = 4096;

std::string ReadSmallFile(const std::filesystem::path& path) {
    std::array<char, kMaxFileSize> buffer{};
    const Result<std::size_t> read = ReadFileUpTo(path, buffer.data(), buffer.size());
    if (!read) return {};
    return std::string(buffer.data(), *read);
}

// The value of Noticed=, read as text: the INI helpers of the program read numbers only.
std::string NoticedValue(const std::string& text) {
    const std::string marker = std::string(kKey) + "=";
    const std::size_t at = text.find(marker);
    if (at == std::string::npos) return {};
    const std::size_t start = at + marker.size();
    return text.substr(start, text.find_first_of("\r\n", start) - start);
}

}  // namespace

DesktopNoticeMemory::DesktopNoticeMemory(FileWriter& writer, std::filesystem::path file)
    : writer_(writer), file_(std::move(file)) {}

bool DesktopNoticeMemory::IsNew(const std::string& situation) {
    if (file_.empty()) return true;
    const std::string text = ReadSmallFile(file_);
    if (NoticedValue(text) == situation) return false;
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    const std::string updated = SetIniValue(text, kSection, kKey, situation);
    // Not remembered only means the notice is shown once more at the next start.
    static_cast<void>(writer_.ReplaceFile(file_, {reinterpret_cast<const uint8_t*>(updated.data()), updated.size()}));
    return true;
}

std::filesystem::path DefaultDesktopNoticeFile(const std::filesystem::path& configHome) {
    if (configHome.empty()) return {};
    return configHome / ProductFolder() / "desktop.ini";
}

}  // namespace oryn7px
