#include "gui/special/PopupForm/Unclassified/AdsDialog.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "shell/SettingsStore.h"
#include "ui_AdsDialog.h"

#include <QFontMetrics>
#include <QImage>
#include <QTextDocument>

namespace {

const int kBoxWidth = 800;
const int kBoxHeight = 76;

// A path as a quoted style-sheet string: a folder such as "o'brien" or one
// holding ")" would otherwise end the url() early.
QString cssString(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// What a rich-text title shows, without its markup.
QString shownText(const QString& richText)
{
    QTextDocument doc;
    doc.setHtml(richText);
    return doc.toPlainText();
}

}

AdsDialog::AdsDialog(QWidget* parent)
    : PopupBase(parent)
    , ui(new Ui::AdsDialog)
{
    ui->setupUi(this);

    NetVersionMgr* versions = NetVersionMgr::instance();
    AdsInfo ad;
    if (versions->isDataValid())
        ad = versions->getAdsInfo();
    else
        versions->getLastAdsInfo(ad);

    if (!ad.picTitle.isEmpty())
        m_picTitleTemplate = UIBaseData::styleSheetTemplate(ad.picTitle, m_picTitlePx);
    if (!ad.title.isEmpty())
        m_titleTemplate = UIBaseData::styleSheetTemplate(ad.title, m_titlePx);
    if (!ad.button.isEmpty())
        ui->btn_done->setText(QStringLiteral("   %1   ").arg(ad.button));
    if (ad.label.isEmpty())
        ui->btn_cancel->hide();
    else
        ui->btn_cancel->setText(ad.label);
    if (!ad.url.isEmpty())
        m_link = QUrl(ad.url, QUrl::TolerantMode);
    m_detailsTemplate = UIBaseData::styleSheetTemplate(ad.details.join(QString()), m_detailsPx);
    applyScaledTexts();

    showPicture();

    m_styleTemplates.insert(QStringLiteral("widget_scroll"), ui->widget_scroll->styleSheet());
    // The designer's sheet still holds the placeholders.
    ui->widget_scroll->setStyleSheet(m_styleTemplates.value(QStringLiteral("widget_scroll"))
                                         .arg(QString::number(UIBaseData::scaled(7)),
                                              QString::number(UIBaseData::scaled(3))));
    init(this, this, 0.29322034f, false);
    setCloseButton(ui->btnclose);
}

AdsDialog::~AdsDialog()
{
    delete ui;
}

void AdsDialog::showPicture()
{
    const QString path = SettingsStore::instance()->configDir() + QStringLiteral("/update.png");
    const QImage image(path);
    if (image.isNull()) {
        ui->label->setStyleSheet(QStringLiteral("border-image: url(:/res/icon.png);"));
        return;
    }
    int width = kBoxWidth;
    if (!m_picTitleTemplate.isEmpty()) {
        // The style sheet's bold weight is part of the font once polished.
        ui->picLab->ensurePolished();
        QFont font = ui->picLab->font();
        font.setPixelSize(26);
        font.setFamily(UIBaseData::instance()->fontFamily());
        // The title's markup takes no room; only what it shows does.
        width -= QFontMetrics(font).horizontalAdvance(
            shownText(UIBaseData::applyStyleSheetTemplate(m_picTitleTemplate, m_picTitlePx)));
    }
    if (width <= 0) {
        // No room beside the title; a base width of 0 would leave the label
        // at whatever size it had.
        ui->label->hide();
        return;
    }
    const QSize size = image.size().scaled(QSize(width, kBoxHeight), Qt::KeepAspectRatio);
    if (size.width() <= 0 || size.height() <= 0) {
        ui->label->hide();
        return;
    }
    ui->label->setBaseSize(size.width(), kBoxHeight);
    ui->label->setMinimumSize(size.width(), kBoxHeight);
    ui->label->setStyleSheet(QStringLiteral("border-image: url(%1);").arg(cssString(path)));
}

void AdsDialog::applyScaledTexts()
{
    ui->lab_promotion->setText(UIBaseData::applyStyleSheetTemplate(m_detailsTemplate, m_detailsPx));
    ui->lab_title->setText(UIBaseData::applyStyleSheetTemplate(m_titleTemplate, m_titlePx));
    ui->picLab->setText(UIBaseData::applyStyleSheetTemplate(m_picTitleTemplate, m_picTitlePx));
}

void AdsDialog::resizeEvent(QResizeEvent* event)
{
    const QString scroll = m_styleTemplates.value(QStringLiteral("widget_scroll"));
    if (!m_styleTemplates.contains(QStringLiteral("widget_scroll")))
        m_styleTemplates.insert(QStringLiteral("widget_scroll"), QString());
    ui->widget_scroll->setStyleSheet(scroll.isEmpty() ? QString()
                                                      : scroll.arg(QString::number(UIBaseData::scaled(7)),
                                                                   QString::number(UIBaseData::scaled(3))));
    applyScaledTexts();
    PopupBase::resizeEvent(event);
}

void AdsDialog::on_btn_done_clicked()
{
    UIBaseData::openPHPParams(QStringLiteral("adui"), m_link.toString());
    close();
}

void AdsDialog::on_btn_cancel_clicked()
{
    SettingsStore* store = SettingsStore::instance();
    if (store->value(QStringLiteral("base/lowChanceShowingAd")) != QLatin1String("true"))
        store->setValue(QStringLiteral("base/lowChanceShowingAd"), QStringLiteral("true"));
    close();
}

void AdsDialog::on_btnclose_clicked()
{
    close();
}
