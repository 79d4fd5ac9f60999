#include "ui/skin/skin_scroll_wnd.h"

#include <QPainter>
#include <QScrollBar>

#include "core/base/messages.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_scale.h"

namespace oryn7px {

namespace {

constexpr int kPollMs = 500;

// Qt's maximum is the last scroll value; the skinned bar counts the last visible unit.
ScrollRange RangeOf(const QScrollBar* bar) {
    return {bar->minimum(), bar->maximum() + bar->pageStep() - 1, bar->pageStep(), bar->value()};
}

bool SameRange(const ScrollRange& a, const ScrollRange& b) {
    return a.minimum == b.minimum && a.maximum == b.maximum && a.page == b.page && a.pos == b.pos;
}

}  // namespace

CSkinScrollWnd* CSkinScrollWnd::Wrap(QAbstractScrollArea* view, const QImage& skin) {
    return new CSkinScrollWnd(view, skin);
}

CSkinScrollWnd::CSkinScrollWnd(QAbstractScrollArea* view, const QImage& skin)
    : QWidget(view->parentWidget()),
      view_(view),
      skin_(skin),
      vertical_(Qt::Vertical, this),
      horizontal_(Qt::Horizontal, this) {
    setGeometry(view->geometry());
    view->setParent(this);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->show();
    vertical_.SetSkin(skin);
    horizontal_.SetSkin(skin);
    for (QScrollBar* bar : {view->verticalScrollBar(), view->horizontalScrollBar()}) {
        connect(bar, &QScrollBar::rangeChanged, this, &CSkinScrollWnd::Sync);
        connect(bar, &QScrollBar::valueChanged, this, &CSkinScrollWnd::Sync);
    }
    // A view deleted by its owner takes its frame with it.
    connect(view, &QObject::destroyed, this, &QObject::deleteLater);
    connect(&poll_, &QTimer::timeout, this, &CSkinScrollWnd::Sync);
    poll_.setInterval(kPollMs);
    show();
    Sync();
}

// The poll only catches what the view's signals missed; a hidden frame shows nothing to keep in
// step, and catches up when it is shown again.
void CSkinScrollWnd::showEvent(QShowEvent* event) {
    Sync();
    poll_.start();
    QWidget::showEvent(event);
}

void CSkinScrollWnd::hideEvent(QHideEvent* event) {
    poll_.stop();
    QWidget::hideEvent(event);
}

void CSkinScrollWnd::Sync() {
    if (!view_ || bUpdating_) return;
    bUpdating_ = true;
    const bool wasHorizontalShown = !horizontal_.isHidden();
    for (auto [bar, source] : {std::pair{&vertical_, view_->verticalScrollBar()},
                               std::pair{&horizontal_, view_->horizontalScrollBar()}}) {
        const ScrollRange range = RangeOf(source);
        if (bar->TrackingPos() < 0 && !SameRange(range, bar->GetScrollInfo())) bar->SetScrollInfo(range);
        bar->setEnabled(range.maximum >= range.page);
    }
    horizontal_.setVisible(view_->horizontalScrollBar()->maximum() > 0);
    if (wasHorizontalShown != !horizontal_.isHidden()) LayOut();
    bUpdating_ = false;
}

bool CSkinScrollWnd::event(QEvent* event) {
    if (event->type() == MessageEvent::Type() && view_) {
        const Message& m = static_cast<MessageEvent*>(event)->message();
        if (m.msg == WM_VSCROLL || m.msg == WM_HSCROLL) {
            QScrollBar* target = m.msg == WM_VSCROLL ? view_->verticalScrollBar() : view_->horizontalScrollBar();
            Forward(target, static_cast<int>(m.wParam & 0xFFFF), static_cast<int>((m.wParam >> 16) & 0xFFFF));
            return true;
        }
    }
    return QWidget::event(event);
}

void CSkinScrollWnd::Forward(QScrollBar* target, int code, int pos) {
    switch (code) {
        case 0: target->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
        case 1: target->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
        case 2: target->triggerAction(QAbstractSlider::SliderPageStepSub); break;
        case 3: target->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
        default: target->setValue(pos); break;
    }
    Sync();
}

void CSkinScrollWnd::resizeEvent(QResizeEvent*) { LayOut(); }

void CSkinScrollWnd::LayOut() {
    const int w = LogicalSize(skin_).width() / 9;
    const int barHeight = !horizontal_.isHidden() ? w : 0;
    if (view_) view_->setGeometry(0, 0, width() - w, height() - barHeight);
    vertical_.setGeometry(width() - w, 0, w, height() - barHeight);
    horizontal_.setGeometry(0, height() - w, width() - w, w);
    update();
}

void CSkinScrollWnd::paintEvent(QPaintEvent*) {
    if (!!horizontal_.isHidden() || skin_.isNull()) return;
    const int w = LogicalSize(skin_).width() / 9;
    QPainter painter(this);
    SmoothScaledPictures(painter);
    painter.drawImage(QRect(width() - w, height() - w, w, w), skin_,
                      PixelRect(skin_, QRect(8 * w, 0, w, LogicalSize(skin_).height() / 3)));
}

}  // namespace oryn7px
