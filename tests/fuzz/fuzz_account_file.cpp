// The account file "AP", read, written back and read again.
#include "FuzzSupport.h"

#include "function/Youtube/private/Accounts/AccountTrusteeship.h"

#include <QFile>

TW_FUZZ_INIT

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = FuzzSupport::engine() + QStringLiteral("/AP");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    {
        AccountTrusteeship store(path);
        QString u, p;
        store.accountForUrl(QStringLiteral("https://www.youtube.com/watch?v=x"), u, p);
        store.save();
    }
    AccountTrusteeship again(path);
    (void)again.serialized();
    QFile::remove(path);
    return 0;
}
