#pragma once

// One player for the rest of the program: the layer's AVPlayer with its
// frame extractor, video outputs, an optional scale filter, an optional
// frame preview widget and subtitle-track exporters. GUI thread only; every
// signal is emitted there. Positional captures are answered in request
// order, each exactly once (a black image when no frame can be had).

#include "function/QtAV/av/AVPlayer.h"
#include "function/QtAV/av/Filter.h"
#include "function/QtAV/av/Frame.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QVariantHash>
#include <QVector>

class CPlayer;
class CVideoPreviewWidget;
class CVideoView;
class QTimer;
class QWidget;
class SubtitleExport;
namespace TwAV { class VideoFrameExtractor; }

typedef TwAV::VideoFrame CVideoFrame;

// A DVD choice; only the flag and the title are read.
struct DVDSet
{
    bool isDvd = false;
    qint64 unused = 0;
    int title = 0;
    QVector<uint> vector;
};

class CPlayerPrivate : public QObject
{
    Q_OBJECT
public:
    explicit CPlayerPrivate(CPlayer* player) : QObject(nullptr), q(player) {}
    ~CPlayerPrivate() override;

    TwAV::AVPlayer* player = nullptr;
    QPointer<CVideoPreviewWidget> preview;
    TwAV::VideoFrameExtractor* extractor = nullptr;
    QMap<int, SubtitleExport*> exporters;
    QString fileUrl;
    int videoStream = 0;
    int audioStream = 0;
    int subtitleStream = -1;
    QRect letterbox;
    int seriesCounter = 0;
    QTimer* seriesTimer = nullptr;
    bool seriesFlag = false;
    bool createAudioSpectrum = false;
    QList<qint64> pending;
    qint64 seekPos = 0;
    qint64 capturePosition = 0;
    bool isDvd = false;
    qint64 dvdStart = 0;
    int dvdTitle = 0;
    QVector<uint> dvdVector;
    bool ownsViews = false;
    TwAV::LibAVFilterVideo* scaleFilter = nullptr;
    CPlayer* q;
    // One entry per extraction asked and not yet answered, in order: true
    // when it answers the head of the positional queue.
    QList<bool> answersHead;
};

class CPlayer : public QObject
{
    Q_OBJECT
public:
    explicit CPlayer(QObject* parent = nullptr, bool ownsViews = true);
    ~CPlayer() override;

    TwAV::AVPlayer* avPlayer() const;
    QList<qint64> pendingCaptures() const;
    QString fileUrl() const;

signals:
    void doSeekFinished(qlonglong position);
    void doStarted();
    void doStopped();
    void doStateChanged(TwAV::AVPlayer::State state);
    void doCaptureImg(QImage image);
    void doPositionChanged(qlonglong position);
    void doCapturePositionImage(QImage image);
    void doCapturePositionFrame(CVideoFrame frame);
    void doLetterBoxGet(QRect rect);
    void doReceiveAudioFrame(TwAV::AudioFrame frame);
    void doSubtitleExported(int trackIndex, bool exported, QString subPath);
    void doBufferChanged(int progress);
    void doLoadError();

public slots:
    void addVideoView(CVideoView* videoView);
    void setOption(QVariantHash dict);
    bool setVideoStream(int n);
    bool setAudioStream(int n);
    bool setSubtitleStream(int n);
    void setCreateAudioSpectrum(bool create);
    int play(QString fileUrl, bool online, DVDSet dvd);
    int play(QString fileUrl, bool online);
    int play(QString fileUrl);
    int play(bool online);
    int play();
    TwAV::AVPlayer::State state() const;
    void pause(bool pause = true);
    void seek(qulonglong pos);
    bool isSeekble() const;
    qint64 duration() const;
    qint64 position() const;
    void capture();
    qint64 capturePosition() const;
    void setVolume(int volume);
    int volume() const;
    void clearPlayFile();
    void stop();
    void setOptionsForSubtitleCodec(QVariantHash dict);
    void initPlayer();
    void setScaleRatio(int width, int height);
    void setFileUrl(QString fileUrl);
    bool installFilter(TwAV::VideoFilter* filter);
    bool installFilter(TwAV::AudioFilter* filter);
    void setVideoDecoderPriority(QVector<TwAV::VideoDecoderId> ids);
    void setClockType(TwAV::AVClock::ClockType type);
    int currentVideoStream() const;
    int videoStreamCount() const;
    void removeVideoView(TwAV::VideoRenderer* render);
    void mute(bool mute = true);
    bool isMute() const;
    qint64 seekPos() const;
    TwAV::AVPlayer::Statistics statistics() const;
    double getSpeed() const;
    void setSpeed(double speed);
    void setState(TwAV::AVPlayer::State state);
    CVideoView* addVideoOutput(QWidget* parent, QRect& rect);
    CVideoPreviewWidget* getPreviewWidget(QWidget* parent = nullptr, qulonglong timeStamp = 0, int fontSize = 12);
    void setPreviewTimeStamp(int value);
    void resizePreview(QSize size);
    void resizePreview(float aspect);
    void exportSubtitle(int trackIndex, QString subPath);
    QVariantList internalSubtitleTracks() const;
    void onInternalSubtitleTracksChanged(QVariantList tracks);
    void setCaptureName(QString name);
    QString captureName() const;
    void setCaptureDir(QString dir);
    QString captureDir() const;
    QList<TwAV::VideoRenderer*> videoOutPut() const;
    void captureByPosition(qlonglong position);
    bool capture(qlonglong position, QString fileUrl = QString());
    void calculateLetterBox();
    void onFrameExtracted(const TwAV::VideoFrame& frame);
    void onFrameExtractedError(const QString& errorMessage);
    void onReceiveFrame(const TwAV::AudioFrame& frame);
    void onSubtitleExported(int trackIndex, bool exported, QString subPath);
    void onBufferChanged(qreal buffer);
    void onLoadError(const TwAV::AVError& error);

private:
    bool startExtraction(qint64 position, const QString& fileUrl, bool head);
    void startHead();
    void answer(const TwAV::VideoFrame& frame);

    QList<QPointer<CVideoView>> m_views;
    CPlayerPrivate* d;
};

Q_DECLARE_METATYPE(DVDSet)
