// What the interface pictures are for: every ":/res/" picture the sources ask
// for is compiled in, text reads on the pictures the windows put it on, and
// each action icon shows its own glyph in each of its states.
#include "Legibility.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

static void registerResources()
{
    Q_INIT_RESOURCE(tarnwick_res);
    Q_INIT_RESOURCE(lct);
}

namespace {

// name -> the first source file that asks for it
using Wanted = QMap<QString, QString>;

void want(Wanted& w, const QString& name, const QString& file)
{
    if (!w.contains(name))
        w.insert(name, file);
}

void wantStates(Wanted& w, const QString& prefix, const QStringList& states, const QString& file)
{
    for (const QString& s : states)
        want(w, prefix + s + QStringLiteral(".png"), file);
}

// The text of a call starting at `open` (its opening parenthesis), up to
// the matching closing one.
QString callText(const QString& text, int open)
{
    int depth = 0;
    for (int i = open; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('('))
            ++depth;
        else if (text.at(i) == QLatin1Char(')') && --depth == 0)
            return text.mid(open, i - open + 1);
    }
    return text.mid(open);
}

// Every picture name the sources ask for: the literal paths, and the names
// the code builds from a prefix or a template with the state suffixes.
Wanted wantedNames(const QString& srcDir)
{
    Wanted w;
    const QStringList nor3 = {QStringLiteral("nor"), QStringLiteral("hover"), QStringLiteral("down")};
    const QRegularExpression path(QStringLiteral(":/res/([^\"'()<>;,\\n\\\\]*)"));
    const QRegularExpression literal(QStringLiteral("QStringLiteral\\(\"([^\"]*)\"\\)"));
    const QRegularExpression plainPng(QStringLiteral("\"([\\w ./-]+\\.png)\""));
    const QRegularExpression buttonStyle(QStringLiteral("imageButtonStyle\\(QStringLiteral\\(\"(\\w+)\"\\),\\s*(true|false)\\)"));
    const QRegularExpression toolImages(QStringLiteral("setToolImages\\(\\w+,\\s*QStringLiteral\\(\"(\\w+)\"\\)\\)"));
    const QRegularExpression backgroundSet(QStringLiteral("\\bimages = QStringLiteral\\(\"(\\w+)\"\\)"));
    QDirIterator it(srcDir, {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        // The media library's profiles name their icons in data the program never loads.
        if (file.contains(QLatin1String("/marbleto_library/")) || file.contains(QLatin1String("/CMediaInfoMgr/")))
            continue;
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QString text = QString::fromUtf8(f.readAll());
        // Commented-out sheets and code ask for nothing.
        text.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
        text.remove(QRegularExpression(QStringLiteral("(?<![:\"])//[^\n]*")));
        const QString where = file.mid(srcDir.size() + 1);
        bool templated = false;
        for (auto m = path.globalMatch(text); m.hasNext();) {
            const QString name = m.next().captured(1).trimmed();
            if (name.contains(QLatin1Char('%'))) {
                templated = true;
                continue;
            }
            if (name.isEmpty() || name.endsWith(QLatin1Char('/')))
                continue;
            if (name.endsWith(QLatin1Char('_'))) {
                // A prefix that a style-sheet builder completes.
                wantStates(w, name, nor3, where);
            } else if (QFileInfo(name).suffix().isEmpty()) {
                // A data file, or a menu icon base completed with "_nor.png"
                // and "_hover.png".
                if (!QFile::exists(QStringLiteral(":/res/") + name))
                    wantStates(w, name + QLatin1Char('_'), {QStringLiteral("nor"), QStringLiteral("hover")}, where);
            } else {
                want(w, name, where);
                // A button family's base picture: its state pictures come with it.
                const QString base = name.left(name.size() - 4);
                if (QFile::exists(QStringLiteral(":/res/") + base + QStringLiteral("_nor.png")))
                    wantStates(w, base + QLatin1Char('_'), nor3, where);
            }
        }
        if (!templated)
            continue;
        // Pictures named for a ":/res/%1" template in the same file.
        for (auto m = plainPng.globalMatch(text); m.hasNext();) {
            const QString name = m.next().captured(1);
            if (!name.contains(QLatin1Char(':')))
                want(w, name, where);
        }
        for (auto m = buttonStyle.globalMatch(text); m.hasNext();) {
            const auto hit = m.next();
            QStringList states = nor3;
            if (hit.captured(2) == QLatin1String("true"))
                states << QStringLiteral("dis");
            wantStates(w, hit.captured(1) + QLatin1Char('_'), states, where);
        }
        for (auto m = toolImages.globalMatch(text); m.hasNext();) {
            const QString kind = m.next().captured(1);
            for (const char* s : {"nor", "on", "down"})
                for (int part = 1; part <= 3; ++part)
                    want(w, QStringLiteral("special/button_%1_%2%3.png").arg(kind, QLatin1String(s)).arg(part), where);
        }
        for (auto m = backgroundSet.globalMatch(text); m.hasNext();)
            wantStates(w, m.next().captured(1) + QLatin1Char('_'), nor3, where);
        // The row's state-button sheets take bare names.
        int at = 0;
        while ((at = text.indexOf(QLatin1String("stateSheet("), at)) >= 0) {
            const QString call = callText(text, at + int(qstrlen("stateSheet")));
            at += 10;
            for (auto m = literal.globalMatch(call); m.hasNext();) {
                const QString name = m.next().captured(1);
                if (QRegularExpression(QStringLiteral("^\\w+$")).match(name).hasMatch())
                    want(w, name + QStringLiteral(".png"), where);
            }
        }
    }
    return w;
}

// The picture composed over what shows behind it.
QColor over(QRgb px, const QColor& backdrop)
{
    const QColor c = QColor::fromRgba(qUnpremultiply(px));
    const double a = c.alphaF();
    return QColor::fromRgbF(c.redF() * a + backdrop.redF() * (1 - a), c.greenF() * a + backdrop.greenF() * (1 - a),
                            c.blueF() * a + backdrop.blueF() * (1 - a));
}

// Opaque-enough pixels, on a 28 x 28 grid: the glyph's shape.
QVector<bool> shape(const QImage& img)
{
    const QImage s = img.convertToFormat(QImage::Format_ARGB32).scaled(28, 28, Qt::IgnoreAspectRatio,
                                                                        Qt::SmoothTransformation);
    QVector<bool> out(28 * 28);
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 28; ++x)
            out[y * 28 + x] = qAlpha(s.pixel(x, y)) >= 128;
    return out;
}

