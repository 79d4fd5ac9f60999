#include "menu_ex_list.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/layout/skin_arithmetic.h"

namespace oryn7px::menuex {

namespace {

constexpr int kDefaultWidth = 200;
constexpr int kTextLeft = 10;
constexpr int kTextRightMargin = 8;

}  // namespace

CMenuExList::CMenuExList(const MenuExOwner& owner, MenuExLook look, std::vector<MenuExEntry> entries)
    : owner_(owner), look_(std::move(look)), entries_(std::move(entries)) {
    const QImage& normal = look_.pictures[0];
    const int width = normal.isNull() ? kDefaultWidth : normal.width();
    setFixedSize(width, look_.itemHeight * static_cast<int>(entries_.size()));
}

QRect CMenuExList::ItemRect(int index) const { return {0, index * look_.itemHeight, width(), look_.itemHeight}; }

int CMenuExList::ItemAt(const QPoint& pos) const {
    if (!rect().contains(pos)) return -1;
    const int index = pos.y() / look_.itemHeight;
    return index < static_cast<int>(entries_.size()) ? index : -1;
}

void CMenuExList::DrawItems(QPainter& painter) {
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        const QRect box = ItemRect(i);
        const bool hovered = i == nHovered_;
        const QImage& picture = look_.pictures[hovered ? (bPressed_ ? 2 : 1) : 0];
        if (!picture.isNull()) {
            painter.drawImage(box, picture);
        } else if (hovered) {
            painter.fillRect(box, look_.hoverFill);
        }
        painter.setPen(hovered ? look_.hoverText : look_.text);
        const QRect textArea = box.adjusted(kTextLeft, 0, -kTextRightMargin, 0);
        const QString shown = painter.fontMetrics().elidedText(entries_[i].text, Qt::ElideRight, textArea.width());
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
}

bool CMenuExList::UpdateHover(const QPoint& pos) {
    const int hovered = ItemAt(pos);
    if (hovered == nHovered_) return false;
    nHovered_ = hovered;
    return true;
}

void CMenuExList::mousePressEvent(QMouseEvent* event) {
    bPressed_ = event->button() == Qt::LeftButton;
    UpdateHover(event->position().toPoint());
    update();
    CWndPopup::mousePressEvent(event);
}

void CMenuExList::Release(const QPoint& pos) {
    bPressed_ = false;
    if (nHovered_ >= 0 && ItemAt(pos) == nHovered_) {
        ChooseHover();
    } else {
        nHovered_ = -1;
    }
    update();
}

void CMenuExList::StepHover(int step) {
    nHovered_ = MenuItemAfterStep(static_cast<int>(entries_.size()), nHovered_, step);
    update();
}

void CMenuExList::ChooseHover() {
    // The owner decides when the menu goes (it calls DestroyMenuEx); until then it stays open.
    if (nHovered_ >= 0) owner_.post(owner_.window, MENUEX_CHOICE_MESSAGE, entries_[static_cast<std::size_t>(nHovered_)].id, 0);
}

}  // namespace oryn7px::menuex
