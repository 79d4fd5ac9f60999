#pragma once
// The one place skin pictures are decoded. Each skin file or numbered resource is decoded once
// and handed out as an implicitly shared image; controls cut their own rectangles from it, and
// pictures that nobody keeps any more are dropped, so a full-window picture lives only as long
// as some window paints it whole.
#include <QImage>
#include <QString>
#include <QStringList>

namespace oryn7px {

// Relative to the skins folder; a null image when the file is missing or unreadable. On a screen
// with a device pixel ratio above 1 this is the picture's 2x twin, carrying ratio 2: its size in
// window units (ui/skin/picture_scale.h) is the 1x picture's size.
QImage SkinPicture(const QString& relativePath);
QImage ResourcePicture(int number);

// Decodes these now, so that later lookups find them (safe on any thread).
void PreloadSkinPictures(const QStringList& relativePaths);

// Forgets every picture that only the cache still holds.
void ReleaseUnusedPictures();

// How many pictures the cache holds and how many times it decoded one (for tests).
int CachedPictureCount();
int PictureDecodeCount();

// Empties the cache, e.g. when the program folder changes.
void ClearPictureCache();

}  // namespace oryn7px
