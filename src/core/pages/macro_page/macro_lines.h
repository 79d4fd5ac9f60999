#pragma once
// The lines of the macro editor's event list and the rules that turn them into a library entry:
// texts, delay merging, repeat choice and the tidying of the page's number fields.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/file_records.h"

namespace oryn7px::macro_page {

// Line types of the event list (also the row picture kinds).
inline constexpr uint32_t kLineKeyUp = 2;
inline constexpr uint32_t kLineKeyDown = 3;
inline constexpr uint32_t kLineDelay = 4;
inline constexpr uint32_t kLineMove = 5;

// A delay line never holds more: merged sums and recorded pauses stop here.
inline constexpr uint32_t kMaxDelayMs = 327670;
inline constexpr uint32_t kMaxModifiedDelay = 0xFFFFFF;
inline constexpr int kMaxMove = 127;
inline constexpr uint32_t kMaxPlayCount = 0xFFFD;
// The count field's timer keeps it one below the largest play count.
inline constexpr uint32_t kMaxTidyCount = 65533;

struct EventLine {
    uint32_t type = 0;
    uint32_t value = 0;  // 24 bits: virtual key, milliseconds or the packed move

    friend bool operator==(const EventLine&, const EventLine&) = default;
};

// The event list on show: its lines and the selected one (-1: none).
struct EventList {
    std::vector<EventLine> lines;
    int selected = -1;

    bool HasSelection() const { return selected >= 0 && selected < static_cast<int>(lines.size()); }
    EventLine& Selected() { return lines[static_cast<std::size_t>(selected)]; }
};

enum class RepeatChoice { kPlayCount = 1, kRepeatFFFE = 2, kRepeatFFFF = 3 };

inline constexpr bool IsKeyLine(uint32_t type) { return type == kLineKeyUp || type == kLineKeyDown; }

// X and Y as a move event's value: a distance and a sign bit each.
uint32_t PackMove(int x, int y);
int MoveX(uint32_t value);
int MoveY(uint32_t value);

// The list text of a line: the key's name, "%d  ms" or "(%d, %d)".
std::u16string LineText(const EventLine& line);
// The name shown for a captured or recorded key.
std::u16string KeyText(uint32_t virtualKey);

// The key a name stands for, as the editor or the key names print it (any case), else a
// virtual-key number 1..255 (decimal or 0x-hexadecimal). Names win: "1" is the digit key.
std::optional<uint32_t> KeyOfName(std::string_view name);

// The line an event word shows as; nothing for a kind the editor does not know.
std::optional<EventLine> LineOfEvent(uint32_t eventWord);
uint32_t EventOfLine(const EventLine& line);

// Each delay directly after another is added into the earlier one (capped) and removed.
void MergeAdjacentDelays(std::vector<EventLine>& lines);

// A number field read as the page reads it: leading decimal digits, 0 when there are none.
uint32_t ReadDecimal(std::u16string_view text);

// dwRepeat from the repeat buttons and the count field.
uint32_t RepeatValue(RepeatChoice choice, std::u16string_view countText);
// The repeat buttons and count text that show a stored repeat value.
RepeatChoice ChoiceOfRepeat(uint32_t repeat);
std::u16string CountTextOfRepeat(uint32_t repeat);

// The count field after the timer's tidy: no leading zeros, 1..65533.
std::u16string TidyCountText(std::u16string_view text);
// A move field after a change: empty becomes "0", a leading 0 of two characters goes, a last
// character other than a digit or "-" goes, and values beyond ±127 are clamped.
std::u16string TidyMoveText(std::u16string_view text);
// The value a move field shows (0 for "-" alone).
int MoveFieldValue(std::u16string_view text);

// The library entry of a list: leading delays dropped, repeat and name as given. The lines must
// already be merged; nothing past the entry's 1000 events is read.
MacroEntry BuildMacroEntry(const std::vector<EventLine>& lines, uint32_t macroId, std::u16string_view name,
                           uint32_t repeat);

}  // namespace oryn7px::macro_page
