#pragma once
// The four tab windows of the key-assignment popup. Each shows its part of the popup model and
// forwards the user's choices to it.
#include <QImage>
#include <QLineEdit>  // CListBoxEx hands out its edit box
#include <QWidget>
#include <array>
#include <functional>

#include "core/layout/setting_popup_layout.h"
#include "core/pages/main_page/setting_popup_model.h"
#include "core/interfaces/keyboard_layout.h"
#include "core/interfaces/user_messages.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/list_box_ex.h"

namespace oryn7px {

class StringTable;
class TextSource;

// What every tab window shares: its place in the popup, its pictures, the model.
class CSettingTab : public QWidget {
    Q_OBJECT
public:
    CSettingTab(QWidget* popup, SettingPopupModel& model, const StatePictures& pictures);

protected:
    void paintEvent(QPaintEvent* event) override;
    CGDIBitmapBtn* AddButton(const LayoutRect& rect, bool checkDisplay);

    SettingPopupModel& model_;
    QImage normal_, down_, over_;  // dropped once the controls have their pieces
};

// Key or key combination: the modifier boxes and the key typed. It takes every key, and says how
// to leave it.
class CSetting_SingleComboDlg final : public CSettingTab {
    Q_OBJECT
public:
    CSetting_SingleComboDlg(QWidget* popup, SettingPopupModel& model, const KeyboardLayout& layout,
                            const StringTable& strings);
    // A key event as the input hooks deliver it (virtual key, low-level flags).
    void OnHookKey(uint32_t virtualKey, uint32_t flags);
    CGDIBitmapBtn* ModifierBox(KeyModifier modifier) const { return boxes_[static_cast<std::size_t>(modifier)]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowModifiers();
    QString ChosenKeyName() const;

    const KeyboardLayout& layout_;
    const StringTable& strings_;
    std::array<CGDIBitmapBtn*, 4> boxes_{};
};

// A recorded macro: the game list and the macros of the chosen game.
class CSetting_MacroDlg final : public CSettingTab {
    Q_OBJECT
public:
    CSetting_MacroDlg(QWidget* popup, SettingPopupModel& model, const TextSource& texts, bool chinese);
    CListBoxEx* GameList() const { return games_; }
    CListBoxEx* MacroList() const { return macros_; }

protected:
    bool event(QEvent* event) override;

private:
    void FillMacros();

    CListBoxEx* games_;
    CListBoxEx* macros_;
};

// A function from the fixed basic list.
class CSetting_BaseDlg final : public CSettingTab {
    Q_OBJECT
public:
    CSetting_BaseDlg(QWidget* popup, SettingPopupModel& model, const TextSource& texts);
    CListBoxEx* List() const { return list_; }

protected:
    bool event(QEvent* event) override;

private:
    CListBoxEx* list_;
};

// An action of this computer: play a sound, run a program, open a file or a folder.
class CSetting_AdvanceDlg final : public CSettingTab {
    Q_OBJECT
public:
    // Asks the user for a path of row `row`; empty when the dialog was cancelled.
    using Browser = std::function<QString(int row, QWidget* parent)>;

    CSetting_AdvanceDlg(QWidget* popup, SettingPopupModel& model, const TextSource& texts, UserMessages& messages,
                        Browser browser);
    CGDIBitmapBtn* Radio(int row) const { return radios_[static_cast<std::size_t>(row)]; }
    CGDIBitmapBtn* BrowseButton(int row) const { return browse_[static_cast<std::size_t>(row)]; }
    QString PathText(int row) const;
    void Browse(int row);
    void Relabel(const TextSource& texts);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowRows();

    const TextSource& texts_;
    UserMessages& messages_;
    Browser browser_;
    std::array<CGDIBitmapBtn*, 4> radios_{};
    std::array<CGDIBitmapBtn*, 4> paths_{};
    std::array<CGDIBitmapBtn*, 4> browse_{};
};

// The file and folder dialogs of the host-action rows, started where such files usually live here.
QString BrowseHostPath(int row, QWidget* parent);

}  // namespace oryn7px