// The part of the two shapes' union that only one of them covers.
double shapeDifference(const QVector<bool>& a, const QVector<bool>& b)
{
    int either = 0, one = 0;
    for (int i = 0; i < a.size(); ++i) {
        either += a[i] || b[i];
        one += a[i] != b[i];
    }
    return either ? double(one) / either : 0.0;
}

QColor meanInk(const QImage& img)
{
    double r = 0, g = 0, b = 0, n = 0;
    const QImage a = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb px = a.pixel(x, y);
            if (qAlpha(px) < 200)
                continue;
            r += qRed(px);
            g += qGreen(px);
            b += qBlue(px);
            ++n;
        }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

QImage picture(const QString& name)
{
    return QImage(QStringLiteral(":/res/") + name);
}

// The pictures of the page's and the rows' actions, in their normal state.
const char* const kActionIcons[] = {
    "add_url_nor.png",         "clean_nor.png",        "clean_succeed_nor.png", "special/dl_setting_nor.png",
    "play_nor.png",            "play_stop_nor.png",    "download_pause_nor.png", "download_nor_b.png",
    "liveVideo_Folderopen_icon_nor_b.png", "special/dl_icon.png", "back_nor.png", "online_url_nor.png",
    "reload_nor.png",          "skip_nor.png",
};

}

class TestInterfaceImages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { registerResources(); }

    void everyPictureTheSourcesNameExists_data();
    void everyPictureTheSourcesNameExists();
    void textReadsOnItsPicture_data();
    void textReadsOnItsPicture();
    void actionIconsDiffer();
    void actionIconsShowWhatTheyDo();
    void actionIconStates_data();
    void actionIconStates();
};

