#pragma once
// A picture button of any outline (the page tabs, profile buttons and apply button). Its mask is
// the outline, so a click outside it reaches the sibling beneath even where bounding boxes overlap.
#include <QAbstractButton>
#include <QAccessible>
#include <QImage>
#include <QPolygon>
#include <array>

#include "core/layout/layout_types.h"
#include "ui/skin/caption_board.h"

namespace oryn7px {

class CIrrButton : public QAbstractButton, public CaptionHolder {
    Q_OBJECT
public:
    explicit CIrrButton(QWidget* parent = nullptr);

    // Full-window pictures in the order normal, pressed, hover, disabled; the button keeps only
    // its own box of each.
    void SetPictures(const QImage& normal, const QImage& pressed, const QImage& hover, const QImage& disabled);
    void SetPictures(const std::array<int, 4>& resourceNumbers);
    // The outline is in the parent's coordinates; the window takes its bounding box.
    void Create(const QPolygon& outline, QWidget* parent);
    void Create(const LayoutQuad& outline, QWidget* parent);

    void SetHighlightMode(bool on);
    void SetHighlighted(bool highlighted);
    bool IsHighlighted() const { return bHighlighted_; }
    bool IsHover() const { return bHover_; }
    void SetTooltip(const QString& text, bool active);
    void SetCaption(const ShownCaption& caption) override;
    const ShownCaption& Caption() const override { return caption_; }

    // What a press on the button does: the owner hears of it (WM_COMMAND).
    void Activate();

    // What assistive technology is told the button is (a push button unless set): page tabs
    // and the profile buttons, which stay highlighted while chosen, say so.
    void SetRole(QAccessible::Role role) { role_ = role; }
    QAccessible::Role Role() const { return role_; }

    // Index into the pictures (0 normal, 1 pressed, 2 hover, 3 disabled) the button shows now.
    int CurrentPicture() const;
    const QImage& Picture(int index) const { return pictures_[index]; }

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void TrackHover(const QPoint& pos);
    void CutPictures();

    QPolygon outline_;  // in window coordinates
    std::array<QImage, 4> pictures_;  // the button's box of each picture, once created
    bool bPicturesCut_ = false;
    bool bHighlightMode_ = false;
    bool bHighlighted_ = false;
    bool bHover_ = false;
    ShownCaption caption_;
    QAccessible::Role role_ = QAccessible::PushButton;
};

}  // namespace oryn7px
