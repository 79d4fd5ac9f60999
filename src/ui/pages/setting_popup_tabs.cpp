#include "ui/pages/setting_popup_tabs.h"

#include <QDir>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "core/base/messages.h"
#include "core/i18n/key_names.h"
#include "core/i18n/string_table.h"
#include "ui/skin/caption_painter.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"
#include "ui/skin/skin_scroll_wnd.h"

namespace oryn7px {

namespace sp = setting_popup;

// The host tab's rows and the key tab's boxes are the model's host kinds and modifiers.
static_assert(sp::kHostRadios.size() == kHostKindCount && sp::kHostPaths.size() == kHostKindCount &&
              sp::kHostBrowse.size() == kHostKindCount && sp::kHostLabelKeys.size() == kHostKindCount);
static_assert(sp::kModifierBoxes.size() == static_cast<std::size_t>(KeyModifier::kWin) + 1);
static_assert(sp::kTabs.size() == static_cast<std::size_t>(PopupTab::kHost));

namespace {

const QColor kKeyNameColour{0x17, 0x94, 0xC3};
const QColor kLabelColour{0xBD, 0xBD, 0xC8};
const QColor kListBackground{0x1E, 0x25, 0x2E};
const QColor kListSelected{0x00, 0x93, 0xD1};

QString Text(const TextSource& texts, const char* key) { return QString::fromStdU16String(texts.Text(key)); }

// Our colours and skinned scroll bars; the frame of the bars becomes the list's parent, so the
// list reports to its tab window directly.
void StyleList(CListBoxEx& list, QWidget* tab) {
    list.SetColours(kListBackground, kListSelected);
    list.SetTextColours(kLabelColour, Qt::white);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.SetNotificationTarget(tab, true);
    CSkinScrollWnd::Wrap(&list, LoadSkinImage(QStringLiteral("ScrollBar.png")));
}

// A filled list with no row chosen, as every tab starts.
void ClearChoice(CListBoxEx& list) {
    const QSignalBlocker quiet(&list);
    list.setCurrentRow(-1);
    list.clearSelection();
}

}  // namespace

CSettingTab::CSettingTab(QWidget* popup, SettingPopupModel& model, const StatePictures& pictures)
    : QWidget(popup),
      model_(model),
      normal_(SkinPicture(QString::fromLatin1(pictures.normal))),
      down_(SkinPicture(QString::fromLatin1(pictures.down))),
      over_(SkinPicture(QString::fromLatin1(pictures.over))) {
    setGeometry(ToQRect(sp::kTabPageArea));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void CSettingTab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    if (normal_.isNull()) {
        painter.fillRect(rect(), QColor(0x12, 0x17, 0x1E));
    } else {
        painter.drawImage(0, 0, normal_);
    }
}

CGDIBitmapBtn* CSettingTab::AddButton(const LayoutRect& rect, bool checkDisplay) {
    auto* button = new CGDIBitmapBtn;
    button->Create(ToQRect(rect), this, 0);
    button->SetPictures(ToQRect(rect), normal_, over_, down_, normal_);
    button->SetMode(checkDisplay, false);
    return button;
}

CSetting_SingleComboDlg::CSetting_SingleComboDlg(QWidget* popup, SettingPopupModel& model, const KeyboardLayout& layout,
                                                 const StringTable& strings)
    : CSettingTab(popup, model, sp::kKeyPictures), layout_(layout), strings_(strings) {
    const KeyModifier order[] = {KeyModifier::kCtrl, KeyModifier::kAlt, KeyModifier::kShift, KeyModifier::kWin};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        CGDIBitmapBtn* box = AddButton(sp::kModifierBoxes[i], true);
        box->setAccessibleName(QString::fromLatin1(sp::kModifierNames[i]));
        boxes_[static_cast<std::size_t>(order[i])] = box;
        connect(box, &QAbstractButton::clicked, this, [this, modifier = order[i]] {
            model_.ToggleModifier(modifier);
            ShowModifiers();
        });
    }
    down_ = over_ = QImage();
}

void CSetting_SingleComboDlg::OnHookKey(uint32_t virtualKey, uint32_t flags) {
    model_.KeyEvent(virtualKey, flags);
    ShowModifiers();
    update(ToQRect(sp::kKeyName));
    // The key is painted, not a control: it is read as the tab's description.
    setAccessibleDescription(ChosenKeyName());
}

