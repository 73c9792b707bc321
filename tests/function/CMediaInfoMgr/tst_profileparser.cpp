// Profile main files and profile files on disk: where they are read from,
// what the trees hold, what is dropped, the save to the user copy, and the
// fatal report when a tree cannot be read.
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileData.h"
#include "function/CMediaInfoMgr/private/ProfileMgr/ProfileParser.h"
#include "shell/MessageHook.h"

#include "ProfileTreeFixture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <csignal>

namespace {

QStringList names(const Profile* category)
{
    QStringList l;
    for (const Profile* e : category->entries)
        l << e->name;
    return l;
}

struct FatalRecorder
{
    QStringList texts;
    FatalRecorder()
    {
        MessageHook::installFatal([this](const QString& text) { texts << text; });
    }
    ~FatalRecorder() { MessageHook::installFatal(nullptr); }
};

// The child of killedSaveLeavesReadableCopy: saves the full tree again and
// again until it is killed.
int saveLoop(const QString& program, const QString& user)
{
    ProfileParser::setProgramFolder(program);
    SettingsStore::instance()->setValue("base/customProfilePath", SettingsStore::toStoredPath(user));
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    if (parser.parseProfile(&data) != ProfileParser::NoParseError)
        return 2;
    Profile* video = data.fullCategory("Video");
    for (int i = 0;; ++i) {
        video->titles.insert("en", QString("Video %1 ").arg(i).repeated(200));
        data.saveMainProfile(Profile::Full);
        std::fputc('.', stdout);
        std::fflush(stdout);
    }
}

} // namespace

class TestProfileParser : public QObject
{
    Q_OBJECT
private slots:
    void shippedCopyUntilFirstSave();
    void quickTreeGetsRecentlyAndFrequently();
    void quickTreeKeepsItsOwnRecently();
    void entryFileLookup_data();
    void entryFileLookup();
    void incompleteProfilesAreDropped();
    void codecTexts();
    void formatText_data();
    void formatText();
    void unknownCategoryDropped();
    void cyclesAreNotLinked();
    void brokenFullFileIsFatal_data();
    void brokenFullFileIsFatal();
    void brokenQuickFileIsFatal();
    void fatalWithoutHookEndsTheLoop();
    void brokenUserCopyGivesWay();
    void otherModuleHasNoFiles();
    void saveCreatesTheFolder();
    void killedSaveLeavesReadableCopy();
};

void TestProfileParser::shippedCopyUntilFirstSave()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    ProfileData data;
    data.setModule(0);
    QCOMPARE(data.path(Profile::Full), fx.shipped("converter_full.json"));
    ProfileParser parser;
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    QCOMPARE(data.version(Profile::Full), QStringLiteral("1.0"));
    QCOMPARE(names(data.root(Profile::Full)), QStringList{"Video"});
    Profile* video = data.fullCategory("Video");
    QCOMPARE(video->fullParents, QStringList{"full"});
    QCOMPARE(video->icon, QStringLiteral("video"));
    QCOMPARE(video->quality, 3);
    QCOMPARE(names(video), (QStringList{"a.json", "b.json"}));
    QCOMPARE(data.file("a.json")->path, fx.shipped("a.json"));
    QCOMPARE(data.file("a.json")->quality, 4);

    QVERIFY(data.saveMainProfile(Profile::Full));
    const QJsonObject saved = fx.read(fx.own("converter_full.json"));
    QCOMPARE(saved["Version"].toString(), QStringLiteral("1.0"));
    QCOMPARE(saved["MainCategories"].toArray(), QJsonArray{"Video"});
    QCOMPARE(saved["SubCategories"].toObject()["Video"].toObject(),
             (QJsonObject{{"Titles", QJsonObject{{"en", "Video"}}}, {"Profiles", QJsonArray{"a.json", "b.json"}},
                          {"Icon", "video"}}));

    ProfileData again;
    again.setModule(0);
    QCOMPARE(again.path(Profile::Full), fx.own("converter_full.json"));
    QCOMPARE(again.path(Profile::Quick), fx.shipped("converter_quick.json"));
}

void TestProfileParser::quickTreeGetsRecentlyAndFrequently()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    fx.write(fx.shipped("converter_quick.json"), fx.mainFile({}, QJsonObject{}));
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    QCOMPARE(names(data.root(Profile::Quick)), (QStringList{"Recently", "Frequently"}));
    QVERIFY(data.recentlyCategory()->recently);
    QCOMPARE(data.frequentlyCategory()->titles.value("en"), QStringLiteral("Frequently"));
    QVERIFY(data.saveMainProfile(Profile::Quick));
    const QJsonObject saved = fx.read(fx.own("converter_quick.json"));
    QCOMPARE(saved["MainCategories"].toArray(), (QJsonArray{"Recently", "Frequently"}));
    const QJsonObject sub = saved["SubCategories"].toObject();
    QCOMPARE(sub["Recently"].toObject()["Titles"].toObject(), QJsonObject());
    QCOMPARE(sub["Frequently"].toObject()["Titles"].toObject(), (QJsonObject{{"en", "Frequently"}}));
}

