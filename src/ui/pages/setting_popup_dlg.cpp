#include "ui/pages/setting_popup_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <optional>

#include "core/layout/setting_popup_layout.h"
#include "core/i18n/string_table.h"
#include "core/i18n/text_source.h"
#include "core/interfaces/user_messages.h"
#include "ui/skin/focus_mark.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace sp = setting_popup;

namespace {

const QColor kTitleColour{0x58, 0x5F, 0x69};
const QColor kLineColour{0xBD, 0xBD, 0xC8};
const QColor kTabText{0x53, 0x61, 0x67};

QString Text(const TextSource& texts, const char* key) { return QString::fromStdU16String(texts.Text(key)); }

// Low-level keyboard flags of a released key.
constexpr uint32_t kKeyReleased = 0x80;

// The keys a user may type into the popup itself while no input hooks bring the keyboard.
std::optional<uint32_t> VirtualKeyFromQtKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 0x41 + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 0x30 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 0x70 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Control: return 0xA2;
        case Qt::Key_Shift: return 0xA0;
        case Qt::Key_Alt: return 0xA4;
        case Qt::Key_Meta:
        case Qt::Key_Super_L: return 0x5B;
        case Qt::Key_Tab: return 0x09;
        case Qt::Key_Backspace: return 0x08;
        case Qt::Key_Delete: return 0x2E;
        case Qt::Key_Insert: return 0x2D;
        case Qt::Key_Home: return 0x24;
        case Qt::Key_End: return 0x23;
        case Qt::Key_PageUp: return 0x21;
        case Qt::Key_PageDown: return 0x22;
        case Qt::Key_Left: return 0x25;
        case Qt::Key_Up: return 0x26;
        case Qt::Key_Right: return 0x27;
        case Qt::Key_Down: return 0x28;
        default: return std::nullopt;
    }
}

bool IsFilteredKey(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Space: return true;
        default: return false;
    }
}

}  // namespace

CSettingDlg::CSettingDlg(QWidget* parent, int button, const std::u16string& currentName, int32_t currentFunction,
                         bool chinese, Services services)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      services_(std::move(services)),
      model_(button, currentName, currentFunction, services_.forwarding,
             [library = &services_.library](uint32_t group) { return library->ListMacros(group); }, chinese),
      normal_(SkinPicture(QString::fromLatin1(sp::kFramePictures.normal))),
      down_(SkinPicture(QString::fromLatin1(sp::kFramePictures.down))),
      over_(SkinPicture(QString::fromLatin1(sp::kFramePictures.over))) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(normal_.isNull() ? QSize(sp::kWidth, sp::kHeight) : LogicalSize(normal_));
    if (QWidget* host = parent ? parent->window() : nullptr)
        move(host->frameGeometry().center() - QPoint(width() / 2, height() / 2));

    // The title and the current function are painted: assistive technology reads them as the
    // popup's name and description.
    setAccessibleName(Text(services_.texts, sp::kTitleTextKey));
    setAccessibleDescription(Text(services_.texts, sp::kCurrentFunctionTextKey) + QString::fromStdU16String(model_.CurrentName()));
    close_ = AddButton(sp::kCloseButton, false);
    close_->setAccessibleName(Text(services_.texts, sp::kCloseTextKey));
    connect(close_, &QAbstractButton::clicked, this, [this] {
        model_.ClickClose();
        Finish();
    });
    for (int t = 1; t <= 4; ++t) {
        CGDIBitmapBtn* tab = AddButton(sp::kTabs[static_cast<std::size_t>(t - 1)], true);
        tab->SetText(Text(services_.texts, sp::kTabTextKeys[static_cast<std::size_t>(t - 1)]));
        tab->SetTextColours(kTabText, Qt::white, Qt::white);
        tab->SetRole(QAccessible::PageTab);
        connect(tab, &QAbstractButton::clicked, this, [this, t] {
            model_.SelectTab(static_cast<PopupTab>(t));
            ShowTabs();
        });
        tabs_[static_cast<std::size_t>(t - 1)] = tab;
    }
    tabs_[3]->setVisible(model_.HostTabShown());
    disable_ = AddButton(sp::kDisableBox, true);
    disable_->SetTooltip(Text(services_.texts, sp::kDisableTextKey), true);
    connect(disable_, &QAbstractButton::clicked, this, [this] {
        model_.ClickDisable();
        ShowTabs();
    });
    default_ = AddButton(sp::kDefaultButton, false);
    default_->SetText(Text(services_.texts, sp::kDefaultButtonTextKey));
    connect(default_, &QAbstractButton::clicked, this, [this] {
        model_.ClickDefault();
        Finish();
    });
    ok_ = AddButton(sp::kOkButton, false);
    ok_->SetText(Text(services_.texts, sp::kOkButtonTextKey));
    connect(ok_, &QAbstractButton::clicked, this, [this] {
        if (const auto refusal = model_.ClickOk()) {
            services_.messages.ShowInfoBox(*refusal, false);
            return;
        }
        Finish();
    });
    down_ = over_ = QImage();

    keyTab_ = new CSetting_SingleComboDlg(this, model_, services_.layout, services_.texts);
    macroTab_ = new CSetting_MacroDlg(this, model_, services_.texts, chinese);
    basicTab_ = new CSetting_BaseDlg(this, model_, services_.texts);
    hostTab_ = new CSetting_AdvanceDlg(this, model_, services_.texts, services_.messages, services_.browser);
    // Each tab window is named as its tab.
    const std::array<QWidget*, 4> tabWindows{keyTab_, macroTab_, basicTab_, hostTab_};
    for (std::size_t t = 0; t < tabWindows.size(); ++t) tabWindows[t]->setAccessibleName(tabs_[t]->GetText());
    new KeyboardUse(this, KeyboardUse::InUse(parent));
    TakeFocus(KeyboardOrder());
    model_.Open();
    ShowTabs();
    qApp->installEventFilter(this);
}

