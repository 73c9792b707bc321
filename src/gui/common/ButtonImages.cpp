#include "gui/common/ButtonImages.h"

#include <QPixmapCache>

#include <cmath>

namespace ButtonImages {

QPixmap load(const QString& path)
{
    if (path.isEmpty())
        return QPixmap();
    QPixmap pixmap;
    const QString key = QStringLiteral("tw-btn:") + path;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    if (pixmap.load(path))
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

static int roundAway(double v)
{
    return int(v >= 0 ? std::floor(v + 0.5) : std::ceil(v - 0.5));
}

QPixmap scaledBy(const QString& path, double factor)
{
    const QPixmap image = load(path);
    if (image.isNull() || factor == 1.0)
        return image;
    const int w = qMax(1, roundAway(image.width() * factor));
    const int h = qMax(1, roundAway(image.height() * factor));
    return image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPixmap scaledKeepAspect(const QPixmap& image, double factor)
{
    if (image.isNull() || factor == 1.0)
        return image;
    const int w = qMax(1, roundAway(image.width() * factor));
    const int h = qMax(1, roundAway(image.height() * factor));
    return image.scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace ButtonImages
