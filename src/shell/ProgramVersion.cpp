#include "shell/ProgramVersion.h"

#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

// The build can pass its own figures (e.g. from the project version);
// otherwise these are the ones of this release.
#ifndef TW_PRODUCT_VERSION
#define TW_PRODUCT_VERSION "8.3.0.0"
#endif

namespace {

struct CurrentState
{
    QMutex mutex;
    ProgramVersion cached;
    QString overrideText;
    bool overridden = false;
};

CurrentState& state()
{
    static CurrentState s;
    return s;
}

// A number that does not read as one gives -1, like an absent part.
int readPart(const QString& part)
{
    bool ok = false;
    const int v = part.toInt(&ok, 10);
    return ok ? v : -1;
}

} // namespace

ProgramVersion::ProgramVersion()
    : buildDate(compiledBuildDate())
{
}

QString ProgramVersion::compiledVersionText()
{
    return QStringLiteral(TW_PRODUCT_VERSION);
}

QDate ProgramVersion::compiledBuildDate()
{
#ifdef TW_BUILD_DATE
    // "yyyy-MM-dd" from the build.
    const QDate fromBuild = QDate::fromString(QStringLiteral(TW_BUILD_DATE), Qt::ISODate);
    if (fromBuild.isValid())
        return fromBuild;
#endif
    // __DATE__ is "Mmm dd yyyy" with a blank before a one-digit day.
    static const QDate d = QLocale::c().toDate(QString::fromLatin1(__DATE__).simplified(),
                                               QStringLiteral("MMM d yyyy"));
    return d.isValid() ? d : QDate(2026, 1, 30);
}

ProgramVersion ProgramVersion::current()
{
    CurrentState& s = state();
    QMutexLocker lock(&s.mutex);
    if (s.overridden) {
        ProgramVersion v;
        v.fromString(s.overrideText);
        return v;
    }
    if (s.cached.major == -1)
        s.cached.fromString(compiledVersionText());
    return s.cached;
}

void ProgramVersion::overrideCurrentForTesting(const QString& text)
{
    CurrentState& s = state();
    QMutexLocker lock(&s.mutex);
    s.overridden = !text.isEmpty();
    s.overrideText = text;
}

bool ProgramVersion::fromString(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QStringList parts = text.split(QLatin1Char('.'));
    major = readPart(parts.at(0));
    minor = parts.size() > 1 ? readPart(parts.at(1)) : -1;
    // Only the first two numbers take part, so 8.3.0.0 and 8.3.5 are equal.
    build = -1;
    revision = -1;
    return true;
}

QString ProgramVersion::toString() const
{
    if (major == -1)
        return QStringLiteral("0.0.0");
    if (minor == -1)
        return QStringLiteral("%1").arg(major);
    if (build == -1)
        return QStringLiteral("%1.%2").arg(major).arg(minor);
    if (revision == -1)
        return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(build);
    return QStringLiteral("%1.%2.%3.%4").arg(major).arg(minor).arg(build).arg(revision);
}

bool ProgramVersion::operator<(const ProgramVersion& other) const
{
    const int a[4] = {major, minor, build, revision};
    const int b[4] = {other.major, other.minor, other.build, other.revision};
    for (int i = 0; i < 4; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i];
    }
    return false;
}

bool ProgramVersion::operator>(const ProgramVersion& other) const
{
    return other < *this;
}

int compareWithProgramVersion(const QString& text)
{
    ProgramVersion v;
    v.fromString(text);
    const ProgramVersion cur = ProgramVersion::current();
    if (v > cur)
        return 1;
    if (v < cur)
        return -1;
    return 0;
}

ProgramVersion runningProgramVersion()
{
    return ProgramVersion::current();
}
