#include "core/i18n/xml_encoding.h"

#include <algorithm>
#include <cstdint>

#include "core/base/utf16.h"
#include "core/i18n/charset_names.h"

namespace oryn7px {

namespace {

// Only the start of a file is searched for a mark or a declaration.
constexpr std::size_t kHeadLength = 1024;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return LowerAscii(c); });
    return lower;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::size_t SkipSpace(std::string_view text, std::size_t i) {
    while (i < text.size() && IsSpace(text[i])) ++i;
    return i;
}

// Reads "= value" at i, the value in single or double quotes or bare; advances i past it.
std::string AttributeValue(std::string_view tag, std::size_t& i) {
    i = SkipSpace(tag, i);
    if (i >= tag.size() || tag[i] != '=') return {};
    i = SkipSpace(tag, i + 1);
    if (i >= tag.size()) return {};
    if (tag[i] == '"' || tag[i] == '\'') {
        const std::size_t end = tag.find(tag[i], i + 1);
        const std::size_t stop = end == std::string_view::npos ? tag.size() : end;
        std::string value(tag.substr(i + 1, stop - i - 1));
        i = stop + 1;
        return value;
    }
    const std::size_t start = i;
    while (i < tag.size() && !IsSpace(tag[i]) && tag[i] != '>') ++i;
    return std::string(tag.substr(start, i - start));
}

std::string XmlDeclarationEncoding(std::string_view head) {
    const std::size_t end = head.find("?>");
    const std::string_view declaration = head.substr(0, end);
    std::size_t i = declaration.find("encoding");
    if (i == std::string_view::npos) return {};
    i += 8;
    return AttributeValue(declaration, i);
}

std::string MetaCharset(std::string_view head) {
    const std::string lower = LowerAscii(head);
    const std::size_t headEnd = std::min(lower.find("</head"), lower.size());
    for (std::size_t meta = lower.find("<meta"); meta < headEnd; meta = lower.find("<meta", meta + 5)) {
        const std::size_t tagEnd = std::min(lower.find('>', meta), lower.size());
        const std::string_view tag = std::string_view(lower).substr(meta + 5, tagEnd - meta - 5);
        std::string httpEquiv;
        std::string content;
        std::size_t i = 0;
        while (i < tag.size()) {
            i = SkipSpace(tag, i);
            const std::size_t nameStart = i;
            while (i < tag.size() && !IsSpace(tag[i]) && tag[i] != '=' && tag[i] != '/') ++i;
            const std::string_view name = tag.substr(nameStart, i - nameStart);
            std::string value = AttributeValue(tag, i);
            if (name == "http-equiv") httpEquiv = value;
            if (name == "content") content = value;
            if (name.empty()) ++i;
        }
        const std::size_t charset = content.find("charset=");
        if (httpEquiv != "content-type" || charset == std::string::npos) continue;
        const std::size_t valueStart = charset + 8;
        std::size_t valueEnd = valueStart;
        while (valueEnd < content.size() && content[valueEnd] != ';' && !IsSpace(content[valueEnd])) ++valueEnd;
        return content.substr(valueStart, valueEnd - valueStart);
    }
    return {};
}

bool IsSixteenBitCodePage(uint32_t codePage) {
    return codePage == kCodePageUtf16Le || codePage == kCodePageUtf16Be;
}

std::u16string Latin1ToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes) out += static_cast<char16_t>(static_cast<uint8_t>(c));
    return out;
}

// Converts with the code page, then the ANSI code page; a system that knows neither still gets
// every byte as a character rather than nothing.
std::u16string ConvertEightBit(std::string_view bytes, uint32_t codePage, const CodePageConverter& converter) {
    if (codePage == kCodePageUtf8) return Utf8ToUtf16(bytes);
    if (auto text = converter.ToUtf16(codePage, bytes)) return std::move(*text);
    if (auto text = converter.ToUtf16(converter.AnsiCodePage(), bytes)) return std::move(*text);
    return Latin1ToUtf16(bytes);
}

std::u16string SixteenBitUnits(std::string_view bytes, bool bigEndian, std::size_t& zerosRemoved) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<uint8_t>(bytes[i]);
        const auto second = static_cast<uint8_t>(bytes[i + 1]);
        const auto unit = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
        if (unit == 0) {
            ++zerosRemoved;
        } else {
            units += unit;
        }
    }
    return units;
}

}  // namespace

std::string DeclaredEncoding(std::string_view head) {
    if (head.starts_with("<?xml")) {
        std::string encoding = XmlDeclarationEncoding(head);
        if (!encoding.empty()) return encoding;
    }
    return MetaCharset(head);
}

DecodedXml DecodeXmlBytes(std::string_view bytes, const CodePageConverter& converter) {
    DecodedXml result;
    std::string encoding;
    std::string_view body = bytes;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        encoding = "UTF-8";
        body.remove_prefix(3);
    } else if (bytes.starts_with("\xFF\xFE")) {
        encoding = "UTF-16LE";
        result.utf16 = true;
        body.remove_prefix(2);
    } else if (bytes.starts_with("\xFE\xFF")) {
        encoding = "UTF-16BE";
        result.utf16 = true;
        result.bigEndian = true;
        body.remove_prefix(2);
    }
    result.byteOrderMark = !encoding.empty();
    if (!result.byteOrderMark) {
        encoding = DeclaredEncoding(bytes.substr(0, kHeadLength));
        // A 16-bit encoding named in a file without a mark cannot be how the file was read.
        if (IsSixteenBitCodePage(CodePageForCharset(encoding))) encoding.clear();
        if (encoding.empty() && bytes.starts_with("<")) encoding = "UTF-8";
    }

    std::string description;
    if (result.byteOrderMark) description = encoding + " BOM + ";
    else if (!encoding.empty()) description = encoding + " ";
    else description = "ANSI ";

    const std::size_t length = result.utf16 ? body.size() / 2 : body.size();
    if (length == 0) {
        result.description = description + "0 length";
        return result;
    }
    description += "length " + std::to_string(length) + " ";

    std::size_t zerosRemoved = 0;
    bool usedUtf8Detection = false;
    if (result.utf16) {
        result.text = SixteenBitUnits(body, result.bigEndian, zerosRemoved);
    } else {
        std::string eightBit(body);
        eightBit.erase(std::remove(eightBit.begin(), eightBit.end(), '\0'), eightBit.end());
        zerosRemoved = body.size() - eightBit.size();
        uint32_t codePage = CodePageForCharset(encoding);
        if (encoding.empty() && IsValidUtf8(eightBit)) {
            usedUtf8Detection = true;
            codePage = kCodePageUtf8;
        }
        if (codePage == 0) codePage = converter.AnsiCodePage();
        result.codePage = codePage;
        result.text = ConvertEightBit(eightBit, codePage, converter);
    }
    if (zerosRemoved > 0) description += "(" + std::to_string(zerosRemoved) + " nulls removed) ";
    if (result.bigEndian) description += "endian swap ";
    if (usedUtf8Detection) description += "(used UTF-8 detection) ";
    description += "to " + std::to_string(result.text.size()) + " wide chars";
    result.description = std::move(description);
    return result;
}

}  // namespace oryn7px
