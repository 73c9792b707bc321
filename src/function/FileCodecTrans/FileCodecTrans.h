#pragma once

#include <QObject>
#include <QString>

// Names the character encoding of a text and rewrites a text file as UTF-8
// with a byte-order mark. Detection is uchardet's (Debian's libchardet stops
// at the first zero byte and takes Western texts for Central European ones),
// conversion glibc's iconv. Keeps no state: any thread may call it.
class FileCodecTrans : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    // 0 and the encoding name in `coding` on success; -127 when no detector
    // can be made, -128 when detection fails. uchardet gives no confidence.
    // An empty buffer counts as ASCII.
    int transStrCodec(const char* str, int length, QString& coding);
    // The whole input is read before anything is written, and the result is
    // saved atomically: on any failure `newPath` is left as it was, so a file
    // converted onto itself is never lost. Line ends become "\n".
    bool transFileToUTF8(QString filePath, QString newPath);
};
