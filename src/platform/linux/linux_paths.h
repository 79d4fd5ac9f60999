#pragma once
// The program's folders on Linux.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/interfaces/file_writer.h"
#include "core/interfaces/paths.h"

namespace oryn7px {

// Looks up an environment variable; nullopt when it is unset.
using Environment = std::function<std::optional<std::string>(const char* name)>;

std::optional<std::string> ProcessEnvironment(const char* name);

// Fills a data folder the program had to create, as an installer would; `languageNumber` is the
// language of the session's locale.
// Returns why each file it could not write was not.
using NewDataFolderFiller =
    std::function<std::vector<Error>(const std::filesystem::path& dataFolder, FileWriter& writer, int32_t languageNumber)>;

// ORYN7PX_DATA_DIR, else $XDG_DATA_HOME/TAVIK/ORYN7PX, else ~/.local/share/TAVIK/ORYN7PX;
// empty when not even the account's home folder is known.
std::filesystem::path LinuxDataFolder(const Environment& environment);
// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share, else the same below the
// account's home folder (HOME unset); empty when that is unknown too.
std::filesystem::path LinuxDataHome(const Environment& environment);
// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config, else the same below the
// account's home folder; empty when that is unknown too.
std::filesystem::path LinuxConfigHome(const Environment& environment);
// Whether the environment itself names the data folder (ORYN7PX_DATA_DIR, an absolute
// XDG_DATA_HOME or HOME), so a command-line tool can refuse to guess one.
bool HasDataFolderRule(const Environment& environment);
// $TMPDIR, else /tmp.
std::filesystem::path LinuxTempFolder(const Environment& environment);
// The folder of /proc/self/exe.
std::filesystem::path ExecutableFolder();

class LinuxPaths final : public Paths {
public:
    LinuxPaths(std::filesystem::path programFolder, std::filesystem::path dataFolder,
               std::filesystem::path tempFolder, std::filesystem::path localAppData);

    // The folders of this process by the rules above. A data folder that does not exist yet is
    // created and handed to `fillNewFolder`, unless `dataFolder` names one explicitly, which is
    // used as it is. Temporary files that killed writes left in the data folder are removed.
    static LinuxPaths FromEnvironment(const Environment& environment, const NewDataFolderFiller& fillNewFolder,
                                      std::optional<std::filesystem::path> dataFolder = std::nullopt);

    std::filesystem::path ProgramFolder() const override { return programFolder_; }
    std::filesystem::path DataFolder() const override { return dataFolder_; }
    std::filesystem::path TempFolder() const override { return tempFolder_; }
    std::filesystem::path LocalAppData() const override { return localAppData_; }
    std::filesystem::path SystemDirectory() const override { return {}; }
    // Why files of a new data folder could not be written (a full disk): the start must say so,
    // not later report them as missing.
    const std::vector<Error>& NewFolderErrors() const { return newFolderErrors_; }

private:
    std::filesystem::path programFolder_;
    std::filesystem::path dataFolder_;
    std::filesystem::path tempFolder_;
    std::filesystem::path localAppData_;
    std::vector<Error> newFolderErrors_;
};

}  // namespace oryn7px
