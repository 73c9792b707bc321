// A test whose source file went missing must stop the configure step, not
// quietly leave the suite one test shorter.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestTestRegistration : public QObject
{
    Q_OBJECT

    static bool writeFile(const QString& path, const QByteArray& text)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    }

private slots:
    void missingSourceStopsTheConfigure_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("missing");
        QTest::newRow("only source") << QStringList{} << QStringList{"tst_lost.cpp"} << "tst_lost.cpp";
        QTest::newRow("second source") << QStringList{"tst_kept.cpp"} << QStringList{"tst_kept.cpp", "helper.cpp"}
                                       << "helper.cpp";
    }
    void missingSourceStopsTheConfigure()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, listed);
        QFETCH(QString, missing);
        const QString cmake = qEnvironmentVariable("TW_CMAKE");
        const QString source = qEnvironmentVariable("TW_SOURCE_DIR");
        QVERIFY(!cmake.isEmpty() && !source.isEmpty());

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString& name : present)
            QVERIFY(writeFile(dir.filePath(name), "int main() { return 0; }\n"));
        // No languages: the step must fail on the missing file before any
        // target would need a compiler.
        const QByteArray lists = "cmake_minimum_required(VERSION 3.16)\nproject(fixture NONE)\ninclude(\""
                                 + source.toUtf8() + "/cmake/Tarnwick.cmake\")\ntw_add_test(tst_fixture SOURCES "
                                 + listed.join(QLatin1Char(' ')).toUtf8() + " LIBS)\n";
        QVERIFY(writeFile(dir.filePath(QStringLiteral("CMakeLists.txt")), lists));

        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(cmake, {QStringLiteral("-S"), dir.path(), QStringLiteral("-B"), dir.filePath(QStringLiteral("build"))});
        QVERIFY(run.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(run.readAll());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() != 0, qPrintable(output));
        QVERIFY2(output.contains(missing + QStringLiteral(" is missing")), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestTestRegistration)
#include "tst_testregistration.moc"
