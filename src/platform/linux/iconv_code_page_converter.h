#pragma once
// Code-page conversion with the C library's iconv.
#include <string>
#include <string_view>

#include "core/interfaces/code_page_converter.h"

namespace oryn7px {

class IconvCodePageConverter final : public CodePageConverter {
public:
    // ANSI is the code page of the process's locale (LC_ALL, LC_CTYPE, LANG).
    IconvCodePageConverter();
    explicit IconvCodePageConverter(uint32_t ansiCodePage) : ansiCodePage_(ansiCodePage) {}

    std::optional<std::u16string> ToUtf16(uint32_t codePage, std::string_view bytes) const override;
    uint32_t AnsiCodePage() const override { return ansiCodePage_; }

private:
    uint32_t ansiCodePage_;
};

// The code page Windows would use as ANSI for a POSIX locale name such as "ru_RU.KOI8-R" or
// "zh_CN.UTF-8": the locale's own 8-bit character set when it names one, else the one of its
// language, and Windows-1252 for the rest (C, POSIX, Western languages).
uint32_t AnsiCodePageForLocale(std::string_view locale);

}  // namespace oryn7px
