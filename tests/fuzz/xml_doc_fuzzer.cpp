// Any bytes as a language file or update description: decoding, indexing, every lookup and the
// strict check of `lang check`.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/firmware/update_description.h"
#include "core/i18n/xml_doc.h"
#include "core/i18n/xml_strict_check.h"

namespace {

// Unknown code pages fall back to every byte as a character, as on a system without them.
class ByteConverter final : public oryn7px::CodePageConverter {
public:
    std::optional<std::u16string> ToUtf16(uint32_t codePage, std::string_view bytes) const override {
        if (codePage != oryn7px::kCodePageWindows1252) return std::nullopt;
        std::u16string out;
        for (char c : bytes) out += static_cast<char16_t>(static_cast<unsigned char>(c));
        return out;
    }
    uint32_t AnsiCodePage() const override { return oryn7px::kCodePageWindows1252; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const ByteConverter converter;
    oryn7px::CXmlDoc doc(converter);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    oryn7px::StrictXmlProblems(bytes, converter);
    doc.LoadBytes(bytes);
    doc.GetSectionText("config", "str_main");
    doc.GetSectionText("config", "k");
    oryn7px::VersionNumber(doc.GetSectionText("firmware", "current"));
    doc.GetSectionText("firmware", "newfile");
    doc.GetSectionText("firmware", "sha256");
    // Every child of the root level, then down the chain of first children.
    doc.ResetPos();
    while (doc.FindElement()) {
        while (doc.FindChild({})) doc.GetChildText();
    }
    doc.ResetPos();
    while (doc.FindChild({})) {
        doc.GetChildText();
        doc.EnterElement();
    }
    return 0;
}
