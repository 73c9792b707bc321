#include "shell/ZipExtract.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QVector>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include <minizip/unzip.h>

namespace {

const int kReadChunk = 16384;
// Longest path we hand to the file system (PATH_MAX without the terminator).
const int kMaxPath = 4095;
const qint64 kFileTimeEpochOffset = 116444736000000000LL;   // 1601 -> 1970 in 100 ns

std::atomic<quint32> g_lastResult{0};

quint32 setResult(quint32 code)
{
    g_lastResult = code;
    return code;
}

// What the core reads through our file functions.
struct ZipSource
{
    bool isMemory = false;
    // descriptor source
    int fd = -1;
    bool ownsFd = false;
    bool seekable = false;
    qint64 start = 0;
    bool error = false;
    // memory source
    const uchar* mem = nullptr;
    qint64 length = 0;
    qint64 pos = 0;
};

voidpf ZCALLBACK srcOpen(voidpf opaque, const void*, int)
{
    return opaque;
}

uLong ZCALLBACK srcRead(voidpf, voidpf stream, void* buf, uLong size)
{
    auto* s = static_cast<ZipSource*>(stream);
    if (s->isMemory) {
        const qint64 n = qMin<qint64>(qint64(size), s->length - s->pos);
        if (n <= 0)
            return 0;
        memcpy(buf, s->mem + s->pos, size_t(n));
        s->pos += n;
        return uLong(n);
    }
    uLong done = 0;
    while (done < size) {
        const ssize_t n = ::read(s->fd, static_cast<char*>(buf) + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            s->error = true;
            break;
        }
        if (n == 0)
            break;
        done += uLong(n);
    }
    return done;
}

uLong ZCALLBACK srcWrite(voidpf, voidpf, const void*, uLong)
{
    return 0;   // reading only
}

ZPOS64_T ZCALLBACK srcTell(voidpf, voidpf stream)
{
    auto* s = static_cast<ZipSource*>(stream);
    if (s->isMemory)
        return ZPOS64_T(s->pos);
    const off_t p = ::lseek(s->fd, 0, SEEK_CUR);
    if (p < 0) {
        s->error = true;
        return ZPOS64_T(-1);
    }
    return ZPOS64_T(p - s->start);
}

long ZCALLBACK srcSeek(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto* s = static_cast<ZipSource*>(stream);
    if (s->isMemory) {
        qint64 base = 0;
        switch (origin) {
        case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
        case ZLIB_FILEFUNC_SEEK_CUR: base = s->pos; break;
        case ZLIB_FILEFUNC_SEEK_END: base = s->length; break;
        default: return -1;
        }
        const qint64 target = base + qint64(offset);
        if (target < 0 || target > s->length)
            return -1;
        s->pos = target;
        return 0;
    }
    if (!s->seekable)
        return -1;
    off_t r = -1;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: r = ::lseek(s->fd, off_t(s->start + qint64(offset)), SEEK_SET); break;
    case ZLIB_FILEFUNC_SEEK_CUR: r = ::lseek(s->fd, off_t(offset), SEEK_CUR); break;
    case ZLIB_FILEFUNC_SEEK_END: r = ::lseek(s->fd, off_t(offset), SEEK_END); break;
    default: return -1;
    }
    return r < 0 ? -1 : 0;
}

int ZCALLBACK srcClose(voidpf, voidpf)
{
    return 0;   // the handle closes what it opened
}

int ZCALLBACK srcError(voidpf, voidpf stream)
{
    return static_cast<ZipSource*>(stream)->error ? 1 : 0;
}

bool writeAll(int fd, const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

qint64 fileTimeFromSecs(qint64 secs)
{
    return (secs + 11644473600LL) * 10000000LL;
}

QDateTime dateTimeFromFileTime(qint64 ft)
{
    return QDateTime::fromMSecsSinceEpoch((ft - kFileTimeEpochOffset) / 10000, Qt::UTC);
}

quint16 le16(const uchar* p) { return quint16(p[0] | (p[1] << 8)); }
qint32 le32s(const uchar* p) { return qint32(quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24)); }

