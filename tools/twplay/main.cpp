// twplay: a headless player over the media layer for tests, benchmarks and
// hand checks. One JSON line per event on standard output; log lines on
// standard error. Exit 0 at the end or an asked stop, 2 after an error, 1 on
// bad arguments.

#include "function/QtAV/av/AVPlayer.h"
#include "function/QtAV/av/VideoFrameExtractor.h"
#include "function/QtAV/include/CVideoView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <cstdio>

using namespace TwAV;

namespace {

void out(QJsonObject o)
{
    const QByteArray line = QJsonDocument(o).toJson(QJsonDocument::Compact);
    fwrite(line.constData(), 1, size_t(line.size()), stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

struct Timed { qint64 at; QString file; qint64 target; bool done = false; };

int usage()
{
    fprintf(stderr, "usage: twplay [--audio null|device] [--vstream N] [--astream N] [--option KEY=VALUE]... "
                    "[--start MS] [--seek MS@AT]... [--pause-at MS] [--stop-after MS] [--frames] "
                    "[--capture MS:FILE]... [--extract MS:FILE]... [--scale W:H] "
                    "[--gl] [--filter TEXT] [--shader gray|blur|sharpen] [--subtitle FILE] [--orientation DEG] "
                    "[--aspect N:D] [--grab MS:FILE]... SOURCE\n"
                    "The options from --gl on show the picture in a window (they imply --gl).\n");
    return 1;
}

bool splitPair(const QString& s, QChar sep, qint64* a, QString* rest)
{
    const int i = s.indexOf(sep);
    if (i <= 0)
        return false;
    bool ok = false;
    *a = s.left(i).toLongLong(&ok);
    *rest = s.mid(i + 1);
    return ok && !rest->isEmpty();
}

// Hands every frame to the main thread.
class FrameTap : public VideoRenderer
{
public:
    using VideoRenderer::VideoRenderer;
};

// The picture options need a window, so they need a display.
bool wantsWindow(int argc, char** argv)
{
    static const char* const glOptions[] = {"--gl", "--filter", "--shader", "--subtitle", "--orientation",
                                            "--aspect", "--grab"};
    for (int i = 1; i < argc; ++i)
        for (const char* o : glOptions)
            if (qstrcmp(argv[i], o) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    const bool gl = wantsWindow(argc, argv);
    std::unique_ptr<QCoreApplication> application(gl ? new QApplication(argc, argv) : new QCoreApplication(argc, argv));
    QCoreApplication& app = *application;
    QStringList args = app.arguments().mid(1);
    QString filterText, shaderName, subtitleFile;
    int orientation = 0, aspectNum = 0, aspectDen = 0;
    QList<Timed> grabs;
    QString source;
    QVariantHash options;
    int vstream = 0, astream = 0;
    qint64 start = 0, pauseAt = -1, stopAfter = -1;
    bool frames = false;
    QString scale;
    QList<Timed> seeks, captures;
    QList<QPair<qint64, QString>> extracts;
    AudioOutput::Backend backend = AudioOutput::DeviceBackend;

    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        auto next = [&](QString* v) {
            if (i + 1 >= args.size())
                return false;
            *v = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--frames")) {
            frames = true;
        } else if (a.startsWith(QLatin1String("--")) && !next(&v)) {
            return usage();
        } else if (a == QLatin1String("--audio")) {
            if (v != QLatin1String("null") && v != QLatin1String("device"))
                return usage();
            backend = v == QLatin1String("null") ? AudioOutput::NullBackend : AudioOutput::DeviceBackend;
        } else if (a == QLatin1String("--vstream")) {
            vstream = v.toInt();
        } else if (a == QLatin1String("--astream")) {
            astream = v.toInt();
        } else if (a == QLatin1String("--option")) {
            const int eq = v.indexOf(QLatin1Char('='));
            if (eq <= 0)
                return usage();
            options.insert(v.left(eq), v.mid(eq + 1));
        } else if (a == QLatin1String("--start")) {
            start = v.toLongLong();
        } else if (a == QLatin1String("--seek")) {
            qint64 target;
            QString at;
            if (!splitPair(v, QLatin1Char('@'), &target, &at))
                return usage();
            seeks << Timed{at.toLongLong(), QString(), target};
        } else if (a == QLatin1String("--pause-at")) {
            pauseAt = v.toLongLong();
        } else if (a == QLatin1String("--stop-after")) {
            stopAfter = v.toLongLong();
        } else if (a == QLatin1String("--capture")) {
            Timed t;
            if (!splitPair(v, QLatin1Char(':'), &t.at, &t.file))
                return usage();
            captures << t;
        } else if (a == QLatin1String("--extract")) {
            qint64 ms;
            QString file;
            if (!splitPair(v, QLatin1Char(':'), &ms, &file))
                return usage();
            extracts << qMakePair(ms, file);
        } else if (a == QLatin1String("--scale")) {
            scale = v;
        } else if (a == QLatin1String("--gl")) {
            --i; // a flag without a value
        } else if (a == QLatin1String("--filter")) {
            filterText = v;
        } else if (a == QLatin1String("--shader")) {
            if (v != QLatin1String("gray") && v != QLatin1String("blur") && v != QLatin1String("sharpen"))
                return usage();
            shaderName = v;
        } else if (a == QLatin1String("--subtitle")) {
            if (!QFileInfo::exists(v))
                return usage();
            subtitleFile = v;
        } else if (a == QLatin1String("--orientation")) {
            bool ok = false;
            orientation = v.toInt(&ok);
            if (!ok)
                return usage();
        } else if (a == QLatin1String("--aspect")) {
            const QStringList nd = v.split(QLatin1Char(':'));
            bool okN = false, okD = false;
            if (nd.size() != 2)
                return usage();
            aspectNum = nd[0].toInt(&okN);
            aspectDen = nd[1].toInt(&okD);
            if (!okN || !okD || aspectNum < 1 || aspectDen < 1)
                return usage();
        } else if (a == QLatin1String("--grab")) {
            Timed t;
            if (!splitPair(v, QLatin1Char(':'), &t.at, &t.file))
                return usage();
            grabs << t;
        } else if (a.startsWith(QLatin1String("--"))) {
            return usage();
        } else {
            source = a;
        }
    }
    if (source.isEmpty())
        return usage();

    AudioOutput::setDefaultBackend(backend);
    AVPlayer player;
    FrameTap tap;
    player.setRenderer(&tap);
    player.setOptionsForFormat(options);
    player.setVideoStream(vstream);
    player.setAudioStream(astream);
    LibAVFilterVideo scaler;
    if (!scale.isEmpty()) {
        scaler.setOptions(QStringLiteral("scale=%1").arg(scale));
        player.installFilter(&scaler);
    }

    // The window: a video view with the asked chain, shader, subtitle,
    // orientation and aspect.
    std::unique_ptr<QWidget> window;
    CVideoView* view = nullptr;
    if (gl) {
        window.reset(new QWidget);
        window->setWindowTitle(QStringLiteral("twplay"));
        window->resize(640, 360);
        view = new CVideoView(window.get());
        view->setGeometry(window->rect());
        view->setPlayer(&player);
        view->setShowVideoFrame(true);
        if (!filterText.isEmpty()) {
            view->insertFilterOptions(QStringLiteral("f_filter"), filterText);
            view->initFilter();
        }
        if (shaderName == QLatin1String("gray"))
            view->setShader(ShaderGray);
        else if (shaderName == QLatin1String("blur"))
            view->setShader(ShaderBlur);
        else if (shaderName == QLatin1String("sharpen"))
            view->setShader(ShaderSharpen);
        if (orientation != 0)
            view->rotate(orientation, 2);
        if (aspectNum > 0)
            view->setVideoAspect(aspectNum, aspectDen);
        if (!subtitleFile.isEmpty()) {
            SubtitleSet set;
            set.file = subtitleFile;
            set.size = 36;
            set.colorName = QStringLiteral("#FFFFFF");
            TwAV::SubtitleFilter* sub = view->addSubtitle(set, 540, false);
            view->setSubtitleRect(sub, 36, 0, 270);
            view->installSubtitle(sub);
        }
        window->show();
        TwAV::OpenGLWidgetRenderer* renderer = view->glRenderer();
        QObject::connect(renderer, &TwAV::OpenGLWidgetRenderer::framePainted, &app, [&grabs, renderer] {
            const qint64 pts = qint64(renderer->currentFrame().timestamp() * 1000 + 0.5);
            for (Timed& g : grabs) {
                if (g.done || pts < g.at)
                    continue;
                g.done = true; // before grabbing: the grab paints again
                const bool ok = renderer->grab().save(g.file, "PNG");
                out({{"event", "grab"}, {"at", g.at}, {"pts", pts}, {"file", g.file}, {"ok", ok}});
            }
        });
    }

    int exitCode = 0;
    bool playerDone = false;
    int extractsLeft = extracts.size();
    // A capture the playback never reached is still answered.
    auto answerCaptures = [&] {
        for (Timed& c : captures)
            if (!c.done) {
                c.done = true;
                out({{"event", "capture"}, {"at", c.at}, {"file", c.file}, {"ok", false}});
            }
    };
    auto maybeQuit = [&] {
        if (playerDone && extractsLeft == 0)
            QTimer::singleShot(0, &app, [&] { app.exit(exitCode); });
    };

    QElapsedTimer sinceStart;
    QObject::connect(&player, &AVPlayer::stateChanged, [&](AVPlayer::State s) {
        out({{"event", "state"}, {"state", int(s)}});
    });
    QObject::connect(&player, &AVPlayer::started, [&] {
        sinceStart.start();
        QJsonArray subs;
        for (const QVariant& t : player.internalSubtitleTracks())
            subs << QJsonObject::fromVariantMap(t.toMap());
        const auto st = player.statistics();
        out({{"event", "started"}, {"duration", player.duration()}, {"seekable", player.isSeekable()},
             {"videoStreams", player.videoStreamCount()}, {"audioStreams", player.audioStreamCount()},
             {"subtitleStreams", player.subtitleStreamCount()}, {"subtitles", subs},
             {"width", st.video.width}, {"height", st.video.height}, {"nullSink", player.audio()->isNullSink()}});
        if (stopAfter >= 0)
            QTimer::singleShot(int(stopAfter), &player, [&] { player.stop(); });
    });
    QObject::connect(&player, &AVPlayer::bufferProgressChanged, [&](qreal p) {
        out({{"event", "buffer"}, {"progress", p}});
    });
    QObject::connect(&player, &AVPlayer::positionChanged, [&](qint64 pos) {
        out({{"event", "position"}, {"position", pos}});
        for (Timed& s : seeks)
            if (!s.done && pos >= s.at) {
                s.done = true;
                player.setPosition(s.target);
                break;
            }
        if (pauseAt >= 0 && pos >= pauseAt && player.state() == AVPlayer::PlayingState) {
            pauseAt = -1;
            player.pause(true);
        }
    });
    QObject::connect(&player, &AVPlayer::seekFinished, [&](qint64 pos) {
        out({{"event", "seekFinished"}, {"position", pos}});
    });
    QObject::connect(&player, &AVPlayer::error, [&](const AVError& e) {
        out({{"event", "error"}, {"message", e.string()}});
        exitCode = 2;
        playerDone = true;
        answerCaptures();
        maybeQuit();
    });
    QObject::connect(&player, &AVPlayer::stopped, [&] {
        if (view)
            out({{"event", "render"}, {"received", view->glRenderer()->framesReceived()},
                 {"painted", view->glRenderer()->framesPainted()}});
        out({{"event", "stopped"}});
        playerDone = true;
        answerCaptures();
        maybeQuit();
    });
    QObject::connect(&tap, &VideoRenderer::frameReceived, &app, [&](const VideoFrame& f) {
        const qint64 pts = qint64(f.timestamp() * 1000 + 0.5);
        if (frames)
            out({{"event", "frame"}, {"pts", pts}, {"width", f.width()}, {"height", f.height()}});
        for (Timed& c : captures)
            if (!c.done && pts >= c.at) {
                c.done = true;
                const bool ok = f.toImage(QImage::Format_RGB32).save(c.file);
                out({{"event", "capture"}, {"at", c.at}, {"pts", pts}, {"file", c.file}, {"ok", ok}});
            }
    }, Qt::QueuedConnection);

    VideoFrameExtractor extractor;
    extractor.setOptionsForFormat(options);
    QList<QPair<qint64, QString>> pending = extracts;
    QObject::connect(&extractor, &VideoFrameExtractor::frameExtracted, [&](const VideoFrame& f) {
        const auto req = pending.takeFirst();
        const bool ok = f.toImage(QImage::Format_RGB32).save(req.second);
        out({{"event", "extracted"}, {"position", req.first}, {"pts", qint64(f.timestamp() * 1000 + 0.5)},
             {"file", req.second}, {"ok", ok}});
        --extractsLeft;
        maybeQuit();
    });
    auto extractFailed = [&](const QString& message) {
        const auto req = pending.takeFirst();
        out({{"event", "extracted"}, {"position", req.first}, {"file", req.second}, {"ok", false},
             {"error", message}});
        --extractsLeft;
        maybeQuit();
    };
    QObject::connect(&extractor, &VideoFrameExtractor::error, extractFailed);
    QObject::connect(&extractor, &VideoFrameExtractor::aborted, extractFailed);
    extractor.setSource(source);
    for (const auto& e : extracts) {
        extractor.setPosition(e.first);
        extractor.extract();
    }

    player.play(source, start);
    return app.exec();
}
