#pragma once
// Turning the bytes of an XML or HTML file into UTF-16 text: byte-order marks, declared
// encodings, the UTF-8 test and the removal of zero bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/interfaces/code_page_converter.h"

namespace oryn7px {

struct DecodedXml {
    std::u16string text;
    std::string description;  // what the decoder found, for support and translators
    bool byteOrderMark = false;
    bool utf16 = false;
    bool bigEndian = false;
    uint32_t codePage = 0;  // the one 8-bit text was read in (before any fallback); 0 for UTF-16
};

DecodedXml DecodeXmlBytes(std::string_view bytes, const CodePageConverter& converter);

// The encoding named by the XML declaration at the start of the bytes, or else by an HTML
// <meta http-equiv="Content-Type" content="...; charset=..."> in the head; empty when none.
std::string DeclaredEncoding(std::string_view head);


}  // namespace oryn7px
