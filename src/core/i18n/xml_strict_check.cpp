#include "core/i18n/xml_strict_check.h"

#include "core/base/utf16.h"
#include "core/i18n/xml_encoding.h"
#include "core/i18n/xml_well_formed.h"

namespace oryn7px {

namespace {

std::string AtByte(std::string_view what, std::size_t offset) {
    return std::string(what) + " at byte " + std::to_string(offset);
}

// The decoder drops zero bytes (or units) and a last odd byte, and reads bad UTF-8 as U+FFFD.
std::vector<std::string> ByteProblems(std::string_view bytes, const DecodedXml& decoded) {
    std::vector<std::string> problems;
    const std::size_t markLength = !decoded.byteOrderMark ? 0 : decoded.utf16 ? 2 : 3;
    const std::string_view body = bytes.substr(markLength);
    if (decoded.utf16) {
        if (body.size() % 2 != 0) problems.push_back(AtByte("Odd number of bytes in UTF-16: half a character", bytes.size() - 1));
        for (std::size_t i = 0; i + 1 < body.size(); i += 2) {
            if (body[i] == '\0' && body[i + 1] == '\0') {
                problems.push_back(AtByte("NUL character", markLength + i));
                break;
            }
        }
        return problems;
    }
    if (const std::size_t zero = body.find('\0'); zero != std::string_view::npos) {
        problems.push_back(AtByte("NUL character", markLength + zero));
    }
    if (decoded.codePage == kCodePageUtf8) {
        if (const auto invalid = FirstInvalidUtf8(body)) problems.push_back(AtByte("Invalid UTF-8", markLength + *invalid));
    }
    return problems;
}

}  // namespace

std::vector<std::string> StrictXmlProblems(std::string_view bytes, const CodePageConverter& converter) {
    const DecodedXml decoded = DecodeXmlBytes(bytes, converter);
    std::vector<std::string> problems = ByteProblems(bytes, decoded);
    if (const auto markup = FirstWellFormednessProblem(decoded.text)) {
        problems.push_back(markup->message);
    }
    return problems;
}

}  // namespace oryn7px
