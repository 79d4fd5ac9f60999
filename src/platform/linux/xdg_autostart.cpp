#include "platform/linux/xdg_autostart.h"

#include <string>
#include <system_error>

#include "core/app/autostart_entry.h"

namespace oryn7px {

XdgAutostart::XdgAutostart(FileWriter& writer, std::filesystem::path entry, std::filesystem::path program)
    : writer_(writer), entry_(std::move(entry)), program_(std::move(program)) {}

bool XdgAutostart::IsEnabled() const {
    std::error_code ec;
    return !entry_.empty() && std::filesystem::is_regular_file(entry_, ec);
}

bool XdgAutostart::SetEnabled(bool enabled) {
    if (entry_.empty()) return false;
    std::error_code ec;
    if (!enabled) return std::filesystem::remove(entry_, ec) || !ec;
    // The folder is the desktop's; a fresh account may not have it yet.
    std::filesystem::create_directories(entry_.parent_path(), ec);
    const std::string text = AutostartEntryText(program_.string());
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return writer_.ReplaceFile(entry_, {bytes, text.size()}).Ok();
}

std::filesystem::path DefaultAutostartEntry(const std::filesystem::path& configHome) {
    if (configHome.empty()) return {};
    return configHome / "autostart" / "com.tavik.oryn7px.desktop";
}

}  // namespace oryn7px
