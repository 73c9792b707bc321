#include "VideoCapture.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

namespace TwAV {

VideoCapture::VideoCapture(QObject* parent)
    : QObject(parent)
{
}

QString VideoCapture::dirLocked() const
{
    if (!m_dirKnown) {
        m_dir = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        m_dirKnown = true;
    }
    return m_dir;
}

void VideoCapture::setAsync(bool async) { QMutexLocker l(&m_mutex); m_async = async; }
bool VideoCapture::isAsync() const { QMutexLocker l(&m_mutex); return m_async; }
void VideoCapture::setAutoSave(bool save) { QMutexLocker l(&m_mutex); m_autoSave = save; }
bool VideoCapture::autoSave() const { QMutexLocker l(&m_mutex); return m_autoSave; }
void VideoCapture::setCaptureName(const QString& name) { QMutexLocker l(&m_mutex); m_name = name; }
QString VideoCapture::captureName() const { QMutexLocker l(&m_mutex); return m_name; }
void VideoCapture::setCaptureDir(const QString& dir) { QMutexLocker l(&m_mutex); m_dir = dir; m_dirKnown = true; }
QString VideoCapture::captureDir() const { QMutexLocker l(&m_mutex); return dirLocked(); }
void VideoCapture::setFormat(const QString& format) { QMutexLocker l(&m_mutex); m_format = format; }
QString VideoCapture::format() const { QMutexLocker l(&m_mutex); return m_format; }

void VideoCapture::setLastFrame(const VideoFrame& frame)
{
    QMutexLocker l(&m_mutex);
    m_last = frame;
}

VideoFrame VideoCapture::lastFrame() const
{
    QMutexLocker l(&m_mutex);
    return m_last;
}

void VideoCapture::capture()
{
    const VideoFrame frame = lastFrame();
    if (isAsync())
        QMetaObject::invokeMethod(this, [this, frame] { handle(frame); }, Qt::QueuedConnection);
    else
        handle(frame);
}

void VideoCapture::handle(const VideoFrame& frame)
{
    if (!frame.isValid()) {
        emit failed();
        return;
    }
    const QImage image = frame.toImage(QImage::Format_RGB32);
    if (image.isNull()) {
        emit failed();
        return;
    }
    emit frameAvailable(frame);
    emit imageCaptured(image);
    if (!autoSave())
        return;
    QString dir, name, fmt;
    {
        QMutexLocker l(&m_mutex);
        dir = dirLocked();
        name = m_name;
        fmt = m_format;
    }
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(QStringLiteral("%1_%2.%3")
                                                .arg(name).arg(qint64(frame.timestamp() * 1000)).arg(fmt));
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && image.save(&out, fmt.toLatin1().constData()) && out.commit())
        emit saved(path);
    else
        emit failed();
}

} // namespace TwAV
