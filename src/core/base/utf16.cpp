#include "core/base/utf16.h"

#include <algorithm>
#include <cstdint>

namespace oryn7px {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point starting at text[i]; advances i past what was consumed. Nothing for a
// bad sequence.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<uint8_t>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; minimum = 0x80; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; minimum = 0x800; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; minimum = 0x10000; }
    else return std::nullopt;
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<uint8_t>(text[i]) & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (static_cast<uint8_t>(text[i++]) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return cp;
}

std::size_t EncodeUtf16(char32_t cp, char16_t* out) {
    if (cp < 0x10000) {
        out[0] = static_cast<char16_t>(cp);
        return 1;
    }
    out[0] = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
    out[1] = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    return 2;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    // Never more units than bytes: write into a buffer of that size, then cut it to length.
    std::u16string out(utf8.size(), u'\0');
    char16_t* next = out.data();
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (static_cast<uint8_t>(utf8[i]) < 0x80) {
            *next++ = static_cast<char16_t>(utf8[i++]);
            continue;
        }
        const char32_t cp = DecodeUtf8(utf8, i).value_or(kReplacement);
        next += EncodeUtf16(cp, next);
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
    return out;
}

bool IsValidUtf8(std::string_view utf8) { return !FirstInvalidUtf8(utf8); }

std::optional<std::size_t> FirstInvalidUtf8(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        if (!DecodeUtf8(utf8, i)) return start;
    }
    return std::nullopt;
}

void AppendUtf16(std::u16string& out, char32_t codePoint) {
    char16_t units[2];
    out.append(units, EncodeUtf16(codePoint, units));
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::u16string_view FixedText(const char16_t* buffer, std::size_t capacity) {
    const char16_t* end = std::find(buffer, buffer + capacity, u'\0');
    return {buffer, static_cast<std::size_t>(end - buffer)};
}

void SetFixedText(char16_t* buffer, std::size_t capacity, std::u16string_view text) {
    if (capacity == 0) return;
    std::size_t n = std::min(text.size(), capacity - 1);
    // Never leave half of a surrogate pair at the cut.
    if (n > 0 && n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
    std::copy_n(text.data(), n, buffer);
    std::fill(buffer + n, buffer + capacity, u'\0');
}

std::u16string FormatS(std::u16string_view format, std::u16string_view argument) {
    std::u16string out;
    bool used = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == u'%' && i + 1 < format.size() && format[i + 1] == u's' && !used) {
            out += argument;
            used = true;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

}  // namespace oryn7px
