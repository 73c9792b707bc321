#include "shell/ProgramVersion.h"

#include <QtTest>

class TestProgramVersion : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { ProgramVersion::overrideCurrentForTesting(QString()); }

    void runningVersion()
    {
        const ProgramVersion v = ProgramVersion::current();
        QCOMPARE(v.major, 8);
        QCOMPARE(v.minor, 3);
        QCOMPARE(v.build, -1);
        QCOMPARE(v.toString(), QString("8.3"));
        QVERIFY(v.buildDate.isValid());
        QCOMPARE(runningProgramVersion().toString(), QString("8.3"));
        QCOMPARE(ProgramVersion::compiledVersionText(), QString("8.3.0.0"));
    }

    void compare_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("newer minor") << "8.4" << 1;
        QTest::newRow("same two numbers") << "8.3.9" << 0;
        QTest::newRow("full equal") << "8.3.0.0" << 0;
        QTest::newRow("older") << "8.2.9.9" << -1;
        QTest::newRow("major decides") << "9" << 1;
        QTest::newRow("major only older") << "8" << -1;
        QTest::newRow("garbage major") << "abc.3" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("blank parts") << ".." << -1;
        QTest::newRow("padded") << "08.04" << 1;
    }
    void compare()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(compareWithProgramVersion(text), expected);
    }

    void injectedCurrent()
    {
        ProgramVersion::overrideCurrentForTesting("9.1");
        QCOMPARE(compareWithProgramVersion("9.0.5"), -1);
        QCOMPARE(compareWithProgramVersion("9.1.7"), 0);
        QCOMPARE(runningProgramVersion().toString(), QString("9.1"));
        ProgramVersion::overrideCurrentForTesting(QString());
        QCOMPARE(runningProgramVersion().toString(), QString("8.3"));
    }

    void text_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("printed");
        QTest::newRow("abc.3") << "abc.3" << true << -1 << 3 << "0.0.0";
        QTest::newRow("one number") << "7" << true << 7 << -1 << "7";
        QTest::newRow("four numbers") << "1.2.3.4" << true << 1 << 2 << "1.2";
        QTest::newRow("empty keeps value") << "" << false << -1 << -1 << "0.0.0";
        QTest::newRow("trailing dot") << "5." << true << 5 << -1 << "5";
    }
    void text()
    {
        QFETCH(QString, input);
        QFETCH(bool, ok);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, printed);
        ProgramVersion v;
        QCOMPARE(v.fromString(input), ok);
        QCOMPARE(v.major, major);
        QCOMPARE(v.minor, minor);
        QCOMPARE(v.build, -1);
        QCOMPARE(v.revision, -1);
        QCOMPARE(v.toString(), printed);
    }

    void printingAllParts()
    {
        ProgramVersion v;
        QCOMPARE(v.toString(), QString("0.0.0"));
        v.major = 1; v.minor = 2; v.build = 3;
        QCOMPARE(v.toString(), QString("1.2.3"));
        v.revision = 4;
        QCOMPARE(v.toString(), QString("1.2.3.4"));
        ProgramVersion w = v;
        QVERIFY(!(w < v) && !(w > v));
        w.revision = -1;   // absent is smaller than any number
        QVERIFY(w < v);
        QVERIFY(v > w);
    }
};

QTEST_GUILESS_MAIN(TestProgramVersion)
#include "tst_programversion.moc"
