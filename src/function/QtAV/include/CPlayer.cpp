#include "CPlayer.h"

#include "CVideoPreviewWidget.h"
#include "CVideoView.h"
#include "SubtitleExport.h"
#include "function/QtAV/av/VideoFrameExtractor.h"
#include "platform/FreedMemory.h"

#include <QDebug>
#include <QTimer>

using TwAV::AVPlayer;

namespace {
// The last buffer value reported, shared by every player of the process.
int g_lastBuffer = -1;
} // namespace

CPlayerPrivate::~CPlayerPrivate()
{
    // Running exports are ended; each destructor waits for its thread.
    for (SubtitleExport* e : exporters)
        delete e;
    exporters.clear();
    if (preview)
        preview->deleteLater();
}

CPlayer::CPlayer(QObject* parent, bool ownsViews)
    : QObject(parent), d(new CPlayerPrivate(this))
{
    TwAV::setLogLevel(TwAV::LogOff);
    d->ownsViews = ownsViews;
    // Once: a player is made for every preview, and each registration
    // searches the type table under a lock.
    static const bool registered = [] {
        qRegisterMetaType<DVDSet>("DVDSet");
        qRegisterMetaType<CVideoFrame>("CVideoFrame");
        qRegisterMetaType<TwAV::AudioFrame>("TwAV::AudioFrame");
        return true;
    }();
    Q_UNUSED(registered)
    initPlayer();
}

CPlayer::~CPlayer()
{
    if (d->ownsViews)
        for (const QPointer<CVideoView>& v : m_views)
            delete v.data();
    TwAV::AVPlayer* player = d->player;
    TwAV::VideoFrameExtractor* extractor = d->extractor;
    delete d;
    // The layer's player and extractor (children) go now rather than after
    // this body, so that what their threads freed can be handed back: each
    // play/stop of a preview would otherwise leave it in the allocator.
    delete player;
    delete extractor;
    FreedMemory::release();
}

TwAV::AVPlayer* CPlayer::avPlayer() const { return d->player; }
QList<qint64> CPlayer::pendingCaptures() const { return d->pending; }
QString CPlayer::fileUrl() const { return d->fileUrl; }

void CPlayer::initPlayer()
{
    d->player = new AVPlayer(this);
    connect(d->player, &AVPlayer::seekFinished, this, [this](qint64 p) { emit doSeekFinished(p); });
    connect(d->player, &AVPlayer::started, this, &CPlayer::doStarted);
    connect(d->player, &AVPlayer::stopped, this, &CPlayer::doStopped);
    connect(d->player, &AVPlayer::stateChanged, this, &CPlayer::doStateChanged);
    connect(d->player, &AVPlayer::positionChanged, this, [this](qint64 p) { emit doPositionChanged(p); });
    connect(d->player, &AVPlayer::internalSubtitleTracksChanged, this, &CPlayer::onInternalSubtitleTracksChanged);
    connect(d->player->videoCapture(), &TwAV::VideoCapture::imageCaptured, this, &CPlayer::doCaptureImg);
    connect(d->player->videoCapture(), &TwAV::VideoCapture::failed, this, [this] { emit doCaptureImg(QImage()); });
    connect(d->player, &AVPlayer::bufferProgressChanged, this, &CPlayer::onBufferChanged);
    connect(d->player, &AVPlayer::error, this, &CPlayer::onLoadError);
    d->player->videoCapture()->setAutoSave(false);

    d->extractor = new TwAV::VideoFrameExtractor(this);
    d->extractor->setAutoExtract(false);
    d->extractor->setAsync(true);
    connect(d->extractor, &TwAV::VideoFrameExtractor::frameExtracted, this, &CPlayer::onFrameExtracted);
    connect(d->extractor, &TwAV::VideoFrameExtractor::error, this, &CPlayer::onFrameExtractedError);
    connect(d->extractor, &TwAV::VideoFrameExtractor::aborted, this, &CPlayer::onFrameExtractedError);
}

void CPlayer::addVideoView(CVideoView* videoView)
{
    if (!videoView || !d->player)
        return;
    if (m_views.isEmpty())
        d->player->setRenderer(videoView->videoRenderer());
    else
        d->player->addVideoRenderer(videoView->videoRenderer());
    videoView->setPlayer(d->player);
}

CVideoView* CPlayer::addVideoOutput(QWidget* parent, QRect& rect)
{
    auto* view = new CVideoView(parent, d->player, rect);
    addVideoView(view);
    m_views.append(view);
    return view;
}

