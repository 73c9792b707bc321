#include "gui/special/PopupForm/Unclassified/AboutDialog.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "shell/ProgramVersion.h"
#include "shell/SettingsStore.h"
#include "ui_AboutDialog.h"

#include <QCoreApplication>

namespace {
enum class Edition { Default, Pelodvd, Marbleton, Marbleton4k };

Edition edition()
{
    const QString site = SettingsStore::instance()->value(QStringLiteral("base/site")).toLower();
    if (site == QLatin1String("pelodvd"))
        return Edition::Pelodvd;
    if (site == QLatin1String("marbleton"))
        return Edition::Marbleton;
    if (site == QLatin1String("marbleton_4k"))
        return Edition::Marbleton4k;
    return Edition::Default;
}
}

AboutDialog::AboutDialog(QWidget* parent)
    : PopupBase(parent)
    , ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    m_linkTemplate = ui->lab_link->text();
    initLinkText();
    init(this, this, 1.0f, false);
    setCloseButton(ui->btn_close);

    ui->lab_des->setText(tr("Tarnwick is the strongest yet easy-to-use video processing software. It provides you "
                            "ultimate solution to convert videos, audio and DVDs; edit, transcode, compress and adjust "
                            "video files; download online media content; record screen and webcam."));
    ui->label->setText(QStringLiteral("Tarnwick"));

    connect(ui->lab_link, &QLabel::linkActivated, this, &AboutDialog::onLinkActivated);
    connect(ui->lab_link, &QLabel::linkHovered, this, [this](const QString& link) { fillLink(!link.isEmpty()); });
    updateVersionInfo();
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

QString AboutDialog::feedbackAddress()
{
    switch (edition()) {
    case Edition::Pelodvd:
        return tr("support@pelodvd.example");
    case Edition::Marbleton:
        return tr("support@marbleton.example");
    case Edition::Marbleton4k:
        return tr("support4k@marbleton.example");
    case Edition::Default:
        break;
    }
    return tr("support@quenmark.example");
}

QString AboutDialog::productPage()
{
    switch (edition()) {
    case Edition::Pelodvd:
        return tr("https://www.pelodvd.example/tarnwick/");
    case Edition::Marbleton:
        return tr("https://www.marbleton.example/tarnwick/");
    case Edition::Marbleton4k:
        return tr("https://www.marbleton.example/tarnwick-4k/");
    case Edition::Default:
        break;
    }
    return tr("https://www.quenmark.example/tarnwick/");
}

void AboutDialog::fillLink(bool hovered)
{
    ui->lab_link->setText(m_linkTemplate.arg(tr("Please visit: "), productPage(),
                                             hovered ? QStringLiteral("#000000") : QStringLiteral("#009cff")));
}

void AboutDialog::initLinkText()
{
    fillLink(false);
}

void AboutDialog::updateVersionInfo()
{
    const ProgramVersion version = runningProgramVersion();
    ui->LabCurVersion->setText(tr("Version: %1").arg(version.toString()));
    ui->LabReleaseDate->setText(tr("Release Date: %1").arg(version.buildDate.toString(QStringLiteral("yyyy-M-d"))));
}

void AboutDialog::resizeEvent(QResizeEvent* event)
{
    PopupBase::resizeEvent(event);
}

void AboutDialog::on_btn_close_clicked()
{
    close();
}

void AboutDialog::on_BtnSendEmail_clicked()
{
    const QString link = QStringLiteral("mailto:%1?subject=&body=").arg(feedbackAddress());
    if (UIBaseData::openPHPParams(QString(), link))
        return;
    MsgDialog::showMsg(tr("No mail client found on this machine."), QString(), QString(), QString(), QString(),
                       QString(), UIBaseData::instance()->mainPopup(),
                       QCoreApplication::translate("MsgDialog", "Warning"), 1);
}

void AboutDialog::onLinkActivated(const QString& link)
{
    UIBaseData::openPHPParams(QStringLiteral("about"), link);
}
