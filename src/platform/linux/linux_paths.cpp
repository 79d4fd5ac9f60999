#include "platform/linux/linux_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "core/base/product_identity.h"
#include "core/i18n/locale_language.h"
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

bool HasDataFolderRule(const Environment& environment) {
    if (NonEmpty(environment, "ORYN7PX_DATA_DIR") || NonEmpty(environment, "HOME")) return true;
    const auto dataHome = NonEmpty(environment, "XDG_DATA_HOME");
    return dataHome && std::filesystem::path(*dataHome).is_absolute();
}

namespace {

// An absolute $variable, else `below` under $HOME, else under the account's own home (never the
// root folder of the system); empty when none is known.
std::filesystem::path XdgHome(const Environment& environment, const char* variable, const std::filesystem::path& below) {
    // The XDG rules ignore a relative value.
    if (auto home = NonEmpty(environment, variable); home && std::filesystem::path(*home).is_absolute()) {
        return *home;
    }
    if (auto home = NonEmpty(environment, "HOME")) return std::filesystem::path(*home) / below;
    const passwd* account = ::getpwuid(::geteuid());
    if (account == nullptr || account->pw_dir == nullptr || account->pw_dir[0] != '/') return {};
    return std::filesystem::path(account->pw_dir) / below;
}

}  // namespace

std::filesystem::path LinuxDataHome(const Environment& environment) {
    return XdgHome(environment, "XDG_DATA_HOME", std::filesystem::path(".local") / "share");
}

std::filesystem::path LinuxConfigHome(const Environment& environment) {
    return XdgHome(environment, "XDG_CONFIG_HOME", ".config");
}

std::filesystem::path LinuxDataFolder(const Environment& environment) {
    if (auto overridden = NonEmpty(environment, "ORYN7PX_DATA_DIR")) return *overridden;
    const std::filesystem::path dataHome = LinuxDataHome(environment);
    return dataHome.empty() ? dataHome : dataHome / ProductFolder();
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

LinuxPaths LinuxPaths::FromEnvironment(const Environment& environment, const NewDataFolderFiller& fillNewFolder,
                                       std::optional<std::filesystem::path> dataFolder) {
    std::vector<Error> newFolderErrors;
    if (!dataFolder) {
        dataFolder = LinuxDataFolder(environment);
        std::error_code ec;
        // A folder the program had to create is a new installation: fill it as an installer would.
        if (!dataFolder->empty() && std::filesystem::create_directories(*dataFolder, ec)) {
            LinuxFileWriter writer;
            newFolderErrors = fillNewFolder(*dataFolder, writer, LanguageForLocale(MessagesLocale(environment)));
        }
    }
    RemoveLeftoverTemporaryFiles(*dataFolder);
    RemoveLeftoverTemporaryFiles(*dataFolder / "Profile");
    std::error_code ec;
    const std::filesystem::path absolute = dataFolder->empty() ? *dataFolder : std::filesystem::absolute(*dataFolder, ec);
    LinuxPaths paths(ExecutableFolder(), ec ? *dataFolder : absolute, LinuxTempFolder(environment),
                     LinuxDataHome(environment));
    paths.newFolderErrors_ = std::move(newFolderErrors);
    return paths;
}

}  // namespace oryn7px
