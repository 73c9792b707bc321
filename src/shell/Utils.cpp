#include "shell/Utils.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QHash>
#include <QMutex>
#include <QSaveFile>

#include <cmath>

namespace {

bool onlyDots(const QString& name)
{
    for (const QChar c : name) {
        if (c != QLatin1Char('.'))
            return false;
    }
    return true;
}

// UTF-8 length of the code point starting at i (a surrogate pair counts as
// one code point of four bytes; a lone surrogate becomes U+FFFD, three).
int utf8Length(const QString& s, int i, int* units)
{
    const QChar c = s.at(i);
    *units = 1;
    if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
        *units = 2;
        return 4;
    }
    const ushort u = c.unicode();
    if (u < 0x80)
        return 1;
    if (u < 0x800)
        return 2;
    return 3;
}

void cutToUtf8Bytes(QString& name, int maxBytes)
{
    int bytes = 0;
    int i = 0;
    while (i < name.size()) {
        int units = 1;
        const int len = utf8Length(name, i, &units);
        if (bytes + len > maxBytes)
            break;
        bytes += len;
        i += units;
    }
    name.truncate(i);
}

} // namespace

QString& toValidFileName(QString& name, const QString& replacement)
{
    // Control characters (line breaks, tabs, escapes) are never wanted in a
    // file name and some file managers cannot show them.
    QString cleaned;
    cleaned.reserve(name.size());
    for (const QChar c : qAsConst(name)) {
        if (c.category() != QChar::Other_Control)
            cleaned.append(c);
    }
    name = cleaned;

    static const char forbidden[] = {'<', '>', '/', '\\', '|', ':', '"', '*', '?'};
    for (const char c : forbidden)
        name.replace(QLatin1Char(c), replacement);

    int start = 0;
    while (start < name.size() && name.at(start).isSpace())
        ++start;
    int end = name.size();
    while (end > start && name.at(end - 1).isSpace())
        --end;
    name = name.mid(start, end - start);

    cutToUtf8Bytes(name, kMaxFileNameBytes);
    while (!name.isEmpty() && name.at(name.size() - 1).isSpace())
        name.chop(1);

    // "", "." and ".." name no file of their own.
    if (onlyDots(name))
        name = QStringLiteral("_");
    return name;
}

QString scaleStyleSheetPx(const QString& styleSheet, float factor)
{
    if (std::fabs(double(factor) - 1.0) < 0.000001)
        return styleSheet;

    static const QRegularExpression pattern(QStringLiteral("(\\d+px)"));
    QString result;
    result.reserve(styleSheet.size());
    int copied = 0;
    QRegularExpressionMatchIterator it = pattern.globalMatch(styleSheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString number = match.captured(1).chopped(2);
        bool ok = false;
        const qlonglong value = number.toLongLong(&ok);
        result += styleSheet.midRef(copied, match.capturedStart(1) - copied);
        const double scaled = ok ? std::trunc(double(float(value) * factor)) : 0.0;
        // Beyond the range of a whole number the conversion is undefined.
        if (ok && std::fabs(scaled) < 9.0e18) {
            result += QStringLiteral("%1px").arg(qlonglong(scaled));
        } else {
            // Digits of another script or a number too long to read: leave it.
            result += match.captured(1);
        }
        copied = match.capturedEnd(1);
    }
    result += styleSheet.midRef(copied);
    return result;
}

namespace {
// The newest job per path; guarded by jobMutex, which also keeps two commits
// of one path apart so that an older one can never land after a newer one.
QMutex jobMutex;
QHash<QString, quint64> newestJob;
quint64 jobCounter = 0;
} // namespace

TransImageAlpha::TransImageAlpha(const QImage& image, const QString& path, int alpha)
    : m_image(image), m_path(path), m_alpha(qBound(0, alpha, 255))
{
    setAutoDelete(true);
    QMutexLocker lock(&jobMutex);
    m_serial = ++jobCounter;
    newestJob.insert(m_path, m_serial);
}

void TransImageAlpha::run()
{
    auto superseded = [this] { return newestJob.value(m_path) != m_serial; };
    {
        QMutexLocker lock(&jobMutex);
        if (superseded() || m_image.isNull() || m_path.isEmpty())
            return;
    }
    const QImage image = applyAlpha(m_image, m_alpha);
    QMutexLocker lock(&jobMutex);
    if (superseded())
        return;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        qWarning() << "could not write" << m_path << file.errorString();
}

QImage TransImageAlpha::applyAlpha(const QImage& source, int alpha)
{
    if (source.isNull())
        return QImage();
    QImage image(source.size(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(source.devicePixelRatio());
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(image.rect(), Qt::transparent);
    painter.setOpacity(alpha / 255.0);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    painter.drawImage(0, 0, source);
    painter.end();
    return image;
}

int removeSaveLeftovers(const QString& filePath)
{
    const QFileInfo target(filePath);
    const QDir folder = target.absoluteDir();
    if (target.fileName().isEmpty() || !folder.exists())
        return 0;
    static const QRegularExpression suffix(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    const QString prefix = target.fileName();
    int removed = 0;
    const QStringList names = folder.entryList({prefix + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (!name.startsWith(prefix) || !suffix.match(name.mid(prefix.size())).hasMatch())
            continue;
        if (QFile::remove(folder.filePath(name))) {
            qInfo() << "removed the leftover of an interrupted save:" << name;
            ++removed;
        }
    }
    return removed;
}
