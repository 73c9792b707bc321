#include "shell/Utils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestUtils : public QObject
{
    Q_OBJECT

private slots:
    void saveLeftoversRemoved()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList leftovers{"config.ini.aB3xYz", "config.ini.000000", "AP.Qw12Er"};
        const QStringList kept{"config.ini", "config.ini.bak", "config.ini.abc", "config.ini.aB3xYz7", "xconfig.ini.aB3xYz",
                               "config.ini.aB-xYz", "downloading.json.aB3xYz", "AP", "other.aB3xYz"};
        for (const QString& name : leftovers + kept) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir("config.ini.zzzzzz"));    // a folder is not ours
        QCOMPARE(removeSaveLeftovers(dir.filePath("config.ini")), 2);
        QCOMPARE(removeSaveLeftovers(dir.filePath("AP")), 1);
        QCOMPARE(removeSaveLeftovers(dir.filePath("missing/AP")), 0);
        for (const QString& name : leftovers)
            QVERIFY2(!QFile::exists(dir.filePath(name)), qPrintable(name));
        for (const QString& name : kept)
            QVERIFY2(QFile::exists(dir.filePath(name)), qPrintable(name));
        QVERIFY(QDir(dir.filePath("config.ini.zzzzzz")).exists());
    }

    void validFileName_data();
    void validFileName();
    void validFileNameCutsOnCharacterBoundary_data();
    void validFileNameCutsOnCharacterBoundary();
    void scaleStyleSheet_data();
    void scaleStyleSheet();
    void applyAlpha_data();
    void applyAlpha();
    void applyAlphaKeepsSizeOfNullAndOddFormats();
};

void TestUtils::validFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");

    QTest::newRow("each listed character") << "a/b: c?" << "_" << "a_b_ c_";
    QTest::newRow("all nine") << "<>/\\|:\"*?" << "_" << "_________";
    QTest::newRow("blank replacement trims") << "Part 1: \"The Start\"?" << " " << "Part 1   The Start";
    QTest::newRow("empty replacement removes") << "a<b>c" << "" << "abc";
    QTest::newRow("longer replacement") << "a/b" << "--" << "a--b";
    QTest::newRow("plain title kept") << "My Video (2024) [HD]" << "_" << "My Video (2024) [HD]";
    QTest::newRow("non-ASCII kept") << QString::fromUtf8("Caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac") << "_"
                                    << QString::fromUtf8("Caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac");
    QTest::newRow("surrounding spaces") << "  title \t" << "_" << "title";
    QTest::newRow("unicode spaces") << QString::fromUtf8("\xe3\x80\x80title\xc2\xa0") << "_" << "title";
    // The name must still be a file of its own.
    QTest::newRow("only spaces") << "   " << "_" << "_";
    QTest::newRow("blank replacement only") << "/ : ?" << " " << "_";
    QTest::newRow("empty") << "" << "_" << "_";
    QTest::newRow("dot") << "." << "_" << "_";
    QTest::newRow("dot dot") << ".." << "_" << "_";
    QTest::newRow("dots after trimming") << " ... " << " " << "_";
    QTest::newRow("dots with slash") << "../.." << "" << "_";
    QTest::newRow("dot dot with blank") << "../" << " " << "_";
    QTest::newRow("leading dot kept") << ".hidden" << "_" << ".hidden";
    QTest::newRow("dots and text kept") << "..a" << "_" << "..a";
    QTest::newRow("control characters go") << QString::fromUtf8("line\none\ttab\x1b[0m\x7f\xc2\x85") << "_"
                                            << "lineonetab[0m";
    QTest::newRow("only control characters") << QStringLiteral("\r\n\x01") << "_" << "_";
    QTest::newRow("control at the edge keeps trim") << QStringLiteral("title \x01") << "_" << "title";
}

void TestUtils::validFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QString copy = name;
    QString& result = toValidFileName(copy, replacement);
    QCOMPARE(&result, &copy);   // changed in place
    QCOMPARE(copy, expected);
}

void TestUtils::validFileNameCutsOnCharacterBoundary_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    const QString ascii300 = QString(300, QLatin1Char('a'));
    QTest::newRow("300 ASCII bytes") << ascii300 << QString(200, QLatin1Char('a'));
    QTest::newRow("200 bytes kept") << QString(200, QLatin1Char('b')) << QString(200, QLatin1Char('b'));

    // 3 bytes each: 66 characters are 198 bytes, a 67th would be 201.
    const QString kana = QString(100, QChar(0x3042));
    QTest::newRow("three-byte characters") << kana << QString(66, QChar(0x3042));

    // 'x' then two-byte characters: 1 + 99 * 2 = 199 bytes.
    const QString two = QLatin1Char('x') + QString(150, QChar(0x00e9));
    QTest::newRow("two-byte characters") << two << QLatin1Char('x') + QString(99, QChar(0x00e9));

    // Four-byte characters (surrogate pairs) are never split: 50 fit exactly.
    QString emoji;
    for (int i = 0; i < 75; ++i)
        emoji += QString::fromUcs4(U"\U0001F600", 1);
    QTest::newRow("surrogate pairs") << emoji << emoji.left(100);
    QTest::newRow("surrogate pair after one byte") << QLatin1Char('y') + emoji
                                                   << QLatin1Char('y') + emoji.left(98);

    // A cut that leaves a blank at the end trims it.
    QTest::newRow("blank at the cut") << QString(199, QLatin1Char('c')) + QStringLiteral(" d")
                                      << QString(199, QLatin1Char('c'));
}

