// What the URL window shows of an analysis and what its choices write into
// the engine, against the scripted engine.

#include "DialogAnswerer.h"
#include "PlatformGuard.h"
#include "RunEnd.h"
#include "ScriptedEngine.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/CUxBtn.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CUxAccountWatchLaterList.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbFirstLevelItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbSecVideoLinkItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbVideoInfoItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "shell/SettingsStore.h"
#include "ui_UrlAnalyserDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace Youtube_Structure;

namespace {

const QString kUrl = QStringLiteral("https://www.youtube.com/watch?v=abc");

Media media(int index, const QString& height)
{
    Media m;
    m.index = index;
    m.formatId = QString::number(100 + index);
    m.vcodec = QStringLiteral("avc1");
    m.height = height;
    m.width = QString::number(height.toInt() * 16 / 9);
    m.acodec = QStringLiteral("mp4a");
    m.ext = m.targetExt = QStringLiteral("mp4");
    m.url = QStringLiteral("http://127.0.0.1:9/%1").arg(index);
    return m;
}

Item item(const QString& title, int status = YtbNoError, int state = 3)
{
    Item it;
    it.title = title;
    it.url = QStringLiteral("https://www.youtube.com/watch?v=") + title;
    it.analysed = true;
    it.status = status;
    it.downloadState = state;
    it.medias = {media(0, QStringLiteral("720")), media(1, QStringLiteral("360"))};
    return it;
}

List list(const QString& title, int n)
{
    List l;
    l.title = title;
    l.analysed = true;
    for (int i = 0; i < n; ++i)
        l.items.append(item(QStringLiteral("v%1").arg(i)));
    return l;
}

QList<SiteAccount*>& sites()
{
    return *Youtube::instance()->siteAccounts();
}

SiteAccount* site(const QString& host)
{
    for (SiteAccount* s : sites())
        if (s->website() == host)
            return s;
    return nullptr;
}

// No accounts, YouTube first.
void clearStore()
{
    for (SiteAccount* s : sites())
        for (const QString& name : s->accountNames())
            s->removeAccount(name);
    if (sites().first()->website() != QLatin1String("www.youtube.com"))
        Youtube::instance()->moveSiteAccountToFront(1);
}

YoutubeItem record(int index, const QString& title)
{
    YoutubeItem r;
    r.index = index;
    r.title = title;
    r.analysed = true;
    return r;
}

} // namespace

class TestUrlAnalyserResults : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    PopupBase* m_main = nullptr;
    UrlAnalyserDialog* m_dialog = nullptr;
    QString m_file;

    Ui::UrlAnalyserDialog* ui() const { return m_dialog->form(); }

    void analyse()
    {
        ui()->lineEdit->setText(kUrl);
        QTest::mouseClick(ui()->btnAnalyseOrStop, Qt::LeftButton);
    }

    QString tileTitle(int position) const
    {
        auto* tile = qobject_cast<CYtbSecVideoLinkItem*>(
            m_dialog->tiles()->itemWidget(m_dialog->tiles()->item(position)));
        return tile ? tile->item().title : QString();
    }

