#pragma once
// UTF-16 text in fixed record buffers, and conversion to and from UTF-8.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace oryn7px {

// Invalid sequences become U+FFFD; never reads past the input.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Well-formed UTF-8: no bad sequence, overlong form, surrogate or code point past U+10FFFF.
bool IsValidUtf8(std::string_view utf8);
// The offset of the first byte that starts no well-formed sequence; nothing when all are well-formed.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view utf8);
// One or two units, as the code point needs.
void AppendUtf16(std::u16string& out, char32_t codePoint);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The text of a fixed buffer up to its first zero, or the whole buffer when it has none.
std::u16string_view FixedText(const char16_t* buffer, std::size_t capacity);

// Copies text into a fixed buffer, cutting it so that a terminating zero always fits;
// the rest of the buffer is zeroed.
void SetFixedText(char16_t* buffer, std::size_t capacity, std::u16string_view text);

template <std::size_t N>
std::u16string_view FixedText(const char16_t (&buffer)[N]) {
    return FixedText(buffer, N);
}

template <std::size_t N>
void SetFixedText(char16_t (&buffer)[N], std::u16string_view text) {
    SetFixedText(buffer, N, text);
}

// Replaces the first "%s" of a message format with the argument (the formats take one path or name).
std::u16string FormatS(std::u16string_view format, std::u16string_view argument);

}  // namespace oryn7px
