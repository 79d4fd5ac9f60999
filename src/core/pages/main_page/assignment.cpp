#include "core/pages/main_page/assignment.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "core/base/utf16.h"
#include "core/i18n/function_names.h"
#include "core/i18n/key_names.h"
#include "core/settings/macro_library.h"

namespace oryn7px {

namespace {

struct NamePair {
    std::u16string_view chinese;
    std::u16string_view english;
};

constexpr std::array<NamePair, kButtonCount> kDefaultNames{{{u"单击", u"Click"},
                                                            {u"中键", u"Middle"},
                                                            {u"菜单", u"Menu"},
                                                            {u"前进", u"Forward"},
                                                            {u"后退", u"Back"},
                                                            {u"滚轮前滚", u"Scroll up"},
                                                            {u"滚轮后滚", u"Scroll down"},
                                                            {u"DPI循环", u"DPI loop"}}};

constexpr NamePair kLeftClickRule{u"请保留至少一个键为\"单击\"功能!",
                                  u"At least one button must be configured as 'Left click'!"};
constexpr NamePair kSniperRule{u"此按键不可使用狙击功能!", u"This key can not use the sniper function!"};
constexpr NamePair kMacroRule{u"最大应用%d个宏", u"Maximum %d macros"};
constexpr NamePair kMissingFile{u"文件不存在：%s", u"The file %s does not exist."};
constexpr NamePair kMissingFolder{u"文件夹不存在：%s", u"The folder %s does not exist."};

constexpr std::array<uint32_t, kHostKindCount> kHostKeyFunctions{kHostPlaySound, kHostRunProgram, kHostOpenFile,
                                                                 kHostOpenFolder};

std::u16string_view Pick(const NamePair& pair, bool chinese) { return chinese ? pair.chinese : pair.english; }

std::u16string FormatD(std::u16string_view format, int value) {
    std::u16string text(format);
    const std::size_t at = text.find(u"%d");
    if (at == std::u16string::npos) return text;
    const std::string digits = std::to_string(value);
    return text.replace(at, 2, std::u16string(digits.begin(), digits.end()));
}

bool IsClick(const AssignmentResult& result) {
    return result.nAssignType == kAssignPlain && result.nAssignValue == kFunctionClick;
}

}  // namespace

std::optional<std::u16string> CheckAssignment(const ProfileData& profile, int button, const AssignmentResult& result,
                                              bool chinese) {
    bool otherClick = false;
    int macroButtons = 0;
    for (int b = 0; b < kButtonCount; ++b) {
        if (b != button && profile.Buttons[b].nFunction == kFunctionClick) otherClick = true;
        if (profile.Buttons[b].nFunction == kFunctionMacro) ++macroButtons;
    }
    if (!IsClick(result) && !otherClick) return std::u16string(Pick(kLeftClickRule, chinese));
    if (result.nAssignValue == kFunctionSnipe && (button == 5 || button == 6)) {
        return std::u16string(Pick(kSniperRule, chinese));
    }
    // The button being assigned counts too, so a fourth macro cannot even be swapped for another.
    if (result.nAssignType == kAssignMacro && macroButtons >= kMaxMacroButtons) {
        return FormatD(Pick(kMacroRule, chinese), macroButtons);
    }
    return std::nullopt;
}

void StoreAssignment(ButtonRecords records, int button, const AssignmentResult& result, const MacroTableData& macros,
                     const KeyboardLayout& layout, bool chinese) {
    ButtonSetting& setting = records.profile.Buttons[button];
    records.buttonMacroIds[static_cast<std::size_t>(button)] = 0;
    setting.nFunction = result.nAssignType;
    switch (result.nAssignType) {
        case kAssignKey:
            setting.dwKeyValue = static_cast<uint32_t>(result.nAssignValue);
            SetFixedText(setting.szName, GetKeyComboName(setting.dwKeyValue, layout));
            break;
        case kAssignMacro: {
            const auto id = static_cast<uint32_t>(result.nAssignValue);
            records.buttonMacroIds[static_cast<std::size_t>(button)] = id;
            setting.nMacroId = id;
            // The popup lists existing macros only; an id without a macro keeps the old name.
            if (const MacroEntry* entry = FindMacroEntry(macros, id)) SetFixedText(setting.szName, FixedText(entry->szName));
            break;
        }
        case kAssignHost:
            setting.dwHostValue = static_cast<uint32_t>(result.nAssignValue);
            SetFixedText(setting.PathName, result.szAssignText);
            SetFixedText(setting.szName, result.szAssignText);
            setting.dwKeyFunction = HostKeyFunction(result.nHostKind);
            break;
        case kAssignDisabled:
            SetFixedText(setting.szName, GetFunctionName(kFunctionDisable, chinese));
            break;
        default:
            setting.nFunction = result.nAssignValue;
            SetFixedText(setting.szName, GetFunctionName(result.nAssignValue, chinese));
            break;
    }
}

std::u16string RepairedName(std::u16string_view name, bool chinese) {
    for (const NamePair& pair : kDefaultNames) {
        if (name == Pick(pair, !chinese)) return std::u16string(Pick(pair, chinese));
    }
    return std::u16string(name);
}

bool HostActionsOffered(int button, int32_t currentFunction) {
    return button != kDpiButton && currentFunction != kFunctionDpiLoop && currentFunction != kFunctionDisable;
}

int32_t HostValue(int kind, int button) {
    const uint32_t high = (HostKeyFunction(kind) + static_cast<uint32_t>(button)) & 0xFF;
    return static_cast<int32_t>((high << 16) | 6);
}

uint32_t HostKeyFunction(int kind) {
    return kHostKeyFunctions[static_cast<std::size_t>(std::clamp(kind, 0, kHostKindCount - 1))];
}

std::optional<std::u16string> CheckHostPath(int kind, std::u16string_view path, bool chinese) {
    std::error_code ec;
    const std::filesystem::path file(Utf16ToUtf8(path));
    const bool folder = kind == 3;
    const bool fits = folder ? std::filesystem::is_directory(file, ec)
                             : std::filesystem::exists(file, ec) && !std::filesystem::is_directory(file, ec);
    if (!path.empty() && fits) return std::nullopt;
    return FormatS(Pick(folder ? kMissingFolder : kMissingFile, chinese), path);
}

}  // namespace oryn7px
