#pragma once
// Remembers for the user on which desktop situation the program has already said what does not
// work there, so the hint bar says it once, not at every start.
#include <filesystem>
#include <string>

#include "core/interfaces/file_writer.h"

namespace oryn7px {

class DesktopNoticeMemory {
public:
    // `file`: a small INI file of the user's; its folder is created when missing.
    DesktopNoticeMemory(FileWriter& writer, std::filesystem::path file);

    // True when `situation` differs from the one remembered last; it is then remembered. A file
    // that cannot be written answers true each time (better said twice than never).
    bool IsNew(const std::string& situation);

private:
    FileWriter& writer_;
    std::filesystem::path file_;
};

// <config home>/TAVIK/ORYN7PX/desktop.ini
std::filesystem::path DefaultDesktopNoticeFile(const std::filesystem::path& configHome);

}  // namespace oryn7px
