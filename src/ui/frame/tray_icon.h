#pragma once
// The program's icon in the notification area. Its clicks reach the main window as
// UM_TRAY_NOTIFY with the mouse message, as a second start's "show" does.
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <optional>

#include "core/interfaces/autostart.h"

namespace oryn7px {

inline constexpr uint32_t kTrayCommandConfig = 0x6000;
inline constexpr uint32_t kTrayCommandExit = 0x6001;
inline constexpr uint32_t kTrayCommandAutostart = 0x6002;
inline constexpr uint32_t kTrayCommandFollow = 0x6003;
inline constexpr int kBalloonTimeoutMs = 5000;

// "Follow programs" in the UI language, ticked while profiles follow the program in front.
struct TrayFollowItem {
    QString text;
    bool ticked = false;
};

class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* mainWindow);

    // Adds the icon; the tray shows the "Running" balloon once.
    void Add();
    void Remove();

    // The owner-drawn menu "Config" / "Exit" at the cursor, with "Start with the desktop" between
    // them where the program can start with the session, and "Follow programs" where the desktop
    // tells the program in front; the chosen entry reaches the main window as WM_COMMAND with its
    // command id. The menu is gone when this returns.
    static void RunMenu(QWidget* mainWindow, const Autostart* autostart, const std::optional<TrayFollowItem>& follow);

private:
    QObject* mainWindow_;
    QSystemTrayIcon icon_;
};

}  // namespace oryn7px
