// The translation files against the sources: lupdate over src/ finds nothing
// to add or drop, every language file holds the same messages, en.ts is the
// identity, and the texts the engine looks up at run time are found in the
// files under the context they are looked up in.

#include "function/CMediaInfoMgr/private/ProfileMgr/Profile.h"
#include "function/Youtube/YoutubeStructure.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QString sourceDir() { return qEnvironmentVariable("TW_SOURCE_DIR"); }

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
    bool operator<(const Message& o) const
    {
        return std::tie(context, source) < std::tie(o.context, o.source);
    }
};

using Key = QPair<QString, QString>;

QMap<Key, Message> readTs(const QString& path, QString* error)
{
    QMap<Key, Message> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return out;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                m = Message{context, QString(), QString(), false};
            else if (xml.name() == QLatin1String("source"))
                m.source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                const QStringRef type = xml.attributes().value(QLatin1String("type"));
                m.finished = type.isEmpty();
                m.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            out.insert({m.context, m.source}, m);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return out;
}

QStringList tsFiles()
{
    return QDir(sourceDir() + QStringLiteral("/translation")).entryList({QStringLiteral("*.ts")}, QDir::Files);
}

// Answers nothing and remembers what was asked.
class RecordingTranslator : public QTranslator
{
public:
    mutable QSet<Key> asked;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        asked.insert({QString::fromUtf8(context), QString::fromUtf8(sourceText)});
        return QString();
    }
};

QStringList keysOf(const QSet<Key>& keys)
{
    QStringList out;
    for (const Key& k : keys)
        out << k.first + QStringLiteral(": ") + k.second;
    out.sort();
    return out;
}

} // namespace

class TestTranslationSources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(!sourceDir().isEmpty());
        QVERIFY(tsFiles().contains(QStringLiteral("en.ts")));
    }

    // Refreshing the files from the sources changes no message: no text in
    // src/ is missing from them, none of theirs is gone from src/.
    void lupdateFindsNothingToChange()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList copies;
        for (const QString& name : tsFiles()) {
            const QString copy = dir.filePath(name);
            QVERIFY(QFile::copy(sourceDir() + QStringLiteral("/translation/") + name, copy));
            copies << copy;
        }
        QProcess lupdate;
        lupdate.setWorkingDirectory(sourceDir());
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(TW_LUPDATE),
                      QStringList{QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                                  QStringLiteral("-I"), QStringLiteral("src"), QStringLiteral("-recursive"),
                                  QStringLiteral("src"), QStringLiteral("-ts")}
                          + copies);
        QVERIFY(lupdate.waitForFinished(240000));
        const QByteArray log = lupdate.readAll();
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, log.constData());

        for (const QString& name : tsFiles()) {
            QString error;
            const QMap<Key, Message> before = readTs(sourceDir() + QStringLiteral("/translation/") + name, &error);
            QVERIFY2(error.isEmpty(), qPrintable(name + QStringLiteral(": ") + error));
            const QMap<Key, Message> after = readTs(dir.filePath(name), &error);
            QVERIFY2(error.isEmpty(), qPrintable(name + QStringLiteral(": ") + error));
            const QSet<Key> had(before.keyBegin(), before.keyEnd());
            const QSet<Key> has(after.keyBegin(), after.keyEnd());
            QVERIFY2((has - had).isEmpty(),
                     qPrintable(name + QStringLiteral(" lacks:\n") + keysOf(has - had).join(QLatin1Char('\n'))));
            QVERIFY2((had - has).isEmpty(),
                     qPrintable(name + QStringLiteral(" holds texts gone from src/:\n")
                                + keysOf(had - has).join(QLatin1Char('\n'))));
        }
    }

    // Every language file offers the same messages as the English one, and
    // the English one gives every text back as it stands.
    void englishIsTheIdentityAndEveryFileHasItsMessages()
    {
        QString error;
        const QMap<Key, Message> english = readTs(sourceDir() + QStringLiteral("/translation/en.ts"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!english.isEmpty());
        QStringList notIdentity;
        for (const Message& m : english)
            if (!m.finished || m.translation != m.source)
                notIdentity << m.context + QStringLiteral(": ") + m.source;
        QVERIFY2(notIdentity.isEmpty(), qPrintable(notIdentity.join(QLatin1Char('\n'))));

        const QSet<Key> keys(english.keyBegin(), english.keyEnd());
        for (const QString& name : tsFiles()) {
            const QMap<Key, Message> other = readTs(sourceDir() + QStringLiteral("/translation/") + name, &error);
            QVERIFY2(error.isEmpty(), qPrintable(name + QStringLiteral(": ") + error));
            const QSet<Key> has(other.keyBegin(), other.keyEnd());
            QVERIFY2(has == keys, qPrintable(name + QStringLiteral(" differs from en.ts:\n")
                                             + keysOf((keys - has) + (has - keys)).join(QLatin1Char('\n'))));
        }
    }

    // The engine's texts shown in the windows (row placeholders, item
    // counts, a profile's detail labels) are looked up under a context and
    // source the files hold, or no translation could ever reach them.
    void engineTextsAreLookedUpAsTheFilesHoldThem()
    {
        QString error;
        const QMap<Key, Message> english = readTs(sourceDir() + QStringLiteral("/translation/en.ts"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QSet<Key> known(english.keyBegin(), english.keyEnd());

        RecordingTranslator recorder;
        QCoreApplication::installTranslator(&recorder);
        Youtube_Structure::placeholderTitle(false, 0);
        Youtube_Structure::placeholderTitle(true, 0);
        Youtube_Structure::placeholderTitle(true, -1);
        Youtube_Structure::itemCountText(1);
        Youtube_Structure::itemCountText(2);
        Profile node;
        node.frameRate = QStringLiteral("keep original");
        node.resolution = QStringLiteral("1280x720");
        ProfileInfo::fromProfile(&node);
        QCoreApplication::removeTranslator(&recorder);

        QVERIFY(!recorder.asked.isEmpty());
        const QSet<Key> unknown = recorder.asked - known;
        QVERIFY2(unknown.isEmpty(), qPrintable(QStringLiteral("looked up, not in the files:\n")
                                               + keysOf(unknown).join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslationSources)
#include "tst_translationsources.moc"
