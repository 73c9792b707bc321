// Paints the interface images of Tarnwick at build time.
//
// Usage: tw_resgen <output folder> <image name>...
//        tw_resgen --busy-frames <output folder>
// Every image is drawn here with QPainter from the interface palette; to add
// one, write a painter below, register it in painters(), and add its name to
// TW_IMAGES in res/CMakeLists.txt. The second form paints the frames of the
// busy animation as frame_00.png, frame_01.png, ...; the build assembles them
// into an animated GIF with ffmpeg, since Qt cannot write GIF.

#include "analysis_images.h"
#include "contrast.h"
#include "download_images.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTextStream>
#include <cmath>
#include <functional>

namespace {

// The palette every window shares.
namespace Palette {
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Grey(0x99, 0x99, 0x99);
const QColor Orange(0xFC, 0x67, 0x3A);
const QColor Yellow(0xFE, 0xCE, 0x5B);
const QColor Green(0x17, 0xA2, 0x49);
const QColor Blue(0x21, 0xAA, 0xD4);
const QColor Violet(0xD0, 0x5A, 0xCE);
const QColor Pink(0xFD, 0x60, 0x96);
const QColor Red(0xFC, 0x37, 0x46);
}

const int kBusySideLoading = 100;

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void setupPainter(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// A soft dark ring: the 9-slice border image behind frameless windows.
// The popup covers the inner area starting 4 px in.
QImage shadow()
{
    const int size = 24;
    const double inner0 = 4.0, inner1 = size - 4.0;
    QImage img = canvas(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            const double dx = cx < inner0 ? inner0 - cx : (cx > inner1 ? cx - inner1 : 0.0);
            const double dy = cy < inner0 ? inner0 - cy : (cy > inner1 ? cy - inner1 : 0.0);
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d <= 0.0)
                continue;
            const double t = qMax(0.0, 1.0 - d / 4.5);
            const int a = int(std::lround(80.0 * t * t));
            img.setPixelColor(x, y, QColor(0, 0, 0, a));
        }
    }
    return img;
}

QImage panel()
{
    QImage img = canvas(40, 40);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 40);
    g.setColorAt(0, Palette::White);
    g.setColorAt(1, QColor(0xF2, 0xF3, 0xF5));
    p.fillRect(img.rect(), g);
    return img;
}

QImage line()
{
    QImage img = canvas(4, 2);
    QPainter p(&img);
    p.fillRect(0, 0, 4, 1, QColor(0xCC, 0xCC, 0xCC));
    p.fillRect(0, 1, 4, 1, Palette::White);
    return img;
}

QImage track()
{
    QImage img = canvas(8, 8);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xED, 0xED, 0xEF));
    p.drawRoundedRect(QRectF(0, 0, 8, 8), 4, 4);
    return img;
}

// The warning sign, drawn into the 97 x 55 band it fills in the message box.
QImage warning()
{
    QImage img = canvas(97, 55);
    QPainter p(&img);
    setupPainter(p);
    p.translate(16.5, 0);
    QPainterPath tri;
    tri.moveTo(32, 3);
    tri.lineTo(61, 52);
    tri.lineTo(3, 52);
    tri.closeSubpath();
    QPen pen(Palette::Yellow.darker(115), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Palette::Yellow);
    p.drawPath(tri);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::White);
    p.drawRoundedRect(QRectF(28.5, 17, 7, 20), 3.5, 3.5);
    p.drawEllipse(QPointF(32, 44), 4, 4);
    return img;
}

// Close and minimise buttons, 46 x 24 (32 x 24 for minimise); "dark" is the
// normal look on the dark title bar of the main window.
QImage titleButton(bool close, int state, bool dark = false)
{
    const int w = close ? 46 : 32;
    QImage img = canvas(w, 24);
    QPainter p(&img);
    setupPainter(p);
    QColor glyph = dark ? QColor(0xEF, 0xEF, 0xEF) : Palette::Grey;
    if (state > 0) {
        QColor bg;
        if (close)
            bg = state == 1 ? Palette::Red : Palette::Red.darker(120);
        else if (dark)
            bg = state == 1 ? QColor(0x4A, 0x4D, 0x5A) : QColor(0x22, 0x24, 0x2C);
        else
            bg = state == 1 ? QColor(0xE4, 0xE5, 0xE8) : QColor(0xD2, 0xD3, 0xD7);
        p.fillRect(img.rect(), bg);
        glyph = close ? Palette::White : (dark ? QColor(0xEF, 0xEF, 0xEF) : QColor(0x49, 0x4C, 0x59));
    }
    p.setPen(QPen(glyph, 1.6, Qt::SolidLine, Qt::RoundCap));
    const double c = w / 2.0;
    if (close) {
        p.drawLine(QPointF(c - 4.5, 7.5), QPointF(c + 4.5, 16.5));
        p.drawLine(QPointF(c + 4.5, 7.5), QPointF(c - 4.5, 16.5));
    } else {
        p.drawLine(QPointF(c - 4.5, 12.5), QPointF(c + 4.5, 12.5));
    }
    return img;
}