void TestUtils::validFileNameCutsOnCharacterBoundary()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    toValidFileName(name, QStringLiteral("_"));
    QCOMPARE(name, expected);
    QVERIFY(name.toUtf8().size() <= kMaxFileNameBytes);
    // Room for "_part1_2" and an extension under the 255-byte limit.
    QVERIFY((name + QStringLiteral("_part1_2.webm.part")).toUtf8().size() <= 255);
    QCOMPARE(QString::fromUtf8(name.toUtf8()), name);   // no broken character
}

void TestUtils::scaleStyleSheet_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("expected");

    QTest::newRow("font and margin")
        << "QLabel{font-size:13px; margin:2px;}" << 1.5f << "QLabel{font-size:19px; margin:3px;}";
    QTest::newRow("near one") << "a{width:13px;}" << 1.0000001f << "a{width:13px;}";
    QTest::newRow("fraction digits only") << "a{width:1.5px;}" << 1.5f << "a{width:1.7px;}";
    QTest::newRow("cut towards zero") << "a{width:3px;}" << 0.9f << "a{width:2px;}";
    QTest::newRow("growing numbers shift later ones")
        << "a{margin:9px 9px 9px 9px;}" << 2.0f << "a{margin:18px 18px 18px 18px;}";
    QTest::newRow("shrinking numbers shift later ones")
        << "a{margin:100px 10px;}" << 0.05f << "a{margin:5px 0px;}";
    QTest::newRow("no px") << "a{width:10pt; color:#123;}" << 2.0f << "a{width:10pt; color:#123;}";
    QTest::newRow("px without number") << "a{width:px;}" << 2.0f << "a{width:px;}";
    QTest::newRow("zero") << "a{border:0px;}" << 2.0f << "a{border:0px;}";
    QTest::newRow("at the very end") << "1px" << 3.0f << "3px";
    QTest::newRow("too long to read") << "a{width:99999999999999999999999px;}" << 2.0f
                                      << "a{width:99999999999999999999999px;}";
    QTest::newRow("too large once scaled") << "a{width:9000000000000000000px;}" << 2.0f
                                           << "a{width:9000000000000000000px;}";
}

void TestUtils::scaleStyleSheet()
{
    QFETCH(QString, style);
    QFETCH(float, factor);
    QFETCH(QString, expected);
    QCOMPARE(scaleStyleSheetPx(style, factor), expected);
}

void TestUtils::applyAlpha_data()
{
    QTest::addColumn<int>("alpha");
    QTest::addColumn<int>("expectedAlpha");
    QTest::newRow("opaque") << 255 << 255;
    QTest::newRow("half") << 128 << 128;
    QTest::newRow("transparent") << 0 << 0;
}

void TestUtils::applyAlpha()
{
    QFETCH(int, alpha);
    QFETCH(int, expectedAlpha);
    QImage source(4, 3, QImage::Format_RGB32);
    source.fill(QColor(200, 100, 50));
    const QImage out = TransImageAlpha::applyAlpha(source, alpha);
    QCOMPARE(out.size(), source.size());
    QCOMPARE(out.format(), QImage::Format_ARGB32);
    const QColor pixel = QColor::fromRgba(out.pixel(2, 1));
    QVERIFY2(qAbs(pixel.alpha() - expectedAlpha) <= 1, qPrintable(QString::number(pixel.alpha())));
    if (expectedAlpha == 255)
        QCOMPARE(pixel, QColor(200, 100, 50));
    else if (expectedAlpha > 0)
        QVERIFY(qAbs(pixel.red() - 200) <= 2 && qAbs(pixel.green() - 100) <= 2);
}

void TestUtils::applyAlphaKeepsSizeOfNullAndOddFormats()
{
    QVERIFY(TransImageAlpha::applyAlpha(QImage(), 100).isNull());

    // An image that already has an alpha channel: its transparency is kept
    // and scaled.
    QImage source(2, 2, QImage::Format_ARGB32);
    source.fill(Qt::transparent);
    source.setPixel(0, 0, qRgba(255, 0, 0, 255));
    const QImage out = TransImageAlpha::applyAlpha(source, 51);
    QCOMPARE(qAlpha(out.pixel(1, 1)), 0);
    QVERIFY(qAbs(qAlpha(out.pixel(0, 0)) - 51) <= 1);

    const QImage indexed = source.convertToFormat(QImage::Format_Indexed8);
    QCOMPARE(TransImageAlpha::applyAlpha(indexed, 255).format(), QImage::Format_ARGB32);
}

QTEST_GUILESS_MAIN(TestUtils)
#include "tst_utils.moc"
