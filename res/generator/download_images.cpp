#include "download_images.h"

#include "action_icons.h"
#include "contrast.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// The download page's pictures are drawn from their names: the kind of
// picture (row strip, panel, progress bar, button, icon) gives its size and
// shape, the state word (nor, hover/on, down, dis, checked) its shade, and
// the white ("_w") and black ("_b") variants their ink.

namespace {

const char* const kNames[] = {
    "Return_time_down.png",
    "Return_time_hover.png",
    "Return_time_nor_b.png",
    "Return_time_nor_w.png",
    "add_music_nor.png",
    "add_url_checked.png",
    "add_url_dis.png",
    "add_url_down.png",
    "add_url_hover.png",
    "add_url_nor.png",
    "back.png",
    "back_checked.png",
    "back_dis.png",
    "back_down.png",
    "back_hover.png",
    "back_nor.png",
    "browse_down.png",
    "browse_hover.png",
    "browse_nor.png",
    "button_line.png",
    "clean.png",
    "clean_checked.png",
    "clean_dis.png",
    "clean_down.png",
    "clean_hover.png",
    "clean_nor.png",
    "clean_succeed.png",
    "clean_succeed_checked.png",
    "clean_succeed_dis.png",
    "clean_succeed_down.png",
    "clean_succeed_hover.png",
    "clean_succeed_nor.png",
    "complete_black.png",
    "complete_white.png",
    "dl_progress_bar.png",
    "download_add_url.png",
    "download_down.png",
    "download_hover.png",
    "download_nor_b.png",
    "download_nor_w.png",
    "download_now_down.png",
    "download_now_hover.png",
    "download_now_nor.png",
    "download_pause_down.png",
    "download_pause_hover.png",
    "download_pause_nor.png",
    "folder_icon_b.png",
    "folder_icon_w.png",
    "guanbi_down.png",
    "guanbi_nor.png",
    "guanbi_on.png",
    "guanbi_on_b.png",
    "live.png",
    "liveVideo_Folderopen_icon_down.png",
    "liveVideo_Folderopen_icon_hover.png",
    "liveVideo_Folderopen_icon_hover_w.png",
    "liveVideo_Folderopen_icon_nor_b.png",
    "liveVideo_Folderopen_icon_nor_w.png",
    "liveVideoline.png",
    "live_32px.png",
    "narrow_nor.png",
    "narrow_on.png",
    "neirong_bg_down.png",
    "neirong_bg_nor.png",
    "notcomplete_white.png",
    "number_bg.png",
    "online_url.png",
    "online_url_checked.png",
    "online_url_dis.png",
    "online_url_down.png",
    "online_url_hover.png",
    "online_url_nor.png",
    "open_down.png",
    "open_hover.png",
    "open_nor.png",
    "play_down.png",
    "play_hover.png",
    "play_nor.png",
    "play_stop_down.png",
    "play_stop_hover.png",
    "play_stop_nor.png",
    "player.png",
    "progress_bar_bg.png",
    "quan.png",
    "reload_down.png",
    "reload_hover.png",
    "reload_hover_w.png",
    "reload_nor.png",
    "restore_down.png",
    "restore_nor.png",
    "restore_on.png",
    "screen_b.png",
    "screen_w.png",
    "setting_up_down.png",
    "setting_up_hover.png",
    "setting_up_nor.png",
    "set_nor.png",
    "set_hover.png",
    "update_nor.png",
    "update_hover.png",
    "ding_info_nor.png",
    "ding_info_hover.png",
    "ding_help_nor.png",
    "ding_help_hover.png",
    "shubiao.png",
    "skip_down.png",
    "skip_hover_b.png",
    "skip_hover_w.png",
    "skip_nor.png",
    "special/button_b_down1.png",
    "special/button_b_down2.png",
    "special/button_b_down3.png",
    "special/button_b_nor1.png",
    "special/button_b_nor2.png",
    "special/button_b_nor3.png",
    "special/button_b_on1.png",
    "special/button_b_on2.png",
    "special/button_b_on3.png",
    "special/button_w_down1.png",
    "special/button_w_down2.png",
    "special/button_w_down3.png",
    "special/button_w_nor1.png",
    "special/button_w_nor2.png",
    "special/button_w_nor3.png",
    "special/button_w_on1.png",
    "special/button_w_on2.png",
    "special/button_w_on3.png",
    "special/check upgread down_1.png",
    "special/check upgread down_2.png",
    "special/check upgread down_3.png",
    "special/check upgread nor_1.png",
    "special/check upgread nor_2.png",
    "special/check upgread nor_3.png",
    "special/check upgread on_1.png",
    "special/check upgread on_2.png",
    "special/check upgread on_3.png",
    "special/dl_gaitu_bg.png",
    "special/dl_icon.png",
    "special/dl_setting.png",
    "special/dl_setting_checked.png",
    "special/dl_setting_dis.png",
    "special/dl_setting_down.png",
    "special/dl_setting_hover.png",
    "special/dl_setting_nor.png",
    "special/download.png",
    "stop_all_down.png",
    "stop_all_hover.png",
    "stop_all_nor.png",
    "stop_green_down.png",
    "stop_green_hover.png",
    "stop_green_nor.png",
    "stop_red_down.png",
    "stop_red_hover.png",
    "stop_red_nor.png",
    "stop_white_down.png",
    "stop_white_hover.png",
    "stop_white_nor.png",
    "time_b.png",
    "time_w.png",
    "video_b.png",
    "video_kuang.png",
    "video_tiao_hover.png",
    "video_tiao_nor.png",
    "video_tiao_on.png",
    "video_tiao_on_hover.png",
    "video_w.png",
    "youtube_cvt_background.png",
    "youtube_edit_down.png",
    "youtube_edit_hover.png",
    "youtube_edit_hover_w.png",
    "youtube_edit_nor_b.png",
    "youtube_edit_nor_w.png"
};

enum class Kind { Strip, Panel, Bar, Button, Icon, Line };

Kind kindOf(const QString& n)
{
    if (n.startsWith(QLatin1String("video_tiao")))
        return Kind::Strip;
    if (n.contains(QLatin1String("background")) || n.contains(QLatin1String("gaitu_bg")) || n.contains(QLatin1String("neirong_bg"))
        || n == QLatin1String("player.png") || n.startsWith(QLatin1String("quan")))
        return Kind::Panel;
    if (n.contains(QLatin1String("progress")))
        return Kind::Bar;
    if (n.contains(QLatin1String("line")) && !n.startsWith(QLatin1String("online_url")))
        return Kind::Line;
    if (n.startsWith(QLatin1String("stop_")) || n.startsWith(QLatin1String("download_now")) || n.startsWith(QLatin1String("restore"))
        || n.startsWith(QLatin1String("browse")) || n.startsWith(QLatin1String("open_")) || n.startsWith(QLatin1String("setting_up"))
        || n.startsWith(QLatin1String("special/button")) || n.startsWith(QLatin1String("special/check upgread")))
        return Kind::Button;
    return Kind::Icon;
}

QColor baseColour(const QString& n)
{
    if (n.contains(QLatin1String("green")) || (n.contains(QLatin1String("complete_")) && !n.contains(QLatin1String("notcomplete"))))
        return QColor(0x17, 0xA2, 0x49);
    if (n.contains(QLatin1String("red")) || n.contains(QLatin1String("notcomplete")) || n.contains(QLatin1String("guanbi")))
        return QColor(0xFC, 0x37, 0x46);
    if (n.contains(QLatin1String("white")) || n.endsWith(QLatin1String("_w.png")) || n.contains(QLatin1String("_w_"))
        || n.contains(QLatin1String("button_w")))
        return QColor(0xF4, 0xF5, 0xF7);
    if (n.endsWith(QLatin1String("_b.png")) || n.contains(QLatin1String("_b_")) || n.contains(QLatin1String("black")))
        return QColor(0x43, 0x46, 0x52);
    return QColor(0x21, 0xAA, 0xD4);
}

// The state words follow an underscore (a space in the upgrade pill's
// names), so "download" is no pressed state.
QColor shade(const QString& n, QColor c)
{
    if (n.contains(QLatin1String("hover")) || n.contains(QLatin1String("_on")))
        return c.lighter(120);
    if (n.contains(QLatin1String("_down")) || n.contains(QLatin1String(" down")) || n.contains(QLatin1String("checked")))
        return c.darker(125);
    if (n.contains(QLatin1String("_dis")))
        return QColor(0x99, 0x99, 0x99);
    return c;
}

// "Download all" and "stop all" carry no text of their own: a white arrow
// into a tray and a white square tell them apart.
bool bigButton(const QString& n)
{
    return n.startsWith(QLatin1String("download_now")) || n.startsWith(QLatin1String("stop_all"));
}

void drawBigButtonMark(QPainter& p, const QString& n, const QRectF& r)
{
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF));
    if (n.startsWith(QLatin1String("stop_all"))) {
        p.drawRoundedRect(QRectF(c.x() - 11, c.y() - 11, 22, 22), 3, 3);
        return;
    }
    QPainterPath arrow;
    arrow.moveTo(c.x() - 5, c.y() - 18);
    arrow.lineTo(c.x() + 5, c.y() - 18);
    arrow.lineTo(c.x() + 5, c.y() - 4);
    arrow.lineTo(c.x() + 13, c.y() - 4);
    arrow.lineTo(c.x(), c.y() + 9);
    arrow.lineTo(c.x() - 13, c.y() - 4);
    arrow.lineTo(c.x() - 5, c.y() - 4);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.drawRect(QRectF(c.x() - 18, c.y() + 13, 36, 4));
}