void CPlayer::setOption(QVariantHash dict)
{
    if (d->player)
        d->player->setOptionsForFormat(dict);
}

bool CPlayer::setVideoStream(int n)
{
    if (n == d->videoStream)
        return false;
    d->videoStream = n;
    return true;
}

bool CPlayer::setAudioStream(int n)
{
    if (n == d->audioStream)
        return false;
    d->audioStream = n;
    return true;
}

bool CPlayer::setSubtitleStream(int n)
{
    if (n == d->subtitleStream)
        return false;
    d->subtitleStream = n;
    return true;
}

void CPlayer::setCreateAudioSpectrum(bool create)
{
    d->createAudioSpectrum = create;
    // Sound blocks come over only while someone wants them: each one wakes
    // this thread.
    if (d->player && d->player->audio()) {
        disconnect(d->player->audio(), &TwAV::AudioOutput::deliverAudioFrame, this, &CPlayer::onReceiveFrame);
        if (create)
            connect(d->player->audio(), &TwAV::AudioOutput::deliverAudioFrame, this, &CPlayer::onReceiveFrame);
    }
}

int CPlayer::play(QString fileUrl, bool online, DVDSet dvd)
{
    d->isDvd = dvd.isDvd;
    d->dvdTitle = dvd.title;
    d->dvdVector = dvd.vector;
    if (fileUrl == d->fileUrl)
        return -1;
    d->fileUrl = fileUrl;
    return play(online);
}

int CPlayer::play(QString fileUrl, bool online)
{
    return play(fileUrl, online, DVDSet());
}

int CPlayer::play(QString fileUrl)
{
    return play(fileUrl, false, DVDSet());
}

int CPlayer::play()
{
    return play(false);
}

int CPlayer::play(bool online)
{
    Q_UNUSED(online)
    if (d->fileUrl.isEmpty()) {
        qWarning() << "fileUrl isEmpty" << d->fileUrl;
        return -1;
    }
    if (!d->player)
        return 0;
    if (d->isDvd) {
        QVariantHash options;
        options.insert(QStringLiteral("title"), d->dvdTitle);
        d->fileUrl = QStringLiteral("dvdnav://") + d->fileUrl;
        d->player->setOptionsForIOCodec(options);
        d->player->play(d->fileUrl, d->dvdStart);
    } else {
        d->player->setFile(d->fileUrl);
        d->player->play();
    }
    if (d->videoStream != -1)
        d->player->setVideoStream(d->videoStream);
    if (d->player->audio()) {
        if (d->audioStream == -1) {
            d->player->audio()->setMute(true);
        } else {
            d->player->audio()->setMute(false);
            d->player->setAudioStream(d->audioStream);
        }
    }
    if (d->subtitleStream != -1)
        d->player->setSubtitleStream(d->subtitleStream);
    return 0;
}

AVPlayer::State CPlayer::state() const
{
    return d->player ? d->player->state() : AVPlayer::StoppedState;
}

void CPlayer::pause(bool pause)
{
    if (d->player && d->player->state() != AVPlayer::StoppedState)
        d->player->pause(pause);
}

void CPlayer::seek(qulonglong pos)
{
    if (!d->player || d->player->state() == AVPlayer::StoppedState)
        return;
    d->seekPos = qint64(pos);
    d->player->setPosition(qint64(pos));
}

bool CPlayer::isSeekble() const { return d->player && d->player->isSeekable(); }
qint64 CPlayer::duration() const { return d->player ? d->player->duration() : 0; }
qint64 CPlayer::position() const { return d->player ? d->player->position() : 0; }
qint64 CPlayer::capturePosition() const { return d->capturePosition; }
qint64 CPlayer::seekPos() const { return d->seekPos; }

void CPlayer::capture()
{
    if (!d->player)
        return;
    d->capturePosition = d->player->position();
    d->player->videoCapture()->setAsync(false);
    d->player->videoCapture()->capture();
}

void CPlayer::setVolume(int volume)
{
    if (d->player && d->player->audio())
        d->player->audio()->setVolume(qreal(volume));
}

int CPlayer::volume() const
{
    return d->player && d->player->audio() ? int(d->player->audio()->volume()) : 0;
}

void CPlayer::clearPlayFile()
{
    d->fileUrl.clear();
}

void CPlayer::stop()
{
    if (d->player)
        d->player->stop();
    d->fileUrl.clear();
    d->videoStream = 0;
    d->audioStream = 0;
}

