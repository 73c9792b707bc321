#include "function/CMediaInfoMgr/private/HardwareCheck.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

class TestHardwareCheck : public QObject
{
    Q_OBJECT
private slots:
    void probeSequence_data();
    void probeSequence();
    void realProbesEndWithTrue();

private:
    void writeProbe(const QString& name, const QByteArray& body);
    QVariantList runCheck(HardwareCheck& check);
    QTemporaryDir m_dir;
};

void TestHardwareCheck::writeProbe(const QString& name, const QByteArray& body)
{
    QFile f(m_dir.filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + body + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QVariantList TestHardwareCheck::runCheck(HardwareCheck& check)
{
    QVariantList seen;
    connect(&check, &HardwareCheck::doShowInfo, this, [&](const QVariant& v) { seen << v; }, Qt::DirectConnection);
    check.checkHardware();
    check.wait(60000);
    return seen;
}

void TestHardwareCheck::probeSequence_data()
{
    QTest::addColumn<QByteArray>("drivers");     // DisplayDrivers' script body
    QTest::addColumn<QVariantList>("expected");  // after the raw list (when given)
    QTest::addColumn<bool>("listGiven");

    const QByteArray mixed = R"(printf 'PRO:n card1 0x10de\r\n\r\n   \r\npro:i card0 0x8086\r\nother card2 0x1af4\r\nPro:A card3\r\npro:N twice\r\n')";
    QTest::newRow("order, case, blank lines, errors")
        << mixed
        << QVariantList{QString("Nnvenc ok\r\n"), QString("I h264:true"), QString("AError"), QString("Nnvenc ok\r\n"), true}
        << true;
    QTest::newRow("no vendor line") << QByteArray(R"(printf 'virtio card0\r\n')") << QVariantList{true} << true;
    QTest::newRow("driver probe too slow") << QByteArray("sleep 30") << QVariantList{false} << false;
    QTest::newRow("hung vendor probe") << QByteArray(R"(printf 'pro:I hang\r\n')")
                                       << QVariantList{QString("IError"), true} << true;
}

void TestHardwareCheck::probeSequence()
{
    QFETCH(QByteArray, drivers);
    QFETCH(QVariantList, expected);
    QFETCH(bool, listGiven);
    QVERIFY(m_dir.isValid());

    writeProbe("DisplayDrivers", drivers);
    // Only white space on standard error still counts as success.
    writeProbe("NvidiaCheck", R"(printf 'nvenc ok\r\n'; printf '  \n' >&2)");
    writeProbe("AMDCheck", R"(echo 'no AMF here' >&2)");
    if (QTest::currentDataTag() == QByteArray("hung vendor probe"))
        writeProbe("IntelCheck", "echo $$ > pid; sleep 60");
    else
        writeProbe("IntelCheck", R"(printf ' h264:true')");

    HardwareCheck check;
    check.setProbeFolder(m_dir.path());
    check.setTimeLimits(1500, 1500);
    QVariantList seen = runCheck(check);
    if (listGiven) {
        QVERIFY(!seen.isEmpty());
        QCOMPARE(seen.first().userType(), int(QMetaType::QByteArray));
        seen.removeFirst();
    }
    QCOMPARE(seen, expected);

    // The hung probe's group was ended with it.
    QFile pidFile(m_dir.filePath("pid"));
    if (pidFile.open(QIODevice::ReadOnly)) {
        const int pid = pidFile.readAll().trimmed().toInt();
        pidFile.close();
        pidFile.remove();
        QVERIFY(pid > 0);
        QVERIFY(::kill(pid, 0) != 0);
    }
}

void TestHardwareCheck::realProbesEndWithTrue()
{
    const QString bin = QString::fromLocal8Bit(qgetenv("TW_BINARY_DIR")) + "/bin";
    if (!QFile::exists(bin + "/DisplayDrivers"))
        QSKIP("the probe programs are not built");
    HardwareCheck check;
    check.setProbeFolder(bin);
    const QVariantList seen = runCheck(check);
    QVERIFY(seen.size() >= 2);
    QCOMPARE(seen.first().userType(), int(QMetaType::QByteArray));
    QCOMPARE(seen.last(), QVariant(true));
}

QTEST_GUILESS_MAIN(TestHardwareCheck)
#include "tst_hardwarecheck.moc"
