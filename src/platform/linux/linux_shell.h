#pragma once
// Starting programs, documents and sounds on a Linux desktop, never through a command interpreter.
#include <memory>
#include <string>
#include <vector>

#include "core/interfaces/shell.h"

namespace oryn7px {

class LinuxShell final : public Shell {
public:
    struct Programs {
        std::vector<std::string> soundPlayers{"paplay", "aplay"};  // the first one found plays
        std::string opener = "xdg-open";
    };

    LinuxShell();
    explicit LinuxShell(Programs programs);
    ~LinuxShell() override;

    bool PlaySoundAsync(const std::filesystem::path& file) override;
    bool RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) override;
    bool RunProgramIn(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& workingFolder) override;
    bool Open(const std::string& target) override;

private:
    struct SoundState;

    Programs programs_;
    std::shared_ptr<SoundState> sound_;
};

}  // namespace oryn7px
