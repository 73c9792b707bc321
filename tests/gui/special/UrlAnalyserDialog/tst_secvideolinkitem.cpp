// The video tile with real mouse events and grabbed pixels.

#include "LocalHttpServer.h"
#include "RunEnd.h"
#include "ScriptedEngine.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/CYtbSecVideoLinkItem.h"
#include "shell/ImageDownloader.h"
#include "shell/SettingsStore.h"

#include <QBuffer>
#include <QCursor>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

YoutubeItem record(int index, bool analysed, int status, int check, const QString& thumb = QString())
{
    YoutubeItem r;
    r.index = index;
    r.title = QStringLiteral("Tile %1").arg(index);
    r.subTitle = QStringLiteral("Uploader");
    r.thumbnail = thumb.isEmpty() ? QStringLiteral("http://127.0.0.1:9/missing%1.png").arg(index) : thumb;
    r.analysed = analysed;
    r.status = status;
    r.checkState = check;
    return r;
}

void enter(CYtbSecVideoLinkItem* tile)
{
    QEvent e(QEvent::Enter);
    QCoreApplication::sendEvent(tile->body(), &e);
}

bool near(QRgb c, QRgb ref, int tolerance = 12)
{
    return qAbs(qRed(c) - qRed(ref)) <= tolerance && qAbs(qGreen(c) - qGreen(ref)) <= tolerance
        && qAbs(qBlue(c) - qBlue(ref)) <= tolerance;
}

} // namespace

