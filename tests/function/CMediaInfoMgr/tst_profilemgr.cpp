// The profile manager's thread and the user's profiles on real files: the
// parse, saved profiles beside the chosen one, recorded profiles in
// "Recently", the file names, and what a failed write leaves.
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileMgr.h"
#include "function/marbleto_library/arguments/util/media_task.h"
#include "function/marbleto_library/arguments/util/util.h"

#include "ProfileTreeFixture.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList names(const Profile* category)
{
    QStringList l;
    for (const Profile* e : category->entries)
        l << e->name;
    return l;
}

struct TaskFree
{
    void operator()(media_task* t) const { free_media_task(t); }
};

// A task over the disc fixture with a shipped profile whose ID is set.
std::unique_ptr<media_task, TaskFree> makeTask(int id)
{
    const QString source = qEnvironmentVariable("TW_SOURCE_DIR");
    QJsonObject profile = QJsonDocument::fromJson(readAll(source + "/profile/mp4_h264.json")).object();
    profile["ID"] = id;
    const QByteArray disc = readAll(source + "/tests/fixtures/media/disc_one_title.json");
    return std::unique_ptr<media_task, TaskFree>(
        create_media_task("disc", "/dev/sr0", 0, disc.constData(), QJsonDocument(profile).toJson().constData()));
}

// Waits until the manager's queue has run dry.
bool idle(ProfileMgr& mgr)
{
    return mgr.wait(30000);
}

} // namespace

class TestProfileMgr : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void parseLogsItsModule_data();
    void parseLogsItsModule();
    void savedProfileSitsBesideTheChosenOne();
    void savedFilesTakeTheFirstFreeIndex();
    void saveWithoutChosenProfileWritesNothing();
    void unwritableFolderLeavesNothing();
    void recordedProfilesKeepFourInRecently();
    void recordingTheChosenProfile();
    void bothModulesSavingTakeTwoFiles();
};

void TestProfileMgr::initTestCase()
{
    media_congfig_global_init();
}

void TestProfileMgr::parseLogsItsModule_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<QString>("word");
    QTest::newRow("converter") << 0 << "VIDEO";
    QTest::newRow("ripper") << 1 << "DVD";
}

void TestProfileMgr::parseLogsItsModule()
{
    QFETCH(int, module);
    QFETCH(QString, word);
    ProfileTreeFixture fx;
    fx.writeConverter();
    QFile::copy(fx.shipped("converter_full.json"), fx.shipped("ripper_full.json"));
    QFile::copy(fx.shipped("converter_quick.json"), fx.shipped("ripper_quick.json"));
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QString("Thread Test: %1 ProfileMgr start").arg(word)));
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QString("Thread Test: %1 ProfileMgr end").arg(word)));
    ProfileMgr mgr(module);
    mgr.startParse();
    QVERIFY(idle(mgr));
    QVERIFY(mgr.data()->root(Profile::Full));
    QCOMPARE(mgr.chosenProfileInfo().key, -1);
    QVERIFY(mgr.chooseProfile(mgr.data()->file("a.json")->key, -1));
    QCOMPARE(mgr.chosenProfileInfo().title, QStringLiteral("A"));
}

void TestProfileMgr::savedProfileSitsBesideTheChosenOne()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    fx.write(fx.shipped("converter_full.json"),
             fx.mainFile({"Video", "More"}, QJsonObject{{"Video", fx.category({"a.json", "b.json"})},
                                                        {"More", fx.category({"b.json", "a.json"})}}));
    ProfileMgr mgr(0);
    QSignalSpy spy(&mgr, &ProfileMgr::doNewQuickItem);
    mgr.startParse();
    QVERIFY(idle(mgr));
    QVERIFY(mgr.chooseProfile(mgr.data()->file("a.json")->key, -1));
    auto task = makeTask(700);
    mgr.saveCustomProfile(task.get(), "Mine", "My own");
    task.reset();   // the caller may free its task at once
    QVERIFY(idle(mgr));
    const QString name = "customProfile_save_0.json";
    QVERIFY(QFile::exists(fx.own(name)));
    QCOMPARE(names(mgr.data()->fullCategory("Video")), (QStringList{"a.json", name, "b.json"}));
    QCOMPARE(names(mgr.data()->fullCategory("More")), (QStringList{"b.json", "a.json", name}));
    Profile* saved = mgr.data()->file(name);
    QCOMPARE(saved->customKind, 1);
    QCOMPARE(saved->titles.value("en"), QStringLiteral("Mine"));
    QVERIFY(saved->quickParents.isEmpty());
    QCOMPARE(mgr.data()->customProfiles(), QList<Profile*>{saved});
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy[0][1].toInt(), saved->key);
    QCOMPARE(spy[0][2].toBool(), true);
    const QJsonObject full = fx.read(fx.own("converter_full.json"));
    QCOMPARE(full["SubCategories"].toObject()["Video"].toObject()["Profiles"].toArray(),
             (QJsonArray{"a.json", name, "b.json"}));
}

