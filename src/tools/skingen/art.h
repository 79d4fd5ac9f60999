#pragma once
// Each function draws one family of pictures into the skins folder `root`, at `scale` pixels per
// window unit (1 or 2: the 2x set goes beside the 1x one under the same names with "@2x").
#include <QImage>
#include <QString>

namespace oryn7px::skingen {

void DrawMainFrame(const QString& root, int scale);
void DrawWindowButtons(const QString& root, int scale);
void DrawDialogs(const QString& root, int scale);
void DrawProgramsDialog(const QString& root, int scale);
void DrawControls(const QString& root, int scale);
void DrawIcons(const QString& root, int scale);
// The program's icon (resource 128) in the sizes of the desktop's hicolor theme, as
// root/<size>x<size>/apps/<name>.png.
void DrawDesktopIcons(const QString& root, const QString& name);
void DrawTrophies(const QString& root, int scale);
// One drawing per page, in tab order.
void DrawMainPage(const QString& root, int scale);
void DrawSettingPopup(const QString& root, int scale);
void DrawLightingPage(const QString& root, int scale);
void DrawMacroPage(const QString& root, int scale);
void DrawStatisticsPage(const QString& root, int scale);
void DrawSupportPage(const QString& root, int scale);

QImage FlagPicture(int scale, int language, QSize size);
QImage TrophyPicture(int scale, int level);

}  // namespace oryn7px::skingen