class TestSecVideoLinkItem : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QWidget* m_host = nullptr;

    CYtbSecVideoLinkItem* tile(const YoutubeItem& r, int x = 0)
    {
        auto* t = new CYtbSecVideoLinkItem(m_host);
        t->move(x, 0);
        t->setData(r);
        t->show();
        return t;
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
        m_host = new QWidget;
        m_host->resize(400, 200);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host));
    }

    void cleanup()
    {
        delete m_host;
        m_host = nullptr;
    }

    void notAnalysed()
    {
        CYtbSecVideoLinkItem* t = tile(record(0, false, 0, 2));
        QSignalSpy opened(t, &CYtbSecVideoLinkItem::getIn);
        QVERIFY(!t->checkButton()->isVisible());
        enter(t);
        QCOMPARE(t->hoverState(), 2);
        const QImage overlay = t->overlay()->grab().toImage();
        // The dark "loading..." band along the bottom, white text in it.
        const int bandY = overlay.height() - 3;
        QVERIFY(near(overlay.pixel(2, bandY), qRgb(64, 64, 64), 4));
        bool white = false;
        for (int x = 0; x < overlay.width(); ++x)
            for (int y = overlay.height() - 16; y < overlay.height(); ++y)
                white = white || qGray(overlay.pixel(x, y)) > 200;
        QVERIFY(white);
        QTest::mouseClick(t->body(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(opened.size(), 0);
    }

    void failedItems_data()
    {
        QTest::addColumn<int>("status");
        for (int s : {3, 4, 5, 9})
            QTest::newRow(qPrintable(QString::number(s))) << s;
    }
    void failedItems()
    {
        QFETCH(int, status);
        CYtbSecVideoLinkItem* t = tile(record(0, true, status, 2));
        QSignalSpy opened(t, &CYtbSecVideoLinkItem::getIn);
        QVERIFY(!t->checkButton()->isVisible());
        enter(t);
        QCOMPARE(t->hoverState(), 2);
        const QImage overlay = t->overlay()->grab().toImage();
        // The red error sign in the middle, no band.
        const QRgb centre = overlay.pixel(overlay.width() / 2 + 8, overlay.height() / 2);
        QVERIFY2(qRed(centre) > 150 && qGreen(centre) < 120, qPrintable(QString::number(centre, 16)));
        QVERIFY(!near(overlay.pixel(2, overlay.height() - 3), qRgb(64, 64, 64), 4));
        QTest::mouseClick(t->body(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(opened.size(), 0);
        // Ticked but failed: no frame.
        const QImage whole = t->grab().toImage();
        QVERIFY(!near(whole.pixel(3, 40), qRgb(18, 169, 245)));
    }

    void readyTickedTileHasTheFrame()
    {
        CYtbSecVideoLinkItem* t = tile(record(4, true, 0, 2));
        QVERIFY(t->checkButton()->isVisible());
        QVERIFY(t->checkButton()->isChecked());
        QImage whole = t->grab().toImage();
        QVERIFY(near(whole.pixel(3, 40), qRgb(18, 169, 245)));
        QVERIFY(near(whole.pixel(80, 3), qRgb(18, 169, 245)));
        t->setData(record(4, true, 0, 0));
        whole = t->grab().toImage();
        QVERIFY(!near(whole.pixel(3, 40), qRgb(18, 169, 245)));
        // The tick goes to the engine with the item's index.
        QTest::mouseClick(t->checkButton(), Qt::LeftButton);
        QCOMPARE(ScriptedEngine::calls(), QStringList{"setChecked(1,4,1)"});
        // A click on the ready tile opens it; enter and leave set the looks.
        QSignalSpy opened(t, &CYtbSecVideoLinkItem::getIn);
        enter(t);
        QVERIFY(t->hoverState() == 0 || t->hoverState() == 1);
        QCOMPARE(t->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(t->body(), Qt::LeftButton, {}, QPoint(40, 100));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toInt(), 4);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(t->body(), &leave);
        QCOMPARE(t->hoverState(), 3);
        QCOMPARE(t->cursor().shape(), Qt::ArrowCursor);
    }

    void pressFlagIsShared()
    {
        CYtbSecVideoLinkItem* first = tile(record(0, true, 0, 2), 0);
        CYtbSecVideoLinkItem* second = tile(record(1, true, 0, 2), 200);
        QSignalSpy firstOpened(first, &CYtbSecVideoLinkItem::getIn);
        QSignalSpy secondOpened(second, &CYtbSecVideoLinkItem::getIn);
        QTest::mousePress(first->body(), Qt::LeftButton, {}, QPoint(30, 100));
        QTest::mouseRelease(second->body(), Qt::LeftButton, {}, QPoint(30, 100));
        QCOMPARE(firstOpened.size(), 0);
        QCOMPARE(secondOpened.size(), 1);
        // The release cleared it: a lone release opens nothing.
        QTest::mouseRelease(second->body(), Qt::LeftButton, {}, QPoint(30, 100));
        QCOMPARE(secondOpened.size(), 1);
    }

    void thumbnailArrivingDuringAHover()
    {
        LocalHttpServer server;
        QVERIFY(server.start(true));
        QImage picture(320, 160, QImage::Format_RGB32);
        picture.fill(QColor(0, 200, 0));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        server.addFile(QStringLiteral("/thumb.png"), png, "image/png");
        const QString url = server.url(QStringLiteral("/thumb.png")).toString();

        CYtbSecVideoLinkItem* t = tile(record(2, true, 0, 2, url));
        QCursor::setPos(t->mapToGlobal(QPoint(80, 40)));
        enter(t);
        // Nothing cached yet: state 0; asking queued the download.
        QCOMPARE(t->hoverState(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!ImageDownloader::instance()->getImage(url).isNull(), 20000);
        t->setData(record(2, true, 0, 2, url));
        QCOMPARE(t->hoverState(), 1);
        QVERIFY(t->hasCachedThumbnail());
        const QImage whole = t->grab().toImage();
        // The thumbnail under the dark overlay: dimmed green.
        const QRgb c = whole.pixel(15, 15);
        QVERIFY2(qGreen(c) > qRed(c) + 20, qPrintable(QString::number(c, 16)));
    }
};

QTEST_MAIN(TestSecVideoLinkItem)
#include "tst_secvideolinkitem.moc"
