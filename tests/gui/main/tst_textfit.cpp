// Every window as a user sees it, at the two factors the windows are drawn
// for: no label or button shows its text cut, and nothing is drawn outside
// its window. Real windows on a private X display, with the interface font
// the program registers.

#include "PlatformGuard.h"
#include "ScriptedEngine.h"
#include "TextFit.h"
#include "XvfbMain.h"

#include "ui_DownloaderForm.h"
#include "ui_UrlAnalyserDialog.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/common/cuxupdate.h"
#include "gui/main/DownloaderForm.h"
#include "gui/main/MainWindow.h"
#include "gui/main/cnorvideodlitem.h"
#include "gui/settings/SettingDialog.h"
#include "gui/special/PopupForm/Unclassified/AboutDialog.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "shell/SettingsStore.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QStackedWidget>
#include <QtTest>
#include <memory>

using namespace Youtube_Structure;

namespace {

DownloadItem rowTask()
{
    DownloadItem t;
    t.title = QStringLiteral("Mountain railway in winter, filmed from the driver's cab");
    t.url = QStringLiteral("https://www.youtube.com/watch?v=abc");
    DownloadMedia m;
    m.formatID = QStringLiteral("18");
    m.srcExt = m.tarExt = QStringLiteral("mp4");
    m.format = QStringLiteral("mp4");
    m.resolution = QStringLiteral("1920x1080");
    m.fileSize = QStringLiteral("123.45MB");
    t.medias.append(m);
    t.setChosenMediaIndex(0);
    return t;
}

void fillModel()
{
    ScriptedEngine::reset();
    List l;
    l.title = QStringLiteral("Railways of the Alps");
    l.analysed = true;
    for (int i = 0; i < 3; ++i) {
        Item it;
        it.title = QStringLiteral("Railway %1").arg(i);
        it.url = QStringLiteral("https://www.youtube.com/watch?v=r%1").arg(i);
        it.analysed = true;
        it.downloadState = 3;
        for (const char* h : {"1080", "720", "360"}) {
            Media m;
            m.formatId = QString::number(100 + it.medias.size());
            m.index = it.medias.size();
            m.vcodec = QStringLiteral("avc1");
            m.acodec = QStringLiteral("mp4a");
            m.height = QLatin1String(h);
            m.width = QString::number(m.height.toInt() * 16 / 9);
            m.ext = m.targetExt = QStringLiteral("mp4");
            it.medias.append(m);
        }
        for (const char* code : {"en", "de", "fr"})
            it.subLangs.append(SubLang{QString::fromLatin1(code), false});
        l.items.append(it);
    }
    ScriptedEngine::model().append(std::move(l));
}

} // namespace

class TstTextFit : public QObject
{
    Q_OBJECT
    std::unique_ptr<PlatformGuard> m_guard;

    // The window at the factor, shown and settled.
    void present(QWidget* w, float factor)
    {
        // The other windows follow the interface's factor by themselves.
        if (auto* popup = qobject_cast<PopupBase*>(w)) {
            popup->applyDpiRatio(factor);
            const QSize base = popup->baseSize();
            QCOMPARE(popup->size(), QSize(qRound(base.width() * factor), qRound(base.height() * factor)));
        }
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void check(QWidget* w)
    {
        const QList<TextFit::Finding> found = TextFit::clippedTexts(w) + TextFit::outsideWindow(w);
        QVERIFY2(found.isEmpty(), qPrintable(QLatin1Char('\n') + TextFit::describe(found)));
    }

private slots:
    void initTestCase()
    {
        m_guard.reset(new PlatformGuard);
        SettingsStore::instance()->setValue(QStringLiteral("base/language"), QStringLiteral("en"));
        NetVersionMgr::Environment env;
        env.versionFileUrl = QUrl(QStringLiteral("http://127.0.0.1:9/version.json"));
        env.transferTimeoutMs = 1000;
        NetVersionMgr::setInstanceEnvironmentForTesting(env);
        UrlAnalyserDialog::setUpgradeCheckArmed(false);
        // The tests see the font the users get.
        UIBaseData::instance();
        QVERIFY(UIBaseData::registerInterfaceFonts());
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Tahoma"))).family(), QStringLiteral("Tahoma"));
    }
    void cleanup() { UIBaseData::instance()->setScale(1.0f); }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<float>("factor");
        for (float f : {1.0f, 1.25f})
            for (const char* w : {"main window", "download page", "analysis window", "settings", "message box",
                                  "update window", "about"})
                QTest::addRow("%s at %.2f", w, double(f)) << QString::fromLatin1(w) << f;
    }

    void windows()
    {
        QFETCH(QString, window);
        QFETCH(float, factor);
        UIBaseData::instance()->setScale(factor);
        if (window == QLatin1String("main window") || window == QLatin1String("download page")) {
            MainWindow w(nullptr);
            UIBaseData::instance()->setScale(factor);
            DownloaderForm* page = w.downloaderForm();
            if (window == QLatin1String("download page")) {
                // A finished row shows its two tool buttons as well.
                auto* r = new CNorVideoDlItem(page->downloadList(), rowTask(), true);
                page->downloadList()->insertItem(r, false, -1);
                auto* done = new CNorVideoDlItem(page->downloadList(), rowTask(), true);
                page->downloadList()->insertItem(done, false, -1);
                done->onDownFinished(0, {QDir::temp().filePath(QStringLiteral("railway.mp4"))});
                page->form()->stackedWidget->setCurrentIndex(1);
            }
            present(&w, factor);
            check(&w);
            page->clearDownloadList();
        } else if (window == QLatin1String("analysis window")) {
            fillModel();
            UrlAnalyserDialog w(nullptr);
            present(&w, factor);
            w.form()->lineEdit->setText(QStringLiteral("https://www.youtube.com/watch?v=r0"));
            QTest::mouseClick(w.form()->btnAnalyseOrStop, Qt::LeftButton);
            QTRY_COMPARE(w.form()->rightStackedWidget->currentIndex(), 1);
            QCoreApplication::processEvents();
            check(&w);
            ScriptedEngine::finishAnalysis();
            QCoreApplication::processEvents();
            check(&w);
        } else if (window == QLatin1String("settings")) {
            SettingDialog w(nullptr);
            present(&w, factor);
            check(&w);
        } else if (window == QLatin1String("message box")) {
            MsgDialog w(QString(), QStringLiteral("The media file is being downloaded."),
                        QStringLiteral("Do you still want to end the download and clear the list?"), QStringLiteral("No"),
                        QStringLiteral("Yes"), QString(), nullptr, QStringLiteral("Warning"), 1);
            present(&w, factor);
            check(&w);
        } else if (window == QLatin1String("update window")) {
            CUxUpdate w(nullptr);
            present(&w, factor);
            check(&w);
        } else if (window == QLatin1String("about")) {
            AboutDialog w(nullptr);
            present(&w, factor);
            check(&w);
        }
    }
};

TW_XVFB_TEST_MAIN(TstTextFit)
#include "tst_textfit.moc"
