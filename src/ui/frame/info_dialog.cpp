#include "ui/frame/info_dialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "core/app/app_texts.h"
#include "core/layout/dialogs_layout.h"
#include "core/interfaces/user_messages.h"
#include "ui/skin/gdi_bitmap_btn.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/skin_resources.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {

namespace {

namespace ib = info_box;

// Light text: the box's pictures are dark.
const QColor kTextColour{0xD2, 0xD6, 0xDC};

}  // namespace

CDlgInfo::CDlgInfo(const QString& text, bool ask, bool countDown, const StringTable& strings)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      strText_(text),
      okCaption_(strings.Caption(CaptionId::BoxOk)) {
    setWindowTitle(Q(InfoBoxWindowTitle()));
    setAttribute(Qt::WA_OpaquePaintEvent);
    const std::array<int, 3>& numbers = ask ? ib::kAskSkins : ib::kInfoSkins;
    for (size_t i = 0; i < skins_.size(); ++i) skins_[i] = LoadResource(numbers[i]);
    setFixedSize(skins_[0].isNull() ? QSize(ib::kWidth, ib::kHeight) : LogicalSize(skins_[0]));
    PlaceCentred();

    // Assistive technology reads the box by its title, then the message as a label; the window
    // title is the program's own, for finding the window.
    setAccessibleName(Q(strings.Caption(CaptionId::BoxTips)));
    close_ = AddButton(ToQRect(ib::kCloseButton), kBoxCancel);
    close_->setAccessibleName(Q(strings.Text("str_close")));
    if (ask) {
        ok_ = AddButton(ToQRect(ib::kAskOk), kBoxOk);
        cancel_ = AddButton(ToQRect(ib::kAskCancel), kBoxCancel);
        captions_.Show(*this, ib::kAskCaptions, strings);
    } else {
        ok_ = AddButton(ToQRect(ib::kInfoOk), kBoxOk);
        captions_.Show(*this, ib::kInfoCaptions, strings);
    }

    countDown_.setInterval(kCountDownPeriodMs);
    connect(&countDown_, &QTimer::timeout, this, &CDlgInfo::OnCountDownTick);
    if (countDown) {
        ShowCountDown(kCountDownStart);
        PlaceLowerRight();
        nSecondsLeft_ = kCountDownStart;
        countDown_.start();
    }
}

CGDIBitmapBtn* CDlgInfo::AddButton(const QRect& rect, int result) {
    auto* button = new CGDIBitmapBtn(this);
    button->Create(rect, this, 0);
    // Pictures in the order normal, hover, pressed, disabled.
    button->SetPictures(rect, skins_[0], skins_[2], skins_[1], skins_[0]);
    connect(button, &QAbstractButton::clicked, this, [this, result] { done(result); });
    return button;
}

void CDlgInfo::PlaceCentred() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void CDlgInfo::PlaceLowerRight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.left() + area.width() - width() - 10, area.top() + area.height() - height());
}

void CDlgInfo::OnCountDownTick() {
    if (nSecondsLeft_ <= 0) {
        countDown_.stop();
        close();
        return;
    }
    ShowCountDown(nSecondsLeft_);
    --nSecondsLeft_;
}

void CDlgInfo::ShowCountDown(int seconds) {
    ShownCaption caption = ok_->Caption();
    caption.text = Q(CountDownOkText(okCaption_, seconds));
    ok_->SetCaption(caption);
}

std::vector<ShownCaption> CDlgInfo::PaintedTexts() const { return {{strText_, ToQRect(ib::kMessage)}}; }

QString CDlgInfo::OkText() const { return ok_->Caption().text; }
QString CDlgInfo::CancelText() const { return cancel_ ? cancel_->Caption().text : QString(); }

void CDlgInfo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    if (!skins_[0].isNull()) painter.drawImage(0, 0, skins_[0]);
    else painter.fillRect(rect(), QColor(0x1B, 0x20, 0x27));
    painter.setPen(kTextColour);
    painter.setFont(SkinFont(QStringLiteral("MS Shell Dlg"), 14, 300));
    // The message wraps and runs on below its box when it is long.
    const QRect message = ToQRect(ib::kMessage);
    const QRect needed = painter.boundingRect(message, Qt::AlignLeft | Qt::TextWordWrap, strText_);
    const QRect shown = needed.height() > message.height()
                            ? QRect(message.left(), message.top(), message.width(), needed.height())
                            : message;
    painter.drawText(shown, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, strText_);
    captions_.Paint(painter);
}

void CDlgInfo::closeEvent(QCloseEvent* event) {
    countDown_.stop();
    event->accept();
    done(kBoxCancel);
}

void CDlgInfo::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: done(kBoxOk); return;
        case Qt::Key_Escape: done(kBoxCancel); return;
        default: QDialog::keyPressEvent(event);
    }
}

int ShowInfoBox(const QString& text, bool ask, const StringTable& strings) {
    CDlgInfo box(text, ask, false, strings);
    return box.exec();
}

int ShowCountDownBox(const QString& text, const StringTable& strings) {
    CDlgInfo box(text, false, true, strings);
    return box.exec();
}

}  // namespace oryn7px
