#include "function/Youtube/private/FormatChoice.h"
#include "function/Youtube/private/SelectionToTasks.h"

#include <QtTest>

using Youtube_Structure::Item;
using Youtube_Structure::List;
using Youtube_Structure::Lists;
using Youtube_Structure::Media;

// The user's ticks turned into download jobs.
class TstSelection : public QObject
{
    Q_OBJECT
private:
    static Media media(const QString& id, const QString& vcodec, const QString& acodec, const QString& ext,
                       const QString& abr = QString(), const QString& asr = QString())
    {
        Media m;
        m.formatId = id;
        m.vcodec = vcodec;
        m.acodec = acodec;
        m.ext = ext;
        m.targetExt = ext;
        m.abr = abr;
        m.asr = asr;
        return m;
    }

    // The item of the partner example: one video in mp4, one in webm, and
    // audio in m4a and opus.
    static Item partnerItem()
    {
        Item i;
        i.title = QStringLiteral("Partner: a/b");
        i.url = QStringLiteral("https://www.example.com/watch?v=1");
        i.analysed = true;
        i.medias = {media("137", "avc1", "", "mp4"), media("248", "vp9", "", "webm"),
                    media("140", "", "mp4a.40.2", "m4a", "128k", "44100"),
                    media("139", "", "mp4a.40.5", "m4a", "48k", "22050"),
                    media("251", "", "opus", "webm", "160", "48000"),
                    media("250", "", "opus", "webm", "70", "48000")};
        for (int k = 0; k < i.medias.size(); ++k)
            i.medias[k].index = k;
        i.chosenMediaIndex = 0;
        return i;
    }

    static Lists* listsOf(QVector<Item> items)
    {
        auto* lists = new Lists;
        List& l = *lists->append(List());
        for (Item& i : items)
            l.items.append(std::move(i));
        return lists;
    }

private slots:
    void partners()
    {
        const Item i = partnerItem();
        QCOMPARE(SelectionToTasks::audioPartner(i.medias.at(0), i), 2);    // mp4: the 44100 Hz m4a, opus skipped
        QCOMPARE(SelectionToTasks::audioPartner(i.medias.at(1), i), 4);    // webm: the best opus
        QCOMPARE(SelectionToTasks::audioPartner(i.medias.at(2), i), -1);   // has sound itself

        Item best;
        best.medias = {media("best", "avc1", "", "mp4")};
        QCOMPARE(SelectionToTasks::audioPartner(best.medias.at(0), best), -1);
        best.medias.append(media("140", "", "mp4a", "m4a"));
        QCOMPARE(SelectionToTasks::audioPartner(best.medias.at(0), best), -1);   // "best" asks for none

        // A language that no candidate has: the first audio format.
        Item lang = partnerItem();
        lang.audioLans.resize(2);
        lang.audioLans[1].language = QStringLiteral("de");
        lang.audioLanIndex = 1;
        QCOMPARE(SelectionToTasks::audioPartner(lang.medias.at(0), lang), 2);
        lang.medias[5].language = QStringLiteral("de");
        QCOMPARE(SelectionToTasks::audioPartner(lang.medias.at(0), lang), 2);    // opus skipped for mp4 ...
        QCOMPARE(SelectionToTasks::audioPartner(lang.medias.at(1), lang), 5);    // ... but not for webm
    }

