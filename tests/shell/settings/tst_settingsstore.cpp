#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent>
#include <QtTest>

#include <atomic>
#include <csignal>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A complete file ends with CR LF and holds the sentinel written last.
bool looksComplete(const QByteArray& text)
{
    return text.endsWith("\r\n") && text.contains("[zz]\r\nsentinel=");
}

} // namespace

class TstSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void freshStartWritesEveryDefault();
    void fileFormat();
    void loadRules();
    void roundTrip_data();
    void roundTrip();
    void unchangedValueLeavesFileAlone();
    void blankKeyRefused();
    void lineBreakRefused_data();
    void lineBreakRefused();
    void whatWouldNotReadBackIsNotWritten_data();
    void whatWouldNotReadBackIsNotWritten();
    void languageFallback_data();
    void languageFallback();
    void cipherMatchesOpenssl_data();
    void cipherMatchesOpenssl();
    void cipherEdgeCases();
    void encryptedValues();
    void configFileIsPrivate();
    void tempItemsAtStartAndExit();
    void imageFolderOutsideIsNeverDeleted();
    void folderDefaultsReplaceMissingOnly();
    void derivedPathsAreRewritten();
    void prepareOutputDir();
    void freeDiskSpace();
    void concurrentReadersAndWriter();
    void killedSaveNeverTruncates();
};

void TstSettingsStore::freshStartWritesEveryDefault()
{
    QTemporaryDir dir;
    {
        SettingsStore store(dir.path());
        QVERIFY(store.isValid());
    }
    const QByteArray text = readAll(dir.filePath("config.ini"));
    QVERIFY(text.startsWith("[General]") || text.startsWith("[base]"));
    const char* keys[] = {
        "configPath", "configFilePath", "criticalLog", "dump", "errorZip", "Log", "ffmpeg", "language",
        "customProfilePath", "useHw", "lowChanceShowingAd", "lowChanceToShowOneYear", "AdCheckDate", "site",
        "shutdown", "openFolder", "notify", "video", "music", "snapshot", "document", "InitiallyVideoDir",
        "InitiallyVideofolderDir", "InitiallyMusicDir", "InitiallyPictureDir", "InitiallyArtworkDir", "autoCopy",
        "isoBrowse", "folder", "lang", "path", "pack", "modifyDate", "opendir", "download", "download_music",
        "subscribeNew", "subscribeOnce", "subscribeDownloaded", "searchRecordCount", "downloadFullList",
        "langCode", "image"};
    for (const char* k : keys)
        QVERIFY2(text.contains("\r\n" + QByteArray(k) + "="), k);

    SettingsStore again(dir.path());
    // The fixed defaults, as later starts and other programs read them.
    const char* const fixed[][2] = {
        {"base/language", "en"}, {"base/useHw", "true"}, {"base/lowChanceShowingAd", "false"},
        {"base/lowChanceToShowOneYear", "false"}, {"base/site", "qorvdvd"}, {"setting/shutdown", "false"},
        {"setting/openFolder", "true"}, {"setting/notify", "true"}, {"media/autoCopy", "true"},
        {"dvd/lang", "en"}, {"youtube/modifyDate", "1970-01-01"}, {"youtube/opendir", "true"},
        {"youtube/subscribeNew", "true"}, {"youtube/subscribeOnce", "false"},
        {"youtube/subscribeDownloaded", "false"}, {"youtube/searchRecordCount", "10"},
        {"youtube/downloadFullList", "false"}, {"youtube/langCode", "Auto"}};
    for (const auto& kv : fixed)
        QVERIFY2(again.storedValue(kv[0]) == QLatin1String(kv[1]), kv[0]);
    QCOMPARE(again.value("base/dump"), QDir::toNativeSeparators(dir.filePath("Error File.dmp")));
    QCOMPARE(again.value("base/errorZip"), QDir::toNativeSeparators(dir.filePath("Error File.zip")));
    QCOMPARE(again.value("base/configFilePath"), QDir::toNativeSeparators(dir.filePath("config.ini")));
    QCOMPARE(again.value("base/customProfilePath"), QDir::toNativeSeparators(dir.filePath("profile")));
    QCOMPARE(again.value("youtube/path"), QDir::toNativeSeparators(dir.filePath("youtube")));
    QCOMPARE(again.value("youtube/download"), again.value("youtube/download_music"));
    QCOMPARE(again.value("dvd/folder"),
             QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)));
    QCOMPARE(again.value("media/document"),
             QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    QCOMPARE(again.value("base/configPath"), QDir::toNativeSeparators(QDir(dir.path()).absolutePath()));
    QCOMPARE(again.value("base/Log"), QDir::toNativeSeparators(dir.filePath("log.txt")));
    QCOMPARE(again.value("base/criticalLog"), QDir::toNativeSeparators(dir.filePath("Error File.txt")));
    QCOMPARE(again.value("youtube/pack"), QDir::toNativeSeparators(dir.filePath("youtube/youtube_dl.zip")));
    QCOMPARE(again.value("youtube/modifyDate"), QString("1970-01-01"));
    QCOMPARE(again.value("youtube/langCode"), QString("Auto"));
    QCOMPARE(again.value("base/site"), QString("qorvdvd"));
    QCOMPARE(again.value("media/InitiallyVideoDir"), QStandardPaths::writableLocation(QStandardPaths::MoviesLocation));
    QVERIFY(again.value("media/video").endsWith("Tarnwick"));
    QVERIFY(QFileInfo(again.value("media/video")).isDir());
    QVERIFY(QFileInfo(again.value("youtube/path")).isDir());
    QVERIFY(QFileInfo(again.value("base/ffmpeg")).isDir());
    QVERIFY(QFileInfo(again.value("temp/image")).isDir());
    QVERIFY(QRegularExpression("^\\d\\d \\d\\d$").match(again.value("base/AdCheckDate")).hasMatch());
}