// Text buttons, 124 x 33: "done" in the accent colour, "cancel" in grey.
// Both carry white text in every state, so each fill is deepened until that
// text reads on it.
QImage textButton(const QColor& base, int state)
{
    QImage img = canvas(124, 33);
    QPainter p(&img);
    setupPainter(p);
    const QColor deep = Contrast::readableUnder(base, Palette::White, 5.8);
    QColor c = deep;
    if (state == 1)
        c = deep.lighter(112);
    else if (state == 2)
        c = deep.darker(115);
    else if (state == 3)
        c = QColor(0xCC, 0xCC, 0xCC);
    c = Contrast::readableUnder(c, Palette::White);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(0.5, 0.5, 123, 32), 4, 4);
    return img;
}

// The light button; pressed (and checked) it turns a deep blue, since the
// windows draw white text on it then.
QImage whiteButton(int state)
{
    QImage img = canvas(117, 25);
    QPainter p(&img);
    setupPainter(p);
    const QColor pressed = Contrast::readableUnder(Palette::Blue, Palette::White);
    const QColor border = state == 0 ? QColor(0xCC, 0xCC, 0xCC) : (state == 2 ? pressed.darker(120) : Palette::Blue);
    p.setPen(QPen(border, 1));
    p.setBrush(state == 2 ? pressed : Palette::White);
    p.drawRoundedRect(QRectF(0.5, 0.5, 116, 24), 3, 3);
    return img;
}

// The panel behind the report file rows, at the size it is shown.
QImage roundedBox()
{
    QImage img = canvas(682, 195);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(QPen(QColor(0xE2, 0xE3, 0xE6), 1));
    p.setBrush(Palette::White);
    p.drawRoundedRect(QRectF(0.5, 0.5, 681, 194), 6, 6);
    return img;
}

// A sheet with a folded corner and a coloured band: the report file icons.
QImage fileIcon(const QColor& accent)
{
    QImage img = canvas(142, 84);
    QPainter p(&img);
    setupPainter(p);
    const QRectF sheet(49, 4, 44, 76);
    QPainterPath path;
    path.moveTo(sheet.left(), sheet.top());
    path.lineTo(sheet.right() - 14, sheet.top());
    path.lineTo(sheet.right(), sheet.top() + 14);
    path.lineTo(sheet.right(), sheet.bottom());
    path.lineTo(sheet.left(), sheet.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(0xC8, 0xCA, 0xD0), 1.2));
    p.setBrush(Palette::White);
    p.drawPath(path);
    QPainterPath fold;
    fold.moveTo(sheet.right() - 14, sheet.top());
    fold.lineTo(sheet.right() - 14, sheet.top() + 14);
    fold.lineTo(sheet.right(), sheet.top() + 14);
    p.setBrush(QColor(0xE6, 0xE7, 0xEA));
    p.drawPath(fold);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(sheet.left() - 8, sheet.top() + 44, 40, 16), 2, 2);
    p.setBrush(QColor(0xDD, 0xDF, 0xE3));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(sheet.left() + 7, sheet.top() + 22 + i * 6, 28 - i * 6, 2));
    return img;
}

QImage copyIcon(bool file)
{
    QImage img = canvas(13, 14);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(QPen(QColor(0x43, 0x46, 0x52), 1));
    p.setBrush(Qt::NoBrush);
    if (file) {
        p.drawRect(QRectF(0.5, 0.5, 8, 10));
        p.setBrush(Palette::White);
        p.drawRect(QRectF(3.5, 2.5, 8, 10));
    } else {
        p.drawRect(QRectF(1.5, 0.5, 9, 12));
        p.drawLine(QPointF(3.5, 4.5), QPointF(8.5, 4.5));
        p.drawLine(QPointF(3.5, 7.5), QPointF(8.5, 7.5));
        p.drawLine(QPointF(3.5, 10.0), QPointF(6.5, 10.0));
    }
    return img;
}