bool isAbsoluteTarget(const QString& name)
{
    return name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\'));
}

// Makes every folder of rel below base, replacing (never following) a link
// or a file that stands where a folder must be.
bool makeFolderChain(const QString& base, const QString& rel)
{
    if (!base.isEmpty() && !QFileInfo(base).isDir() && !QDir().mkpath(base))
        return false;
    QString path = base;
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        path += parts.at(i);
        if (path.size() > kMaxPath)
            return false;
        const QFileInfo fi(path);
        if (fi.isSymLink() || (fi.exists() && !fi.isDir())) {
            if (!QFile::remove(path))
                return false;
        }
        if (!QFileInfo(path).isDir() && !QDir().mkdir(path))
            return false;
        path += QLatin1Char('/');
    }
    return true;
}

} // namespace

struct ZipArchiveHandle
{
    bool unzipMode = true;
    unzFile uf = nullptr;
    ZipSource src;
    QVector<unz64_file_pos> positions;
    int openIndex = -1;
    int cachedIndex = -1;
    ZipEntryInfo cached;
    QString baseFolder;
    QByteArray password;
    bool hasPassword = false;
    QByteArray buffer;
    qint64 lastMemoryCount = 0;
};

QString zipCleanEntryName(const QString& name)
{
    QString s = name;
    QStringList kept;
    const QStringList parts = s.split(QRegularExpression(QStringLiteral("[\\\\/]")));
    bool leading = true;
    for (QString part : parts) {
        // A drive prefix ("C:") only counts at the start of the name.
        if (leading) {
            while (part.size() >= 2 && part.at(1) == QLatin1Char(':'))
                part.remove(0, 2);
        }
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        leading = false;
        if (part == QLatin1String("..")) {
            kept.clear();
            leading = true;
            continue;
        }
        kept.append(part);
    }
    return kept.join(QLatin1Char('/'));
}

namespace {

void closeOpenEntry(ZipArchiveHandle* h)
{
    if (h->openIndex >= 0) {
        unzCloseCurrentFile(h->uf);
        h->openIndex = -1;
    }
}

quint32 checkHandle(ZipArchiveHandle* h)
{
    if (!h)
        return ZIP_ERR_ARGS;
    if (!h->unzipMode)
        return ZIP_ERR_MODE;
    return ZIP_OK;
}

ZipArchiveHandle* openWith(ZipSource src, const char* password)
{
    auto* h = new ZipArchiveHandle;
    h->src = src;
    h->baseFolder = QDir::currentPath() + QLatin1Char('/');
    zlib_filefunc64_def ff;
    memset(&ff, 0, sizeof ff);
    ff.zopen64_file = srcOpen;
    ff.zread_file = srcRead;
    ff.zwrite_file = srcWrite;
    ff.ztell64_file = srcTell;
    ff.zseek64_file = srcSeek;
    ff.zclose_file = srcClose;
    ff.zerror_file = srcError;
    ff.opaque = &h->src;
    static const char kPathTag[] = "zip";
    h->uf = unzOpen2_64(kPathTag, &ff);
    if (!h->uf) {
        if (h->src.ownsFd)
            ::close(h->src.fd);
        delete h;
        setResult(ZIP_ERR_OPEN);
        return nullptr;
    }
    // Remember where each entry starts, so that any index is reached directly.
    int rc = unzGoToFirstFile(h->uf);
    while (rc == UNZ_OK) {
        unz64_file_pos pos;
        if (unzGetFilePos64(h->uf, &pos) != UNZ_OK)
            break;
        h->positions.append(pos);
        rc = unzGoToNextFile(h->uf);
    }
    if (rc != UNZ_END_OF_LIST_OF_FILE && rc != UNZ_OK) {
        unzClose(h->uf);
        if (h->src.ownsFd)
            ::close(h->src.fd);
        delete h;
        setResult(ZIP_ERR_OPEN);
        return nullptr;
    }
    if (password) {
        h->password = QByteArray(password);
        h->hasPassword = true;
    }
    setResult(ZIP_OK);
    return h;
}

} // namespace