    void selection()
    {
        Item a = partnerItem();
        a.medias[0].filesize = QStringLiteral("3000000");
        a.medias[2].filesize = QStringLiteral("1000000");
        a.medias[0].width = QStringLiteral("1920");
        a.medias[0].height = QStringLiteral("1080");
        a.subLangs = {SubLang{QStringLiteral("en"), true}, SubLang{QStringLiteral("fr"), false},
                      SubLang{QStringLiteral("de"), true}};
        a.listFolder = QStringLiteral("My list");
        a.accountUser = QStringLiteral("u");
        a.accountPassword = QStringLiteral("p");
        a.subscribeListId = QStringLiteral("L1");
        a.duration = 95;

        Item unticked = partnerItem();
        unticked.checkState = 0;
        Item skipped = partnerItem();
        skipped.status = YtbSkipped;
        Item pending = partnerItem();
        pending.analysed = false;
        Item empty = partnerItem();
        empty.medias.clear();

        // The chosen format comes last, after an mp3 entry that is left out.
        Item last = partnerItem();
        last.title = QStringLiteral("Last");
        Media mp3 = media("mp3", "", "mp3", "m4a");
        mp3.forgeMediaForMp3 = true;
        last.medias.insert(1, mp3);
        last.chosenMediaIndex = last.medias.size() - 1;

        std::unique_ptr<Lists> lists(listsOf({a, unticked, skipped, pending, empty, last}));
        const QList<DownloadItem> tasks = SelectionToTasks::selectedTasks(lists.get());
        QCOMPARE(tasks.size(), 2);

        const DownloadItem& t = tasks.at(0);
        QCOMPARE(t.title, QStringLiteral("Partner_ a_b"));
        QCOMPARE(t.url, a.url);
        QCOMPARE(t.mediaDuration, 95);
        QCOMPARE(t.duration, 95);
        QCOMPARE(t.subtitles, (QStringList{"en", "de"}));
        QCOMPARE(t.listFolder, QStringLiteral("My list"));
        QCOMPARE(t.accountUser, QStringLiteral("u"));
        QCOMPARE(t.subscribeListId, QStringLiteral("L1"));
        QCOMPARE(t.medias.size(), 6);
        QCOMPARE(t.chosenMediaIndex(), 0);
        const DownloadMedia& v = t.medias.at(0);
        QCOMPARE(v.formatID, QStringLiteral("137"));
        QCOMPARE(v.attachedFormatID, QStringLiteral("140"));
        QCOMPARE(v.attachedExt, QStringLiteral("m4a"));
        QCOMPARE(v.fullCode, QStringLiteral("null"));
        QCOMPARE(v.resolution, QStringLiteral("1920x1080"));
        QCOMPARE(v.fileSize, QStringLiteral("2.86MB"));
        QCOMPARE(v.videoSizeRatio, 0.75);
        QVERIFY(!v.isMusic);
        QCOMPARE(t.medias.at(2).fileSize, QStringLiteral("0.95MB"));
        QCOMPARE(t.medias.at(3).fileSize, QStringLiteral("N/A"));       // unknown size
        QCOMPARE(t.medias.at(3).resolution, QStringLiteral("N/A"));
        QVERIFY(t.medias.at(3).isMusic);
        QVERIFY(t.medias.at(3).attachedFormatID.isEmpty());

        const DownloadItem& l = tasks.at(1);
        QCOMPARE(l.title, QStringLiteral("Last"));
        QCOMPARE(l.medias.size(), 6);                   // the mp3 entry is left out
        QCOMPARE(l.chosenMediaIndex(), 5);
        QCOMPARE(l.medias.at(5).formatID, QStringLiteral("250"));
    }

    void noneTicked()
    {
        Item a = partnerItem();
        a.checkState = 0;
        std::unique_ptr<Lists> lists(listsOf({a}));
        QVERIFY(SelectionToTasks::selectedTasks(lists.get()).isEmpty());
        QVERIFY(SelectionToTasks::selectedTasks(nullptr).isEmpty());
    }

    void bestAudioRequest()
    {
        // A video without sound and no audio format: the downloader picks
        // the best audio itself when the first format has sound.
        Item i;
        i.analysed = true;
        i.url = QStringLiteral("https://example.com/x");
        i.medias = {media("22", "avc1", "mp4a", "mp4"), media("18", "avc1", "", "mp4")};
        i.chosenMediaIndex = 1;
        DownloadItem t;
        SelectionToTasks::fillTask(i, t);
        QCOMPARE(t.medias.at(1).attachedFormatID, QStringLiteral("ba/b"));
        QVERIFY(t.medias.at(0).attachedFormatID.isEmpty());

        // Facebook's audio is always asked for as the best.
        Item fb = partnerItem();
        fb.url = QStringLiteral("https://www.facebook.com/watch/?v=1");
        fb.audioLans.resize(1);
        fb.audioLans[0].name = QStringLiteral("English");
        DownloadItem ft;
        SelectionToTasks::fillTask(fb, ft);
        QCOMPARE(ft.medias.at(0).attachedFormatID, QStringLiteral("ba/b"));
        QCOMPARE(ft.medias.at(0).fullCode, QStringLiteral("English"));
    }

    void pickWhenNoneChosen()
    {
        Item i = partnerItem();
        i.chosenMediaIndex = -1;
        DownloadItem t;
        SelectionToTasks::fillTask(i, t);
        QCOMPARE(t.chosenMediaIndex(), FormatChoice::pick(i));
    }
};

QTEST_GUILESS_MAIN(TstSelection)
#include "tst_selection.moc"
