#pragma once

// Records what a player does: its signals in order and every frame its
// renderer gets, for the player tests. The probes lock with std::mutex, which
// the thread checker sees; Debian's Qt is not instrumented, so a QMutex would
// look like no lock at all.

#include "function/QtAV/av/AVPlayer.h"

#include <mutex>
#include <QObject>
#include <QStringList>
#include <QVector>

class RecordingRenderer : public TwAV::VideoRenderer
{
public:
    QVector<double> timestamps() const { std::lock_guard<std::mutex> l(m); return pts; }
    int count() const { std::lock_guard<std::mutex> l(m); return pts.size(); }
protected:
    void receiveFrame(const TwAV::VideoFrame& f) override { std::lock_guard<std::mutex> l(m); pts << f.timestamp(); }
private:
    mutable std::mutex m;
    QVector<double> pts;
};

class PlayerProbe : public QObject
{
public:
    explicit PlayerProbe(TwAV::AVPlayer* p) : player(p)
    {
        p->setRenderer(&renderer);
        connect(p, &TwAV::AVPlayer::stateChanged, this, [this](TwAV::AVPlayer::State s) {
            events << QStringLiteral("state%1").arg(int(s));
        });
        connect(p, &TwAV::AVPlayer::started, this, [this] { events << "started"; });
        connect(p, &TwAV::AVPlayer::stopped, this, [this] { events << "stopped"; });
        connect(p, &TwAV::AVPlayer::error, this, [this](const TwAV::AVError& e) {
            events << "error";
            lastError = e.string();
        });
        connect(p, &TwAV::AVPlayer::seekFinished, this, [this](qint64 ms) { events << "seek"; seeks << ms; });
        connect(p, &TwAV::AVPlayer::bufferProgressChanged, this, [this](qreal v) {
            events << "buffer";
            buffers << v;
        });
    }
    int countOf(const QString& e) const { return events.count(e); }
    bool ended() const { return events.contains("stopped") || events.contains("error"); }

    TwAV::AVPlayer* player;
    RecordingRenderer renderer;
    QStringList events;
    QString lastError;
    QVector<qint64> seeks;
    QVector<qreal> buffers;
};
