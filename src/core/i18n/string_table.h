#pragma once
// The 115 translated texts of the UI and the captions, filled from one language file at a time.
#include <array>
#include <filesystem>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/i18n/caption_keys.h"
#include "core/i18n/language_keys.h"
#include "core/i18n/text_source.h"
#include "core/i18n/xml_doc.h"

namespace oryn7px {

// Readers take texts by value, so a language switch shows at their next use. Safe to read from
// any thread while another loads.
class StringTable final : public TextSource {
public:
    // The converter must outlive the table.
    explicit StringTable(const CodePageConverter& converter) : doc_(converter) {}

    // Replaces every text, in table order, with the file's text for its key. Reports nothing:
    // a key the file lacks, or a file that cannot be read, gives empty texts, and English
    // captions.
    void LoadLanguageFile(const std::filesystem::path& path);
    // The text of a key in the loaded file (the "config" section), or empty.
    std::u16string GetLanguageText(std::string_view key);
    // The text of a key as last loaded, or empty for a key not in the table.
    std::u16string Text(std::string_view key) const override;
    // A caption as last loaded; its English text where the file has none.
    std::u16string Caption(CaptionId id) const;
    // Loads another file (the update description) into the same document under the same lock,
    // so it never runs while a language loads, and returns the texts of `keys` in `section`;
    // nothing when the file cannot be read or is not well-formed. The translated texts stay as
    // they are.
    std::optional<std::vector<std::u16string>> ReadFileSection(const std::filesystem::path& path,
                                                               std::string_view section,
                                                               std::span<const std::string_view> keys);
    // The same from the bytes of a file.
    std::optional<std::vector<std::u16string>> ReadBytesSection(std::string_view bytes, std::string_view section,
                                                                std::span<const std::string_view> keys);

private:
    // The texts of `keys` in `section` of the loaded document; the caller holds the lock.
    std::vector<std::u16string> SectionTexts(std::string_view section, std::span<const std::string_view> keys);

    mutable std::mutex mutex_;
    CXmlDoc doc_;
    std::array<std::u16string, kLanguageKeyCount> strings_;
    std::array<std::u16string, kCaptionCount> captions_;
};

}  // namespace oryn7px
