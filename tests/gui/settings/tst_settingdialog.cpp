#include "PlatformGuard.h"

#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/UIBaseData/UIServiceHooks.h"
#include "gui/common/DropDownDialog.h"
#include "gui/settings/SettingDialog.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "shell/SettingsStore.h"
#include "ui_MsgDialog.h"
#include "ui_SettingDialog_Downloader.h"
#include "ui_SettingPage_Downloader.h"

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>
#include <functional>

namespace {

SettingsStore* store() { return SettingsStore::instance(); }

// The value as a fresh reader of config.ini sees it.
QString onDisk(const QString& key)
{
    SettingsStore reader(store()->configDir(), false);
    return reader.value(key);
}

// Answers every message box that shows up with the named button.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(const char* button) : m_button(button)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const QWidgetList all = QApplication::allWidgets();
            for (QWidget* w : all) {
                auto* box = qobject_cast<MsgDialog*>(w);
                if (box && box->isVisible() && box->isModalRunning() && !m_answered.contains(box)) {
                    m_answered << box;
                    ++count;
                    heading = box->form()->lab_info->text();
                    box->findChild<QPushButton*>(QLatin1String(m_button))->click();
                }
            }
        });
        m_timer.start();
    }
    int count = 0;
    QString heading;

private:
    const char* m_button;
    QTimer m_timer;
    QList<QObject*> m_answered;
};

}

class TestSettingDialog : public QObject
{
    Q_OBJECT

