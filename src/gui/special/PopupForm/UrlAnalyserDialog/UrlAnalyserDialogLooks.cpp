// How the analysis window dresses and places its own widgets beyond what
// the form gives them: the skins of the self-drawn buttons, the centred and
// widened texts, the scaled style sheets and the rule under the formats.

#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "ui_UrlAnalyserDialog.h"

#include <QFontMetrics>
#include <QMovie>
#include <QPainter>

namespace {

QFont uiFont(const QWidget* w)
{
    QFont font = w->font();
    const QString family = UIBaseData::instance()->fontFamily();
    if (!family.isEmpty())
        font.setFamily(family);
    const QVariant base = w->property("baseFontSize");
    if (base.isValid())
        font.setPixelSize(qMax(1, base.toInt()));
    return font;
}

// A scaled value written as a style sheet number.
QString px(double base)
{
    return QString::number(base * double(UIBaseData::instance()->scale()), 'g', 6);
}

} // namespace

void UrlAnalyserDialog::dressButtons()
{
    const QColor white(Qt::white);

    CUxTpTextIllus* search = ui->btn_search;
    search->setText(tr("Search"));
    search->setTextColors(white, white, white, white);
    search->setBackgroundImages(QStringLiteral(":/res/ytb_search_nor.png"), QStringLiteral(":/res/ytb_search_on.png"),
                                QStringLiteral(":/res/ytb_search_down.png"), QStringLiteral(":/res/ytb_search_dis.png"),
                                72, 78, 0.5f, 0);

    CUxTpTextIllus* showAll = ui->btnShowAll;
    showAll->setText(tr("Show All"));
    showAll->setIconMargin(3);
    showAll->setStateImages(QStringLiteral(":/res/show_all_button1.png"), QStringLiteral(":/res/show_all_button2.png"),
                            QStringLiteral(":/res/show_all_button3.png"), 0.5f, 4);
    showAll->setIcons(QStringLiteral(":/res/arrow_nor.png"), QStringLiteral(":/res/arrow_hover.png"),
                      QStringLiteral(":/res/arrow_down.png"), QString(), 0.5f);
    showAll->setTextColors(QColor(98, 104, 115), QColor(0, 141, 242), QColor(98, 104, 115), QColor(96, 96, 96, 128));

    CUxTpTextIllus* paste = ui->btn_paste;
    paste->setText(tr("Paste URL & Analyse"));
    paste->setLayoutMode(2);
    paste->setIconTextSpacing(0);
    paste->setTextMargin(8);
    paste->setIconMargin(0);
    paste->setStateImages(QStringLiteral(":/res/done_nor_L.png"), QStringLiteral(":/res/done_nor_M.png"),
                          QStringLiteral(":/res/done_nor_R.png"), 0.4f, 4);
    const char* const states[] = {nullptr, "hover", "down", "dis"};
    for (int s = 1; s < 4; ++s) {
        const QString base = QStringLiteral(":/res/done_%1_%2.png").arg(QLatin1String(states[s]));
        paste->setStateImages(base.arg(QLatin1Char('L')), base.arg(QLatin1Char('M')), base.arg(QLatin1Char('R')), 0.4f,
                              s);
    }
    const QString pasteIcon = QStringLiteral(":/res/paste_url_norIcon.png");
    paste->setIcons(pasteIcon, pasteIcon, pasteIcon, pasteIcon, 0.5f);
    paste->setTextColors(white, white, white, white);
    fitToContent(paste);

    CUxTpTextIllus* subscribe = ui->btnSubscribe;
    subscribe->setText(tr("Subscribe"));
    subscribe->setCheckable(true);
    subscribe->setLayoutMode(2);
    subscribe->setBackgroundImages(QStringLiteral(":/res/white_button_nor.png"),
                                   QStringLiteral(":/res/white_button_hover.png"),
                                   QStringLiteral(":/res/white_button_down.png"),
                                   QStringLiteral(":/res/white_button_dis.png"), 23, 60, 0.8f, 4);
    subscribe->setIcons(QStringLiteral(":/res/add_subscribe_nor.png"), QStringLiteral(":/res/add_subscribe_nor.png"),
                        QStringLiteral(":/res/add_subscribe_down.png"), QString(), 0.5f);
    const QColor grey(83, 86, 86);
    subscribe->setTextColors(grey, grey, white, grey);
    fitToContent(subscribe);

    ui->btnBack->setToolTip(tr("Back"));
    ui->btnBack->setText(QString());
    ui->btnBack->setTextColors(QColor(QStringLiteral("#ffffff")), QColor(QStringLiteral("#ffffff")),
                               QColor(QStringLiteral("#ffffff")), QColor(Qt::gray));
    ui->btnBack->setTextRect(QRect(26, 0, 37, 21));
}

// Content size at the interface factor (the button paints at that factor),
// also the minimum; kept over the form's rescaling.
void UrlAnalyserDialog::fitToContent(CUxTpTextIllus* button)
{
    const float scale = UIBaseData::instance()->scale();
    const QSize content = button->contentSize();
    const QSize size(int(float(content.width()) * scale), int(float(content.height()) * scale));
    button->setMinimumSize(size);
    button->resize(size);
    button->setProperty("fitsContent", true);
}

