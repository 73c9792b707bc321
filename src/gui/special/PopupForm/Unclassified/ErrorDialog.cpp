#include "gui/special/PopupForm/Unclassified/ErrorDialog.h"

#include "gui/ShadowDilaog.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "shell/SettingsStore.h"
#include "ui_ErrorDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QThread>
#include <QUrl>
#include <QtDebug>

namespace {
QString settingPath(const char* key)
{
    return SettingsStore::fromStoredPath(SettingsStore::instance()->value(QLatin1String(key)));
}

bool fileExists(const char* key)
{
    const QString path = settingPath(key);
    return !path.isEmpty() && QFileInfo(path).isFile();
}
}

ErrorDialog::ErrorDialog(QWidget* parent, bool isMainWindow)
    : PopupBase(parent)
    , ui(new Ui::ErrorDialog)
{
    ui->setupUi(this);
    initTipText();
    m_templates.insert(QStringLiteral("lab_error"), ui->lab_error->text());
    m_message = tr("Tarnwick didn't work properly, files below contains the error infomation.Please send the files "
                   "to our Support Team. Your help will make our product better, Thank you!");
    ui->lab_error->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->btn_openFolder->installEventFilter(this);
    init(this, this, 0.11525424f, isMainWindow);
    setCloseButton(ui->btn_close);
    if (ShadowDilaog* s = shadow())
        s->setWindowFlags(s->windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
}

ErrorDialog::~ErrorDialog()
{
    delete ui;
}

QString ErrorDialog::supportAddress()
{
    const QString site = SettingsStore::instance()->value(QStringLiteral("base/site")).toLower();
    if (site == QLatin1String("pelodvd"))
        return tr("support@pelodvd.example");
    if (site == QLatin1String("marbleton"))
        return tr("support@marbleton.example");
    if (site == QLatin1String("marbleton_4k"))
        return tr("support4k@marbleton.example");
    return tr("support@quenmark.example");
}

void ErrorDialog::initTipText()
{
    const QString address = supportAddress();
    ui->tip->setText(ui->tip->text()
                         .arg(tr("1. Please send the files to "),
                              tr("2. You can push the button &quot;Open Mailbox&quot; to open your mail client on "
                                 "this computer, if you don't have a mail client, please send the files manually."),
                              address));
}

void ErrorDialog::prepare()
{
    UIBaseData::copyLogToCriticalLog();
    struct Row
    {
        const char* key;
        QWidget* widget;
        QSpacerItem** spacer;
    };
    const Row rows[] = {
        {"base/criticalLog", ui->widget_log, &ui->spacer_lead},
        {"base/dump", ui->widget_dump, &ui->spacer_dump},
        {"base/errorZip", ui->widget_zip, &ui->spacer_zip},
    };
    for (const Row& row : rows) {
        if (fileExists(row.key))
            continue;
        // A spacer taken out of its layout is ours to free.
        if (*row.spacer && ui->container_layout->indexOf(*row.spacer) >= 0) {
            ui->container_layout->removeItem(*row.spacer);
            delete *row.spacer;
            *row.spacer = nullptr;
        }
        row.widget->hide();
    }
}

int ErrorDialog::exec()
{
    prepare();
    return PopupBase::exec(true);
}

void ErrorDialog::show()
{
    prepare();
    PopupBase::show(true);
}

void ErrorDialog::resizeEvent(QResizeEvent* event)
{
    PopupBase::resizeEvent(event);
    ui->lab_error->setText(
        m_templates.value(QStringLiteral("lab_error")).arg(UIBaseData::scaled(20)).arg(m_message));
}

void ErrorDialog::on_btn_close_clicked()
{
    close();
}

void ErrorDialog::on_btn_doen_clicked()
{
    close();
}

void ErrorDialog::copyPath(const char* key)
{
    QApplication::clipboard()->setText(SettingsStore::instance()->value(QLatin1String(key)), QClipboard::Clipboard);
}

void ErrorDialog::copyFile(const char* key)
{
    // A URI list must carry a well-formed file URL, or file managers here
    // refuse the paste ("Error File.txt" has a blank).
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/uri-list"), QUrl::fromLocalFile(settingPath(key)).toEncoded());
    QApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

void ErrorDialog::on_btn_mailbox_clicked()
{
    close();
    mailToUxSupport();
}

void ErrorDialog::on_tip_linkActivated(const QString& link)
{
    Q_UNUSED(link);
    close();
    mailToUxSupport();
}

bool ErrorDialog::mailToUxSupport()
{
    QString parts[3];
    const char* keys[] = {"base/criticalLog", "base/dump", "base/errorZip"};
    for (int i = 0; i < 3; ++i) {
        if (fileExists(keys[i]))
            parts[i] = QStringLiteral("[%1] ").arg(SettingsStore::instance()->value(QLatin1String(keys[i])));
    }
    const QString hint = tr("Tips: please add attachment %1%2%3to us.").arg(parts[0], parts[1], parts[2]);
    // The settings folder may hold "#", "&" or "%", which would cut the
    // body short in a raw link.
    const QString link = QStringLiteral("mailto:%1?subject=%2&body=%3")
                             .arg(supportAddress(),
                                  QString::fromLatin1(QUrl::toPercentEncoding(tr("Program didn't work properly"))),
                                  QString::fromLatin1(QUrl::toPercentEncoding(hint)));
    const bool sent = UIBaseData::openPHPParams(QString(), link);
    if (!sent)
        qDebug() << "can not send the e-mail,mailto failed";
    return sent;
}

void ErrorDialog::openReportFolder()
{
    const QString folder = SettingsStore::instance()->value(QStringLiteral("base/configPath"));
    const QString base = SettingsStore::fromStoredPath(folder) + QLatin1Char('/');
    UIBaseData::OpenFolderAndSelectFiles(folder, {base + QStringLiteral("Error File.txt"),
                                                  base + QStringLiteral("Error File.dmp"),
                                                  base + QStringLiteral("Error File.zip")});
}

bool ErrorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->btn_openFolder) {
        const auto picture = [this](const char* state) {
            ui->pic->setStyleSheet(QStringLiteral("border-image: url(:/res/folder_s_%1.png);").arg(QLatin1String(state)));
            // The pressed button is a deep blue, under which the dark text would vanish.
            const bool down = qstrcmp(state, "down") == 0;
            ui->label_2->setStyleSheet(QStringLiteral("color:%1;font-weight:bold;border-image:none;")
                                           .arg(QLatin1String(down ? "#ffffff" : "#434652")));
        };
        switch (event->type()) {
        case QEvent::Enter:
            picture("hover");
            break;
        case QEvent::Leave:
            picture("nor");
            break;
        case QEvent::MouseMove: {
            const auto* me = static_cast<QMouseEvent*>(event);
            picture(ui->btn_openFolder->rect().contains(me->pos()) ? "down" : "hover");
            break;
        }
        case QEvent::MouseButtonPress:
            picture("down");
            break;
        case QEvent::MouseButtonRelease: {
            picture("nor");
            const auto* me = static_cast<QMouseEvent*>(event);
            if (ui->btn_openFolder->rect().contains(me->pos()))
                openReportFolder();
            break;
        }
        default:
            break;
        }
    }
    return PopupBase::eventFilter(watched, event);
}

void ErrorDialog::on_btn_copyLogPath_clicked() { copyPath("base/criticalLog"); }
void ErrorDialog::on_btn_copyLog_clicked() { copyFile("base/criticalLog"); }
void ErrorDialog::on_btn_copyDumpPath_clicked() { copyPath("base/dump"); }
void ErrorDialog::on_btn_copyDump_clicked() { copyFile("base/dump"); }
void ErrorDialog::on_btn_copyZipPath_clicked() { copyPath("base/errorZip"); }
void ErrorDialog::on_btn_copyZip_clicked() { copyFile("base/errorZip"); }

void showFatalErrorAndExit(const QString& message)
{
    Q_UNUSED(message);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    // A window belongs to the GUI thread; a worker hands the job over and
    // goes on, so that it never waits for the user.
    if (QThread::currentThread() != app->thread()) {
        QMetaObject::invokeMethod(app, [message] { showFatalErrorAndExit(message); }, Qt::QueuedConnection);
        return;
    }
    {
        ErrorDialog dialog(nullptr, false);
        dialog.exec();
    }
    QCoreApplication::exit(-1);
}
