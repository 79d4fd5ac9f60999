#include "ui/skin/skin_resources.h"

#include <QFontMetrics>

#include <QCoreApplication>
#include <QDir>

#include "core/layout/skin_files.h"
#include "ui/skin/picture_cache.h"

namespace oryn7px {

namespace {

QString& ProgramFolderOverride() {
    static QString folder;
    return folder;
}

}  // namespace

QString ProgramFolder() {
    const QString& folder = ProgramFolderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void SetProgramFolder(const QString& folder) {
    ProgramFolderOverride() = folder;
    ClearPictureCache();
}

QString SkinPath(const QString& relativePath) {
    return QDir(ProgramFolder()).filePath(QStringLiteral("skins/") + relativePath);
}

QString ResourceRelativePath(int number) { return QString::fromStdString(ResourceFile(number)); }

QImage LoadResource(int number) { return ResourcePicture(number); }

QImage LoadSkinImage(const QString& relativePath) { return SkinPicture(relativePath); }

QFont FittingSkinFont(const QString& face, int largest, int smallest, int weight, const QString& text, int width) {
    QFont font = SkinFont(face, largest, weight);
    for (int size = largest - 1; size >= smallest && QFontMetrics(font).horizontalAdvance(text) > width; --size)
        font.setPixelSize(size);
    return font;
}

QFont SkinFont(const QString& face, int pixelSize, int weight) {
    QFont font;
    font.setFamilies({face, QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace oryn7px
