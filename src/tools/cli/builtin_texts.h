#pragma once
// The texts of the language files, with English texts for the keys the settings files use when
// the program folder has no language file (a CLI copied on its own).
#include <filesystem>

#include "core/i18n/string_table.h"
#include "core/i18n/text_source.h"
#include "platform/linux/iconv_code_page_converter.h"

namespace oryn7px::cli {

class LanguageTexts final : public TextSource {
public:
    LanguageTexts() : table_(converter_) {}

    // Loads Simplified Chinese first, as the program does, then the chosen language.
    void Load(const std::filesystem::path& programFolder, int languageNumber);
    std::u16string Text(std::string_view key) const override;

private:
    IconvCodePageConverter converter_;
    StringTable table_;
};

}  // namespace oryn7px::cli
