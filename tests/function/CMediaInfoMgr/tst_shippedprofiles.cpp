// The profiles the program ships (profile/ at the top of the tree): the main
// files build whole trees, every profile file passes both readers and names
// codecs the registry knows, and a task made from each with a disc gives
// encoder arguments that the real ffmpeg converts test media with.
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileData.h"
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileParser.h"
#include "function/marbleto_library/arguments/util/arguments.h"
#include "function/marbleto_library/arguments/util/codec_registry.h"
#include "function/marbleto_library/arguments/util/media_task.h"
#include "function/marbleto_library/arguments/util/util.h"
#include "shell/MessageHook.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

const QStringList kMainFiles{"converter_full.json", "converter_quick.json", "ripper_full.json", "ripper_quick.json"};

QString sourceDir()
{
    return qEnvironmentVariable("TW_SOURCE_DIR");
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString runFfmpeg(const QStringList& args)
{
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start("/usr/bin/ffmpeg", args);
    if (!p.waitForStarted(10000) || !p.waitForFinished(120000))
        return "ffmpeg did not finish";
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString::fromLocal8Bit(p.readAllStandardError().right(600));
    return QString();
}

int32_t intValue(const option_set* set)
{
    return set && set->current.value ? *static_cast<const int32_t*>(set->current.value) : 0;
}

// The test's own mapping of a task's working profile to one encoder job,
// as a converter would make it: the default codecs' settings and the
// computed bitrate.
struct JobMapping
{
    codec_settings codec{};
    stream_settings settings{};
    source_video_track track{320, 240, 25, 1, "yuv420p"};
    encode_job job{};
    QStringList args;
    QString failure;

    JobMapping(const media_task* task)
    {
        const profile_holder* h = task->profile;
        const media_profile* w = h->working;
        const video_codec_entry* v = media_profile_video_entry(w, default_video_codec_index(w));
        if (v) {
            codec.maxBitrate = v->maxBitRate;
            codec.variableBitrate = media_text_equals(v->mode, "VBR");
            codec.profile = option_set_text(v->profileLevel);
            codec.level = v->level;
            codec.bFrames = uint32_t(intValue(v->bFrames));
            codec.gop = uint32_t(v->gop);
            settings.codec = &codec;
            settings.frameRate = video_frame_rate_value(w, default_video_codec_index(w));
            target_resolution(task, &settings.width, &settings.height);
            job.twoPass = false;    // one pass is enough to show the options are sound
        }
        settings.bitrate = h->videoBitrate;
        settings.quality = w->quality;
        int32_t index = 0;
        for (media_list_node* n = w->audio ? w->audio->codecs->head : nullptr; n; n = n->next, ++index) {
            auto* a = static_cast<const audio_codec_entry*>(n->element);
            if (!media_text_equals(a->codec, w->audio->defaultCodec))
                continue;
            settings.audioBitrate = uint32_t(intValue(a->bitrate));
            settings.channels = uint32_t(intValue(a->channel));
            settings.sampleRate = uint32_t(intValue(a->sampleRate));
        }
        job.titleIndex = 0;
        job.titles = &track;
        job.titleCount = 1;
        job.threads = 2;
        job.settings = &settings;
        build(media_profile_get_default_video_codec(w), MEDIA_TYPE_VIDEO);
        build(media_profile_get_default_audio_codec(w), MEDIA_TYPE_AUDIO);
    }

    void build(const char* name, int type)
    {
        if (!name)
            return;
        const codec_descriptor* d = codec_find(name, type);
        if (!d) {
            failure = QStringLiteral("no registry row for %1").arg(name);
            return;
        }
        argument_builder b = d->builders[ENCODER_SOFTWARE];
        media_arguments a{};
        if (!b || (b(&job, &a), a.failed)) {
            failure = QStringLiteral("no software arguments for %1").arg(name);
        } else {
            for (int i = 0; i < a.count; ++i)
                args << QString::fromUtf8(a.items[i]);
        }
        arguments_free(&a);
    }
};

} // namespace

class TestShippedProfiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mainFilesBuildWholeTrees_data();
    void mainFilesBuildWholeTrees();
    void profilesPassBothReaders();
    void tasksConvertWithFfmpeg();

private:
    QStringList m_profiles;     // file names
    QTemporaryDir m_user;
};

void TestShippedProfiles::initTestCase()
{
    QVERIFY(!sourceDir().isEmpty());
    media_congfig_global_init();
    ProfileParser::setProgramFolder(sourceDir());
    SettingsStore::instance()->setValue("base/customProfilePath", SettingsStore::toStoredPath(m_user.path()));
    const QStringList all = QDir(sourceDir() + "/profile").entryList({"*.json"}, QDir::Files, QDir::Name);
    for (const QString& name : all) {
        if (!kMainFiles.contains(name))
            m_profiles << name;
    }
    QVERIFY(m_profiles.size() >= 16);
}

void TestShippedProfiles::mainFilesBuildWholeTrees_data()
{
    QTest::addColumn<int>("module");
    QTest::newRow("converter") << 0;
    QTest::newRow("ripper") << 1;
}