QImage folder(int state)
{
    QImage img = canvas(16, 14);
    QPainter p(&img);
    setupPainter(p);
    QColor c = state == 0 ? Palette::Yellow : (state == 1 ? Palette::Orange : Palette::Orange.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(c.darker(110));
    p.drawRoundedRect(QRectF(0.5, 1.5, 7, 4), 1, 1);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(0.5, 3.5, 15, 10), 1.5, 1.5);
    return img;
}

// The dark title bar of the main window; the title label's own image is a
// faint lighter band in its middle.
QImage titleBar(bool label)
{
    QImage img = canvas(label ? 64 : 8, 24);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 24);
    if (label) {
        g.setColorAt(0, QColor(0xFF, 0xFF, 0xFF, 0));
        g.setColorAt(1, QColor(0xFF, 0xFF, 0xFF, 0));
    } else {
        g.setColorAt(0, QColor(0x3B, 0x3E, 0x4A));
        g.setColorAt(1, QColor(0x2E, 0x31, 0x3B));
    }
    p.fillRect(img.rect(), g);
    return img;
}

QImage titleSeparator()
{
    QImage img = canvas(2, 24);
    QPainter p(&img);
    p.fillRect(QRect(0, 4, 1, 16), QColor(0x22, 0x24, 0x2C));
    p.fillRect(QRect(1, 4, 1, 16), QColor(0x4A, 0x4D, 0x5A));
    return img;
}

// The options button: three short bars, 26 x 20.
QImage optionsButton(int state)
{
    QImage img = canvas(26, 20);
    QPainter p(&img);
    setupPainter(p);
    if (state > 0)
        p.fillRect(img.rect(), state == 1 ? QColor(0x4A, 0x4D, 0x5A) : QColor(0x22, 0x24, 0x2C));
    p.setPen(QPen(state == 0 ? QColor(0xEF, 0xEF, 0xEF) : Palette::Orange, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(8.5, 6.5 + i * 3.5), QPointF(17.5, 6.5 + i * 3.5));
    return img;
}

// The program's mark: a down arrow into a tray on the accent colour, drawn
// on a 32 x 32 grid and scaled to the picture's side.
QImage mark(int side)
{
    QImage img = canvas(side, side);
    QPainter p(&img);
    setupPainter(p);
    p.scale(side / 32.0, side / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Orange);
    p.drawRoundedRect(QRectF(0, 0, 32, 32), 7, 7);
    QPen pen(Palette::White, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawLine(QPointF(16, 7), QPointF(16, 19));
    p.drawLine(QPointF(10.5, 14), QPointF(16, 19.5));
    p.drawLine(QPointF(21.5, 14), QPointF(16, 19.5));
    p.drawLine(QPointF(8, 24.5), QPointF(24, 24.5));
    return img;
}

QImage logo()
{
    return mark(32);
}

// The mark at the size of the about window (72 x 72), drawn at twice that so
// that it stays sharp up to a factor of 2.
QImage productIcon()
{
    return mark(144);
}

// The bubble that carries the percentage over the engine-update bar: a blue
// box (41 x 16) with a small tip pointing down at the bar.
QImage progressFloat()
{
    QImage img = canvas(41, 22);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x9E, 0xFF));
    p.drawRoundedRect(QRectF(0, 0, 41, 16), 3, 3);
    QPainterPath tip;
    tip.moveTo(16.5, 15);
    tip.lineTo(24.5, 15);
    tip.lineTo(20.5, 21);
    tip.closeSubpath();
    p.drawPath(tip);
    return img;
}

// A white well with a light rim, stretched as a 9-slice border image (4 px
// borders) behind the file list and the about window's information band.
QImage informationPanel()
{
    QImage img = canvas(24, 24);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(QPen(QColor(0xE2, 0xE3, 0xE6), 1));
    p.setBrush(QColor(0xFA, 0xFA, 0xFB));
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 3.5, 3.5);
    return img;
}