void TstSettingsStore::fileFormat()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("config.ini"), "top=1\r\n[b]\r\nk=v\r\n");
    SettingsStore store(dir.path(), false);
    QCOMPARE(store.setValue("x", "1"), 0);
    QCOMPARE(store.setValue("a/y", "2"), 0);
    // Headerless entries first, then groups in key order, an empty line between groups.
    QCOMPARE(readAll(dir.filePath("config.ini")),
             QByteArray("top=1\r\n\r\n[General]\r\nx=1\r\n\r\n[a]\r\ny=2\r\n\r\n[b]\r\nk=v\r\n"));
    QVERIFY(store.value("top").isNull());
    QCOMPARE(store.value("/top"), QString("1"));
    QCOMPARE(store.value("General/x"), QString("1"));
}

void TstSettingsStore::loadRules()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("config.ini"),
              "[g]\r\n"
              "  two = a=b  \r\n"
              "noequals\r\n"
              "=nameless\r\n"
              "dup=first\r\n"
              "dup=second\r\n"
              "bare=lf\nnext=x\r\n"
              "[]\r\n"
              "emptygroup=1\r\n"
              "[h]\r\n"
              "nul=ok\0after=lost\r\n");
    SettingsStore store(dir.path(), false);
    QCOMPARE(store.value("g/two"), QString("a=b"));
    QCOMPARE(store.value("g/dup"), QString("second"));
    QVERIFY(store.value("g/noequals").isNull());
    QVERIFY(store.value("g/").isNull());
    // A bare LF is no line end: the value keeps it.
    QCOMPARE(store.value("g/bare"), QString("lf\nnext=x"));
    QCOMPARE(store.value("/emptygroup"), QString("1"));
    QCOMPARE(store.value("h/nul"), QString("ok"));
    QVERIFY(store.value("h/after").isNull());
}

void TstSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reloaded");
    QTest::newRow("equals sign") << "g/k" << "a=b=c" << "a=b=c";
    QTest::newRow("empty") << "g/k" << "" << "";
    QTest::newRow("non-ascii") << "g/k" << QString::fromUtf8("Größe ビデオ 視頻") << QString::fromUtf8("Größe ビデオ 視頻");
    QTest::newRow("outer blanks trimmed") << "g/k" << "  v  " << "v";
    QTest::newRow("no group") << "plain" << "1" << "1";
    QTest::newRow("padded key") << "  g/k  " << "v" << "v";
}

void TstSettingsStore::roundTrip()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, reloaded);
    QTemporaryDir dir;
    {
        SettingsStore store(dir.path(), false);
        QCOMPARE(store.setValue(key, value), 0);
        QCOMPARE(store.value(key.trimmed()), value);
    }
    SettingsStore store(dir.path(), false);
    QCOMPARE(store.value(key.trimmed()), reloaded);
}