void TestProfileParser::quickTreeKeepsItsOwnRecently()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    fx.write(fx.shipped("converter_quick.json"),
             fx.mainFile({"Common", "RECENTLY"}, QJsonObject{{"Common", fx.category({"a.json"})},
                                                             {"RECENTLY", fx.category({"b.json"})}}));
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    QCOMPARE(names(data.root(Profile::Quick)), (QStringList{"Frequently", "Common", "RECENTLY"}));
    QCOMPARE(data.recentlyCategory()->name, QStringLiteral("RECENTLY"));
}

void TestProfileParser::entryFileLookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inUserFolder");
    QTest::addColumn<bool>("listed");
    QTest::newRow("custom") << "customProfile_save_0.json" << true << true;
    QTest::newRow("capital Custom") << "CustomProfile.json" << false << true;
    QTest::newRow("shipped") << "plain.json" << false << true;
    QTest::newRow("slash") << "sub/plain.json" << false << false;
    QTest::newRow("backslash") << "sub\\plain.json" << false << false;
    QTest::newRow("parent") << "..plain.json" << false << false;
    QTest::newRow("custom with two points") << "..customProfile.json" << true << false;
}

void TestProfileParser::entryFileLookup()
{
    QFETCH(QString, name);
    QFETCH(bool, inUserFolder);
    QFETCH(bool, listed);
    ProfileTreeFixture fx;
    fx.writeConverter();
    fx.write(fx.shipped("converter_full.json"), fx.mainFile({"Video"}, QJsonObject{{"Video", fx.category({name, "a.json"})}}));
    QDir().mkpath(fx.program.filePath("profile/sub"));
    QDir().mkpath(fx.user.filePath("sub"));
    // The file stands where the name leads, so only the name decides.
    const QString where = inUserFolder ? fx.own(name) : fx.shipped(name);
    QVERIFY(fx.write(QDir::cleanPath(where), fx.profile("X")));
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    QCOMPARE(data.file(name) != nullptr, listed);
    QCOMPARE(names(data.fullCategory("Video")).contains(name), listed);
    if (listed)
        QCOMPARE(data.file(name)->path, where);
}

void TestProfileParser::incompleteProfilesAreDropped()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    QJsonObject noShort = fx.profile("N");
    QJsonObject summary = noShort["Summary"].toObject();
    summary.remove("ShortTitles");
    noShort["Summary"] = summary;
    QJsonObject noSummary = fx.profile("S");
    noSummary.remove("Summary");
    fx.write(fx.shipped("noshort.json"), noShort);
    fx.write(fx.shipped("nosummary.json"), noSummary);
    fx.write(fx.shipped("broken.json"), QByteArray("{ not json"));
    const QStringList all{"noshort.json", "a.json", "nosummary.json", "missing.json", "broken.json"};
    fx.write(fx.shipped("converter_full.json"), fx.mainFile({"Video"}, QJsonObject{{"Video", fx.category(all)}}));
    fx.write(fx.shipped("converter_quick.json"),
             fx.mainFile({"Common"}, QJsonObject{{"Common", fx.category({"noshort.json", "a.json"})}}));
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    QCOMPARE(names(data.fullCategory("Video")), QStringList{"a.json"});
    // Dropped from the full tree, the name is read afresh for the quick one and dropped again.
    QCOMPARE(names(data.quickCategory("Common")), QStringList{"a.json"});
    QVERIFY(!data.file("noshort.json"));
    QVERIFY(!parser.parseProfileFile(QJsonDocument(noShort).toJson(), nullptr));
    QVERIFY(parser.parseProfileFile(QJsonDocument(fx.profile("ok")).toJson(), nullptr));
}

