#include "ui/skin/xp_menu.h"

#include <QPainter>
#include <QPaintEvent>
#include <QProxyStyle>

#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace {

constexpr int kIconColumn = 25;
constexpr int kIconSize = 16;
constexpr QSize kMeasuredItem{75, 22};
// Windows widens every owner-drawn menu item by the check-mark column; without it "Config"
// would not fit.
constexpr int kCheckMarkAllowance = 15;

// Every item measures 75 × 22 (plus the check-mark column) and the menu has no frame of its own.
class XPMenuStyle final : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MenuItem) return kMeasuredItem + QSize(kCheckMarkAllowance, 0);
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_MenuPanelWidth || metric == PM_MenuHMargin || metric == PM_MenuVMargin) return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

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
    painter.setFont(SkinFont(QStringLiteral("Arial"), 14, 500));
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
        if (!icon.isNull())
            painter.drawImage(QRect(iconColumn.left() + (kIconColumn - kIconSize) / 2,
                                    iconColumn.top() + (item.height() - kIconSize) / 2, kIconSize, kIconSize),
                              icon);
        const QString shown = painter.fontMetrics().elidedText(action->text(), Qt::ElideRight, textArea.width());
        painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, shown);
    }
}

}  // namespace oryn7px
