// Choosing an interface language as a user does: the whole program (its own
// main with the driver linked in) on a virtual display with a fresh HOME, in
// English; the language picked with the mouse from the main window's options
// menu or the settings window's list, the restart question answered; then the program that the restart
// asks for, started by the test at that moment with the same HOME and the
// arguments it named, must show the main window, its options menu, the
// analysis window and the settings window in that language.

#include "InterfaceTexts.h"
#include "XvfbMain.h"

#include "shell/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// Waits are generous: tests run in parallel on a loaded machine, and a wait
// ends as soon as its condition holds.
static constexpr int kWaitMs = 120000;

namespace {

// The program with its driver, talked to line by line.
class Program
{
public:
    explicit Program(const QProcessEnvironment& env) { m_process.setProcessEnvironment(env); }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }

    bool start(const QStringList& arguments = QStringList())
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QStringLiteral(TW_DRIVER_PATH), arguments);
        return m_process.waitForStarted(kWaitMs) && nextLine(kWaitMs) == QLatin1String("ready");
    }

    QString ask(const QString& command)
    {
        m_process.write(command.toUtf8() + '\n');
        m_process.waitForBytesWritten(5000);
        return nextLine(kWaitMs);
    }

    // Asks until the answer is expected (the program works meanwhile).
    bool waitFor(const QString& command, const QString& expected)
    {
        QElapsedTimer t;
        t.start();
        QString last;
        while (!t.hasExpired(kWaitMs)) {
            last = ask(command);
            if (last == expected)
                return true;
            QTest::qWait(200);
        }
        qWarning() << command << "last answered" << last;
        return false;
    }

    // Asks "dialog" until the front dialog is of that class; its answer.
    QString waitForDialog(const QString& className)
    {
        QElapsedTimer t;
        t.start();
        QString last;
        while (!t.hasExpired(kWaitMs)) {
            last = ask(QStringLiteral("dialog"));
            if (last.startsWith(QStringLiteral("dialog ") + className + QLatin1Char('|')))
                break;
            QTest::qWait(200);
        }
        return last;
    }

    // A line the driver says unasked.
    QString nextLine(int timeoutMs)
    {
        QElapsedTimer t;
        t.start();
        for (;;) {
            const int end = m_buffer.indexOf('\n');
            if (end >= 0) {
                const QByteArray line = m_buffer.left(end);
                m_buffer.remove(0, end + 1);
                if (line.startsWith("driver: "))
                    return QString::fromUtf8(line.mid(8));
                continue;
            }
            if (t.hasExpired(timeoutMs))
                return QStringLiteral("<no answer>");
            if (m_process.state() == QProcess::NotRunning) {
                m_buffer += m_process.readAllStandardOutput();
                if (m_buffer.indexOf('\n') < 0)
                    return QStringLiteral("<no answer>");
                continue;
            }
            m_process.waitForReadyRead(100);
            m_buffer += m_process.readAllStandardOutput();
            m_process.readAllStandardError();
        }
    }

    bool ended() { return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(kWaitMs); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    int exitCode() const { return m_process.exitCode(); }

private:
    QProcess m_process;
    QByteArray m_buffer;
};

} // namespace

class TstLanguageE2E : public QObject
{
    Q_OBJECT

    InterfaceTexts::EnglishTexts m_english;

    static QProcessEnvironment environment(const QTemporaryDir& root)
    {
        const QString home = root.filePath(QStringLiteral("home"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
            env.remove(QLatin1String(v));
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("run")));
        // Nothing answers there: no update or promotion window comes up.
        env.insert(QStringLiteral("TW_SERVICE_BASE"), QStringLiteral("http://127.0.0.1:9"));
        env.insert(QStringLiteral("TW_NO_POWEROFF"), QStringLiteral("1"));
        env.insert(QStringLiteral("TW_AUDIO_SINK"), QStringLiteral("null"));
        env.insert(QStringLiteral("LIBGL_ALWAYS_SOFTWARE"), QStringLiteral("1"));
        return env;
    }

