#pragma once

// Still pictures of what a player shows: converts the last frame handed to
// the renderers. Every capture() is answered, by imageCaptured (and saved()
// when saving is on) or by failed() when there is no frame yet. Signals are
// emitted on the capture's thread (the player's).

#include "Frame.h"

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QString>

namespace TwAV {

class VideoCapture : public QObject
{
    Q_OBJECT
public:
    explicit VideoCapture(QObject* parent = nullptr);

    // Synchronous (the default here): signals before capture() returns.
    void setAsync(bool async);
    bool isAsync() const;
    void setAutoSave(bool save);
    bool autoSave() const;
    void setCaptureName(const QString& name);
    QString captureName() const;
    void setCaptureDir(const QString& dir);
    QString captureDir() const;
    void setFormat(const QString& format);   // "png", "jpg", ...
    QString format() const;

    // Any thread: the frame last given to the renderers.
    void setLastFrame(const VideoFrame& frame);
    VideoFrame lastFrame() const;

public slots:
    void capture();

signals:
    void imageCaptured(const QImage& image);
    void frameAvailable(const TwAV::VideoFrame& frame);
    void saved(const QString& path);
    void failed();

private:
    void handle(const VideoFrame& frame);
    QString dirLocked() const; // m_mutex held
    mutable QMutex m_mutex;
    VideoFrame m_last;
    bool m_async = false;
    bool m_autoSave = false;
    QString m_name = QStringLiteral("capture");
    // Looked up when first needed: reading the user's folder settings on
    // every new player would sit on the way to its first picture.
    mutable QString m_dir;
    mutable bool m_dirKnown = false;
    QString m_format = QStringLiteral("png");
};

} // namespace TwAV
