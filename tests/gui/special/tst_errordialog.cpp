#include "Legibility.h"
#include "PlatformGuard.h"

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
#include <QUrlQuery>
#include <QtTest>
#include <functional>

namespace {
void whenRunning(PopupBase* dialog, std::function<void()> fn)
{
    auto* poll = new QTimer(dialog);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, dialog, [dialog, poll, fn] {
        if (dialog->isModalRunning() && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            fn();
        }
    });
    poll->start();
}

void sendMouse(QWidget* w, QEvent::Type type, const QPoint& pos)
{
    QMouseEvent e(type, pos, w->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

QString picture(ErrorDialog& dialog)
{
    return dialog.form()->pic->styleSheet();
}
}

class TestErrorDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PopupBase* m_main = nullptr;
    PlatformGuard* m_guard = nullptr;

    // Points the report settings at a folder of the given name.
    QString useFolder(const QString& name)
    {
        const QString folder = name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
        if (!name.isEmpty())
            QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        SettingsStore* store = SettingsStore::instance();
        store->setValue(QStringLiteral("base/configPath"), SettingsStore::toStoredPath(folder));
        store->setValue(QStringLiteral("base/Log"), SettingsStore::toStoredPath(folder + "/log.txt"));
        store->setValue(QStringLiteral("base/criticalLog"), SettingsStore::toStoredPath(folder + "/Error File.txt"));
        store->setValue(QStringLiteral("base/dump"), SettingsStore::toStoredPath(folder + "/Error File.dmp"));
        store->setValue(QStringLiteral("base/errorZip"), SettingsStore::toStoredPath(folder + "/Error File.zip"));
        return folder;
    }

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
        m_guard = new PlatformGuard;
        useFolder(QString());
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

    void cleanupTestCase()
    {
        delete m_main;
        delete m_guard;
    }

    void init()
    {
        useFolder(QString());
        m_guard->clear();
        m_guard->mailAnswer = true;
        SettingsStore::instance()->setValue(QStringLiteral("base/site"), QStringLiteral("qorvdvd"));
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

    void openFolderAsksForTheExistingFiles()
    {
        write(path("Error File.dmp"), "dump");
        write(path("Error File.zip"), "zip");
        ErrorDialog dialog(nullptr, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QPushButton* b = dialog.form()->btn_openFolder;
        const QPoint inside(b->width() / 2, b->height() / 2);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(b, &enter);
        QCOMPARE(picture(dialog), QStringLiteral("border-image: url(:/res/folder_s_hover.png);"));
        sendMouse(b, QEvent::MouseButtonPress, inside);
        QCOMPARE(picture(dialog), QStringLiteral("border-image: url(:/res/folder_s_down.png);"));
        sendMouse(b, QEvent::MouseMove, QPoint(-5, -5));
        QCOMPARE(picture(dialog), QStringLiteral("border-image: url(:/res/folder_s_hover.png);"));
        sendMouse(b, QEvent::MouseMove, inside);
        QCOMPARE(picture(dialog), QStringLiteral("border-image: url(:/res/folder_s_down.png);"));
        QVERIFY(m_guard->fileManager.isEmpty());
        sendMouse(b, QEvent::MouseButtonRelease, inside);
        QCOMPARE(picture(dialog), QStringLiteral("border-image: url(:/res/folder_s_nor.png);"));
        QCOMPARE(m_guard->fileManager.size(), 1);
        QCOMPARE(m_guard->fileManager.at(0).kind, FileManager::Request::ShowItems);
        QCOMPARE(m_guard->fileManager.at(0).folder, m_dir.path());
        QCOMPARE(m_guard->fileManager.at(0).files, (QStringList{path("Error File.dmp"), path("Error File.zip")}));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(b, &leave);
        QCOMPARE(picture(dialog), QStringLiteral("border-image: url(:/res/folder_s_nor.png);"));
        // The window stays; nothing made the archive.
        QVERIFY(dialog.isVisible());
        dialog.close();
    }

    // Pressed, the button turns dark; its words turn light with it.
    void pressedOpenFolderIsReadable()
    {
        ErrorDialog dialog(nullptr, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QPushButton* b = dialog.form()->btn_openFolder;
        QLabel* words = dialog.form()->label_2;
        const QRect area(words->mapTo(b, QPoint(0, 0)), words->size());
        QVERIFY(Legibility::readablePixels(b->grab().toImage(), area) >= 20);
        sendMouse(b, QEvent::MouseButtonPress, QPoint(b->width() / 2, b->height() / 2));
        QTRY_VERIFY(b->isDown());
        const QImage pressed = b->grab().toImage();
        sendMouse(b, QEvent::MouseMove, QPoint(b->width() + 20, 3));
        sendMouse(b, QEvent::MouseButtonRelease, QPoint(b->width() + 20, 3));
        const int readable = Legibility::readablePixels(pressed, area);
        QVERIFY2(readable >= 20, qPrintable(QStringLiteral("%1 readable pixels on %2").arg(readable)
                                                .arg(Legibility::fill(pressed, area).name())));
        QVERIFY(m_guard->fileManager.isEmpty());
        dialog.close();
    }

    void openFolderReleasedOutsideAsksNothing()
    {
        ErrorDialog dialog(nullptr, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QPushButton* b = dialog.form()->btn_openFolder;
        sendMouse(b, QEvent::MouseButtonPress, QPoint(3, 3));
        sendMouse(b, QEvent::MouseMove, QPoint(b->width() + 20, 3));
        sendMouse(b, QEvent::MouseButtonRelease, QPoint(b->width() + 20, 3));
        QCOMPARE(picture(dialog), QStringLiteral("border-image: url(:/res/folder_s_nor.png);"));
        QVERIFY(m_guard->fileManager.isEmpty());
        dialog.close();
    }

    // A settings folder with a blank, "#" and "&" in its name: the mail's
    // body still names exactly the files that exist, separators as they are.
    void mailNamesTheExistingFiles_data()
    {
        QTest::addColumn<bool>("log");
        QTest::addColumn<bool>("dump");
        QTest::addColumn<bool>("zip");
        QTest::newRow("log and dump") << true << true << false;
        QTest::newRow("only the dump") << false << true << false;
        QTest::newRow("nothing") << false << false << false;
        QTest::newRow("all three") << true << true << true;
    }
    void mailNamesTheExistingFiles()
    {
        QFETCH(bool, log);
        QFETCH(bool, dump);
        QFETCH(bool, zip);
        const QString folder = useFolder(QStringLiteral("my reports #1 & more%20"));
        if (log)
            write(folder + "/log.txt", "log");
        if (dump)
            write(folder + "/Error File.dmp", "dump");
        if (zip)
            write(folder + "/Error File.zip", "zip");
        ErrorDialog dialog(nullptr, false);
        whenRunning(&dialog, [&] { QTest::mouseClick(dialog.form()->btn_mailbox, Qt::LeftButton); });
        dialog.exec();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(m_guard->mails.size(), 1);
        const QUrl mail = m_guard->mails.at(0);
        QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
        QCOMPARE(mail.path(), QStringLiteral("support@quenmark.example"));
        const QUrlQuery q(mail);
        QCOMPARE(q.queryItems().size(), 2);
        QCOMPARE(q.queryItemValue("subject", QUrl::FullyDecoded), QStringLiteral("Program didn't work properly"));
        QString expected = QStringLiteral("Tips: please add attachment ");
        if (log)
            expected += "[" + folder + "/Error File.txt] ";
        if (dump)
            expected += "[" + folder + "/Error File.dmp] ";
        if (zip)
            expected += "[" + folder + "/Error File.zip] ";
        expected += "to us.";
        QCOMPARE(q.queryItemValue("body", QUrl::FullyDecoded), expected);
        QVERIFY(!QFile::exists(folder + "/Error File.zip") || zip);
    }

    void mailAddressByEdition_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("address");
        QTest::newRow("PELODVD") << "PELODVD" << "support@pelodvd.example";
        QTest::newRow("empty") << "" << "support@quenmark.example";
        QTest::newRow("marbleton_4k") << "Marbleton_4K" << "support4k@marbleton.example";
    }
    void mailAddressByEdition()
    {
        QFETCH(QString, site);
        QFETCH(QString, address);
        SettingsStore::instance()->setValue(QStringLiteral("base/site"), site);
        ErrorDialog dialog(nullptr, false);
        QVERIFY(dialog.form()->tip->text().contains("href=\"" + address + "\""));
        m_guard->mailAnswer = false;
        QVERIFY(!dialog.mailToUxSupport());
        QCOMPARE(m_guard->mails.size(), 1);
        QCOMPARE(m_guard->mails.at(0).path(), address);
    }

    void tabToTheTipLinkAndReturnMails()
    {
        ErrorDialog dialog(nullptr, false);
        bool reached = false;
        whenRunning(&dialog, [&] {
            QApplication::setActiveWindow(&dialog);
            QLabel* tip = dialog.form()->tip;
            // Tab reaches the label, the next Tab its link.
            const auto onLink = [tip] { return QApplication::focusWidget() == tip && !tip->selectedText().isEmpty(); };
            for (int i = 0; i < 40 && !onLink(); ++i) {
                QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
                QTest::keyClick(target, Qt::Key_Tab);
            }
            reached = onLink();
            QTest::keyClick(tip, Qt::Key_Return);
            if (dialog.isVisible())
                dialog.close();
        });
        dialog.exec();
        QVERIFY(reached);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(m_guard->mails.size(), 1);
        QCOMPARE(m_guard->mails.at(0).scheme(), QStringLiteral("mailto"));
    }

    void escapeAndWindowCloseKeepItOpen()
    {
        ErrorDialog dialog(nullptr, false);
        bool open = false;
        whenRunning(&dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.windowHandle()->close();
            open = dialog.isVisible();
            dialog.form()->btn_doen->click();
        });
        dialog.exec();
        QVERIFY(open);
        QVERIFY(m_guard->mails.isEmpty());
    }

    void neverWritesTheArchive()
    {
        ErrorDialog dialog(nullptr, false);
        dialog.show();
        dialog.mailToUxSupport();
        dialog.openReportFolder();
        dialog.close();
        QVERIFY(!QFile::exists(path("Error File.zip")));
    }
};

QTEST_MAIN(TestErrorDialog)
#include "tst_errordialog.moc"
