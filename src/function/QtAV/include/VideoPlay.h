#pragma once

// The preview player widget of the download page. This first version holds
// no player yet: it keeps the state its callers asked for and a log of their
// calls, and its signals are emitted by whoever drives it (the tests), so
// the page can be built and checked before the real view arrives.

#include "function/QtAV/av/AVPlayer.h"
#include "function/QtAV/include/PlayPara.h"

#include <QStringList>
#include <QWidget>

class VideoPlay : public QWidget
{
    Q_OBJECT
public:
    explicit VideoPlay(QWidget* parent = nullptr);

    void play(const PlayPara& para);
    void pause();
    void stop();
    TwAV::AVPlayer::State state() const { return m_state; }
    void setVolume(int volume);

    // The calls in order: "play(<url>)", "pause()", "stop()", "setVolume(<n>)".
    QStringList calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    PlayPara lastPara() const { return m_lastPara; }

signals:
    void doPlayStateChanged(TwAV::AVPlayer::State state);
    void doLoadError();
    void doLoading(bool loading);

private:
    TwAV::AVPlayer::State m_state = TwAV::AVPlayer::StoppedState;
    QStringList m_calls;
    PlayPara m_lastPara;
};
