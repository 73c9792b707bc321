#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/ErrorDialog.h"
#include "shell/SettingsStore.h"
#include "ui_ErrorDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

class TestErrorDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PopupBase* m_main = nullptr;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    static void write(const QString& file, const QByteArray& data)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        SettingsStore* store = SettingsStore::instance();
        store->setValue(QStringLiteral("base/Log"), SettingsStore::toStoredPath(path("log.txt")));
        store->setValue(QStringLiteral("base/criticalLog"), SettingsStore::toStoredPath(path("Error File.txt")));
        store->setValue(QStringLiteral("base/dump"), SettingsStore::toStoredPath(path("Error File.dmp")));
        store->setValue(QStringLiteral("base/errorZip"), SettingsStore::toStoredPath(path("Error File.zip")));
        // A screen where the interface factor is 1.0.
        PopupBase::setScreenMetricsProvider([](QScreen*) {
            ScreenMetrics m;
            m.logicalDpi = 96;
            m.geometry = m.available = QRect(0, 0, 1920, 1080);
            return m;
        });
        m_main = new PopupBase(nullptr);
        m_main->setBaseSize(1078, 710);
        m_main->init(m_main, m_main, 1.0f, true);
    }

    void cleanupTestCase() { delete m_main; }

    void init()
    {
        for (const char* name : {"log.txt", "Error File.txt", "Error File.dmp", "Error File.zip"})
            QFile::remove(path(QLatin1String(name)));
    }

    void rowsFollowTheFiles_data()
    {
        QTest::addColumn<bool>("log");
        QTest::addColumn<bool>("staleCopy");
        QTest::addColumn<bool>("dump");
        QTest::addColumn<bool>("zip");
        QTest::newRow("nothing") << false << false << false << false;
        QTest::newRow("only the dump") << false << false << true << false;
        QTest::newRow("log copied") << true << false << false << false;
        QTest::newRow("stale copy without a log") << false << true << false << false;
        QTest::newRow("all three") << true << false << true << true;
    }
    void rowsFollowTheFiles()
    {
        QFETCH(bool, log);
        QFETCH(bool, staleCopy);
        QFETCH(bool, dump);
        QFETCH(bool, zip);
        if (log)
            write(path("log.txt"), "this run's log\n");
        if (staleCopy)
            write(path("Error File.txt"), "an earlier run\n");
        if (dump)
            write(path("Error File.dmp"), "dump");
        if (zip)
            write(path("Error File.zip"), "zip");

        ErrorDialog dialog(nullptr, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Ui::ErrorDialog* ui = dialog.form();
        QCOMPARE(ui->widget_log->isVisible(), log);
        QCOMPARE(ui->widget_dump->isVisible(), dump);
        QCOMPARE(ui->widget_zip->isVisible(), zip);
        // The log row offers a fresh copy of the log; a stale copy is gone.
        QCOMPARE(QFile::exists(path("Error File.txt")), log);
        if (log) {
            QFile copy(path("Error File.txt"));
            QVERIFY(copy.open(QIODevice::ReadOnly));
            QCOMPARE(copy.readAll(), QByteArray("this run's log\n"));
        }
        QVERIFY(ui->lab_error->text().contains(QStringLiteral("line-height:20px")));
        QVERIFY(ui->tip->text().contains(ErrorDialog::supportAddress()));
        dialog.close();
        QVERIFY(!dialog.isVisible());
    }

    void copyButtons()
    {
        write(path("Error File.dmp"), "dump");
        ErrorDialog dialog(nullptr, false);
        dialog.form()->btn_copyDumpPath->click();
        QCOMPARE(QApplication::clipboard()->text(),
                 SettingsStore::instance()->value(QStringLiteral("base/dump")));
        dialog.form()->btn_copyDump->click();
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(data->formats(), QStringList{QStringLiteral("text/uri-list")});
        QCOMPARE(data->urls(), QList<QUrl>{QUrl::fromLocalFile(path("Error File.dmp"))});
    }

    void doneAndCloseEndTheModalRun_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("done") << "btn_doen";
        QTest::newRow("close") << "btn_close";
    }
    void doneAndCloseEndTheModalRun()
    {
        QFETCH(QString, button);
        ErrorDialog dialog(nullptr, false);
        QPushButton* b = dialog.findChild<QPushButton*>(button);
        QVERIFY(b);
        // Pressed once the dialog's own modal loop shows it.
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, &dialog, [&] {
            if (dialog.isModalRunning() && dialog.isVisible()) {
                poll.stop();
                b->click();
            }
        });
        poll.start();
        QCOMPARE(dialog.exec(), 0);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestErrorDialog)
#include "tst_errordialog.moc"
