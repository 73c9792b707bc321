// Images of the URL analysis window, its subtitle chips and the account and
// login dialogs, in the interface palette.

#include "analysis_images.h"

#include "contrast.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor White(0xFF, 0xFF, 0xFF);
const QColor Grey(0x99, 0x99, 0x99);
const QColor Orange(0xFC, 0x67, 0x3A);
const QColor Yellow(0xFE, 0xCE, 0x5B);
const QColor Green(0x17, 0xA2, 0x49);
const QColor Blue(0x21, 0xAA, 0xD4);
const QColor Violet(0xD0, 0x5A, 0xCE);
const QColor Pink(0xFD, 0x60, 0x96);
const QColor Red(0xFC, 0x37, 0x46);
const QColor Ink(0x49, 0x4C, 0x59);

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QColor alpha(QColor c, int a)
{
    c.setAlpha(a);
    return c;
}

// Buttons have four looks: normal, hover, pressed, disabled.
QColor stateColour(const QColor& base, int state)
{
    switch (state) {
    case 1: return base.lighter(115);
    case 2: return base.darker(120);
    case 3: return QColor(0xCC, 0xCC, 0xCC);
    default: return base;
    }
}

// The pill of the "done" look carries white text in every state.
QColor forWhiteText(int state)
{
    const QColor deep = Contrast::readableUnder(Orange, White, 5.8);
    return Contrast::readableUnder(stateColour(deep, state), White);
}

// A downward chevron filling the image.
QImage arrow(int w, int h, const QColor& c)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath path;
    path.moveTo(w * 0.1, h * 0.2);
    path.lineTo(w * 0.9, h * 0.2);
    path.lineTo(w * 0.5, h * 0.85);
    path.closeSubpath();
    p.drawPath(path);
    return img;
}

QImage cross(int side, const QColor& glyph, const QColor& disc)
{
    QImage img = canvas(side, side);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (disc.alpha() > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(disc);
        p.drawEllipse(QRectF(0.5, 0.5, side - 1, side - 1));
    }
    p.setPen(QPen(glyph, side / 9.0, Qt::SolidLine, Qt::RoundCap));
    const double a = side * 0.3;
    const double b = side * 0.7;
    p.drawLine(QPointF(a, a), QPointF(b, b));
    p.drawLine(QPointF(b, a), QPointF(a, b));
    return img;
}

QImage roundedPanel(int w, int h, const QColor& fill, const QColor& border, double radius)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(border.alpha() > 0 ? QPen(border, 1) : Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), radius, radius);
    return img;
}

QImage closeButton(int state)
{
    QImage img = canvas(46, 24);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor glyph = state == 3 ? QColor(0xD0, 0xD0, 0xD0) : Grey;
    p.setPen(QPen(glyph, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18.5, 7.5), QPointF(27.5, 16.5));
    p.drawLine(QPointF(27.5, 7.5), QPointF(18.5, 16.5));
    return img;
}

// The start page's picture: a browser window with an address bar and an
// arrow into the field.
QImage addUrl()
{
    QImage img = canvas(316, 180);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xD6, 0xD6, 0xD6), 2));
    p.setBrush(White);
    p.drawRoundedRect(QRectF(20, 10, 276, 160), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xEE, 0xF0, 0xF3));
    p.drawRoundedRect(QRectF(21, 11, 274, 30), 7, 7);
    const QColor dots[] = {Red, Yellow, Green};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(QPointF(38 + i * 14, 26), 4.5, 4.5);
    }
    p.setPen(QPen(Blue, 2));
    p.setBrush(White);
    p.drawRoundedRect(QRectF(40, 62, 236, 28), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(alpha(Grey, 120));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(40, 108 + i * 18, 236 - i * 50, 8), 4, 4);
    p.setBrush(Orange);
    QPainterPath play;
    play.moveTo(52, 68);
    play.lineTo(66, 76);
    play.lineTo(52, 84);
    play.closeSubpath();
    p.drawPath(play);
    return img;
}

// A still of the busy ring, used where a static picture waits.
QImage loadingStill()
{
    QImage img = canvas(120, 120);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {Orange, Yellow, Green, Blue, Violet, Pink, Red};
    const double pi = std::acos(-1.0);
    for (int i = 0; i < 12; ++i) {
        const double angle = 2.0 * pi * i / 12 - pi / 2.0;
        p.setPen(Qt::NoPen);
        p.setBrush(alpha(colours[i % 7], 255 - i * 15));
        p.drawEllipse(QPointF(60 + 42 * std::cos(angle), 60 + 42 * std::sin(angle)), 9 - i * 0.5, 9 - i * 0.5);
    }
    return img;
}

