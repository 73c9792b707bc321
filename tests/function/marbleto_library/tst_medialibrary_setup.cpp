#include "function/CMediaInfoMgr/MarkInfo.h"
#include "function/marbleto_library/arguments/util/codec_registry.h"
#include "function/marbleto_library/arguments/util/util.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {

// Runs `fn` with standard output caught in a file and returns what it wrote.
template <typename Fn>
QByteArray captureStdout(Fn fn)
{
    std::fflush(stdout);
    QTemporaryDir dir;
    const QByteArray path = dir.filePath("out").toLocal8Bit();
    const int saved = dup(1);
    FILE* f = std::fopen(path.constData(), "w");
    dup2(fileno(f), 1);
    fn();
    std::fflush(stdout);
    dup2(saved, 1);
    close(saved);
    std::fclose(f);
    QFile r(QString::fromLocal8Bit(path));
    r.open(QIODevice::ReadOnly);
    return r.readAll();
}

int slotOf(const char* name, int type)
{
    const codec_descriptor* const* table = codec_registry_slots();
    for (int i = 0; i < kCodecRegistrySlots; ++i) {
        if (table[i] && qstrcmp(table[i]->name, name) == 0 && table[i]->mediaType == type)
            return i;
    }
    return -1;
}

} // namespace

class TestMediaLibrarySetup : public QObject
{
    Q_OBJECT
private slots:
    void setUpOnceWithItsMessages();
    void registrySlots_data();
    void registrySlots();
    void registryRules();
    void findLanguage_data();
    void findLanguage();
    void tableMatchesIsoCodes();
    void setLanguage_data();
    void setLanguage();
    void makeDirectory();
    void markRecordsStartReset();
};

void TestMediaLibrarySetup::setUpOnceWithItsMessages()
{
    const QByteArray before = captureStdout([] { media_config_set_auto_copy(true); });
    QCOMPARE(before, QByteArray("call media_congfig_global_init firstly..."));
    QVERIFY(media_config_get()->autoCopy);

    const QByteArray first = captureStdout([] { media_congfig_global_init(); });
    QCOMPARE(first, QByteArray("register failed due to duplicate codec(wmav2 2)\n"));
    QCOMPARE(QByteArray(media_config_get()->language), QByteArray("eng"));
    QCOMPARE(media_config_get()->initialised, 1);
    QVERIFY(media_config_get()->makeDirectory == make_directory_utf8);

    QCOMPARE(captureStdout([] { media_congfig_global_init(); }), QByteArray());
    QCOMPARE(captureStdout([] { codec_register_all(); }), QByteArray());
    QCOMPARE(captureStdout([] { media_config_check_init(); }), QByteArray());
}

void TestMediaLibrarySetup::registrySlots_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("slot");
    QTest::newRow("h264") << QByteArray("h264") << int(MEDIA_TYPE_VIDEO) << 16;
    QTest::newRow("flv after h264 and h265") << QByteArray("flv") << int(MEDIA_TYPE_VIDEO) << 18;
    QTest::newRow("video copy") << QByteArray("copy") << int(MEDIA_TYPE_VIDEO) << 33;
    QTest::newRow("audio copy") << QByteArray("copy") << int(MEDIA_TYPE_AUDIO) << 34;
}

void TestMediaLibrarySetup::registrySlots()
{
    QFETCH(QByteArray, name);
    QFETCH(int, type);
    QFETCH(int, slot);
    media_congfig_global_init();
    QCOMPARE(slotOf(name, type), slot);
}

void TestMediaLibrarySetup::registryRules()
{
    QCOMPARE(string_hash("h264"), 234666640u);
    QCOMPARE(string_hash("flv"), 1764688u);
    QCOMPARE(string_hash(""), 0u);
    char* lower = string_lower_dup("H.264 ÄB");
    QCOMPARE(QByteArray(lower), QByteArray("h.264 Äb"));
    free(lower);

    media_congfig_global_init();
    int filled = 0;
    for (int i = 0; i < kCodecRegistrySlots; ++i)
        filled += codec_registry_slots()[i] ? 1 : 0;
    QCOMPARE(filled, 40);   // 41 rows, the second "wmav2" refused
    // Lookups ignore case, as profiles spell "H.264" and "HEVC".
    QCOMPARE(QByteArray(codec_find("H.264", MEDIA_TYPE_VIDEO)->codecName), QByteArray("h264"));
    QCOMPARE(QByteArray(codec_find("HEVC", MEDIA_TYPE_VIDEO)->name), QByteArray("hevc"));
    QCOMPARE(QByteArray(codec_find("wmav2", MEDIA_TYPE_AUDIO)->description), QByteArray("wmav2 codec parameters"));
    QVERIFY(!codec_find("copy", 3));
    QVERIFY(!codec_find("", MEDIA_TYPE_VIDEO));

    // An upper-case row is no duplicate: it takes the next free slot.
    static const codec_descriptor upper{MEDIA_TYPE_VIDEO, "H264", "h264", "upper", {}, {}};
    QCOMPARE(captureStdout([] { codec_register(&upper); }), QByteArray());
    const int s = slotOf("H264", MEDIA_TYPE_VIDEO);
    QVERIFY(s > 16);

    // A full table refuses the 65th row.
    codec_registry_reset_for_test();
    static char names[65][8];
    static codec_descriptor rows[65];
    for (int i = 0; i < 65; ++i) {
        std::snprintf(names[i], sizeof names[i], "c%d", i);
        rows[i] = codec_descriptor{MEDIA_TYPE_VIDEO, names[i], names[i], "", {}, {}};
    }
    const QByteArray out = captureStdout([] {
        for (auto& r : rows)
            codec_register(&r);
    });
    QCOMPARE(out, QByteArray("insert failed due to table full loaded...\n"));
    codec_registry_reset_for_test();
    codec_register_all();
}

