// The media information managers: one per module, the library set up once,
// the over-profile, the relayed signals on the GUI thread, and the chosen
// profile read from the module's store.
#include "function/CMediaInfoMgr/CMediaInfoMgr.h"
#include "function/CMediaInfoMgr/private/CMediaInfoMgrPrivate.h"
#include "function/marbleto_library/arguments/util/media_task.h"
#include "function/marbleto_library/arguments/util/util.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString source(const QString& rel)
{
    return qEnvironmentVariable("TW_SOURCE_DIR") + "/" + rel;
}

} // namespace

class TestCMediaInfoMgr : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void oneManagerPerModule();
    void libraryIsSetUpOnce();
    void overProfile();
    void chosenProfileAndRelays();
    void metadataRelayedToTheGuiThread();

private:
    QTemporaryDir m_user;
};

void TestCMediaInfoMgr::initTestCase()
{
    // The shipped profiles and a user folder of the test's own.
    ProfileParser::setProgramFolder(qEnvironmentVariable("TW_SOURCE_DIR"));
    SettingsStore::instance()->setValue("base/customProfilePath", SettingsStore::toStoredPath(m_user.path()));
    SettingsStore::instance()->setValue("media/autoCopy", "yes");
    QVERIFY(!media_config_get()->initialised);
}

void TestCMediaInfoMgr::oneManagerPerModule()
{
    CMediaInfoMgr* converter = CMediaInfoMgr::instance(CMediaInfoMgr::Current);
    QCOMPARE(CMediaInfoMgr::instance(CMediaInfoMgr::Converter), converter);
    QCOMPARE(converter->module(), CMediaInfoMgr::Converter);
    CMediaInfoMgr* ripper = CMediaInfoMgr::instance(CMediaInfoMgr::Ripper);
    QVERIFY(ripper != converter);
    QVERIFY(ripper->privatePart() != converter->privatePart());
    QVERIFY(ripper->privatePart()->profileMgr() != converter->privatePart()->profileMgr());
    QVERIFY(ripper->privatePart()->metadata() != converter->privatePart()->metadata());
    QCOMPARE(ripper->privatePart()->profileMgr()->parent(), ripper->privatePart());
}

void TestCMediaInfoMgr::libraryIsSetUpOnce()
{
    QCOMPARE(media_config_get()->initialised, 1);
    // "yes" is not "true": auto-copy stays off.
    QVERIFY(!media_config_get()->autoCopy);
    media_config_set_language("fra");
    CMediaInfoMgr::instance(CMediaInfoMgr::Ripper);
    CMediaInfoMgr::instance(CMediaInfoMgr::Current);
    QCOMPARE(QByteArray(media_config_get()->language), QByteArray("fra"));
}

void TestCMediaInfoMgr::overProfile()
{
    CMediaInfoMgr* mgr = CMediaInfoMgr::instance(CMediaInfoMgr::Current);
    QSignalSpy spy(mgr, &CMediaInfoMgr::do_over_profile_changed);
    mgr->clearOverProfile();
    QCOMPARE(spy.count(), 1);

    const QByteArray profile = readAll(source("profile/mp4_h264.json"));
    const QByteArray disc = readAll(source("tests/fixtures/media/disc_one_title.json"));
    media_task* task = create_media_task("disc", "/dev/sr0", 0, disc.constData(), profile.constData());
    QVERIFY(task);
    char* before = task_convert_profile_json(task);
    mgr->applyOverProfile(task);
    char* after = task_convert_profile_json(task);
    QCOMPARE(QByteArray(after), QByteArray(before));
    std::free(before);
    std::free(after);

    // An installed choice is applied, then released by the clear.
    QJsonObject manual = QJsonDocument::fromJson(profile).object();
    QJsonObject video = manual["Video"].toObject();
    QJsonArray codecs = video["Codecs"].toArray();
    QJsonObject codec = codecs[0].toObject();
    QJsonObject bitrate = codec["Bitrate"].toObject();
    bitrate["Value"] = "Manual";
    codec["Bitrate"] = bitrate;
    codecs[0] = codec;
    video["Codecs"] = codecs;
    manual["Video"] = video;
    mgr->setOverProfile(create_profile_choice(QJsonDocument(manual).toJson().constData(), 4321));
    mgr->applyOverProfile(task);
    QCOMPARE(task->profile->videoBitrate, 4321);
    mgr->clearOverProfile();
    QVERIFY(!mgr->overProfile());
    QCOMPARE(spy.count(), 2);
    free_media_task(task);
}

void TestCMediaInfoMgr::chosenProfileAndRelays()
{
    CMediaInfoMgr* mgr = CMediaInfoMgr::instance(CMediaInfoMgr::Current);
    ProfileMgr* profiles = mgr->privatePart()->profileMgr();
    QVERIFY(profiles->wait(30000));
    ProfileInfo info;
    QCOMPARE(mgr->chosenProfile(info).key, -1);

    QSignalSpy chosen(mgr, &CMediaInfoMgr::doChosenProfileChanged);
    Profile* entry = profiles->data()->file("mp4_h264.json");
    QVERIFY(entry);
    QVERIFY(profiles->chooseProfile(entry->key, -1));
    QTRY_COMPARE(chosen.count(), 1);
    QCOMPARE(mgr->chosenProfile(info).key, entry->key);
    QCOMPARE(info.extension, QStringLiteral("mp4"));

    // A recorded profile: the relay reaches the manager on this thread.
    QThread* arrivedOn = nullptr;
    connect(mgr, &CMediaInfoMgr::doNewQuickItem, this, [&] { arrivedOn = QThread::currentThread(); },
            Qt::DirectConnection);
    const QByteArray disc = readAll(source("tests/fixtures/media/disc_one_title.json"));
    media_task* task = create_media_task("disc", "/dev/sr0", 0, disc.constData(),
                                         readAll(source("profile/mkv.json")).constData());
    profiles->addConvertedProfile(task);
    free_media_task(task);
    QTRY_VERIFY(arrivedOn);
    QCOMPARE(arrivedOn, QThread::currentThread());
}

void TestCMediaInfoMgr::metadataRelayedToTheGuiThread()
{
    CMediaInfoMgr* mgr = CMediaInfoMgr::instance(CMediaInfoMgr::Ripper);
    QThread* arrivedOn = nullptr;
    QString title;
    connect(mgr, &CMediaInfoMgr::doMetaDataFinished, this, [&](const QString&, const MediaMetadata& m) {
        arrivedOn = QThread::currentThread();
        title = m.title;
    }, Qt::DirectConnection);
    mgr->privatePart()->metadata()->open(m_user.filePath("absent.mkv"));
    QTRY_VERIFY(arrivedOn);
    QCOMPARE(arrivedOn, QThread::currentThread());
    QCOMPARE(title, QStringLiteral("absent"));
}

QTEST_GUILESS_MAIN(TestCMediaInfoMgr)
#include "tst_cmediainfomgr.moc"
