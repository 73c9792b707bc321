#include "function/FileCodecTrans/FileCodecTrans.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>

#include <uchardet/uchardet.h>

#include <cerrno>
#include <cstdio>
#include <iconv.h>

namespace {

// Converts the whole input, growing the output in steps: a text can grow by
// more than four times (single-byte Thai, say, to three-byte UTF-8), and a
// buffer sized once would call a full buffer a failure.
bool convertToUtf8(const QByteArray& input, const QByteArray& encoding, QByteArray* out)
{
    iconv_t cd = iconv_open("UTF-8", encoding.constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    out->clear();
    out->resize(qMax<qsizetype>(input.size() * 2, 64));
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = size_t(input.size());
    size_t used = 0;
    size_t ret = 0;
    bool ok = true;
    for (;;) {
        char* outPtr = out->data() + used;
        size_t outLeft = size_t(out->size()) - used;
        ret = iconv(cd, inLeft ? &in : nullptr, &inLeft, &outPtr, &outLeft);
        used = size_t(out->size()) - outLeft;
        if (ret != size_t(-1))
            break;
        if (errno != E2BIG) {
            ok = false;
            break;
        }
        out->resize(out->size() * 2);
    }
    qDebug() << "libconv convert outsize: ret: " << qint64(ret) << ", tempSize: " << out->size()
             << ", outSize: " << qint64(out->size()) - qint64(used);
    iconv_close(cd);
    out->resize(int(used));
    return ok;
}

// Every line end ("\r\n" or a lone "\r") becomes "\n". Safe on UTF-8: no
// multi-byte sequence holds a 0x0D byte.
QByteArray unifyLineEnds(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size());
    const char* p = text.constData();
    const char* end = p + text.size();
    for (; p < end; ++p) {
        if (*p == '\r') {
            out.append('\n');
            if (p + 1 < end && p[1] == '\n')
                ++p;
        } else {
            out.append(*p);
        }
    }
    return out;
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
    const QByteArray input = inFile.readAll();
    const bool readOk = inFile.error() == QFileDevice::NoError;
    inFile.close();
    if (!readOk)
        return false;

    QString coding;
    if (transStrCodec(input.constData(), input.size(), coding) != 0)
        return false;
    if (coding.isEmpty()) {
        // iconv reads an empty name as the locale's encoding: never guess.
        qDebug() << "libconv convert failed!";
        return false;
    }
    if (coding.compare(QLatin1String("ASCII"), Qt::CaseInsensitive) == 0)
        coding = QStringLiteral("UTF-8");

    QByteArray converted;
    if (!convertToUtf8(input, coding.toLatin1(), &converted)) {
        qDebug() << "libconv convert failed!";
        return false;
    }
    // A mark in the input comes through as U+FEFF; ours is written below.
    if (converted.startsWith("\xEF\xBB\xBF"))
        converted.remove(0, 3);

    QSaveFile out(newPath);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write("\xEF\xBB\xBF", 3);
    out.write(unifyLineEnds(converted));
    return out.commit();
}