void TestInterfaceImages::everyPictureTheSourcesNameExists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    const QString src = qEnvironmentVariable("TW_SOURCE_DIR") + QStringLiteral("/src");
    QVERIFY2(QFileInfo(src).isDir(), qPrintable(src));
    const Wanted w = wantedNames(src);
    // The scan sees the pictures the well-known windows use.
    for (const char* known : {"white_button_down.png", "neirong_bg_down.png", "play_stop_nor.png", "skip_hover_b.png",
                              "stop_red_down.png", "special/button_w_down2.png", "cancle_dis.png"})
        QVERIFY2(w.contains(QLatin1String(known)), known);
    for (auto it = w.constBegin(); it != w.constEnd(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

void TestInterfaceImages::everyPictureTheSourcesNameExists()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QVERIFY2(QFile::exists(QStringLiteral(":/res/") + name), qPrintable(QStringLiteral("%1, asked for by %2").arg(name, file)));
}

void TestInterfaceImages::textReadsOnItsPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QRectF>("area");  // where the text sits, as parts of the picture
    const QColor white(Qt::white);
    const QRectF middle(0.25, 0.3, 0.5, 0.4);
    const QRectF whole(0, 0.3, 1, 0.4);
    struct Pair
    {
        const char* name;
        const char* ink;
        QRectF area;
    };
    const Pair pairs[] = {
        // The light button: dark text, white when pressed or checked.
        {"white_button_nor.png", "#535656", middle},  {"white_button_hover.png", "#535656", middle},
        {"white_button_nor.png", "#4f4f4f", middle},  {"white_button_nor.png", "#656b79", middle},
        {"white_button_nor.png", "#565658", middle},  {"white_button_nor.png", "#33363d", middle},
        {"white_button_down.png", "#ffffff", middle}, {"white_button_dis.png", "#535656", middle},
        {"white_button_dis.png", "#4f4f4f", middle},
        // The row: its title on the strip, its information on the panel.
        {"video_tiao_nor.png", "#434652", QRectF(0.16, 0.15, 0.4, 0.17)},
        {"video_tiao_hover.png", "#434652", QRectF(0.16, 0.15, 0.4, 0.17)},
        {"video_tiao_on.png", "#ffffff", QRectF(0.16, 0.15, 0.4, 0.17)},
        {"video_tiao_on_hover.png", "#ffffff", QRectF(0.16, 0.15, 0.4, 0.17)},
        {"neirong_bg_nor.png", "#575d66", QRectF(0.05, 0.25, 0.9, 0.5)},
        {"neirong_bg_down.png", "#f0f1f2", QRectF(0.05, 0.25, 0.9, 0.5)},
        // The row's tool buttons (their middle slices) and its live control.
        {"special/button_b_nor2.png", "#ffffff", whole},  {"special/button_b_on2.png", "#ffffff", whole},
        {"special/button_b_down2.png", "#ffffff", whole}, {"special/button_w_nor2.png", "#33363d", whole},
        {"special/button_w_on2.png", "#33363d", whole},   {"special/button_w_down2.png", "#ffffff", whole},
        {"stop_green_nor.png", "#ffffff", middle},  {"stop_green_hover.png", "#ffffff", middle},
        {"stop_green_down.png", "#ffffff", middle}, {"stop_red_nor.png", "#ffffff", middle},
        {"stop_red_hover.png", "#ffffff", middle},  {"stop_red_down.png", "#ffffff", middle},
        {"stop_white_nor.png", "#434652", middle},  {"stop_white_hover.png", "#434652", middle},
        {"stop_white_down.png", "#434652", middle}, {"setting_up_nor.png", "#ffffff", middle},
        {"setting_up_hover.png", "#ffffff", middle}, {"setting_up_down.png", "#ffffff", middle},
        {"restore_nor.png", "#f0f0f0", middle},     {"restore_on.png", "#ffffff", middle},
        {"restore_down.png", "#f0f0f0", middle},
        // The output folder's two buttons.
        {"browse_nor.png", "#656b79", middle},  {"browse_hover.png", "#5eb8f0", middle},
        {"browse_down.png", "#ffffff", middle}, {"open_nor.png", "#656b79", middle},
        {"open_hover.png", "#5eb8f0", middle},  {"open_down.png", "#ffffff", middle},
        // The dialogs' "done" and "cancel" looks carry white text.
        {"done_nor.png", "#ffffff", middle},    {"done_hover.png", "#ffffff", middle},
        {"done_down.png", "#ffffff", middle},   {"done_dis.png", "#ffffff", middle},
        {"cancle_nor.png", "#ffffff", middle},  {"cancle_hover.png", "#ffffff", middle},
        {"cancle_down.png", "#ffffff", middle}, {"cancle_dis.png", "#ffffff", middle},
        {"done_nor_M.png", "#ffffff", whole},   {"done_hover_M.png", "#ffffff", whole},
        {"done_down_M.png", "#ffffff", whole},  {"done_dis_M.png", "#ffffff", whole},
        // The analysis window's stop button.
        {"ytb_stop_button_nor.png", "#ffffff", middle}, {"ytb_stop_button_on.png", "#ffffff", middle},
        {"ytb_stop_button_down.png", "#ffffff", middle},
        // A pressed format strip turns its text white.
        {"recently_tiao_down.png", "#ffffff", middle},
    };
    for (const Pair& p : pairs)
        QTest::newRow(qPrintable(QStringLiteral("%1 with %2").arg(QLatin1String(p.name), QLatin1String(p.ink))))
            << QString::fromLatin1(p.name) << QColor(QLatin1String(p.ink)) << p.area;
}

