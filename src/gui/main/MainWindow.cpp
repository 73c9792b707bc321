#include "gui/main/MainWindow.h"

#include "gui/ShadowDilaog.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "ui_MainWindow.h"

#include <QCoreApplication>
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
    ui->mainPageStack->setCurrentWidget(ui->page_placeholder);
    ui->mainPageStack->update();
    m_pageMode = 2;
}

void MainWindow::on_btn_close_clicked()
{
    if (m_pageMode == 2)
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
    const QString templ = m_styles.value(QStringLiteral("label"));
    ui->label->setStyleSheet(templ.arg(UIBaseData::scaled(2.0f)));
    PopupBase::resizeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    if (shadow())
        shadow()->move(pos() - QPoint(4, 4));
    PopupBase::showEvent(event);
}
