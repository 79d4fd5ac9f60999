#pragma once
// An ordinary menu whose items are drawn with an icon and a text (the tray menu).
#include <QImage>
#include <QMenu>

namespace oryn7px {

class CXPMenu : public QMenu {
    Q_OBJECT
public:
    explicit CXPMenu(QWidget* parent = nullptr);

    QAction* AddItem(uint32_t command, const QString& text, const QImage& normalIcon, const QImage& selectedIcon);
    QAction* AddItem(uint32_t command, const QString& text, int normalIconResource, int selectedIconResource);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace oryn7px
