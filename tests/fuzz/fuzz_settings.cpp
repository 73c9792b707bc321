// The settings reader on any config.ini; what it read survives a save and
// a second read unchanged, and a change saved through it reads back.
#include "FuzzSupport.h"

#include <QFile>

TW_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString folder = FuzzSupport::root() + QStringLiteral("/settings");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    {
        QFile f(folder + QStringLiteral("/config.ini"));
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QByteArray first;
    {
        SettingsStore store(folder, false);
        store.value(QStringLiteral("base/language"));
        store.encryptedValue(QStringLiteral("proxy/password"));
        // Forces a save of everything that was read.
        store.setValue(QStringLiteral("zz/fuzz"), QStringLiteral("saved"));
        first = store.serialized();
    }
    SettingsStore again(folder, false);
    if (again.serialized() != first || again.value(QStringLiteral("zz/fuzz")) != QLatin1String("saved"))
        __builtin_trap();
    return 0;
}
