#include "gui/special/PopupForm/Unclassified/YtbUpgradeDialog.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "function/Youtube/Youtube.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "ui_YtbUpgradeDialog.h"

#include <QtDebug>

namespace {
const int kBarMaximum = 10000;
}

YtbUpgradeDialog::YtbUpgradeDialog(bool programUpgrade, QWidget* parent)
    : PopupBase(parent)
    , ui(new Ui::YtbUpgradeDialog)
{
    ui->setupUi(this);
    ui->label->setText(ui->label->text().arg(
        tr("Updating the URL analysis engine is needed if you want to download the latest videos from YouTube or "
           "other video sites. Please wait until the update finished.")));
    ui->label_2->setText(ui->label_2->text().arg(
        tr("Program update is needed for the new downloader engine. Please click \"Update\" to download the newest "
           "version or you can click \"Continue\" to work with the current engine.")));
    // The templates are taken before the frame is made: its first resize
    // already fills the labels from them.
    m_styleTemplates.insert(QStringLiteral("progressBar"), ui->progressBar->styleSheet());
    m_textTemplates.insert(QStringLiteral("label"), ui->label->text());
    m_textTemplates.insert(QStringLiteral("label_2"), ui->label_2->text());
    init(this, this, 1.0f, false);

    Youtube* engine = Youtube::instance();
    connect(engine, &Youtube::doYtbUpgradeProcess, this, &YtbUpgradeDialog::onProgress);
    connect(engine, &Youtube::doUpgradeFinished, this, &YtbUpgradeDialog::onFinished);

    ui->stackedWidget->setCurrentWidget(programUpgrade ? ui->programUpgrade : ui->ytbUpgrade);
}

YtbUpgradeDialog::~YtbUpgradeDialog()
{
    delete ui;
}

int YtbUpgradeDialog::exec()
{
    if (ui->stackedWidget->currentWidget() == ui->programUpgrade) {
        PopupBase::exec(true);
        return 0;
    }
    m_result = 0;
    setPendingMethod(this, "startUpgrade");
    PopupBase::exec(true);
    return m_result;
}

void YtbUpgradeDialog::startUpgrade()
{
    if (!Youtube::instance()->startUpgrade())
        m_result = -1;
    // A refused start (an update already running) ends without the engine's
    // end signal; nothing else would close the dialog then.
    if (isVisible())
        close();
}

void YtbUpgradeDialog::onProgress(qlonglong cur, qlonglong total)
{
    if (total <= 0)
        return;
    // More bytes than announced must not push the marker past its track.
    const qint64 value = qBound<qint64>(0, cur * kBarMaximum / total, kBarMaximum);
    ui->progressBar->setValue(int(value));
    ui->lab_progress->setText(QStringLiteral("%1%").arg(qMin<qint64>(value / 100, 100)));

    const float ratio = float(value) / float(ui->progressBar->maximum());
    const int track = ui->float_area->baseSize().width() - ui->float_widget->baseSize().width();
    const int x = int(float(track) * ratio);
    ui->float_widget->setProperty("basePos", QPoint(x, 0));
    ui->float_widget->move(UIBaseData::scaled(float(x)), 0);
}

void YtbUpgradeDialog::onFinished()
{
    close();
}

void YtbUpgradeDialog::on_btn_cancel_clicked()
{
    Youtube::instance()->stopUpgrade();
    ui->btn_cancel->setEnabled(false);
}

void YtbUpgradeDialog::on_btn_continue_clicked()
{
    close();
}

void YtbUpgradeDialog::on_btn_upgrade_clicked()
{
    const QString url = NetVersionMgr::instance()->upgradeUrl();
    const bool opened = UIBaseData::openPHPParams(QStringLiteral("ytbupui"), url);
    qDebug() << "open program update link:" << opened;
    close();
}

void YtbUpgradeDialog::resizeEvent(QResizeEvent* event)
{
    const int lineHeight = UIBaseData::scaled(20);
    ui->label->setText(m_textTemplates.value(QStringLiteral("label")).arg(lineHeight));
    ui->label_2->setText(m_textTemplates.value(QStringLiteral("label_2")).arg(lineHeight));
    ui->progressBar->setStyleSheet(
        m_styleTemplates.value(QStringLiteral("progressBar")).arg(UIBaseData::scaled(3)));
    PopupBase::resizeEvent(event);
}
