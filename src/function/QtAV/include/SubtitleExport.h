#pragma once

// Writes one embedded subtitle track of a media file to a file of its own
// with Debian's ffmpeg, on a thread of its own. The exporter moves itself to
// that thread at construction; exportSubtitle is invoked through the
// meta-object system (so it runs there) and the result comes back by the
// queued doSubtitleExported. ffmpeg writes a temporary file beside the
// output, renamed over it only on success: a failed or ended run leaves
// the older file as it was.
//
// Ownership: the creator deletes the exporter from its own thread; the
// destructor ends a running ffmpeg (its whole process group) and waits for
// the thread, so no thread or child outlives it.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>

class SubtitleExport : public QObject
{
    Q_OBJECT
public:
    explicit SubtitleExport(QObject* parent = nullptr);
    ~SubtitleExport() override;

    // The ffmpeg command line for a track (the output last).
    static QStringList arguments(int trackIndex, const QString& filePath, const QString& subPath);
    // A run longer than this is ended and fails (tests shorten it).
    static void setTimeLimit(int ms);
    static int timeLimit();
    // Any thread: ends a running ffmpeg; the export then fails.
    void abort();

public slots:
    void exportSubtitle(int trackIndex, QString filePath, QString subPath);

signals:
    void doSubtitleExported(int trackIndex, bool exported, QString subPath);

private:
    QThread m_thread;
    std::atomic_bool m_abort{false};
};