ZipArchiveHandle* zipOpen(const void* source, qint64 length, int kind, const char* password)
{
    if (!source) {
        setResult(ZIP_ERR_ARGS);
        return nullptr;
    }
    switch (kind) {
    case ZIP_KIND_HANDLE:
        return zipOpenHandle(*static_cast<const int*>(source), password);
    case ZIP_KIND_FILE:
        return zipOpenFile(*static_cast<const QString*>(source), password);
    case ZIP_KIND_MEMORY:
        return zipOpenMemory(source, length, password);
    default:
        setResult(ZIP_ERR_ARGS);
        return nullptr;
    }
}

ZipArchiveHandle* zipOpenFile(const QString& fileName, const char* password)
{
    const QByteArray path = QFile::encodeName(fileName);
    if (fileName.isEmpty() || path.size() > kMaxPath || QFileInfo(fileName).isDir()) {
        setResult(ZIP_ERR_OPEN);
        return nullptr;
    }
    ZipSource src;
    src.fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (src.fd < 0) {
        setResult(ZIP_ERR_OPEN);
        return nullptr;
    }
    src.ownsFd = true;
    src.seekable = ::lseek(src.fd, 0, SEEK_CUR) >= 0;
    return openWith(src, password);
}

ZipArchiveHandle* zipOpenHandle(int fd, const char* password)
{
    if (fd < 0) {
        setResult(ZIP_ERR_ARGS);
        return nullptr;
    }
    ZipSource src;
    src.fd = fd;
    const off_t p = ::lseek(fd, 0, SEEK_CUR);
    if (p < 0) {
        setResult(ZIP_ERR_SEEK);
        return nullptr;
    }
    src.start = p;
    src.seekable = true;
    return openWith(src, password);
}

ZipArchiveHandle* zipOpenMemory(const void* data, qint64 length, const char* password)
{
    if (!data || length < 0) {
        setResult(ZIP_ERR_ARGS);
        return nullptr;
    }
    ZipSource src;
    src.isMemory = true;
    src.mem = static_cast<const uchar*>(data);
    src.length = length;
    return openWith(src, password);
}

quint32 zipSetBaseFolder(ZipArchiveHandle* handle, const QString& folder)
{
    if (const quint32 rc = checkHandle(handle))
        return setResult(rc);
    QString f = QDir::fromNativeSeparators(folder);
    if (f.size() > kMaxPath)
        return setResult(ZIP_ERR_ARGS);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    handle->baseFolder = f;
    return setResult(ZIP_OK);
}

