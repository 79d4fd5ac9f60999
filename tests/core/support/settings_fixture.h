#pragma once
// Fakes of the platform for the settings tests: a temporary data folder, captured messages,
// texts with recognisable placeholders and a file writer that can be made to fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/base/clock.h"
#include "core/i18n/text_source.h"
#include "core/interfaces/file_writer.h"
#include "core/interfaces/paths.h"
#include "core/interfaces/user_messages.h"
#include "core/settings/settings_state.h"

namespace oryn7px::testing {

enum class Box { kProgram, kProgramQuestion, kCountDown, kInfoCaption };

struct ShownMessage {
    Box box;
    std::u16string text;
    bool operator==(const ShownMessage&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const ShownMessage& m) {
    std::string text;
    for (char16_t c : m.text) text += c < 0x80 ? static_cast<char>(c) : '?';
    return os << "{box " << static_cast<int>(m.box) << ", \"" << text << "\"}";
}

class RecordingMessages final : public UserMessages {
public:
    int ShowInfoBox(std::u16string_view text, bool ask) override {
        shown.push_back({ask ? Box::kProgramQuestion : Box::kProgram, std::u16string(text)});
        return kBoxOk;
    }
    int ShowCountDownBox(std::u16string_view text) override {
        shown.push_back({Box::kCountDown, std::u16string(text)});
        return kBoxCancel;
    }
    void ShowInfoCaptionBox(std::u16string_view text) override {
        shown.push_back({Box::kInfoCaption, std::u16string(text)});
    }
    std::vector<ShownMessage> shown;
};

class PlaceholderTexts final : public TextSource {
public:
    std::u16string Text(std::string_view key) const override {
        if (key == "str_msg2") return u"MSG2 %s";
        if (key == "str_msg4") return u"MSG4";
        if (key == "str_msg5") return u"MSG5";
        return {};
    }
};

class FolderPaths final : public Paths {
public:
    explicit FolderPaths(std::filesystem::path data) : data_(std::move(data)) {}
    std::filesystem::path ProgramFolder() const override { return data_ / "program"; }
    std::filesystem::path DataFolder() const override { return data_; }
    std::filesystem::path TempFolder() const override { return data_ / "tmp"; }
    std::filesystem::path LocalAppData() const override { return data_; }
    std::filesystem::path SystemDirectory() const override { return {}; }

private:
    std::filesystem::path data_;
};

// Writes through std::ofstream; a path (or every path) can be given a failure to report instead.
// A set is written only when none of its files would fail.
class FaultyWriter final : public FileWriter {
public:
    Status ReplaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) override {
        writes.push_back(path);
        if (const std::optional<ErrorKind> kind = FailureFor(path)) return Error{*kind, path.string() + ": refused by the test"};
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) return Error{ErrorKind::kIo, "cannot write " + path.string()};
        return {};
    }
    Status ReplaceFiles(std::span<const FileReplacement> files, const std::filesystem::path& journal,
                        std::filesystem::path* failed) override {
        journals.push_back(journal);
        for (const FileReplacement& file : files) {
            if (const std::optional<ErrorKind> kind = FailureFor(file.path)) {
                *failed = file.path;
                return Error{*kind, file.path.string() + ": refused by the test"};
            }
        }
        for (const FileReplacement& file : files) static_cast<void>(ReplaceFile(file.path, file.bytes));
        return {};
    }
    void FinishReplacement(const std::filesystem::path& journal, std::span<const std::filesystem::path>) override {
        finished.push_back(journal);
    }

    std::map<std::filesystem::path, ErrorKind> failures;
    std::optional<ErrorKind> failAll;
    std::vector<std::filesystem::path> writes;
    std::vector<std::filesystem::path> journals;  // one per set written
    std::vector<std::filesystem::path> finished;  // one per FinishReplacement

private:
    std::optional<ErrorKind> FailureFor(const std::filesystem::path& path) const {
        if (auto it = failures.find(path); it != failures.end()) return it->second;
        if (failAll) return failAll;
        std::error_code ec;
        if (!std::filesystem::is_directory(path.parent_path(), ec)) return ErrorKind::kNotFound;
        return std::nullopt;
    }
};

inline std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::filesystem::path& path, const void* data, std::size_t size) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline void WriteAll(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    WriteAll(path, bytes.data(), bytes.size());
}

inline std::vector<uint8_t> RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<uint8_t>(random());
    return bytes;
}

inline std::u16string U16(const std::filesystem::path& path) {
    const std::string s = path.string();
    return std::u16string(s.begin(), s.end());
}

// A fresh data folder per test, with the settings objects' dependencies.
class SettingsFixture : public ::testing::Test {
protected:
    SettingsFixture() { state->bChinese = 0; }
    ~SettingsFixture() override { std::filesystem::remove_all(folder); }

    static std::filesystem::path FreshFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        auto path = std::filesystem::temp_directory_path() /
                    (std::string("oryn7px-") + info->test_suite_name() + "-" + info->name() + "-" +
                     std::to_string(std::random_device{}()));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        return path;
    }

    std::filesystem::path folder = FreshFolder();
    FolderPaths paths{folder};
    std::unique_ptr<SettingsState> state = std::make_unique<SettingsState>();
    RecordingMessages messages;
    PlaceholderTexts texts;
    FaultyWriter writer;
    VirtualClock clock;
};

}  // namespace oryn7px::testing