void TstSettingsStore::unchangedValueLeavesFileAlone()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path(), false);
    store.setValue("g/k", "v");
    QFile::remove(dir.filePath("config.ini"));
    store.setValue("g/k", "v");
    store.setValue("g/absent", "");
    QVERIFY(!QFile::exists(dir.filePath("config.ini")));
    store.setValue("g/k", "w");
    QVERIFY(QFile::exists(dir.filePath("config.ini")));
    QVERIFY(!readAll(dir.filePath("config.ini")).contains("absent"));
}

void TstSettingsStore::blankKeyRefused()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path(), false);
    QCOMPARE(store.setValue("", "v"), 3);
    QCOMPARE(store.setValue("   ", "v"), 3);
    QVERIFY(!QFile::exists(dir.filePath("config.ini")));
}

void TstSettingsStore::lineBreakRefused_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("CR LF in the value") << "youtube/upcheckUrl" << "https://a.example/x\r\n[proxy]\r\nenabled=true";
    QTest::newRow("LF in the value") << "g/k" << "one\ntwo=2";
    QTest::newRow("CR in the value") << "g/k" << "one\rtwo";
    QTest::newRow("LF in the key") << "g/k\n[proxy]\nhostName" << "evil";
}

void TstSettingsStore::lineBreakRefused()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTemporaryDir dir;
    SettingsStore store(dir.path(), false);
    QCOMPARE(store.setValue("g/keep", "1"), 0);
    const QByteArray before = readAll(dir.filePath("config.ini"));
    QCOMPARE(store.setValue(key, value), 3);
    QCOMPARE(readAll(dir.filePath("config.ini")), before);
    SettingsStore reread(dir.path(), false);
    QCOMPARE(reread.value("g/keep"), QString("1"));
    QCOMPARE(reread.value("proxy/enabled"), QString());
    QCOMPARE(reread.value("proxy/hostName"), QString());
    QCOMPARE(reread.value("g/k"), QString());
}

void TstSettingsStore::whatWouldNotReadBackIsNotWritten_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("bare LF in a value") << QByteArray("[g]\r\nbare=lf\n[proxy]\nhostName=evil\r\nok=1\r\n")
                                        << QStringList{"g/ok"};
    QTest::newRow("bare CR in a name") << QByteArray("[g]\r\nna\rme=v\r\nok=1\r\n") << QStringList{"g/ok"};
    QTest::newRow("header with a bare CR") << QByteArray("[g\r]\r\nunder=1\r\n[h]\r\nok=1\r\n") << QStringList{"h/ok"};
    // A header holding a '/' puts the rest of it into the names written.
    QTest::newRow("slash and equals in a header") << QByteArray("[g/a=b]\r\nn=1\r\n[h/x]\r\nok=1\r\n")
                                                  << QStringList{"h/x/ok"};
    QTest::newRow("slash and a blank in a header") << QByteArray("[g/ a]\r\nn=1\r\n[h]\r\nok=1\r\n")
                                                   << QStringList{"h/ok"};
    QTest::newRow("an entry written as a header") << QByteArray("[x/[y]\r\nn=v]\r\n[h]\r\nok=1\r\n")
                                                  << QStringList{"h/ok"};
    // Found by fuzzing: a header holding CR, LF and a slash, and an entry
    // under it whose name starts like a header; a header holding a slash
    // and an '='.
    QTest::newRow("fuzz finding 1") << QByteArray::fromBase64(
        "W2Jhc2UNCg0KW3Byb3iHpg10dHBzOi89Cl0NCmxhbmd1YWdlPWVuDQoNCltwcm94h6YNdHRwczovPQo=")
                                    << QStringList();
    QTest::newRow("fuzz finding 2") << QByteArray::fromBase64(
        "W2JlXa2tra10dC9zLzpwZXhnZT1ndWHyi4uPhDovYXMrXQ0KI2FtcGxlbGFuZ3VdDQpsYW6ZUZBhZ2U9Z3Vh8ouLj4Q6L2FzK10NCmxhbpmQYWdlPQo=")
                                    << QStringList();
}

