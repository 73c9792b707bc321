#include "gui/common/cuxupdate.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "shell/ProgramVersion.h"
#include "ui_checkUpdate.h"
#include "ui_cuxupdate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtDebug>

namespace {

// Spans both modal runs of a call: the popup's and the window's.
bool g_checking = false;

const int kMinimumShownMs = 1500;
const int kFetchDelayMs = 100;

QString replaceMarkers(QString text, const QString& current, const QString& announced)
{
    text.replace(QLatin1String("#current#"), current);
    text.replace(QLatin1String("#new#"), announced);
    return text;
}

}

CUxUpdate::CUxUpdate(QWidget* parent)
    : PopupBase(parent)
    , ui(new Ui::update)
{
    ui->setupUi(this);
    ui->labTitle->setText(QStringLiteral("Tarnwick"));
    init(this, this, 0.25762713f, false);
    setCloseButton(ui->btnclose);
    m_textEditStyle = ui->textEdit->styleSheet();
    ui->textEdit->setStyleSheet(m_textEditStyle.arg(QString::number(UIBaseData::scaled(7)),
                                                    QString::number(UIBaseData::scaled(3))));
    ui->textEdit->viewport()->setCursor(Qt::ArrowCursor);
}

CUxUpdate::~CUxUpdate()
{
    delete ui;
}

void CUxUpdate::checkUpdate(QWidget* parent, bool interactive)
{
    if (g_checking)
        return;
    g_checking = true;

    {
        PopupBase popup(parent);
        Ui::checkUpdate form;
        form.setupUi(&popup);
        form.label->setText(QStringLiteral("Tarnwick"));
        popup.init(&popup, &popup, 1.0f, false);
        popup.close();

        bool showUpdateDialog = true;
        bool cancelled = false;
        QElapsedTimer shownSince;

        QObject::connect(form.btnCancel, &QPushButton::clicked, &popup, [&] {
            NetVersionMgr::instance()->cancelCheck();
            cancelled = true;
            form.labTip->setText(tr("Canceling check update"));
            form.btnCancel->setEnabled(false);
            showUpdateDialog = false;
            popup.close();
        });

        QObject::connect(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked, &popup, [&](bool dataValid) {
            const qint64 remaining = kMinimumShownMs - (shownSince.isValid() ? shownSince.elapsed() : 0);
            if (dataValid) {
                const auto finish = [&] {
                    showUpdateDialog = !cancelled;
                    form.progressBar->setMaximum(1);
                    form.progressBar->setValue(0);
                    popup.close();
                };
                if (remaining < 1)
                    finish();
                else
                    QTimer::singleShot(int(remaining), &popup, finish);
                return;
            }
            showUpdateDialog = false;
            const auto failure = [&] {
                form.progressBar->setMaximum(1);
                form.progressBar->setValue(0);
                if (cancelled) {
                    popup.close();
                    return;
                }
                form.labTip->setText(tr("Check failed!"));
                form.btnCancel->setText(tr("OK"));
            };
            if (remaining < 1)
                failure();
            else
                QTimer::singleShot(int(remaining), &popup, failure);
        });

        if (interactive) {
            shownSince.start();
            QTimer::singleShot(kFetchDelayMs, &popup, [] { NetVersionMgr::instance()->checkVersion(true); });
            popup.exec(true);
        }

        if (showUpdateDialog) {
            CUxUpdate dialog(parent);
            dialog.loadUpgradeInfo();
            dialog.exec(true);
        }
    }
    g_checking = false;
}

void CUxUpdate::loadUpgradeInfo()
{
    NetVersionMgr* versions = NetVersionMgr::instance();
    m_versionInfo = versions->getVersionInfo();
    m_upgradeInfo = versions->getUpgradeInfo();
    bool needUpdate = false;
    bool forceUpdate = false;
    versions->getUpgradeUrl(&needUpdate, &forceUpdate);

    const QString current = runningProgramVersion().toString();
    const QString announced = m_versionInfo.version;
    for (QList<int>& px : m_basePx)
        px.clear();
    if (needUpdate) {
        m_templates[0] = UIBaseData::styleSheetTemplate(
            replaceMarkers(m_upgradeInfo.oldVersionText, current, announced), m_basePx[0]);
        m_templates[1] = UIBaseData::styleSheetTemplate(
            replaceMarkers(m_upgradeInfo.oldDescription, current, announced), m_basePx[1]);
        ui->btnOperate->setText(tr("Update Now"));
    } else {
        m_templates[0] = UIBaseData::styleSheetTemplate(
            replaceMarkers(m_upgradeInfo.newVersionText, current, announced), m_basePx[0]);
        m_templates[1] = UIBaseData::styleSheetTemplate(
            replaceMarkers(m_upgradeInfo.newDescription, current, announced), m_basePx[1]);
        ui->btnOperate->setText(tr("OK"));
    }
    m_templates[2] = UIBaseData::styleSheetTemplate(
        replaceMarkers(m_upgradeInfo.upgradeLog.join(QString()), current, announced), m_basePx[2]);
    applyScaledTexts();
}

void CUxUpdate::applyScaledTexts()
{
    ui->textEdit->setStyleSheet(m_textEditStyle.arg(QString::number(UIBaseData::scaled(7)),
                                                    QString::number(UIBaseData::scaled(3))));
    ui->labVersionResult->setText(UIBaseData::applyStyleSheetTemplate(m_templates[0], m_basePx[0]));
    ui->labDescription->setText(UIBaseData::applyStyleSheetTemplate(m_templates[1], m_basePx[1]));
    ui->textEdit->setHtml(UIBaseData::applyStyleSheetTemplate(m_templates[2], m_basePx[2]));
}

void CUxUpdate::resizeEvent(QResizeEvent* event)
{
    // Before loadUpgradeInfo the templates are empty; the window keeps its
    // design texts until then.
    if (!m_templates[0].isEmpty() || !m_templates[1].isEmpty() || !m_templates[2].isEmpty())
        applyScaledTexts();
    PopupBase::resizeEvent(event);
}

void CUxUpdate::on_btnOperate_clicked()
{
    bool needUpdate = false;
    bool forceUpdate = false;
    const QString address = NetVersionMgr::instance()->getUpgradeUrl(&needUpdate, &forceUpdate);
    if (needUpdate)
        UIBaseData::openPHPParams(QStringLiteral("upui"), address);
    on_btnclose_clicked();
}

void CUxUpdate::on_btnclose_clicked()
{
    bool needUpdate = false;
    bool forceUpdate = false;
    NetVersionMgr::instance()->getUpgradeUrl(&needUpdate, &forceUpdate);
    qDebug() << "bNeedForceUpdate = " << forceUpdate;
    if (needUpdate && forceUpdate)
        QCoreApplication::exit(-1);
    else
        close();
}
