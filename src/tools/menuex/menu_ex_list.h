#pragma once
// The menu libMenuEx.so shows: a skinned popup (CWndPopup) with one row per item, painted from
// the caller's item pictures or, without them, from its colours.
#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <vector>

#include "abi/menu_ex_api.h"
#include "ui/skin/wnd_popup.h"

namespace oryn7px::menuex {

struct MenuExLook {
    int itemHeight = 24;
    QColor text;
    QColor hoverText;
    QColor hoverFill;
    std::array<QImage, MENUEX_BITMAP_COUNT> pictures;  // normal, hover, pressed, disabled; then with submenu
};

struct MenuExEntry {
    uint32_t id = 0;
    QString text;
};

class CMenuExList final : public CWndPopup {
    Q_OBJECT
public:
    CMenuExList(const MenuExOwner& owner, MenuExLook look, std::vector<MenuExEntry> entries);

    int HoveredItem() const { return nHovered_; }
    QRect ItemRect(int index) const;

protected:
    void DrawItems(QPainter& painter) override;
    void DrawPictures(QPainter& painter) override {}
    bool UpdateHover(const QPoint& pos) override;
    void Release(const QPoint& pos) override;
    void StepHover(int step) override;
    void ChooseHover() override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int ItemAt(const QPoint& pos) const;

    MenuExOwner owner_;
    MenuExLook look_;
    std::vector<MenuExEntry> entries_;
    int nHovered_ = -1;
    bool bPressed_ = false;
};

}  // namespace oryn7px::menuex
