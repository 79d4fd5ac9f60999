#include "ui/skin/caption_board.h"

#include <QStringList>

#include "ui/skin/qt_conversions.h"

namespace oryn7px {

namespace {

// The smallest child control whose box holds the whole caption.
QWidget* HolderOf(QWidget& owner, const QRect& box) {
    QWidget* best = nullptr;
    for (QWidget* child : owner.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!dynamic_cast<CaptionHolder*>(child) || !child->geometry().contains(box)) continue;
        const auto area = [](const QWidget* w) { return w->width() * w->height(); };
        if (!best || area(child) < area(best)) best = child;
    }
    return best;
}

}  // namespace

void CaptionBoard::Show(QWidget& owner, std::span<const CaptionPlace> places, const StringTable& strings) {
    onOwner_.clear();
    for (const CaptionPlace& place : places) {
        const QRect box = ToQRect(place.box);
        ShownCaption caption{CaptionText(strings, place), box, place.style, place.align};
        if (QWidget* holder = HolderOf(owner, box)) {
            caption.box.translate(-holder->pos());
            dynamic_cast<CaptionHolder*>(holder)->SetCaption(caption);
        } else {
            onOwner_.push_back(std::move(caption));
        }
    }
    owner.update();
}

void CaptionBoard::Paint(QPainter& painter) const {
    for (const ShownCaption& caption : onOwner_) caption.Paint(painter);
}

QStringList DrawnCaptions(const QWidget& window) {
    QStringList texts;
    const auto collect = [&texts](const QWidget& widget) {
        if (const auto* holder = dynamic_cast<const CaptionHolder*>(&widget); holder && !holder->Caption().text.isEmpty())
            texts << holder->Caption().text;
        if (const auto* owner = dynamic_cast<const CaptionOwner*>(&widget))
            for (const ShownCaption& caption : owner->Captions().OnOwner()) texts << caption.text;
    };
    collect(window);
    for (const QWidget* child : window.findChildren<QWidget*>()) collect(*child);
    return texts;
}

}  // namespace oryn7px
