#include "CVideoPreviewWidget.h"

#include "function/QtAV/av/VideoFrameExtractor.h"

#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QResizeEvent>
#include <QTime>
#include <QTransform>

CVideoPreviewWidget::CVideoPreviewWidget(QWidget* parent)
    : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_extractor = new TwAV::VideoFrameExtractor(this);
    m_extractor->setAutoExtract(false);
    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("previewImage"));
    m_image->setStyleSheet(QStringLiteral("background-color:#000000;border:none;border-radius:0px;"));
    m_time = new QLabel(this);
    m_time->setObjectName(QStringLiteral("previewTime"));
    m_time->setAlignment(Qt::AlignCenter);
    m_time->setStyleSheet(QStringLiteral("color:#FFFFFF;"));
    m_font = m_time->font();

    connect(m_extractor, &TwAV::VideoFrameExtractor::frameExtracted, this, &CVideoPreviewWidget::displayFrame);
    connect(m_extractor, &TwAV::VideoFrameExtractor::error, this, &CVideoPreviewWidget::displayNoFrame);
    // An aborted extraction (the file changed) still uses up its answer.
    connect(m_extractor, &TwAV::VideoFrameExtractor::aborted, this, [this] { takeAnswer(); });
    connect(m_extractor, &TwAV::VideoFrameExtractor::positionChanged, this, &CVideoPreviewWidget::timestampChanged);
    connect(this, &CVideoPreviewWidget::fileChanged, this, [this] {
        m_image->setPixmap(QPixmap());
        nextExtractor();
    });
}

QString CVideoPreviewWidget::timeTextFor(qint64 positionMs)
{
    return QTime(0, 0, 0).addSecs(int(positionMs / 1000)).toString(QStringLiteral("HH:mm:ss"));
}

QString CVideoPreviewWidget::timeText() const
{
    return m_time->text();
}

QPixmap CVideoPreviewWidget::picture() const
{
    return m_image->pixmap(Qt::ReturnByValue);
}

void CVideoPreviewWidget::setFile(const QString& path)
{
    if (path == m_file)
        return;
    m_file = path;
    // Whatever the extractor still owes belongs to the old file.
    for (bool& current : m_answers)
        current = false;
    m_extractor->setSource(path);
    emit fileChanged();
}

void CVideoPreviewWidget::updateTimeLabel(qint64 position, int pixelSize)
{
    if (m_font.pixelSize() != pixelSize) {
        m_font.setPointSize(1);
        if (pixelSize > 0)
            m_font.setPixelSize(pixelSize);
    }
    m_time->setFont(m_font);
    m_time->resize(width(), int(1.5 * QFontMetrics(m_font).height()));
    m_time->setText(timeTextFor(position));
}

void CVideoPreviewWidget::startHead()
{
    const int position = m_queue.first();
    m_extractor->setPosition(position);
    updateTimeLabel(position, m_fontPixelSize);
    m_answers.append(true);
    m_extractor->extract();
}

void CVideoPreviewWidget::requestFrame(qint64 positionMs, int fontPixelSize)
{
    m_fontPixelSize = fontPixelSize;
    const int rounded = int(positionMs / 100 * 100);
    if (m_queue.contains(rounded))
        return;
    if (m_queue.size() >= 5)
        m_queue.removeFirst();
    const bool idle = m_queue.isEmpty();
    m_queue.append(int(positionMs));
    if (idle)
        startHead();
}

bool CVideoPreviewWidget::takeAnswer()
{
    return !m_answers.isEmpty() && m_answers.takeFirst();
}

void CVideoPreviewWidget::nextExtractor()
{
    if (!m_queue.isEmpty())
        m_queue.removeFirst();
    if (!m_queue.isEmpty())
        startHead();
}

void CVideoPreviewWidget::displayFrame(const TwAV::VideoFrame& frame)
{
    if (!takeAnswer())
        return; // for a file no longer shown
    QPixmap pixmap = QPixmap::fromImage(frame.toImage(QImage::Format_ARGB32));
    if (!pixmap.isNull()) {
        if (m_rotation != 0)
            pixmap = pixmap.transformed(QTransform().rotate(-m_rotation));
        pixmap = pixmap.scaled(m_image->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    m_image->setPixmap(pixmap);
    nextExtractor();
}

void CVideoPreviewWidget::displayNoFrame(const QString& errorMessage)
{
    Q_UNUSED(errorMessage)
    if (!takeAnswer())
        return;
    m_image->setPixmap(QPixmap());
    nextExtractor();
}

void CVideoPreviewWidget::showOnce()
{
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_queue.clear();
    for (bool& current : m_answers)
        current = false; // answers to the emptied queue are not shown

    show();
}

void CVideoPreviewWidget::setOpacity(float opacity)
{
    m_opacity = opacity;
    if (!m_effect) {
        m_effect = new QGraphicsOpacityEffect(this);
        setGraphicsEffect(m_effect);
    }
    m_effect->setOpacity(opacity);
}

void CVideoPreviewWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_image->setGeometry(rect());
    m_time->resize(event->size().width(), m_time->height());
}

void CVideoPreviewWidget::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
}