CSettingDlg::~CSettingDlg() {
    qApp->removeEventFilter(this);
    // However the popup went, the keyboard no longer belongs to it.
    services_.forwarding.StopForwarding();
}

CGDIBitmapBtn* CSettingDlg::AddButton(const LayoutRect& rect, bool checkDisplay) {
    auto* button = new CGDIBitmapBtn;
    button->Create(ToQRect(rect), this, 0);
    button->SetPictures(ToQRect(rect), normal_, over_, down_, normal_);
    button->SetMode(checkDisplay, false);
    return button;
}

void CSettingDlg::ShowTabs() {
    for (int t = 1; t <= 4; ++t) tabs_[static_cast<std::size_t>(t - 1)]->SetChecked(model_.SelectedTab() == static_cast<PopupTab>(t));
    disable_->SetChecked(model_.DisableChecked());
    keyTab_->setVisible(model_.VisibleTab() == PopupTab::kKey);
    macroTab_->setVisible(model_.VisibleTab() == PopupTab::kMacro);
    basicTab_->setVisible(model_.VisibleTab() == PopupTab::kBasic);
    hostTab_->setVisible(model_.VisibleTab() == PopupTab::kHost);
    // While keys are captured no control holds the focus: none looks as if Space would press it.
    if (CapturesKeys()) setFocus();
}

bool CSettingDlg::CapturesKeys() const { return model_.VisibleTab() == PopupTab::kKey || model_.DisableChecked(); }

// Top to bottom: the tabs, the tab window's controls, the disable box, Default and OK; the close
// button last. The tabs are chosen as the arrows reach them, as a click would.
FocusOrder CSettingDlg::KeyboardOrder() const {
    const std::vector<QWidget*> tabs{tabs_.begin(), tabs_.end()};
    std::vector<QWidget*> hostRadios;
    FocusOrder order;
    order.chain = tabs;
    for (KeyModifier modifier : {KeyModifier::kCtrl, KeyModifier::kAlt, KeyModifier::kShift, KeyModifier::kWin})
        order.chain.push_back(keyTab_->ModifierBox(modifier));
    order.chain.insert(order.chain.end(), {macroTab_->GameList(), macroTab_->MacroList(), basicTab_->List()});
    for (int row = 0; row < kHostKindCount; ++row) {
        hostRadios.push_back(hostTab_->Radio(row));
        order.chain.insert(order.chain.end(), {hostTab_->Radio(row), hostTab_->BrowseButton(row)});
    }
    order.chain.insert(order.chain.end(), {disable_, default_, ok_, close_});
    order.groups = {RadioGroup(tabs), RadioGroup(hostRadios)};
    return order;
}

void CSettingDlg::Finish() {
    if (model_.End() == PopupEnd::kOk) {
        accept();
    } else if (model_.End() == PopupEnd::kCancel) {
        reject();
    }
}

void CSettingDlg::OnHookKey(uint32_t virtualKey, uint32_t flags) {
    if (CapturesKeys()) keyTab_->OnHookKey(virtualKey, flags);
}

void CSettingDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    if (normal_.isNull()) {
        painter.fillRect(rect(), QColor(0x1A, 0x20, 0x28));
    } else {
        painter.drawImage(0, 0, normal_);
    }
    const auto draw = [&painter](const LayoutRect& area, const QString& text, QColor colour, int align) {
        const QRect box = ToQRect(area);
        painter.setFont(FittingSkinFont(QStringLiteral("MS Shell Dlg"), 14, 8, 300, text, box.width()));
        painter.setPen(colour);
        painter.drawText(box, align | Qt::AlignVCenter | Qt::TextSingleLine, text);
    };
    draw(sp::kTitle, Text(services_.texts, sp::kTitleTextKey), kTitleColour, Qt::AlignHCenter);
    draw(sp::kCurrentFunction, Text(services_.texts, sp::kCurrentFunctionTextKey) + QString::fromStdU16String(model_.CurrentName()),
         kLineColour, Qt::AlignLeft);
    draw(sp::kDisableText, Text(services_.texts, sp::kDisableTextKey), kLineColour, Qt::AlignLeft);
}

void CSettingDlg::KeyFromQt(QKeyEvent* event, bool released) {
    if (services_.hooksDeliverKeys) return;
    if (const auto virtualKey = VirtualKeyFromQtKey(event->key())) OnHookKey(*virtualKey, released ? kKeyReleased : 0);
}

void CSettingDlg::keyPressEvent(QKeyEvent* event) {
    if (IsArrowKey(event->key()) && MoveInGroup(KeyboardOrder(), focusWidget(), event->key())) return;
    // Not QDialog's: Enter and Escape never end the popup.
    QWidget::keyPressEvent(event);
}

bool CSettingDlg::focusNextPrevChild(bool next) { return MoveFocus(this, KeyboardOrder(), next); }

bool CSettingDlg::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Enter and Escape never end the popup; Space presses the focused button, unless keys are captured.
    if (IsFilteredKey(*key)) {
        return key->key() != Qt::Key_Space || CapturesKeys() || !qobject_cast<const QAbstractButton*>(widget);
    }
    // While the key tab captures, every other key is one to assign, wherever the focus is.
    if (!CapturesKeys() || type == QEvent::ShortcutOverride) return false;
    KeyFromQt(key, type == QEvent::KeyRelease);
    return true;
}

}  // namespace oryn7px
