// skingen: draws the program's skin pictures and numbered resources, or a gallery sheet of
// every skinned control.
//   skingen --out PROGRAM/skins
//   skingen --gallery OUT.png
//   skingen --icons HICOLOR_DIR NAME
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>

#include "art.h"
#include "core/layout/skin_files.h"
#include "gallery.h"

namespace {

void DrawAll(const QString& skins) {
    using namespace oryn7px::skingen;
    for (int scale : oryn7px::kPictureScales) {
        DrawMainFrame(skins, scale);
        DrawWindowButtons(skins, scale);
        DrawDialogs(skins, scale);
        DrawProgramsDialog(skins, scale);
        DrawControls(skins, scale);
        DrawIcons(skins, scale);
        DrawTrophies(skins, scale);
        DrawMainPage(skins, scale);
        DrawSettingPopup(skins, scale);
        DrawLightingPage(skins, scale);
        DrawMacroPage(skins, scale);
        DrawStatisticsPage(skins, scale);
        DrawSupportPage(skins, scale);
    }
}

int Usage() {
    std::fputs("usage: skingen --out SKINS_DIR | --gallery OUT.png | --icons HICOLOR_DIR NAME\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 4 && args[1] == "--icons") {
            oryn7px::skingen::DrawDesktopIcons(args[2], args[3]);
            return 0;
        }
        if (args.size() != 3) return Usage();
        if (args[1] == "--out") {
            DrawAll(args[2]);
            return 0;
        }
        if (args[1] == "--gallery") {
            QTemporaryDir program;
            if (!program.isValid()) throw std::runtime_error("cannot create a temporary folder");
            DrawAll(QDir(program.path()).filePath("skins"));
            if (!oryn7px::skingen::RenderGallery(program.path(), args[2]))
                throw std::runtime_error("cannot write " + args[2].toStdString());
            return 0;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "skingen: %s\n", error.what());
        return 1;
    }
    return Usage();
}
