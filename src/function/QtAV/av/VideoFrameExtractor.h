#pragma once

// Pictures of a source at given positions, without playback. The extractor
// opens its own copy of the source on a worker thread and keeps it open
// between requests. Every extract() is answered exactly once, in request
// order: frameExtracted (the frame's metaData "requestedPosition" names the
// position asked, in ms) or error/aborted. Setting a new source aborts what
// still waited for the old one. Signals are emitted on the extractor's thread.

#include "Frame.h"

#include <QObject>
#include <QString>
#include <QVariantHash>
#include <memory>

namespace TwAV {

class VideoFrameExtractor : public QObject
{
    Q_OBJECT
public:
    explicit VideoFrameExtractor(QObject* parent = nullptr);
    ~VideoFrameExtractor() override;

    void setSource(const QString& source);
    QString source() const;
    void setPosition(qint64 ms);
    qint64 position() const;
    // Extract whenever the position changes.
    void setAutoExtract(bool on);
    bool autoExtract() const;
    // Work always happens off this thread; kept for callers that set it.
    void setAsync(bool on);
    bool isAsync() const;
    // Format options for the extractor's own open (proxy, TLS, ...).
    void setOptionsForFormat(const QVariantHash& options);

public slots:
    void extract();

signals:
    void frameExtracted(const TwAV::VideoFrame& frame);
    void error(const QString& message);
    void aborted(const QString& message);
    void positionChanged();
    void sourceChanged();

private:
    struct Worker;
    void ensureWorker();
    std::shared_ptr<Worker> m_worker;
    QString m_source;
    qint64 m_position = 0;
    bool m_auto = false;
    bool m_async = true;
};

} // namespace TwAV