void CPlayer::setOptionsForSubtitleCodec(QVariantHash dict)
{
    if (d->player)
        d->player->setOptionsForSubtitleCodec(dict);
}

void CPlayer::setScaleRatio(int width, int height)
{
    if (width < 0 || height < 0 || !d->player)
        return;
    if (!d->scaleFilter) {
        d->scaleFilter = new TwAV::LibAVFilterVideo(this);
        d->player->installFilter(d->scaleFilter, 0x7fffffff);
    }
    if (width >= 1)
        d->scaleFilter->setOptions(QStringLiteral("scale=w=%1:h=-2").arg(width));
    else if (height >= 1)
        d->scaleFilter->setOptions(QStringLiteral("scale=w=-2:h=%1").arg(height));
}

void CPlayer::setFileUrl(QString fileUrl)
{
    d->fileUrl = fileUrl;
}

bool CPlayer::installFilter(TwAV::VideoFilter* filter)
{
    return d->player && d->player->installFilter(filter, 0x7fffffff);
}

bool CPlayer::installFilter(TwAV::AudioFilter* filter)
{
    return d->player && d->player->installFilter(filter, 0x7fffffff);
}

void CPlayer::setVideoDecoderPriority(QVector<TwAV::VideoDecoderId> ids)
{
    if (d->player)
        d->player->setPriority(ids);
}

void CPlayer::setClockType(TwAV::AVClock::ClockType type)
{
    if (d->player)
        d->player->masterClock()->setClockType(type);
}

int CPlayer::currentVideoStream() const { return d->player ? d->player->currentVideoStream() : 0; }
int CPlayer::videoStreamCount() const { return d->player ? d->player->videoStreamCount() : 0; }

void CPlayer::removeVideoView(TwAV::VideoRenderer* render)
{
    if (d->player)
        d->player->removeVideoRenderer(render);
}

void CPlayer::mute(bool mute)
{
    if (d->player && d->player->audio())
        d->player->audio()->setMute(mute);
}

bool CPlayer::isMute() const
{
    return !(d->player && d->player->audio()) || d->player->audio()->isMute();
}

AVPlayer::Statistics CPlayer::statistics() const { return d->player ? d->player->statistics() : AVPlayer::Statistics(); }
double CPlayer::getSpeed() const { return d->player ? d->player->speed() : 1.0; }
void CPlayer::setSpeed(double speed) { if (d->player) d->player->setSpeed(speed); }
void CPlayer::setState(AVPlayer::State state) { if (d->player) d->player->setState(state); }