void TstSettingsStore::whatWouldNotReadBackIsNotWritten()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, kept);
    QTemporaryDir dir;
    writeFile(dir.filePath("config.ini"), file);
    QByteArray saved;
    {
        SettingsStore store(dir.path(), false);
        QCOMPARE(store.setValue("zz/fuzz", "saved"), 0);
        saved = store.serialized();
        QCOMPARE(readAll(dir.filePath("config.ini")), saved);
    }
    // Every CR and LF written is a line end.
    QCOMPARE(saved.count('\n'), saved.count("\r\n"));
    for (const QByteArray& line : saved.split('\n'))
        QVERIFY2(!line.chopped(line.endsWith('\r') ? 1 : 0).contains('\r'), line.constData());
    SettingsStore again(dir.path(), false);
    QCOMPARE(again.serialized(), saved);
    QCOMPARE(again.value("zz/fuzz"), QString("saved"));
    QCOMPARE(again.value("proxy/hostName"), QString());
    for (const QString& key : kept)
        QCOMPARE(again.value(key), QString("1"));
}

void TstSettingsStore::languageFallback_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read");
    QTest::newRow("listed") << "zh-hant" << "zh-hant";
    QTest::newRow("unknown") << "xx" << "en";
    QTest::newRow("case differs") << "FR" << "en";
    QTest::newRow("nothing") << "" << "en";
}

void TstSettingsStore::languageFallback()
{
    QFETCH(QString, stored);
    QFETCH(QString, read);
    QTemporaryDir dir;
    if (!stored.isEmpty())
        writeFile(dir.filePath("config.ini"), "[base]\r\nlanguage=" + stored.toUtf8() + "\r\n");
    SettingsStore store(dir.path(), true);
    QCOMPARE(store.value("base/language"), read);
    // The defaults pass only fills an empty value: the file keeps the code.
    if (!stored.isEmpty())
        QVERIFY(readAll(dir.filePath("config.ini")).contains("language=" + stored.toUtf8() + "\r\n"));
}

void TstSettingsStore::cipherMatchesOpenssl_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QString>("key");
    QTest::newRow("abc built-in key") << QByteArray("abc") << QString();
    QTest::newRow("one block") << QByteArray("0123456789abcdef") << QString();
    QTest::newRow("two blocks") << QByteArray("secret password with some length") << QString();
    QTest::newRow("short own key") << QByteArray("hello") << QString("k");
    QTest::newRow("long own key") << QByteArray("hello") << QString("0123456789abcdefEXTRA");
}

void TstSettingsStore::cipherMatchesOpenssl()
{
    QFETCH(QByteArray, plain);
    QFETCH(QString, key);
    QByteArray keyBytes(16, '\0');
    const QByteArray k = key.isEmpty() ? QByteArray("r5ktw2nqz8pahv3e") : key.toUtf8();
    for (int i = 0; i < 16 && i < k.size(); ++i)
        keyBytes[i] = k[i];
    QByteArray padded = plain;
    if (padded.size() % 16)
        padded.append(QByteArray(16 - padded.size() % 16, '\0'));

    QProcess openssl;
    openssl.start("openssl", {"enc", "-aes-128-ecb", "-nopad", "-K", QString::fromLatin1(keyBytes.toHex())});
    QVERIFY(openssl.waitForStarted());
    openssl.write(padded);
    openssl.closeWriteChannel();
    QVERIFY(openssl.waitForFinished());
    const QByteArray expected = openssl.readAllStandardOutput().toBase64();

    const QString ours = SettingsStore::encryptText(QString::fromUtf8(plain), key);
    QCOMPARE(ours.toLatin1(), expected);
    QCOMPARE(SettingsStore::decryptText(ours, key), QString::fromUtf8(plain));
}

void TstSettingsStore::cipherEdgeCases()
{
    const QString abc = SettingsStore::encryptText("abc");
    QCOMPARE(abc.size(), 24);
    QCOMPARE(SettingsStore::decryptText(abc), QString("abc"));
    QVERIFY(SettingsStore::encryptText(QString()).isEmpty());
    QVERIFY(SettingsStore::decryptText(QString()).isEmpty());

    // A trailing byte 1..15 reads as padding and is cut after decrypting.
    QByteArray plain("0123456789abcde");
    plain.append('\x03');
    const QByteArray enc = SettingsStore::aesCrypt(plain, true, QString(), 0);
    QCOMPARE(enc.size(), 16);
    QCOMPARE(SettingsStore::aesCrypt(enc, false, QString(), 0), plain.left(13));

    // Counted padding: the added bytes hold their number.
    const QByteArray counted = SettingsStore::aesCrypt("abcdefghijklm", true, QString(), 1);
    QCOMPARE(SettingsStore::aesCrypt(counted, false, QString(), 1), QByteArray("abcdefghijklm"));

    // Garbage never fails: bad Base64 characters are skipped, short data is padded.
    SettingsStore::decryptText("!!not base64??");
    SettingsStore::decryptText("YWJj");
}

