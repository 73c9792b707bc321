#include "function/FileCodecTrans/FileCodecTrans.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>

#include <uchardet/uchardet.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iconv.h>

namespace {

constexpr qint64 kChunk = 1 << 20;

// Streams the converted text into `out` chunk by chunk, so a large file costs
// neither four times its size in memory nor the cache misses of one huge
// call. Every line end ("\r\n" or a lone "\r") becomes "\n"; a CR at the
// end of a chunk waits for the next one to see whether an LF follows.
class Utf8Writer
{
public:
    explicit Utf8Writer(QIODevice* out) : m_out(out) {}

    bool write(const char* data, size_t size)
    {
        QByteArray& buf = m_buffer;
        buf.resize(0);
        const char* p = data;
        const char* end = data + size;
        if (m_first && size >= 3 && memcmp(p, "\xEF\xBB\xBF", 3) == 0)
            p += 3;   // the input's own mark; ours is written once
        if (size > 0)
            m_first = false;
        while (p < end) {
            if (m_pendingCr) {
                m_pendingCr = false;
                buf.append('\n');
                if (*p == '\n') {
                    ++p;
                    continue;
                }
            }
            const char* cr = static_cast<const char*>(memchr(p, '\r', size_t(end - p)));
            if (!cr) {
                buf.append(p, int(end - p));
                break;
            }
            buf.append(p, int(cr - p));
            m_pendingCr = true;
            p = cr + 1;
        }
        return m_out->write(buf) == buf.size();
    }

    bool finish()
    {
        if (m_pendingCr) {
            m_pendingCr = false;
            return m_out->write("\n", 1) == 1;
        }
        return true;
    }

private:
    QIODevice* m_out;
    QByteArray m_buffer;
    bool m_pendingCr = false;
    bool m_first = true;
};

// Converts the whole of `in` (read from its start) into `writer`. An
// incomplete sequence at the end of a chunk is carried over to the next one.
bool convertStream(QIODevice* in, const QByteArray& encoding, Utf8Writer* writer)
{
    iconv_t cd = iconv_open("UTF-8", encoding.constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    QByteArray input;
    QByteArray output(int(kChunk * 4), Qt::Uninitialized);
    qint64 carried = 0;
    bool ok = true;
    size_t ret = 0;
    for (;;) {
        input.resize(int(carried + kChunk));
        const qint64 got = in->read(input.data() + carried, kChunk);
        if (got < 0) {
            ok = false;
            break;
        }
        const bool last = got == 0;
        size_t inLeft = size_t(carried + got);
        char* inPtr = input.data();
        while (inLeft > 0) {
            char* outPtr = output.data();
            size_t outLeft = size_t(output.size());
            ret = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
            const int err = errno;
            if (!writer->write(output.constData(), size_t(output.size()) - outLeft)) {
                ok = false;
                break;
            }
            if (ret != size_t(-1))
                continue;
            if (err == E2BIG)
                continue;
            if (err == EINVAL && !last)
                break;   // an incomplete sequence: wait for more bytes
            ok = false;
            break;
        }
        if (!ok)
            break;
        if (last) {
            ok = inLeft == 0;
            break;
        }
        carried = qint64(inLeft);
        memmove(input.data(), inPtr, size_t(carried));
    }
    qDebug() << "libconv convert outsize: ret: " << qint64(ret) << ", tempSize: " << output.size();
    iconv_close(cd);
    return ok && writer->finish();
}

// Names the encoding of a whole file by streaming it through the detector.
int detectFile(QIODevice* in, QString* coding)
{
    uchardet_t detector = uchardet_new();
    if (!detector) {
        fputs("Memory Allocation failed\n", stderr);
        return -127;
    }
    QByteArray chunk(int(kChunk), Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = in->read(chunk.data(), kChunk);
        if (got < 0) {
            uchardet_delete(detector);
            return -128;
        }
        if (got == 0)
            break;
        total += got;
        if (uchardet_handle_data(detector, chunk.constData(), size_t(got)) != 0) {
            fputs("On handle processing, occured out of memory\n", stderr);
            uchardet_delete(detector);
            return -128;
        }
    }
    uchardet_data_end(detector);
    const char* name = uchardet_get_charset(detector);
    *coding = total == 0 ? QStringLiteral("ASCII") : QString::fromLatin1(name ? name : "");
    qDebug() << QStringLiteral("encoding: %1, confidence: %2\n").arg(*coding, QStringLiteral("unknown (uchardet gives none)"));
    uchardet_delete(detector);
    return 0;
}

} // namespace

int FileCodecTrans::transStrCodec(const char* str, int length, QString& coding)
{
    uchardet_t detector = uchardet_new();
    if (!detector) {
        fputs("Memory Allocation failed\n", stderr);
        return -127;
    }
    if (length > 0 && uchardet_handle_data(detector, str, size_t(length)) != 0) {
        fputs("On handle processing, occured out of memory\n", stderr);
        uchardet_delete(detector);
        return -128;
    }
    uchardet_data_end(detector);
    const char* name = uchardet_get_charset(detector);
    coding = QString::fromLatin1(name ? name : "");
    if (length <= 0)
        coding = QStringLiteral("ASCII");
    qDebug() << QStringLiteral("encoding: %1, confidence: %2\n").arg(coding, QStringLiteral("unknown (uchardet gives none)"));
    uchardet_delete(detector);
    return 0;
}

bool FileCodecTrans::transFileToUTF8(QString filePath, QString newPath)
{
    QFile inFile(filePath);
    // Raw bytes: Qt's text mode drops every 0x0D byte, which breaks UTF-16
    // text and joins lines ended by a lone CR.
    if (!inFile.open(QIODevice::ReadOnly)) {
        qDebug() << "FileCodecTrans::transFileToUTF8" << 42 << inFile.errorString();
        return false;
    }
    qDebug() << "file: " << filePath;

    QString coding;
    if (detectFile(&inFile, &coding) != 0)
        return false;
    if (coding.isEmpty()) {
        // iconv reads an empty name as the locale's encoding: never guess.
        qDebug() << "libconv convert failed!";
        return false;
    }
    if (coding.compare(QLatin1String("ASCII"), Qt::CaseInsensitive) == 0)
        coding = QStringLiteral("UTF-8");

    // The input is read to its end before the target is replaced: QSaveFile
    // writes beside it and renames only on success, so converting a file
    // onto itself, or failing half-way, never loses what was there.
    QSaveFile out(newPath);
    if (!out.open(QIODevice::WriteOnly) || !inFile.seek(0))
        return false;
    out.write("\xEF\xBB\xBF", 3);
    Utf8Writer writer(&out);
    if (!convertStream(&inFile, coding.toLatin1(), &writer)) {
        qDebug() << "libconv convert failed!";
        out.cancelWriting();
        return false;
    }
    return out.commit();
}
