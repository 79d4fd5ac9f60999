#include "key_combo_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>

namespace oryn7px::cli {

namespace {

constexpr std::array<std::pair<std::string_view, uint32_t>, 4> kModifiers{
    {{"ctrl", 0x11}, {"alt", 0x12}, {"shift", 0x10}, {"win", 0x5B}}};

constexpr std::array<std::pair<std::string_view, uint32_t>, 38> kNamedKeys{{
    {"esc", 0x1B},       {"tab", 0x09},        {"capslock", 0x14},   {"enter", 0x0D},     {"backspace", 0x08},
    {"space", 0x20},     {"printscreen", 0x2C}, {"scrolllock", 0x91}, {"pause", 0x13},     {"insert", 0x2D},
    {"home", 0x24},      {"pageup", 0x21},     {"delete", 0x2E},     {"end", 0x23},       {"pagedown", 0x22},
    {"up", 0x26},        {"down", 0x28},       {"left", 0x25},       {"right", 0x27},     {"numlock", 0x90},
    {"app", 0x5D},       {"num+", 0x6B},       {"num-", 0x6D},       {"num*", 0x6A},      {"num/", 0x6F},
    {"num.", 0x6E},      {"-", 0xBD},          {"=", 0xBB},          {"[", 0xDB},         {"]", 0xDD},
    {"\\", 0xDC},        {";", 0xBA},          {"'", 0xDE},          {",", 0xBC},         {".", 0xBE},
    {"/", 0xBF},         {"`", 0xC0},          {"plus", 0xBB},
}};

std::optional<uint32_t> KeyOf(std::string_view name) {
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') return 0x41 + (name[0] - 'a');
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return 0x30 + (name[0] - '0');
    if (name.size() == 4 && name.starts_with("num") && name[3] >= '0' && name[3] <= '9') return 0x60 + (name[3] - '0');
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' &&
        std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const int number = std::stoi(std::string(name.substr(1)));
        if (number >= 1 && number <= 12) return 0x70 + static_cast<uint32_t>(number - 1);
    }
    for (const auto& [known, key] : kNamedKeys)
        if (known == name) return key;
    return std::nullopt;
}

}  // namespace

std::optional<KeyComboText> ParseKeyCombo(const std::string& text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    KeyComboText combo;
    std::size_t start = 0;
    while (start <= lower.size()) {
        const std::size_t end = std::min(lower.find('+', start), lower.size());
        const std::string_view part = std::string_view(lower).substr(start, end - start);
        if (part.empty()) return std::nullopt;
        const auto modifier = std::find_if(kModifiers.begin(), kModifiers.end(),
                                           [part](const auto& m) { return m.first == part; });
        if (modifier != kModifiers.end()) {
            if (std::find(combo.modifiers.begin(), combo.modifiers.end(), modifier->second) != combo.modifiers.end())
                return std::nullopt;
            combo.modifiers.push_back(modifier->second);
        } else {
            const auto key = KeyOf(part);
            if (!key || combo.key != 0) return std::nullopt;
            combo.key = *key;
        }
        start = end + 1;
    }
    return combo;
}

std::string KnownKeyNames() {
    std::string names = "ctrl alt shift win; a..z 0..9 f1..f12 num0..num9";
    for (const auto& [name, key] : kNamedKeys) names += " " + std::string(name);
    return names;
}

}  // namespace oryn7px::cli