void TstSettingsStore::encryptedValues()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path(), false);
    store.setEncryptedValue("youtube/pw", QString::fromUtf8("p#ss wörd"));
    QVERIFY(!readAll(dir.filePath("config.ini")).contains("ss w"));
    QCOMPARE(store.encryptedValue("youtube/pw"), QString::fromUtf8("p#ss wörd"));
    store.setEncryptedValue("youtube/pw", QString());
    QVERIFY(store.value("youtube/pw").isEmpty());
    QVERIFY(store.encryptedValue("youtube/pw").isEmpty());
    QVERIFY(store.encryptedValue("youtube/missing").isEmpty());
}

// It holds the site password: others on the machine must not read it, also
// when an older file was readable by everyone.
void TstSettingsStore::configFileIsPrivate()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("config.ini");
    writeFile(path, "[g]\r\nk=v\r\n");
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                            | QFileDevice::ReadOther));
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                            | QFileDevice::ReadOther | QFileDevice::WriteOther;
    SettingsStore store(dir.path(), false);
    store.setEncryptedValue("youtube/pw", "secret");
    QCOMPARE(QFile::permissions(path) & others, QFileDevice::Permissions());
    QVERIFY(QFile::permissions(path) & QFileDevice::WriteOwner);

    QTemporaryDir fresh;
    SettingsStore first(fresh.path(), false);
    first.setValue("g/k", "v");
    QCOMPARE(QFile::permissions(fresh.filePath("config.ini")) & others, QFileDevice::Permissions());
}

void TstSettingsStore::tempItemsAtStartAndExit()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("temp_old/sub");
    writeFile(dir.filePath("a temp_file"), "x");
    writeFile(dir.filePath("keep.txt"), "x");
    QString ffmpeg;
    QString image;
    {
        SettingsStore store(dir.path());
        QVERIFY(!QFileInfo::exists(dir.filePath("temp_old")));
        QVERIFY(!QFileInfo::exists(dir.filePath("a temp_file")));
        QVERIFY(QFileInfo::exists(dir.filePath("keep.txt")));
        QVERIFY(QFileInfo::exists(dir.filePath("config.ini")));
        ffmpeg = store.value("base/ffmpeg");
        image = store.value("temp/image");
        QVERIFY(QFileInfo(ffmpeg).fileName().startsWith("temp_"));
        QCOMPARE(QFileInfo(ffmpeg).fileName().size(), 11);
        QVERIFY(QFileInfo(image).isDir());
        // Made by someone else while we run: not ours to remove at exit.
        QDir(dir.path()).mkpath("temp_other");
    }
    QVERIFY(!QFileInfo::exists(ffmpeg));
    QVERIFY(!QFileInfo::exists(image));
    QVERIFY(QFileInfo::exists(dir.filePath("temp_other")));
    QVERIFY(QFileInfo::exists(dir.filePath("config.ini")));

    // A restarted instance has already made its own image folder: the ending
    // one must leave it.
    {
        SettingsStore ending(dir.path());
        image = ending.value("temp/image");
        QVERIFY(QDir(image).removeRecursively());
        QVERIFY(QDir().mkpath(image));
    }
    QVERIFY(QFileInfo::exists(image));
}

void TstSettingsStore::imageFolderOutsideIsNeverDeleted()
{
    QTemporaryDir root;
    const QString settings = root.filePath("Quenmark/Tarnwick");
    // Its path contains the settings folder's text, but lies outside it.
    const QString lookalike = settings + "2/temp_image";
    QVERIFY(QDir().mkpath(lookalike));
    QVERIFY(QDir().mkpath(settings));
    writeFile(settings + "/config.ini", "[temp]\r\nimage=" + lookalike.toUtf8() + "\r\n");
    {
        SettingsStore store(settings);
        QVERIFY(QFileInfo::exists(lookalike));
        writeFile(settings + "/config.ini", QByteArray());
    }
    QVERIFY(QFileInfo::exists(lookalike));
}