quint32 zipGetEntry(ZipArchiveHandle* handle, int index, ZipEntryInfo* info)
{
    if (info)
        *info = ZipEntryInfo();
    if (const quint32 rc = checkHandle(handle))
        return setResult(rc);
    if (!info || index < -1 || index >= handle->positions.size())
        return setResult(ZIP_ERR_ARGS);
    closeOpenEntry(handle);
    if (index == -1) {
        info->index = handle->positions.size();
        return setResult(ZIP_OK);
    }
    if (index == handle->cachedIndex) {
        *info = handle->cached;
        return setResult(ZIP_OK);
    }
    unz64_file_pos pos = handle->positions.at(index);
    if (unzGoToFilePos64(handle->uf, &pos) != UNZ_OK)
        return setResult(ZIP_ERR_READ);
    unz_file_info64 fi;
    QByteArray rawName(65536, '\0');
    if (unzGetCurrentFileInfo64(handle->uf, &fi, rawName.data(), uLong(rawName.size()), nullptr, 0, nullptr, 0) != UNZ_OK)
        return setResult(ZIP_ERR_READ);
    rawName.truncate(int(qMin<uLong>(fi.size_filename, uLong(rawName.size()))));

    // Opening the entry raw checks its local header and gives its extra field.
    if (unzOpenCurrentFile2(handle->uf, nullptr, nullptr, 1) != UNZ_OK)
        return setResult(ZIP_ERR_HEADER);
    QByteArray extra;
    const int extraSize = unzGetLocalExtrafield(handle->uf, nullptr, 0);
    if (extraSize < 0 || (!handle->src.isMemory && !handle->src.seekable)) {
        unzCloseCurrentFile(handle->uf);
        return setResult(ZIP_ERR_READ);
    }
    if (extraSize > 0) {
        extra.resize(extraSize);
        if (unzGetLocalExtrafield(handle->uf, extra.data(), unsigned(extraSize)) != extraSize) {
            unzCloseCurrentFile(handle->uf);
            return setResult(ZIP_ERR_READ);
        }
    }
    unzCloseCurrentFile(handle->uf);

    ZipEntryInfo e;
    e.index = index;
    e.name = zipCleanEntryName(QString::fromUtf8(rawName));

    const int host = int((fi.version >> 8) & 0xff);
    const quint32 ext = quint32(fi.external_fa);
    if (host == 0 || host == 7 || host == 11 || host == 14) {
        e.attributes = ext & (ZIP_ATTR_READONLY | ZIP_ATTR_HIDDEN | ZIP_ATTR_SYSTEM | ZIP_ATTR_DIRECTORY | ZIP_ATTR_ARCHIVE);
    } else {
        e.attributes = ZIP_ATTR_ARCHIVE;
        if (ext & (1u << 30))
            e.attributes |= ZIP_ATTR_DIRECTORY;
        if (!(ext & (1u << 23)))
            e.attributes |= ZIP_ATTR_READONLY;
    }
    // Every zip tool treats a name ending in a separator as a folder.
    if (rawName.endsWith('/') || rawName.endsWith('\\'))
        e.attributes |= ZIP_ATTR_DIRECTORY;

    const tm_unz& t = fi.tmu_date;
    const QDateTime dosTime(QDate(int(t.tm_year), int(t.tm_mon) + 1, int(t.tm_mday)),
                            QTime(int(t.tm_hour), int(t.tm_min), int(t.tm_sec)), Qt::LocalTime);
    const qint64 dosFileTime = dosTime.isValid()
                                   ? dosTime.toMSecsSinceEpoch() * 10000 + kFileTimeEpochOffset
                                   : kFileTimeEpochOffset;
    e.accessTime = e.creationTime = e.modificationTime = dosFileTime;

    // Extra blocks: two-byte id, two-byte size, data; each bound-checked.
    const auto* p = reinterpret_cast<const uchar*>(extra.constData());
    int off = 0;
    while (extra.size() - off > 4) {
        const quint16 id = le16(p + off);
        const int size = le16(p + off + 2);
        const int data = off + 4;
        if (data + size > extra.size())
            break;
        if (p[off] == 'U' && p[off + 1] == 'T' && size >= 1) {
            Q_UNUSED(id);
            const quint8 flags = p[data];
            int q = data + 1;
            const int end = data + size;
            if ((flags & 1) && q + 4 <= end) {
                e.modificationTime = fileTimeFromSecs(le32s(p + q));
                q += 4;
            }
            if ((flags & 2) && q + 4 <= end) {
                e.accessTime = fileTimeFromSecs(le32s(p + q));
                q += 4;
            }
            if ((flags & 4) && q + 4 <= end)
                e.creationTime = fileTimeFromSecs(le32s(p + q));
            break;
        }
        off = data + size;
    }

    e.compressedSize = qint64(fi.compressed_size);
    e.uncompressedSize = qint64(fi.uncompressed_size);
    handle->cached = e;
    handle->cachedIndex = index;
    *info = e;
    return setResult(ZIP_OK);
}

