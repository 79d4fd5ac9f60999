#include "ui/frame/main_dialog.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "core/app/button_name_hint.h"
#include "core/layout/frame_layout.h"
#include "core/layout/window_placement.h"
#include "core/app/single_instance.h"
#include "core/base/messages.h"
#include "core/device/hook_codes.h"
#include "core/i18n/hint_ids.h"
#include "core/i18n/languages.h"
#include "core/i18n/spoken_names.h"
#include "ui/frame/progress_dialog.h"
#include "ui/skin/caption_painter.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/irr_button.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"
#include "ui/skin/wnd_popup.h"

namespace oryn7px {

namespace {

namespace mw = main_window;

constexpr int kLanguagePopupLeftShift = 4;
constexpr int kLanguagePopupRise = 287;

}  // namespace

CQ580ZDriverDlg::CQ580ZDriverDlg(AppServices& services)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), services_(services) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    updaterTimer_.setSingleShot(true);
    connect(&updaterTimer_, &QTimer::timeout, this, &CQ580ZDriverDlg::StartUpdater);
    arrivalRetry_.setInterval(kArrivalRetryMs);
    connect(&arrivalRetry_, &QTimer::timeout, this, &CQ580ZDriverDlg::TryOpenArrivedMouse);
    progressTarget_ = std::make_unique<QtMessageTarget>(&services_.progress);
}

CQ580ZDriverDlg::~CQ580ZDriverDlg() {
    // No report of the program in front may reach a window that is going.
    RunTracker(false);
    if (services_.presence) services_.presence->Stop();
    if (services_.hooks) services_.hooks->RemoveInputHooks();
    worker_.reset();
}

bool CQ580ZDriverDlg::event(QEvent* event) {
    // Every message the window handles. The handlers live by concern: the window and its buttons
    // here, the tray in main_dialog_tray.cpp, the apply worker and the mouse in
    // main_dialog_device.cpp, the session's end and the close sequence in main_dialog_lifecycle.cpp.
    static const MessageMap<CQ580ZDriverDlg> kMessageMap{
        {UM_SET_LANGUAGE, &CQ580ZDriverDlg::OnSetLanguage},
        {UM_SHOW_HINT, &CQ580ZDriverDlg::OnShowHint},
        {UM_RESTORE_DEFAULTS, &CQ580ZDriverDlg::OnRestoreDefaults},
        {WM_COMMAND, &CQ580ZDriverDlg::OnCommand},

        {UM_TRAY_NOTIFY, &CQ580ZDriverDlg::OnTrayNotify},

        {UM_APPLY_DONE, &CQ580ZDriverDlg::OnApplyDone},
        {UM_APPLY_FAILED, &CQ580ZDriverDlg::OnApplyFailed},
        {UM_FIRMWARE_VERSION, &CQ580ZDriverDlg::OnFirmwareVersion},
        {UM_HOST_ACTION, &CQ580ZDriverDlg::OnHostAction},
        {WM_DEVICECHANGE, &CQ580ZDriverDlg::OnDeviceChange},

        {WM_QUERYENDSESSION, &CQ580ZDriverDlg::OnQueryEndSession},
        {WM_CLOSE, &CQ580ZDriverDlg::OnClose},
    };
    // Once the close sequence runs, the pages are gone: late messages find nothing to do.
    if (bClosing_ && event->type() == MessageEvent::Type()) return true;
    return kMessageMap.Dispatch(*this, event) || QWidget::event(event);
}

