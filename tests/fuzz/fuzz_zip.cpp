// The zip extractor on any archive: nothing may be created outside the
// folder it unpacks into.
#include "FuzzSupport.h"

#include "shell/ZipExtract.h"

#include <QDirIterator>
#include <QFile>

#include <cstdio>

TW_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    // What the private home held before any archive was opened.
    static const QStringList homeBefore = [&] {
        QStringList names = QDir(FuzzSupport::root()).entryList(all);
        names.removeAll(QStringLiteral("zip"));
        return names;
    }();
    const QString work = FuzzSupport::root() + QStringLiteral("/zip");
    QDir(work).removeRecursively();
    QDir().mkpath(work + QStringLiteral("/out"));
    const QString archive = work + QStringLiteral("/in.zip");
    {
        QFile f(archive);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    extractZip(archive, work + QStringLiteral("/out"));
    // Only the archive and the output folder (a failed extraction may have
    // removed it) may stand in the work folder, and nothing new beside it.
    const QStringList beside = QDir(work).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : beside)
        if (name != QLatin1String("in.zip") && name != QLatin1String("out")) {
            fprintf(stderr, "unexpected in the work folder: %s\n", qPrintable(name));
            __builtin_trap();
        }
    const QStringList top = QDir(FuzzSupport::root()).entryList(all);
    for (const QString& name : top)
        if (name != QLatin1String("zip") && !homeBefore.contains(name)) {
            fprintf(stderr, "unexpected beside the work folder: %s\n", qPrintable(name));
            __builtin_trap();
        }
    // A link inside the output that points out of it would let a later
    // entry write outside.
    QDirIterator it(work + QStringLiteral("/out"), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().isSymLink())
            __builtin_trap();
    }
    QDir(work).removeRecursively();
    return 0;
}
