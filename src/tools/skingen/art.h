#pragma once
// Each function draws one family of pictures into the skins folder `root`.
#include <QImage>
#include <QString>

namespace oryn7px::skingen {

void DrawMainFrame(const QString& root);
void DrawWindowButtons(const QString& root);
void DrawDialogs(const QString& root);
void DrawControls(const QString& root);
void DrawIcons(const QString& root);
// The program's icon (resource 128) in the sizes of the desktop's hicolor theme, as
// root/<size>x<size>/apps/<name>.png.
void DrawDesktopIcons(const QString& root, const QString& name);
void DrawTrophies(const QString& root);
// One drawing per page, in tab order.
void DrawMainPage(const QString& root);
void DrawLightingPage(const QString& root);
void DrawMacroPage(const QString& root);
void DrawStatisticsPage(const QString& root);
void DrawSupportPage(const QString& root);

// Pictures the gallery shows beside the controls.
QImage FlagPicture(int language, QSize size);
QImage TrophyPicture(int level);

}  // namespace oryn7px::skingen
