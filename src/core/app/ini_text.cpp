#include "core/app/ini_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <vector>

namespace oryn7px {

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return Trim(line.substr(1, line.size() - 2));
}

// The value of a "key=value" line for `key`.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view key) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || !SameName(Trim(line.substr(0, equals)), key)) return std::nullopt;
    return Trim(line.substr(equals + 1));
}

}  // namespace

int ReadIniInt(std::string_view text, std::string_view section, std::string_view key, int fallback) {
    bool inSection = false;
    for (std::string_view line : Lines(text)) {
        if (const auto name = SectionOf(line)) {
            inSection = SameName(*name, section);
        } else if (inSection) {
            const auto value = ValueOf(line, key);
            if (!value) continue;
            int number = 0;
            const auto [end, error] = std::from_chars(value->data(), value->data() + value->size(), number);
            return error == std::errc() ? number : fallback;
        }
    }
    return fallback;
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value);
    std::string result;
    bool inSection = false;
    bool done = false;
    auto addLine = [&result](std::string_view line) {
        result += line;
        result += '\n';
    };
    for (std::string_view line : Lines(text)) {
        if (const auto name = SectionOf(line)) {
            if (inSection && !done) {
                addLine(entry);
                done = true;
            }
            inSection = SameName(*name, section);
        } else if (inSection && !done && ValueOf(line, key)) {
            addLine(entry);
            done = true;
            continue;
        }
        addLine(line);
    }
    if (!done) {
        if (!inSection) addLine("[" + std::string(section) + "]");
        addLine(entry);
    }
    return result;
}

}  // namespace oryn7px