QString CSetting_SingleComboDlg::ChosenKeyName() const {
    if (model_.ChosenKey() == 0) return {};
    return QString::fromStdU16String(GetVirtualKeyName(model_.ChosenKey(), layout_));
}

void CSetting_SingleComboDlg::ShowModifiers() {
    for (std::size_t m = 0; m < boxes_.size(); ++m) boxes_[m]->SetChecked(model_.ModifierChecked(static_cast<KeyModifier>(m)));
}

void CSetting_SingleComboDlg::paintEvent(QPaintEvent* event) {
    CSettingTab::paintEvent(event);
    QPainter painter(this);
    for (const CaptionPlace& place : sp::kKeyCaptureCaptions)
        PaintCaption(painter, ToQRect(place.box), CaptionText(strings_, place), place.style, place.align);
    if (model_.ChosenKey() == 0) return;
    painter.setFont(SkinFont(QStringLiteral("MS Shell Dlg"), 14, 300));
    painter.setPen(kKeyNameColour);
    painter.drawText(ToQRect(sp::kKeyName), Qt::AlignCenter | Qt::TextSingleLine, ChosenKeyName());
}

CSetting_MacroDlg::CSetting_MacroDlg(QWidget* popup, SettingPopupModel& model, const TextSource& texts, bool chinese)
    : CSettingTab(popup, model, sp::kMacroPictures), games_(new CListBoxEx), macros_(new CListBoxEx) {
    games_->Create(ToQRect(sp::kGameList), this, sp::kGameListId);
    games_->setAccessibleName(Text(texts, sp::kGameListNameKey));
    macros_->Create(ToQRect(sp::kMacroList), this, sp::kMacroListId);
    macros_->setAccessibleName(Text(texts, sp::kMacroListNameKey));
    for (CListBoxEx* list : {games_, macros_}) StyleList(*list, this);
    for (int row = 0; row < kGameRows; ++row)
        games_->AddRow(QString::fromStdU16String(std::u16string(GameName(row, chinese))), 0, static_cast<uint32_t>(row + 1));
    ClearChoice(*games_);
    FillMacros();
    down_ = over_ = QImage();
}

void CSetting_MacroDlg::FillMacros() {
    macros_->setUpdatesEnabled(false);
    {
        const QSignalBlocker quiet(macros_);
        macros_->clear();
        for (const MacroListItem& macro : model_.Macros())
            macros_->AddRow(QString::fromStdU16String(macro.name), 0, macro.id);
    }
    ClearChoice(*macros_);
    macros_->setUpdatesEnabled(true);
}

bool CSetting_MacroDlg::event(QEvent* event) {
    if (event->type() != MessageEvent::Type()) return CSettingTab::event(event);
    const Message& m = static_cast<MessageEvent*>(event)->message();
    if (m.msg != UM_LIST_SELCHANGE) return false;
    if (m.wParam == sp::kGameListId) {
        const int before = model_.SelectedGame();
        model_.SelectGame(static_cast<int>(m.lParam));
        if (model_.SelectedGame() != before) FillMacros();
    } else if (m.wParam == sp::kMacroListId) {
        model_.SelectMacro(static_cast<int>(m.lParam));
    }
    return true;
}

CSetting_BaseDlg::CSetting_BaseDlg(QWidget* popup, SettingPopupModel& model, const TextSource& texts)
    : CSettingTab(popup, model, sp::kBasicPictures), list_(new CListBoxEx) {
    list_->Create(ToQRect(sp::kBasicList), this, sp::kBasicListId);
    list_->setAccessibleName(Text(texts, sp::kTabTextKeys[2]));
    StyleList(*list_, this);
    list_->SetRowHeight(sp::kBasicRowHeight);
    for (const BasicRow& row : kBasicList) list_->AddRow(Text(texts, row.textKey), 0, static_cast<uint32_t>(row.code));
    ClearChoice(*list_);
    down_ = over_ = QImage();
}

bool CSetting_BaseDlg::event(QEvent* event) {
    if (event->type() != MessageEvent::Type()) return CSettingTab::event(event);
    const Message& m = static_cast<MessageEvent*>(event)->message();
    if (m.msg == UM_LIST_SELCHANGE && m.wParam == sp::kBasicListId) model_.SelectBasic(static_cast<int>(m.lParam));
    return true;
}