void TestProfileMgr::savedFilesTakeTheFirstFreeIndex()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    ProfileMgr mgr(0);
    mgr.startParse();
    QVERIFY(idle(mgr));
    QVERIFY(mgr.chooseProfile(mgr.data()->file("a.json")->key, -1));
    auto task = makeTask(701);
    for (int i = 0; i < 2; ++i)
        mgr.saveCustomProfile(task.get(), QString("Saved %1").arg(i), "");
    QVERIFY(idle(mgr));
    QVERIFY(QFile::exists(fx.own("customProfile_save_0.json")));
    QVERIFY(QFile::exists(fx.own("customProfile_save_1.json")));
    mgr.saveCustomProfile(task.get(), "Third", "");
    QVERIFY(idle(mgr));
    QVERIFY(QFile::exists(fx.own("customProfile_save_2.json")));
    QVERIFY(QFile::remove(fx.own("customProfile_save_0.json")));
    // The deleted file's entry is still in the store: only the file name is free.
    mgr.saveCustomProfile(task.get(), "Fourth", "");
    QVERIFY(idle(mgr));
    QVERIFY(QFile::exists(fx.own("customProfile_save_0.json")));
    QCOMPARE(fx.read(fx.own("customProfile_save_0.json"))["Summary"].toObject()["Titles"].toObject()["en"].toString(),
             QStringLiteral("Fourth"));
}

void TestProfileMgr::saveWithoutChosenProfileWritesNothing()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    ProfileMgr mgr(0);
    QSignalSpy spy(&mgr, &ProfileMgr::doNewQuickItem);
    mgr.startParse();
    QVERIFY(idle(mgr));
    auto task = makeTask(702);
    mgr.saveCustomProfile(task.get(), "Mine", "");
    QVERIFY(idle(mgr));
    QVERIFY(QDir(fx.user.path()).entryList(QDir::Files).isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0);
}

void TestProfileMgr::unwritableFolderLeavesNothing()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    ProfileMgr mgr(0);
    QSignalSpy spy(&mgr, &ProfileMgr::doNewQuickItem);
    mgr.startParse();
    QVERIFY(idle(mgr));
    QVERIFY(mgr.chooseProfile(mgr.data()->file("a.json")->key, -1));
    const int nodes = mgr.data()->nodeCount();
    // The user's folder is a file: nothing can be written below it, even by root.
    const QString blocked = fx.own("blocked");
    QVERIFY(fx.write(blocked, QByteArray("x")));
    SettingsStore::instance()->setValue("base/customProfilePath", SettingsStore::toStoredPath(blocked + "/profile"));
    auto task = makeTask(703);
    mgr.saveCustomProfile(task.get(), "Mine", "");
    mgr.addConvertedProfile(task.get());
    QVERIFY(idle(mgr));
    QCOMPARE(mgr.data()->nodeCount(), nodes);
    QCOMPARE(QDir(fx.user.path()).entryList(QDir::Files), QStringList{"blocked"});
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0);
}

