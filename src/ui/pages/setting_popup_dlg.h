#pragma once
// The key-assignment popup: its frame (tabs, disable box, Default, OK, close) around the four
// tab windows. It leaves the user's choice in the model's AssignmentResult; the main page
// checks and stores it.
#include <QDialog>
#include <QImage>
#include <array>
#include <memory>

#include "core/pages/main_page/setting_popup_model.h"
#include "ui/pages/setting_popup_tabs.h"
#include "ui/skin/focus_chain.h"
#include "ui/skin/gdi_bitmap_btn.h"

namespace oryn7px {

class StringTable;
class UserMessages;

class CSettingDlg final : public QDialog {
    Q_OBJECT
public:
    struct Services {
        const StringTable& texts;
        UserMessages& messages;
        const KeyboardLayout& layout;
        const MacroLibrary& library;
        KeyForwarding& forwarding;
        // True while the input hooks bring the keyboard: the popup then ignores its own key events.
        bool hooksDeliverKeys;
        CSetting_AdvanceDlg::Browser browser;
    };

    CSettingDlg(QWidget* parent, int button, const std::u16string& currentName, int32_t currentFunction,
                bool chinese, Services services);
    ~CSettingDlg() override;

    const SettingPopupModel& Model() const { return model_; }
    // A key event from the input hooks, meant for the key tab.
    void OnHookKey(uint32_t virtualKey, uint32_t flags);
    // The key tab takes the keys (shown, or kept behind the disable box): Tab and the arrows are
    // keys to assign then, not moves.
    bool CapturesKeys() const;

    CGDIBitmapBtn* TabButton(int tab) const { return tabs_[static_cast<std::size_t>(tab - 1)]; }
    CGDIBitmapBtn* DisableBox() const { return disable_; }
    CGDIBitmapBtn* DefaultButton() const { return default_; }
    CGDIBitmapBtn* OkButton() const { return ok_; }
    CGDIBitmapBtn* CloseButton() const { return close_; }
    CSetting_SingleComboDlg* KeyTab() const { return keyTab_; }
    CSetting_MacroDlg* MacroTab() const { return macroTab_; }
    CSetting_BaseDlg* BasicTab() const { return basicTab_; }
    CSetting_AdvanceDlg* HostTab() const { return hostTab_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    CGDIBitmapBtn* AddButton(const LayoutRect& rect, bool checkDisplay);
    // The tabs, the shown tab window's controls, the disable box, Default, OK and close.
    FocusOrder KeyboardOrder() const;
    void ShowTabs();
    void Finish();
    void KeyFromQt(QKeyEvent* event, bool released);

    Services services_;
    SettingPopupModel model_;
    QImage normal_, down_, over_;
    std::array<CGDIBitmapBtn*, 4> tabs_{};
    CGDIBitmapBtn* close_ = nullptr;
    CGDIBitmapBtn* disable_ = nullptr;
    CGDIBitmapBtn* default_ = nullptr;
    CGDIBitmapBtn* ok_ = nullptr;
    CSetting_SingleComboDlg* keyTab_ = nullptr;
    CSetting_MacroDlg* macroTab_ = nullptr;
    CSetting_BaseDlg* basicTab_ = nullptr;
    CSetting_AdvanceDlg* hostTab_ = nullptr;
};

}  // namespace oryn7px
