#pragma once
// Keys the main window handles before any of its controls sees them: Enter and Escape do
// nothing, Space only presses the button that has the focus, Alt+F4 hides the window instead of
// closing it, Alt+G applies. While the shown page records the keyboard, Tab, the arrows and
// Space neither move the focus nor press anything.
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

namespace oryn7px {

class KeyPreFilter : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> hide;   // Alt+F4
        std::function<void()> apply;  // Alt+G
        std::function<bool()> pageTakesKeys;
    };

    // Installs itself on the application; only keys for `mainWindow` and its children count.
    KeyPreFilter(QWidget* mainWindow, Actions actions);
    ~KeyPreFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool BelongsToMainWindow(QObject* watched) const;

    QWidget* mainWindow_;
    Actions actions_;
    const QEvent* lastApplyKey_ = nullptr;
};

}  // namespace oryn7px
