#pragma once
// A code-page converter for core tests: Windows-1252 read as Latin-1, every request recorded.
#include <string>
#include <vector>

#include "core/interfaces/code_page_converter.h"

namespace oryn7px::testing {

class FakeConverter final : public CodePageConverter {
public:
    std::optional<std::u16string> ToUtf16(uint32_t codePage, std::string_view bytes) const override {
        requested.push_back(codePage);
        if (codePage != kCodePageWindows1252) return std::nullopt;
        std::u16string out;
        for (char c : bytes) out += static_cast<char16_t>(static_cast<unsigned char>(c));
        return out;
    }
    uint32_t AnsiCodePage() const override { return kCodePageWindows1252; }

    mutable std::vector<uint32_t> requested;
};

}  // namespace oryn7px::testing