void TestShippedProfiles::mainFilesBuildWholeTrees()
{
    QFETCH(int, module);
    QStringList fatal;
    MessageHook::installFatal([&](const QString& text) { fatal << text; });
    ProfileData data;
    data.setModule(module);
    ProfileParser parser;
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    QVERIFY(fatal.isEmpty());
    MessageHook::installFatal(nullptr);
    // Nothing a main file lists was dropped.
    for (Profile::ProfileType type : {Profile::Full, Profile::Quick}) {
        const QJsonObject main = QJsonDocument::fromJson(readAll(data.path(type))).object();
        const QJsonObject sub = main["SubCategories"].toObject();
        for (auto it = sub.begin(); it != sub.end(); ++it) {
            const Profile* category = type == Profile::Full ? data.fullCategory(it.key()) : data.quickCategory(it.key());
            QVERIFY2(category, qPrintable(it.key()));
            for (const QJsonValue& name : it.value().toObject()["Profiles"].toArray()) {
                const QString n = name.toString();
                QVERIFY2(n.endsWith(".json") ? data.file(n) != nullptr : data.fullCategory(n) || data.quickCategory(n),
                         qPrintable(n));
            }
        }
    }
    QVERIFY(data.recentlyCategory());
    QVERIFY(data.frequentlyCategory());
    QVERIFY(data.fullCategory("Music")->music);
    if (module == 1) {
        QVERIFY(data.fullCategory("Backup")->backup);
        QVERIFY(data.fullCategory("Tool")->tool);
        QVERIFY(data.file("dvd_backup.json")->backup);
        QVERIFY(data.file("tool_audio_extract.json")->tool);
    }
}

void TestShippedProfiles::profilesPassBothReaders()
{
    for (const QString& name : qAsConst(m_profiles)) {
        const QByteArray bytes = readAll(sourceDir() + "/profile/" + name);
        ProfileParser parser;
        Profile entry;
        QVERIFY2(parser.parseProfileFile(bytes, &entry), qPrintable(name));
        QVERIFY2(!entry.titles.value("en").isEmpty() && !entry.shortTitles.value("en").isEmpty(), qPrintable(name));
        media_profile* p = media_profile_from_json(bytes.constData());
        QVERIFY2(p, qPrintable(name));
        if (entry.music)
            QCOMPARE(QString(p->type), QStringLiteral("Music"));
        QVERIFY2(p->video || p->audio, qPrintable(name));
        if (p->video) {
            QVERIFY2(default_video_codec_index(p) >= 0, qPrintable(name));
            for (media_list_node* n = p->video->codecs->head; n; n = n->next) {
                auto* e = static_cast<video_codec_entry*>(n->element);
                QVERIFY2(e->codec && codec_find(e->codec, MEDIA_TYPE_VIDEO), qPrintable(name));
                for (const option_set* set : {e->bitrate, e->resolution, e->frameRate, e->aspect, e->bFrames})
                    QVERIFY2(set && option_set_text(set), qPrintable(name + " " + e->codec));
            }
        }
        if (p->audio) {
            QVERIFY2(media_profile_get_default_audio_codec(p), qPrintable(name));
            for (media_list_node* n = p->audio->codecs->head; n; n = n->next) {
                auto* e = static_cast<audio_codec_entry*>(n->element);
                QVERIFY2(e->codec && codec_find(e->codec, MEDIA_TYPE_AUDIO), qPrintable(name));
                for (const option_set* set : {e->channel, e->bitrate, e->sampleRate})
                    QVERIFY2(set && option_set_text(set), qPrintable(name + " " + e->codec));
            }
        }
        media_profile_free(p);
    }
}

void TestShippedProfiles::tasksConvertWithFfmpeg()
{
    if (!QFile::exists("/usr/bin/ffmpeg"))
        QSKIP("ffmpeg is missing");
    QTemporaryDir dir;
    const QString source = dir.filePath("source.mkv");
    QCOMPARE(runFfmpeg({"-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc=size=320x240:rate=25:duration=1", "-f", "lavfi", "-i",
                        "sine=frequency=440:sample_rate=44100:duration=1", "-ac", "2", "-c:v", "ffv1", "-c:a",
                        "pcm_s16le", source}),
             QString());
    const QByteArray disc = readAll(sourceDir() + "/tests/fixtures/media/disc_one_title.json");
    QVERIFY(!disc.isEmpty());

    struct Run
    {
        QString name;
        QStringList args;
        QString failure;
    };
    std::vector<Run> runs;
    for (const QString& name : qAsConst(m_profiles)) {
        const QByteArray profile = readAll(sourceDir() + "/profile/" + name);
        media_task* task = create_media_task("disc", "/dev/sr0", 1, disc.constData(), profile.constData());
        QVERIFY2(task && task->profile->working, qPrintable(name));
        // The main title is chosen and the 5.1 English track over the stereo one.
        const title_selection* main = title_selection_at(task->selection, 0);
        QVERIFY(main->selected);
        QVERIFY2(audio_choice_at(main, 1)->selected, qPrintable(name));
        JobMapping mapping(task);
        QVERIFY2(mapping.failure.isEmpty(), qPrintable(name + ": " + mapping.failure));
        const bool video = task->profile->working->video != nullptr;
        const QString output = dir.filePath(QFileInfo(name).baseName() + "." + task->profile->working->extension);
        runs.push_back({name,
                        QStringList{"-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-i", source}
                            << (video ? QStringList() : QStringList{"-vn"}) << mapping.args << output,
                        QString()});
        free_media_task(task);
    }
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < runs.size(); i = next++) {
            Run& r = runs[i];
            r.failure = runFfmpeg(r.args);
            if (r.failure.isEmpty())
                r.failure = runFfmpeg({"-nostdin", "-v", "error", "-xerror", "-i", r.args.last(), "-f", "null", "-"});
        }
    };
    std::vector<std::thread> pool;
    for (int i = 0; i < 4; ++i)
        pool.emplace_back(worker);
    for (auto& t : pool)
        t.join();
    QStringList failures;
    for (const Run& r : runs) {
        if (!r.failure.isEmpty())
            failures << r.name + " [" + r.args.join(' ') + "]: " + r.failure;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join("\n")));
}

QTEST_GUILESS_MAIN(TestShippedProfiles)
#include "tst_shippedprofiles.moc"
