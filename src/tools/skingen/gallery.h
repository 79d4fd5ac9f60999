#pragma once
#include <QString>

namespace oryn7px::skingen {

// Renders every skinned control in each of its states on one sheet, using the pictures in the
// program folder `programFolder` (which holds skins/). Returns false when the file is not written.
bool RenderGallery(const QString& programFolder, const QString& outFile);

}  // namespace oryn7px::skingen
