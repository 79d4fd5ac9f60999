#pragma once
// The keyboard focus mark of the skinned controls. As desktop toolkits do, a window shows it only
// while its keyboard is in use: from a Tab, Shift+Tab or arrow key until the next mouse press.
#include <QObject>

class QColor;
class QPainter;
class QPolygon;
class QRect;
class QWidget;

namespace oryn7px {

// The "keyboard in use" flag of one window, kept as a property of the window so that every
// control in it can read it while painting.
class KeyboardUse final : public QObject {
    Q_OBJECT
public:
    // A popup opened from the keyboard starts with the flag set.
    explicit KeyboardUse(QWidget* window, bool inUse = false);
    ~KeyboardUse() override;

    static bool InUse(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Set(bool inUse);

    QWidget* window_;
};

// True when `control` has the focus and its window's keyboard is in use.
bool ShowsFocusMark(const QWidget* control);

QColor FocusMarkColour();

// The mark along the inside of a control's box, or of its outline (the painter's coordinates).
void PaintFocusMark(QPainter& painter, const QRect& box);
void PaintFocusMark(QPainter& painter, const QPolygon& outline);

}  // namespace oryn7px