private slots:
    void initTestCase()
    {
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), m_dir.path());
        m_file = m_dir.filePath(QStringLiteral("done.mp4"));
        QFile f(m_file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        m_main = new PopupBase(nullptr);
        m_main->setBaseSize(1078, 710);
        m_main->init(m_main, m_main, 1.0f, true);
        UIBaseData::instance()->setMainPopup(m_main);
        UrlAnalyserDialog::setUpgradeCheckArmed(false);
        m_dialog = new UrlAnalyserDialog(nullptr);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    }

    void cleanupTestCase()
    {
        delete m_dialog;
        UIBaseData::instance()->setMainPopup(nullptr);
        delete m_main;
        RunEnd::stopThumbnailWorker();
    }

    void init()
    {
        ScriptedEngine::reset();
        m_dialog->resetUi();
    }

    void cleanup()
    {
        if (ScriptedEngine::isAnalysing())
            ScriptedEngine::finishAnalysis();
        QTRY_VERIFY(ui()->closebtn->isEnabled());
    }

    // Forty tiles keep the engine's order and a refresh reaches its own tile.
    void tilesKeepOrderAndRefreshTheirOwn()
    {
        ScriptedEngine::model().append(list(QStringLiteral("A"), 40));
        ScriptedEngine::model().append(list(QStringLiteral("B"), 2));
        analyse();
        QCOMPARE(m_dialog->listRowsWidget()->count(), 2);
        QTRY_VERIFY(m_dialog->tiles());
        QCOMPARE(m_dialog->tiles()->count(), 40);
        for (int i = 0; i < 40; ++i)
            QCOMPARE(tileTitle(i), QStringLiteral("v%1").arg(i));
        emit Youtube::instance()->doYoutubeListRefresh(YtbItemsLevel, nullptr, 0, record(30, QStringLiteral("fresh")));
        QTRY_COMPARE(tileTitle(30), QStringLiteral("fresh"));
        for (int i = 0; i < 40; ++i)
            if (i != 30)
                QCOMPARE(tileTitle(i), QStringLiteral("v%1").arg(i));
        // A tile opens its video; Back returns to the tiles.
        auto* tile = qobject_cast<CYtbSecVideoLinkItem*>(m_dialog->tiles()->itemWidget(m_dialog->tiles()->item(5)));
        emit tile->getIn(5);
        QCOMPARE(m_dialog->shownItem(), 5);
        QCOMPARE(ui()->rightStackedWidget->currentIndex(), 1);
        QCOMPARE(m_dialog->formatRowsWidget()->count(), 2);
        QVERIFY(ui()->btnBack->isVisible());
        QTest::mouseClick(ui()->btnBack, Qt::LeftButton);
        QCOMPARE(ui()->rightStackedWidget->currentIndex(), 0);
        QCOMPARE(m_dialog->shownItem(), -1);
    }

    void rowsOpenItemsAndStatePages_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("page");      // rightStackedWidget
        QTest::addColumn<QString>("label");  // label_2, empty: format view
        QTest::newRow("formats") << 0 << 3 << 1 << QString();
        QTest::newRow("state 0") << int(YtbSkipped) << 0 << 1
                                 << "This video analyse failed,click 'analyse' to redownload.";
        QTest::newRow("state 1") << int(YtbSkipped) << 1 << 1
                                 << "This video has been downloaded before,but not found, clicked 'analyse' to redownload.";
        QTest::newRow("state 2") << int(YtbSkipped) << 2 << 1
                                 << "This video has been downloaded,you can open folder to find the video or analyse to redownload.";
    }
    void rowsOpenItemsAndStatePages()
    {
        QFETCH(int, status);
        QFETCH(int, state);
        QFETCH(int, page);
        QFETCH(QString, label);
        List l = list(QStringLiteral("A"), 2);
        l.items[1].status = status;
        l.items[1].downloadState = state;
        l.items[1].note = m_file;
        ScriptedEngine::model().append(std::move(l));
        analyse();
        QCOMPARE(m_dialog->itemRowsWidget()->count(), 2);
        QCOMPARE(m_dialog->shownItem(), 0);
        QCOMPARE(m_dialog->formatRowsWidget()->count(), 2);
        emit m_dialog->itemRowsWidget()->Itemclicked(1);
        QCOMPARE(m_dialog->shownItem(), 1);
        QCOMPARE(ui()->rightStackedWidget->currentIndex(), page);
        if (label.isEmpty()) {
            QVERIFY(!ui()->subscribeMayRefresh->isVisible());
        } else {
            QCOMPARE(ui()->label_2->text(), label);
            QCOMPARE(ui()->btnOpen->isVisible(), state == 2);
        }
        if (state == 2) {
            // Open folder shows the downloaded file in the file manager.
            PlatformGuard guard;
            QTest::mouseClick(ui()->btnOpen, Qt::LeftButton);
            QCOMPARE(guard.fileManager.size(), 1);
            QCOMPARE(guard.fileManager.first().files, QStringList{m_file});
        }
    }

    void audioLanguageChoice()
    {
        List l = list(QStringLiteral("A"), 1);
        for (const char* code : {"", "fr", "de"}) {
            AudioLan lan;
            lan.language = QString::fromLatin1(code);
            l.items[0].audioLans.append(lan);
        }
        ScriptedEngine::model().append(std::move(l));
        analyse();
        QComboBox* combo = ui()->comboBoxLangCode;
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), QStringLiteral("Auto"));
        QCOMPARE(combo->itemText(1), QStringLiteral("français"));
        QCOMPARE(combo->itemText(2), QStringLiteral("Deutsch"));
        QVERIFY(combo->isVisible());
        ScriptedEngine::clearCalls();
        combo->setCurrentIndex(2);
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("setAudioLanguageIndex(0,2)")));
        QCOMPARE(ScriptedEngine::model().at(0).items.at(0).audioLanIndex, 2);
    }

    // The next analysis replaces the model the shown item lived in: the
    // combo is emptied at once and later choices reach the new model only.
    void secondAnalysisWhileItemsShow()
    {
        auto withLanguages = [](const QString& title) {
            List l = list(title, 2);
            for (const char* code : {"", "fr", "de"}) {
                AudioLan lan;
                lan.language = QString::fromLatin1(code);
                l.items[0].audioLans.append(lan);
            }
            return l;
        };
        ScriptedEngine::model().append(withLanguages(QStringLiteral("A")));
        analyse();
        QCOMPARE(ui()->comboBoxLangCode->count(), 3);
        ScriptedEngine::finishAnalysis();
        QTRY_VERIFY(ui()->closebtn->isEnabled());
        ScriptedEngine::reset();
        ScriptedEngine::model().append(withLanguages(QStringLiteral("B")));
        ScriptedEngine::queueInitAnswer(YtbNoError, 200);
        ui()->lineEdit->setText(kUrl);
        QTimer::singleShot(0, this, [this] {
            QTRY_VERIFY(ScriptedEngine::isInitWaiting());
            // While the engine works on the next one, nothing of the old shows.
            QCOMPARE(ui()->comboBoxLangCode->count(), 0);
            QCOMPARE(m_dialog->itemRowsWidget()->count(), 0);
            emit Youtube::instance()->doYoutubeListRefresh(YtbItemsLevel, nullptr, 0, record(1, QStringLiteral("x")));
        });
        QTest::mouseClick(ui()->btnAnalyseOrStop, Qt::LeftButton);
        QCOMPARE(m_dialog->itemRowsWidget()->count(), 2);
        ui()->comboBoxLangCode->setCurrentIndex(1);
        emit Youtube::instance()->doYoutubeListRefresh(YtbItemsLevel, nullptr, 0, record(0, QStringLiteral("y")));
        QTRY_COMPARE(qobject_cast<CYtbFirstLevelItem*>(m_dialog->itemRowsWidget()->item(0))->item().title,
                     QStringLiteral("y"));
        QCOMPARE(ScriptedEngine::model().at(0).title, QStringLiteral("B"));
        QCOMPARE(ScriptedEngine::model().at(0).items.at(0).audioLanIndex, 1);
    }

    // One chosen format per item: ticking one row unticks the one before.
    void choosingAFormatUnticksTheOther()
    {
        ScriptedEngine::model().append(list(QStringLiteral("A"), 1));
        analyse();
        QUxListWidget* rows = m_dialog->formatRowsWidget();
        QCOMPARE(rows->count(), 2);
        auto* first = qobject_cast<CYtbVideoInfoItem*>(rows->item(0));
        auto* second = qobject_cast<CYtbVideoInfoItem*>(rows->item(1));
        QVERIFY(first->checkButton()->isChecked());
        QTest::mouseClick(second->checkButton(), Qt::LeftButton);
        QVERIFY(second->checkButton()->isChecked());
        QTRY_VERIFY(!first->checkButton()->isChecked());
        QCOMPARE(ScriptedEngine::model().at(0).items.at(0).chosenMediaIndex, 1);
    }

    void titlesReadLiterally()
    {
        List l = list(QStringLiteral("A"), 1);
        l.items[0].title = QStringLiteral("<b>bold</b>");
        ScriptedEngine::model().append(std::move(l));
        analyse();
        QCOMPARE(ui()->labName->textFormat(), Qt::PlainText);
        QVERIFY(ui()->labName->text().startsWith(QStringLiteral("<b>")));
        QVERIFY(ui()->labName->toolTip().contains(QStringLiteral("&lt;b&gt;")));
    }

    // A click on Show All lists every format of the shown item and tells the
    // engine; a second click goes back to the short choice.
    void showAllListsEveryFormat()
    {
        List l = list(QStringLiteral("A"), 1);
        l.items[0].medias.clear();
        for (int i = 0; i < 6; ++i)
            l.items[0].medias.append(media(i, QString::number(1080 - 120 * i)));
        ScriptedEngine::model().append(std::move(l));
        analyse();
        QCOMPARE(m_dialog->formatRowsWidget()->count(), 4);
        QVERIFY(ui()->btnShowAll->isVisible());
        ScriptedEngine::clearCalls();
        QTest::mouseClick(ui()->btnShowAll, Qt::LeftButton);
        QCOMPARE(ui()->btnShowAll->text(), QStringLiteral("Hide"));
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("setShowAllMedia(1)")));
        QVERIFY(ScriptedEngine::model().at(0).items.at(0).showAllMedia);
        QCOMPARE(m_dialog->formatRowsWidget()->count(), 6);
        QTest::mouseClick(ui()->btnShowAll, Qt::LeftButton);
        QCOMPARE(ui()->btnShowAll->text(), QStringLiteral("Show All"));
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("setShowAllMedia(0)")));
        QVERIFY(!ScriptedEngine::model().at(0).items.at(0).showAllMedia);
        QCOMPARE(m_dialog->formatRowsWidget()->count(), 4);
    }

    void choicesReachTheEngine()
    {
        List l = list(QStringLiteral("A"), 2);
        l.subscribable = true;
        ScriptedEngine::model().append(std::move(l));
        analyse();
        ScriptedEngine::clearCalls();
        // Subtitle search.
        QVERIFY(ui()->btn_search->isVisible());
        QTest::mouseClick(ui()->btn_search, Qt::LeftButton);
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("searchSubtitles()")));
        QVERIFY(!ui()->btn_search->isEnabled());
        // Subscribe: ticking subscribes, unticking is refused.
        QVERIFY(ui()->btnSubscribe->isVisible());
        QTest::mouseClick(ui()->btnSubscribe, Qt::LeftButton);
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("subscribeCurrentList()")));
        QVERIFY(ui()->btnSubscribe->isChecked());
        QTest::mouseClick(ui()->btnSubscribe, Qt::LeftButton);
        QVERIFY(ui()->btnSubscribe->isChecked());
        QCOMPARE(ScriptedEngine::calls().count(QStringLiteral("subscribeCurrentList()")), 1);
        // Select All shows with the engine's summary of the lists, ticked;
        // a click unticks every item.
        YoutubeItem summary;
        summary.index = -1;
        summary.checkState = 2;
        emit Youtube::instance()->doYoutubeListRefresh(YtbListsLevel, nullptr, 0, summary);
        QTRY_VERIFY(ui()->checkBox->isVisible());
        QVERIFY(ui()->checkBox->isChecked());
        QTest::mouseClick(ui()->checkBox, Qt::LeftButton);
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("setChecked(0,-1,0)")));
        QCOMPARE(ui()->label_5->text(), QStringLiteral("none"));
    }

    void watchLaterFollowsTheFirstSite_data()
    {
        QTest::addColumn<bool>("vimeoFirst");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("link");
        QTest::newRow("YouTube first") << false << "https://www.youtube.com/playlist?list=WL"
                                       << "yt1 's youtube watch later playlist";
        QTest::newRow("Vimeo first") << true << "https://vimeo.com/watchlater" << "v1 's vimeo watch later playlist";
    }
    void watchLaterFollowsTheFirstSite()
    {
        QFETCH(bool, vimeoFirst);
        QFETCH(QString, address);
        QFETCH(QString, link);
        clearStore();
        site(QStringLiteral("www.youtube.com"))->addAccount(QStringLiteral("yt1"), QStringLiteral("p1"));
        site(QStringLiteral("www.vimeo.com"))->addAccount(QStringLiteral("v1"), QStringLiteral("pv"));
        if (vimeoFirst)
            Youtube::instance()->moveSiteAccountToFront(1);
        m_dialog->resetUi();
        QMetaObject::invokeMethod(m_dialog, "onAnalyseAllStoped");
        QCOMPARE(ui()->btnLog->text(), link);
        QVERIFY(ui()->btnLog->isEnabled());
        ScriptedEngine::model().append(list(QStringLiteral("WL"), 1));
        QTest::mouseClick(ui()->btnLog, Qt::LeftButton);
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("initAnalyser(%1)").arg(address)));
        QCOMPARE(ui()->lineEdit->text(), address);
        clearStore();
    }

    void watchLaterDropDownOverThreeAccounts()
    {
        clearStore();
        site(QStringLiteral("www.youtube.com"))->addAccount(QStringLiteral("a"), QStringLiteral("p"));
        site(QStringLiteral("www.youtube.com"))->addAccount(QStringLiteral("b"), QStringLiteral("p"));
        site(QStringLiteral("www.vimeo.com"))->addAccount(QStringLiteral("c"), QStringLiteral("p"));
        m_dialog->resetUi();
        QMetaObject::invokeMethod(m_dialog, "onAnalyseAllStoped");
        // The window keeps the arrow hidden; shown here, its click still has
        // to reach the drop-down through the form's own wiring.
        ui()->btnWatchLaterlXiala->show();
        QVERIFY(ui()->btnWatchLaterlXiala->isEnabled());
        QTest::mouseClick(ui()->btnWatchLaterlXiala, Qt::LeftButton);
        ui()->btnWatchLaterlXiala->hide();
        QWidget* popup = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("lllll"))
                popup = w;
        QVERIFY(popup);
        QTRY_VERIFY(popup->isVisible());
        QStringList texts;
        const QList<QPushButton*> buttons = popup->findChildren<QPushButton*>();
        for (QPushButton* b : buttons)
            texts << b->text();
        QCOMPARE(texts, (QStringList{"b's youtube watch later playlist", "a's youtube watch later playlist",
                                     "c's vimeo watch later playlist"}));
        // The card hangs from the link's bottom-left corner, its shadow
        // beside and below it; the buttons stand on the card.
        auto* dropDown = qobject_cast<CUxAccountWatchLaterList*>(popup);
        QVERIFY(dropDown);
        const QRect card = dropDown->cardRect();
        QCOMPARE(popup->mapToGlobal(card.topLeft()), ui()->btnLog->mapToGlobal(QPoint(0, ui()->btnLog->height())));
        QVERIFY(dropDown->shadowMargin() > 0);
        for (QPushButton* b : buttons)
            QVERIFY(card.contains(b->geometry()));
        const QImage image = popup->grab().toImage();
        QCOMPARE(image.pixelColor(card.topLeft() + QPoint(2, 2)), QColor(Qt::white));
        QVERIFY(qAlpha(image.pixel(card.right() + dropDown->shadowMargin() / 2, card.center().y())) > 0);
        QVERIFY(qAlpha(image.pixel(card.center().x(), card.bottom() + dropDown->shadowMargin() / 2)) > 0);
        ScriptedEngine::model().append(list(QStringLiteral("WL"), 1));
        QTest::mouseClick(buttons.at(2), Qt::LeftButton);
        QVERIFY(!popup->isVisible());
        QCOMPARE(sites().first()->website(), QStringLiteral("www.vimeo.com"));
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("initAnalyser(https://vimeo.com/watchlater)")));
        ScriptedEngine::finishAnalysis();
        QTRY_VERIFY(ui()->closebtn->isEnabled());
        clearStore();
    }

    // The shown item is analysed while the user looks at it: formats, a
    // state page, or for a failed item the nearest openable neighbour.
    void refreshOfTheShownItem_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("shown");     // item shown afterwards
        QTest::addColumn<int>("page");      // rightStackedWidget
        QTest::addColumn<bool>("formats");  // format rows rather than a state page
        QTest::newRow("formats") << 0 << 3 << 1 << 1 << true;
        QTest::newRow("downloaded before, formats still") << 0 << 2 << 1 << 1 << true;
        QTest::newRow("skipped, downloaded") << int(YtbSkipped) << 2 << 1 << 1 << false;
        QTest::newRow("failed goes to the neighbour above") << int(YtbAnalyseFailed) << 3 << 0 << 1 << true;
    }
    void refreshOfTheShownItem()
    {
        QFETCH(int, status);
        QFETCH(int, state);
        QFETCH(int, shown);
        QFETCH(int, page);
        QFETCH(bool, formats);
        List l = list(QStringLiteral("A"), 3);
        l.items[1].analysed = false;
        ScriptedEngine::model().append(std::move(l));
        analyse();
        QCOMPARE(m_dialog->shownItem(), 0);
        // The row's own click: it becomes the selected row and opens.
        emit m_dialog->itemRowsWidget()->item(1)->doSelect();
        QCOMPARE(ui()->rightStackedWidget->currentIndex(), 2);
        Item& it = ScriptedEngine::model()[0].items[1];
        it.analysed = true;
        it.status = status;
        it.downloadState = state;
        YoutubeList items;
        Youtube::instance()->lists(items, 0, 0);
        emit Youtube::instance()->doYoutubeListRefresh(YtbItemsLevel, nullptr, 0, items.items.at(1));
        QTRY_VERIFY(ui()->rightStackedWidget->currentIndex() != 2);
        QCOMPARE(m_dialog->shownItem(), shown);
        QCOMPARE(m_dialog->itemRowsWidget()->currentIndex(), shown);
        QCOMPARE(ui()->rightStackedWidget->currentIndex(), page);
        QCOMPARE(ui()->subscribeMayRefresh->isVisibleTo(ui()->rightStackedWidget), !formats);
        if (formats)
            QCOMPARE(m_dialog->formatRowsWidget()->count(), 2);
    }

    // The formats of a refreshed item fill in one pass: work queued behind
    // the refresh never runs while the rows are half made.
    void refreshFillsFormatsInOnePass()
    {
        List l = list(QStringLiteral("A"), 2);
        l.items[1].analysed = false;
        l.items[1].medias.clear();
        for (int i = 0; i < 30; ++i)
            l.items[1].medias.append(media(i, QString::number(100 + i)));
        ScriptedEngine::model().append(std::move(l));
        analyse();
        emit m_dialog->itemRowsWidget()->item(1)->doSelect();
        QCOMPARE(ui()->rightStackedWidget->currentIndex(), 2);
        ScriptedEngine::model()[0].items[1].analysed = true;
        YoutubeList items;
        Youtube::instance()->lists(items, 0, 0);
        emit Youtube::instance()->doYoutubeListRefresh(YtbItemsLevel, nullptr, 0, items.items.at(1));
        int seenRows = -1;
        bool seenHidden = true;
        QMetaObject::invokeMethod(
            this,
            [&] {
                seenRows = m_dialog->formatRowsWidget()->count();
                seenHidden = m_dialog->formatRowsWidget()->isHidden();
            },
            Qt::QueuedConnection);
        QTRY_VERIFY(seenRows != -1);
        YoutubeList formats;
        Youtube::instance()->lists(formats, 1, 1);
        QVERIFY(formats.items.size() > 1);
        QCOMPARE(seenRows, formats.items.size());
        QVERIFY(!seenHidden);
    }

    // A selected list that turns out private hands the selection, and the
    // tiles, to its neighbour.
    void privateListGivesTheSelectionAway()
    {
        List a = list(QStringLiteral("A"), 2);
        a.analysed = false;
        ScriptedEngine::model().append(std::move(a));
        ScriptedEngine::model().append(list(QStringLiteral("B"), 3));
        analyse();
        QCOMPARE(m_dialog->listRowsWidget()->currentIndex(), 0);
        YoutubeList lists;
        Youtube::instance()->lists(lists, 0, -1);
        YoutubeItem r = lists.items.at(0);
        r.analysed = true;
        r.status = YtbPrivateList;
        emit Youtube::instance()->doYoutubeListRefresh(YtbListsLevel, nullptr, 0, r);
        QTRY_COMPARE(m_dialog->listRowsWidget()->currentIndex(), 1);
        QTRY_VERIFY(m_dialog->tiles());
        QCOMPARE(m_dialog->tiles()->count(), 3);
    }

    void helpLinkOpensTheSupportPage()
    {
        PlatformGuard guard;
        QMetaObject::invokeMethod(m_dialog, "onLinkSupport", Q_ARG(QString, QStringLiteral("ignored")));
        QCOMPARE(guard.links.size(), 1);
        QVERIFY(guard.links.first().toString().contains(QStringLiteral("ytbana")));
    }

    void doneWithNothingTickedAsks()
    {
        List l = list(QStringLiteral("A"), 2);
        for (Item& it : l.items)
            it.checkState = 0;
        ScriptedEngine::model().append(std::move(l));
        analyse();
        ScriptedEngine::finishAnalysis();
        QTRY_VERIFY(ui()->btn_done->isEnabled());
        m_dialog->setResult(-5);
        DialogAnswerer answerer;
        answerer.press("MsgDialog", QStringLiteral("btn_0"));
        QVERIFY(ui()->btn_done->isVisible());
        QTest::mouseClick(ui()->btn_done, Qt::LeftButton);
        QTRY_VERIFY(answerer.allAnswered());
        QVERIFY(answerer.seen.first().texts.contains(
            QStringLiteral("No video/audio is selected. Would you like to continue to quit?")));
        QCOMPARE(m_dialog->result(), -5);
        QVERIFY(m_dialog->isVisible());
    }

    void downloadFullPlaylistTicksAllAndReturnsOne()
    {
        ScriptedEngine::model().append(list(QStringLiteral("A"), 2));
        analyse();
        ScriptedEngine::finishAnalysis();
        QTRY_VERIFY(ui()->btn_doneAll->isEnabled());
        QTimer::singleShot(0, m_dialog, [this] {
            QTRY_VERIFY(m_dialog->isVisible());
            QTest::mouseClick(ui()->btn_doneAll, Qt::LeftButton);
        });
        m_dialog->hide();
        const int result = m_dialog->exec();
        QCOMPARE(result, 1);
        QVERIFY(ScriptedEngine::calls().contains(QStringLiteral("setChecked(0,-1,1)")));
        m_dialog->show();
    }
};

QTEST_MAIN(TestUrlAnalyserResults)
#include "tst_urlanalyserresults.moc"