void CQ580ZDriverDlg::BuildWindow() {
    const QImage frame = SkinPicture(QString::fromLatin1(mw::kPictures.normal));
    const QImage over = SkinPicture(QString::fromLatin1(mw::kPictures.over));
    const QImage down = SkinPicture(QString::fromLatin1(mw::kPictures.down));
    // Without its picture the window keeps its designed size rather than shrinking to nothing.
    setFixedSize(frame.isNull() ? QSize(mw::kWidth, mw::kHeight) : LogicalSize(frame));
    KeepFrameAroundPages(frame);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const LayoutPoint at = WindowPosition(ToLayoutRect(screen->availableGeometry()), width(), height());
        move(at.x, at.y);
    }

    auto frameButton = [this, &frame, &over, &down](const LayoutRect& where) {
        auto* button = new CGDIBitmapBtn(this);
        const QRect rect = ToQRect(where);
        button->Create(rect, this, 0);
        button->SetPictures(rect, frame, over, down, frame);
        connect(button, &QAbstractButton::pressed, this,
                [this, button] { PostMessageTo(this, {WM_COMMAND, 0, WindowHandle(button)}); });
        return button;
    };
    minimiseButton_ = frameButton(mw::kMinimiseButton);
    minimiseButton_->setAccessibleName(Q(kMinimiseName));
    hideButton_ = frameButton(mw::kHideButton);
    hideButton_->setAccessibleName(Q(kHideToTrayName));
    languageButton_ = frameButton(mw::kLanguageButton);

    const std::array<int, 4>& pictures =
        services_.state.bChinese == 1 ? mw::kButtonPicturesChinese : mw::kButtonPicturesOther;
    auto pictureButton = [this, &pictures](const LayoutQuad& outline, bool selectable) {
        auto* button = new CIrrButton(this);
        button->SetPictures(pictures);
        button->Create(outline, this);
        button->SetHighlightMode(selectable);
        return button;
    };
    for (int i = 0; i < kPageCount; ++i) {
        tabs_[i] = pictureButton(mw::kPageTabs[i], true);
        tabs_[i]->SetRole(QAccessible::PageTab);
        profileButtons_[i] = pictureButton(mw::kProfileButtons[i], true);
        profileButtons_[i]->SetRole(QAccessible::RadioButton);
    }
    applyButton_ = pictureButton(mw::kApplyButton, false);
    SetTooltips();
    ShowCaptions();
    SetUpKeyboard();
}

void CQ580ZDriverDlg::KeepFrameAroundPages(const QImage& frame) {
    // A page always covers the page area: only the four bands around it are painted.
    frameAround_.clear();
    if (frame.isNull()) return;
    const QRect area = ToQRect(mw::kPageArea);
    const QSize size = LogicalSize(frame);
    const int width = size.width();
    const int height = size.height();
    for (const QRect& band : {QRect(0, 0, width, area.top()), QRect(0, area.bottom() + 1, width, height - area.bottom() - 1),
                              QRect(0, area.top(), area.left(), area.height()),
                              QRect(area.right() + 1, area.top(), width - area.right() - 1, area.height())}) {
        frameAround_.push_back({band.topLeft(), CutPicture(frame, band)});
    }
}

void CQ580ZDriverDlg::SetTooltips() {
    auto text = [this](const char* key) { return QString::fromStdU16String(services_.strings.Text(key)); };
    for (int i = 0; i < kPageCount; ++i) tabs_[i]->SetTooltip(text(PageTable()[i].tabKey), true);
    for (int page = 1; page <= kPageCount; ++page) NamePage(page);
    for (int i = 0; i < kPageCount; ++i) profileButtons_[i]->SetTooltip(text(mw::kProfileTooltipKeys[i]), true);
    applyButton_->SetTooltip(QString::fromLatin1(mw::kApplyTooltip), true);
}

// A page is named by its tab's title, as the tab's tooltip shows it.
void CQ580ZDriverDlg::NamePage(int page) {
    if (CPageDlg* built = pages_[page - 1]) built->setAccessibleName(tabs_[page - 1]->toolTip());
}

void CQ580ZDriverDlg::ShowCaptions() { captions_.Show(*this, mw::kCaptions, services_.strings); }

