#pragma once
// Starting programs, documents and sounds on the user's desktop.
#include <filesystem>
#include <string>
#include <vector>

namespace oryn7px {

// Every call returns at once; true when the request was handed to the system.
class Shell {
public:
    virtual ~Shell() = default;
    // Plays a sound file in the background; a new sound replaces one still playing.
    virtual bool PlaySoundAsync(const std::filesystem::path& file) = 0;
    // Runs the program itself with these arguments: no command interpreter sees them.
    virtual bool RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) = 0;
    // The same, started in `workingFolder`.
    virtual bool RunProgramIn(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                              const std::filesystem::path& workingFolder) = 0;
    // Opens a file, a folder or a web address with the desktop's default handler.
    virtual bool Open(const std::string& target) = 0;
};

}  // namespace oryn7px
