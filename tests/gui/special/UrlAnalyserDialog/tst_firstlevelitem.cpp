// The analysed list row: what each status shows, the downloaded-before flag, the tick and the looks.

#include "LocalHttpServer.h"
#include "RunEnd.h"
#include "ScriptedEngine.h"
#include "gui/common/CUxPhotoFrame.h"
#include "shell/ImageDownloader.h"
#include "gui/common/CUxCheckBox.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbFirstLevelItem.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbLinkWords.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/SharedLoadingAnimation.h"
#include "shell/SettingsStore.h"

#include <QBuffer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>
#include <QtTest>

namespace {

YoutubeItem record(int index, bool analysed, int status, int history, int check = 2)
{
    YoutubeItem r;
    r.index = index;
    r.title = QStringLiteral("Title %1").arg(index);
    r.subTitle = QStringLiteral("Uploader");
    r.thumbnail = QStringLiteral("http://127.0.0.1:9/none.jpg");
    r.analysed = analysed;
    r.status = status;
    r.downloadState = history;
    r.checkState = check;
    return r;
}

QString shownTitle(CYtbFirstLevelItem* row)
{
    QTextDocument doc;
    doc.setHtml(row->words()->label()->text());
    return doc.toPlainText().section(QLatin1Char('\n'), 0, 0);
}

} // namespace

class TestFirstLevelItem : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QUxListWidget* m_list = nullptr;

    CYtbFirstLevelItem* addRow(const YoutubeItem& r, int level = 1)
    {
        auto* row = new CYtbFirstLevelItem(level, r, m_list);
        m_list->insertItem(row, false, -1);
        return row;
    }