void CQ580ZDriverDlg::OnSetLanguage(const Message& message) {
    const int number = static_cast<int>(message.lParam);
    if (number == 0 || (!languagePopup_ && message.wParam != kLanguageAtStartUp)) return;
    services_.state.bChinese = 0;
    if (const Language* language = FindLanguage(number)) {
        services_.strings.LoadLanguageFile(LanguageFilePath(services_.programFolder.toStdString(), number));
        flag_ = LoadResource(language->buttonPictureId);
        services_.state.bChinese = ChineseFlagFor(number);
    }
    services_.store.SaveLanguageNumber(number);
    UseCaptionFontsFor(number);
    SetTooltips();
    ShowCaptions();
    for (CPageDlg* page : BuiltPages()) page->Relabel();
    update();
    if (message.wParam != kLanguageAtStartUp && languagePopup_) {
        languagePopup_->close();
        languagePopup_ = nullptr;
    }
}

void CQ580ZDriverDlg::OpenLanguagePopup() {
    if (languagePopup_) languagePopup_->close();
    auto* popup = new CMenuExA;
    popup->SetBackground(language_menu::kBackgroundResource);
    const QRect button(languageButton_->mapToGlobal(QPoint(0, 0)), languageButton_->size());
    languagePopup_ = popup;
    popup->setAccessibleName(languageButton_->Caption().text);
    popup->Show(this, button.left() - kLanguagePopupLeftShift, button.bottom() + 1 - kLanguagePopupRise,
                UM_SET_LANGUAGE);
}

void CQ580ZDriverDlg::OnShowHint(const Message& message) {
    bNoticeShown_ = false;
    strHint_.clear();
    const HintTarget target = HintForId(static_cast<int>(message.lParam));
    if (target.kind == HintTarget::Kind::LanguageKey) {
        strHint_ = QString::fromStdU16String(services_.strings.Text(target.key));
    } else if (target.kind == HintTarget::Kind::ButtonName) {
        auto& name = services_.state.profile.Buttons[target.button].szName;
        SwapDefaultButtonName(name, services_.state.bChinese == 1);
        strHint_ = QString::fromStdU16String(std::u16string(name, std::char_traits<char16_t>::length(name)));
    }
    update(ToQRect(mw::kHintBar));
}

void CQ580ZDriverDlg::OnCommand(const Message& message) {
    if (RunTrayCommand(static_cast<uint32_t>(message.wParam))) return;
    const intptr_t from = message.lParam;
    if (minimiseButton_ && from == WindowHandle(minimiseButton_)) {
        showMinimized();
        if (services_.hooks) services_.hooks->SetHookForwarding(false, false);
    } else if (hideButton_ && from == WindowHandle(hideButton_)) {
        HideToTray();
    } else if (languageButton_ && from == WindowHandle(languageButton_)) {
        OpenLanguagePopup();
    } else if (applyButton_ && from == WindowHandle(applyButton_)) {
        for (CPageDlg* page : BuiltPages()) page->BeforeApply();
        RequestApply();
    } else {
        for (int i = 0; i < kPageCount; ++i) {
            if (from == WindowHandle(tabs_[i])) SwitchPage(i + 1);
            if (from != WindowHandle(profileButtons_[i])) continue;
            SelectProfile(i + 1);
            if (follower_) follower_->ProfileInUse(ProfileInUse());
        }
    }
}

void CQ580ZDriverDlg::SelectProfile(int profile) {
    if (services_.store.SwitchProfile(profile - 1) == kProfileRead) RefreshPagesFromProfile();
    ShowProfileSelection();
}

int CQ580ZDriverDlg::ProfileInUse() const { return services_.state.currentEntry + 1; }

void CQ580ZDriverDlg::ShowNotice(const QString& text) {
    strHint_ = text;
    bNoticeShown_ = true;
    update(ToQRect(mw::kHintBar));
}

void CQ580ZDriverDlg::ShowProfileSelection() {
    const auto& selected = services_.store.SelectedProfileButtons();
    for (int i = 0; i < kPageCount; ++i) profileButtons_[i]->SetHighlighted(selected[i]);
}