void TestInterfaceImages::textReadsOnItsPicture()
{
    QFETCH(QString, name);
    QFETCH(QColor, ink);
    QFETCH(QRectF, area);
    const QImage img = picture(name).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY2(!img.isNull(), qPrintable(name));
    const QRect r(int(area.x() * img.width()), int(area.y() * img.height()), qMax(1, int(area.width() * img.width())),
                  qMax(1, int(area.height() * img.height())));
    // Sampled pixel by pixel over the white the windows show behind; a few
    // may belong to a rim or an edge.
    int total = 0, poor = 0;
    double worst = 100;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double c = Legibility::contrast(over(img.pixel(x, y), Qt::white), ink);
            ++total;
            poor += c < 4.5;
            worst = qMin(worst, c);
        }
    QVERIFY2(poor * 20 <= total, qPrintable(QStringLiteral("%1 of %2 pixels under 4.5:1, worst %3:1")
                                                .arg(poor).arg(total).arg(worst, 0, 'f', 2)));
}

void TestInterfaceImages::actionIconsDiffer()
{
    QList<QPair<QString, QVector<bool>>> shapes;
    for (const char* n : kActionIcons) {
        const QImage img = picture(QLatin1String(n));
        QVERIFY2(!img.isNull(), n);
        shapes.append({QLatin1String(n), shape(img)});
    }
    for (int i = 0; i < shapes.size(); ++i)
        for (int j = i + 1; j < shapes.size(); ++j) {
            const double d = shapeDifference(shapes.at(i).second, shapes.at(j).second);
            QVERIFY2(d >= 0.3, qPrintable(QStringLiteral("%1 and %2 share %3 % of their shape")
                                              .arg(shapes.at(i).first, shapes.at(j).first)
                                              .arg(int((1 - d) * 100))));
        }
}