private slots:
    void initTestCase()
    {
        SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), m_dir.path());
        Youtube::instance();
    }

    void cleanupTestCase()
    {
        RunEnd::stopThumbnailWorker();
    }

    void init()
    {
        ScriptedEngine::reset();
        m_list = new QUxListWidget;
        m_list->resize(330, 436);
        m_list->show();
    }

    void cleanup()
    {
        delete m_list;
        m_list = nullptr;
    }

    void statusTable_data()
    {
        QTest::addColumn<bool>("analysed");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("history");
        QTest::addColumn<bool>("rowEnabled");
        QTest::addColumn<bool>("tickEnabled");
        QTest::addColumn<bool>("waiting");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("flag");

        QTest::newRow("waiting, whatever its status") << false << 9 << 3 << true << true << true << "Title 0" << false;
        QTest::newRow("ready") << true << 0 << 3 << true << true << false << "Title 0" << false;
        QTest::newRow("list needs a login") << true << 2 << 3 << false << true << false << "[PRIVATE]" << false;
        QTest::newRow("removed") << true << 4 << 3 << false << false << false << "[INVALID]" << false;
        QTest::newRow("cancelled") << true << 5 << 3 << false << false << false << "[INVALID]" << false;
        QTest::newRow("failed") << true << 9 << 3 << false << false << false << "[INVALID]" << false;
        QTest::newRow("removed from a subscribed list") << true << 4 << 0 << true << false << false << "Title 0" << true;
        QTest::newRow("skipped") << true << 7 << 2 << true << false << false << "Title 0" << true;
        QTest::newRow("downloaded, file gone") << true << 0 << 1 << true << true << false << "Title 0" << true;
    }
    void statusTable()
    {
        QFETCH(bool, analysed);
        QFETCH(int, status);
        QFETCH(int, history);
        QFETCH(bool, rowEnabled);
        QFETCH(bool, tickEnabled);
        QFETCH(bool, waiting);
        QFETCH(QString, text);
        QFETCH(bool, flag);
        CYtbFirstLevelItem* row = addRow(record(0, analysed, status, history));
        QCOMPARE(row->isEnabled(), rowEnabled);
        // The tick's own state (a disabled row greys all its children).
        QCOMPARE(row->checkBox()->isEnabledTo(row), tickEnabled);
        QCOMPARE(row->loadingLabel()->isVisibleTo(row), waiting);
        QCOMPARE(row->checkBox()->isVisibleTo(row), !waiting);
        QCOMPARE(shownTitle(row), text);
        QCOMPARE(row->flag()->isVisibleTo(row), flag);
        // Disabled rows keep their grey title and their marker, also after a
        // resize (the list's scroll bar coming or going).
        row->resize(row->width() - 20, row->height());
        QCOMPARE(shownTitle(row), text);
        if (!rowEnabled)
            QVERIFY(row->words()->label()->text().contains(QStringLiteral("#80606060")));
        // Hover and selected looks leave a disabled row alone.
        const QString sheet = row->styleSheet();
        row->setHoverStyle();
        row->setSelectedStyle();
        if (!rowEnabled) {
            QCOMPARE(row->styleSheet(), sheet);
            QVERIFY(!row->words()->label()->text().contains(QStringLiteral("#ffffffff")));
        } else {
            QVERIFY(row->styleSheet().contains(QStringLiteral("url_xuanzhong.png")));
        }
    }

    // The markers are words of the interface, given in its language.
    void markersAreTranslated_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("list needs a login") << 2 << "[PRIVATE]";
        QTest::newRow("removed") << 4 << "[INVALID]";
    }
    void markersAreTranslated()
    {
        QFETCH(int, status);
        QFETCH(QString, text);
        struct Marking : QTranslator
        {
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char* source, const char*, int) const override
            {
                return qstrcmp(context, "CYtbFirstLevelItem") == 0 ? QStringLiteral("~%1~").arg(QLatin1String(source))
                                                                     : QString();
            }
        } marking;
        QCoreApplication::installTranslator(&marking);
        CYtbFirstLevelItem* row = addRow(record(0, true, status, 3));
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(shownTitle(row), QStringLiteral("~%1~").arg(text));
    }

    void partlyTickedAndTicks()
    {
        addRow(record(0, true, 0, 3));
        CYtbFirstLevelItem* row = addRow(record(1, true, 0, 3, 1), 0);
        QCOMPARE(row->checkBox()->checkState(), Qt::PartiallyChecked);
        QVERIFY(row->checkStyleTemplate().contains(QStringLiteral("width: 0%1px;")));
        QCOMPARE(row->index(), 1);
        QTest::mouseClick(row->checkBox(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(ScriptedEngine::calls().size(), 1);
        QVERIFY2(ScriptedEngine::calls().first().startsWith(QStringLiteral("setChecked(0,1,")),
                 qPrintable(ScriptedEngine::calls().first()));
    }

    void flagComesBack()
    {
        CYtbFirstLevelItem* row = addRow(record(0, true, 0, 2));
        QVERIFY(row->flag()->isVisibleTo(row));
        row->setData(record(0, true, 0, 3));
        QVERIFY(!row->flag()->isVisibleTo(row));
        row->setData(record(0, true, 0, 0));
        QVERIFY(row->flag()->isVisibleTo(row));
        QVERIFY(row->flag()->styleSheet().contains(QStringLiteral("subscribe_new_flag.png")));
    }

    void waitingRowsShareOneAnimation()
    {
        SharedLoadingAnimation* shared = SharedLoadingAnimation::instance();
        const int before = shared->attachedCount();
        QList<CYtbFirstLevelItem*> rows;
        for (int i = 0; i < 3; ++i)
            rows << addRow(record(i, false, 0, 3));
        QCOMPARE(shared->attachedCount(), before + 3);
        QVERIFY(shared->isRunning());
        QTRY_VERIFY(!rows.first()->loadingLabel()->pixmap(Qt::ReturnByValue).isNull());
        rows.at(0)->setData(record(0, true, 0, 3));
        QCOMPARE(shared->attachedCount(), before + 2);
        QVERIFY(!rows.at(0)->loadingLabel()->isVisibleTo(rows.at(0)));
        QVERIFY(rows.at(0)->checkBox()->isVisibleTo(rows.at(0)));
        m_list->clear();
        QTRY_COMPARE(shared->attachedCount(), before);
    }

    void servedThumbnailReplacesThePlaceholder()
    {
        LocalHttpServer server;
        QVERIFY(server.start(true));
        QImage picture(320, 180, QImage::Format_RGB32);
        picture.fill(QColor(0, 0, 220));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        server.addFile(QStringLiteral("/row.png"), png, "image/png");
        YoutubeItem r = record(0, true, 0, 3);
        r.thumbnail = server.url(QStringLiteral("/row.png")).toString();
        CYtbFirstLevelItem* row = addRow(r);
        // Not cached yet: the placeholder, and the address is queued.
        QVERIFY(row->photo()->pictureLabel()->pixmap(Qt::ReturnByValue).isNull()
                || !row->photo()->pictureLabel()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!ImageDownloader::instance()->getImage(r.thumbnail).isNull(), 20000);
        row->setData(r);
        const QPixmap shown = row->photo()->pictureLabel()->pixmap(Qt::ReturnByValue);
        QVERIFY(!shown.isNull());
        const QRgb c = shown.toImage().pixel(shown.width() / 2, shown.height() / 2);
        QVERIFY(qBlue(c) > 150 && qRed(c) < 60);
        QCOMPARE(server.requestCount(QStringLiteral("/row.png")), 1);
    }

    void imageGoesToThePhoto()
    {
        YoutubeItem r = record(0, true, 0, 3);
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::red);
        r.image = img;
        CYtbFirstLevelItem* row = addRow(r);
        QCOMPARE(row->item().image, img);
        QVERIFY(row->isAnalysed());
    }
};

QTEST_MAIN(TestFirstLevelItem)
#include "tst_firstlevelitem.moc"