void TstSettingsStore::folderDefaultsReplaceMissingOnly()
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString gone = elsewhere.filePath("gone");
    writeFile(dir.filePath("config.ini"),
              "[media]\r\nvideo=" + gone.toUtf8() + "\r\nmusic=" + elsewhere.path().toUtf8() + "\r\n");
    SettingsStore store(dir.path());
    QVERIFY(store.value("media/video") != gone);
    QVERIFY(store.value("media/video").endsWith("Tarnwick"));
    QCOMPARE(store.value("media/music"), elsewhere.path());
}

void TstSettingsStore::derivedPathsAreRewritten()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("config.ini"), "[youtube]\r\npath=/somewhere/else\r\n");
    SettingsStore store(dir.path());
    QCOMPARE(store.value("youtube/path"), QDir::toNativeSeparators(dir.filePath("youtube")));
}

void TstSettingsStore::prepareOutputDir()
{
    QTemporaryDir dir;
    const QString withName = SettingsStore::prepareOutputDir(dir.filePath("Videos/Tarnwick"), true);
    QCOMPARE(withName, QDir::toNativeSeparators(dir.filePath("Videos/Tarnwick")));
    QVERIFY(!QFileInfo::exists(dir.filePath("Videos/Tarnwick/dir_test_for_writable")));
    QCOMPARE(SettingsStore::prepareOutputDir(dir.filePath("Music"), true),
             QDir::toNativeSeparators(dir.filePath("Music/Tarnwick")));
    QCOMPARE(SettingsStore::prepareOutputDir(dir.filePath("plain"), false),
             QDir::toNativeSeparators(dir.filePath("plain")));
    writeFile(dir.filePath("afile"), "x");
    QVERIFY(SettingsStore::prepareOutputDir(dir.filePath("afile/sub"), true).isEmpty());
    QVERIFY(SettingsStore::prepareOutputDir(QString(), true).isEmpty());
}

void TstSettingsStore::freeDiskSpace()
{
    QTemporaryDir dir;
    QVERIFY(SettingsStore::freeDiskSpace(dir.path()) > 0);
    QVERIFY(SettingsStore::freeDiskSpace(dir.filePath("not/yet/made.zip")) > 0);
}

void TstSettingsStore::concurrentReadersAndWriter()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path(), false);
    store.setValue("zz/sentinel", "0");
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    std::atomic<int> badReads{0};
    QList<QFuture<void>> readers;
    QThreadPool pool;
    pool.setMaxThreadCount(9);
    for (int t = 0; t < 8; ++t) {
        readers << QtConcurrent::run(&pool, [&, t] {
            while (!stop.load()) {
                const QString v = store.value(QString("g/k%1").arg(t % 4));
                if (!v.isEmpty() && !v.startsWith("value-"))
                    ++badReads;
                if (store.value("zz/sentinel").isEmpty())
                    ++badReads;
                if (t == 0) {
                    const QByteArray text = readAll(dir.filePath("config.ini"));
                    if (!looksComplete(text))
                        ++torn;
                }
            }
        });
    }
    for (int i = 0; i < 400; ++i)
        store.setValue(QString("g/k%1").arg(i % 4), QString("value-%1").arg(i));
    stop = true;
    for (auto& f : readers)
        f.waitForFinished();
    QCOMPARE(badReads.load(), 0);
    QCOMPARE(torn.load(), 0);
}

void TstSettingsStore::killedSaveNeverTruncates()
{
    QTemporaryDir dir;
    for (int round = 0; round < 6; ++round) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {"--writer", dir.path()});
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(10000));
        QThread::msleep(20 + round * 15);
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());
        const QByteArray text = readAll(dir.filePath("config.ini"));
        QVERIFY2(looksComplete(text), text.right(80).constData());
        SettingsStore reread(dir.path(), false);
        QVERIFY(!reread.value("zz/sentinel").isEmpty());
    }
}

// The test binary doubles as the writer process that the kill test ends.
static int runWriter(const QString& folder)
{
    SettingsStore store(folder, false);
    const QString big(20000, QLatin1Char('x'));
    store.setValue("zz/sentinel", "1");
    fputs("ready\n", stdout);
    fflush(stdout);
    for (int i = 0;; ++i) {
        for (int k = 0; k < 20; ++k)
            store.setValue(QString("g/k%1").arg(k), big + QString::number(i));
        store.setValue("zz/sentinel", QString::number(i));
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--writer") == 0) {
        QCoreApplication app(argc, argv);
        return runWriter(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    TstSettingsStore tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_settingsstore.moc"
