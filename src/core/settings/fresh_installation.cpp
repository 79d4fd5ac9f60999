#include "core/settings/fresh_installation.h"

#include <memory>
#include <string>
#include <system_error>

#include "core/base/path_text.h"
#include "core/base/utf16.h"
#include "core/i18n/languages.h"
#include "core/settings/settings_state.h"

namespace oryn7px {

std::vector<Error> FillFreshDataFolder(const std::filesystem::path& dataFolder, FileWriter& writer,
                                       int32_t languageNumber) {
    std::vector<Error> failed;
    auto write = [&](const std::filesystem::path& path, std::span<const uint8_t> bytes) {
        if (const Status written = writer.ReplaceFile(path, bytes); !written) failed.push_back(written.Failure());
    };
    const std::filesystem::path profileFolder = dataFolder / "Profile";
    std::error_code ec;
    std::filesystem::create_directory(profileFolder, ec);

    // Valid entries are what lets a chosen profile survive a restart; the first one is active,
    // so the first start gives profile 1 with its button selected.
    auto state = std::make_unique<SettingsState>();
    for (int k = 0; k < kProfileCount; ++k) {
        ConfigInfoEntry& entry = state->index[static_cast<std::size_t>(k)];
        const std::filesystem::path profilePath = profileFolder / ("Profile" + std::to_string(k + 1) + ".cfg");
        entry.dwMagic = kConfigEntryMagic;
        entry.bActive = k == 0 ? 1 : 0;
        SetFixedText(entry.szProfilePath, PathText(profilePath));
        BuildDefaultProfile(state->profile, languageNumber == kLanguageSimplifiedChinese);
        write(profilePath, RecordBytes(state->profile));
    }
    write(profileFolder / "ConfigInfo.cfg", RecordBytes(state->index));
    write(dataFolder / "Macro.cfg", RecordBytes(state->MacroTable));
    write(dataFolder / "Language.cfg", RecordBytes(languageNumber));
    write(dataFolder / "Sts.cfg", RecordBytes(StsData{}));
    return failed;
}

}  // namespace oryn7px