// A broken download: a red disc with a white cross beside an arrow, 34 x 28.
QImage downloadFault()
{
    QImage img = canvas(34, 28);
    QPainter p(&img);
    setupPainter(p);
    QPen arrow(Palette::Grey, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(arrow);
    p.drawLine(QPointF(9, 3), QPointF(9, 17));
    p.drawLine(QPointF(4, 12), QPointF(9, 17.5));
    p.drawLine(QPointF(14, 12), QPointF(9, 17.5));
    p.drawLine(QPointF(2, 24.5), QPointF(16, 24.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Red);
    p.drawEllipse(QPointF(25, 17), 8.5, 8.5);
    QPen cross(Palette::White, 2.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(cross);
    p.drawLine(QPointF(21.5, 13.5), QPointF(28.5, 20.5));
    p.drawLine(QPointF(28.5, 13.5), QPointF(21.5, 20.5));
    return img;
}

// The frame of the track drop-down: a white card on a soft shadow, as a
// 9-slice border image with 8 px borders; the card starts 4 px in.
QImage shadowBorder()
{
    const int size = 32;
    QImage img = canvas(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            const double dx = cx < 4 ? 4 - cx : (cx > size - 4 ? cx - (size - 4) : 0.0);
            const double dy = cy < 4 ? 4 - cy : (cy > size - 4 ? cy - (size - 4) : 0.0);
            const double d = std::sqrt(dx * dx + dy * dy);
            const double t = qMax(0.0, 1.0 - d / 4.0);
            img.setPixelColor(x, y, QColor(0, 0, 0, int(std::lround(60.0 * t * t))));
        }
    }
    QPainter p(&img);
    setupPainter(p);
    p.setPen(QPen(QColor(0xE2, 0xE3, 0xE6), 1));
    p.setBrush(Palette::White);
    p.drawRoundedRect(QRectF(4.5, 4.5, size - 9, size - 9), 3, 3);
    return img;
}

// The mark beside the language in use, 12 x 12.
QImage currentMark()
{
    QImage img = canvas(12, 12);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Orange);
    p.drawEllipse(QPointF(6, 6), 3.5, 3.5);
    return img;
}

// The small dot between the version and the release date, 6 x 6.
QImage point()
{
    QImage img = canvas(6, 6);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Grey);
    p.drawEllipse(QRectF(0.5, 0.5, 5, 5));
    return img;
}

// An envelope, 18 x 12, before the about window's feedback link.
QImage emailIcon()
{
    QImage img = canvas(18, 12);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(QPen(QColor(0x57, 0x58, 0x69), 1.2));
    p.setBrush(Palette::White);
    p.drawRoundedRect(QRectF(0.6, 0.6, 16.8, 10.8), 1.5, 1.5);
    p.drawLine(QPointF(1, 1.2), QPointF(9, 7));
    p.drawLine(QPointF(17, 1.2), QPointF(9, 7));
    return img;
}

// The close button of a window that cannot be closed yet: a faint glyph.
QImage closeDisabled()
{
    QImage img = canvas(46, 24);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(QPen(QColor(0xD6, 0xD7, 0xDB), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18.5, 7.5), QPointF(27.5, 16.5));
    p.drawLine(QPointF(27.5, 7.5), QPointF(18.5, 16.5));
    return img;
}

// Text field frames, stretched as 9-slice images (4 px borders): normal,
// focused ("on", the accent rim) and disabled (greyed well).
QImage inputFrame(int state)
{
    QImage img = canvas(40, 30);
    QPainter p(&img);
    setupPainter(p);
    const QColor rim = state == 1 ? Palette::Blue : QColor(0xD2, 0xD4, 0xD9);
    p.setPen(QPen(rim, 1));
    p.setBrush(state == 2 ? QColor(0xF0, 0xF1, 0xF3) : Palette::White);
    p.drawRoundedRect(QRectF(0.5, 0.5, 39, 29), 3, 3);
    return img;
}

// The arrow button at the right end of a drop-down box, 30 x 30.
QImage dropDownButton(int state)
{
    QImage img = canvas(30, 30);
    QPainter p(&img);
    setupPainter(p);
    if (state > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(state == 1 ? QColor(0xE8, 0xF6, 0xFB) : QColor(0xD3, 0xEE, 0xF7));
        p.drawRoundedRect(QRectF(1, 1, 28, 28), 3, 3);
    }
    QPainterPath arrow;
    arrow.moveTo(10, 12.5);
    arrow.lineTo(20, 12.5);
    arrow.lineTo(15, 18);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(state == 0 ? QColor(0x6C, 0x6F, 0x79) : Palette::Blue);
    p.drawPath(arrow);
    return img;
}

