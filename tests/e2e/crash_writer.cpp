// The settings writers of the program, run in a loop for the crash-safety campaign: each pass
// writes one kind of file through the real stores and file writer with the other of two
// versions, until the campaign kills it. `check` then starts as the program would and tells
// whether every file is whole and of one version.
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <array>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "core/base/clock.h"
#include "core/base/file_read.h"
#include "core/settings/data_files.h"
#include "core/settings/macro_library.h"
#include "core/settings/profile_store.h"
#include "core/settings/statistics_file.h"
#include "platform/linux/linux_file_writer.h"
#include "platform/linux/linux_paths.h"

namespace oryn7px {
namespace {

class SilentMessages final : public UserMessages {
public:
    int ShowInfoBox(std::u16string_view, bool) override { return kBoxOk; }
    int ShowCountDownBox(std::u16string_view) override { return kBoxOk; }
    void ShowInfoCaptionBox(std::u16string_view) override {}
};

class NoTexts final : public TextSource {
public:
    std::u16string Text(std::string_view) const override { return u"%s"; }
};

// Version v (1 or 2) of each file carries v in a place of its own; a whole set carries one v.
constexpr int32_t Marker(int version) { return version * 11; }
constexpr uint32_t MacroId(int version) { return 0x16000000u + static_cast<uint32_t>(version); }

struct World {
    explicit World(const std::filesystem::path& data)
        : paths(ExecutableFolder(), data, data, data), state(std::make_unique<SettingsState>()),
          store(*state, paths, writer, messages, texts), library(*state, paths, writer, messages, texts, clock),
          statistics(paths, writer, messages, texts) {}

