// Feeds one input as every settings file the program reads: the profile index, a profile file,
// an export file, Language.cfg, Macro.cfg, a macro file and Sts.cfg.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "core/base/clock.h"
#include "core/base/utf16.h"
#include "core/settings/macro_library.h"
#include "core/settings/profile_store.h"
#include "core/settings/statistics_file.h"

namespace {

using namespace oryn7px;

class SilentMessages final : public UserMessages {
public:
    int ShowInfoBox(std::u16string_view text, bool) override { return Touch(text); }
    int ShowCountDownBox(std::u16string_view text) override { return Touch(text); }
    void ShowInfoCaptionBox(std::u16string_view text) override { Touch(text); }

private:
    int Touch(std::u16string_view text) { return static_cast<int>(Utf16ToUtf8(text).size() & 1) + 1; }
};

class NoTexts final : public TextSource {
public:
    std::u16string Text(std::string_view) const override { return u"%s"; }
};

// Writes nothing, so every run reads only the fuzz input.
class DiscardingWriter final : public FileWriter {
public:
    Status ReplaceFile(const std::filesystem::path&, std::span<const uint8_t>) override { return {}; }
    Status ReplaceFiles(std::span<const FileReplacement>, const std::filesystem::path&, std::filesystem::path*) override {
        return {};
    }
    void FinishReplacement(const std::filesystem::path&, std::span<const std::filesystem::path>) override {}
};

class FolderPaths final : public Paths {
public:
    explicit FolderPaths(std::filesystem::path data) : data_(std::move(data)) {}
    std::filesystem::path ProgramFolder() const override { return data_; }
    std::filesystem::path DataFolder() const override { return data_; }
    std::filesystem::path TempFolder() const override { return data_; }
    std::filesystem::path LocalAppData() const override { return data_; }
    std::filesystem::path SystemDirectory() const override { return {}; }

private:
    std::filesystem::path data_;
};

// One data folder for the whole run, removed when the process ends.
// Every file name the readers use links to the one input file, so each run writes it once.
struct RunFolder {
    RunFolder() { std::filesystem::create_directories(path / "Profile"); }
    // A rejected profile file is moved aside by the store (as .invalid, .invalid.2, ...), a short
    // library copied aside: drop what was kept and put the links back.
    void Link() const {
        std::error_code ec;
        for (const auto& folder : {path, path / "Profile"}) {
            for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
                if (entry.path().string().find(".invalid") != std::string::npos) std::filesystem::remove(entry.path(), ec);
            }
        }
        for (const char* name : {"Profile/ConfigInfo.cfg", "Profile/Profile1.cfg", "Profile/Profile2.cfg",
                                 "Language.cfg", "Macro.cfg", "Sts.cfg", "import.cfg"}) {
            std::error_code ec;
            if (!std::filesystem::is_symlink(path / name, ec)) std::filesystem::create_symlink(path / "input", path / name, ec);
        }
    }
    ~RunFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("oryn7px-fuzz-" + std::to_string(std::random_device{}()));
};

const std::filesystem::path& Folder() {
    static const RunFolder folder;
    folder.Link();
    return folder.path;
}

void Put(const std::filesystem::path& path, const uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Every name and count in the tables must be usable without reading out of range.
std::size_t Walk(const SettingsState& state, MacroLibrary& library) {
    std::size_t total = 0;
    for (const ConfigInfoEntry& e : state.index) total += FixedText(e.szProfilePath).size();
    for (const ButtonSetting& b : state.profile.Buttons) total += FixedText(b.szName).size() + FixedText(b.PathName).size();
    for (const MacroEntry& m : state.MacroTable) {
        if (m.dwEventCount > kMaxMacroEvents) __builtin_trap();  // a count must never exceed the words
        total += FixedText(m.szName).size();
    }
    for (uint32_t category : {1u, 21u, 22u}) total += library.ListMacros(category).size();
    return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::filesystem::path& folder = Folder();
    FolderPaths paths(folder);
    SilentMessages messages;
    NoTexts texts;
    DiscardingWriter writer;
    VirtualClock clock;
    // Fresh settings each run, without mapping 2 MB anew every time.
    static const auto pristine = std::make_unique<const SettingsState>();
    static const auto state = std::make_unique<SettingsState>();
    *state = *pristine;
    ProfileStore store(*state, paths, writer, messages, texts);
    MacroLibrary library(*state, paths, writer, messages, texts, clock);
    StatisticsFile statistics(paths, writer, messages, texts);

    Put(folder / "input", data, size);
    library.LoadMacroLibrary();
    store.LoadProfileIndex();
    store.SwitchProfile(1);
    store.ReadLanguageNumber();
    Walk(*state, library);
    store.Import(folder / "import.cfg", nullptr);
    library.ImportMacro(folder / "import.cfg");
    StsData counts{};
    statistics.LoadStatistics(counts);
    Walk(*state, library);
    return 0;
}
