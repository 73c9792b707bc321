// Converting a 40 MB Shift_JIS text to UTF-8 against glibc's iconv program on
// the same file; both run as children so each one's peak memory is its own.
// Prints the time ratio and our peak resident memory against the file size.
#include "function/FileCodecTrans/FileCodecTrans.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCodec>

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs a child and returns its wall time in ms and peak memory in KiB.
bool runChild(const QString& program, const QStringList& args, const QString& outFile, double* ms, long* maxKib)
{
    QElapsedTimer t;
    t.start();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!outFile.isEmpty()) {
            FILE* f = std::freopen(qPrintable(outFile), "w", stdout);
            if (!f)
                _exit(127);
        }
        QList<QByteArray> keep;
        QVector<char*> argv;
        keep << program.toLocal8Bit();
        for (const QString& a : args)
            keep << a.toLocal8Bit();
        for (QByteArray& k : keep)
            argv << k.data();
        argv << nullptr;
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    struct rusage ru {};
    if (wait4(pid, &status, 0, &ru) != pid)
        return false;
    *ms = t.nsecsElapsed() / 1e6;
    *maxKib = ru.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--convert") == 0) {
        QCoreApplication app(argc, argv);
        FileCodecTrans trans;
        return trans.transFileToUTF8(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString in = dir.filePath("sjis.txt");
    {
        const QString line = QString::fromUtf8("日本語のテキストです。東京の天気は晴れ、明日は雨でしょう。ひらがなとカタカナと漢字。\n");
        const QByteArray encoded = QTextCodec::codecForName("Shift_JIS")->fromUnicode(line);
        QFile f(in);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        const qint64 target = 40LL * 1000 * 1000;
        QByteArray block;
        while (block.size() < 1 << 20)
            block += encoded;
        for (qint64 written = 0; written < target; written += block.size())
            f.write(block);
    }
    const qint64 size = QFile(in).size();
    double oursMs = 0, iconvMs = 0;
    long oursKib = 0, iconvKib = 0;
    if (!runChild(QCoreApplication::applicationFilePath(), {"--convert", in, dir.filePath("ours.txt")}, QString(), &oursMs, &oursKib)
        || !runChild("/usr/bin/iconv", {"-f", "SHIFT_JIS", "-t", "UTF-8", in}, dir.filePath("iconv.txt"), &iconvMs, &iconvKib)) {
        std::fprintf(stderr, "a conversion failed\n");
        return 1;
    }
    std::printf("file %.1f MB\nours %.0f ms, iconv %.0f ms: time ratio %.2f (target <= 2)\n"
                "peak memory %.1f MB = %.2f x the file (target <= 8)\n",
                size / 1e6, oursMs, iconvMs, oursMs / iconvMs, oursKib / 1024.0, oursKib * 1024.0 / size);
    return 0;
}
