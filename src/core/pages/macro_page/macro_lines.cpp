#include "core/pages/macro_page/macro_lines.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/base/utf16.h"
#include "core/i18n/key_names.h"
#include "core/i18n/us_keyboard_layout.h"

namespace oryn7px::macro_page {

namespace {

constexpr uint32_t kMoveDistanceMask = 0x7FF;
constexpr uint32_t kMoveXNegative = 0x800;
constexpr uint32_t kMoveYNegative = 0x800000;

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// An optional minus and the digits after it, as a field shows a signed number.
long long SignedValue(std::u16string_view text) {
    const bool negative = !text.empty() && text.front() == u'-';
    const long long magnitude = std::min<uint32_t>(ReadDecimal(text.substr(negative ? 1 : 0)), 1000000);
    return negative ? -magnitude : magnitude;
}

}  // namespace

uint32_t PackMove(int x, int y) {
    const uint32_t ax = static_cast<uint32_t>(std::min(std::abs(x), kMaxMove));
    const uint32_t ay = static_cast<uint32_t>(std::min(std::abs(y), kMaxMove));
    return ax | (x < 0 ? kMoveXNegative : 0) | (ay << 12) | (y < 0 ? kMoveYNegative : 0);
}

int MoveX(uint32_t value) {
    const int distance = static_cast<int>(value & kMoveDistanceMask);
    return (value & kMoveXNegative) ? -distance : distance;
}

int MoveY(uint32_t value) {
    const int distance = static_cast<int>((value >> 12) & kMoveDistanceMask);
    return (value & kMoveYNegative) ? -distance : distance;
}

std::u16string KeyText(uint32_t virtualKey) {
    const std::u16string_view macroName = GetMacroKeyName(virtualKey);
    if (!macroName.empty()) return std::u16string(macroName);
    // Keys the editor's table leaves out (Print Screen, Clr, ...) still need a visible line.
    static const UsKeyboardLayout layout;
    std::u16string name = GetVirtualKeyName(virtualKey & 0xFF, layout);
    return name.empty() ? Ascii("VK " + std::to_string(virtualKey & 0xFF)) : name;
}

std::optional<uint32_t> KeyOfName(std::string_view name) {
    static const UsKeyboardLayout layout;
    const std::u16string wanted = Utf8ToUtf16(name);
    auto same = [&wanted](std::u16string_view candidate) {
        return !candidate.empty() && candidate.size() == wanted.size() &&
               std::equal(candidate.begin(), candidate.end(), wanted.begin(), [](char16_t a, char16_t b) {
                   auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
                   return lower(a) == lower(b);
               });
    };
    for (uint32_t key = 1; key <= 0xFF; ++key) {
        if (same(GetMacroKeyName(key))) return key;
    }
    for (uint32_t key = 1; key <= 0xFF; ++key) {
        if (same(GetVirtualKeyName(key, layout))) return key;
    }
    const bool hex = name.starts_with("0x") || name.starts_with("0X");
    const std::string_view digits = hex ? name.substr(2) : name;
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    uint32_t key = 0;
    for (char c : digits) {
        const int digit = c >= '0' && c <= '9' ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) return std::nullopt;
        key = key * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
    }
    if (key == 0 || key > 0xFF) return std::nullopt;
    return key;
}

std::u16string LineText(const EventLine& line) {
    switch (line.type) {
        case kLineDelay: return Ascii(std::to_string(line.value) + "  ms");
        case kLineMove:
            return Ascii("(" + std::to_string(MoveX(line.value)) + ", " + std::to_string(MoveY(line.value)) + ")");
        default: return KeyText(line.value);
    }
}

std::optional<EventLine> LineOfEvent(uint32_t eventWord) {
    const uint32_t value = EventValue(eventWord);
    switch (EventKind(eventWord)) {
        case kEventKeyUp: return EventLine{kLineKeyUp, value};
        case kEventKeyDown: return EventLine{kLineKeyDown, value};
        case kEventDelay: return EventLine{kLineDelay, value};
        case kEventMove: return EventLine{kLineMove, value};
        default: return std::nullopt;
    }
}

