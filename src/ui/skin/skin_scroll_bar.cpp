#include "ui/skin/skin_scroll_bar.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/base/messages.h"
#include "ui/skin/accessible_notify.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_scale.h"

namespace oryn7px {

namespace {

constexpr int kEndPiece = 3;
constexpr int kFirstRepeatMs = 500;
constexpr int kRepeatMs = 100;

}  // namespace

CSkinScrollBar::CSkinScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {
    setMouseTracking(true);
    repeat_.setSingleShot(false);
    connect(&repeat_, &QTimer::timeout, this, &CSkinScrollBar::Repeat);
}

void CSkinScrollBar::SetSkin(const QImage& skin) {
    skin_ = skin;
    update();
}

void CSkinScrollBar::SetScrollInfo(const ScrollRange& range) {
    const bool moved = range.pos != range_.pos;
    range_ = range;
    update();
    if (moved) AnnounceValueChange(this, range_.pos);
}

int CSkinScrollBar::CellSize() const { return LogicalSize(skin_).width() / 9; }

int CSkinScrollBar::Length() const { return orientation_ == Qt::Vertical ? height() : width(); }

int CSkinScrollBar::Along(const QPoint& point) const { return orientation_ == Qt::Vertical ? point.y() : point.x(); }

ScrollGeometry CSkinScrollBar::Geometry(bool drawing) const {
    ScrollRange shown = range_;
    if (nTrackPos_ >= 0) shown.pos = nTrackPos_;
    return ComputeScrollGeometry(Length(), CellSize(), shown, drawing);
}

void CSkinScrollBar::SendScroll(int code, int pos) {
    const uint32_t message = orientation_ == Qt::Vertical ? WM_VSCROLL : WM_HSCROLL;
    const uintptr_t wParam = (static_cast<uintptr_t>(pos & 0xFFFF) << 16) | static_cast<uintptr_t>(code);
    SendMessageTo(parent(), {message, wParam, WindowHandle(this)});
}

void CSkinScrollBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    nCursorAlong_ = Along(event->position().toPoint());
    const ScrollPart part = ScrollPartAt(Geometry(false), nCursorAlong_);
    if (part == ScrollPart::None) return;
    nPressedPart_ = static_cast<int>(part);
    if (part == ScrollPart::Thumb) {
        nDragStart_ = nCursorAlong_;
        nDragStartPos_ = range_.pos;
        nTrackPos_ = range_.pos;
    } else {
        SendScroll(static_cast<int>(part));
        repeat_.start(kFirstRepeatMs);
    }
    update();
}

void CSkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
    nCursorAlong_ = Along(event->position().toPoint());
    if (nTrackPos_ >= 0) {
        nTrackPos_ = ScrollTrackPosition(Geometry(false), range_, nDragStartPos_, nCursorAlong_ - nDragStart_);
        SendScroll(5, nTrackPos_);
    }
    const int hover = static_cast<int>(ScrollPartAt(Geometry(false), nCursorAlong_));
    if (hover != nHoverPart_) nHoverPart_ = hover;
    update();
}

void CSkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (nTrackPos_ >= 0) {
        const int finalPos = nTrackPos_;
        nTrackPos_ = -1;
        SendScroll(4, finalPos);
    }
    repeat_.stop();
    nPressedPart_ = -1;
    update();
}

void CSkinScrollBar::leaveEvent(QEvent*) {
    nHoverPart_ = -1;
    update();
}

void CSkinScrollBar::Repeat() {
    repeat_.setInterval(kRepeatMs);
    const auto pressed = static_cast<ScrollPart>(nPressedPart_);
    const bool atStart = range_.pos <= range_.minimum;
    const bool atEnd = range_.pos >= ScrollMaxPosition(range_);
    const bool thumbReachedCursor = ScrollPartAt(Geometry(false), nCursorAlong_) == ScrollPart::Thumb;
    if ((pressed == ScrollPart::FirstArrow && atStart) || (pressed == ScrollPart::SecondArrow && atEnd) ||
        ((pressed == ScrollPart::PageBefore || pressed == ScrollPart::PageAfter) && thumbReachedCursor)) {
        repeat_.stop();
        return;
    }
    SendScroll(nPressedPart_);
}

QRect CSkinScrollBar::PartRect(int start, int end) const {
    return orientation_ == Qt::Vertical ? QRect(0, start, width(), end - start) : QRect(start, 0, end - start, height());
}

void CSkinScrollBar::DrawCell(QPainter& painter, int column, int row, const QRect& target) const {
    const int w = CellSize();
    const int h = LogicalSize(skin_).height() / 3;
    painter.drawImage(target, skin_, PixelRect(skin_, QRect(column * w, row * h, w, h)));
}

void CSkinScrollBar::DrawStretched(QPainter& painter, int column, int row, const QRect& target) const {
    // End pieces keep their size; the middle of the cell is tiled along the bar.
    const int w = CellSize();
    const int h = LogicalSize(skin_).height() / 3;
    const QRect cell(column * w, row * h, w, h);
    const bool vertical = orientation_ == Qt::Vertical;
    const int length = vertical ? target.height() : target.width();
    if (length <= 0) return;
    const int end = std::min(kEndPiece, length / 2);
    const int cellLength = vertical ? h : w;
    const int middleSource = std::max(1, cellLength - 2 * kEndPiece);
    auto piece = [&](int srcStart, int srcLength, int dstStart, int dstLength) {
        if (dstLength <= 0) return;
        const QRect src = vertical ? QRect(cell.left(), cell.top() + srcStart, w, srcLength)
                                   : QRect(cell.left() + srcStart, cell.top(), srcLength, h);
        const QRect dst = vertical ? QRect(target.left(), target.top() + dstStart, target.width(), dstLength)
                                   : QRect(target.left() + dstStart, target.top(), dstLength, target.height());
        painter.drawImage(dst, skin_, PixelRect(skin_, src));
    };
    piece(0, end, 0, end);
    for (int at = end; at < length - end; at += middleSource)
        piece(kEndPiece, std::min(middleSource, length - end - at), at, std::min(middleSource, length - end - at));
    piece(cellLength - end, end, length - end, end);
}

void CSkinScrollBar::paintEvent(QPaintEvent*) {
    if (skin_.isNull()) return;
    QPainter painter(this);
    SmoothScaledPictures(painter);
    const ScrollGeometry g = Geometry(true);
    const int base = orientation_ == Qt::Vertical ? 0 : 4;
    auto rowFor = [&](ScrollPart part) {
        if (!isEnabled()) return 0;
        if (nPressedPart_ == static_cast<int>(part)) return 2;
        return nHoverPart_ == static_cast<int>(part) ? 1 : 0;
    };
    DrawStretched(painter, base + 3, 0, PartRect(g.arrow, g.length - g.arrow));
    if (g.thumb > 0 && isEnabled())
        DrawStretched(painter, base + 2, rowFor(ScrollPart::Thumb), PartRect(g.arrow + g.offset, g.arrow + g.offset + g.thumb));
    DrawCell(painter, base + 0, rowFor(ScrollPart::FirstArrow), PartRect(0, g.arrow));
    DrawCell(painter, base + 1, rowFor(ScrollPart::SecondArrow), PartRect(g.length - g.arrow, g.length));
}

}  // namespace oryn7px
