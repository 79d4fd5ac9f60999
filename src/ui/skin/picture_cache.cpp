#include "ui/skin/picture_cache.h"

#include <QGuiApplication>
#include <QHash>
#include <QThread>
#include <atomic>
#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "core/layout/skin_files.h"
#include "ui/skin/skin_resources.h"

namespace oryn7px {

namespace {

struct Cache {
    std::mutex mutex;
    QHash<QString, QImage> pictures;
    int decodes = 0;
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

// The set for the screens' highest device pixel ratio. Qt keeps its screen list on the UI
// thread: a decode on another thread uses the set the UI thread chose last.
int ScreenPictureScale() {
    static std::atomic<int> chosen{1};
    if (qGuiApp && QThread::currentThread() == qGuiApp->thread())
        chosen = PictureScaleFor(qGuiApp->devicePixelRatio());
    return chosen;
}

// At ratio 1 only the 1x set is ever read, so the 2x set costs no memory there. A skins folder
// without the 2x twin still shows its 1x picture, scaled up by Qt.
QImage Read(const QString& relativePath) {
    const int scale = ScreenPictureScale();
    if (scale != 1) {
        QImage image(SkinPath(QString::fromStdString(ScaledSkinFile(relativePath.toStdString(), scale))));
        if (!image.isNull()) {
            image.setDevicePixelRatio(scale);
            return image;
        }
    }
    return QImage(SkinPath(relativePath));
}

QImage Decode(const QString& relativePath) {
    QImage image = Read(relativePath);
    if (image.isNull()) return image;
    // Opaque pictures (the bitmaps: frame and page backgrounds, megabytes each) keep three bytes
    // a pixel: a quarter less memory, the same colours.
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB888);
}

}  // namespace

QImage SkinPicture(const QString& relativePath) {
    Cache& cache = TheCache();
    {
        std::lock_guard lock(cache.mutex);
        const auto found = cache.pictures.constFind(relativePath);
        if (found != cache.pictures.constEnd()) return *found;
    }
    // Decoding runs unlocked, so a preload on another thread never blocks a lookup of a
    // picture that is ready; when two decode the same file, the first stored copy wins.
    QImage decoded = Decode(relativePath);
    std::lock_guard lock(cache.mutex);
    ++cache.decodes;
    const auto found = cache.pictures.constFind(relativePath);
    if (found != cache.pictures.constEnd()) return *found;
    cache.pictures.insert(relativePath, decoded);
    return decoded;
}

QImage ResourcePicture(int number) { return SkinPicture(ResourceRelativePath(number)); }

void PreloadSkinPictures(const QStringList& relativePaths) {
    for (const QString& path : relativePaths) SkinPicture(path);
}

void ReleaseUnusedPictures() {
    Cache& cache = TheCache();
    {
        std::lock_guard lock(cache.mutex);
        for (auto it = cache.pictures.begin(); it != cache.pictures.end();) {
            if (it->isNull() || it->isDetached()) it = cache.pictures.erase(it);
            else ++it;
        }
    }
#ifdef __GLIBC__
    // Freed pictures are megabytes in the middle of the heap: hand those pages back.
    malloc_trim(0);
#endif
}

int CachedPictureCount() {
    std::lock_guard lock(TheCache().mutex);
    return static_cast<int>(TheCache().pictures.size());
}

int PictureDecodeCount() {
    std::lock_guard lock(TheCache().mutex);
    return TheCache().decodes;
}

void ClearPictureCache() {
    std::lock_guard lock(TheCache().mutex);
    TheCache().pictures.clear();
}

}  // namespace oryn7px
