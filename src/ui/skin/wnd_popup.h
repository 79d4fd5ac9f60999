#pragma once
// Borderless, per-pixel transparent popup menus: CWndPopup is the window, CMenuEx a list of
// picture-and-text items on it, CMenuExA the language menu.
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

#include "core/layout/layout_types.h"

namespace oryn7px {

class CWndPopup : public QWidget {
    Q_OBJECT
public:
    CWndPopup();

    // Opens at (x, y) on the screen; the choice goes to `owner` as `ownerMessage`.
    void Show(QWidget* owner, int x, int y, uint32_t ownerMessage);
    void SetBackground(const QImage& picture);
    void SetBackground(int pngResource);

protected:
    // Items are drawn by the derived menu; the index under the cursor is theirs too.
    virtual void DrawItems(QPainter& painter) = 0;
    virtual void DrawPictures(QPainter& painter) = 0;
    virtual bool UpdateHover(const QPoint& pos) = 0;
    virtual void Release(const QPoint& pos) = 0;
    // The keyboard: Up and Down move the hover through the items, Space chooses the one hovered.
    virtual void StepHover(int step) = 0;
    virtual void ChooseHover() = 0;
    void Choose(uint32_t command);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    QFont font_;

private:
    QPointer<QWidget> owner_;
    uint32_t nOwnerMessage_ = 0;
    QImage background_;
    bool bPressed_ = false;
    bool bClosedReported_ = false;
};

class CMenuEx : public CWndPopup {
    Q_OBJECT
public:
    struct Item {
        uint32_t command = 0;
        QImage picture;
        QString text;
        LayoutRect rect;
    };

    void AddItem(const QString& text, int pngResource, uint32_t command);
    void AddItem(const QString& text, const QImage& picture, uint32_t command);
    const std::vector<Item>& Items() const { return items_; }
    int HoveredItem() const { return nHovered_; }

protected:
    void DrawItems(QPainter& painter) override;
    void DrawPictures(QPainter& painter) override;
    bool UpdateHover(const QPoint& pos) override;
    void Release(const QPoint& pos) override;
    void StepHover(int step) override;
    void ChooseHover() override;

private:
    void LayOut();

    std::vector<Item> items_;
    int nHovered_ = -1;
};

// The twelve UI languages, with their icons and language numbers 1..12.
class CMenuExA : public CMenuEx {
    Q_OBJECT
public:
    CMenuExA();
};

}  // namespace oryn7px
