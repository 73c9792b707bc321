#include "gui/special/PopupForm/Unclassified/MsgDialog.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/BtnWidget.h"
#include "ui_MsgDialog.h"

#include <QMetaObject>

MsgDialog::MsgDialog(const QString& heading, const QString& text, const QString& text2, const QString& btn0,
                     const QString& btn1, const QString& btn2, QWidget* parent, const QString& title, int type)
    : PopupBase(parent)
    , ui(new Ui::MsgDialog)
{
    ui->setupUi(this);
    init(this, this, 0.11525424f, false);
    setCloseButton(ui->btn_close);

    ui->lab_info->setText(heading);
    ui->lab_content->setText(text);
    ui->lab_content_2->setText(text2);
    ui->btn_0->setText(btn0);
    ui->btn_1->setText(btn1);
    ui->btn_2->setText(btn2);
    ui->lab_title->setText(title);

    connect(ui->lab_info, &QLabel::linkActivated, this, &MsgDialog::onLink);
    connect(ui->lab_content, &QLabel::linkActivated, this, &MsgDialog::onLink);
    connect(ui->lab_content_2, &QLabel::linkActivated, this, &MsgDialog::onLink);

    if (type == 0) {
        m_remaining = 31;
        m_timer.setInterval(1000);
        m_timer.setSingleShot(false);
        connect(&m_timer, &QTimer::timeout, this, &MsgDialog::onTimeout);
        m_timer.start();
        --m_remaining;
        showCountdown();
    }

    ui->stackedWidget->setCurrentWidget(ui->page_none);

    ui->btn_0->setVisible(!btn0.isEmpty());
    ui->btn_1->setVisible(!btn1.isEmpty());
    ui->btn_2->setVisible(!btn2.isEmpty());

    // A lone first button moves out of the row and is centred under the
    // panel; with no button text at all it becomes "Done", so the box can
    // always be answered.
    if (btn1.isEmpty() && btn2.isEmpty()) {
        ui->horizontalLayout_row->removeWidget(ui->btn_0);
        ui->btn_0->setParent(ui->widget_15);
        setBasePos(ui->btn_0, QPoint(381, 0));
        ui->btn_0->setBaseSize(124, 33);
        ui->btn_0->resize(UIBaseData::scaledSize(QSize(124, 33)));
        if (btn0.isEmpty())
            ui->btn_0->setText(tr("Done"));
        ui->btn_0->show();
    }

    if (type == 0)
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
}

MsgDialog::~MsgDialog()
{
    m_timer.stop();
    delete ui;
}

int MsgDialog::showMsg(const QString& heading, const QString& text, const QString& text2, const QString& btn0,
                       const QString& btn1, const QString& btn2, QWidget* parent, const QString& title, int type)
{
    MsgDialog box(heading, text, text2, btn0, btn1, btn2, parent, title, type);
    box.exec(true);
    return box.result();
}

void MsgDialog::showCountdown()
{
    ui->lab_content->setText(
        tr("Job has been completed. The computer will be shut down after <span style=\"color:#ff0000\">%1</span> sec.")
            .arg(m_remaining));
}

void MsgDialog::on_btn_2_clicked()
{
    m_result = Button2;
    close();
}

void MsgDialog::on_btn_1_clicked()
{
    m_result = Button1;
    close();
}

void MsgDialog::on_btn_0_clicked()
{
    m_result = Button0;
    close();
}

void MsgDialog::on_btn_close_clicked()
{
    m_result = Closed;
    close();
}

void MsgDialog::onTimeout()
{
    --m_remaining;
    showCountdown();
    if (m_remaining <= 0) {
        m_timer.stop();
        m_result = Button0;
        close();
    }
}

void MsgDialog::onLink(const QString& link)
{
    const auto it = m_links.constFind(link);
    if (it == m_links.constEnd() || !it->first || it->second.isEmpty())
        return;
    QMetaObject::invokeMethod(it->first, it->second.toUtf8().constData(), Qt::DirectConnection,
                              Q_ARG(QString, link));
}
