#pragma once
// Whether the desktop shows tray icons, asked the way Qt's tray icon asks, so that the command
// line can tell what the program will find.
namespace oryn7px {

// A StatusNotifier host on the session bus (KDE Plasma, GNOME with the AppIndicator extension,
// most panels), else an XEmbed tray manager on $DISPLAY.
bool DesktopShowsTray();

}  // namespace oryn7px
