#pragma once
// A fresh folder for a test's files, removed with everything in it afterwards.
#include <filesystem>
#include <fstream>
#include <random>
#include <string_view>

namespace oryn7px::testing {

class TempDir {
public:
    TempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("oryn7px-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    std::filesystem::path Write(std::string_view name, std::string_view bytes) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    std::filesystem::path path_;
};

}  // namespace oryn7px::testing
