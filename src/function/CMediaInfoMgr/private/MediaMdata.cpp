#include "function/CMediaInfoMgr/private/MediaMdata.h"

#include "function/CMediaInfoMgr/private/MediaInfoLibrary.h"

#include <QDebug>
#include <QFileInfo>
#include <QMutexLocker>

MediaMetadata::MediaMetadata(const MediaMetadata& other)
    : title(other.title)
    , performer(other.performer)
    , album(other.album)
    , genre(other.genre)
    , description(other.description)
    , lyrics(other.lyrics)
    , flag1(other.flag1)
    , flag2(other.flag2)
    , flag3(other.flag3)
    , flag4(other.flag4)
{
}

MediaMetadata& MediaMetadata::operator=(const MediaMetadata& other)
{
    if (this != &other) {
        title = other.title;
        performer = other.performer;
        album = other.album;
        genre = other.genre;
        description = other.description;
        lyrics = other.lyrics;
        flag1 = other.flag1;
        flag2 = other.flag2;
        flag3 = other.flag3;
        flag4 = other.flag4;
    }
    return *this;
}

MediaMdata::MediaMdata(QObject* parent)
    : QThread(parent)
{
    qRegisterMetaType<MediaMetadata>("MediaMetadata");
    connect(this, &MediaMdata::doCurInfoFinished, &m_loop, &QEventLoop::quit, Qt::QueuedConnection);
}

MediaMdata::~MediaMdata()
{
    {
        QMutexLocker locker(&m_mutex);
        m_stop = true;
    }
    wait();
}

void MediaMdata::startLocked()
{
    if (m_running || m_stop)
        return;
    m_running = true;
    // A run that has just decided to end is still returning: let it go
    // first, so that this start is not lost.
    m_mutex.unlock();
    wait();
    start(QThread::InheritPriority);
    m_mutex.lock();
}

void MediaMdata::open(const QString& path)
{
    QMutexLocker locker(&m_mutex);
    m_queue.append(path);
    startLocked();
}

bool MediaMdata::openAndWait(const QString& path)
{
    const QString key = path;
    {
        QMutexLocker locker(&m_mutex);
        if (m_cache.contains(key))
            return true;
        if (m_stop)
            return false;
        m_queue.append(key);
        m_current = key;
        m_notify = true;
        startLocked();
    }
    m_loop.exec();
    QMutexLocker locker(&m_mutex);
    m_notify = false;
    return m_cache.contains(key);
}

void MediaMdata::stop()
{
    {
        QMutexLocker locker(&m_mutex);
        m_stop = true;
    }
    // A waiting caller is not left waiting for a file that will not come.
    QMetaObject::invokeMethod(&m_loop, "quit", Qt::QueuedConnection);
}

bool MediaMdata::cachedReport(const QString& path, MediaInfoReport* report) const
{
    QMutexLocker locker(&m_mutex);
    const auto it = m_cache.constFind(path);
    if (it == m_cache.constEnd())
        return false;
    if (report)
        *report = it.value();
    return true;
}

void MediaMdata::run()
{
    qDebug() << "Thread Test: MediaMdata start";
    for (;;) {
        QString path;
        bool wasCurrent = false;
        bool notify = false;
        {
            QMutexLocker locker(&m_mutex);
            // The end is decided under the lock, so a path queued now
            // either is taken here or starts a new run.
            if (m_queue.isEmpty() || m_stop) {
                m_running = false;
                break;
            }
            if (!m_current.isEmpty()) {
                path = m_current;
                m_queue.removeOne(path);
            } else {
                path = m_queue.takeFirst();
            }
            // Linux paths are taken as given: a backslash is a name character.
            if (m_cache.contains(path)) {
                // Already read: a caller waiting for it is released at once.
                if (path == m_current) {
                    m_current.clear();
                    notify = m_notify;
                }
                if (notify) {
                    locker.unlock();
                    emit doCurInfoFinished();
                }
                continue;
            }
        }
        const MediaInfoReport report = readReport(path);
        {
            QMutexLocker locker(&m_mutex);
            m_cache.insert(path, report);
            if (path == m_current) {
                m_current.clear();
                wasCurrent = true;
                notify = m_notify;
            }
        }
        if (wasCurrent && notify)
            emit doCurInfoFinished();
        emit doMetaDataFinished(path, makeMetadata(path, report, -1));
    }
    qDebug() << "Thread Test: MediaMdata end";
}

MediaInfoReport MediaMdata::readReport(const QString& path)
{
    // Only regular files reach the library: a FIFO would block it.
    const QFileInfo info(path);
    QString text;
    if (info.isFile() || !MediaInfoLibrary::load())
        text = MediaInfoLibrary::inform(path);
    return parseReport(text, path);
}

MediaInfoReport MediaMdata::parseReport(const QString& text, const QString& path)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();     // nothing follows a final line end
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        // The library pads keys with spaces up to the separator.
        const int sep = line.indexOf(QLatin1String(": "));
        if (sep > 0 && line.left(sep).trimmed() == QLatin1String("Complete name"))
            line = QStringLiteral("Complete name: %1").arg(path);
    }
    auto trimmedEnd = [](QString s) {
        int n = s.size();
        while (n > 0 && s.at(n - 1).isSpace())
            --n;
        s.truncate(n);
        return s;
    };
    MediaInfoReport report;
    int i = 0;
    while (i < lines.size()) {
        const QString name = lines.at(i++);
        if (name.isEmpty())
            break;
        MediaInfoSection section;
        section.name = name;
        while (i < lines.size()) {
            const QString line = lines.at(i++);
            if (line.isEmpty())
                break;
            MediaInfoEntry entry;
            const int sep = line.indexOf(QLatin1String(": "));
            entry.key = trimmedEnd(sep < 0 ? line : line.left(sep));
            entry.value = sep < 0 ? QString() : trimmedEnd(line.mid(sep + 2));
            section.entries.append(entry);
        }
        report.append(section);
    }
    return report;
}

QString MediaMdata::reportValue(const MediaInfoReport& report, const QString& section, const QString& key)
{
    const QString s = section.toLower();
    const QString k = key.toLower();
    for (const MediaInfoSection& sec : report) {
        if (sec.name.toLower() != s)
            continue;
        for (const MediaInfoEntry& e : sec.entries) {
            if (e.key.toLower() == k)
                return e.value;
        }
    }
    return QString();
}

MediaMetadata MediaMdata::makeMetadata(const QString& path, const MediaInfoReport& report, int videoIndex)
{
    const QString general = QStringLiteral("General");
    auto first = [&](std::initializer_list<const char*> keys) {
        for (const char* k : keys) {
            const QString v = reportValue(report, general, QLatin1String(k));
            if (!v.isEmpty())
                return v;
        }
        return QString();
    };
    MediaMetadata m;
    m.performer = first({"Performer"});
    m.album = first({"Album"});
    m.genre = first({"Genre"});
    m.lyrics = first({"Lyrics", "USLT", "SYLT"});
    m.description = first({"Description", "Comment"});
    m.title = first({"Track name", "Movie name"});
    if (m.title.isEmpty())
        m.title = QFileInfo(path).completeBaseName();
    if (videoIndex != -1) {
        const QString t = reportValue(report, QStringLiteral("Video #%1").arg(videoIndex + 1), QStringLiteral("Title"));
        if (!t.isEmpty())
            m.title = t;
    }
    return m;
}