// "Check for Upgrade" is a light pill cut into three: its text runs 5
// design pixels into the left end and 25 into the right one, so the right
// end is wide enough (30 at the button's half scale) to keep it inside.
QImage upgradeSlice(const QString& n)
{
    const int leftWidth = 24, middleWidth = 12, rightWidth = 60;
    QImage pill(leftWidth + middleWidth + rightWidth, 46, QImage::Format_ARGB32_Premultiplied);
    pill.fill(Qt::transparent);
    QPainter p(&pill);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill(0xF4, 0xF5, 0xF7);
    QColor edge(0xC4, 0xC9, 0xD2);
    if (n.contains(QLatin1String(" on_")))
        edge = QColor(0x21, 0xAA, 0xD4);
    else if (n.contains(QLatin1String(" down_")))
        fill = fill.darker(108);
    p.setPen(QPen(edge, 2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(pill.rect()).adjusted(1, 1, -1, -1), 22, 22);
    p.end();
    if (n.endsWith(QLatin1String("_1.png")))
        return pill.copy(0, 0, leftWidth, 46);
    if (n.endsWith(QLatin1String("_2.png")))
        return pill.copy(leftWidth, 0, middleWidth, 46);
    return pill.copy(leftWidth + middleWidth, 0, rightWidth, 46);
}

// The text colour each button picture carries (as the windows set it), so
// that its fill is made dark or light enough for it; an invalid colour for a
// picture without text.
QColor inkOn(const QString& n)
{
    const QColor white(0xFF, 0xFF, 0xFF);
    if (bigButton(n))
        return QColor();
    if (n.startsWith(QLatin1String("stop_white")))
        return QColor(0x43, 0x46, 0x52);
    if (n.startsWith(QLatin1String("special/button_w")))
        return n.contains(QLatin1String("_down")) ? white : QColor(0x33, 0x36, 0x3D);
    if (n.startsWith(QLatin1String("browse")) || n.startsWith(QLatin1String("open_"))) {
        if (n.contains(QLatin1String("hover")))
            return QColor(0x5E, 0xB8, 0xF0);
        return n.contains(QLatin1String("down")) ? white : QColor(0x65, 0x6B, 0x79);
    }
    if (n.startsWith(QLatin1String("restore")))
        return QColor(0xF0, 0xF0, 0xF0);
    return white;
}

QColor buttonFill(const QString& n)
{
    const QColor c = shade(n, baseColour(n));
    const QColor ink = inkOn(n);
    if (!ink.isValid())
        return c;
    const QColor white(0xFF, 0xFF, 0xFF);
    // The folder buttons are light halves of one pill; pressed they turn the
    // accent blue, and their light-blue hover text needs a deep slate.
    if (n.startsWith(QLatin1String("browse")) || n.startsWith(QLatin1String("open_"))) {
        QColor fill(0xF4, 0xF5, 0xF7);
        if (n.contains(QLatin1String("hover")))
            fill = QColor(0x43, 0x46, 0x52);
        else if (n.contains(QLatin1String("down")))
            fill = QColor(0x21, 0xAA, 0xD4);
        return Contrast::readableUnder(fill, ink);
    }
    if (n.startsWith(QLatin1String("special/button_w")) && n.contains(QLatin1String("_down")))
        return Contrast::readableUnder(QColor(0x21, 0xAA, 0xD4).darker(110), ink);
    if (Contrast::luminance(ink) > Contrast::luminance(c)) {
        // Deepen the colour itself first, with room for the lighter hover.
        const QColor deep = Contrast::readableUnder(baseColour(n), white, 5.8);
        return Contrast::readableUnder(shade(n, deep), ink);
    }
    return Contrast::readableUnder(c, ink);
}

// The row's tool buttons: one pill cut into three 12-pixel slices, the
// middle one stretched under the text, so no rim runs through it.
QImage toolSlice(const QString& n)
{
    const QColor fill = buttonFill(n);
    QImage pill(36, 46, QImage::Format_ARGB32_Premultiplied);
    pill.fill(Qt::transparent);
    QPainter p(&pill);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(fill.darker(115));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 35, 45), 6, 6);
    p.end();
    const int part = n.at(n.size() - 5).digitValue() - 1;
    return pill.copy(qBound(0, part, 2) * 12, 0, 12, 46);
}

