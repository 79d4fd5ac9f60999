#include "text_escape.h"

#include <cstdio>

namespace oryn7px::cli {

namespace {

void AppendHex(std::string& out, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02X", value);
    out += buffer;
}

}  // namespace

std::string EscapeForText(std::string_view utf8, bool keepLineFeeds) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const bool c1 = byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if (byte == '\n' && keepLineFeeds) {
            out += '\n';
        } else if (byte == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            AppendHex(out, byte);
        } else if (c1) {
            // U+0080..U+009F: the 8-bit forms of ESC sequences (CSI is U+009B).
            AppendHex(out, static_cast<unsigned char>(utf8[++i]));
        } else {
            out += utf8[i];
        }
    }
    return out;
}

}  // namespace oryn7px::cli
