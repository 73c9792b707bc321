#include "function/QtAV/include/VideoPlay.h"

VideoPlay::VideoPlay(QWidget* parent) : QWidget(parent)
{
}

void VideoPlay::play(const PlayPara& para)
{
    m_calls.append(QStringLiteral("play(%1)").arg(para.url));
    m_lastPara = para;
    m_state = TwAV::AVPlayer::PlayingState;
}

void VideoPlay::pause()
{
    m_calls.append(QStringLiteral("pause()"));
    if (m_state == TwAV::AVPlayer::PlayingState)
        m_state = TwAV::AVPlayer::PausedState;
}

void VideoPlay::stop()
{
    m_calls.append(QStringLiteral("stop()"));
    m_state = TwAV::AVPlayer::StoppedState;
}

void VideoPlay::setVolume(int volume)
{
    m_calls.append(QStringLiteral("setVolume(%1)").arg(volume));
}
