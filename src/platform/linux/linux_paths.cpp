#include "platform/linux/linux_paths.h"

#include <cstdlib>
#include <system_error>

#include "core/i18n/locale_language.h"
#include "core/settings/fresh_installation.h"
#include "platform/linux/leftover_files.h"
#include "platform/linux/linux_file_writer.h"

namespace oryn7px {

namespace {

std::optional<std::string> NonEmpty(const Environment& environment, const char* name) {
    std::optional<std::string> value = environment(name);
    if (value && value->empty()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

std::filesystem::path LinuxDataHome(const Environment& environment) {
    // The XDG rules ignore a relative XDG_DATA_HOME.
    if (auto home = NonEmpty(environment, "XDG_DATA_HOME"); home && std::filesystem::path(*home).is_absolute()) {
        return *home;
    }
    const std::string home = NonEmpty(environment, "HOME").value_or("/");
    return std::filesystem::path(home) / ".local" / "share";
}

std::filesystem::path LinuxDataFolder(const Environment& environment) {
    if (auto overridden = NonEmpty(environment, "ORYN7PX_DATA_DIR")) return *overridden;
    return LinuxDataHome(environment) / "TAVIK" / "ORYN7PX";
}

std::filesystem::path LinuxTempFolder(const Environment& environment) {
    return NonEmpty(environment, "TMPDIR").value_or("/tmp");
}

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path(ec) : executable.parent_path();
}

LinuxPaths::LinuxPaths(std::filesystem::path programFolder, std::filesystem::path dataFolder,
                       std::filesystem::path tempFolder, std::filesystem::path localAppData)
    : programFolder_(std::move(programFolder)), dataFolder_(std::move(dataFolder)),
      tempFolder_(std::move(tempFolder)), localAppData_(std::move(localAppData)) {}

LinuxPaths LinuxPaths::FromEnvironment(const Environment& environment,
                                       std::optional<std::filesystem::path> dataFolder) {
    if (!dataFolder) {
        dataFolder = LinuxDataFolder(environment);
        std::error_code ec;
        // A folder the program had to create is a new installation: fill it as an installer would.
        if (std::filesystem::create_directories(*dataFolder, ec)) {
            LinuxFileWriter writer;
            FillFreshDataFolder(*dataFolder, writer, LanguageForLocale(MessagesLocale(environment)));
        }
    }
    RemoveLeftoverTemporaryFiles(*dataFolder);
    RemoveLeftoverTemporaryFiles(*dataFolder / "Profile");
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(*dataFolder, ec);
    return LinuxPaths(ExecutableFolder(), ec ? *dataFolder : absolute, LinuxTempFolder(environment), LinuxDataHome(environment));
}

}  // namespace oryn7px