    // The texts of the driver's "texts" answer that are still English.
    QStringList stillEnglish(const QString& window, const QString& answer, const QSet<QString>& allowed,
                             int* count) const
    {
        QStringList found;
        const QJsonArray texts = QJsonDocument::fromJson(answer.mid(6).toUtf8()).array();
        *count = texts.size();
        for (const QJsonValue& v : texts) {
            const QString text = v.toObject().value(QStringLiteral("text")).toString();
            if (!InterfaceTexts::sameEverywhere(text) && !allowed.contains(text) && m_english.contains(text))
                found << QStringLiteral("%1:%2 still English: \"%3\"")
                             .arg(window, v.toObject().value(QStringLiteral("where")).toString(), text);
        }
        return found;
    }

    // Checks the window's texts; lists every English one before failing.
    void checkTexts(Program& p, const QString& which, const QString& window, const QSet<QString>& allowed)
    {
        const QString answer = p.ask(QStringLiteral("texts ") + which);
        QVERIFY2(answer.startsWith(QLatin1String("texts [")), qPrintable(window + QLatin1Char(' ') + answer));
        int count = 0;
        const QStringList found = stillEnglish(window, answer, allowed, &count);
        QVERIFY2(count > 0, qPrintable(window + QStringLiteral(" shows no text")));
        for (const QString& f : found)
            qInfo().noquote() << f;
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1: %2 texts listed above").arg(window).arg(found.size())));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_english.load(qEnvironmentVariable("TW_SOURCE_DIR") + QStringLiteral("/translation/en.ts")));
    }

