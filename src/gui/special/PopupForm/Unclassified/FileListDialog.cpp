#include "gui/special/PopupForm/Unclassified/FileListDialog.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "ui_FileListDialog.h"

#include <QEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlockFormat>
#include <QTextCursor>

FileListDialog::FileListDialog(const QString& title, const QString& text, QStringList files, bool choose,
                               QWidget* parent)
    : PopupBase(parent)
    , ui(new Ui::FileListDialog)
{
    ui->setupUi(this);

    ui->lab_title->setText(title);
    if (choose) {
        ui->lab_choose->setText(text);
        ui->stackedWidget->setCurrentWidget(ui->page_choose);
    } else {
        ui->label_warning->setText(text);
        ui->stackedWidget->setCurrentWidget(ui->page_warning);
    }
    m_warningTemplate = ui->label_warning->text();

    QScrollBar* bar = ui->fileList->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, &FileListDialog::onRangeChanged);
    connect(bar, &QScrollBar::valueChanged, this, &FileListDialog::onValuedChanged);
    // Wheel, keys and clicks on the slider move the list too, not only drags.
    connect(ui->vSlider, &QSlider::valueChanged, this, [this](int value) {
        QScrollBar* b = ui->fileList->verticalScrollBar();
        const QSignalBlocker block(b);
        b->setValue(value);
    });

    m_styleTemplates.insert(QStringLiteral("vSlider"), ui->vSlider->styleSheet());
    // The designer's sheet still holds the placeholders; fill them before the
    // slider is polished with it.
    ui->vSlider->setStyleSheet(m_styleTemplates.value(QStringLiteral("vSlider")).arg(1).arg(2));

    QTextBlockFormat format;
    format.setLeftMargin(UIBaseData::scaled(22));
    format.setLineHeight(UIBaseData::scaled(24), QTextBlockFormat::FixedHeight);
    QTextCursor cursor = ui->fileList->textCursor();
    cursor.setBlockFormat(format);

    QStringList names;
    names.reserve(files.size());
    for (const QString& f : qAsConst(files))
        names << shownName(f);
    cursor.insertText(QLatin1Char('\n') + names.join(QLatin1Char('\n')));
    // A cursor left at the end would scroll the list to its end once shown.
    cursor.movePosition(QTextCursor::Start);
    ui->fileList->setTextCursor(cursor);
    bar->setValue(0);

    bar->installEventFilter(this);
    ui->fileList->installEventFilter(this);

    init(this, this, 0.11864407f, false);
    setCloseButton(ui->btn_close);
}

FileListDialog::~FileListDialog()
{
    delete ui;
}

QString FileListDialog::shownName(const QString& entry)
{
    // The engine's failed entries are file paths or, when no file was made,
    // video titles; "AC/DC Live" is a title, not a folder and a file.
    static const QRegularExpression absolute(QStringLiteral("^([/\\\\]|[A-Za-z]:[/\\\\])"));
    if (!absolute.match(entry).hasMatch())
        return entry;
    QString path = entry;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path.section(QLatin1Char('\\'), -1);
}

int FileListDialog::exec()
{
    PopupBase::exec(true);
    return m_result ? 1 : 0;
}

void FileListDialog::updateSliderVisibility()
{
    if (ui->fileList->verticalScrollBar()->maximum() >= 1) {
        ui->vSlider->show();
        ui->vSlider->raise();
    } else {
        ui->vSlider->hide();
    }
}

void FileListDialog::onRangeChanged(int min, int max)
{
    ui->vSlider->setMaximum(max);
    ui->vSlider->setMinimum(min);
    ui->fileList->verticalScrollBar()->setValue(min);
    ui->vSlider->setValue(min);
    updateSliderVisibility();
}

void FileListDialog::onValuedChanged(int val)
{
    const QSignalBlocker block(ui->vSlider);
    ui->vSlider->setValue(val);
}

void FileListDialog::on_vSlider_sliderMoved(int position)
{
    // sliderMoved comes before the slider takes the new value, so the
    // position is the one to follow; value() still holds the previous step.
    QScrollBar* bar = ui->fileList->verticalScrollBar();
    const QSignalBlocker block(bar);
    bar->setValue(position);
}

bool FileListDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->fileList && event->type() == QEvent::Resize)
        updateSliderVisibility();
    return PopupBase::eventFilter(watched, event);
}

void FileListDialog::resizeEvent(QResizeEvent* event)
{
    PopupBase::resizeEvent(event);
    ui->vSlider->setStyleSheet(m_styleTemplates.value(QStringLiteral("vSlider")).arg(1).arg(2));
    ui->label_warning->setText(m_warningTemplate.arg(UIBaseData::scaled(20)));
}

void FileListDialog::on_btn_close_clicked()
{
    m_result = false;
    close();
}

void FileListDialog::on_btn_cancel_clicked()
{
    m_result = false;
    close();
}

void FileListDialog::on_btn_continue_clicked()
{
    m_result = true;
    close();
}
