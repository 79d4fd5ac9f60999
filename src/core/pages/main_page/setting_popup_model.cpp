#include "core/pages/main_page/setting_popup_model.h"

#include "core/settings/stored_text_limits.h"

#include <algorithm>

#include "core/i18n/key_names.h"
#include "core/pages/macro_page/macro_categories.h"

namespace oryn7px {

const std::array<BasicRow, kBasicRows> kBasicList{{
    {"str_close", 81},         {"str_lock", 82},         {"str_run", 84},          {"str_show", 85},
    {"str_win8_classic", 123}, {"str_win8_switch", 124}, {"str_win8_winp", 126},   {"str_win8_winm", 127},
    {"str_find", 125},         {"str_mouseleft", 1},     {"str_mouseright", 2},    {"str_mousemiddle", 4},
    {"str_pre", 8},            {"str_back", 16},         {"str_player", 40},       {"str_PL", 32},
    {"str_stop", 33},          {"str_pre_media", 34},    {"str_next_media", 35},   {"str_vol_dw", 38},
    {"str_vol_up", 37},        {"str_mute", 39},         {"str_snipe", 142},       {"str_fire", 143},
}};

namespace {

// Low-level keyboard flags of a press: plain, extended, injected, with Alt, in any mix.
bool IsPress(uint32_t flags) {
    return flags == 0 || flags == 1 || flags == 16 || flags == 17 || flags == 32 || flags == 33;
}

std::optional<KeyModifier> ModifierOf(uint32_t virtualKey) {
    switch (virtualKey) {
        case 16: case 160: case 161: return KeyModifier::kShift;
        case 17: case 162: case 163: return KeyModifier::kCtrl;
        case 18: case 164: case 165: return KeyModifier::kAlt;
        case 91: case 92: return KeyModifier::kWin;
        default: return std::nullopt;
    }
}

struct ModifierCode {
    uint32_t bit;
    uint32_t usage;  // the modifier's own key, when it is chosen alone
};
// Indexed by KeyModifier: Ctrl, Alt, Shift, Win.
constexpr std::array<ModifierCode, 4> kModifierCodes{{{0x01, 0xE0}, {0x04, 0xE2}, {0x02, 0xE1}, {0x08, 0xE3}}};

}  // namespace

// The games are the macro library's categories; this list spells Dota 2's Chinese name with a
// trailing blank.
std::u16string_view GameName(int row, bool chinese) {
    static_assert(kGameRows == static_cast<int>(macro_page::kCategoryCount));
    constexpr int kDotaRow = 12;
    const int game = std::clamp(row, 0, kGameRows - 1);
    if (chinese && game == kDotaRow) return u"远古遗迹守卫2（Dota 2） ";
    return macro_page::CategoryName(static_cast<uint32_t>(game) + macro_page::kFirstCategory, chinese);
}

SettingPopupModel::SettingPopupModel(int button, std::u16string currentName, int32_t currentFunction,
                                     KeyForwarding& forwarding, MacroLister macros, bool chinese)
    : nButton_(button),
      currentName_(std::move(currentName)),
      forwarding_(forwarding),
      macros_(std::move(macros)),
      bChinese_(chinese),
      bHostTabShown_(HostActionsOffered(button, currentFunction)) {
    macroRows_ = macros_(0);
}

void SettingPopupModel::SelectTab(PopupTab tab) {
    if (tab == PopupTab::kHost && !bHostTabShown_) return;
    if (bDisableChecked_) {
        selectedTab_ = PopupTab::kNone;
        visibleTab_ = PopupTab::kNone;
        return;
    }
    selectedTab_ = tab;
    visibleTab_ = tab;
    if (tab == PopupTab::kKey) {
        forwarding_.ForwardKeysToKeyTab();
    } else {
        forwarding_.StopForwarding();
    }
}

void SettingPopupModel::ClickClose() { Finish(PopupEnd::kCancel); }

void SettingPopupModel::ClickDisable() {
    bDisableChecked_ = !bDisableChecked_;
    SelectTab(PopupTab::kKey);
}

void SettingPopupModel::ClickDefault() {
    result_.nAssignValue = nDefaultFunction[static_cast<std::size_t>(nButton_)];
    Finish(PopupEnd::kOk);
}

std::optional<std::u16string> SettingPopupModel::ClickOk() {
    if (bDisableChecked_) {
        result_.nAssignValue = kDisabledValue;
        result_.nAssignType = kAssignDisabled;
    } else {
        if (auto problem = HostPathProblem()) return problem;
        TakeVisibleTabResult();
    }
    Finish(result_.nAssignValue != 0 ? PopupEnd::kOk : PopupEnd::kCancel);
    return std::nullopt;
}

void SettingPopupModel::Finish(PopupEnd end) {
    forwarding_.StopForwarding();
    end_ = end;
}

void SettingPopupModel::TakeVisibleTabResult() {
    switch (visibleTab_) {
        case PopupTab::kKey:
            result_.nAssignType = kAssignKey;
            result_.nAssignValue = static_cast<int32_t>(KeyValue());
            break;
        case PopupTab::kMacro:
            result_.nAssignValue = 0;
            if (nSelectedMacro_ >= 0) {
                result_.nAssignType = kAssignMacro;
                result_.nAssignValue = static_cast<int32_t>(macroRows_[static_cast<std::size_t>(nSelectedMacro_)].id);
            }
            break;
        case PopupTab::kBasic:
            result_.nAssignValue = nSelectedBasic_ >= 0 ? kBasicList[static_cast<std::size_t>(nSelectedBasic_)].code : 0;
            break;
        case PopupTab::kHost: {
            result_.nAssignValue = 0;
            const auto row = std::find(hostChecked_.begin(), hostChecked_.end(), true) - hostChecked_.begin();
            if (row >= kHostKindCount || hostPaths_[static_cast<std::size_t>(row)].empty()) break;
            result_.nAssignValue = HostValue(static_cast<int>(row), nButton_);
            result_.nAssignType = kAssignHost;
            result_.nHostKind = static_cast<int32_t>(row);
            result_.szAssignText = hostPaths_[static_cast<std::size_t>(row)].substr(0, kPathChars - 1);
            break;
        }
        case PopupTab::kNone:
            break;
    }
}

std::optional<std::u16string> SettingPopupModel::HostPathProblem() const {
    if (visibleTab_ != PopupTab::kHost) return std::nullopt;
    const auto row = std::find(hostChecked_.begin(), hostChecked_.end(), true) - hostChecked_.begin();
    if (row >= kHostKindCount) return std::nullopt;
    const std::u16string& path = hostPaths_[static_cast<std::size_t>(row)];
    if (path.empty()) return std::nullopt;  // nothing chosen: OK acts as cancel
    return CheckHostPath(static_cast<int>(row), path, bChinese_);
}

void SettingPopupModel::KeyEvent(uint32_t virtualKey, uint32_t flags) {
    if (const auto modifier = ModifierOf(virtualKey)) {
        if (IsPress(flags)) ToggleModifier(*modifier);
        return;
    }
    nChosenKey_ = virtualKey;
}

void SettingPopupModel::ToggleModifier(KeyModifier modifier) {
    bool& checked = modifiers_[static_cast<std::size_t>(modifier)];
    checked = !checked;
}

uint32_t SettingPopupModel::KeyValue() const {
    const uint32_t usage = nChosenKey_ == 0 ? 0 : VirtualKeyToUsage(static_cast<uint8_t>(nChosenKey_ & 0xFF));
    uint32_t bits = 0;
    int count = 0;
    const ModifierCode* single = nullptr;
    for (std::size_t m = 0; m < kModifierCodes.size(); ++m) {
        if (!modifiers_[m]) continue;
        bits |= kModifierCodes[m].bit;
        single = &kModifierCodes[m];
        ++count;
    }
    if (count == 0) return usage << 16;
    if (usage != 0) return (usage << 16) | (bits << 8);
    if (count == 1) return single->usage << 16;
    return 0;
}

void SettingPopupModel::SelectGame(int row) {
    if (row < 0 || row >= kGameRows || row == nSelectedGame_) return;
    nSelectedGame_ = row;
    macroRows_ = macros_(static_cast<uint32_t>(row + 1));
    nSelectedMacro_ = -1;
}

void SettingPopupModel::SelectMacro(int row) {
    nSelectedMacro_ = row >= 0 && row < static_cast<int>(macroRows_.size()) ? row : -1;
}

void SettingPopupModel::SelectBasic(int row) { nSelectedBasic_ = row >= 0 && row < kBasicRows ? row : -1; }

void SettingPopupModel::ClickHostRadio(int row) {
    for (int r = 0; r < kHostKindCount; ++r) hostChecked_[static_cast<std::size_t>(r)] = r == row;
}

std::optional<std::u16string> SettingPopupModel::SetHostPath(int row, std::u16string path) {
    ClickHostRadio(row);
    if (auto problem = StoredPathProblem(path, bChinese_)) return problem;
    hostPaths_[static_cast<std::size_t>(row)] = std::move(path);
    return std::nullopt;
}

}  // namespace oryn7px
