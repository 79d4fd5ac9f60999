#include "ui/frame/progress_dialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "core/app/app_texts.h"
#include "core/layout/dialogs_layout.h"
#include "core/base/messages.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/png_progress_bar.h"
#include "ui/skin/skin_resources.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {

namespace {

namespace pw = progress_window;


bool IsSwallowedKey(const QKeyEvent* event) {
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Space ||
           (key == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier));
}

}  // namespace

CDlgProgress::CDlgProgress(const StringTable& strings)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), strings_(strings) {
    setWindowTitle(QString::fromStdU16String(ProgressWindowTitle()));
    setAttribute(Qt::WA_OpaquePaintEvent);
    bar_ = new CPngHProgressBar(this);
    bar_->Create(ToQRect(pw::kBar), this, kBarControlId);
    bar_->setAttribute(Qt::WA_TransparentForMouseEvents);
    bar_->SetRange(0, 100);
    setFixedSize(pw::kWidth, pw::kHeight);
}

int CDlgProgress::RunModal() {
    normal_ = LoadSkinImage(QStringLiteral("ProgressBar/Progress_Normal.png"));
    over_ = LoadSkinImage(QStringLiteral("ProgressBar/Progress_Over.png"));
    if (!normal_.isNull()) setFixedSize(LogicalSize(normal_));
    bar_->SetPictures(ToQRect(pw::kBar), normal_, over_);
    bar_->SetPos(0);
    captions_.Show(*this, pw::kCaptions, strings_);
    bar_->setAccessibleName(Q(strings_.Caption(CaptionId::Updating)));
    bClosing_ = false;
    bHoldingFull_ = false;
    ++nRun_;
    Place();
    const int result = exec();
    normal_ = QImage();
    over_ = QImage();
    return result;
}

int CDlgProgress::Position() const { return bar_->GetPos(); }

void CDlgProgress::Place() {
    QRect over;
    if (centreOver_) {
        over = QRect(centreOver_->mapToGlobal(QPoint(0, 0)), centreOver_->size());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        over = screen->geometry();
    }
    move(over.left() + (over.width() - width()) / 2, over.top() + (over.height() - height()) / 2);
}

bool CDlgProgress::event(QEvent* event) {
    static const MessageMap<CDlgProgress> kMessageMap{
        {UM_APPLY_PROGRESS, &CDlgProgress::OnApplyProgress},
        {WM_CLOSE, &CDlgProgress::OnClose},
    };
    if (kMessageMap.Dispatch(*this, event)) return true;
    if (event->type() == QEvent::Show) {
        raise();
        activateWindow();
    }
    return QDialog::event(event);
}

void CDlgProgress::OnApplyProgress(const Message& message) {
    bar_->SetPos(static_cast<int>(message.wParam));
    repaint();
    // The full bar stays visible for a moment before the window goes.
    if (message.wParam == 100) {
        bHoldingFull_ = true;
        const int run = nRun_;
        QTimer::singleShot(kCloseDelayMs, this, [this, run] {
            if (run != nRun_) return;
            bHoldingFull_ = false;
            OnClose({WM_CLOSE, 0, 0});
        });
    }
}

void CDlgProgress::Finish() {
    if (!isVisible()) return;
    bHoldingFull_ = false;
    bClosing_ = true;
    done(0);
}

void CDlgProgress::OnClose(const Message&) {
    // The worker's own close right after 100 % waits for the full bar's moment.
    if (!isVisible() || bHoldingFull_) return;
    bClosing_ = true;
    done(0);
}

void CDlgProgress::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    if (!normal_.isNull()) painter.drawImage(rect(), normal_);
    else painter.fillRect(rect(), QColor(0x1B, 0x20, 0x27));
    captions_.Paint(painter);
}

void CDlgProgress::keyPressEvent(QKeyEvent* event) {
    if (!IsSwallowedKey(event)) QDialog::keyPressEvent(event);
}

void CDlgProgress::keyReleaseEvent(QKeyEvent* event) {
    if (!IsSwallowedKey(event)) QDialog::keyReleaseEvent(event);
}

void CDlgProgress::closeEvent(QCloseEvent* event) {
    // Only the worker (or the 100 % message) ends the window; a window manager's close does not.
    if (bClosing_) event->accept();
    else event->ignore();
}

}  // namespace oryn7px
