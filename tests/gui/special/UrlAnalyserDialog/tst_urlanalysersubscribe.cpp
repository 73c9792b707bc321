// The Subscribe button of the URL window through the window's rescaling (a
// re-show, as after a restore, at several interface factors): it keeps the
// size its images give it and can still be clicked where it stands.

#include "ScriptedEngine.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CUxTpTextIllus.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "shell/SettingsStore.h"
#include "ui_UrlAnalyserDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <memory>

using namespace Youtube_Structure;

namespace {

List subscribableList()
{
    List l;
    l.title = QStringLiteral("A list");
    l.analysed = true;
    l.subscribable = true;
    for (int i = 0; i < 2; ++i) {
        Item it;
        it.title = QStringLiteral("v%1").arg(i);
        it.url = QStringLiteral("https://www.youtube.com/watch?v=v%1").arg(i);
        it.analysed = true;
        Media m;
        m.formatId = QStringLiteral("18");
        m.vcodec = QStringLiteral("avc1");
        m.acodec = QStringLiteral("mp4a");
        m.height = QStringLiteral("360");
        m.width = QStringLiteral("640");
        m.ext = m.targetExt = QStringLiteral("mp4");
        it.medias = {m};
        l.items.append(it);
    }
    return l;
}

} // namespace

class TestUrlAnalyserSubscribe : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    qreal m_dpi = 96;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), m_dir.path());
        UrlAnalyserDialog::setUpgradeCheckArmed(false);
        // The interface factor follows the screen's DPI; a large screen
        // leaves it as asked.
        PopupBase::setScreenMetricsProvider([this](QScreen*) {
            ScreenMetrics m;
            m.logicalDpi = m_dpi;
            m.geometry = m.available = QRect(0, 0, 3840, 2160);
            return m;
        });
    }

    void cleanup()
    {
        m_dpi = 96;
        UIBaseData::instance()->setScale(1.0f);
        if (ScriptedEngine::isAnalysing())
            ScriptedEngine::finishAnalysis();
        ScriptedEngine::reset();
    }

    void keepsItsSizeAcrossReshow_data()
    {
        QTest::addColumn<float>("scale");
        QTest::newRow("1.0") << 1.0f;
        QTest::newRow("1.25") << 1.25f;
        QTest::newRow("2.0") << 2.0f;
    }

    void keepsItsSizeAcrossReshow()
    {
        QFETCH(float, scale);
        m_dpi = 96 * qreal(scale);
        UIBaseData::instance()->setScale(scale);
        std::unique_ptr<PopupBase> main(new PopupBase(nullptr));
        main->setBaseSize(1078, 710);
        main->init(main.get(), main.get(), 1.0f, true);
        UIBaseData::instance()->setMainPopup(main.get());
        const auto unsetMain = qScopeGuard([] { UIBaseData::instance()->setMainPopup(nullptr); });
        std::unique_ptr<UrlAnalyserDialog> dialog(new UrlAnalyserDialog(nullptr));
        dialog->show();
        QCOMPARE(UIBaseData::instance()->scale(), scale);
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

        ScriptedEngine::model().append(subscribableList());
        dialog->form()->lineEdit->setText(QStringLiteral("https://www.youtube.com/playlist?list=A"));
        QTest::mouseClick(dialog->form()->btnAnalyseOrStop, Qt::LeftButton);
        CUxTpTextIllus* subscribe = dialog->findChild<CUxTpTextIllus*>(QStringLiteral("btnSubscribe"));
        QVERIFY(subscribe);
        QTRY_VERIFY(subscribe->isVisible());
        // As its own images and text size it once shown and painted.
        QTRY_VERIFY(subscribe->height() > 0);
        QCoreApplication::processEvents();
        const QSize shown = subscribe->size();
        QVERIFY2(shown.height() >= int(10 * scale), qPrintable(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height())));

        // The window is shown again (restored): it rescales everything.
        dialog->hide();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QTRY_COMPARE(subscribe->size(), shown);
        QVERIFY(subscribe->minimumHeight() <= shown.height());

        // A click where the button stands reaches it.
        QWidget* window = subscribe->window();
        const QPoint centre = subscribe->mapTo(window, subscribe->rect().center());
        QCOMPARE(window->childAt(centre), static_cast<QWidget*>(subscribe));
        ScriptedEngine::clearCalls();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
        QTRY_VERIFY(ScriptedEngine::calls().contains(QStringLiteral("subscribeCurrentList()")));
        QVERIFY(subscribe->isChecked());
    }
};

QTEST_MAIN(TestUrlAnalyserSubscribe)
#include "tst_urlanalysersubscribe.moc"
