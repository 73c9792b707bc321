// The program's update-check file and the engine-pack description.
#include "FuzzSupport.h"

#include "function/VersionCheck/private/JsonAnalyser_Downloader.h"
#include "function/Youtube/private/Upgrade/UpgradeYtb.h"

#include <QFile>

TW_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text = FuzzSupport::bytes(data, size);
    {
        JsonAnalyser_Downloader reader;
        reader.analyseVersion(text);
        reader.analyseUpgrade(text);
    }
    {
        UpgradeYtb upgrade;
        upgrade.analyseDescription(text);
    }
    // Whatever the description said, config.ini stays one key a line.
    QFile ini(SettingsStore::fromStoredPath(SettingsStore::instance()->configFilePath()));
    if (ini.open(QIODevice::ReadOnly) && ini.readAll().contains("upcheckUrl=") ) {
        const QString stored = SettingsStore::instance()->value(QStringLiteral("youtube/upcheckUrl"));
        if (stored.contains(QLatin1Char('\r')) || stored.contains(QLatin1Char('\n')))
            __builtin_trap();
    }
    SettingsStore::instance()->setValue(QStringLiteral("youtube/upcheckUrl"), QString());
    return 0;
}
