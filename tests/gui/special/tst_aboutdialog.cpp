#include "PlatformGuard.h"

#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/AboutDialog.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "shell/SettingsStore.h"
#include "ui_AboutDialog.h"
#include "ui_MsgDialog.h"

#include <QApplication>
#include <QPushButton>
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

// The message box that is running modally, if any.
MsgDialog* runningBox()
{
    const QWidgetList all = QApplication::allWidgets();
    for (QWidget* w : all) {
        auto* box = qobject_cast<MsgDialog*>(w);
        if (box && box->isVisible() && box->isModalRunning())
            return box;
    }
    return nullptr;
}

}

class TestAboutDialog : public QObject
{
    Q_OBJECT

    PopupBase* m_main = nullptr;

private slots:
    void initTestCase()
    {
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

    void init() { SettingsStore::instance()->setValue("base/site", "qorvdvd"); }

    void versionAndDate()
    {
        AboutDialog dialog(nullptr);
        Ui::AboutDialog* ui = dialog.form();
        QCOMPARE(ui->LabCurVersion->text(), QStringLiteral("Version: 8.3"));
        QCOMPARE(ui->LabReleaseDate->text(), QStringLiteral("Release Date: 2026-1-30"));
        QCOMPARE(ui->label->text(), QStringLiteral("Tarnwick"));
        QVERIFY(ui->lab_des->text().startsWith("Tarnwick is the strongest"));
        QCOMPARE(dialog.size(), QSize(840, 571));
        QCOMPARE(dialog.parentWidget(), static_cast<QWidget*>(m_main));
    }

    void editions_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("page");
        QTest::newRow("MARBLETON_4K") << "MARBLETON_4K" << "support4k@marbleton.example"
                                      << "https://www.marbleton.example/tarnwick-4k/";
        QTest::newRow("marbleton") << "marbleton" << "support@marbleton.example"
                                   << "https://www.marbleton.example/tarnwick/";
        QTest::newRow("pelodvd") << "PeloDVD" << "support@pelodvd.example" << "https://www.pelodvd.example/tarnwick/";
        QTest::newRow("empty") << "" << "support@quenmark.example" << "https://www.quenmark.example/tarnwick/";
        QTest::newRow("other") << "somewhere" << "support@quenmark.example"
                               << "https://www.quenmark.example/tarnwick/";
    }
    void editions()
    {
        QFETCH(QString, site);
        QFETCH(QString, address);
        QFETCH(QString, page);
        SettingsStore::instance()->setValue("base/site", site);
        PlatformGuard guard;
        AboutDialog dialog(nullptr);
        QVERIFY(dialog.form()->lab_link->text().contains("Please visit: "));
        QVERIFY(dialog.form()->lab_link->text().contains("href=\"" + page + "\""));

        // The page link goes through the tracked redirect, tagged "about".
        emit dialog.form()->lab_link->linkActivated(page);
        QCOMPARE(guard.links.size(), 1);
        const QUrlQuery q(guard.links.at(0));
        QCOMPARE(q.queryItemValue("fui"), QStringLiteral("about"));
        QVERIFY(q.queryItemValue("jump", QUrl::FullyDecoded).startsWith(page + "?ttsoft="));

        // Feedback opens the bare mail link, no box.
        dialog.show(true);
        QTest::mouseClick(dialog.form()->BtnSendEmail, Qt::LeftButton);
        QCOMPARE(guard.mails.size(), 1);
        QCOMPARE(guard.mails.at(0).toString(), "mailto:" + address + "?subject=&body=");
        QCOMPARE(guard.links.size(), 1);
        QVERIFY(dialog.isVisible());
        dialog.close();
    }

    void refusedMailShowsTheBoxAndTheWindowStays()
    {
        PlatformGuard guard;
        guard.mailAnswer = false;
        AboutDialog dialog(nullptr);
        QString heading;
        QString title;
        bool aboutOpenAfterBox = false;
        whenRunning(&dialog, [&] {
            QTimer poll;
            poll.setInterval(5);
            connect(&poll, &QTimer::timeout, [&] {
                if (MsgDialog* box = runningBox()) {
                    poll.stop();
                    heading = box->form()->lab_info->text();
                    title = box->form()->lab_title->text();
                    box->form()->btn_0->click();
                }
            });
            poll.start();
            QTest::mouseClick(dialog.form()->BtnSendEmail, Qt::LeftButton);
            aboutOpenAfterBox = dialog.isVisible();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.windowHandle()->close();
            if (dialog.isVisible())
                QTest::mouseClick(dialog.form()->btn_close, Qt::LeftButton);
        });
        dialog.exec(true);
        QCOMPARE(guard.mails.size(), 1);
        QCOMPARE(heading, QStringLiteral("No mail client found on this machine."));
        QCOMPARE(title, QStringLiteral("Warning"));
        QVERIFY(aboutOpenAfterBox);
        QVERIFY(!dialog.isVisible());
    }

    void escapeAndWindowCloseKeepItOpen()
    {
        AboutDialog dialog(nullptr);
        bool open = false;
        whenRunning(&dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.windowHandle()->close();
            open = dialog.isVisible();
            QTest::mouseClick(dialog.form()->btn_close, Qt::LeftButton);
        });
        dialog.exec(true);
        QVERIFY(open);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
