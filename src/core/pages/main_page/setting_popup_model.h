#pragma once
// The rules of the key-assignment popup without a screen: its four tabs (key, macro, basic,
// host action), the disable box, Default, OK and close, and the result it leaves.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/pages/main_page/assignment.h"
#include "core/settings/macro_library.h"

namespace oryn7px {

// Who hears the keyboard while the popup is open; the widget routes it through the input hooks.
class KeyForwarding {
public:
    virtual ~KeyForwarding() = default;
    // Key events to the key tab, mouse events to nobody.
    virtual void ForwardKeysToKeyTab() = 0;
    // Keyboard and mouse forwarding off; the hooks' owner is the main window again.
    virtual void StopForwarding() = 0;
};

enum class PopupTab { kNone = 0, kKey = 1, kMacro = 2, kBasic = 3, kHost = 4 };
enum class PopupEnd { kOpen, kOk, kCancel };
enum class KeyModifier { kCtrl, kAlt, kShift, kWin };

inline constexpr int kGameRows = 22;
inline constexpr int kBasicRows = 24;

struct BasicRow {
    const char* textKey;  // language key of the row's text
    int32_t code;
};
extern const std::array<BasicRow, kBasicRows> kBasicList;

// The game list of the macro tab; row r lists the macros of group r + 1.
std::u16string_view GameName(int row, bool chinese);

// The macros of a group, in table order.
using MacroLister = std::function<std::vector<MacroListItem>(uint32_t group)>;

class SettingPopupModel {
public:
    SettingPopupModel(int button, std::u16string currentName, int32_t currentFunction, KeyForwarding& forwarding,
                      MacroLister macros, bool chinese);

    // Selects the key tab, so the keyboard reaches it; call once the tab windows exist.
    void Open() { SelectTab(PopupTab::kKey); }

    int Button() const { return nButton_; }
    const std::u16string& CurrentName() const { return currentName_; }
    bool HostTabShown() const { return bHostTabShown_; }
    PopupTab SelectedTab() const { return selectedTab_; }
    PopupTab VisibleTab() const { return visibleTab_; }
    bool DisableChecked() const { return bDisableChecked_; }
    PopupEnd End() const { return end_; }
    const AssignmentResult& Result() const { return result_; }

    void SelectTab(PopupTab tab);
    void ClickClose();
    void ClickDisable();
    void ClickDefault();
    // Ends the popup, unless the host-action tab names a path that is not there: then the popup
    // stays open and the message says why.
    std::optional<std::u16string> ClickOk();

    // Key tab: a key event from the input hooks (virtual key, low-level keyboard flags).
    void KeyEvent(uint32_t virtualKey, uint32_t flags);
    void ToggleModifier(KeyModifier modifier);
    bool ModifierChecked(KeyModifier modifier) const { return modifiers_[static_cast<std::size_t>(modifier)]; }
    uint32_t ChosenKey() const { return nChosenKey_; }
    uint32_t KeyValue() const;

    // Macro tab.
    void SelectGame(int row);
    int SelectedGame() const { return nSelectedGame_; }
    const std::vector<MacroListItem>& Macros() const { return macroRows_; }
    void SelectMacro(int row);
    int SelectedMacro() const { return nSelectedMacro_; }

    // Basic tab.
    void SelectBasic(int row);
    int SelectedBasic() const { return nSelectedBasic_; }

    // Host-action tab.
    void ClickHostRadio(int row);
    bool HostChecked(int row) const { return hostChecked_[static_cast<std::size_t>(row)]; }
    // A confirmed file or folder dialog of row `row`.
    // Refuses (and says why) a path longer than the record holds; the row keeps its path.
    std::optional<std::u16string> SetHostPath(int row, std::u16string path);
    const std::u16string& HostPath(int row) const { return hostPaths_[static_cast<std::size_t>(row)]; }

private:
    void Finish(PopupEnd end);
    void TakeVisibleTabResult();
    std::optional<std::u16string> HostPathProblem() const;

    int nButton_;
    std::u16string currentName_;
    KeyForwarding& forwarding_;
    MacroLister macros_;
    bool bChinese_;
    bool bHostTabShown_;
    PopupTab selectedTab_ = PopupTab::kNone;
    PopupTab visibleTab_ = PopupTab::kNone;
    bool bDisableChecked_ = false;
    PopupEnd end_ = PopupEnd::kOpen;
    AssignmentResult result_;

    std::array<bool, 4> modifiers_{};
    uint32_t nChosenKey_ = 0;

    int nSelectedGame_ = -1;
    std::vector<MacroListItem> macroRows_;
    int nSelectedMacro_ = -1;

    int nSelectedBasic_ = -1;

    std::array<bool, kHostKindCount> hostChecked_{};
    std::array<std::u16string, kHostKindCount> hostPaths_;
};

}  // namespace oryn7px
