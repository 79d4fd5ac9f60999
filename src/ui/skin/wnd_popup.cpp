#include "ui/skin/wnd_popup.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/layout/frame_layout.h"
#include "core/base/messages.h"
#include "core/layout/skin_arithmetic.h"
#include "ui/skin/message_event.h"
#include "ui/skin/picture_scale.h"
#include "ui/skin/qt_conversions.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace {

const QColor kAccent{0x00, 0x93, 0xD1};
const QColor kHoverText{0xF5, 0xF5, 0xF5};
const QColor kItemText{0x05, 0x05, 0x05};
constexpr int kIconColumn = 25;


}  // namespace

CWndPopup::CWndPopup() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    font_ = SkinFont(QStringLiteral("Arial"), 12, 400);
}

void CWndPopup::Show(QWidget* owner, int x, int y, uint32_t ownerMessage) {
    owner_ = owner;
    nOwnerMessage_ = ownerMessage;
    move(x, y);
    show();
    raise();
    activateWindow();
}

void CWndPopup::SetBackground(const QImage& picture) {
    background_ = picture;
    update();
}

void CWndPopup::SetBackground(int pngResource) { SetBackground(LoadResource(pngResource)); }

void CWndPopup::Choose(uint32_t command) {
    SendMessageTo(owner_, {nOwnerMessage_, 0, static_cast<intptr_t>(command)});
}

bool CWndPopup::event(QEvent* event) {
    // Clicking anywhere else closes the menu without a choice.
    if (event->type() == QEvent::WindowDeactivate && isVisible()) close();
    return QWidget::event(event);
}

void CWndPopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (!background_.isNull()) {
        painter.drawImage(rect(), background_);
    } else {
        painter.fillRect(rect(), kAccent);
        painter.fillRect(rect().adjusted(1, 1, -1, -1), Qt::white);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font_);
    DrawItems(painter);
    DrawPictures(painter);
}

void CWndPopup::mouseMoveEvent(QMouseEvent* event) {
    if (UpdateHover(event->position().toPoint())) update();
}

void CWndPopup::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) bPressed_ = true;
}

void CWndPopup::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !bPressed_) return;
    bPressed_ = false;
    Release(event->position().toPoint());
}

void CWndPopup::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up: StepHover(-1); break;
        case Qt::Key_Down: StepHover(1); break;
        case Qt::Key_Space:
            if (!event->isAutoRepeat()) ChooseHover();
            break;
        default: QWidget::keyPressEvent(event); break;
    }
}

void CWndPopup::leaveEvent(QEvent*) {
    if (UpdateHover(QPoint(-1, -1))) update();
}

void CWndPopup::closeEvent(QCloseEvent* event) {
    if (!bClosedReported_) {
        bClosedReported_ = true;
        SendMessageTo(owner_, {UM_SET_LANGUAGE, 0, 0});
    }
    QWidget::closeEvent(event);
}

void CMenuEx::AddItem(const QString& text, int pngResource, uint32_t command) {
    AddItem(text, LoadResource(pngResource), command);
}

void CMenuEx::AddItem(const QString& text, const QImage& picture, uint32_t command) {
    items_.push_back({command, picture, text, {}});
    LayOut();
}

void CMenuEx::LayOut() {
    for (size_t i = 0; i < items_.size(); ++i) items_[i].rect = MenuItemRect(static_cast<int>(i));
    setFixedSize(kMenuWidth, MenuHeight(static_cast<int>(items_.size())));
}

void CMenuEx::DrawItems(QPainter& painter) {
    for (size_t i = 0; i < items_.size(); ++i) {
        const QRect box = ToQRect(items_[i].rect);
        const bool hovered = static_cast<int>(i) == nHovered_;
        if (hovered) painter.fillRect(box, kAccent);
        painter.setPen(hovered ? kHoverText : kItemText);
        const QRect textArea(box.left() + 30, box.top(), 82, box.height());
        const QString shown = painter.fontMetrics().elidedText(items_[i].text, Qt::ElideRight, textArea.width());
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
}

void CMenuEx::DrawPictures(QPainter& painter) {
    for (const Item& item : items_) {
        if (item.picture.isNull()) continue;
        const QRect box = ToQRect(item.rect);
        const QSize size = LogicalSize(item.picture);
        const QPoint at(box.left() + (kIconColumn - size.width()) / 2, box.top() + (box.height() - size.height()) / 2);
        painter.drawImage(at, item.picture);
    }
}

bool CMenuEx::UpdateHover(const QPoint& pos) {
    const int hovered = MenuItemAt(static_cast<int>(items_.size()), pos.x(), pos.y());
    if (hovered == nHovered_) return false;
    nHovered_ = hovered;
    return true;
}

void CMenuEx::Release(const QPoint& pos) {
    if (nHovered_ >= 0 && ToQRect(items_[nHovered_].rect).contains(pos)) {
        Choose(items_[nHovered_].command);
        return;
    }
    nHovered_ = -1;
    update();
}

void CMenuEx::StepHover(int step) {
    nHovered_ = MenuItemAfterStep(static_cast<int>(items_.size()), nHovered_, step);
    update();
}

void CMenuEx::ChooseHover() {
    if (nHovered_ >= 0) Choose(items_[static_cast<std::size_t>(nHovered_)].command);
}

CMenuExA::CMenuExA() {
    for (int i = 0; i < language_menu::kLanguageCount; ++i)
        AddItem(QString::fromLatin1(language_menu::kNames[i]), language_menu::kFirstIconResource + i,
                static_cast<uint32_t>(i + 1));
}

}  // namespace oryn7px
