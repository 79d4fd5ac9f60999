#pragma once
// Rectangular picture button: shows its rectangle of the page's full-window pictures for its
// state; also serves as check box, radio button, tab and text field.
#include <QAbstractButton>
#include <QAccessible>
#include <QColor>
#include <QImage>
#include <array>

#include "ui/skin/caption_board.h"

namespace oryn7px {

enum class ButtonLook { Normal, Hover, Pressed, Disabled };

// The first rule that applies: pressed look, hover, disabled, normal.
ButtonLook ChooseButtonLook(bool checkDisplay, bool checked, bool beingPressed, bool hover, bool enabled);

class CGDIBitmapBtn : public QAbstractButton, public CaptionHolder {
    Q_OBJECT
public:
    explicit CGDIBitmapBtn(QWidget* parent = nullptr);

    void Create(const QRect& rect, QWidget* parent, int controlId);
    int ControlId() const { return nControlId_; }

    // Cuts `rect` out of each full-window picture.
    void SetPictures(const QRect& rect, const QImage& normal, const QImage& hover, const QImage& pressed,
                     const QImage& disabled);
    void SetMode(bool checkDisplay, bool toggleOnClick);
    void SetChecked(bool checked);
    bool GetChecked() const { return bChecked_; }
    void SetValue(uint32_t value) { dwValue_ = value; }
    uint32_t GetValue() const { return dwValue_; }
    void SetText(const QString& text);
    QString GetText() const { return strText_; }
    void SetTextColours(const QColor& normal, const QColor& hover, const QColor& pressed);
    void SetPressNotify(bool on) { bPressNotify_ = on; }
    void SetTooltip(const QString& text, bool active);
    void SetCaption(const ShownCaption& caption) override;
    const ShownCaption& Caption() const override { return caption_; }

    bool IsHover() const { return bHover_; }
    ButtonLook CurrentLook() const;
    // What assistive technology is told the button is: by default a check box when it shows its
    // checked state, else a push button; radio buttons, tabs and labels say so.
    void SetRole(QAccessible::Role role) { role_ = role; }
    QAccessible::Role Role() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void SetHover(bool hover);
    // What a press and a release of the left button do besides the button's own signals; Space
    // does the same.
    void OnPress();
    void OnRelease();
    void AnnounceCheckedChange();

    int nControlId_ = 0;
    bool bChecked_ = false;
    bool bCheckDisplay_ = false;
    bool bToggleOnClick_ = false;
    bool bHover_ = false;
    bool bPressNotify_ = false;
    uint32_t dwValue_ = 0;
    QAccessible::Role role_ = QAccessible::NoRole;
    QString strText_;
    ShownCaption caption_;
    std::array<QImage, 4> pictures_;  // indexed by ButtonLook
    QColor normalText_{0xBD, 0xBD, 0xC8};
    QColor hoverText_{Qt::white};
    QColor pressedText_{0x26, 0x1D, 0x05};
};

}  // namespace oryn7px
