#include "VideoPlay.h"

#include "CSpectrum.h"
#include "CVideoView.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/SmallButtons.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "shell/Utils.h"
#include "ui_VideoPlay.h"

#include <QDateTime>
#include <QGraphicsOpacityEffect>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QSignalBlocker>
#include <QTime>

namespace {

// Every third audio frame reaches the spectrum; one counter for all previews.
int g_audioFrameCounter = 0;

const char* kSliderStyle =
    "QSlider{border-image:none;font-size:1px;}"
    "QSlider::groove{background-color:rgba(255,255,255,0);margin-top:5px;margin-bottom:5px;}"
    "QSlider::handle{width:12px;height: 12px;border-image: url(:/res/round.png);margin-top:-5px;margin-bottom:-5px;}"
    "QSlider::sub-page{border-image: url(:/res/jindujiao2.png);margin-top:5px;margin-bottom:5px;}"
    "QSlider::add-page{border-image: url(:/res/jindujiao1.png);margin-top:5px;margin-bottom:5px;}";

} // namespace

ClickSlider::ClickSlider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    setPageStep(0);
}

void ClickSlider::mousePressEvent(QMouseEvent* event)
{
    m_moved = false;
    QSlider::mousePressEvent(event);
}

void ClickSlider::mouseMoveEvent(QMouseEvent* event)
{
    m_moved = true;
    QSlider::mouseMoveEvent(event);
}

void ClickSlider::mouseReleaseEvent(QMouseEvent* event)
{
    const bool clicked = !m_moved;
    QSlider::mouseReleaseEvent(event);
    if (clicked && width() > 0) {
        setValue(int(minimum() + double(event->pos().x()) / width() * (maximum() - minimum())));
        emit sliderReleased();
    }
    m_moved = false;
}

VideoPlay::VideoPlay(QWidget* parent)
    : QWidget(parent), ui(new Ui::VideoPlay)
{
    qRegisterMetaType<PlayPara>("PlayPara");
    qRegisterMetaType<TwAV::AVPlayer::State>("TwAV::AVPlayer::State");
    ui->setupUi(this);
    m_slider = new ClickSlider(ui->WidgetSlider);
    m_slider->setObjectName(QStringLiteral("ClickSlider"));
    m_slider->setEnabled(false);
    ui->WidgetSliderTime->hide();
    ui->VideoView->installEventFilter(this);
    ui->WidgetSlider->installEventFilter(this);
    connect(m_slider, &QSlider::sliderPressed, this, [this] { m_sliderPressed = true; });
    connect(m_slider, &QSlider::sliderReleased, this, [this] {
        m_sliderPressed = false;
        seekToSlider();
    });
    m_loading = new GifButton(this);
    m_loading->setObjectName(QStringLiteral("LoadingGif"));
    m_loading->setGif(QStringLiteral(":/res/cache_loading.gif"), false);
    m_loading->hide();
    m_overlay = new QWidget(this);
    m_overlay->setObjectName(QStringLiteral("LoadingOverlay"));
    m_overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_overlay->setStyleSheet(QStringLiteral("QWidget{background-color: rgb(27, 28, 32);}"));
    m_overlayEffect = new QGraphicsOpacityEffect(m_overlay);
    m_overlayEffect->setOpacity(0.0);
    m_overlay->setGraphicsEffect(m_overlayEffect);
    m_overlay->show();
    m_startStamp = QDateTime::currentMSecsSinceEpoch();
}

VideoPlay::~VideoPlay()
{
    unitPlayer();
    delete ui;
}

CVideoView* VideoPlay::view() const
{
    return ui->VideoView;
}

double VideoPlay::overlayOpacity() const
{
    return m_overlayEffect->opacity();
}

void VideoPlay::seekToSlider()
{
    if (!m_player || !m_player->isSeekble())
        return;
    const QSignalBlocker block(m_player);
    m_player->seek(qulonglong(m_slider->value()) * 1000);
}

