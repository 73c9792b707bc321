#include "shell/ZipExtract.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

// A tiny zip writer, so that tests can make entries no ordinary tool makes
// (climbing names, odd extra blocks, broken data).
class ZipWriter
{
public:
    struct Entry
    {
        QByteArray name;
        QByteArray data;
        bool deflate = false;
        int host = 3;                  // made-by system (3 Unix, 0 DOS)
        quint32 externalAttr = 0100644u << 16;
        QByteArray localExtra;
        QDateTime dosTime = QDateTime(QDate(2020, 5, 17), QTime(13, 45, 30));
        bool corruptCrc = false;
        bool corruptData = false;
    };

    void add(const Entry& e) { m_entries.append(e); }
    void addFile(const QByteArray& name, const QByteArray& data)
    {
        Entry e;
        e.name = name;
        e.data = data;
        add(e);
    }

    QByteArray build() const
    {
        QByteArray out, central;
        for (const Entry& e : m_entries) {
            QByteArray payload = e.data;
            quint16 method = 0;
            if (e.deflate) {
                payload = rawDeflate(e.data);
                method = 8;
            }
            if (e.corruptData && !payload.isEmpty())
                payload[payload.size() / 2] = char(payload.at(payload.size() / 2) ^ 0x5a);
            quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(e.data.constData()), uInt(e.data.size())));
            if (e.corruptCrc)
                crc ^= 0xdeadbeef;
            const quint16 t = quint16((e.dosTime.time().hour() << 11) | (e.dosTime.time().minute() << 5)
                                      | (e.dosTime.time().second() / 2));
            const quint16 d = quint16(((e.dosTime.date().year() - 1980) << 9) | (e.dosTime.date().month() << 5)
                                      | e.dosTime.date().day());
            const quint32 offset = quint32(out.size());
            QByteArray local;
            put32(local, 0x04034b50);
            put16(local, 20);
            put16(local, 0x0800);          // UTF-8 names
            put16(local, method);
            put16(local, t);
            put16(local, d);
            put32(local, crc);
            put32(local, quint32(payload.size()));
            put32(local, quint32(e.data.size()));
            put16(local, quint16(e.name.size()));
            put16(local, quint16(e.localExtra.size()));
            local += e.name + e.localExtra;
            out += local + payload;

            put32(central, 0x02014b50);
            put16(central, quint16((e.host << 8) | 20));
            put16(central, 20);
            put16(central, 0x0800);
            put16(central, method);
            put16(central, t);
            put16(central, d);
            put32(central, crc);
            put32(central, quint32(payload.size()));
            put32(central, quint32(e.data.size()));
            put16(central, quint16(e.name.size()));
            put16(central, 0);
            put16(central, 0);
            put16(central, 0);
            put16(central, 0);
            put32(central, e.externalAttr);
            put32(central, offset);
            central += e.name;
        }
        const quint32 cdOffset = quint32(out.size());
        out += central;
        put32(out, 0x06054b50);
        put16(out, 0);
        put16(out, 0);
        put16(out, quint16(m_entries.size()));
        put16(out, quint16(m_entries.size()));
        put32(out, quint32(central.size()));
        put32(out, cdOffset);
        put16(out, 0);
        return out;
    }

    static QByteArray utBlock(quint8 flags, const QList<qint32>& times)
    {
        QByteArray b("UT");
        put16(b, quint16(1 + 4 * times.size()));
        b.append(char(flags));
        for (qint32 v : times)
            put32(b, quint32(v));
        return b;
    }
    static void put16(QByteArray& b, quint16 v)
    {
        b.append(char(v & 0xff));
        b.append(char(v >> 8));
    }
    static void put32(QByteArray& b, quint32 v)
    {
        put16(b, quint16(v & 0xffff));
        put16(b, quint16(v >> 16));
    }

private:
    static QByteArray rawDeflate(const QByteArray& in)
    {
        z_stream zs;
        memset(&zs, 0, sizeof zs);
        deflateInit2(&zs, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        QByteArray out(int(deflateBound(&zs, uLong(in.size()))), '\0');
        zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
        zs.avail_in = uInt(in.size());
        zs.next_out = reinterpret_cast<Bytef*>(out.data());
        zs.avail_out = uInt(out.size());
        deflate(&zs, Z_FINISH);
        out.resize(int(zs.total_out));
        deflateEnd(&zs);
        return out;
    }

    QList<Entry> m_entries;
};

