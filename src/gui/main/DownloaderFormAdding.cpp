// The download page takes the selection the URL analysis confirmed: rows
// within the list's limit, one kind of task at a time, recorded as
// unfinished downloads and started at once while downloads run.
#include "gui/main/DownloaderForm.h"

#include "ui_DownloaderForm.h"

#include "function/QtAV/include/VideoPlay.h"
#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"
#include "gui/main/cnorvideodlitem.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"

#include <QApplication>
#include <QDebug>
#include <QTimer>

namespace {

// The message box's buttons show their phrase with a blank on each side.
QString padded(const QString& text)
{
    return QLatin1Char(' ') + text + QLatin1Char(' ');
}

// Later, for the same reason as the selection: their tasks' start-up calls
// are still queued.
void discard(QList<CNorVideoDlItem*>& rows)
{
    for (CNorVideoDlItem* r : rows) {
        r->hide();
        r->deleteLater();
    }
    rows.clear();
}

// Every new widget posts itself a polish request, and each of a row's
// layouts a layout request that Qt compresses by scanning every event posted
// to the thread: with the rows of a long selection waiting, each row would
// cost more to build than the one before. Rows are polished in small batches
// as they are built and their requests dropped, which keeps the queue short;
// requests of other widgets dropped with them are posted again at the end.
class PolishInBatches
{
public:
    PolishInBatches() = default;
    PolishInBatches(const PolishInBatches&) = delete;
    PolishInBatches& operator=(const PolishInBatches&) = delete;

    ~PolishInBatches()
    {
        flush();
        if (!m_dropped)
            return;
        const QWidgetList all = QApplication::allWidgets();
        for (QWidget* w : all) {
            if (!w->testAttribute(Qt::WA_WState_Polished))
                QCoreApplication::postEvent(w, new QEvent(QEvent::PolishRequest));
        }
    }

    void add(QWidget* row)
    {
        m_batch.append(row);
        if (m_batch.size() == kBatch)
            flush();
    }

private:
    static constexpr int kBatch = 64;

    void flush()
    {
        if (m_batch.isEmpty())
            return;
        QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
        m_dropped = true;
        for (QWidget* w : qAsConst(m_batch))
            w->ensurePolished();
        m_batch.clear();
    }

    QList<QWidget*> m_batch;
    bool m_dropped = false;
};

QList<QUxItemBase*> asItems(const QList<CNorVideoDlItem*>& rows)
{
    QList<QUxItemBase*> out;
    out.reserve(rows.size());
    for (CNorVideoDlItem* r : rows)
        out.append(r);
    return out;
}

} // namespace

void DownloaderForm::doAfterUrlAnalysis(int result)
{
    if (result != 1)
        return;
    Youtube* engine = Youtube::instance();
    QList<DownloadItem> selection = engine->selectedDownloadItems();
    QUxListWidget* list = downloadList();
    const int before = list->count();

    if (selection.size() + before > kMaxRows) {
        const int answer = MsgDialog::showMsg(
            tr("Warning"), tr("There're more than %1 downloading tasks!").arg(kMaxRows),
            tr("We will try add as many tasks as possible, or clear the completed tasks and then add new ones."),
            padded(tr("Clean Completed And Add")), padded(tr("Add directly")), QString(),
            UIBaseData::instance()->mainPopup(), warningTitle(), 1);
        int excess = selection.size();
        if (answer == 0) {
            onMenuBtn_cleanSuccess_clicked();
            excess = list->count() + selection.size() - kMaxRows;
        } else if (answer == 1) {
            excess = selection.size() + before - kMaxRows;
        }
        // A list restored above the limit would ask to drop more than there is.
        excess = qBound(0, excess, int(selection.size()));
        selection.erase(selection.end() - excess, selection.end());
    }
    if (selection.isEmpty())
        return;

    QList<CNorVideoDlItem*> liveRows;
    QList<CNorVideoDlItem*> ordinaryRows;
    QList<DownloadItem*> liveTasks;
    QList<DownloadItem*> ordinaryTasks;
    const int building = qMin(int(selection.size()), kMaxRows);
    {
        PolishInBatches polish;
        for (int i = 0; i < building; ++i) {
            auto* r = new CNorVideoDlItem(list, selection.at(i), true);
            polish.add(r);
            if (selection.at(i).isLiveStream) {
                liveRows.append(r);
                liveTasks.append(r->downloadItem());
            } else {
                ordinaryRows.append(r);
                ordinaryTasks.append(r->downloadItem());
            }
        }
    }
    // Every task of the selection still waits for a queued start-up call;
    // freed now, each would search the whole event queue (quadratic for a
    // long selection), so they go once those calls have run.
    auto* spent = new QList<DownloadItem>;
    spent->swap(selection);
    QTimer::singleShot(0, qApp, [spent] { delete spent; });

    const bool listEmpty = list->count() == 0;
    const bool listLive = !listEmpty && row(0)->downloadItem()->isLiveStream;
    const bool conflict = (!liveRows.isEmpty() && !ordinaryRows.isEmpty()) || (!listEmpty && listLive && !ordinaryRows.isEmpty())
                          || (!listEmpty && !listLive && !liveRows.isEmpty());
    // 0 takes the live rows, 1 the ordinary ones; a closed question takes none.
    int take = liveRows.isEmpty() ? 1 : 0;
    if (conflict) {
        const int answer = MsgDialog::showMsg(
            tr("Connections Conflicted"), tr("You can only choose to add live connections file or non live connections."),
            tr("which one would you want to add?"), tr("Live"), tr("Non Live"), QString(),
            UIBaseData::instance()->mainPopup(), warningTitle(), 1);
        take = answer == 0 || answer == 1 ? answer : -1;
    }

    auto replaceList = [&] {
        engine->stopAllDownloads(true, false);
        QList<DownloadItem*> old;
        for (int i = 0; i < list->count(); ++i)
            old.append(row(i)->downloadItem());
        engine->removeDownloadingItems(old);
        list->clear();
    };
    auto record = [&](const QList<CNorVideoDlItem*>& rows, const QList<DownloadItem*>& tasks) {
        engine->addDownloadingItems(tasks);
        list->addItems(asItems(rows));
    };

    if (take == 0) {
        if (!listEmpty && !listLive)
            replaceList();
        record(liveRows, liveTasks);
        ui->downloadStacked->hide();
        discard(ordinaryRows);
    } else if (take == 1) {
        discard(liveRows);
        if (listEmpty && !conflict) {
            record(ordinaryRows, ordinaryTasks);
            ui->downloadStacked->setCurrentWidget(ui->page_download);
            ui->downloadStacked->show();
        } else if (listEmpty) {
            record(ordinaryRows, ordinaryTasks);
            ui->downloadStacked->show();
        } else if (listLive) {
            replaceList();
            record(ordinaryRows, ordinaryTasks);
            ui->downloadStacked->setCurrentWidget(ui->page_download);
            ui->downloadStacked->show();
        } else if (!ordinaryRows.isEmpty()) {
            record(ordinaryRows, ordinaryTasks);
            ui->downloadStacked->show();
            if (ui->downloadStacked->currentWidget() == ui->page_stop && !ordinaryTasks.isEmpty()) {
                qDebug() << "is run add new source";
                engine->startDownload(ordinaryTasks);
            }
        }
    } else {
        discard(liveRows);
        discard(ordinaryRows);
    }

    // A closed question over an empty list leaves nothing to show.
    if (list->count() > 0) {
        list->selectLast(false);
        ui->stackedWidget->setCurrentIndex(1);
    }
}