// The highlight behind the chosen entry of a drop-down list.
QImage chosenEntry()
{
    QImage img = canvas(40, 30);
    QPainter p(&img);
    p.fillRect(img.rect(), QColor(0xE3, 0xF4, 0xFA));
    return img;
}

// A pen (rename) icon, 16 x 16: grey, accent when on, darker when pressed.
QImage pen(int state)
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    setupPainter(p);
    const QColor c = state == 0 ? Palette::Grey : (state == 1 ? Palette::Blue : Palette::Blue.darker(125));
    p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 12), QPointF(12, 4));
    p.setPen(QPen(c, 1.2));
    p.drawLine(QPointF(2.5, 13.5), QPointF(5, 13.5));
    p.drawLine(QPointF(2.5, 13.5), QPointF(2.5, 11));
    return img;
}

// Check-box indicators, drawn at twice their 18 x 20 design size so that they
// stay sharp up to a factor of 2.
enum class Box { Unchecked, Disabled, Checked, Indeterminate };

QImage checkBox(Box kind)
{
    QImage img = canvas(36, 40);
    QPainter p(&img);
    setupPainter(p);
    const QRectF box(3, 5, 30, 30);
    switch (kind) {
    case Box::Unchecked:
        p.setPen(QPen(Palette::Grey, 2));
        p.setBrush(Palette::White);
        p.drawRoundedRect(box, 5, 5);
        break;
    case Box::Disabled:
        p.setPen(QPen(withAlpha(Palette::Grey, 110), 2));
        p.setBrush(withAlpha(Palette::Grey, 50));
        p.drawRoundedRect(box, 5, 5);
        break;
    case Box::Checked: {
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Blue);
        p.drawRoundedRect(box, 5, 5);
        p.setPen(QPen(Palette::White, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(10, 20);
        tick.lineTo(16, 26);
        tick.lineTo(27, 13);
        p.drawPath(tick);
        break;
    }
    case Box::Indeterminate:
        p.setPen(QPen(Palette::Blue, 2));
        p.setBrush(Palette::White);
        p.drawRoundedRect(box, 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Blue);
        p.drawRoundedRect(QRectF(10, 17, 16, 6), 2, 2);
        break;
    }
    return img;
}

// The card behind the busy animation; the loading widget dims it and shows
// it at half size.
QImage loadingCard()
{
    QImage img = canvas(240, 240);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(QPen(Palette::Grey, 2));
    p.setBrush(Palette::White);
    p.drawRoundedRect(QRectF(1, 1, 238, 238), 24, 24);
    return img;
}

// The strip beside a format button: a soft blue bar for hover, a solid one
// for the pressed state (whose text turns white).
QImage formatStrip(bool pressed)
{
    QImage img = canvas(120, 32);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(Qt::NoPen);
    if (pressed) {
        p.setBrush(Contrast::readableUnder(Palette::Blue, Palette::White));
    } else {
        QLinearGradient g(0, 0, 120, 0);
        g.setColorAt(0.0, withAlpha(Palette::Blue, 150));
        g.setColorAt(1.0, withAlpha(Palette::Blue, 40));
        p.setBrush(g);
    }
    p.drawRoundedRect(QRectF(0, 0, 120, 32), 4, 4);
    return img;
}

// The preview's seek slider: a round white handle, the played part in the
// palette's orange and the rest a faint white line (9-slice border images).
QImage sliderHandle()
{
    QImage img = canvas(12, 12);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(QPen(withAlpha(Palette::Orange, 220), 1.5));
    p.setBrush(Palette::White);
    p.drawEllipse(QRectF(0.75, 0.75, 10.5, 10.5));
    return img;
}

QImage sliderPart(bool played)
{
    QImage img = canvas(8, 2);
    img.fill(played ? QColor(Palette::Orange) : withAlpha(Palette::White, 70));
    return img;
}

// The preview's loading animation, shown over the dimmed picture: an arc
// that turns one step per frame, its tail fading.
const int kCacheLoadingFrames = 12;

QImage cacheLoadingFrame(int index)
{
    QImage img = canvas(kBusySideLoading, kBusySideLoading);
    QPainter p(&img);
    setupPainter(p);
    const QRectF ring(14, 14, kBusySideLoading - 28, kBusySideLoading - 28);
    for (int k = 0; k < 8; ++k) {
        QPen pen(withAlpha(Palette::White, 255 - k * 30), 7, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        const int start = -(index * 360 / kCacheLoadingFrames) * 16 + k * 20 * 16;
        p.drawArc(ring, start, 18 * 16);
    }
    return img;
}

// The busy animation: twelve dots on a circle in the palette's colours, the
// leading dot largest and the trail fading behind it; one step per frame.
const int kBusySide = 100;
const int kBusyFrames = 12;

QImage busyFrame(int index)
{
    QImage img = canvas(kBusySide, kBusySide);
    QPainter p(&img);
    setupPainter(p);
    p.setPen(Qt::NoPen);
    const QColor colours[] = {Palette::Orange, Palette::Yellow, Palette::Green, Palette::Blue,
                              Palette::Violet, Palette::Pink,   Palette::Red};
    const int dots = 12;
    const double centre = kBusySide / 2.0;
    const double ring = kBusySide * 0.36;
    const double pi = std::acos(-1.0);
    for (int i = 0; i < dots; ++i) {
        // How far this dot trails behind the leading one.
        const int lag = ((index * dots / kBusyFrames) - i + dots) % dots;
        const double angle = 2.0 * pi * i / dots - pi / 2.0;
        const double r = qMax(1.0, kBusySide * (0.085 - 0.005 * lag));
        p.setBrush(withAlpha(colours[i % 7], qMax(40, 255 - lag * 20)));
        p.drawEllipse(QPointF(centre + ring * std::cos(angle), centre + ring * std::sin(angle)), r, r);
    }
    return img;
}

// GIF keeps one bit of alpha. Left to a threshold, the faint tail of the trail
// and the smoothed edges would vanish or turn hard, so every pixel the
// painting touches is blended onto the white card the animation is shown on
// and made opaque; untouched pixels stay transparent.
QImage flattenForGif(const QImage& frame, const QColor& matte)
{
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb px = line[x];
            const int a = qAlpha(px);
            if (a == 0) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const auto blend = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
            line[x] = qRgba(blend(qRed(px), matte.red()), blend(qGreen(px), matte.green()),
                            blend(qBlue(px), matte.blue()), 255);
        }
    }
    return out;
}

