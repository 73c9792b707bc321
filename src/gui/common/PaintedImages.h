#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The interface images of the widget library, painted with QPainter from the
// program's palette. The widgets prefer the compiled ":/res" resource and fall
// back to these when a build carries no such image, so they never show blank.
namespace PaintedImages {

// File names (as under ":/res/") of every image painted here.
QStringList names();

// The painted image for a resource path such as ":/res/xuanzhong_on.png",
// "://res/gif_bg.png" or a bare "xuanzhong_on.png"; null when the name is not
// one of ours.
QImage paint(const QString& resourcePath);

// resourcePath itself when it loads; otherwise the painted image; null when
// neither exists.
QPixmap pixmap(const QString& resourcePath);

// A path that style sheets and image readers can load: resourcePath when the
// resource exists, else a file holding the painted image (written once per
// process into a private temporary folder), else resourcePath unchanged.
QString path(const QString& resourcePath);

// Replaces every url(...) of style whose resource is missing by the path of
// its painted stand-in.
QString resolveStyleSheet(const QString& style);

// The frames of the busy animation ("tongyong.gif"), side x side pixels.
QList<QImage> busyFrames(int side = 100, int count = 12);
// Interval between two frames of busyFrames, in milliseconds.
constexpr int kBusyFrameMs = 80;

} // namespace PaintedImages
