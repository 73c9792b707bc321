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
    // Painting asks for the same few sizes over and over.
    const QString key = QStringLiteral("tw-btn@%1:").arg(factor, 0, 'g', 17) + path;
    QPixmap scaled;
    if (QPixmapCache::find(key, &scaled))
        return scaled;
    const int w = qMax(1, roundAway(image.width() * factor));
    const int h = qMax(1, roundAway(image.height() * factor));
    scaled = image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmapCache::insert(key, scaled);
    return scaled;
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