QImage paint(const QString& n)
{
    if (n.startsWith(QLatin1String("special/check upgread")))
        return upgradeSlice(n);
    if (n.startsWith(QLatin1String("special/button_")))
        return toolSlice(n);
    const Kind kind = kindOf(n);
    QSize size(28, 28);
    switch (kind) {
    case Kind::Strip: size = QSize(752, 120); break;
    case Kind::Panel: size = QSize(300, 208); break;
    case Kind::Bar: size = QSize(64, 8); break;
    case Kind::Button:
        // The page's two big buttons are drawn at their design size, so their mark is not stretched.
        size = bigButton(n) ? QSize(188, 70) : QSize(n.contains(QLatin1String("special/")) ? 12 : 96, 46);
        break;
    case Kind::Line: size = QSize(4, 64); break;
    case Kind::Icon:
        // The preview's placeholder is shown large, at half its size.
        if (n == QLatin1String("special/dl_icon.png"))
            size = QSize(112, 112);
        break;
    }
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = shade(n, baseColour(n));
    const QRectF r = QRectF(img.rect()).adjusted(1, 1, -1, -1);
    switch (kind) {
    case Kind::Strip: {
        QColor fill = QColor(0xFF, 0xFF, 0xFF);
        // The selected row carries its title in white.
        if (n.contains(QLatin1String("_on")))
            fill = Contrast::readableUnder(QColor(0x00, 0x9C, 0xFF), QColor(0xFF, 0xFF, 0xFF));
        if (n.contains(QLatin1String("hover")))
            fill = fill.darker(104);
        p.setPen(QColor(0xDD, 0xE0, 0xE6));
        p.setBrush(fill);
        p.drawRoundedRect(r.adjusted(3, 2, -3, -4), 6, 6);
        break;
    }
    case Kind::Panel: {
        QLinearGradient g(0, 0, 0, size.height());
        if (n.contains(QLatin1String("_down"))) {
            // The selected row's information strip: light text on a deep
            // band of the selection's blue.
            const QColor top = Contrast::readableUnder(QColor(0x0B, 0x6E, 0xB5), QColor(0xF0, 0xF1, 0xF2), 5.0);
            g.setColorAt(0, top);
            g.setColorAt(1, top.darker(112));
            p.setPen(top.darker(125));
        } else {
            g.setColorAt(0, QColor(0xF7, 0xF8, 0xFA));
            g.setColorAt(1, QColor(0xE4, 0xE7, 0xEC));
            p.setPen(QColor(0xD0, 0xD4, 0xDB));
        }
        p.setBrush(g);
        p.drawRoundedRect(r, 8, 8);
        break;
    }
    case Kind::Bar:
        p.setPen(Qt::NoPen);
        p.setBrush(n.contains(QLatin1String("bg")) ? QColor(0xDD, 0xE0, 0xE6) : QColor(0x69, 0xD8, 0x6C));
        p.drawRoundedRect(r, 3, 3);
        break;
    case Kind::Line:
        p.fillRect(QRect(1, 0, 2, size.height()), QColor(0xD0, 0xD4, 0xDB));
        break;
    case Kind::Button: {
        const QColor fill = buttonFill(n);
        p.setPen(fill.darker(115));
        p.setBrush(fill);
        p.drawRoundedRect(r, 6, 6);
        if (bigButton(n))
            drawBigButtonMark(p, n, r);
        break;
    }
    case Kind::Icon:
        p.scale(size.width() / 28.0, size.height() / 28.0);
        drawActionIcon(p, glyphOf(n), c);
        break;
    }
    p.end();
    return img;
}

} // namespace

QStringList downloadImageNames()
{
    QStringList names;
    for (const char* n : kNames)
        names.append(QString::fromUtf8(n));
    return names;
}

void addDownloadPainters(QMap<QString, std::function<QImage()>>& painters)
{
    for (const QString& n : downloadImageNames())
        painters.insert(n, [n] { return paint(n); });
}
