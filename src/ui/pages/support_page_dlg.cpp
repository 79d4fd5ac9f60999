#include "ui/pages/support_page_dlg.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "core/layout/support_page_layout.h"
#include "core/base/messages.h"
#include "core/firmware/update_description.h"
#include "core/i18n/string_table.h"
#include "core/settings/profile_store.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_cache.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace {

namespace sp = support_page;

constexpr const char* kCfgFilter = "CFG Files(*.cfg)";
constexpr int PointsToPixels(int points) { return points * 96 / 72; }

// After an import the launcher starts the program again once this one has closed.
class LauncherRestart final : public ProgramRestart {
public:
    explicit LauncherRestart(const PageContext& context) : context_(context) {}
    void StartLauncherAndClose() override {
        context_.startProgram(QDir(context_.programFolder).filePath(QStringLiteral("Start")), {});
        PostMessageTo(context_.mainWindow, {WM_CLOSE, 0, 0});
    }

private:
    const PageContext& context_;
};

// A modal file dialog of Qt's own, so that it looks the same everywhere and tests can drive it.
QString AskForFile(QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, QString(), QString(), QString::fromLatin1(kCfgFilter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("cfg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace

CDlgSupport::CDlgSupport(const PageContext& context)
    : CPageDlg(context.mainWindow, sp::kPictures),
      context_(context),
      model_(context.firmware, context.messages, [bChinese = &context.bChinese] { return *bChinese == 1; }) {
    setMouseTracking(true);
    CreateControls();
    Relabel();
}

void CDlgSupport::CreateControls() {
    const QImage normal = Picture();
    const QImage over = SkinPicture(QString::fromLatin1(sp::kPictures.over));
    const QImage down = SkinPicture(QString::fromLatin1(sp::kPictures.down));
    for (std::size_t i = 0; i < sp::kControls.size(); ++i) {
        const sp::Control& control = sp::kControls[i];
        auto* button = new CGDIBitmapBtn(this);
        const QRect rect = ToQRect(control.rect);
        button->Create(rect, this, control.hintId);
        if (control.tooltipKey != nullptr) {
            button->SetPictures(rect, normal, over, down, normal);
        } else {
            // The version labels always show lit and take no clicks.
            button->SetPictures(rect, over, over, over, over);
            button->SetRole(QAccessible::StaticText);
            button->setFocusPolicy(Qt::NoFocus);
            button->installEventFilter(this);
        }
        buttons_[i] = button;
    }
    connect(UpdateButton(), &QAbstractButton::clicked, this, [this] { model_.PressUpdate(); });
    connect(WebButton(), &QAbstractButton::clicked, this, &CDlgSupport::OnWebLink);
    connect(ImportButton(), &QAbstractButton::clicked, this, &CDlgSupport::OnImport);
    connect(ExportButton(), &QAbstractButton::clicked, this, &CDlgSupport::OnExport);
    connect(DefaultsButton(), &QAbstractButton::clicked, this, &CDlgSupport::OnRestoreDefaults);
}

// Update and web site, then import, export and defaults; the version labels take no clicks.
FocusOrder CDlgSupport::KeyboardOrder() const {
    return {{UpdateButton(), WebButton(), ImportButton(), ExportButton(), DefaultsButton()}, {}};
}

void CDlgSupport::Relabel() {
    ShowCaptions(sp::kCaptions, context_.strings);
    for (std::size_t i = 0; i < sp::kControls.size(); ++i) {
        const char* key = sp::kControls[i].tooltipKey;
        if (key != nullptr) buttons_[i]->SetTooltip(QString::fromStdU16String(context_.strings.Text(key)), true);
    }
}

void CDlgSupport::OnFirmwareVersion(uint32_t version) {
    model_.SetFirmwareVersion(version);
    update();
}

QString CDlgSupport::DriverVersionText() const { return QString::fromLatin1(kDriverVersionText); }

QString CDlgSupport::FirmwareVersionText() const { return QString::fromStdString(model_.FirmwareVersionLabel()); }

QString CDlgSupport::DesktopInputText() const {
    return QString::fromStdU16String(DesktopInputLine(context_.desktopInput, context_.bChinese == 1));
}

QString CDlgSupport::DesktopAdviceText() const {
    return QString::fromStdU16String(DesktopInputAdvice(context_.desktopInput, context_.bChinese == 1));
}

std::vector<ShownCaption> CDlgSupport::PaintedTexts() const {
    return {{DriverVersionText(), ToQRect(sp::kDriverVersionText)},
            {FirmwareVersionText(), ToQRect(sp::kFirmwareVersionText)},
            {DesktopInputText(), ToQRect(sp::kDesktopInputText)},
            {DesktopAdviceText(), ToQRect(sp::kDesktopAdviceText)}};
}

void CDlgSupport::paintEvent(QPaintEvent* event) {
    CPageDlg::paintEvent(event);
    QPainter painter(this);
    painter.setFont(SkinFont(QStringLiteral("MS Shell Dlg"), PointsToPixels(sp::kVersionTextPoints), 400));
    painter.setPen(QColor::fromRgba(sp::kVersionTextArgb));
    painter.drawText(ToQRect(sp::kDriverVersionText), Qt::AlignLeft | Qt::AlignTop, DriverVersionText());
    painter.drawText(ToQRect(sp::kFirmwareVersionText), Qt::AlignLeft | Qt::AlignTop, FirmwareVersionText());
    painter.drawText(ToQRect(sp::kDesktopInputText), Qt::AlignLeft | Qt::AlignTop, DesktopInputText());
    painter.setFont(SkinFont(QStringLiteral("MS Shell Dlg"), PointsToPixels(sp::kDesktopAdvicePoints), 400));
    painter.drawText(ToQRect(sp::kDesktopAdviceText), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     DesktopAdviceText());
}

void CDlgSupport::PostHint(int hintId) { PostMessageTo(context_.mainWindow, {UM_SHOW_HINT, 0, hintId}); }

void CDlgSupport::ShowHintAt(QPoint at) {
    // The hint area is the control's rectangle grown by one pixel on each side.
    for (std::size_t i = 0; i < sp::kControls.size(); ++i) {
        if (buttons_[i]->geometry().adjusted(-1, -1, 1, 1).contains(at)) PostHint(sp::kControls[i].hintId);
    }
}

void CDlgSupport::mouseMoveEvent(QMouseEvent* event) {
    ShowHintAt(event->position().toPoint());
    event->ignore();
}

void CDlgSupport::OnMouseMoveMessage(const Message& message) {
    // Posted by the buttons with the point in this page's coordinates.
    const auto packed = static_cast<uint32_t>(message.lParam);
    ShowHintAt(QPoint(static_cast<int16_t>(packed & 0xFFFF), static_cast<int16_t>(packed >> 16)));
}

bool CDlgSupport::event(QEvent* event) {
    static const MessageMap<CDlgSupport> kMessageMap{{WM_MOUSEMOVE, &CDlgSupport::OnMouseMoveMessage}};
    return kMessageMap.Dispatch(*this, event) || CPageDlg::event(event);
}

bool CDlgSupport::eventFilter(QObject* watched, QEvent* event) {
    // The labels are not buttons: a press on them does nothing.
    const bool label = watched == buttons_[5] || watched == buttons_[6];
    const QEvent::Type type = event->type();
    if (label && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                  type == QEvent::MouseButtonDblClick)) {
        return true;
    }
    return CPageDlg::eventFilter(watched, event);
}

void CDlgSupport::OnWebLink() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kVendorWebSite))); }

void CDlgSupport::OnExport() {
    const QString file = AskForFile(this, QFileDialog::AcceptSave);
    if (!file.isEmpty()) context_.store.Export(file.toStdString());
}

void CDlgSupport::OnImport() {
    const QString file = AskForFile(this, QFileDialog::AcceptOpen);
    if (file.isEmpty()) return;
    LauncherRestart restart(context_);
    context_.store.Import(file.toStdString(), &restart);
}

void CDlgSupport::OnRestoreDefaults() {
    if (model_.ConfirmRestoreDefaults()) PostMessageTo(context_.mainWindow, {UM_RESTORE_DEFAULTS, 0, 0});
}

}  // namespace oryn7px
