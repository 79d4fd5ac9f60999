#include "core/firmware/update_description.h"

#include <array>

#include "core/base/product_identity.h"
#include "core/base/utf16.h"
#include "core/i18n/string_table.h"

namespace oryn7px {

namespace {

constexpr const char* kVendorHost = "https://download.tavikgaming.com";

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::string Trimmed(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return Utf16ToUtf8(text);
}

}  // namespace

std::string UpdateAddress(const char* overrideUrl) {
    if (overrideUrl != nullptr && *overrideUrl != '\0') return overrideUrl;
    return std::string(kVendorHost) + "/software/" + kModelCode + "/update.xml";
}

uint32_t VersionNumber(std::u16string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    uint64_t value = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        value = value * 10 + static_cast<uint64_t>(text[at] - u'0');
        if (value > UINT32_MAX) return 0;
    }
    return static_cast<uint32_t>(value);
}

UpdateDescription ReadUpdateDescription(StringTable& strings, const std::filesystem::path& file) {
    static constexpr std::array<std::string_view, 3> kKeys{"current", "newfile", "sha256"};
    const std::vector<std::u16string> texts = strings.ReadFileSection(file, "firmware", kKeys);
    return {VersionNumber(texts[0]), Trimmed(texts[1]), Trimmed(texts[2])};
}

}  // namespace oryn7px
