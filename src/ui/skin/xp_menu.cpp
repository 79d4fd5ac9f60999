#include "ui/skin/xp_menu.h"

#include <QPainter>
#include <QPaintEvent>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "ui/skin/picture_scale.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace {

constexpr int kIconColumn = 25;
constexpr int kIconSize = 16;
constexpr QSize kMeasuredItem{75, 22};
// Windows widens every owner-drawn menu item by the check-mark column; without it "Config"
// would not fit.
constexpr int kCheckMarkAllowance = 15;

QFont ItemFont() { return SkinFont(QStringLiteral("Arial"), 14, 500); }

// Every item measures 75 × 22 (plus the check-mark column), wider only for a text that would not
// fit, and the menu has no frame of its own.
class XPMenuStyle final : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type != CT_MenuItem) return QProxyStyle::sizeFromContents(type, option, size, widget);
        QSize item = kMeasuredItem + QSize(kCheckMarkAllowance, 0);
        if (const auto* menuItem = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            const int textWidth = QFontMetrics(ItemFont()).horizontalAdvance(menuItem->text);
            item.setWidth(std::max(item.width(), kIconColumn + 8 + textWidth + 8));
        }
        return item;
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_MenuPanelWidth || metric == PM_MenuHMargin || metric == PM_MenuVMargin) return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

void DrawCheckMark(QPainter& painter, const QRect& column) {
    const QPointF centre = QRectF(column).center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(painter.pen().color(), 2));
    painter.drawPolyline(QPolygonF{centre + QPointF(-5, 0), centre + QPointF(-1, 4), centre + QPointF(5, -4)});
    painter.restore();
}

}  // namespace

CXPMenu::CXPMenu(QWidget* parent) : QMenu(parent) {
    auto* style = new XPMenuStyle;
    style->setParent(this);
    setStyle(style);
}

QAction* CXPMenu::AddItem(uint32_t command, const QString& text, const QImage& normalIcon,
                          const QImage& selectedIcon) {
    QAction* action = addAction(text);
    action->setData(command);
    action->setProperty("xpItem", QVariant::fromValue(QList<QImage>{normalIcon, selectedIcon}));
    return action;
}

QAction* CXPMenu::AddItem(uint32_t command, const QString& text, int normalIconResource, int selectedIconResource) {
    return AddItem(command, text, LoadResource(normalIconResource), LoadResource(selectedIconResource));
}

void CXPMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothScaledPictures(painter);
    painter.setFont(ItemFont());
    for (QAction* action : actions()) {
        const QRect item = actionGeometry(action);
        const bool selected = action == activeAction();
        const QList<QImage> icons = action->property("xpItem").value<QList<QImage>>();
        const QRect iconColumn(item.left(), item.top(), kIconColumn, item.height());
        const QRect textArea(item.left() + kIconColumn + 8, item.top(), item.width() - kIconColumn - 8, item.height());
        if (selected) {
            painter.fillRect(item, QColor(0xB1, 0xB9, 0xCF));
            painter.setPen(QColor(0x00, 0x3C, 0x91));
            painter.drawRect(item.adjusted(0, 0, -1, -1));
        } else {
            painter.fillRect(item, QColor(0xDB, 0xD8, 0xD1));
            painter.setPen(Qt::black);
        }
        const QImage icon = icons.value(selected ? 1 : 0);
        if (action->isCheckable() && action->isChecked()) DrawCheckMark(painter, iconColumn);
        if (!icon.isNull())
            painter.drawImage(QRect(iconColumn.left() + (kIconColumn - kIconSize) / 2,
                                    iconColumn.top() + (item.height() - kIconSize) / 2, kIconSize, kIconSize),
                              icon);
        const QString shown = painter.fontMetrics().elidedText(action->text(), Qt::ElideRight, textArea.width());
        painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, shown);
    }
}

}  // namespace oryn7px
