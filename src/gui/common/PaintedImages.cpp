#include "gui/common/PaintedImages.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLinearGradient>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

namespace {

// The interface palette.
const QColor kWhite(QStringLiteral("#FFFFFF"));
const QColor kGrey(QStringLiteral("#999999"));
const QColor kOrange(QStringLiteral("#FC673A"));
const QColor kYellow(QStringLiteral("#FECE5B"));
const QColor kGreen(QStringLiteral("#17A249"));
const QColor kBlue(QStringLiteral("#21AAD4"));
const QColor kViolet(QStringLiteral("#D05ACE"));
const QColor kPink(QStringLiteral("#FD6096"));
const QColor kRed(QStringLiteral("#FC3746"));

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// Check-box indicators are drawn at twice their 18 x 20 design size so that
// they stay sharp up to a factor of 2.
enum class Box { Unchecked, Disabled, Checked, Indeterminate };

QImage paintCheckBox(Box kind)
{
    QImage img = blank(36, 40);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(3, 5, 30, 30);
    switch (kind) {
    case Box::Unchecked:
        p.setPen(QPen(kGrey, 2));
        p.setBrush(kWhite);
        p.drawRoundedRect(box, 5, 5);
        break;
    case Box::Disabled:
        p.setPen(QPen(withAlpha(kGrey, 110), 2));
        p.setBrush(withAlpha(kGrey, 50));
        p.drawRoundedRect(box, 5, 5);
        break;
    case Box::Checked: {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRoundedRect(box, 5, 5);
        QPen pen(kWhite, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(10, 20);
        tick.lineTo(16, 26);
        tick.lineTo(27, 13);
        p.drawPath(tick);
        break;
    }
    case Box::Indeterminate:
        p.setPen(QPen(kBlue, 2));
        p.setBrush(kWhite);
        p.drawRoundedRect(box, 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(10, 17, 16, 6), 2, 2);
        break;
    }
    return img;
}

// The dimmed rounded card behind the busy animation.
QImage paintLoadingBackground()
{
    QImage img = blank(240, 240);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGrey, 2));
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(1, 1, 238, 238), 24, 24);
    return img;
}

// The strip beside a format button: a soft blue bar for hover, a solid one
// for the pressed state (whose text turns white).
QImage paintStrip(bool pressed)
{
    QImage img = blank(120, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (pressed) {
        p.setBrush(kBlue);
    } else {
        QLinearGradient g(0, 0, 120, 0);
        g.setColorAt(0.0, withAlpha(kBlue, 150));
        g.setColorAt(1.0, withAlpha(kBlue, 40));
        p.setBrush(g);
    }
    p.drawRoundedRect(QRectF(0, 0, 120, 32), 4, 4);
    return img;
}

// One frame of the busy indicator: twelve dots on a circle in the palette's
// colours, the leading dot largest and the trail fading behind it.
QImage paintBusyFrame(int side, int index, int count)
{
    QImage img = blank(side, side);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    static const QColor colours[] = {kOrange, kYellow, kGreen, kBlue, kViolet, kPink, kRed};
    const int dots = 12;
    const double centre = side / 2.0;
    const double ring = side * 0.36;
    const double pi = std::acos(-1.0);
    for (int i = 0; i < dots; ++i) {
        // How far this dot trails behind the leading one.
        const int lag = ((index * dots / qMax(1, count)) - i + dots) % dots;
        const double angle = 2.0 * pi * i / dots - pi / 2.0;
        const double r = side * (0.085 - 0.005 * lag);
        QColor c = colours[i % 7];
        c.setAlpha(qMax(40, 255 - lag * 20));
        p.setBrush(c);
        p.drawEllipse(QPointF(centre + ring * std::cos(angle), centre + ring * std::sin(angle)),
                      qMax(1.0, r), qMax(1.0, r));
    }
    return img;
}

QString baseName(const QString& resourcePath)
{
    return QFileInfo(resourcePath).fileName();
}

bool resourceLoads(const QString& resourcePath)
{
    if (resourcePath.isEmpty() || !QFile::exists(resourcePath))
        return false;
    return !QImage(resourcePath).isNull();
}

QMutex& cacheMutex()
{
    static QMutex m;
    return m;
}

} // namespace

namespace PaintedImages {

QStringList names()
{
    return {QStringLiteral("xuanzhong_nor.png"),    QStringLiteral("xuanzhong_dis.png"),
            QStringLiteral("xuanzhong_on.png"),     QStringLiteral("indeterminate.png"),
            QStringLiteral("gif_bg.png"),           QStringLiteral("tongyong.gif"),
            QStringLiteral("recently_tiao_hover.png"), QStringLiteral("recently_tiao_down.png")};
}

QImage paint(const QString& resourcePath)
{
    const QString name = baseName(resourcePath);
    if (name == QLatin1String("xuanzhong_nor.png"))
        return paintCheckBox(Box::Unchecked);
    if (name == QLatin1String("xuanzhong_dis.png"))
        return paintCheckBox(Box::Disabled);
    if (name == QLatin1String("xuanzhong_on.png"))
        return paintCheckBox(Box::Checked);
    if (name == QLatin1String("indeterminate.png"))
        return paintCheckBox(Box::Indeterminate);
    if (name == QLatin1String("gif_bg.png"))
        return paintLoadingBackground();
    if (name == QLatin1String("tongyong.gif"))
        return paintBusyFrame(100, 0, 12);
    if (name == QLatin1String("recently_tiao_hover.png"))
        return paintStrip(false);
    if (name == QLatin1String("recently_tiao_down.png"))
        return paintStrip(true);
    return QImage();
}

QPixmap pixmap(const QString& resourcePath)
{
    if (resourceLoads(resourcePath))
        return QPixmap(resourcePath);
    return QPixmap::fromImage(paint(resourcePath));
}

QString path(const QString& resourcePath)
{
    if (resourceLoads(resourcePath))
        return resourcePath;
    const QString name = baseName(resourcePath);
    QMutexLocker lock(&cacheMutex());
    static QHash<QString, QString> written;
    const auto it = written.constFind(name);
    if (it != written.constEnd())
        return it.value();
    const QImage img = paint(resourcePath);
    if (img.isNull())
        return resourcePath;
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tarnwick-images-XXXXXX"));
    if (!dir.isValid())
        return resourcePath;
    // Style sheets read the file by its name, so a GIF name gets a PNG body
    // only where a still picture is asked for.
    QString file = dir.filePath(name);
    if (file.endsWith(QLatin1String(".gif")))
        file += QStringLiteral(".png");
    if (!img.save(file, "PNG"))
        return resourcePath;
    written.insert(name, file);
    return file;
}

QString resolveStyleSheet(const QString& style)
{
    static const QRegularExpression url(QStringLiteral("url\\(\\s*([^)\\s]+)\\s*\\)"));
    QString out;
    int last = 0;
    QRegularExpressionMatchIterator it = url.globalMatch(style);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += style.midRef(last, m.capturedStart(1) - last);
        out += path(m.captured(1));
        last = m.capturedEnd(1);
    }
    out += style.midRef(last);
    return out;
}

QList<QImage> busyFrames(int side, int count)
{
    QList<QImage> frames;
    count = qMax(1, count);
    for (int i = 0; i < count; ++i)
        frames << paintBusyFrame(qMax(8, side), i, count);
    return frames;
}

} // namespace PaintedImages