namespace {

QString writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Relative path -> content (folders as "<dir>") of everything under root.
QMap<QString, QByteArray> tree(const QString& root)
{
    QMap<QString, QByteArray> m;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        const QFileInfo fi(p);
        m.insert(QDir(root).relativeFilePath(p), fi.isDir() ? QByteArray("<dir>") : readFile(p));
    }
    return m;
}

} // namespace

class TestZipExtract : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_tmp;
    int m_seq = 0;

    QString newDir()
    {
        const QString d = m_tmp.filePath(QStringLiteral("d%1").arg(++m_seq));
        QDir().mkpath(d);
        return d;
    }
    QString archive(const ZipWriter& w)
    {
        return writeFile(m_tmp.filePath(QStringLiteral("a%1.zip").arg(++m_seq)), w.build());
    }

private slots:
    void initTestCase() { QVERIFY(m_tmp.isValid()); }

    void cleanName_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("clean");
        QTest::newRow("plain") << "a/b.txt" << "a/b.txt";
        QTest::newRow("backslashes") << "a\\b\\c.txt" << "a/b/c.txt";
        QTest::newRow("drive and climb") << "C:/../evil.txt" << "evil.txt";
        QTest::newRow("leading climb") << "../x" << "x";
        QTest::newRow("double climb") << "x/../../y" << "y";
        QTest::newRow("backslash climb in middle") << "dir\\..\\keep.txt" << "keep.txt";
        QTest::newRow("mixed climb") << "a/..\\b" << "b";
        QTest::newRow("absolute") << "/etc/passwd" << "etc/passwd";
        QTest::newRow("absolute backslash") << "\\\\server\\x" << "server/x";
        QTest::newRow("dots kept as names") << "a/.../b" << "a/.../b";
        QTest::newRow("dot components") << "./a/./b" << "a/b";
        QTest::newRow("only climbs") << "../.." << "";
        QTest::newRow("colon inside") << "a/b:c" << "a/b:c";
        QTest::newRow("double drive") << "C:D:x" << "x";
        QTest::newRow("trailing climb") << "a/b/.." << "";
    }
    void cleanName()
    {
        QFETCH(QString, raw);
        QFETCH(QString, clean);
        QCOMPARE(zipCleanEntryName(raw), clean);
    }

    // Whatever the names, nothing lands outside the destination.
    void traversal()
    {
        ZipWriter w;
        const QList<QByteArray> names = {"../up1.txt", "x/../../up2.txt", "C:/../up3.txt", "..\\up4.txt",
                                         "/abs.txt", "in/../../../../up5.txt"};
        for (const QByteArray& n : names)
            w.addFile(n, "payload " + n);
        const QString zip = archive(w);
        const QString outer = newDir();
        const QString dest = outer + "/dest";
        QVERIFY(extractZip(zip, dest));
        QCOMPARE(QDir(outer).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"dest"});
        QCOMPARE(readFile(dest + "/up1.txt"), QByteArray("payload ../up1.txt"));
        QCOMPARE(readFile(dest + "/up2.txt"), QByteArray("payload x/../../up2.txt"));
        QCOMPARE(readFile(dest + "/up3.txt"), QByteArray("payload C:/../up3.txt"));
        QCOMPARE(readFile(dest + "/up4.txt"), QByteArray("payload ..\\up4.txt"));
        QCOMPARE(readFile(dest + "/abs.txt"), QByteArray("payload /abs.txt"));
        QCOMPARE(readFile(dest + "/up5.txt"), QByteArray("payload in/../../../../up5.txt"));
    }

    void separatorsAndImplicitFolders()
    {
        ZipWriter w;
        w.addFile("win\\sub\\a.txt", "A");
        w.addFile("unix/sub/b.txt", "B");
        ZipWriter::Entry dir;
        dir.name = "emptydir/";
        dir.externalAttr = (040755u << 16) | 0x10;
        w.add(dir);
        const QString dest = newDir();
        QVERIFY(extractZip(archive(w), dest));
        QCOMPARE(readFile(dest + "/win/sub/a.txt"), QByteArray("A"));
        QCOMPARE(readFile(dest + "/unix/sub/b.txt"), QByteArray("B"));
        QVERIFY(QFileInfo(dest + "/emptydir").isDir());
    }

    void times()
    {
        const QDateTime dos(QDate(2019, 3, 4), QTime(10, 20, 30));
        const qint32 mtime = 1600000000;
        ZipWriter w;
        ZipWriter::Entry onlyDos;
        onlyDos.name = "dos.txt";
        onlyDos.data = "d";
        onlyDos.dosTime = dos;
        w.add(onlyDos);
        ZipWriter::Entry ut = onlyDos;
        ut.name = "ut.txt";
        ut.localExtra = ZipWriter::utBlock(1, {mtime});
        w.add(ut);
        ZipWriter::Entry all = onlyDos;
        all.name = "all.txt";
        // An unknown block first, then UT with all three times.
        QByteArray other("\x0a\x00\x04\x00\x01\x02\x03\x04", 8);
        all.localExtra = other + ZipWriter::utBlock(7, {mtime, mtime + 10, mtime + 20});
        w.add(all);
        ZipWriter::Entry truncated = onlyDos;
        truncated.name = "bad.txt";
        // A block that claims more data than the field holds.
        truncated.localExtra = QByteArray("UT\xff\x00\x01\x00\x00\x00\x00\x00", 10);
        w.add(truncated);
        const QString zip = archive(w);

        ZipArchiveHandle* h = zipOpenFile(zip);
        QVERIFY(h);
        ZipEntryInfo e;
        const qint64 dosFt = dos.toMSecsSinceEpoch() * 10000 + 116444736000000000LL;
        const qint64 utFt = (qint64(mtime) + 11644473600LL) * 10000000LL;
        QCOMPARE(zipGetEntry(h, 0, &e), quint32(ZIP_OK));
        QCOMPARE(e.modificationTime, dosFt);
        QCOMPARE(e.accessTime, dosFt);
        QCOMPARE(zipGetEntry(h, 1, &e), quint32(ZIP_OK));
        QCOMPARE(e.modificationTime, utFt);
        QCOMPARE(e.accessTime, dosFt);
        QCOMPARE(e.creationTime, dosFt);
        QCOMPARE(zipGetEntry(h, 2, &e), quint32(ZIP_OK));
        QCOMPARE(e.modificationTime, utFt);
        QCOMPARE(e.accessTime, utFt + 100000000LL);
        QCOMPARE(e.creationTime, utFt + 200000000LL);
        QCOMPARE(zipGetEntry(h, 3, &e), quint32(ZIP_OK));
        QCOMPARE(e.modificationTime, dosFt);
        QCOMPARE(zipClose(h), quint32(ZIP_OK));

        const QString dest = newDir();
        QVERIFY(extractZip(zip, dest));
        QCOMPARE(QFileInfo(dest + "/dos.txt").lastModified(), dos);
        QCOMPARE(QFileInfo(dest + "/ut.txt").lastModified().toSecsSinceEpoch(), qint64(mtime));
        QCOMPARE(QFileInfo(dest + "/all.txt").lastRead().toSecsSinceEpoch(), qint64(mtime + 10));
    }

    void attributes()
    {
        ZipWriter w;
        ZipWriter::Entry ro;
        ro.name = "ro.txt";
        ro.data = "r";
        ro.externalAttr = 0100444u << 16;
        w.add(ro);
        ZipWriter::Entry dosRo = ro;
        dosRo.name = "dosro.txt";
        dosRo.host = 0;
        dosRo.externalAttr = 0x21;
        w.add(dosRo);
        ZipWriter::Entry dosDir;
        dosDir.name = "dosdir";
        dosDir.host = 0;
        dosDir.externalAttr = 0x10;
        w.add(dosDir);
        const QString zip = archive(w);
        ZipArchiveHandle* h = zipOpenFile(zip);
        QVERIFY(h);
        ZipEntryInfo e;
        QCOMPARE(zipGetEntry(h, -1, &e), quint32(ZIP_OK));
        QCOMPARE(e.index, 3);
        zipGetEntry(h, 0, &e);
        QCOMPARE(e.attributes, quint32(ZIP_ATTR_READONLY | ZIP_ATTR_ARCHIVE));
        zipGetEntry(h, 1, &e);
        QCOMPARE(e.attributes, quint32(ZIP_ATTR_READONLY | ZIP_ATTR_ARCHIVE));
        zipGetEntry(h, 2, &e);
        QCOMPARE(e.attributes, quint32(ZIP_ATTR_DIRECTORY));
        QCOMPARE(zipGetEntry(h, 3, &e), quint32(ZIP_ERR_ARGS));
        QCOMPARE(zipGetEntry(h, -2, &e), quint32(ZIP_ERR_ARGS));
        zipClose(h);

        const QString dest = newDir();
        QVERIFY(extractZip(zip, dest));
        QVERIFY(!(QFile::permissions(dest + "/ro.txt") & QFileDevice::WriteOwner));
        QVERIFY(QFileInfo(dest + "/dosdir").isDir());
        // A second run replaces the read-only files of the first.
        QVERIFY(extractZip(zip, dest));
        QCOMPARE(readFile(dest + "/ro.txt"), QByteArray("r"));
    }

    // A link in the destination is replaced, never written through.
    void symlinkInTarget()
    {
        const QString outside = newDir();
        const QString victim = writeFile(outside + "/victim.txt", "keep me");
        const QString dest = newDir();
        QVERIFY(QFile::link(victim, dest + "/a.txt"));
        QVERIFY(QFile::link(outside, dest + "/sub"));
        ZipWriter w;
        w.addFile("a.txt", "new");
        w.addFile("sub/victim.txt", "through folder link");
        QVERIFY(extractZip(archive(w), dest));
        QCOMPARE(readFile(victim), QByteArray("keep me"));
        QVERIFY(!QFileInfo(dest + "/a.txt").isSymLink());
        QCOMPARE(readFile(dest + "/a.txt"), QByteArray("new"));
        QVERIFY(!QFileInfo(dest + "/sub").isSymLink());
        QCOMPARE(readFile(dest + "/sub/victim.txt"), QByteArray("through folder link"));
    }

    void corruptEntries_data()
    {
        QTest::addColumn<bool>("deflate");
        QTest::addColumn<bool>("badCrc");
        QTest::addColumn<bool>("badData");
        QTest::newRow("stored bad crc") << false << true << false;
        QTest::newRow("deflated bad crc") << true << true << false;
        QTest::newRow("deflated bad data") << true << false << true;
    }
    void corruptEntries()
    {
        QFETCH(bool, deflate);
        QFETCH(bool, badCrc);
        QFETCH(bool, badData);
        ZipWriter w;
        w.addFile("good.txt", "fine");
        ZipWriter::Entry bad;
        bad.name = "bad.bin";
        for (int i = 0; i < 5000; ++i)
            bad.data += QByteArray::number(i * 7919);
        bad.deflate = deflate;
        bad.corruptCrc = badCrc;
        bad.corruptData = badData;
        w.add(bad);
        const QString dest = newDir();
        QVERIFY(!extractZip(archive(w), dest));
        QCOMPARE(readFile(dest + "/good.txt"), QByteArray("fine"));
        QVERIFY(!QFileInfo::exists(dest + "/bad.bin"));
    }

    void failedWrite()
    {
        // A folder standing where the file must go cannot be replaced.
        ZipWriter w;
        w.addFile("taken/x.txt", "x");
        w.addFile("other.txt", "o");
        const QString dest = newDir();
        QVERIFY(QDir().mkpath(dest + "/taken/x.txt/inner"));
        QVERIFY(!extractZip(archive(w), dest));
        QCOMPARE(readFile(dest + "/other.txt"), QByteArray("o"));

        // A descriptor target whose writes fail.
        ZipArchiveHandle* h = zipOpenFile(m_tmp.filePath(QStringLiteral("a%1.zip").arg(m_seq)));
        QVERIFY(h);
        const int full = ::open("/dev/full", O_WRONLY);
        if (full >= 0) {
            int fd = full;
            QCOMPARE(zipExtractEntry(h, 0, &fd, 0, ZIP_KIND_HANDLE), quint32(ZIP_ERR_WRITE));
            ::close(full);
        }
        zipClose(h);

        // A folder without write permission (not enforced for the superuser).
        ZipWriter w2;
        w2.addFile("blocked/y.txt", "y");
        const QString dest2 = newDir();
        QDir(dest2).mkdir("blocked");
        QVERIFY(QFile::setPermissions(dest2 + "/blocked", QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFileInfo(dest2 + "/blocked").isWritable())
            QSKIP("running with rights that ignore permissions");
        QVERIFY(!extractZip(archive(w2), dest2));
        QFile::setPermissions(dest2 + "/blocked", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void notArchives_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a zip archive at all");
        QTest::newRow("empty archive") << ZipWriter().build();
        QTest::newRow("truncated") << [] {
            ZipWriter w;
            w.addFile("a", "b");
            return w.build().left(30);
        }();
    }
    void notArchives()
    {
        QFETCH(QByteArray, content);
        const QString zip = writeFile(m_tmp.filePath(QStringLiteral("n%1.zip").arg(++m_seq)), content);
        QVERIFY(!extractZip(zip, newDir()));
        QVERIFY(!extractZip(m_tmp.filePath("does-not-exist.zip"), newDir()));
    }

    void memoryAndHandleSources()
    {
        ZipWriter w;
        ZipWriter::Entry e;
        e.name = "big.bin";
        for (int i = 0; i < 40000; ++i)
            e.data += char(i * 31);
        e.deflate = true;
        w.add(e);
        const QByteArray bytes = w.build();

        ZipArchiveHandle* h = zipOpenMemory(bytes.constData(), bytes.size());
        QVERIFY(h);
        QByteArray got;
        QByteArray buf(10000, '\0');
        quint32 rc;
        do {
            rc = zipExtractEntry(h, 0, buf.data(), buf.size(), ZIP_KIND_MEMORY);
            got += buf.left(int(zipLastMemoryCount(h)));
        } while (rc == ZIP_MORE);
        QCOMPARE(rc, quint32(ZIP_OK));
        QCOMPARE(got, e.data);
        zipClose(h);

        // A descriptor positioned after some leading bytes.
        const QString path = writeFile(m_tmp.filePath("prefixed.bin"), QByteArray("JUNKJUNK") + bytes);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        QCOMPARE(::lseek(fd, 8, SEEK_SET), off_t(8));
        h = zipOpen(&fd, 0, ZIP_KIND_HANDLE, nullptr);
        QVERIFY(h);
        const QString outPath = m_tmp.filePath("fromfd.bin");
        const int outFd = ::open(QFile::encodeName(outPath).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QCOMPARE(zipExtractEntry(h, 0, const_cast<int*>(&outFd), 0, ZIP_KIND_HANDLE), quint32(ZIP_OK));
        ::close(outFd);
        zipClose(h);
        ::close(fd);
        QCOMPARE(readFile(outPath), e.data);

        QVERIFY(!zipOpen(&fd, 0, 9, nullptr));
        QCOMPARE(zipLastResult(), quint32(ZIP_ERR_ARGS));
    }

    // A normal archive made by Python's zipfile unpacks exactly like Debian's unzip does it.
    void matchesUnzip()
    {
        const QString python = "/usr/bin/python3";
        const QString unzip = "/usr/bin/unzip";
        if (!QFileInfo::exists(python) || !QFileInfo::exists(unzip))
            QSKIP("python3 or unzip missing");
        const QString zip = m_tmp.filePath("normal.zip");
        const QString script = QStringLiteral(
            "import zipfile, sys, random\n"
            "r = random.Random(7)\n"
            "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
            "    z.writestr('readme.txt', 'hello\\n' * 100, zipfile.ZIP_DEFLATED)\n"
            "    z.writestr('bin/data.bin', bytes(r.randrange(256) for _ in range(70000)), zipfile.ZIP_DEFLATED)\n"
            "    z.writestr('bin/stored.bin', bytes(range(256)) * 10, zipfile.ZIP_STORED)\n"
            "    z.writestr('empty.txt', b'')\n"
            "    z.writestr('deep/a/b/c/d.txt', 'deep', zipfile.ZIP_DEFLATED)\n"
            "    z.writestr('caf\\u00e9/na\\u00efve.txt', 'utf8 name', zipfile.ZIP_DEFLATED)\n"
            "    z.writestr(zipfile.ZipInfo('folder/'), b'')\n");
        QCOMPARE(QProcess::execute(python, {"-c", script, zip}), 0);
        const QString ours = newDir();
        const QString theirs = newDir();
        QVERIFY(extractZip(zip, ours));
        QCOMPARE(QProcess::execute(unzip, {"-q", zip, "-d", theirs}), 0);
        const auto a = tree(ours);
        const auto b = tree(theirs);
        QCOMPARE(a.keys(), b.keys());
        for (const QString& k : a.keys())
            QVERIFY2(a.value(k) == b.value(k), qPrintable(k));
        QCOMPARE(a.size(), 13);
    }
};

QTEST_GUILESS_MAIN(TestZipExtract)
#include "tst_zipextract.moc"