CVideoPreviewWidget* CPlayer::getPreviewWidget(QWidget* parent, qulonglong timeStamp, int fontSize)
{
    if (timeStamp == 0) {
        delete d->preview.data();
        d->preview = nullptr;
        return nullptr;
    }
    if (!d->player)
        return nullptr;
    if (!d->preview) {
        d->preview = new CVideoPreviewWidget(parent);
        d->preview->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    d->preview->setFile(d->player->file());
    d->preview->requestFrame(qint64(timeStamp), fontSize);
    d->preview->show();
    return d->preview;
}

void CPlayer::setPreviewTimeStamp(int value)
{
    if (d->preview)
        d->preview->requestFrame(value, 12);
}

void CPlayer::resizePreview(QSize size)
{
    if (d->preview)
        d->preview->resize(size);
}

void CPlayer::resizePreview(float aspect)
{
    if (d->preview && aspect > 0 && aspect <= 10)
        d->preview->resize(d->preview->width(), int(d->preview->width() / aspect));
}

void CPlayer::exportSubtitle(int trackIndex, QString subPath)
{
    if (subPath.isEmpty() || d->fileUrl.isEmpty())
        return;
    auto* exporter = new SubtitleExport(this);
    d->exporters.insert(trackIndex, exporter);
    connect(exporter, &SubtitleExport::doSubtitleExported, this, &CPlayer::onSubtitleExported);
    QMetaObject::invokeMethod(exporter, "exportSubtitle", Qt::AutoConnection, Q_ARG(int, trackIndex),
                              Q_ARG(QString, d->fileUrl), Q_ARG(QString, subPath));
}

void CPlayer::onSubtitleExported(int trackIndex, bool exported, QString subPath)
{
    // Only the exporter that reported goes; a newer one for the same track
    // keeps running and keeps its entry.
    auto* done = qobject_cast<SubtitleExport*>(sender());
    if (done) {
        if (d->exporters.value(trackIndex) == done)
            d->exporters.remove(trackIndex);
        delete done; // ends its thread first
    }
    emit doSubtitleExported(trackIndex, exported, subPath);
}

QVariantList CPlayer::internalSubtitleTracks() const
{
    return d->player ? d->player->internalSubtitleTracks() : QVariantList();
}

void CPlayer::onInternalSubtitleTracksChanged(QVariantList tracks)
{
    Q_UNUSED(tracks)
}

void CPlayer::setCaptureName(QString name) { if (d->player) d->player->videoCapture()->setCaptureName(name); }
QString CPlayer::captureName() const { return d->player ? d->player->videoCapture()->captureName() : QString(); }
void CPlayer::setCaptureDir(QString dir) { if (d->player) d->player->videoCapture()->setCaptureDir(dir); }
QString CPlayer::captureDir() const { return d->player ? d->player->videoCapture()->captureDir() : QString(); }

QList<TwAV::VideoRenderer*> CPlayer::videoOutPut() const
{
    return d->player ? d->player->videoOutputs() : QList<TwAV::VideoRenderer*>();
}

bool CPlayer::startExtraction(qint64 position, const QString& fileUrl, bool head)
{
    if (position < 0 || position > duration())
        return false;
    const QString source = fileUrl.isEmpty() ? d->fileUrl : fileUrl;
    if (source.isEmpty())
        return false;
    if (d->extractor->source() != source)
        d->extractor->setSource(source);
    d->extractor->setPosition(position);
    d->answersHead.append(head);
    d->extractor->extract();
    return true;
}

bool CPlayer::capture(qlonglong position, QString fileUrl)
{
    return startExtraction(position, fileUrl, false);
}

void CPlayer::startHead()
{
    // A head that cannot start is answered at once (black) so that the
    // requests behind it are not stalled.
    while (!d->pending.isEmpty()) {
        if (startExtraction(d->pending.first(), QString(), true))
            return;
        d->pending.removeFirst();
        answer(TwAV::VideoFrame());
    }
}

void CPlayer::captureByPosition(qlonglong position)
{
    d->seriesFlag = false;
    const bool idle = d->pending.isEmpty();
    d->pending.append(position);
    if (idle)
        startHead();
}

void CPlayer::calculateLetterBox()
{
    if (d->seriesTimer)
        return;
    d->seriesFlag = true;
    d->seriesCounter = 0;
    d->letterbox = QRect(99999999, 99999999, 0, 0);
    d->seriesTimer = new QTimer(this);
    d->seriesTimer->setInterval(90);
    connect(d->seriesTimer, &QTimer::timeout, this, [this] {
        ++d->seriesCounter;
        if (d->seriesCounter <= 10) {
            if (!capture(d->seriesCounter * (duration() / 11)))
                answer(TwAV::VideoFrame());
        }
        if (d->seriesCounter >= 11) {
            d->seriesTimer->deleteLater();
            d->seriesTimer = nullptr;
        }
    });
    d->seriesTimer->start();
}

void CPlayer::answer(const TwAV::VideoFrame& frame)
{
    QImage image;
    if (frame.isValid()) {
        image = frame.toImage(QImage::Format_RGB32);
    } else {
        QSize size = statistics().video.size();
        if (size.isEmpty())
            size = QSize(1, 1);
        image = QImage(size, QImage::Format_RGB32);
        image.fill(Qt::black);
    }
    emit doCapturePositionImage(image);
    emit doCapturePositionFrame(frame);
}

void CPlayer::onFrameExtracted(const TwAV::VideoFrame& frame)
{
    const bool head = !d->answersHead.isEmpty() && d->answersHead.takeFirst();
    if (head && !d->pending.isEmpty())
        d->pending.removeFirst();
    answer(frame);
    if (head)
        startHead();
}

void CPlayer::onFrameExtractedError(const QString& errorMessage)
{
    qWarning() << "onFrameExtractedError: " << errorMessage;
    onFrameExtracted(TwAV::VideoFrame());
}

void CPlayer::onReceiveFrame(const TwAV::AudioFrame& frame)
{
    if (d->createAudioSpectrum)
        emit doReceiveAudioFrame(frame);
}

void CPlayer::onBufferChanged(qreal buffer)
{
    const int progress = int(buffer * 100);
    if (progress == g_lastBuffer)
        return;
    g_lastBuffer = progress;
    emit doBufferChanged(progress);
}

void CPlayer::onLoadError(const TwAV::AVError& error)
{
    if (!d->isDvd)
        d->fileUrl.clear();
    qWarning() << "CPlayer::onLoadError" << error.string();
    emit doLoadError();
}
