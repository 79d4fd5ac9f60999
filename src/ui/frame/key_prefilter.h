#pragma once
// Keys the main window handles before any of its controls sees them: Enter, Escape and Space
// do nothing, Alt+F4 hides the window instead of closing it, Alt+G applies.
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