namespace {

quint32 openEntryForReading(ZipArchiveHandle* h, int index)
{
    unz64_file_pos pos = h->positions.at(index);
    if (unzGoToFilePos64(h->uf, &pos) != UNZ_OK)
        return ZIP_ERR_READ;
    const int rc = unzOpenCurrentFilePassword(h->uf, h->hasPassword ? h->password.constData() : nullptr);
    if (rc == UNZ_BADZIPFILE)
        return ZIP_ERR_HEADER;
    if (rc != UNZ_OK)
        return ZIP_ERR_DATA;
    h->openIndex = index;
    if (h->buffer.isEmpty())
        h->buffer.resize(kReadChunk);
    return ZIP_OK;
}

// Reads the open entry to its end, handing each piece to sink. The
// core's CRC check at the end catches corrupt data.
template <typename Sink>
quint32 copyEntry(ZipArchiveHandle* h, Sink sink)
{
    for (;;) {
        const int n = unzReadCurrentFile(h->uf, h->buffer.data(), unsigned(h->buffer.size()));
        if (n < 0) {
            closeOpenEntry(h);
            // The core answers a wrong password with a data error; an
            // encrypted entry read with a password that fails is reported so.
            return h->hasPassword ? ZIP_ERR_PASSWORD : ZIP_ERR_DATA;
        }
        if (n == 0) {
            const bool atEnd = unzeof(h->uf) == 1;
            const int rc = unzCloseCurrentFile(h->uf);
            h->openIndex = -1;
            if (!atEnd || rc != UNZ_OK)
                return ZIP_ERR_DATA;
            return ZIP_OK;
        }
        if (!sink(h->buffer.constData(), n)) {
            closeOpenEntry(h);
            return ZIP_ERR_WRITE;
        }
    }
}

} // namespace

quint32 zipExtractEntry(ZipArchiveHandle* handle, int index, void* target, qint64 length, int kind)
{
    if (const quint32 rc = checkHandle(handle))
        return setResult(rc);
    if (index < 0 || index >= handle->positions.size() || !target)
        return setResult(ZIP_ERR_ARGS);

    if (kind == ZIP_KIND_MEMORY) {
        handle->lastMemoryCount = 0;
        if (handle->openIndex != index) {
            closeOpenEntry(handle);
            if (const quint32 rc = openEntryForReading(handle, index))
                return setResult(rc);
        }
        char* out = static_cast<char*>(target);
        qint64 filled = 0;
        while (filled < length) {
            const int n = unzReadCurrentFile(handle->uf, out + filled, unsigned(qMin<qint64>(length - filled, 1 << 30)));
            if (n < 0) {
                closeOpenEntry(handle);
                return setResult(handle->hasPassword ? ZIP_ERR_PASSWORD : ZIP_ERR_DATA);
            }
            if (n == 0)
                break;
            filled += n;
        }
        handle->lastMemoryCount = filled;
        if (unzeof(handle->uf) == 1) {
            const int rc = unzCloseCurrentFile(handle->uf);
            handle->openIndex = -1;
            return setResult(rc == UNZ_OK ? ZIP_OK : ZIP_ERR_DATA);
        }
        if (filled == 0) {
            closeOpenEntry(handle);
            return setResult(ZIP_ERR_DATA);
        }
        return setResult(ZIP_MORE);
    }
    if (kind != ZIP_KIND_HANDLE && kind != ZIP_KIND_FILE)
        return setResult(ZIP_ERR_ARGS);

    closeOpenEntry(handle);
    ZipEntryInfo info;
    if (const quint32 rc = zipGetEntry(handle, index, &info))
        return setResult(rc);
    const bool isDir = info.attributes & ZIP_ATTR_DIRECTORY;

    if (kind == ZIP_KIND_HANDLE) {
        if (isDir)
            return setResult(ZIP_OK);
        const int fd = *static_cast<const int*>(target);
        if (const quint32 rc = openEntryForReading(handle, index))
            return setResult(rc);
        return setResult(copyEntry(handle, [fd](const char* d, int n) { return writeAll(fd, d, n); }));
    }

    // A file name: relative names are cleaned again, so that nothing
    // handed in can climb out of the base folder.
    QString name = QDir::fromNativeSeparators(*static_cast<const QString*>(target));
    QString base;
    if (isAbsoluteTarget(name)) {
        name = QDir::cleanPath(name);
    } else {
        name = zipCleanEntryName(name);
        base = handle->baseFolder;
        if (name.isEmpty())
            return setResult(isDir ? ZIP_OK : ZIP_ERR_OPEN);
    }
    if (isDir) {
        const bool ok = base.isEmpty() ? QDir().mkpath(name) : makeFolderChain(base, name);
        return setResult(ok ? ZIP_OK : ZIP_ERR_OPEN);
    }
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    const QString folderPart = slash >= 0 ? name.left(slash) : QString();
    const QString path = base + name;
    if (QFile::encodeName(path).size() > kMaxPath)
        return setResult(ZIP_ERR_OPEN);
    if (base.isEmpty()) {
        if (!folderPart.isEmpty() && !QDir().mkpath(folderPart))
            return setResult(ZIP_ERR_OPEN);
    } else if (!makeFolderChain(base, folderPart)) {
        return setResult(ZIP_ERR_OPEN);
    }

    // Replace what stands there (a read-only file of an earlier run, or a
    // link, which is removed rather than followed), then create anew.
    const QFileInfo existing(path);
    if (existing.isSymLink() || existing.exists()) {
        if (existing.isDir() && !existing.isSymLink())
            return setResult(ZIP_ERR_OPEN);
        if (!QFile::remove(path))
            return setResult(ZIP_ERR_OPEN);
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return setResult(ZIP_ERR_OPEN);

    quint32 rc = openEntryForReading(handle, index);
    if (rc == ZIP_OK)
        rc = copyEntry(handle, [&out](const char* d, int n) { return out.write(d, n) == n; });
    if (rc == ZIP_OK && !out.flush())
        rc = ZIP_ERR_WRITE;
    if (rc != ZIP_OK) {
        // A half-written file would pass for a good one later.
        out.remove();
        return setResult(rc);
    }
    // Creation time cannot be set on this platform.
    out.setFileTime(dateTimeFromFileTime(info.accessTime), QFileDevice::FileAccessTime);
    out.setFileTime(dateTimeFromFileTime(info.modificationTime), QFileDevice::FileModificationTime);
    out.close();
    if (info.attributes & ZIP_ATTR_READONLY) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup
                                        | QFileDevice::ReadOther);
    }
    return setResult(ZIP_OK);
}

