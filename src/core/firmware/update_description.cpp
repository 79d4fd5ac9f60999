#include "core/firmware/update_description.h"

#include <array>

#include "core/base/product_identity.h"
#include "core/base/utf16.h"
#include "core/i18n/string_table.h"

namespace oryn7px {

namespace {

constexpr const char* kVendorHost = "https://download.tavikgaming.com";

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string_view WithoutBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string Trimmed(std::u16string_view text) { return Utf16ToUtf8(WithoutBlanks(text)); }

constexpr std::string_view kSection = "firmware";
constexpr std::array<std::string_view, 3> kKeys{"current", "newfile", "sha256"};

Error Unreadable(std::string_view why) {
    return {ErrorKind::kInvalidData, std::string(kUnreadableDescription) + ": " + std::string(why)};
}

// The texts of kKeys as read, or nothing for a document that is not well-formed.
Result<UpdateDescription> Described(const std::optional<std::vector<std::u16string>>& texts) {
    if (!texts) return Unreadable("it is not well-formed XML");
    const std::optional<uint32_t> current = VersionNumber((*texts)[0]);
    if (!current) return Unreadable("it names no firmware version");
    return UpdateDescription{*current, Trimmed((*texts)[1]), Trimmed((*texts)[2])};
}

}  // namespace

std::string UpdateAddress(const char* overrideUrl) {
    if (overrideUrl != nullptr && *overrideUrl != '\0') return overrideUrl;
    return std::string(kVendorHost) + "/software/" + kModelCode + "/update.xml";
}

std::optional<uint32_t> VersionNumber(std::u16string_view text) {
    const std::u16string_view digits = WithoutBlanks(text);
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (const char16_t c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - u'0');
        if (value > UINT32_MAX) return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

Result<UpdateDescription> ReadUpdateDescription(StringTable& strings, const std::filesystem::path& file) {
    return Described(strings.ReadFileSection(file, kSection, kKeys));
}

Result<UpdateDescription> ParseUpdateDescription(StringTable& strings, std::span<const uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return Described(strings.ReadBytesSection(text, kSection, kKeys));
}

}  // namespace oryn7px
