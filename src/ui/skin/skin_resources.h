#pragma once
// Where the skinned controls find their pictures: the skins folder beside the program, and its
// numbered resources under skins/res/<number>.png.
#include <QFont>
#include <QImage>
#include <QString>

namespace oryn7px {

// The folder of the program file, unless set (tests and skingen point it at a build folder).
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

QString SkinPath(const QString& relativePath);
// Relative to the program folder; skingen writes every numbered resource to this name.
QString ResourceRelativePath(int number);
// Through the picture cache: decoded once, shared; a null image when missing.
QImage LoadResource(int number);
QImage LoadSkinImage(const QString& relativePath);

// The Windows face names of the original look map onto the fonts installed here.
QFont SkinFont(const QString& face, int pixelSize, int weight);
// The face at the largest size from `largest` down to `smallest` at which `text` fits `width` (at
// `smallest` when none does): a long translation gets smaller, never an ellipsis.
QFont FittingSkinFont(const QString& face, int largest, int smallest, int weight, const QString& text, int width);

}  // namespace oryn7px
