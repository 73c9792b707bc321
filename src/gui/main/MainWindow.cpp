#include "gui/main/MainWindow.h"

#include "function/VersionCheck/NetVersionMgr.h"
#include "function/Youtube/Youtube.h"
#include "gui/ShadowDilaog.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/UIBaseData/UIServiceHooks.h"
#include "gui/common/BtnWidget.h"
#include "gui/main/DownloaderForm.h"
#include "gui/special/PopupForm/Unclassified/MsgDialog.h"
#include "ui_DownloaderForm.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QMoveEvent>

namespace {
// The main window sits on its own shadow window when the desktop composes
// translucent windows; otherwise it is a plain top-level window.
ShadowDilaog* makeShadow()
{
    if (!UIBaseData::instance()->isCompositionEnabled())
        return nullptr;
    return new ShadowDilaog(nullptr);
}
}

MainWindow::MainWindow(QWidget* parent)
    : PopupBase(parent, makeShadow())
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    ui->label->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->optLine->hide();
    ui->bg_opt->hide();
    m_styles.insert(QStringLiteral("label"), ui->label->styleSheet());

    // The window that the taskbar knows must be known before init places
    // the window, so that it is not taken for a host to centre on.
    UIBaseData* data = UIBaseData::instance();
    data->setTopLevelWindow(shadow() ? static_cast<QWidget*>(shadow()) : this);
    init(this, ui->title, 1.0f, true);
    setCloseButton(ui->btn_close);
    data->setMainWindow(this);
    data->setFormMode(3);
    createForms();
    setShadowOn();
    data->setTopLevelWindow(shadow() ? static_cast<QWidget*>(shadow()) : this);

    m_alertTimer.setInterval(1000);
    connect(NetVersionMgr::instance(), &NetVersionMgr::doNetVersionChecked, this, &MainWindow::onNetVersionChecked);
    // After the window is shown, from the event loop.
    QMetaObject::invokeMethod(this, "onInit", Qt::QueuedConnection);

    ui->label->setText(QCoreApplication::applicationName());
    // A taskbar or window switcher names the window by the top-level one,
    // the shadow when there is one.
    const QString title = QStringLiteral("Tarnwick");
    setWindowTitle(title);
    if (shadow())
        shadow()->setWindowTitle(title);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    UIBaseData* data = UIBaseData::instance();
    if (data->mainWindow() == this)
        data->setMainWindow(nullptr);
    if (data->topLevelWindow() == this || data->topLevelWindow() == shadow())
        data->setTopLevelWindow(nullptr);
    delete ui;
}

void MainWindow::createForms()
{
    ui->label->setText(tr("Quenmark - Downloader"));
    if (!m_pDownloaderForm) {
        auto* holder = new QWidget;
        ui->mainPageStack->addWidget(holder);
        m_pDownloaderForm = new DownloaderForm(holder);
        auto* layout = new QHBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(m_pDownloaderForm);
        Ui::DownloaderForm* page = m_pDownloaderForm->form();
        page->menuBtn_back->hide();
        qDebug() << "m_pDownloaderForm->ui->menuBtn_back vis = " << page->menuBtn_back->isVisible();
        UIBaseData::instance()->rescaleWidget(m_pDownloaderForm);
        connect(m_pDownloaderForm, &DownloaderForm::doBack, this, &MainWindow::onBack);
        connect(this, &MainWindow::doSettingChanged, m_pDownloaderForm, &DownloaderForm::refreshOutputPath);
        connect(m_pDownloaderForm, &DownloaderForm::doSetting, this, &MainWindow::onShowSetting);
    }
    ui->mainPageStack->setCurrentWidget(m_pDownloaderForm->parentWidget());
    ui->mainPageStack->repaint();
    m_pageMode = 2;
}

void MainWindow::onInit()
{
    onReadinessEvent();
    if (!isVisible())
        askVersion();
    else
        QTimer::singleShot(1000, this, &MainWindow::askVersion);
    qApp->installEventFilter(this);
    m_alertTimer.setInterval(1000);
    connect(&m_alertTimer, &QTimer::timeout, this,
            [] { UIServiceHooks::alert(UIBaseData::instance()->topLevelWindow(), 1000); }, Qt::UniqueConnection);
    connect(Youtube::instance(), &Youtube::doAnalyseFinished, this, &MainWindow::onShowAlert, Qt::QueuedConnection);
}

void MainWindow::askVersion()
{
    if (m_versionAsked)
        return;
    m_versionAsked = true;
    NetVersionMgr::instance()->checkVersion(false);
}

void MainWindow::onNetVersionChecked(bool)
{
    onReadinessEvent();
}

// Whichever of the window's start and the first version answer comes
// second starts the promotion step; a later answer asks it again, and the
// step guards itself.
void MainWindow::onReadinessEvent()
{
    if (m_readyLatch) {
        qDebug() << "window ready, promotion step";
        promotion();
    } else
        m_readyLatch = true;
}

void MainWindow::onShowAlert()
{
    if (UIServiceHooks::applicationState() == Qt::ApplicationActive)
        return;
    qDebug() << "start alert";
    m_alertTimer.start();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Queued: the paint of the whole window ends first.
    if (watched == this && event->type() == QEvent::Paint && !m_versionAsked)
        QMetaObject::invokeMethod(this, &MainWindow::askVersion, Qt::QueuedConnection);
    if (watched == qApp && event->type() == QEvent::ApplicationStateChange
        && UIServiceHooks::applicationState() == Qt::ApplicationActive)
        m_alertTimer.stop();
    return PopupBase::eventFilter(watched, event);
}

void MainWindow::on_btn_close_clicked()
{
    if (m_pageMode != 2 || !m_pDownloaderForm)
        return;
    // Closing keeps the list of unfinished downloads for the next run; only
    // a running download is worth a question.
    if (m_pDownloaderForm->isDownloading()) {
        const int answer = MsgDialog::showMsg(
            QString(), DownloaderForm::tr("The media file is being downloaded."),
            DownloaderForm::tr("Do you really want to end the current download?"), DownloaderForm::tr("Yes"),
            DownloaderForm::tr("No"), QString(), UIBaseData::instance()->mainPopup(),
            QCoreApplication::translate("MsgDialog", "Warning"), 1);
        if (answer != 0)
            return;
    }
    m_pDownloaderForm->releaseDownloads();
    onBack();
}

void MainWindow::on_btn_minimum_clicked()
{
    showMin();
}

void MainWindow::onBack()
{
    close();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    emit doMoved(pos());
    PopupBase::moveEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QString& templ = m_styles[QStringLiteral("label")];
    ui->label->setStyleSheet(templ.arg(UIBaseData::scaled(2.0f)));
    PopupBase::resizeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    if (shadow())
        shadow()->move(pos() - QPoint(4, 4));
    PopupBase::showEvent(event);
}
