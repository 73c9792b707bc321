#pragma once

#include <QPixmap>
#include <QString>

// Loading of the buttons' state images, kept in the pixmap cache so that a
// repaint does not read and scale the file again.
namespace ButtonImages {
// The image at path, or a null pixmap when there is none.
QPixmap load(const QString& path);
// The image scaled by factor in both dimensions (half away from zero).
QPixmap scaledBy(const QString& path, double factor);
// The image scaled by factor, keeping its aspect ratio.
QPixmap scaledKeepAspect(const QPixmap& image, double factor);
}