void VideoPlay::play(PlayPara para)
{
    // Any earlier player goes first, also one still opening (it reads as
    // stopped then); the track choices made for this play stay.
    if (m_player) {
        const int video = m_videoTrack, audio = m_audioTrack, subtitle = m_subtitleTrack;
        unitPlayer();
        m_videoTrack = video;
        m_audioTrack = audio;
        m_subtitleTrack = subtitle;
    }
    m_para = para;
    setLoading(true);
    initPlayer(!para.audioOnly);
    if (!para.options.isEmpty())
        m_player->setOption(para.options);
    ui->VideoView->setVideoAspect(para.aspectNum, para.aspectDen);
    ui->VideoView->rotate(-para.rotation, 2, true);
    m_player->setVideoStream(m_videoTrack);
    m_player->setAudioStream(m_audioTrack);
    m_player->setSubtitleStream(m_subtitleTrack);
    delete m_spectrum;
    m_spectrum = new CSpectrum(this);
    m_spectrum->setObjectName(QStringLiteral("Spectrum"));
    m_spectrum->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Only sound feeds it; shown over a picture it would just cost the first
    // frame a repaint of the whole window.
    m_spectrum->setVisible(para.audioOnly);
    layoutSpectrum();
    m_player->setCreateAudioSpectrum(para.audioOnly);
    if (m_player->play(para.url, para.online, para.dvd) < 0) {
        setLoading(false);
        emit doLoadError();
    }
}

void VideoPlay::pause(bool pause)
{
    if (m_player)
        m_player->pause(pause);
}

void VideoPlay::stop()
{
    if (m_player)
        m_player->stop();
}

bool VideoPlay::setVideoStream(int track) { m_videoTrack = track; return true; }
bool VideoPlay::setAudioStream(int track) { m_audioTrack = track; return true; }
bool VideoPlay::setSubtitleStream(int track) { m_subtitleTrack = track; return true; }

TwAV::AVPlayer::State VideoPlay::state() const
{
    return m_player ? m_player->state() : TwAV::AVPlayer::StoppedState;
}

void VideoPlay::capture()
{
    if (m_player)
        m_player->capture();
}

qint64 VideoPlay::capturePosition() const
{
    return m_player ? m_player->capturePosition() : 0;
}

void VideoPlay::setVolume(int value)
{
    if (m_player)
        m_player->setVolume(value);
}

TwAV::VideoRenderer* VideoPlay::videoRenderer() const
{
    return ui->VideoView->videoRenderer();
}

void VideoPlay::setOptionsForSubtitleCodec(QVariantHash dict)
{
    if (m_player)
        m_player->setOptionsForSubtitleCodec(dict);
}

void VideoPlay::setOption(QVariantHash dict)
{
    if (m_player)
        m_player->setOption(dict);
}

void VideoPlay::initPlayer(bool needVideoView)
{
    if (m_player)
        return;
    m_player = new CPlayer(this, true);
    ui->VideoView->resetVideoView();
    if (needVideoView)
        m_player->addVideoView(ui->VideoView);
    connect(m_player, &CPlayer::doStarted, this, &VideoPlay::onPlayStarted);
    connect(m_player, &CPlayer::doPositionChanged, this, &VideoPlay::onPositionChanged);
    connect(m_player, &CPlayer::doStateChanged, this, &VideoPlay::onPlayStateChanged);
    connect(m_player, &CPlayer::doBufferChanged, this, &VideoPlay::onBufferChanged);
    connect(m_player, &CPlayer::doCaptureImg, this, &VideoPlay::doCaptureImg);
    connect(m_player, &CPlayer::doReceiveAudioFrame, this, &VideoPlay::onReceiveAudioFrame);
    connect(m_player, &CPlayer::doLoadError, this, &VideoPlay::onLoadError);
}

void VideoPlay::unitPlayer()
{
    m_started = false;
    if (m_player) {
        // Forgotten and cut off before it stops: the Stopped state its stop
        // reports must not come back in here.
        CPlayer* player = m_player;
        m_player = nullptr;
        disconnect(player, nullptr, this, nullptr);
        player->clearPlayFile();
        player->stop();
        player->removeVideoView(ui->VideoView->videoRenderer());
        ui->VideoView->setPlayer(nullptr);
        player->deleteLater();
    }
    ui->LabPlayTime->setText(QStringLiteral("00:00:00"));
    m_slider->setEnabled(false);
    {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(0);
    }
    m_lastSecond = 0;
    m_sliderMax = 0;
    ui->WidgetSliderTime->hide();
    if (ui->VideoView->hasRenderer())
        ui->VideoView->videoRenderer()->setOutAspectRatioMode(TwAV::VideoRenderer::VideoAspectRatio);
    delete m_spectrum;
    m_spectrum = nullptr;
    m_videoTrack = 0;
    m_audioTrack = 0;
    m_subtitleTrack = -1;
}

void VideoPlay::onPlayStarted()
{
    m_started = true;
    m_sliderMax = int(m_para.duration);
    if (m_sliderMax < 1 && m_player)
        m_sliderMax = int(m_player->duration() / 1000);
    m_slider->setRange(0, m_sliderMax);
    m_slider->setEnabled(m_player && m_player->isSeekble());
    m_startStamp = QDateTime::currentMSecsSinceEpoch();
}

