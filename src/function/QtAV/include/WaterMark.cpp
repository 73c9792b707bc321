#include "WaterMark.h"

#include "gui/common/UiPalette.h"
#include "shell/Utils.h"

#include <QDebug>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>
#include <QThreadPool>
#include <QTimer>

namespace {

QFont scaledFont(QFont font, double k)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * k);
    else if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, int(font.pixelSize() * k)));
    return font;
}

double lastPointSize(const QList<TextMarkInfo>& lines)
{
    for (int i = lines.size() - 1; i >= 0; --i)
        if (!lines[i].text.isEmpty())
            return lines[i].font.pointSizeF();
    return -1;
}

} // namespace

WaterMark::WaterMark(QWidget* parent)
    : CMoveBox(parent)
{
    m_storedSize = m_pWZoom->size();
    m_storedPos = m_pWZoom->pos();
    m_pWZoom->setCursor(Qt::SizeAllCursor);
    setShadowOpacity(0);
    show();
    connect(this, &CMoveBox::doRectChanged, this, &WaterMark::onRectChanged);
}

void WaterMark::onRectChanged(QRect rect)
{
    if (!m_trackRect)
        return;
    m_storedSize = rect.size();
    m_storedPos = rect.topLeft();
}

void WaterMark::fitBox(QSize s, bool store)
{
    int x = m_pWZoom->x(), y = m_pWZoom->y(), w = s.width(), h = s.height();
    const int W = width(), H = height();
    if (x + w > W) {
        if (x > 0) {
            w = qMin(w, W);
            x = W - w;
        } else {
            x = 0;
            w = W;
        }
    }
    if (y + h > H) {
        if (y > 0) {
            h = qMin(h, H);
            y = H - h;
        } else {
            y = 0;
            h = H;
        }
    }
    if (store) {
        m_storedSize = QSize(w, h);
        m_storedPos = QPoint(x, y);
    }
    setBoxRect(QRect(x, y, w, h), false);
    m_trackRect = false;
    emit doRectChanged(boxRect());
    m_trackRect = true;
}

void WaterMark::checkBoxRectBeyond()
{
    fitBox(m_storedSize, false);
}

QSize WaterMark::blockSize(QList<TextMarkInfo>& lines, double k) const
{
    int w = 0, h = 0;
    for (TextMarkInfo& line : lines) {
        if (line.text.isEmpty())
            continue;
        const QSize s = QFontMetrics(scaledFont(line.font, k)).size(Qt::TextSingleLine, line.text);
        line.size = s;
        w = qMax(w, s.width());
        h += s.height() + m_spacing;
    }
    return QSize(w, h + m_spacing);
}

QImage WaterMark::renderBlock()
{
    const QSize size = blockSize(m_texts, 4);
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setOpacity(m_opacity);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    int y = 0;
    for (const TextMarkInfo& line : m_texts) {
        if (line.text.isEmpty())
            continue;
        y += m_spacing;
        p.setPen(UiPalette::color(line.colorIndex));
        p.setFont(scaledFont(line.font, 4));
        p.drawText(QRect(0, y, size.width(), line.size.height()), Qt::AlignCenter, line.text);
        y += line.size.height();
    }
    p.end();
    if (!m_savePath.isEmpty()) {
        QSaveFile file(m_savePath);
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
            qWarning() << "could not write the text mark" << m_savePath << file.errorString();
    }
    return image;
}

void WaterMark::renderAndFit(bool keepLargerBox)
{
    const QSize block = blockSize(m_texts, 1);
    const QSize target = keepLargerBox
                                 && (m_storedSize.width() > block.width() || m_storedSize.height() > block.height())
                             ? m_storedSize
                             : block;
    const QImage rendered = renderBlock();
    m_image = rendered.isNull() ? QImage()
                                : rendered.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitBox(target, true);
}

void WaterMark::stopTimer()
{
    if (m_timer) {
        m_timer->stop();
        delete m_timer.data();
    }
}

void WaterMark::setText(QList<TextMarkInfo>& lstTexts, QString savePath)
{
    stopTimer();
    if (!savePath.isEmpty() && QFile::exists(savePath))
        QFile::remove(savePath);
    m_kind = Text;
    const double oldSize = lastPointSize(m_texts);
    const double newSize = lastPointSize(lstTexts);
    m_texts = lstTexts;
    m_savePath = savePath;
    renderAndFit(qFuzzyCompare(oldSize, newSize));
    lstTexts = m_texts; // the caller sees the measured sizes
    setHandlesVisible(true);
    update();
}

void WaterMark::setTextSpacing(int spacing)
{
    m_spacing = spacing;
    QList<TextMarkInfo> lines = m_texts;
    setText(lines, m_savePath);
}