QImage verticalPanel(int w, int h, const QColor& top, const QColor& bottom, const QColor& edge)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(img.rect(), g);
    if (edge.alpha() > 0) {
        p.setPen(edge);
        p.drawLine(w - 1, 0, w - 1, h);
    }
    return img;
}

QImage backButton(int state)
{
    QImage img = roundedPanel(66, 22, state == 0 ? White : (state == 1 ? QColor(0xE9, 0xF6, 0xFB) : QColor(0xD3, 0xEC, 0xF5)),
                              state == 0 ? QColor(0xCC, 0xCC, 0xCC) : Blue, 3);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(state == 0 ? Ink : Blue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(14, 11), QPointF(22, 5));
    p.drawLine(QPointF(14, 11), QPointF(22, 17));
    p.drawLine(QPointF(14, 11), QPointF(52, 11));
    return img;
}

QImage tickBox(bool on)
{
    QImage img = canvas(24, 24);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
        p.setPen(QPen(White, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(6, 12);
        tick.lineTo(10, 16);
        tick.lineTo(18, 7);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    } else {
        p.setPen(QPen(Grey, 2));
        p.setBrush(White);
        p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    }
    return img;
}

QImage eye(int w, int h, bool closed, const QColor& c)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c, qMax(1.0, h / 10.0)));
    p.setBrush(Qt::NoBrush);
    QPainterPath lid;
    lid.moveTo(w * 0.08, h * 0.5);
    lid.quadTo(w * 0.5, h * (closed ? 0.95 : -0.1), w * 0.92, h * 0.5);
    if (!closed)
        lid.quadTo(w * 0.5, h * 1.1, w * 0.08, h * 0.5);
    p.drawPath(lid);
    if (!closed) {
        p.setBrush(c);
        p.drawEllipse(QPointF(w * 0.5, h * 0.5), h * 0.18, h * 0.18);
    } else {
        for (double x : {0.3, 0.5, 0.7})
            p.drawLine(QPointF(w * x, h * 0.78), QPointF(w * x, h * 0.95));
    }
    return img;
}

QImage siteIcon(const QColor& c, int kind)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    if (kind == 0) {
        p.drawRoundedRect(QRectF(2, 9, 44, 30), 9, 9);
    } else {
        p.drawEllipse(QRectF(3, 3, 42, 42));
    }
    p.setBrush(White);
    QPainterPath play;
    play.moveTo(19, 16);
    play.lineTo(32, 24);
    play.lineTo(19, 32);
    play.closeSubpath();
    p.drawPath(play);
    return img;
}

QImage chosenTab()
{
    QImage img = canvas(145, 49);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 49);
    g.setColorAt(0, alpha(Blue, 20));
    g.setColorAt(1, alpha(Blue, 60));
    p.fillRect(QRect(0, 0, 145, 46), g);
    p.fillRect(QRect(0, 45, 145, 4), Blue);
    return img;
}

QImage inputFrame(bool on)
{
    return roundedPanel(340, 30, White, on ? Blue : QColor(0xCB, 0xCB, 0xCB), 3);
}

// A rounded button face; the window cuts it into slices or takes it whole.
QImage pill(int w, int h, const QColor& fill, const QColor& border)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(border.alpha() ? QPen(border, 2) : Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), h / 5.0, h / 5.0);
    return img;
}

// The subtitle search button: a blue face with the magnifier in its left
// slice (the window cuts it at 72 and 150 pixels).
QImage searchButton(int state)
{
    QImage img = pill(180, 48, stateColour(Blue, state), QColor(0, 0, 0, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(White, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(30, 21), 9, 9);
    p.drawLine(QPointF(37, 28), QPointF(45, 36));
    return img;
}

// Slice `part` (0 left, 1 middle, 2 right) of a face: caps of `cap` pixels
// and a middle of 4.
QImage slice(const QImage& face, int part, int cap)
{
    if (part == 0)
        return face.copy(0, 0, cap, face.height());
    if (part == 1)
        return face.copy(cap, 0, 4, face.height());
    return face.copy(face.width() - cap, 0, cap, face.height());
}

QImage clipboard()
{
    QImage img = canvas(40, 40);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(White, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8, 7, 24, 29), 3, 3);
    p.setBrush(White);
    p.drawRoundedRect(QRectF(14, 4, 12, 6), 2, 2);
    p.drawLine(QPointF(14, 19), QPointF(26, 19));
    p.drawLine(QPointF(14, 26), QPointF(23, 26));
    return img;
}

QImage plus(const QColor& c)
{
    QImage img = canvas(24, 24);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 4), QPointF(12, 20));
    p.drawLine(QPointF(4, 12), QPointF(20, 12));
    return img;
}

} // namespace