void TestInterfaceImages::actionIconsShowWhatTheyDo()
{
    const auto at = [](const QVector<bool>& s, int x, int y) { return s[y * 28 + x]; };
    const auto column = [&at](const QVector<bool>& s, int x) {
        int n = 0;
        for (int y = 0; y < 28; ++y)
            n += at(s, x, y);
        return n;
    };
    // Pause: two bars with a gap between them.
    const QVector<bool> pause = shape(picture(QStringLiteral("download_pause_nor.png")));
    QVERIFY(column(pause, 9) >= 12 && column(pause, 18) >= 12);
    QCOMPARE(column(pause, 14), 0);
    // Stop: a filled square.
    const QVector<bool> stop = shape(picture(QStringLiteral("play_stop_nor.png")));
    for (const QPoint& p : {QPoint(14, 14), QPoint(9, 9), QPoint(19, 9), QPoint(9, 19), QPoint(19, 19)})
        QVERIFY2(at(stop, p.x(), p.y()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    // Play: a triangle pointing right, tall at its left and narrow at its tip.
    const QVector<bool> play = shape(picture(QStringLiteral("play_nor.png")));
    QVERIFY(column(play, 11) > 2 * column(play, 20));
    QVERIFY(column(play, 20) > 0);
    // A finished download is a green tick, a failed one a red cross.
    const QColor done = meanInk(picture(QStringLiteral("complete_black.png")));
    const QColor failed = meanInk(picture(QStringLiteral("notcomplete_white.png")));
    QVERIFY2(done.green() > done.red() && failed.red() > failed.green(), qPrintable(done.name() + failed.name()));
    // Add: a plus, its arms filled and its corners clear.
    const QVector<bool> plus = shape(picture(QStringLiteral("add_url_nor.png")));
    QVERIFY(at(plus, 14, 14) && at(plus, 14, 7) && at(plus, 7, 14) && at(plus, 21, 14));
    QVERIFY(!at(plus, 8, 8) && !at(plus, 20, 20));
}

void TestInterfaceImages::actionIconStates_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("states");
    const QStringList menu = {"nor", "hover", "down", "checked", "dis"};
    const QStringList button = {"nor", "hover", "down"};
    // The page's menu buttons take every state a menu button has.
    for (const char* p : {"add_url_", "clean_", "clean_succeed_", "special/dl_setting_", "back_", "online_url_"})
        QTest::newRow(p) << QString::fromLatin1(p) << menu;
    for (const char* p : {"play_", "play_stop_", "download_pause_"})
        QTest::newRow(p) << QString::fromLatin1(p) << button;
    QTest::newRow("download_") << QStringLiteral("download_") << QStringList{"nor_b", "nor_w", "hover", "down"};
    QTest::newRow("liveVideo_Folderopen_icon_")
        << QStringLiteral("liveVideo_Folderopen_icon_") << QStringList{"nor_b", "nor_w", "hover", "hover_w", "down"};
    // The options menu's entries.
    for (const char* p : {"set_", "update_", "ding_info_", "ding_help_"})
        QTest::newRow(p) << QString::fromLatin1(p) << QStringList{"nor", "hover"};
}

void TestInterfaceImages::actionIconStates()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, states);
    const QImage first = picture(prefix + states.first() + QStringLiteral(".png"));
    QVERIFY2(!first.isNull(), qPrintable(prefix + states.first()));
    const QVector<bool> glyph = shape(first);
    QSet<QRgb> inks;
    for (const QString& s : states) {
        const QString name = prefix + s + QStringLiteral(".png");
        const QImage img = picture(name);
        QVERIFY2(!img.isNull(), qPrintable(name));
        // One glyph in every state; the state shows in its colour.
        QVERIFY2(shapeDifference(glyph, shape(img)) < 0.2, qPrintable(name));
        const QColor ink = meanInk(img);
        QVERIFY2(ink.isValid(), qPrintable(name));
        inks.insert(ink.rgb());
        if (s == QLatin1String("dis"))
            QVERIFY2(ink.hsvSaturation() < 40, qPrintable(name + QStringLiteral(" is not grey")));
        if (s.endsWith(QLatin1String("_w")))
            QVERIFY2(Legibility::luminance(ink) > 0.7, qPrintable(name + QStringLiteral(" is not light")));
        if (s.endsWith(QLatin1String("_b")))
            QVERIFY2(Legibility::luminance(ink) < 0.2, qPrintable(name + QStringLiteral(" is not dark")));
    }
    QVERIFY2(inks.size() >= qMin(3, states.size()), qPrintable(prefix + QStringLiteral(" states look alike")));
}

QTEST_MAIN(TestInterfaceImages)
#include "tst_interfaceimages.moc"
