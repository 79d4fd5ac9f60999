#include "ui/frame/tray_icon.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "core/app/app_texts.h"
#include "core/layout/frame_layout.h"
#include "core/base/messages.h"
#include "core/device/hook_codes.h"
#include "ui/skin/message_event.h"
#include "ui/skin/skin_resources.h"
#include "ui/skin/xp_menu.h"

namespace oryn7px {

TrayIcon::TrayIcon(QObject* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick) PostMessageTo(mainWindow_, {UM_TRAY_NOTIFY, 0, WM_LBUTTONDBLCLK});
        if (reason == QSystemTrayIcon::Context) PostMessageTo(mainWindow_, {UM_TRAY_NOTIFY, 0, WM_RBUTTONUP});
    });
    icon_.setIcon(QIcon(QPixmap::fromImage(LoadResource(resources::kAppIcon))));
    icon_.setToolTip(QString::fromStdU16String(MainWindowTitle()));
}

void TrayIcon::Add() {
    icon_.show();
    // The desktop shows the balloon on its own time, as the system does elsewhere: start-up
    // does not wait for it.
    QTimer::singleShot(0, &icon_, [this] {
        icon_.showMessage(QStringLiteral("Running"), icon_.toolTip(), QSystemTrayIcon::Information,
                          kBalloonTimeoutMs);
    });
}

void TrayIcon::Remove() { icon_.hide(); }

void TrayIcon::RunMenu(QWidget* mainWindow, const Autostart* autostart, const std::optional<TrayFollowItem>& follow) {
    CXPMenu menu;
    menu.AddItem(kTrayCommandConfig, QStringLiteral("Config"), resources::kTrayConfigIcon, resources::kTrayConfigIcon);
    const auto addTicked = [&menu](uint32_t command, const QString& text, bool ticked) {
        QAction* item = menu.AddItem(command, text, QImage(), QImage());
        item->setCheckable(true);
        item->setChecked(ticked);
    };
    if (autostart) addTicked(kTrayCommandAutostart, QStringLiteral("Start with the desktop"), autostart->IsEnabled());
    if (follow) addTicked(kTrayCommandFollow, follow->text, follow->ticked);
    menu.AddItem(kTrayCommandExit, QStringLiteral("Exit"), resources::kTrayExitIcon, resources::kTrayExitIcon);
    if (mainWindow->isVisible()) mainWindow->activateWindow();
    if (const QAction* chosen = menu.exec(QCursor::pos()))
        PostMessageTo(mainWindow, {WM_COMMAND, chosen->data().toUInt(), 0});
}

}  // namespace oryn7px