    void chosenLanguageAfterRestart_data()
    {
        QTest::addColumn<QString>("code");
        // Where the language is chosen: the options menu of the main window,
        // or the language list of the settings window.
        QTest::addColumn<bool>("fromSettings");
        // The language's entry, in the language itself.
        QTest::addColumn<QString>("entry");
        // Texts that are rightly the same as the English in that language.
        QTest::addColumn<QStringList>("allowed");
        QTest::newRow("de") << "de" << false << QStringLiteral("Deutsch") << QStringList{QStringLiteral("OK")};
        QTest::newRow("ja") << "ja" << false << QStringLiteral("日本語") << QStringList{QStringLiteral("OK")};
        // Offered by the settings window only.
        QTest::newRow("it settings") << "it" << true << QStringLiteral("Italiano")
                                     << QStringList{QStringLiteral("OK"), QStringLiteral("Account")};
    }
    void chosenLanguageAfterRestart()
    {
        QFETCH(QString, code);
        QFETCH(bool, fromSettings);
        QFETCH(QString, entry);
        QFETCH(QStringList, allowed);
        const QSet<QString> same(allowed.cbegin(), allowed.cend());

        QTemporaryDir root;
        QVERIFY(root.isValid());
        for (const char* d : {"home/.config", "home/.local/share", "home/.cache", "run"})
            QVERIFY(QDir().mkpath(root.filePath(QLatin1String(d))));
        QFile::setPermissions(root.filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString settingsFolder = root.filePath(QStringLiteral("home/.local/share/Quenmark/Tarnwick"));

        Program again(environment(root));
        {
            Program first(environment(root));
            QVERIFY(first.start());
            if (fromSettings) {
                QCOMPARE(first.ask(QStringLiteral("mouse menuBtn_Setting")), QStringLiteral("ok"));
                QVERIFY(first.waitForDialog(QStringLiteral("SettingDialog")).startsWith(QLatin1String("dialog SettingDialog|")));
                QCOMPARE(first.ask(QStringLiteral("mouse comboBox_Lan")), QStringLiteral("ok"));
                QVERIFY(first.waitFor(QStringLiteral("mouseitem ") + entry, QStringLiteral("ok")));
            } else {
                QCOMPARE(first.ask(QStringLiteral("prop btn_opt visible")), QStringLiteral("prop true"));
                QCOMPARE(first.ask(QStringLiteral("mouse btn_opt")), QStringLiteral("ok"));
                QVERIFY(first.waitFor(QStringLiteral("mouselabel Language"), QStringLiteral("ok")));
                QVERIFY(first.waitFor(QStringLiteral("mouselabel ") + entry, QStringLiteral("ok")));
            }
            // A new user's program asks in English.
            const QString question = first.waitForDialog(QStringLiteral("MsgDialog"));
            QVERIFY2(question.contains(QLatin1String("Changing Language")), qPrintable(question));
            // Nothing is stored before the answer.
            QCOMPARE(SettingsStore(settingsFolder, false).value(QStringLiteral("base/language")), QStringLiteral("en"));

            // "Continue"
            QCOMPARE(first.ask(QStringLiteral("mouse btn_0")), QStringLiteral("ok"));
            const QString restart = first.nextLine(kWaitMs);
            QVERIFY2(restart.startsWith(QLatin1String("restart ")), qPrintable(restart));
            QStringList words = restart.mid(8).split(QLatin1Char(' '));
            QCOMPARE(QFileInfo(words.takeFirst()).canonicalFilePath(),
                     QFileInfo(QStringLiteral(TW_DRIVER_PATH)).canonicalFilePath());
            QCOMPARE(words, (QStringList{QStringLiteral("normal"), QStringLiteral("restart")}));
            // Started at once, as the detached start does: the new instance
            // comes up while this one is still ending.
            QVERIFY(again.start(words));
            // The program ends by itself, as a restart wants.
            QVERIFY(first.ended());
            QCOMPARE(first.exitStatus(), QProcess::NormalExit);
            QCOMPARE(first.exitCode(), 0);
        }
        QCOMPARE(SettingsStore(settingsFolder, false).value(QStringLiteral("base/language")), code);

        checkTexts(again, QStringLiteral("main"), QStringLiteral("main window"), same);
        if (QTest::currentTestFailed())
            return;

        // The options menu, opened and closed by its button.
        QCOMPARE(again.ask(QStringLiteral("mouse btn_opt")), QStringLiteral("ok"));
        QVERIFY(again.waitFor(QStringLiteral("prop bg_opt visible"), QStringLiteral("prop true")));
        checkTexts(again, QStringLiteral("menu"), QStringLiteral("options menu"), same);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(again.ask(QStringLiteral("mouse btn_opt")), QStringLiteral("ok"));
        QVERIFY(again.waitFor(QStringLiteral("texts menu"), QStringLiteral("missing menu")));

        QCOMPARE(again.ask(QStringLiteral("mouse menuBtn_addVideo")), QStringLiteral("ok"));
        QVERIFY2(again.waitForDialog(QStringLiteral("UrlAnalyserDialog")).startsWith(QLatin1String("dialog UrlAnalyserDialog|")),
                 "no analysis window");
        checkTexts(again, QStringLiteral("front"), QStringLiteral("analysis window"), same);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(again.ask(QStringLiteral("mouse closebtn")), QStringLiteral("ok"));
        QVERIFY(again.waitFor(QStringLiteral("dialog"), QStringLiteral("dialog none")));

        QCOMPARE(again.ask(QStringLiteral("mouse menuBtn_Setting")), QStringLiteral("ok"));
        QVERIFY2(again.waitForDialog(QStringLiteral("SettingDialog")).startsWith(QLatin1String("dialog SettingDialog|")),
                 "no settings window");
        checkTexts(again, QStringLiteral("front"), QStringLiteral("settings window"), same);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(again.ask(QStringLiteral("mouse btn_close")), QStringLiteral("ok"));
        QVERIFY(again.waitFor(QStringLiteral("dialog"), QStringLiteral("dialog none")));

        QCOMPARE(again.ask(QStringLiteral("quit")), QStringLiteral("ok"));
        QVERIFY(again.ended());
        QCOMPARE(again.exitCode(), 0);
    }
};

TW_XVFB_TEST_MAIN(TstLanguageE2E)
#include "tst_language_e2e.moc"
