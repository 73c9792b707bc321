#include "action_icons.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace {

// A gear: a toothed wheel with a hole, as one path so the hole stays clear.
QPainterPath gear(const QPointF& c, double outer, double inner, double hole, int teeth)
{
    const double pi = std::acos(-1.0);
    QPainterPath wheel;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = 2.0 * pi * i / (teeth * 4);
        const double r = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            wheel.moveTo(pt);
        else
            wheel.lineTo(pt);
    }
    wheel.closeSubpath();
    QPainterPath h;
    h.addEllipse(c, hole, hole);
    return wheel.subtracted(h);
}

void drawBin(QPainter& p, const QColor& c, double x, double y, double w, double h)
{
    p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(x - 1.5, y), QPointF(x + w + 1.5, y));
    p.drawLine(QPointF(x + w * 0.35, y - 2.5), QPointF(x + w * 0.65, y - 2.5));
    QPainterPath body;
    body.moveTo(x, y + 2);
    body.lineTo(x + w * 0.1, y + h);
    body.lineTo(x + w * 0.9, y + h);
    body.lineTo(x + w, y + 2);
    p.drawPath(body);
    p.setPen(QPen(c, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (double k : {0.35, 0.65})
        p.drawLine(QPointF(x + w * k, y + 5), QPointF(x + w * k, y + h - 3));
}

}

Glyph glyphOf(const QString& n)
{
    struct Rule
    {
        const char* prefix;
        Glyph glyph;
    };
    // Longer names before the shorter ones they start with.
    static const Rule rules[] = {
        {"add_url", Glyph::Plus},          {"download_add_url", Glyph::Plus},  {"add_music", Glyph::Note},
        {"back", Glyph::Back},             {"clean_succeed", Glyph::BinTick},  {"clean", Glyph::Bin},
        {"special/dl_setting", Glyph::Gear}, {"set_", Glyph::Gear},            {"play_stop", Glyph::Stop},
        {"play_", Glyph::Play},            {"download_pause", Glyph::Pause},   {"download_", Glyph::Download},
        {"special/download", Glyph::Download}, {"folder_icon", Glyph::Folder}, {"liveVideo_Folderopen", Glyph::Folder},
        {"special/dl_icon", Glyph::Eye},   {"online_url", Glyph::Globe},       {"notcomplete", Glyph::Cross},
        {"complete_", Glyph::Tick},        {"guanbi", Glyph::Cross},           {"time_", Glyph::Clock},
        {"video_", Glyph::Film},           {"screen_", Glyph::Screen},         {"reload", Glyph::Reload},
        {"update_", Glyph::Reload},        {"Return_time", Glyph::Return},     {"skip", Glyph::Skip},
        {"youtube_edit", Glyph::Pen},      {"narrow", Glyph::Chevron},         {"number_bg", Glyph::Disc},
        {"live", Glyph::Live},             {"shubiao", Glyph::Mouse},          {"ding_info", Glyph::Info},
        {"ding_help", Glyph::Help},
    };
    for (const Rule& r : rules)
        if (n.startsWith(QLatin1String(r.prefix)))
            return r.glyph;
    return Glyph::Ring;
}