void CQ580ZDriverDlg::OnRestoreDefaults(const Message&) {
    RestoreDefaults(services_.state);
    RefreshPagesFromProfile();
    if (follower_) follower_->ProfileInUse(ProfileInUse());
    RequestApply();
}

void CQ580ZDriverDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    // Under a page the fill is never seen; it shows while there is none (the close sequence).
    painter.fillRect(frameAround_.empty() ? rect() : ToQRect(mw::kPageArea), QColor(0x12, 0x16, 0x1B));
    for (const auto& [at, band] : frameAround_) painter.drawImage(at, band);
    if (!flag_.isNull()) painter.drawImage(ToQRect(mw::kFlagPicture), flag_);
    captions_.Paint(painter);

    // A narrow face, as the model name's box is only 75 pixels wide.
    QFont modelFont = SkinFont(QStringLiteral("MS Shell Dlg"), 16, 800);
    modelFont.setStretch(QFont::Condensed);
    painter.setFont(modelFont);
    painter.setPen(QColor(64, 196, 221));
    painter.drawText(ToQRect(mw::kModelName), Qt::AlignCenter | Qt::TextSingleLine, QString::fromLatin1(kModelCode));

    if (strHint_.isEmpty()) return;
    painter.setFont(SkinFont(QStringLiteral("MS Shell Dlg"), 14, 300));
    painter.setPen(QColor(190, 190, 190));
    const QRect hintBar = ToQRect(mw::kHintBar).adjusted(6, 0, -4, 0);
    const QRect needed = painter.boundingRect(hintBar, Qt::TextWordWrap, strHint_);
    const QString shown = needed.height() > hintBar.height()
                              ? painter.fontMetrics().elidedText(strHint_, Qt::ElideRight, hintBar.width())
                              : strHint_;
    painter.drawText(hintBar, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, shown);
}

void CQ580ZDriverDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // Any free spot drags the window; the window manager moves it where there is one.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    bDragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void CQ580ZDriverDlg::mouseReleaseEvent(QMouseEvent*) { bDragging_ = false; }

void CQ580ZDriverDlg::mouseMoveEvent(QMouseEvent* event) {
    if (bDragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    // A notice stays until another hint takes its place.
    if (!strHint_.isEmpty() && !bNoticeShown_) {
        strHint_.clear();
        update(ToQRect(mw::kHintBar));
    }
    const QPoint at = event->position().toPoint();
    auto hintIfOver = [this, &at](const QWidget* button, int hint) {
        if (button && button->geometry().adjusted(-1, -1, 1, 1).contains(at)) PostMessageTo(this, {UM_SHOW_HINT, 0, hint});
    };
    for (int i = 0; i < kPageCount; ++i) hintIfOver(tabs_[i], mw::kTabHints[i]);
    for (int i = 0; i < kPageCount; ++i) hintIfOver(profileButtons_[i], mw::kProfileHints[i]);
    hintIfOver(applyButton_, mw::kApplyHint);
}

void CQ580ZDriverDlg::contextMenuEvent(QContextMenuEvent* event) {
    // A right click on a profile button opens its programs; the keys are the keyboard's own
    // (main_dialog_keyboard.cpp), so a platform's own menu-key event opens nothing twice.
    QWidget* under = event->reason() == QContextMenuEvent::Mouse ? childAt(event->pos()) : nullptr;
    for (int i = 0; i < kPageCount; ++i) {
        if (under == profileButtons_[i] && profileButtons_[i]->isEnabled()) {
            OpenProgramsDialog(i + 1);
            return;
        }
    }
    QWidget::contextMenuEvent(event);
}

void CQ580ZDriverDlg::closeEvent(QCloseEvent* event) {
    // A close from the window manager (Alt+F4 there) hides to the tray like the program's Alt+F4;
    // only the close sequence ends the program.
    event->ignore();
    if (!bClosing_) HideToTray();
}

}  // namespace oryn7px
