#include "function/FileCodecTrans/FileCodecTrans.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

const QByteArray kMark("\xEF\xBB\xBF");

} // namespace

class TestFileCodecTrans : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void encodedTextsBecomeTheSameCharacters_data();
    void encodedTextsBecomeTheSameCharacters();
    void asciiKeepsItsBytesAfterTheMark();
    void utf16WithMarkRoundTrips();
    void lineEndsBecomeNewlines();
    void failuresLeaveTheNewPathAsItWas_data();
    void failuresLeaveTheNewPathAsItWas();
    void emptyInputIsAscii();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestFileCodecTrans::encodedTextsBecomeTheSameCharacters_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QString>("text");
    QTest::newRow("shift_jis") << QByteArray("Shift_JIS")
        << QString::fromUtf8("日本語のテキストファイルです。これは文字コードの判定と変換の試験に使う文章です。"
                             "東京都の天気は晴れのち曇り、明日は雨が降るでしょう。ひらがなとカタカナと漢字を混ぜて書きます。");
    QTest::newRow("big5") << QByteArray("Big5")
        << QString::fromUtf8("這是一個繁體中文的文字檔案，用來測試字元編碼的偵測與轉換。今天天氣很好，我們一起去公園散步吧。"
                             "臺灣的夜市有很多好吃的小吃，例如珍珠奶茶和蚵仔煎。");
    QTest::newRow("euc-kr") << QByteArray("EUC-KR")
        << QString::fromUtf8("이것은 문자 인코딩 감지와 변환을 시험하기 위한 한국어 텍스트 파일입니다. "
                             "오늘은 날씨가 맑고 내일은 비가 올 것 같습니다. 서울의 거리는 사람들로 붐빕니다.");
    QTest::newRow("windows-1252 french") << QByteArray("windows-1252")
        << QString::fromUtf8("Le élève préféré de la maîtresse était très âgé. À côté de l'église, "
                             "on a dégusté des crêpes et du café crème. Noël approche, et les enfants sont impatients. "
                             "Où est passée la clé du château ? Ça, c'est une œuvre très réussie.");
    QTest::newRow("latin-1 spanish") << QByteArray("ISO-8859-1")
        << QString::fromUtf8("¿Dónde está el niño? ¡Qué día más bonito! El señor García comió paella en el jardín. "
                             "La canción de la mañana habló de un corazón que busca la razón. "
                             "Mañana iremos a la montaña con los compañeros de la escuela.");
}

void TestFileCodecTrans::encodedTextsBecomeTheSameCharacters()
{
    QFETCH(QByteArray, codec);
    QFETCH(QString, text);
    QTextCodec* c = QTextCodec::codecForName(codec);
    QVERIFY(c);
    const QByteArray encoded = c->fromUnicode(text + "\n" + text + "\n");
    QVERIFY(writeAll(path("in.txt"), encoded));
    FileCodecTrans trans;
    QVERIFY(trans.transFileToUTF8(path("in.txt"), path("out.txt")));
    const QByteArray out = readAll(path("out.txt"));
    QVERIFY(out.startsWith(kMark));
    QCOMPARE(QString::fromUtf8(out.mid(3)), text + "\n" + text + "\n");
}

void TestFileCodecTrans::asciiKeepsItsBytesAfterTheMark()
{
    const QByteArray ascii("Plain ASCII text.\nSecond line, with digits 12345.\n");
    QVERIFY(writeAll(path("a.txt"), ascii));
    FileCodecTrans trans;
    QVERIFY(trans.transFileToUTF8(path("a.txt"), path("b.txt")));
    QCOMPARE(readAll(path("b.txt")), kMark + ascii);
}

void TestFileCodecTrans::utf16WithMarkRoundTrips()
{
    // U+4E0D holds a 0x0D byte in UTF-16LE: a text-mode read would cut it.
    const QString text = QString::fromUtf8("不要 不是 不好\n第二行 不\n");
    QByteArray bytes("\xFF\xFE", 2);
    for (QChar ch : text) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
    }
    QVERIFY(writeAll(path("u16.txt"), bytes));
    FileCodecTrans trans;
    QVERIFY(trans.transFileToUTF8(path("u16.txt"), path("u8.txt")));
    QCOMPARE(readAll(path("u8.txt")), kMark + text.toUtf8());
}

void TestFileCodecTrans::lineEndsBecomeNewlines()
{
    QVERIFY(writeAll(path("crlf.txt"), "one\r\ntwo\rthree\r\n\r\nfour"));
    FileCodecTrans trans;
    QVERIFY(trans.transFileToUTF8(path("crlf.txt"), path("lf.txt")));
    QCOMPARE(readAll(path("lf.txt")), kMark + QByteArray("one\ntwo\nthree\n\nfour"));
}

void TestFileCodecTrans::failuresLeaveTheNewPathAsItWas_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("ontoItself");
    QTest::newRow("missing input") << QStringLiteral("nothing-here.txt") << false;
    QTest::newRow("binary onto itself") << QStringLiteral("binary.bin") << true;
}

void TestFileCodecTrans::failuresLeaveTheNewPathAsItWas()
{
    QFETCH(QString, input);
    QFETCH(bool, ontoItself);
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 131 + (i >> 3)) & 0xFF));
    QVERIFY(writeAll(path("binary.bin"), binary));
    const QString target = ontoItself ? path(input) : path("kept.txt");
    if (!ontoItself)
        QVERIFY(writeAll(target, "kept"));
    const QByteArray before = readAll(target);

    FileCodecTrans trans;
    QVERIFY(!trans.transFileToUTF8(path(input), target));
    QCOMPARE(readAll(target), before);
}

void TestFileCodecTrans::emptyInputIsAscii()
{
    FileCodecTrans trans;
    QString coding;
    QCOMPARE(trans.transStrCodec("", 0, coding), 0);
    QCOMPARE(coding, QStringLiteral("ASCII"));
    QVERIFY(writeAll(path("empty.txt"), QByteArray()));
    QVERIFY(trans.transFileToUTF8(path("empty.txt"), path("empty-out.txt")));
    QCOMPARE(readAll(path("empty-out.txt")), kMark);
}

QTEST_GUILESS_MAIN(TestFileCodecTrans)
#include "tst_filecodectrans.moc"