quint32 zipExtractEntryToFile(ZipArchiveHandle* handle, int index, const QString& fileName)
{
    QString name = fileName;
    return zipExtractEntry(handle, index, &name, 0, ZIP_KIND_FILE);
}

qint64 zipLastMemoryCount(const ZipArchiveHandle* handle)
{
    return handle ? handle->lastMemoryCount : 0;
}

quint32 zipClose(ZipArchiveHandle* handle)
{
    if (const quint32 rc = checkHandle(handle))
        return setResult(rc);
    closeOpenEntry(handle);
    unzClose(handle->uf);
    if (handle->src.ownsFd)
        ::close(handle->src.fd);
    delete handle;
    return setResult(ZIP_OK);
}

quint32 zipLastResult()
{
    return g_lastResult;
}

bool extractZip(const QString& zipFile, const QString& destDir)
{
    if (zipFile.size() > kMaxPath || destDir.isEmpty() || destDir.size() > kMaxPath) {
        qWarning() << "extractZip: path too long or empty:" << zipFile << destDir;
        return false;
    }
    ZipArchiveHandle* h = zipOpenFile(QDir::fromNativeSeparators(zipFile));
    if (!h) {
        qWarning() << "extractZip: cannot open" << zipFile;
        return false;
    }
    zipSetBaseFolder(h, QDir(QDir::fromNativeSeparators(destDir)).absolutePath());
    ZipEntryInfo countInfo;
    const quint32 countCode = zipGetEntry(h, -1, &countInfo);
    const int n = countInfo.index;
    bool allWritten = true;
    for (int i = 0; i < n; ++i) {
        ZipEntryInfo e;
        quint32 rc = zipGetEntry(h, i, &e);
        if (rc == ZIP_OK) {
            if (e.name.isEmpty())
                rc = (e.attributes & ZIP_ATTR_DIRECTORY) ? ZIP_OK : ZIP_ERR_OPEN;
            else
                rc = zipExtractEntryToFile(h, i, e.name);
        }
        if (rc != ZIP_OK) {
            qWarning() << "extractZip: entry" << i << e.name << "failed with" << Qt::hex << rc;
            allWritten = false;
        }
    }
    zipClose(h);
    return n > 0 && countCode == ZIP_OK && allWritten;
}
