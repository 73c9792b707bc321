#pragma once

// The media preview of the download page: plays a PlayPara through a CPlayer
// made on demand (a fresh one per source), shows the picture in its own
// CVideoView with a time slider while the mouse is over it, a loading
// animation and a dimming layer while an online stream starts, and an audio
// spectrum over the lower half. GUI thread only.

#include "CPlayer.h"

#include <QMetaType>
#include <QSlider>
#include <QVariantHash>
#include <QWidget>

class CSpectrum;
class CVideoView;
class GifButton;
class QGraphicsOpacityEffect;
class QPropertyAnimation;
namespace Ui { class VideoPlay; }

struct PlayPara
{
    QString url;
    int aspectNum = 0;
    int aspectDen = 0;
    int rotation = 0;
    qint64 duration = 0; // seconds; below 1: the player's
    int audioOnly = 0;
    DVDSet dvd;
    bool online = false;
    QVariantHash options;
};

// A slider that jumps to a click and seeks only when released.
class ClickSlider : public QSlider
{
    Q_OBJECT
public:
    explicit ClickSlider(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_moved = false;
};

class VideoPlay : public QWidget
{
    Q_OBJECT
public:
    explicit VideoPlay(QWidget* parent = nullptr);
    ~VideoPlay() override;

    CPlayer* player() const { return m_player; }
    CVideoView* view() const;
    ClickSlider* slider() const { return m_slider; }
    CSpectrum* spectrum() const { return m_spectrum; }
    GifButton* loadingButton() const { return m_loading; }
    QWidget* overlay() const { return m_overlay; }
    double overlayOpacity() const;

signals:
    void doPlayStateChanged(TwAV::AVPlayer::State state);
    void doCaptureImg(QImage image);
    void doLoadError();
    void doLoading(bool loading);

public slots:
    void play(PlayPara para);
    void pause(bool pause);
    void stop();
    bool setVideoStream(int track);
    bool setAudioStream(int track);
    bool setSubtitleStream(int track);
    TwAV::AVPlayer::State state() const;
    void capture();
    qint64 capturePosition() const;
    void setVolume(int value);
    TwAV::VideoRenderer* videoRenderer() const;
    void setOptionsForSubtitleCodec(QVariantHash dict);
    void setOption(QVariantHash dict);
    void initPlayer(bool needVideoView = true);
    void unitPlayer();
    void onPlayStarted();
    void onPlayStateChanged(TwAV::AVPlayer::State state);
    void onPositionChanged(qlonglong position);
    void onSliderValueChanged(int value);
    void onBufferChanged(int progress);
    void onReceiveAudioFrame(TwAV::AudioFrame frame);
    void onLoadError();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLoading(bool loading);
    void layoutSpectrum();
    void seekToSlider();

    Ui::VideoPlay* ui;
    PlayPara m_para;
    CPlayer* m_player = nullptr;
    int m_lastSecond = 0;
    int m_sliderMax = 0;
    bool m_sliderPressed = false;
    CSpectrum* m_spectrum = nullptr;
    GifButton* m_loading = nullptr;
    QWidget* m_overlay = nullptr;
    QGraphicsOpacityEffect* m_overlayEffect = nullptr;
    QPropertyAnimation* m_animation = nullptr;
    int m_videoTrack = 0;
    int m_audioTrack = 0;
    int m_subtitleTrack = -1;
    bool m_started = false;
    qint64 m_startStamp = 0;
    ClickSlider* m_slider = nullptr;
};

Q_DECLARE_METATYPE(PlayPara)
