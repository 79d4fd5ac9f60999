#pragma once
// What the key-assignment popup hands back for a button, the three rules an assignment must
// pass, and how an accepted one is written into the button's record.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/interfaces/keyboard_layout.h"
#include "core/settings/file_records.h"

namespace oryn7px {

inline constexpr int32_t kFunctionClick = 1;
inline constexpr int32_t kFunctionDisable = 121;

// The assignment types: a plain function (the value is its code), or a function of its own.
inline constexpr int32_t kAssignPlain = 0;
inline constexpr int32_t kAssignKey = kFunctionKey;
inline constexpr int32_t kAssignMacro = kFunctionMacro;
inline constexpr int32_t kAssignHost = kFunctionHostAction;
inline constexpr int32_t kAssignDisabled = kFunctionDisable;

inline constexpr int32_t kFunctionSnipe = 142;
inline constexpr int32_t kFunctionDpiLoop = 146;
// The value the disable box leaves with type 121.
inline constexpr int32_t kDisabledValue = 7;
inline constexpr int kMaxMacroButtons = 4;
inline constexpr int kHostKindCount = 4;
// The eighth button, whose default is the DPI loop.
inline constexpr int kDpiButton = 7;

struct AssignmentResult {
    int32_t nAssignType = kAssignPlain;
    int32_t nAssignValue = 0;  // 0 = nothing chosen
    int32_t nHostKind = 0;     // 0 sound, 1 program, 2 file, 3 folder
    std::u16string szAssignText;
};

// The button's current record and the macro ids of the current profile, edited together.
struct ButtonRecords {
    ProfileData& profile;
    std::span<uint32_t, kButtonCount> buttonMacroIds;
};

// Null when the assignment is allowed; else the message of the first rule it breaks, in the
// language of the UI (left click, sniper, macros, in that order).
std::optional<std::u16string> CheckAssignment(const ProfileData& profile, int button, const AssignmentResult& result,
                                              bool chinese);

// Writes an accepted assignment into button `button` and its macro id. Fields the kind of
// assignment does not name keep their values.
void StoreAssignment(ButtonRecords records, int button, const AssignmentResult& result, const MacroTableData& macros,
                     const KeyboardLayout& layout, bool chinese);

// A default button name stored in the other language becomes the same name in the shown one.
std::u16string RepairedName(std::u16string_view name, bool chinese);

// Host actions are offered neither on the DPI button nor on a button that is disabled or
// cycles DPI.
bool HostActionsOffered(int button, int32_t currentFunction);

// 0xC0..0xF0 by kind, plus the button, in bits 16..23; 6 in bits 0..15.
int32_t HostValue(int kind, int button);
// dwKeyFunction of each host kind.
uint32_t HostKeyFunction(int kind);

// Null when `path` names what host action `kind` needs (an existing file, or a folder for
// kind 3); else why it does not, in the language of the UI.
std::optional<std::u16string> CheckHostPath(int kind, std::u16string_view path, bool chinese);

}  // namespace oryn7px