void drawActionIcon(QPainter& p, Glyph g, const QColor& c)
{
    const QPen line(c, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen thin(c, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto solid = [&p, &c] {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
    };
    auto stroke = [&p](const QPen& pen) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    };
    switch (g) {
    case Glyph::Plus:
        stroke(QPen(c, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 5), QPointF(14, 23));
        p.drawLine(QPointF(5, 14), QPointF(23, 14));
        break;
    case Glyph::Note:
        solid();
        p.drawEllipse(QPointF(9, 20), 4, 3.2);
        stroke(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12.8, 20), QPointF(12.8, 5));
        p.drawLine(QPointF(12.8, 5), QPointF(17, 8));
        stroke(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(21, 15), QPointF(21, 25));
        p.drawLine(QPointF(16, 20), QPointF(26, 20));
        break;
    case Glyph::Back: {
        stroke(QPen(c, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(6, 14), QPointF(22, 14));
        p.drawLine(QPointF(6, 14), QPointF(12, 8));
        p.drawLine(QPointF(6, 14), QPointF(12, 20));
        break;
    }
    case Glyph::Bin:
        drawBin(p, c, 8, 7, 12, 17);
        break;
    case Glyph::BinTick:
        drawBin(p, c, 4, 9, 11, 15);
        stroke(QPen(c, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(15.5, 8), QPointF(19, 11.5), QPointF(25.5, 3.5)}));
        break;
    case Glyph::Gear:
        solid();
        p.drawPath(gear(QPointF(14, 14), 12, 8.5, 3.5, 8));
        break;
    case Glyph::Play: {
        solid();
        QPainterPath tri;
        tri.moveTo(9, 5);
        tri.lineTo(23, 14);
        tri.lineTo(9, 23);
        tri.closeSubpath();
        p.drawPath(tri);
        break;
    }
    case Glyph::Pause:
        solid();
        p.drawRoundedRect(QRectF(7, 5, 5, 18), 1, 1);
        p.drawRoundedRect(QRectF(16, 5, 5, 18), 1, 1);
        break;
    case Glyph::Stop:
        solid();
        p.drawRoundedRect(QRectF(6, 6, 16, 16), 2, 2);
        break;
    case Glyph::Download: {
        stroke(QPen(c, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(14, 4), QPointF(14, 18));
        p.drawLine(QPointF(8, 12.5), QPointF(14, 18.5));
        p.drawLine(QPointF(20, 12.5), QPointF(14, 18.5));
        p.drawLine(QPointF(6, 24), QPointF(22, 24));
        break;
    }
    case Glyph::Folder: {
        solid();
        QPainterPath f;
        f.moveTo(3, 7);
        f.lineTo(11, 7);
        f.lineTo(13.5, 9.5);
        f.lineTo(25, 9.5);
        f.lineTo(25, 23);
        f.lineTo(3, 23);
        f.closeSubpath();
        p.drawPath(f);
        break;
    }
    case Glyph::Eye: {
        stroke(line);
        QPainterPath lid;
        lid.moveTo(3, 14);
        lid.quadTo(14, 3, 25, 14);
        lid.quadTo(14, 25, 3, 14);
        p.drawPath(lid);
        solid();
        p.drawEllipse(QPointF(14, 14), 4, 4);
        break;
    }
    case Glyph::Globe:
        stroke(thin);
        p.drawEllipse(QPointF(14, 14), 10.5, 10.5);
        p.drawEllipse(QPointF(14, 14), 4.5, 10.5);
        p.drawLine(QPointF(3.5, 14), QPointF(24.5, 14));
        break;
    case Glyph::Tick:
        stroke(QPen(c, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(5, 14), QPointF(11.5, 20.5), QPointF(23, 7)}));
        break;
    case Glyph::Cross:
        stroke(QPen(c, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 7), QPointF(21, 21));
        p.drawLine(QPointF(21, 7), QPointF(7, 21));
        break;
    case Glyph::Clock:
        stroke(line);
        p.drawEllipse(QPointF(14, 14), 10, 10);
        p.drawPolyline(QPolygonF({QPointF(14, 8), QPointF(14, 14), QPointF(19, 16.5)}));
        break;
    case Glyph::Film: {
        stroke(line);
        p.drawRoundedRect(QRectF(3.5, 6.5, 21, 15), 2.5, 2.5);
        solid();
        QPainterPath tri;
        tri.moveTo(11.5, 10);
        tri.lineTo(18, 14);
        tri.lineTo(11.5, 18);
        tri.closeSubpath();
        p.drawPath(tri);
        break;
    }
    case Glyph::Screen:
        stroke(line);
        p.drawRoundedRect(QRectF(3.5, 4.5, 21, 14), 2, 2);
        p.drawLine(QPointF(14, 19), QPointF(14, 23));
        p.drawLine(QPointF(9, 23.5), QPointF(19, 23.5));
        break;
    case Glyph::Reload:
    case Glyph::Return: {
        const bool back = g == Glyph::Return;
        stroke(line);
        QPainterPath arc;
        arc.arcMoveTo(QRectF(5, 5, 18, 18), back ? 135 : 45);
        arc.arcTo(QRectF(5, 5, 18, 18), back ? 135 : 45, back ? 270 : -270);
        p.drawPath(arc);
        solid();
        QPainterPath head;
        const QPointF tip = arc.pointAtPercent(1.0);
        const double dir = back ? -1.0 : 1.0;
        head.moveTo(tip + QPointF(dir * 5, -1));
        head.lineTo(tip + QPointF(-dir * 2, -6));
        head.lineTo(tip + QPointF(-dir * 2, 4));
        head.closeSubpath();
        p.drawPath(head);
        break;
    }
    case Glyph::Skip:
        stroke(QPen(c, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(6, 7), QPointF(13, 14), QPointF(6, 21)}));
        p.drawPolyline(QPolygonF({QPointF(15, 7), QPointF(22, 14), QPointF(15, 21)}));
        break;
    case Glyph::Pen:
        stroke(QPen(c, 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(8, 20), QPointF(21, 7));
        solid();
        p.drawPolygon(QPolygonF({QPointF(4.5, 23.5), QPointF(6, 18.5), QPointF(9.5, 22)}));
        break;
    case Glyph::Chevron: {
        solid();
        QPainterPath tri;
        tri.moveTo(4, 9);
        tri.lineTo(24, 9);
        tri.lineTo(14, 21);
        tri.closeSubpath();
        p.drawPath(tri);
        break;
    }
    case Glyph::Disc:
        solid();
        p.drawEllipse(QPointF(14, 14), 13, 13);
        break;
    case Glyph::Live:
        solid();
        p.drawEllipse(QPointF(14, 14), 5, 5);
        stroke(thin);
        p.drawArc(QRectF(4, 4, 20, 20), 120 * 16, 120 * 16);
        p.drawArc(QRectF(4, 4, 20, 20), -60 * 16, 120 * 16);
        break;
    case Glyph::Mouse:
        stroke(line);
        p.drawRoundedRect(QRectF(7.5, 3.5, 13, 21), 6.5, 6.5);
        p.drawLine(QPointF(14, 7), QPointF(14, 11));
        break;
    case Glyph::Info:
        solid();
        p.drawEllipse(QPointF(14, 6.5), 2.5, 2.5);
        p.drawRoundedRect(QRectF(11.5, 11, 5, 14), 1.5, 1.5);
        break;
    case Glyph::Help: {
        stroke(QPen(c, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath q;
        q.moveTo(8.5, 9);
        q.cubicTo(8.5, 2, 19.5, 2, 19.5, 9);
        q.cubicTo(19.5, 13, 14, 13, 14, 17.5);
        p.drawPath(q);
        solid();
        p.drawEllipse(QPointF(14, 23), 2, 2);
        break;
    }
    case Glyph::Ring:
        stroke(line);
        p.drawEllipse(QRectF(4, 4, 20, 20));
        break;
    }
}