void TestMediaLibrarySetup::findLanguage_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("english");   // empty: none
    QTest::newRow("fr") << QByteArray("fr") << QByteArray("French");
    QTest::newRow("FRA") << QByteArray("FRA") << QByteArray("French");
    QTest::newRow("fre") << QByteArray("fre") << QByteArray("French");
    QTest::newRow("French") << QByteArray("French") << QByteArray("French");
    QTest::newRow("iw") << QByteArray("iw") << QByteArray("Hebrew");
    QTest::newRow("any") << QByteArray("any") << QByteArray("Afar");
    QTest::newRow("native name") << QByteArray("Deutsch") << QByteArray("German");
    QTest::newRow("en-US") << QByteArray("en-US") << QByteArray();
    QTest::newRow("empty") << QByteArray("") << QByteArray();
}

void TestMediaLibrarySetup::findLanguage()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, english);
    const iso639_entry* row = find_language_entry(text.constData());
    QCOMPARE(row ? QByteArray(row->englishName) : QByteArray(), english);
    QVERIFY(!find_language_entry(nullptr));
}

void TestMediaLibrarySetup::tableMatchesIsoCodes()
{
    QFile f("/usr/share/iso-codes/json/iso_639-2.json");
    if (!f.open(QIODevice::ReadOnly))
        QSKIP("iso-codes is not installed");
    QHash<QString, QString> alpha3;
    for (const QJsonValue& v : QJsonDocument::fromJson(f.readAll()).object().value("639-2").toArray()) {
        const QJsonObject o = v.toObject();
        if (o.contains("alpha_2"))
            alpha3.insert(o.value("alpha_2").toString(), o.value("alpha_3").toString());
    }
    int rows = 0;
    int moldavian = -1, maltese = -1, mongolian = -1;
    for (const iso639_entry* r = iso639_table; r->englishName; ++r, ++rows) {
        QVERIFY(r->iso639_1 && r->iso639_2t && r->nativeName);
        const QString code = QString::fromUtf8(r->iso639_1);
        if (code == "mo")
            moldavian = rows;
        if (code == "mt")
            maltese = rows;
        if (code == "mn")
            mongolian = rows;
        if (code != "mo")
            QCOMPARE(QString::fromUtf8(r->iso639_2t), alpha3.value(code));
        const QByteArray native(r->nativeName);
        QVERIFY2(!native.isEmpty() && QString::fromUtf8(native).toUtf8() == native, r->englishName);
        QVERIFY(!native.contains('?'));
    }
    QCOMPARE(rows, 185);
    QCOMPARE(moldavian, maltese + 1);
    QCOMPARE(mongolian, moldavian + 1);
    QCOMPARE(QByteArray(find_language_entry("nb")->englishName), QByteArray("Norwegian Bokmål"));
    QCOMPARE(QByteArray(find_language_entry("oc")->englishName), QByteArray("Occitan (post 1500); Provençal"));
    QCOMPARE(QByteArray(find_language_entry("ms")->iso639_2b), QByteArray("msa"));
}

void TestMediaLibrarySetup::setLanguage_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("language");
    QTest::newRow("zh-Hans") << QByteArray("zh-Hans") << QByteArray("zho");
    QTest::newRow("de") << QByteArray("de") << QByteArray("deu");
    QTest::newRow("en-US keeps") << QByteArray("en-US") << QByteArray("deu");
    QTest::newRow("16 bytes keep") << QByteArray("fr______________") << QByteArray("deu");
    QTest::newRow("fr") << QByteArray("fr") << QByteArray("fra");
}

void TestMediaLibrarySetup::setLanguage()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, language);
    media_congfig_global_init();
    media_config_set_language(text.constData());
    QCOMPARE(QByteArray(media_config_get()->language), language);
}

void TestMediaLibrarySetup::makeDirectory()
{
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + QString::fromUtf8("/Übung 日本")).toUtf8();
    char* made = make_directory_utf8(path.constData());
    QVERIFY(made);
    QCOMPARE(QByteArray(made), path);
    free(made);
    QVERIFY(QDir(QString::fromUtf8(path)).exists());
    QVERIFY(!make_directory_utf8(path.constData()));   // exists already
}

void TestMediaLibrarySetup::markRecordsStartReset()
{
    TextMarkInfo changed;
    changed.text = "x";
    changed.colorIndex = 7;
    changed.size = QSize(10, 10);
    changed.flag = false;
    changed.reset();
    QVERIFY(changed == TextMarkInfo());
    QCOMPARE(TextMarkInfo().font.family(), QStringLiteral("Microsoft YaHei"));
    QCOMPARE(TextMarkInfo().font.pointSize(), 15);
    QCOMPARE(TextMarkInfo().size, QSize(0, 0));
    const DateTimeMarkInfo stamp;
    QVERIFY(stamp.flag);
    QCOMPARE(stamp.format, QStringLiteral("HH:mm:ss"));
    QVERIFY(stamp.textMark == TextMarkInfo());
}

QTEST_MAIN(TestMediaLibrarySetup)
#include "tst_medialibrary_setup.moc"
