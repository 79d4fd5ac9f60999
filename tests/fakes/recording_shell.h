#pragma once
// A shell that records each request and starts nothing.
#include <string>
#include <vector>

#include "core/interfaces/shell.h"

namespace oryn7px::testing {

class RecordingShell final : public Shell {
public:
    bool PlaySoundAsync(const std::filesystem::path& file) override { return Record("sound " + file.string()); }
    bool RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments) override {
        std::string call = "run " + program.string();
        for (const std::string& argument : arguments) call += " [" + argument + "]";
        return Record(call);
    }
    bool RunProgramIn(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      const std::filesystem::path& workingFolder) override {
        if (!runSucceeds) return false;
        RunProgram(program, arguments);
        calls.back() += " in " + workingFolder.string();
        return true;
    }
    bool Open(const std::string& target) override { return Record("open " + target); }

    std::vector<std::string> calls;
    bool runSucceeds = true;  // false: every program start fails, as for a missing file

private:
    bool Record(std::string call) {
        calls.push_back(std::move(call));
        return true;
    }
};

}  // namespace oryn7px::testing