int loadingFrameCount()
{
    return 12;
}

QImage loadingFrame(int index)
{
    const int side = 56;
    QImage img = canvas(side, side);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double pi = std::acos(-1.0);
    for (int i = 0; i < 8; ++i) {
        const int lag = (index * 8 / loadingFrameCount() - i + 8) % 8;
        const double angle = 2.0 * pi * i / 8 - pi / 2.0;
        p.setBrush(alpha(Blue, qMax(40, 255 - lag * 30)));
        p.drawEllipse(QPointF(side / 2.0 + 20 * std::cos(angle), side / 2.0 + 20 * std::sin(angle)), 5.5, 5.5);
    }
    return img;
}

void addAnalysisPainters(QMap<QString, std::function<QImage()>>& m)
{
    const char* states[] = {"nor", "hover", "down", "dis"};
    for (int s = 0; s < 4; ++s) {
        m.insert(QStringLiteral("wl_xiala_%1.png").arg(states[s]), [s] { return arrow(24, 14, stateColour(Blue, s)); });
        m.insert(QStringLiteral("ytb_search_%1.png").arg(s == 1 ? "on" : states[s]), [s] { return searchButton(s); });
        const char* parts = "LMR";
        for (int part = 0; part < 3; ++part)
            m.insert(QStringLiteral("done_%1_%2.png").arg(states[s]).arg(QLatin1Char(parts[part])),
                     [s, part] { return slice(pill(40, 65, forWhiteText(s), QColor(0, 0, 0, 0)), part, 16); });
    }
    const QColor showAllBorder(0xC6, 0xC7, 0xCC);
    for (int part = 0; part < 3; ++part)
        m.insert(QStringLiteral("show_all_button%1.png").arg(part + 1),
                 [part, showAllBorder] { return slice(pill(28, 44, White, showAllBorder), part, 12); });
    m.insert("arrow_nor.png", [] { return arrow(20, 12, QColor(98, 104, 115)); });
    m.insert("arrow_hover.png", [] { return arrow(20, 12, QColor(0, 141, 242)); });
    m.insert("arrow_down.png", [] { return arrow(20, 12, QColor(98, 104, 115).darker(130)); });
    m.insert("paste_url_norIcon.png", clipboard);
    m.insert("add_subscribe_nor.png", [] { return plus(QColor(83, 86, 86)); });
    m.insert("add_subscribe_down.png", [] { return plus(White); });
    for (int s = 0; s < 3; ++s) {
        m.insert(QStringLiteral("AiRes/xiala_%1.png").arg(states[s]), [s] { return arrow(38, 34, stateColour(Grey, s)); });
        m.insert(QStringLiteral("subscribe_close_%1.png").arg(states[s]),
                 [s] { return cross(18, s == 0 ? Grey : White, s == 0 ? QColor(0, 0, 0, 0) : stateColour(Red, s - 1)); });
        m.insert(QStringLiteral("ytb_back_button_%1.png").arg(s == 1 ? "on" : states[s]), [s] { return backButton(s); });
    }
    m.insert("clear_account_nor.png", [] { return cross(28, White, Grey); });
    m.insert("clear_account_on.png", [] { return cross(28, White, Red); });
    m.insert("close_dis1.png", [] { return closeButton(3); });
    m.insert("white_button_dis.png", [] { return roundedPanel(117, 25, QColor(0xF2, 0xF2, 0xF2), QColor(0xDD, 0xDD, 0xDD), 3); });
    m.insert("cancle_dis.png", [] {
        return roundedPanel(124, 33, Contrast::readableUnder(QColor(0xDD, 0xDD, 0xDD), White), QColor(0, 0, 0, 0), 4);
    });
    m.insert("add_url.png", addUrl);
    m.insert("loading.png", loadingStill);
    m.insert("youtube_format_bg.png", [] { return verticalPanel(64, 64, QColor(0xF7, 0xF8, 0xFA), QColor(0xF1, 0xF2, 0xF5), QColor(0, 0, 0, 0)); });
    m.insert("zuo bg.png", [] { return verticalPanel(64, 64, QColor(0xEE, 0xF0, 0xF4), QColor(0xE6, 0xE9, 0xEE), QColor(0xD6, 0xD8, 0xDD)); });
    m.insert("youtube_subtitle_bg.png", [] { return roundedPanel(535, 62, QColor(0xF4, 0xF6, 0xF9), QColor(0xDD, 0xE1, 0xE8), 4); });
    m.insert("subtitles_kuang.png", [] { return roundedPanel(74, 20, White, QColor(0xC6, 0xCB, 0xD4), 9); });
    m.insert("choose_nor.png", [] { return tickBox(false); });
    m.insert("choose_on.png", [] { return tickBox(true); });
    m.insert("eye_opened.png", [] { return eye(44, 40, false, Grey); });
    m.insert("eye_closed.png", [] { return eye(44, 40, true, Grey); });
    m.insert("password_see.png", [] { return eye(34, 20, false, Grey); });
    m.insert("password_dont_see.png", [] { return eye(34, 20, true, Grey); });
    m.insert("input_nor.png", [] { return inputFrame(false); });
    m.insert("input_on.png", [] { return inputFrame(true); });
    m.insert("account_xiala.png", [] { return arrow(34, 20, Grey); });
    m.insert("subscribe_youtube_icon.png", [] { return siteIcon(Red, 0); });
    m.insert("subscribe_vimeo_icon.png", [] { return siteIcon(Blue, 1); });
    m.insert("subscribe_dailymotion_icon.png", [] { return siteIcon(QColor(0x00, 0x66, 0xDC), 1); });
    m.insert("choose_bg.png", chosenTab);
    m.insert("download_gou_nor.png", [] { return tickBox(false); });
    m.insert("download_gou_on.png", [] { return tickBox(true); });
    m.insert("video_default.png", [] { return siteIcon(QColor(0x5A, 0x5E, 0x6B), 0); });
    m.insert("music_default.png", [] { return siteIcon(Violet, 1); });
    m.insert("ytb_enter_hover.png", [] {
        QImage img = canvas(64, 64);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(White, 4));
        p.setBrush(alpha(White, 60));
        p.drawEllipse(QRectF(4, 4, 56, 56));
        p.setPen(QPen(White, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(22, 32), QPointF(42, 32));
        p.drawLine(QPointF(34, 24), QPointF(42, 32));
        p.drawLine(QPointF(34, 40), QPointF(42, 32));
        return img;
    });
    m.insert("ytb_error.png", [] {
        QImage img = canvas(64, 64);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        p.drawEllipse(QRectF(4, 4, 56, 56));
        p.setPen(QPen(White, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(32, 16), QPointF(32, 38));
        p.drawPoint(QPointF(32, 48));
        return img;
    });
    m.insert("radio_nor.png", [] { return roundedPanel(24, 24, White, Grey, 12); });
    m.insert("radio_on.png", [] {
        QImage img = roundedPanel(24, 24, White, Blue, 12);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawEllipse(QPointF(12, 12), 6, 6);
        return img;
    });
    m.insert("url_nor.png", [] { return roundedPanel(318, 74, White, QColor(0xE6, 0xE8, 0xEC), 2); });
    m.insert("url_hover.png", [] { return roundedPanel(318, 74, QColor(0xF0, 0xF8, 0xFC), QColor(0xB9, 0xDF, 0xEE), 2); });
    m.insert("url_dis.png", [] { return roundedPanel(318, 74, QColor(0xF4, 0xF4, 0xF5), QColor(0xE6, 0xE8, 0xEC), 2); });
    m.insert("url_xuanzhong.png", [] { return roundedPanel(318, 74, Blue, Blue.darker(110), 2); });
    m.insert("url_xuanzhong_on.png", [] { return roundedPanel(318, 74, Blue.lighter(110), Blue, 2); });
    m.insert("video_default_s.png", [] { return siteIcon(QColor(0x5A, 0x5E, 0x6B), 0); });
    m.insert("music_default_s.png", [] { return siteIcon(Violet, 1); });
    m.insert("subscribe_new_flag.png", [] { return roundedPanel(58, 26, Orange, QColor(0, 0, 0, 0), 5); });
    m.insert("subscribe_deleted_flag.png", [] { return roundedPanel(58, 26, Grey, QColor(0, 0, 0, 0), 5); });
    m.insert("subscribed.png", [] { return roundedPanel(58, 26, Green, QColor(0, 0, 0, 0), 5); });
    m.insert("subscribe_bg.png", [] { return roundedPanel(120, 120, White, QColor(0xD6, 0xD8, 0xDD), 8); });
    m.insert("subscribe_hengtiao_nor.png", [] { return roundedPanel(520, 56, QColor(0xFA, 0xFB, 0xFC), QColor(0xE4, 0xE6, 0xEA), 4); });
    m.insert("subscribe_hengtiao_hover.png", [] { return roundedPanel(520, 56, QColor(0xEE, 0xF7, 0xFB), QColor(0xB9, 0xDF, 0xEE), 4); });
    m.insert("subscribe_hengtiao_checked.png", [] { return roundedPanel(520, 56, QColor(0xDD, 0xF0, 0xF8), Blue, 4); });
}
