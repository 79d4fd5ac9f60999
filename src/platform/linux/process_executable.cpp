#include "platform/linux/process_executable.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace oryn7px {

namespace {

constexpr std::string_view kDeletedSuffix = " (deleted)";
constexpr std::array<std::string_view, 4> kWineLoaders = {"wine", "wine64", "wine-preloader", "wine64-preloader"};

std::string_view FileName(std::string_view path, std::string_view separators) {
    const size_t last = path.find_last_of(separators);
    return last == std::string_view::npos ? path : path.substr(last + 1);
}

}  // namespace

std::string ExecutableName(std::string_view exeTarget, std::string_view firstArgument) {
    if (exeTarget.ends_with(kDeletedSuffix)) exeTarget.remove_suffix(kDeletedSuffix.size());
    const std::string_view name = FileName(exeTarget, "/");
    for (const std::string_view loader : kWineLoaders) {
        if (name == loader && !firstArgument.empty()) return std::string(FileName(firstArgument, "/\\"));
    }
    return std::string(name);
}

std::string ProcessExecutableName(uint32_t pid, const std::string& procRoot) {
    if (pid == 0) return {};
    const std::filesystem::path process = std::filesystem::path(procRoot) / std::to_string(pid);
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(process / "exe", error);
    if (error) return {};
    std::ifstream cmdline(process / "cmdline", std::ios::binary);
    std::string firstArgument;
    std::getline(cmdline, firstArgument, '\0');
    return ExecutableName(target.string(), firstArgument);
}

}  // namespace oryn7px