void UrlAnalyserDialog::layoutTexts()
{
    // The three steps of the start page share the widest one's width and
    // stand centred in the page.
    int widest = 0;
    for (QLabel* l : {ui->labPrompt1, ui->labPrompt2, ui->labPrompt3}) {
        l->setFont(uiFont(l));
        widest = qMax(widest, QFontMetrics(uiFont(l)).horizontalAdvance(l->text()));
    }
    for (QLabel* l : {ui->labPrompt1, ui->labPrompt2, ui->labPrompt3}) {
        l->setBaseSize(widest, l->baseSize().height());
        const QPoint pos = l->property("basePos").isValid() ? l->property("basePos").toPoint() : l->pos();
        l->setProperty("basePos", QPoint((888 - widest) / 2, pos.y()));
    }
    // Translations may be longer than the designed buttons.
    for (QWidget* b : {static_cast<QWidget*>(ui->btn_done), static_cast<QWidget*>(ui->btn_doneAll),
                       static_cast<QWidget*>(ui->btn_applyToAll)}) {
        const QFont font = uiFont(b);
        b->setFont(font);
        const auto* push = qobject_cast<QAbstractButton*>(b);
        const int wanted = QFontMetrics(font).horizontalAdvance(push ? push->text() : QString()) + 8;
        if (wanted > b->baseSize().width())
            b->setBaseSize(wanted, b->baseSize().height());
    }
    ui->widLangCode->setBaseSize(275, 39);
}

void UrlAnalyserDialog::placeShowAll()
{
    // Sized to its text, so the right end of the rule is its right end.
    fitToContent(ui->btnShowAll);
    const float scale = UIBaseData::instance()->scale();
    const int content = int(float(ui->btnShowAll->contentSize().width()) * scale);
    const QPoint base(int(float(ui->lineWidget->width() - content) / scale), 4);
    ui->btnShowAll->setProperty("basePos", base);
    ui->btnShowAll->move(UIBaseData::scaledPoint(base));
}

void UrlAnalyserDialog::applyLooks()
{
    for (CUxTpTextIllus* b : {ui->btn_paste, ui->btnSubscribe})
        if (b->property("fitsContent").toBool())
            fitToContent(b);
    placeShowAll();
    ui->widLangCode->setFixedSize(UIBaseData::scaledSize(QSize(275, 39)));
    placeUrlLabel();

    // The waiting page's two lines, centred in the page.
    const int page = UIBaseData::scaled(888);
    const int lineHeight = UIBaseData::scaled(30);
    int y = 183;
    for (QLabel* l : {ui->label_12, ui->label_13}) {
        const int width = l->fontMetrics().horizontalAdvance(l->text());
        // The design minimum (the page's width) would undo the centring.
        l->setMinimumSize(width, lineHeight);
        l->setGeometry((page - width) / 2, UIBaseData::scaled(y), width, lineHeight);
        y += 40;
    }

    ui->checkBox->setStyleSheet(
        QStringLiteral("QCheckBox::indicator{width: %1px;height: %2px;}\n"
                       "QCheckBox::indicator:unchecked {border-image: url(:/res/xuanzhong_nor.png);}\n"
                       "QCheckBox::indicator:checked{border-image: url(:/res/xuanzhong_on.png);}  \n"
                       "QCheckBox::indicator:indeterminate{border-image: url(:/res/indeterminate.png);}")
            .arg(px(18), px(20)));
    if (QMovie* movie = ui->label_4->movie())
        movie->setScaledSize(UIBaseData::scaledSize(ui->label_4->baseSize()));
    ui->comboBoxLangCode->setStyleSheet(
        QStringLiteral(
            "QComboBox { border: 1px solid '#cbcbcb';outline:none; border-radius: 4px;padding-left: %1px;"
            "color:#575d66;background-color: '#ffffff';}QComboBox:disabled {    border: 1px solid '#b4b4b4';"
            "border-radius: 4px;padding-left: %2px;background-color: '#f5f5f5';color: rgba(96, 96, 96,128); }"
            "QComboBox::drop-down { subcontrol-origin: padding; subcontrol-position: top right;width: %3px;"
            "border-left-width: 0px; }QComboBox::down-arrow { border-image: url(:/AiRes/Ui/Resources/xiala_nor.png); "
            "width: %4px; height: %5px;}QComboBox::down-arrow:hover{border-image: "
            "url(:/AiRes/Ui/Resources/xiala_hover.png); width: %6px; height: %7px; }QComboBox::down-arrow:pressed{"
            "border-image: url(:/AiRes/Ui/Resources/xiala_down.png);width: %8px;height: %9px;} "
            "QComboBox::down-arrow:on{ top: %10px;}QComboBox QAbstractItemView {outline:0px;color:#575d66;"
            "border-top: 0px solid gray;border-right: 1px solid rgba(199, 199, 199, 190);border-left: %11px solid "
            "rgba(199, 199, 199, 190);border-bottom: %11px solid rgba(199, 199, 199, 190);margin-left:%12px;}"
            "QComboBox QAbstractItemView::item:hover{background-color: #3399FF; color: white;}")
            .arg(px(4), px(4), px(19), px(19), px(17), px(19), px(17), px(19), px(17))
            .arg(px(17), px(1), px(17)));
}

// The engraved rule under the format view: along the bottom, up beside
// the Show All button with a rounded corner, then along the top to the end.
void UrlAnalyserDialog::paintLineWidget()
{
    QWidget* w = ui->lineWidget;
    const float scale = UIBaseData::instance()->scale();
    const int h = w->height();
    const int x1 = w->width() - int(float(ui->btnShowAll->contentSize().width()) * scale) - UIBaseData::scaled(4);
    const int r = UIBaseData::scaled(5);
    const int bottom = h - UIBaseData::scaled(2);
    QPainter p(w);
    p.setPen(QColor(198, 199, 204));
    p.drawLine(0, bottom, x1, bottom);
    p.drawLine(x1, bottom, x1, r);
    p.drawArc(QRect(x1, 0, 2 * r, 2 * r), -180 * 16, -90 * 16);
    p.drawLine(x1 + r, 0, width(), 0);
    p.setPen(Qt::white);
    p.drawLine(0, bottom + 1, x1, bottom + 1);
    p.drawLine(x1 + r, 1, width(), 1);
}