void VideoPlay::onPositionChanged(qlonglong position)
{
    if (m_player && m_player->state() == TwAV::AVPlayer::PausedState)
        return;
    const int second = int(position / 1000);
    if (second == m_lastSecond)
        return;
    ui->LabPlayTime->setText(QTime(0, 0, 0).addSecs(second).toString(QStringLiteral("HH:mm:ss")));
    m_lastSecond = second;
    if (!m_sliderPressed) {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(second);
    }
}

void VideoPlay::onSliderValueChanged(int value)
{
    Q_UNUSED(value)
    seekToSlider();
}

void VideoPlay::onPlayStateChanged(TwAV::AVPlayer::State state)
{
    if (state == TwAV::AVPlayer::StoppedState) {
        ui->LabPlayTime->setText(QStringLiteral("00:00:00"));
        m_slider->setEnabled(false);
        {
            const QSignalBlocker block(m_slider);
            m_slider->setValue(0);
        }
        setLoading(false);
        unitPlayer();
        if (m_para.dvd.isDvd && QDateTime::currentMSecsSinceEpoch() - m_startStamp < 1000) {
            MsgDialog::showMsg(tr("DVD playback error or media file is too short."), QString(), QString(), QString(),
                               QString(), QString(), UIBaseData::instance()->mainPopup(), tr("Warning"), 1);
        }
    } else if (state == TwAV::AVPlayer::PlayingState) {
        setLoading(false);
    }
    emit doPlayStateChanged(state);
}

void VideoPlay::onBufferChanged(int progress)
{
    setLoading(progress < 100);
}

void VideoPlay::onReceiveAudioFrame(TwAV::AudioFrame frame)
{
    if (g_audioFrameCounter < 2) {
        ++g_audioFrameCounter;
        return;
    }
    g_audioFrameCounter = 0;
    if (!m_spectrum)
        return;
    Block block = Block::fromAudioFrame(frame.clone());
    m_spectrum->onDealAudioFrame(block);
}

void VideoPlay::onLoadError()
{
    setLoading(false);
    if (!(m_para.online && m_started))
        emit doLoadError();
    unitPlayer();
}

void VideoPlay::setLoading(bool loading)
{
    auto animate = [this](double from, double to) {
        delete m_animation;
        m_animation = new QPropertyAnimation(m_overlayEffect, "opacity", this);
        m_animation->setDuration(200);
        m_animation->setStartValue(from);
        m_animation->setEndValue(to);
        m_animation->start();
    };
    if (m_para.online && loading) {
        if (!m_loading->isRunning()) {
            m_loading->start();
            m_loading->show();
            m_loading->raise();
            animate(0.0, 0.55);
        }
    } else if (m_loading->isRunning()) {
        m_loading->stop();
        m_loading->hide();
        animate(0.55, 0.0);
    }
    emit doLoading(loading);
}

void VideoPlay::layoutSpectrum()
{
    if (m_spectrum) {
        const int w = width(), h = height();
        int y = h / 2;
        if (ui->WidgetSliderTime->isVisible())
            y -= UIBaseData::scaled(16);
        m_spectrum->setGeometry(0, y, w, h / 2);
        m_spectrum->raise();
    }
    ui->WidgetSliderTime->raise();
}

void VideoPlay::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize gif = UIBaseData::scaledSize(QSize(100, 100));
    m_loading->setGeometry((width() - gif.width()) / 2, (height() - gif.height()) / 2, gif.width(), gif.height());
    m_overlay->setGeometry(rect());
    layoutSpectrum();
}

bool VideoPlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->WidgetSlider && event->type() == QEvent::Resize) {
        const int h = UIBaseData::scaled(12);
        m_slider->setGeometry(0, (ui->WidgetSlider->height() - h) / 2, ui->WidgetSlider->width(), h);
        m_slider->setStyleSheet(scaleStyleSheetPx(QLatin1String(kSliderStyle), UIBaseData::instance()->scale()));
    } else if (watched == ui->VideoView) {
        if (event->type() == QEvent::Enter) {
            if (m_player && m_player->state() != TwAV::AVPlayer::StoppedState)
                ui->WidgetSliderTime->show();
            layoutSpectrum();
        } else if (event->type() == QEvent::Leave) {
            ui->WidgetSliderTime->hide();
            layoutSpectrum();
        }
    }
    return QWidget::eventFilter(watched, event);
}