void WaterMark::updateWaterMark()
{
    if (m_kind != Text)
        return;
    QList<TextMarkInfo> lines = m_texts;
    setText(lines, m_savePath);
}

bool WaterMark::setImage(QImage image, QString tempImagePath)
{
    return setImage(image, tempImagePath, false);
}

bool WaterMark::setImage(QImage image, QString tempImagePath, bool firstLoad)
{
    stopTimer();
    m_image = image;
    m_tempImagePath = tempImagePath;
    m_imageFirstLoad = firstLoad;
    QThreadPool::globalInstance()->start(new TransImageAlpha(image, tempImagePath, int(m_opacity * 255)));

    // Handles on a bright picture would vanish in white: grey them there.
    const QSize hs = handleSize();
    m_handleColor = Qt::white;
    if (image.width() >= hs.width() && image.height() >= hs.height() && !hs.isEmpty()) {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        const QPoint corners[4] = {{0, 0},
                                   {rgb.width() - hs.width(), 0},
                                   {0, rgb.height() - hs.height()},
                                   {rgb.width() - hs.width(), rgb.height() - hs.height()}};
        qint64 r = 0, g = 0, b = 0;
        for (const QPoint& c : corners) {
            for (int y = 0; y < hs.height(); ++y) {
                for (int x = 0; x < hs.width(); ++x) {
                    const QRgb px = rgb.pixel(c.x() + x, c.y() + y);
                    r += qRed(px);
                    g += qGreen(px);
                    b += qBlue(px);
                }
            }
        }
        const qint64 n = 4LL * hs.width() * hs.height();
        if (r / n > 190 && g / n > 190 && b / n > 190)
            m_handleColor = QColor(150, 150, 150);
    }
    setHandleColor(m_handleColor);

    if (image.size().isEmpty())
        return false;
    if (firstLoad) {
        QSizeF fitted = image.size();
        if (fitted.width() > width())
            fitted = QSizeF(width(), fitted.height() * width() / fitted.width());
        if (fitted.height() > height())
            fitted = QSizeF(fitted.width() * height() / fitted.height(), height());
        fitBox(image.size(), true);
        setBoxRect(QRect(boxRect().x(), boxRect().y(), int(fitted.width()), int(fitted.height())), false);
    }
    m_kind = Image;
    setHandlesVisible(true);
    update();
    return true;
}

void WaterMark::setDateTime(DateTimeMarkInfo dateTimeInfo)
{
    setDateTime(dateTimeInfo, false);
}

void WaterMark::setDateTime(DateTimeMarkInfo dateTimeInfo, bool firstLoad)
{
    m_dateTime = dateTimeInfo;
    m_dateTimeFirstLoad = firstLoad;
    m_kind = DateTime;
    m_dateTimeText = m_dateTime.dateTime.toString(m_dateTime.format);
    // Measured at a wide time of day, so the box never changes as it runs.
    const QString widest = QDateTime(m_dateTime.dateTime.date(), QTime(5, 5, 5)).toString(m_dateTime.format);
    fitBox(QFontMetrics(m_dateTime.textMark.font).size(Qt::TextSingleLine, widest), true);
    if (firstLoad)
        setBoxRect(QRect(QPoint(width() - m_storedSize.width(), 0), m_storedSize), false);
    setHandlesVisible(false);
    if (!m_timer) {
        m_timer = new QTimer(this);
        m_timer->setInterval(1000);
        connect(m_timer.data(), &QTimer::timeout, this, [this] {
            m_dateTime.dateTime = m_dateTime.dateTime.addSecs(1);
            m_dateTimeText = m_dateTime.dateTime.toString(m_dateTime.format);
            update();
        });
    }
    m_timer->start();
    update();
}

void WaterMark::setContentOpacity(double opacity)
{
    m_opacity = qBound(0.0, opacity, 1.0);
    if (m_kind == Text)
        renderAndFit(true);
    update();
}

void WaterMark::saveTempImageOpacityChanged()
{
    if (m_kind == Image)
        QThreadPool::globalInstance()->start(new TransImageAlpha(m_image, m_tempImagePath, int(m_opacity * 255)));
    else if (m_kind == Text)
        renderAndFit(true);
}

void WaterMark::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect box = m_pWZoom->geometry();
    switch (m_kind) {
    case None:
    case DateTime:
        p.setOpacity(m_opacity);
        p.setPen(UiPalette::color(m_dateTime.textMark.colorIndex));
        p.setFont(m_dateTime.textMark.font);
        p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, m_dateTimeText);
        break;
    case Image:
        p.setOpacity(m_opacity);
        p.drawImage(box, m_image);
        break;
    case Text:
        p.drawImage(box, m_image);
        break;
    }
}
