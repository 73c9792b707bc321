#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>

namespace {
QByteArray readTrimmed(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}
} // namespace

// One "\r\n"-ended line per graphics adapter the kernel's DRM layer knows,
// prefixed "pro:I", "pro:N" or "pro:A" for Intel, NVIDIA and AMD.
int main()
{
    const QDir drm(QStringLiteral("/sys/class/drm"));
    const QRegularExpression card(QStringLiteral("^card\\d+$"));
    for (const QString& name : drm.entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!card.match(name).hasMatch())
            continue;
        const QString device = drm.filePath(name) + QStringLiteral("/device");
        const QByteArray vendor = readTrimmed(device + QStringLiteral("/vendor")).toLower();
        if (vendor.isEmpty())
            continue;
        const QByteArray id = readTrimmed(device + QStringLiteral("/device"));
        const char* prefix = vendor == "0x8086" ? "pro:I " : vendor == "0x10de" ? "pro:N " : vendor == "0x1002" ? "pro:A " : "";
        std::printf("%s%s %s %s\r\n", prefix, qPrintable(name), vendor.constData(), id.constData());
    }
    std::fflush(stdout);
    return 0;
}