    LinuxPaths paths;
    LinuxFileWriter writer;
    SilentMessages messages;
    NoTexts texts;
    VirtualClock clock;
    std::unique_ptr<SettingsState> state;
    ProfileStore store;
    MacroLibrary library;
    StatisticsFile statistics;
};

void SetVersion(SettingsState& state, int version) {
    state.profile.nDpiValue[0] = Marker(version);
    state.ButtonMacroId[0] = MacroId(version);
    std::fill(state.MacroTable.begin(), state.MacroTable.end(), MacroEntry{});
    MacroEntry& macro = state.MacroTable[0];
    macro.dwSize = kMinimumMacroSize;
    macro.dwMagic = kMacroMagic;
    macro.dwMacroId = MacroId(version);
    macro.dwRepeat = 1;
}

std::filesystem::path ExportFile(const std::filesystem::path& data, int version) {
    return data / ("export" + std::to_string(version) + ".cfg");
}

// Writes the two export files the import kind alternates between.
void PrepareImports(World& world, const std::filesystem::path& data) {
    for (int version : {1, 2}) {
        SetVersion(*world.state, version);
        world.store.Export(ExportFile(data, version));
    }
}

int Write(const std::string& kind, const std::filesystem::path& data) {
    World world(data);
    world.library.LoadMacroLibrary();
    world.store.LoadProfileIndex();
    if (kind == "import") PrepareImports(world, data);
    for (unsigned pass = 0;; ++pass) {
        const int version = static_cast<int>(pass % 2) + 1;
        SetVersion(*world.state, version);
        if (kind == "profile") {
            world.store.SaveCurrentProfileAndIndex();
        } else if (kind == "macro") {
            world.library.SaveMacroLibrary();
        } else if (kind == "statistics") {
            world.statistics.SaveStatistics(StsData{static_cast<uint32_t>(version), 0, 0, 0, 0, 0});
        } else if (kind == "language") {
            world.store.SaveLanguageNumber(version);
        } else if (kind == "export") {
            world.store.Export(data / "export.cfg");
        } else if (kind == "import") {
            world.store.Import(ExportFile(data, version), nullptr);
        } else {
            std::cerr << "unknown kind " << kind << "\n";
            return 2;
        }
        if (pass == 0) std::cout << "writing" << std::endl;  // the campaign kills only from here on
    }
}

// The version a file holds: 1 or 2, 3 for other whole content (the defaults), 0 when it is not
// whole, -1 when it is missing.
template <typename Record>
int VersionOf(const std::filesystem::path& path, Record& record, int (*version)(const Record&)) {
    const Result<std::size_t> read = ReadRecord(path, record);
    if (read.FailedWith(ErrorKind::kNotFound)) return -1;
    if (!read || *read != sizeof record ||
        std::filesystem::file_size(path) != sizeof record) {
        return 0;
    }
    return version(record);
}

int Of(bool one, bool two) { return one ? 1 : two ? 2 : 3; }
int ProfileVersion(const ProfileData& p) {
    if (p.dwMagic != kProfileMagic) return 0;
    return Of(p.nDpiValue[0] == Marker(1), p.nDpiValue[0] == Marker(2));
}
int IndexVersion(const ProfileIndex& x) { return Of(x[0].nButtonMacroId[0] == MacroId(1), x[0].nButtonMacroId[0] == MacroId(2)); }
int MacroVersion(const MacroTableData& t) { return Of(t[0].dwMacroId == MacroId(1), t[0].dwMacroId == MacroId(2)); }
int StatisticsVersion(const StsData& s) { return Of(s.nLeftClicks == 1, s.nLeftClicks == 2); }
int LanguageVersion(const int32_t& n) { return Of(n == 1, n == 2); }

bool Written(int version) { return version == 1 || version == 2; }

int Check(const std::string& kind, const std::filesystem::path& data) {
    // What the next start does first.
    {
        LinuxFileWriter writer;
        FinishInterruptedReplacement(writer, data);
    }
    auto profile = std::make_unique<ProfileData>();
    auto index = std::make_unique<ProfileIndex>();
    auto table = std::make_unique<MacroTableData>();
    StsData statistics{};
    int32_t language = 0;
    const int p = VersionOf(ProfilePathOf(data, 0), *profile, ProfileVersion);
    const int i = VersionOf(IndexPathOf(data), *index, IndexVersion);
    const int m = VersionOf(MacroPathOf(data), *table, MacroVersion);
    const int s = VersionOf(data / "Sts.cfg", statistics, StatisticsVersion);
    const int l = VersionOf(LanguagePathOf(data), language, LanguageVersion);
    std::printf("profile %d index %d macro %d statistics %d language %d\n", p, i, m, s, l);
    // Every file whole; the one the writer wrote of version 1 or 2; the profile and its index one
    // set, and an import's library of the same set.
    bool whole = p != 0 && i != 0 && m != 0 && s != 0 && l != 0;
    if (kind == "profile") whole = whole && Written(p) && p == i;
    if (kind == "import") whole = whole && Written(p) && p == i && p == m;
    if (kind == "macro") whole = whole && Written(m);
    if (kind == "statistics") whole = whole && Written(s);
    if (kind == "language") whole = whole && Written(l);
    if (kind == "export") {
        const auto path = data / "export.cfg";
        auto exported = std::make_unique<std::array<uint8_t, kExportFileSize>>();
        const Result<std::size_t> read = ReadRecord(path, *exported);
        const bool present = read.Ok();
        ProfileData exportedProfile;
        std::memcpy(&exportedProfile, exported->data(), sizeof exportedProfile);
        const bool exportWhole = present && *read == kExportFileSize &&
                                 std::filesystem::file_size(path) == kExportFileSize &&
                                 Written(ProfileVersion(exportedProfile));
        std::printf("export %s\n", exportWhole ? "whole" : "TORN OR MISSING");
        whole = whole && exportWhole;
    }
    return whole ? 0 : 1;
}

}  // namespace
}  // namespace oryn7px

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: crash_writer write|check KIND DATA-FOLDER\n"
                     "KIND: profile macro statistics language export import\n";
        return 2;
    }
    const std::string mode = argv[1];
    if (mode == "write") return oryn7px::Write(argv[2], argv[3]);
    if (mode == "check") return oryn7px::Check(argv[2], argv[3]);
    return 2;
}