void TestProfileParser::codecTexts()
{
    ProfileParser parser;
    Profile entry;
    QVERIFY(parser.parseProfileFile(QJsonDocument(ProfileTreeFixture::profile("A")).toJson(), &entry));
    QCOMPARE(entry.videoCodec, QStringLiteral("H.264, MPEG-4"));
    QCOMPARE(entry.frameRate, QStringLiteral("keep original"));
    QCOMPARE(entry.audioCodec, QStringLiteral("AAC"));
    QCOMPARE(entry.sampleRate, QStringLiteral("44100 Hz"));
    QCOMPARE(entry.bitRate, QStringLiteral("128 KiB"));
    QCOMPARE(entry.id, qint64(1));
    QCOMPARE(entry.titles.value("en"), QStringLiteral("A"));

    QJsonObject given = ProfileTreeFixture::profile("B");
    QJsonObject summary = given["Summary"].toObject();
    summary["VideoCodec"] = "AVC";
    summary["Recommend"] = true;
    given["Summary"] = summary;
    given["Type"] = "MUSIC";
    given["CustomProfile"] = 1;
    given.remove("Quality");
    Profile other;
    QVERIFY(parser.parseProfileFile(QJsonDocument(given).toJson(), &other));
    QCOMPARE(other.videoCodec, QStringLiteral("AVC"));
    QVERIFY(other.recommended && other.music && !other.tool);
    QCOMPARE(other.customKind, 1);
    QCOMPARE(other.quality, 3);
}

void TestProfileParser::formatText_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("format");
    QTest::newRow("mp4") << "mp4" << "MPEG-4(.mp4)";
    QTest::newRow("MP4") << "MP4" << "";
    QTest::newRow("flv") << "flv" << "Flash Video(.flv)";
    QTest::newRow("mkv") << "mkv" << "";
}

void TestProfileParser::formatText()
{
    QFETCH(QString, extension);
    ProfileParser parser;
    Profile entry;
    QVERIFY(parser.parseProfileFile(QJsonDocument(ProfileTreeFixture::profile("A", extension)).toJson(), &entry));
    QFETCH(QString, format);
    QCOMPARE(entry.formatText, format);
}

void TestProfileParser::unknownCategoryDropped()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    fx.write(fx.shipped("converter_full.json"),
             fx.mainFile({"Ghost", "Video"}, QJsonObject{{"Video", fx.category({"Nowhere", "Inner", "a.json"})},
                                                         {"Inner", fx.category({"b.json"})}}));
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    QCOMPARE(names(data.root(Profile::Full)), QStringList{"Video"});
    QCOMPARE(names(data.fullCategory("Video")), (QStringList{"Inner", "a.json"}));
    QVERIFY(!data.fullCategory("Nowhere"));
    QVERIFY(!data.fullCategory("Ghost"));
    QCOMPARE(data.fullCategory("Inner")->fullParents, QStringList{"Video"});
    QVERIFY(!data.fullCategory("Inner")->music);
}

void TestProfileParser::cyclesAreNotLinked()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    fx.write(fx.shipped("converter_full.json"),
             fx.mainFile({"Video"}, QJsonObject{{"Video", fx.category({"Inner", "Video", "a.json"})},
                                                {"Inner", fx.category({"Deep", "b.json"})},
                                                {"Deep", fx.category({"Video", "Inner", "Deep", "a.json"})}}));
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    QCOMPARE(names(data.fullCategory("Video")), (QStringList{"Inner", "a.json"}));
    QCOMPARE(names(data.fullCategory("Deep")), QStringList{"a.json"});
    QVERIFY(data.saveMainProfile(Profile::Full));
    const QJsonObject sub = fx.read(fx.own("converter_full.json"))["SubCategories"].toObject();
    QCOMPARE(sub.keys(), (QStringList{"Deep", "Inner", "Video"}));
}

void TestProfileParser::brokenFullFileIsFatal_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not JSON") << QByteArray("this is no JSON");
    QTest::newRow("MainCategories an object") << QByteArray(R"({"MainCategories": {}, "SubCategories": {}})");
    QTest::newRow("missing") << QByteArray();
}

void TestProfileParser::brokenFullFileIsFatal()
{
    QFETCH(QByteArray, content);
    ProfileTreeFixture fx;
    fx.writeConverter();
    QFile::remove(fx.shipped("converter_full.json"));
    if (!content.isEmpty())
        fx.write(fx.shipped("converter_full.json"), content);
    const QByteArray quickBefore = QJsonDocument(fx.read(fx.shipped("converter_quick.json"))).toJson();
    FatalRecorder fatal;
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    if (content.isEmpty())
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("Profile: .*converter_full.json openFailed!"));
    else
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("Profile: .*converter_full.json content error!"));
    QTest::ignoreMessage(QtCriticalMsg, "parse full profile error");
    QCOMPARE(parser.parseProfile(&data), ProfileParser::FullProfileError);
    QCOMPARE(fatal.texts, QStringList{"parse full profile error"});
    // The quick file was not read, and nothing was written.
    QVERIFY(!data.root(Profile::Quick));
    QCOMPARE(QJsonDocument(fx.read(fx.shipped("converter_quick.json"))).toJson(), quickBefore);
    QVERIFY(!QFile::exists(fx.own("converter_quick.json")));
    QVERIFY(!QFile::exists(fx.own("converter_full.json")));
}