void TestProfileMgr::recordedProfilesKeepFourInRecently()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    ProfileMgr mgr(0);
    QSignalSpy spy(&mgr, &ProfileMgr::doNewQuickItem);
    mgr.startParse();
    QVERIFY(idle(mgr));
    for (int i = 0; i < 5; ++i) {
        auto task = makeTask(800 + i);
        mgr.addConvertedProfile(task.get());
    }
    QVERIFY(idle(mgr));
    Profile* recently = mgr.data()->recentlyCategory();
    QCOMPARE(names(recently), (QStringList{"customProfile_convert_4.json", "customProfile_convert_3.json",
                                           "customProfile_convert_2.json", "customProfile_convert_1.json"}));
    // The oldest went, with its file.
    QVERIFY(!mgr.data()->file("customProfile_convert_0.json"));
    QVERIFY(!QFile::exists(fx.own("customProfile_convert_0.json")));
    QCOMPARE(fx.read(fx.own("customProfile_convert_4.json"))["CustomProfile"].toInt(), 2);
    QTRY_COMPARE(spy.count(), 5);
    QCOMPARE(spy[4][0].toInt(), recently->key);
    QCOMPARE(spy[4][2].toBool(), false);

    // A profile with the ID of one already there replaces it at the front.
    auto again = makeTask(802);
    mgr.addConvertedProfile(again.get());
    QVERIFY(idle(mgr));
    QCOMPARE(names(recently), (QStringList{"customProfile_convert_0.json", "customProfile_convert_4.json",
                                           "customProfile_convert_3.json", "customProfile_convert_1.json"}));
    QVERIFY(!QFile::exists(fx.own("customProfile_convert_2.json")));
    const QJsonObject quick = fx.read(fx.own("converter_quick.json"));
    QCOMPARE(quick["SubCategories"].toObject()["Recently"].toObject()["Profiles"].toArray().size(), 4);
}

void TestProfileMgr::recordingTheChosenProfile()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    ProfileMgr mgr(0);
    int cleared = 0;
    QThread* clearedOn = nullptr;
    mgr.setOverProfileClearer([&] {
        QMetaObject::invokeMethod(this, [&] {
            ++cleared;
            clearedOn = QThread::currentThread();
        }, Qt::QueuedConnection);
    });
    QSignalSpy spy(&mgr, &ProfileMgr::doNewQuickItem);
    mgr.startParse();
    QVERIFY(idle(mgr));
    auto first = makeTask(900);
    mgr.addConvertedProfile(first.get());
    QVERIFY(idle(mgr));
    Profile* recently = mgr.data()->recentlyCategory();
    Profile* chosen = mgr.data()->file("customProfile_convert_0.json");
    QVERIFY(mgr.chooseProfile(chosen->key, recently->key));
    auto second = makeTask(900);    // the same profile again
    mgr.addConvertedProfile(second.get());
    QVERIFY(idle(mgr));
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spy[1][2].toBool(), true);
    QTRY_COMPARE(cleared, 1);
    QCOMPARE(clearedOn, QThread::currentThread());
    QCOMPARE(names(recently), QStringList{"customProfile_convert_1.json"});
}

void TestProfileMgr::bothModulesSavingTakeTwoFiles()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    QFile::copy(fx.shipped("converter_full.json"), fx.shipped("ripper_full.json"));
    QFile::copy(fx.shipped("converter_quick.json"), fx.shipped("ripper_quick.json"));
    ProfileMgr converter(0), ripper(1);
    converter.startParse();
    ripper.startParse();
    QVERIFY(idle(converter) && idle(ripper));
    QVERIFY(converter.chooseProfile(converter.data()->file("a.json")->key, -1));
    QVERIFY(ripper.chooseProfile(ripper.data()->file("a.json")->key, -1));
    auto task = makeTask(1000);
    for (int round = 0; round < 10; ++round) {
        converter.saveCustomProfile(task.get(), "Converter", "");
        ripper.saveCustomProfile(task.get(), "Ripper", "");
    }
    QVERIFY(idle(converter) && idle(ripper));
    const QStringList files = QDir(fx.user.path()).entryList({"customProfile_save_*.json"}, QDir::Files);
    QCOMPARE(files.size(), 20);
    QCOMPARE(converter.data()->customProfiles().size() + ripper.data()->customProfiles().size(), 20);
}

QTEST_GUILESS_MAIN(TestProfileMgr)
#include "tst_profilemgr.moc"
