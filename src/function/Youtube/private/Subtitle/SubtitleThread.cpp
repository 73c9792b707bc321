#include "function/Youtube/private/Subtitle/SubtitleThread.h"

#include "function/Youtube/private/Subtitle/SubtitleAnalyser.h"

#include <QDebug>
#include <QTimer>
#include <mutex>

SubtitleThread::SubtitleThread(QObject* parent) : FencedThread(parent)
{
    qRegisterMetaType<Youtube_Structure::Item*>("Youtube_Structure::Item*");
}

SubtitleThread::~SubtitleThread()
{
    stop();
    {
        std::unique_lock l(m_lock);
        m_shuttingDown = true;
        if (m_context)
            QMetaObject::invokeMethod(m_context, [this] { quit(); }, Qt::QueuedConnection);
    }
    wait();
}

QList<Youtube_Structure::Item*> SubtitleThread::queuedItems() const
{
    std::unique_lock l(m_lock);
    QList<Youtube_Structure::Item*> items;
    for (const Entry& e : m_queue)
        items.append(e.item);
    return items;
}

int SubtitleThread::queuedCount() const
{
    std::unique_lock l(m_lock);
    return m_queue.size();
}

int SubtitleThread::runningCount() const
{
    std::unique_lock l(m_lock);
    return m_running.size();
}

void SubtitleThread::addItem(Youtube_Structure::Item* item)
{
    if (!item)
        return;
    if (!item->subLangs.isEmpty()) {
        m_pendingKnown = item;
        std::unique_lock l(m_lock);
        m_pendingGeneration = m_generation;
        l.unlock();
        QTimer::singleShot(kKnownAnswerDelayMs, this, &SubtitleThread::onTrickSubtitleReady);
        return;
    }

    bool needStart = false;
    {
        std::unique_lock l(m_lock);
        int at = -1;
        for (int i = 0; i < m_queue.size(); ++i)
            if (m_queue.at(i).item == item) {
                at = i;
                break;
            }
        if (at > 0) {
            m_queue.swapItemsAt(0, at);
        } else if (at < 0 && !isRunningLocked(item)) {
            m_queue.append(Entry{item, item->url, m_generation});
            item->searchingSubtitles = true;
        }
        if (!m_alive) {
            m_alive = true;
            needStart = true;
        } else if (m_context) {
            QMetaObject::invokeMethod(m_context, [this] { dispatch(); }, Qt::QueuedConnection);
        }
    }
    if (needStart) {
        // A loop that has just decided to end is returning; let it.
        if (isRunning())
            wait();
        start(QThread::InheritPriority);
    }
}

void SubtitleThread::stop()
{
    std::unique_lock l(m_lock);
    for (const Entry& e : qAsConst(m_queue))
        e.item->searchingSubtitles = false;
    for (const Entry& e : qAsConst(m_running))
        if (e.generation == m_generation)
            e.item->searchingSubtitles = false;
    m_queue.clear();
    ++m_generation;               // answers still on their way are dropped
    m_pendingKnown = nullptr;
    if (m_context) {
        QMetaObject::invokeMethod(m_context, [this] {
            for (SubtitleAnalyser* a : qAsConst(m_analysers))
                if (a->isRunning())
                    a->closeProcess(false);
        }, Qt::QueuedConnection);
    }
    requestInterruption();
}

void SubtitleThread::onTrickSubtitleReady()
{
    Youtube_Structure::Item* item = m_pendingKnown;
    m_pendingKnown = nullptr;
    std::unique_lock l(m_lock);
    const bool current = m_pendingGeneration == m_generation;
    l.unlock();
    if (item && current)
        emit doFinished(item);
}

void SubtitleThread::onSubtitleReady(Youtube_Structure::Item* item, bool sendOutput, QStringList languages,
                                     quint64 generation)
{
    {
        std::unique_lock l(m_lock);
        if (generation != m_generation)
            return;               // asked before a stop: the record may be gone
    }
    item->searchingSubtitles = false;
    if (!sendOutput)
        return;
    for (const QString& code : qAsConst(languages))
        item->subLangs.append(SubLang{code, false});
    emit doFinished(item);
}

SubtitleAnalyser* SubtitleThread::freeAnalyser()
{
    for (SubtitleAnalyser* a : qAsConst(m_analysers))
        if (!a->isRunning())
            return a;
    if (m_analysers.size() >= kMaxAnalysers)
        return nullptr;
    auto* a = new SubtitleAnalyser(m_context);
    connect(a, &SubtitleAnalyser::doFinished, this, &SubtitleThread::onSubtitleReady, Qt::QueuedConnection);
    connect(a, &SubtitleAnalyser::doFinished, m_context,
            [this](Youtube_Structure::Item* item, bool, const QStringList&, quint64 generation) {
                listingEnded(item, generation);
            },
            Qt::DirectConnection);
    m_analysers.append(a);
    return a;
}

bool SubtitleThread::isRunningLocked(Youtube_Structure::Item* item) const
{
    // Listings asked before a stop are not this video's, whatever its address.
    for (const Entry& e : m_running)
        if (e.item == item && e.generation == m_generation)
            return true;
    return false;
}

void SubtitleThread::listingEnded(Youtube_Structure::Item* item, quint64 generation)
{
    {
        std::unique_lock l(m_lock);
        for (int i = 0; i < m_running.size(); ++i)
            if (m_running.at(i).item == item && m_running.at(i).generation == generation) {
                m_running.removeAt(i);
                break;
            }
    }
    dispatch();
}

bool SubtitleThread::dispatch()
{
    for (;;) {
        std::unique_lock l(m_lock);
        if (m_queue.isEmpty()) {
            bool busy = false;
            for (SubtitleAnalyser* a : qAsConst(m_analysers))
                busy = busy || a->isRunning();
            if (m_running.isEmpty() && !busy) {
                // Decided under the lock: a request from now on starts the
                // thread again.
                m_alive = false;
                l.unlock();
                quit();
                return true;
            }
            return false;
        }
        // With every analyser busy the video stays queued until one is free.
        SubtitleAnalyser* a = freeAnalyser();
        if (!a)
            return false;
        const Entry e = m_queue.takeFirst();
        m_running.append(e);
        l.unlock();
        a->analyseSubtitles(e.item, e.url, e.generation);
    }
}

void SubtitleThread::run()
{
    const RunFence fence(this);
    qDebug() << "Thread Test: SubtitleThread start";
    QObject context;
    {
        std::unique_lock l(m_lock);
        m_context = &context;
    }
    // A quit() before exec() would be lost: the loop runs only when this
    // first pass did not end the thread and no shut-down has begun (the
    // destructor posts its quit to the context once it exists).
    bool run = !dispatch();
    {
        std::unique_lock l(m_lock);
        run = run && !m_shuttingDown;
    }
    if (run)
        exec();
    // Leaving: close whatever still runs (destruction), then forget the pool.
    {
        std::unique_lock l(m_lock);
        m_context = nullptr;
        m_running.clear();
    }
    qDeleteAll(m_analysers);
    m_analysers.clear();
    qDebug() << "Thread Test: SubtitleThread end";
}