void TestProfileParser::brokenQuickFileIsFatal()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    fx.write(fx.shipped("converter_quick.json"), QByteArray("[]"));
    FatalRecorder fatal;
    ProfileData data;
    data.setModule(0);
    ProfileParser parser;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("content error!"));
    QTest::ignoreMessage(QtCriticalMsg, "parse quick profile error");
    QCOMPARE(parser.parseProfile(&data), ProfileParser::QuickProfileError);
    QCOMPARE(fatal.texts, QStringList{"parse quick profile error"});
    QVERIFY(data.root(Profile::Full));
}

void TestProfileParser::fatalWithoutHookEndsTheLoop()
{
    ProfileTreeFixture fx;
    MessageHook::installFatal(nullptr);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("openFailed!"));
    QTest::ignoreMessage(QtCriticalMsg, "parse full profile error");
    // On a worker thread, as the profile manager parses.
    QThread* worker = QThread::create([] {
        ProfileData data;
        data.setModule(0);
        ProfileParser parser;
        parser.parseProfile(&data);
    });
    QTimer::singleShot(0, worker, [worker] { worker->start(); });
    QCOMPARE(QCoreApplication::exec(), -1);
    QVERIFY(worker->wait(10000));
    delete worker;
}

void TestProfileParser::brokenUserCopyGivesWay()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    fx.write(fx.own("converter_full.json"), QByteArray("{\"MainCategories\": 3"));
    FatalRecorder fatal;
    ProfileData data;
    data.setModule(0);
    QCOMPARE(data.path(Profile::Full), fx.own("converter_full.json"));
    ProfileParser parser;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("converter_full.json is unreadable, reading .*profile/converter_full.json"));
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    QVERIFY(fatal.texts.isEmpty());
    QCOMPARE(names(data.root(Profile::Full)), QStringList{"Video"});
    QCOMPARE(data.path(Profile::Full), fx.shipped("converter_full.json"));
    // The next save replaces the broken copy.
    QVERIFY(data.saveMainProfile(Profile::Full));
    QVERIFY(fx.read(fx.own("converter_full.json"))["MainCategories"].isArray());
}

void TestProfileParser::otherModuleHasNoFiles()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    FatalRecorder fatal;
    ProfileData data;
    data.setModule(5);
    QVERIFY(data.path(Profile::Full).isEmpty());
    ProfileParser parser;
    QTest::ignoreMessage(QtCriticalMsg, "Profile:  openFailed!");
    QTest::ignoreMessage(QtCriticalMsg, "parse full profile error");
    QCOMPARE(parser.parseProfile(&data), ProfileParser::FullProfileError);
    QVERIFY(!data.saveMainProfile(Profile::Full));
}

void TestProfileParser::saveCreatesTheFolder()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    const QString folder = fx.user.filePath("not/yet");
    SettingsStore::instance()->setValue("base/customProfilePath", SettingsStore::toStoredPath(folder));
    ProfileData data;
    data.setModule(1);
    fx.write(fx.shipped("ripper_full.json"), fx.mainFile({"Video"}, QJsonObject{{"Video", fx.category({"a.json"})}}));
    fx.write(fx.shipped("ripper_quick.json"), fx.mainFile({}, QJsonObject{}));
    data.setModule(1);
    ProfileParser parser;
    QCOMPARE(parser.parseProfile(&data), ProfileParser::NoParseError);
    QVERIFY(data.saveMainProfile(Profile::Quick));
    QVERIFY(QFileInfo::exists(folder + "/ripper_quick.json"));
}

void TestProfileParser::killedSaveLeavesReadableCopy()
{
    ProfileTreeFixture fx;
    fx.writeConverter();
    for (int round = 0; round < 5; ++round) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--save-loop", fx.program.path(), fx.user.path()});
        QVERIFY(child.waitForStarted(10000));
        // Killed after a different number of whole saves each round, so
        // the kill lands at different points of the next one.
        const int saves = QRandomGenerator::global()->bounded(1, 30);
        QByteArray seen;
        while (seen.size() < saves && child.waitForReadyRead(30000))
            seen += child.readAllStandardOutput();
        QVERIFY(seen.size() >= saves);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        const QJsonObject copy = fx.read(fx.own("converter_full.json"));
        QVERIFY2(copy["MainCategories"].isArray(), "the user copy is not a whole main file");
        QVERIFY(copy["SubCategories"].toObject()["Video"].toObject()["Titles"].toObject()["en"].toString().startsWith("Video "));
    }
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--save-loop") == 0)
        return saveLoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestProfileParser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profileparser.moc"