CSetting_AdvanceDlg::CSetting_AdvanceDlg(QWidget* popup, SettingPopupModel& model, const TextSource& texts,
                                         UserMessages& messages, Browser browser)
    : CSettingTab(popup, model, sp::kHostPictures), texts_(texts), messages_(messages), browser_(std::move(browser)) {
    for (int row = 0; row < kHostKindCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        radios_[r] = AddButton(sp::kHostRadios[r], true);
        radios_[r]->SetRole(QAccessible::RadioButton);
        connect(radios_[r], &QAbstractButton::clicked, this, [this, row] {
            model_.ClickHostRadio(row);
            ShowRows();
        });
        // Text fields only: a click does nothing, a double click browses.
        paths_[r] = AddButton(sp::kHostPaths[r], false);
        paths_[r]->SetRole(QAccessible::StaticText);
        paths_[r]->SetTextColours(QColor(0x26, 0x2A, 0x2F), QColor(0x26, 0x2A, 0x2F), QColor(0x26, 0x2A, 0x2F));
        paths_[r]->installEventFilter(this);
        browse_[r] = AddButton(sp::kHostBrowse[r], false);
        connect(browse_[r], &QAbstractButton::clicked, this, [this, row] { Browse(row); });
    }
    Relabel(texts);
    down_ = over_ = QImage();
}

void CSetting_AdvanceDlg::Relabel(const TextSource& texts) {
    for (CGDIBitmapBtn* browse : browse_) {
        browse->SetText(Text(texts, sp::kBrowseTextKey));
        browse->SetTooltip(Text(texts, sp::kBrowseTextKey), true);
    }
    // A row's radio button and its path are named by the row's painted label; a path that is
    // set reads as itself.
    for (std::size_t row = 0; row < radios_.size(); ++row) {
        radios_[row]->setAccessibleName(Text(texts, sp::kHostLabelKeys[row]));
        paths_[row]->setAccessibleName(Text(texts, sp::kHostLabelKeys[row]));
    }
}

QString CSetting_AdvanceDlg::PathText(int row) const { return paths_[static_cast<std::size_t>(row)]->GetText(); }

void CSetting_AdvanceDlg::Browse(int row) {
    model_.ClickHostRadio(row);
    ShowRows();
    const QString path = browser_(row, this);
    if (path.isEmpty()) return;
    if (const auto refused = model_.SetHostPath(row, path.toStdU16String())) messages_.ShowInfoBox(*refused, false);
    ShowRows();
}

void CSetting_AdvanceDlg::ShowRows() {
    for (int row = 0; row < kHostKindCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        radios_[r]->SetChecked(model_.HostChecked(row));
        paths_[r]->SetText(QString::fromStdU16String(model_.HostPath(row)));
        paths_[r]->setToolTip(paths_[r]->GetText());
    }
}

bool CSetting_AdvanceDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int row = 0; row < kHostKindCount; ++row) {
            if (watched != paths_[static_cast<std::size_t>(row)]) continue;
            Browse(row);
            return true;
        }
    }
    return CSettingTab::eventFilter(watched, event);
}

void CSetting_AdvanceDlg::paintEvent(QPaintEvent* event) {
    CSettingTab::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kLabelColour);
    for (std::size_t row = 0; row < sp::kHostLabels.size(); ++row) {
        const QRect box = ToQRect(sp::kHostLabels[row]);
        const QString label = Text(texts_, sp::kHostLabelKeys[row]);
        painter.setFont(FittingSkinFont(QStringLiteral("MS Shell Dlg"), 14, 8, 300, label, box.width()));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, label);
    }
}

QString BrowseHostPath(int row, QWidget* parent) {
    const QString home = QDir::homePath();
    switch (row) {
        case 0: {
            const QString sounds = QDir(QStringLiteral("/usr/share/sounds")).exists() ? QStringLiteral("/usr/share/sounds") : home;
            return QFileDialog::getOpenFileName(parent, QString(), sounds, QStringLiteral("(*.wav*)"));
        }
        case 1:
            return QFileDialog::getOpenFileName(parent, QString(), QStringLiteral("/usr/bin"), QStringLiteral("(*)"));
        case 2:
            return QFileDialog::getOpenFileName(parent, QString(), home, QStringLiteral("(*.*)"));
        default:
            return QFileDialog::getExistingDirectory(parent, QString(), home);
    }
}

}  // namespace oryn7px