uint32_t EventOfLine(const EventLine& line) {
    switch (line.type) {
        case kLineKeyUp: return MakeEvent(kEventKeyUp, line.value);
        case kLineKeyDown: return MakeEvent(kEventKeyDown, line.value);
        case kLineDelay: return MakeEvent(kEventDelay, line.value);
        default: return MakeEvent(kEventMove, line.value);
    }
}

void MergeAdjacentDelays(std::vector<EventLine>& lines) {
    std::vector<EventLine> merged;
    merged.reserve(lines.size());
    for (const EventLine& line : lines) {
        if (line.type == kLineDelay && !merged.empty() && merged.back().type == kLineDelay) {
            merged.back().value = std::min(merged.back().value + line.value, kMaxDelayMs);
        } else {
            merged.push_back(line);
        }
    }
    lines = std::move(merged);
}

uint32_t ReadDecimal(std::u16string_view text) {
    uint64_t value = 0;
    for (char16_t c : text) {
        if (!IsDigit(c)) break;
        value = std::min<uint64_t>(value * 10 + (c - u'0'), 0xFFFFFFFF);
    }
    return static_cast<uint32_t>(value);
}

uint32_t RepeatValue(RepeatChoice choice, std::u16string_view countText) {
    if (choice == RepeatChoice::kRepeatFFFE) return 0xFFFE;
    if (choice == RepeatChoice::kRepeatFFFF) return 0xFFFF;
    const uint32_t count = ReadDecimal(countText);
    return count == 0 ? 1 : std::min(count, kMaxPlayCount);
}

RepeatChoice ChoiceOfRepeat(uint32_t repeat) {
    if (repeat == 0xFFFE) return RepeatChoice::kRepeatFFFE;
    if (repeat == 0xFFFF) return RepeatChoice::kRepeatFFFF;
    return RepeatChoice::kPlayCount;
}

std::u16string CountTextOfRepeat(uint32_t repeat) {
    return ChoiceOfRepeat(repeat) == RepeatChoice::kPlayCount ? Ascii(std::to_string(repeat)) : u"1";
}

std::u16string TidyCountText(std::u16string_view text) {
    const uint32_t count = ReadDecimal(text);
    if (count == 0) return u"1";
    return Ascii(std::to_string(std::min(count, kMaxTidyCount)));
}

std::u16string TidyMoveText(std::u16string_view text) {
    std::u16string tidy(text);
    if (!tidy.empty() && !IsDigit(tidy.back()) && tidy.back() != u'-') tidy.pop_back();
    if (tidy.empty()) tidy = u"0";
    if (tidy.size() == 2 && tidy.front() == u'0') tidy.erase(0, 1);
    const long long value = SignedValue(tidy);
    if (value > kMaxMove) return u"127";
    if (value < -kMaxMove) return u"-127";
    return tidy;
}

int MoveFieldValue(std::u16string_view text) {
    return static_cast<int>(std::clamp<long long>(SignedValue(text), -kMaxMove, kMaxMove));
}

MacroEntry BuildMacroEntry(const std::vector<EventLine>& lines, uint32_t macroId, std::u16string_view name,
                           uint32_t repeat) {
    MacroEntry entry{};
    const std::size_t lineCount = std::min<std::size_t>(lines.size(), kMaxMacroEvents);
    entry.dwSize = static_cast<uint32_t>(4100 + 4 * lineCount);
    entry.dwMagic = kMacroMagic;
    entry.dwMacroId = macroId;
    entry.dwRepeat = repeat;
    SetFixedText(entry.szName, name);
    auto first = std::find_if(lines.begin(), lines.end(), [](const EventLine& l) { return l.type != kLineDelay; });
    for (auto it = first; it != lines.end() && entry.dwEventCount < kMaxMacroEvents; ++it) {
        entry.dwEvents[entry.dwEventCount++] = EventOfLine(*it);
    }
    return entry;
}

}  // namespace oryn7px::macro_page