    PopupBase* m_main = nullptr;
    QStringList m_restartArgs;
    int m_restarts = 0;

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
        UIServiceHooks::setStartDetached([this](const QString&, const QStringList& args) {
            m_restartArgs = args;
            ++m_restarts;
            return true;
        });
        UIServiceHooks::setQuit([] {});
    }

    void cleanupTestCase()
    {
        UIServiceHooks::setStartDetached(nullptr);
        UIServiceHooks::setQuit(nullptr);
        UIServiceHooks::setChooseFolder(nullptr);
        delete m_main;
    }

    void init()
    {
        store()->setValue("base/language", "en");
        m_restarts = 0;
        m_restartArgs.clear();
    }

    void boxesWriteAtOnce_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        QTest::newRow("open folder") << "check_openFolder" << "setting/openFolder";
        QTest::newRow("shut down") << "check_shutDown" << "setting/shutdown";
        QTest::newRow("notify") << "check_notify" << "setting/notify";
        QTest::newRow("once") << "check_once" << "youtube/subscribeOnce";
        QTest::newRow("already") << "check_already" << "youtube/subscribeDownloaded";
        QTest::newRow("proxy") << "check_proxy" << "proxy/enabled";
    }
    void boxesWriteAtOnce()
    {
        QFETCH(QString, box);
        QFETCH(QString, key);
        store()->setValue(key, "false");
        SettingDialog dialog(nullptr);
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* b = dialog.pageWidget()->findChild<QPushButton*>(box);
        QVERIFY(!b->isChecked());
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(onDisk(key), QStringLiteral("true"));
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(onDisk(key), QStringLiteral("false"));
        QTest::mouseClick(b, Qt::LeftButton);
        QTest::mouseClick(dialog.frame()->btn_close, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(onDisk(key), QStringLiteral("true"));
    }

    void showingAgainReadsThreeBoxes()
    {
        SettingDialog dialog(nullptr);
        dialog.show(true);
        dialog.close();
        store()->setValue("setting/shutdown", "true");
        store()->setValue("setting/openFolder", "true");
        store()->setValue("setting/notify", "false");
        dialog.show(true);
        QVERIFY(dialog.page()->check_shutDown->isChecked());
        QVERIFY(dialog.page()->check_openFolder->isChecked());
        QVERIFY(!dialog.page()->check_notify->isChecked());
        dialog.close();
    }

    void languageFromTheList_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("restarts");
        QTest::newRow("cancel") << "btn_1" << "en" << 0;
        QTest::newRow("close") << "btn_close" << "en" << 0;
        QTest::newRow("continue") << "btn_0" << "de" << 1;
    }
    void languageFromTheList()
    {
        QFETCH(QString, answer);
        QFETCH(QString, stored);
        QFETCH(int, restarts);
        SettingDialog dialog(nullptr);
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QComboBox* lan = dialog.page()->comboBox_Lan;
        QCOMPARE(lan->currentText(), QStringLiteral("English"));
        QCOMPARE(lan->itemData(3, SettingDialog::kLanguageRole).toString(), QStringLiteral("de"));
        const QByteArray button = answer.toLatin1();
        BoxAnswerer answerer(button.constData());
        // The box opens the shared list, not its own.
        QTest::mouseClick(lan, Qt::LeftButton);
        DropDownDialog* list = DropDownDialog::current();
        QVERIFY(list);
        QVERIFY(!lan->view()->isVisible());
        list->onItemClicked(list->list()->item(3));
        QTRY_COMPARE(answerer.count, 1);
        // Restoring the choice asks nothing more.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(answerer.count, 1);
        QCOMPARE(answerer.heading, QStringLiteral("Changing Language"));
        QCOMPARE(onDisk("base/language"), stored);
        QCOMPARE(m_restarts, restarts);
        if (restarts)
            QCOMPARE(m_restartArgs, (QStringList{"normal", "restart"}));
        else
            QCOMPARE(lan->currentText(), QStringLiteral("English"));
        dialog.close();
    }

    void keyDownOnTheLanguageBoxAsksToo()
    {
        SettingDialog dialog(nullptr);
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        BoxAnswerer answerer("btn_1");
        QComboBox* lan = dialog.page()->comboBox_Lan;
        // Reached with the keyboard as a user would: Tab through the page.
        QApplication::setActiveWindow(&dialog);
        for (int i = 0; i < 60 && QApplication::focusWidget() != lan; ++i) {
            QWidget* from = QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget*>(&dialog);
            QTest::keyClick(from, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(lan));
        QTest::keyClick(lan, Qt::Key_Down);
        QTRY_COMPARE(answerer.count, 1);
        QCOMPARE(lan->currentText(), QStringLiteral("English"));
        QCOMPARE(onDisk("base/language"), QStringLiteral("en"));
        dialog.close();
    }

    void unknownStoredLanguageLeavesNoCurrentItem()
    {
        store()->setValue("base/language", "ko");
        SettingDialog dialog(nullptr);
        QCOMPARE(dialog.page()->comboBox_Lan->currentIndex(), -1);
        store()->setValue("base/language", "ja");
        SettingDialog japanese(nullptr);
        QCOMPARE(japanese.page()->label_10->property("baseFontSize").toInt(), 12);
        QCOMPARE(japanese.page()->label_10->font().pixelSize(), 12);
        QCOMPARE(dialog.page()->label_10->property("baseFontSize").toInt(), 11);
    }

    void wheelAndScrolling()
    {
        SettingDialog dialog(nullptr);
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QScrollBar* bar = dialog.frame()->scrollArea->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QCOMPARE(dialog.frame()->verticalSlider->maximum(), bar->maximum());

        // The wheel over a combo changes nothing.
        QComboBox* format = dialog.page()->box_format;
        const QString before = format->currentText();
        QWheelEvent down(QPointF(5, 5), format->mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(format, &down);
        QCOMPARE(format->currentText(), before);

        // An open list closes when the page scrolls.
        QTest::mouseClick(format, Qt::LeftButton);
        QPointer<DropDownDialog> list = DropDownDialog::current();
        QVERIFY(list);

        // Over the slider strip the page scrolls (smoothly, by a timer).
        QWidget* strip = dialog.frame()->widget_slider;
        QWheelEvent turn(QPointF(5, 50), strip->mapToGlobal(QPoint(5, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(strip, &turn);
        QTRY_VERIFY(bar->value() > 0);
        QCOMPARE(dialog.frame()->verticalSlider->value(), bar->value());
        QTRY_VERIFY(!list || !list->isVisible());
        dialog.close();
    }

    void proxyFields()
    {
        store()->setValue("proxy/enabled", "");
        store()->setValue("proxy/port", "");
        store()->setValue("proxy/hostName", "");
        SettingDialog dialog(nullptr);
        Ui::SettingPage_Downloader* page = dialog.page();
        QCOMPARE(onDisk("proxy/enabled"), QStringLiteral("false"));
        QVERIFY(!page->edit_proxyServer->isEnabled());
        QVERIFY(!page->edit_port->isEnabled());
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QApplication::setActiveWindow(&dialog);
        QTest::mouseClick(page->check_proxy, Qt::LeftButton);
        QVERIFY(page->edit_proxyServer->isEnabled());
        QCOMPARE(onDisk("proxy/enabled"), QStringLiteral("true"));

        page->edit_port->setFocus();
        QTest::keyClicks(page->edit_port, "abc");
        QTest::keyClick(page->edit_port, Qt::Key_Tab);
        QCOMPARE(onDisk("proxy/port"), QStringLiteral("abc"));

        page->edit_proxyServer->setFocus();
        QTest::keyClicks(page->edit_proxyServer, "proxy.example");
        QTest::mouseClick(dialog.frame()->btn_close, Qt::LeftButton);
        QTRY_COMPARE(onDisk("proxy/hostName"), QStringLiteral("proxy.example"));
    }

    void outputFolder()
    {
        QTemporaryDir dir;
        const QString chosen = dir.filePath("my videos");
        QDir().mkpath(chosen);
        store()->setValue("youtube/download", "/before");
        QString askedTitle;
        QString answer;
        UIServiceHooks::setChooseFolder([&](const QString& title, const QString&) {
            askedTitle = title;
            return answer;
        });
        PlatformGuard guard;
        SettingDialog dialog(nullptr);
        Ui::SettingPage_Downloader* page = dialog.page();
        QCOMPARE(page->edit_output_video->text(), QStringLiteral("/before"));
        // Cancelled: nothing changes.
        QTest::mouseClick(page->browse_output_video, Qt::LeftButton);
        QCOMPARE(askedTitle, QStringLiteral("Select Output Directory"));
        QCOMPARE(onDisk("youtube/download"), QStringLiteral("/before"));
        answer = chosen;
        QTest::mouseClick(page->browse_output_video, Qt::LeftButton);
        QCOMPARE(onDisk("youtube/download"), SettingsStore::toStoredPath(chosen));
        QCOMPARE(page->edit_output_video->text(), SettingsStore::toStoredPath(chosen));
        QTest::mouseClick(page->open_output_video, Qt::LeftButton);
        QCOMPARE(guard.fileManager.size(), 1);
        QCOMPARE(guard.fileManager.at(0).kind, FileManager::Request::OpenFolder);
        QCOMPARE(guard.fileManager.at(0).folder, chosen);
        UIServiceHooks::setChooseFolder(nullptr);
    }

    void formatAndResolution()
    {
        SettingDialog dialog(nullptr);
        Ui::SettingPage_Downloader* page = dialog.page();
        QCOMPARE(page->box_format->count(), 4);
        page->box_format->setCurrentIndex(page->box_format->findText("webm"));
        QCOMPARE(onDisk("youtube/defaultExt"), QStringLiteral("webm"));
        page->box_resolution->setCurrentIndex(page->box_resolution->findText("720p"));
        QCOMPARE(onDisk("youtube/defaultResolution"), QStringLiteral("720p"));
        page->box_resolution->setCurrentIndex(0);
        QCOMPARE(page->box_resolution->currentText(), QStringLiteral("Highest Resolution"));
        QCOMPARE(onDisk("youtube/defaultResolution"), QString());
    }

    void templates()
    {
        SettingDialog dialog(nullptr);
        dialog.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.pageWidget()->styleSheet().contains("width:032px;"));
        QVERIFY(dialog.pageWidget()->styleSheet().contains("height:038px;"));
        QVERIFY(dialog.frame()->verticalSlider->styleSheet().contains("height:0137px;"));
        QCOMPARE(dialog.size(), QSize(888, 590));
        dialog.close();
    }
};

QTEST_MAIN(TestSettingDialog)
#include "tst_settingdialog.moc"
