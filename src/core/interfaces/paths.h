#pragma once
// The folders the program finds its files in, as the platform answers them.
#include <filesystem>

namespace oryn7px {

class Paths {
public:
    virtual ~Paths() = default;
    // Folder of the running executable: skins, language files, helper programs.
    virtual std::filesystem::path ProgramFolder() const = 0;
    // Profiles, macros, statistics and the language number.
    virtual std::filesystem::path DataFolder() const = 0;
    virtual std::filesystem::path TempFolder() const = 0;
    virtual std::filesystem::path LocalAppData() const = 0;
    // Empty where the platform has no such folder.
    virtual std::filesystem::path SystemDirectory() const = 0;
};

}  // namespace oryn7px
