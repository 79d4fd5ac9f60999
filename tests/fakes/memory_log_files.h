#pragma once
// Log files kept in memory; a path in `refused` cannot be opened.
#include <map>
#include <memory>
#include <set>
#include <string>

#include "core/interfaces/log_file.h"

namespace oryn7px::testing {

class MemoryLogFiles final : public LogFileOpener {
public:
    std::unique_ptr<LogFileHandle> Open(const std::filesystem::path& path, bool truncate) override {
        if (refused.count(path)) return nullptr;
        std::string& content = files[path];
        if (truncate) content.clear();
        return std::make_unique<Handle>(content);
    }

    std::map<std::filesystem::path, std::string> files;
    std::set<std::filesystem::path> refused;

private:
    class Handle final : public LogFileHandle {
    public:
        explicit Handle(std::string& content) : content_(content) {}
        bool Append(std::string_view bytes) override {
            content_ += bytes;
            return true;
        }
        bool Flush() override { return true; }
        uint64_t Size() override { return content_.size(); }

    private:
        std::string& content_;
    };
};

}  // namespace oryn7px::testing