int writeFrames(const QString& outDir, QTextStream& err, int count, const std::function<QImage(int)>& frame,
                const QColor& matte)
{
    QDir dir(outDir);
    if (!dir.mkpath(QStringLiteral("."))) {
        err << "cannot create " << outDir << "\n";
        return 1;
    }
    // Frames of an earlier, longer animation would be picked up by the
    // numbered input pattern.
    for (const QString& old : dir.entryList({QStringLiteral("frame_*.png")}, QDir::Files))
        dir.remove(old);
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("frame_%1.png").arg(i, 2, 10, QLatin1Char('0'));
        if (!flattenForGif(frame(i), matte).save(dir.filePath(name), "PNG")) {
            err << "cannot write " << dir.filePath(name) << "\n";
            return 1;
        }
    }
    return 0;
}

using Painter = std::function<QImage()>;

QMap<QString, Painter> painters()
{
    QMap<QString, Painter> m;
    m.insert("shadow.png", shadow);
    m.insert("bg_2.png", panel);
    m.insert("bg_line.png", line);
    m.insert("C_middle_bg1.png", track);
    m.insert("warning.png", warning);
    m.insert("error_bg.png", roundedBox);
    m.insert("logo.png", logo);
    m.insert("title_bg.png", [] { return titleBar(false); });
    m.insert("title.png", [] { return titleBar(true); });
    m.insert("closeline.png", titleSeparator);
    const char* states[] = {"nor", "hover", "down"};
    for (int s = 0; s < 3; ++s) {
        m.insert(QStringLiteral("close_%1.png").arg(s == 0 ? "nor1" : states[s]), [s] { return titleButton(true, s); });
        if (s == 0)
            m.insert("close_nor.png", [] { return titleButton(true, 0, true); });
        m.insert(QStringLiteral("zuixiaohua_%1.png").arg(states[s]), [s] { return titleButton(false, s, true); });
        m.insert(QStringLiteral("ding_setting_%1.png").arg(states[s]), [s] { return optionsButton(s); });
        m.insert(QStringLiteral("cancle_%1.png").arg(states[s]), [s] { return textButton(Palette::Grey, s); });
        m.insert(QStringLiteral("done_%1.png").arg(states[s]), [s] { return textButton(Palette::Orange, s); });
        m.insert(QStringLiteral("white_button_%1.png").arg(states[s]), [s] { return whiteButton(s); });
        m.insert(QStringLiteral("folder_s_%1.png").arg(states[s]), [s] { return folder(s); });
    }
    m.insert("done_dis.png", [] { return textButton(Palette::Orange, 3); });
    // The analysis window's "Stop" button, white text on red.
    for (int s = 0; s < 3; ++s)
        m.insert(QStringLiteral("ytb_stop_button_%1.png").arg(s == 1 ? "on" : states[s]),
                 [s] { return textButton(Palette::Red, s); });
    m.insert("shadow_border.png", shadowBorder);
    m.insert("diandian.png", currentMark);
    m.insert("txt_icon.png", [] { return fileIcon(Palette::Blue); });
    m.insert("dump_icon.png", [] { return fileIcon(Palette::Violet); });
    m.insert("zip_icon.png", [] { return fileIcon(Palette::Green); });
    m.insert("Copy_Path.png", [] { return copyIcon(false); });
    m.insert("Copy_File.png", [] { return copyIcon(true); });
    m.insert("xuanzhong_nor.png", [] { return checkBox(Box::Unchecked); });
    m.insert("xuanzhong_dis.png", [] { return checkBox(Box::Disabled); });
    m.insert("xuanzhong_on.png", [] { return checkBox(Box::Checked); });
    m.insert("indeterminate.png", [] { return checkBox(Box::Indeterminate); });
    m.insert("gif_bg.png", loadingCard);
    m.insert("round.png", sliderHandle);
    m.insert("jindujiao1.png", [] { return sliderPart(false); });
    m.insert("jindujiao2.png", [] { return sliderPart(true); });
    m.insert("recently_tiao_hover.png", [] { return formatStrip(false); });
    m.insert("recently_tiao_down.png", [] { return formatStrip(true); });
    addAnalysisPainters(m);
    addDownloadPainters(m);
    m.insert("icon.png", productIcon);
    m.insert("cancle_dis.png", [] { return textButton(Palette::Grey, 3); });
    m.insert("close_dis1.png", closeDisabled);
    m.insert("input_nor.png", [] { return inputFrame(0); });
    m.insert("input_on.png", [] { return inputFrame(1); });
    m.insert("input_dis.png", [] { return inputFrame(2); });
    m.insert("drop_down_button_nor.png", [] { return dropDownButton(0); });
    m.insert("drop_down_button_hover.png", [] { return dropDownButton(1); });
    m.insert("drop_down_button_down.png", [] { return dropDownButton(2); });
    m.insert("xuanze_bg.png", chosenEntry);
    m.insert("pen_nor.png", [] { return pen(0); });
    m.insert("pen_on.png", [] { return pen(1); });
    m.insert("pen_down.png", [] { return pen(2); });
    m.insert("progress_float.png", progressFloat);
    m.insert("information_bg.png", informationPanel);
    m.insert("download_fault.png", downloadFault);
    m.insert("point.png", point);
    m.insert("email_icon.png", emailIcon);
    return m;
}

}

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    if (argc < 3) {
        err << "usage: tw_resgen <output folder> <image>...\n"
               "       tw_resgen --busy-frames <output folder>\n"
               "       tw_resgen --loading-frames <output folder>\n";
        return 2;
    }
    if (qstrcmp(argv[1], "--busy-frames") == 0)
        return writeFrames(QString::fromLocal8Bit(argv[2]), err, kBusyFrames, busyFrame, Palette::White);
    if (qstrcmp(argv[1], "--loading-frames") == 0)
        return writeFrames(QString::fromLocal8Bit(argv[2]), err, loadingFrameCount(), loadingFrame, Palette::White);
    // Shown over the preview's dark overlay (rgb 27, 28, 32).
    if (qstrcmp(argv[1], "--cache-loading-frames") == 0)
        return writeFrames(QString::fromLocal8Bit(argv[2]), err, kCacheLoadingFrames, cacheLoadingFrame, QColor(27, 28, 32));
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir)) {
        err << "cannot create " << outDir << "\n";
        return 1;
    }
    const QMap<QString, Painter> all = painters();
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        const QString name = QString::fromLocal8Bit(argv[i]);
        const auto it = all.constFind(name);
        if (it == all.constEnd()) {
            err << "no painter for image " << name << "\n";
            ++failures;
            continue;
        }
        const QImage img = (*it)();
        const QString path = outDir + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (img.isNull() || !img.save(path, "PNG")) {
            err << "cannot write " << name << "\n";
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
