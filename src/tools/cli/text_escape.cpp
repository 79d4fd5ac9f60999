#include "text_escape.h"

#include <cstdio>

namespace oryn7px::cli {

namespace {

struct CodePoint {
    char32_t value = 0;
    std::size_t length = 1;  // bytes it takes
    bool valid = false;      // false: the byte at the start is no part of well-formed UTF-8
};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Well-formed UTF-8 only: no overlong forms, no surrogates, nothing above U+10FFFF.
CodePoint DecodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (at + length > text.size()) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) return {};
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {};
    return {value, length, true};
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool IsBidiControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void AppendFormatted(std::string& out, const char* format, unsigned value) {
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, format, value);
    out += buffer;
}

}  // namespace

std::string EscapeForText(std::string_view utf8, bool keepLineFeeds) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const CodePoint c = DecodeAt(utf8, i);
        if (!c.valid) {
            AppendFormatted(out, "\\x%02X", static_cast<unsigned char>(utf8[i]));
        } else if (c.value == '\n' && keepLineFeeds) {
            out += '\n';
        } else if (c.value == '\\') {
            out += "\\\\";
        } else if (IsControl(c.value)) {
            AppendFormatted(out, "\\x%02X", static_cast<unsigned>(c.value));
        } else if (IsBidiControl(c.value)) {
            AppendFormatted(out, "\\u%04X", static_cast<unsigned>(c.value));
        } else {
            out.append(utf8.substr(i, c.length));
        }
        i += c.length;
    }
    return out;
}

std::string EscapeDumpedJson(std::string_view json) {
    std::string out;
    out.reserve(json.size());
    for (std::size_t i = 0; i < json.size();) {
        const CodePoint c = DecodeAt(json, i);
        // Controls below U+0020 here are the layout of dump()'s indentation, never in a string.
        if (c.valid && c.value >= 0x7F && (IsControl(c.value) || IsBidiControl(c.value))) {
            AppendFormatted(out, "\\u%04x", static_cast<unsigned>(c.value));
        } else {
            out.append(json.substr(i, c.length));
        }
        i += c.length;
    }
    return out;
}

}  // namespace oryn7px::cli
