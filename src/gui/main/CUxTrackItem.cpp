#include "gui/main/CUxTrackItem.h"

#include "gui/main/CUxTracksListBox.h"
#include "ui_trackitem.h"

#include "gui/UIBaseData/UIBaseData.h"
#include "gui/common/MediaListWidget/QUxListWidget.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

CUxTrackItem::CUxTrackItem(const QString& text, bool checked, int index, CUxTracksListBox* box, int maxNameWidth)
    : QUxItemBase(box->listWidget()), ui(new Ui::trackitem), m_box(box), m_rowIndex(index), m_maxNameWidth(maxNameWidth)
{
    ui->setupUi(this);
    ui->TrackNameLab->setTextFormat(Qt::PlainText);
    ui->TrackNameLab->setText(text);
    ui->TrackNameLab->setToolTip(text);
    ui->TrackNameLab->installEventFilter(this);
    setChecked(checked, false);
}

CUxTrackItem::~CUxTrackItem()
{
    delete ui;
}

bool CUxTrackItem::isChecked() const
{
    return ui->pushButton->isChecked();
}

void CUxTrackItem::setChecked(bool checked, bool delayed)
{
    if (checked)
        emit doSelect();
    else
        emit doSelectNot();
    if (!delayed) {
        ui->pushButton->setChecked(checked);
        return;
    }
    // The row is the context: a popup hidden meanwhile takes the step along.
    QTimer::singleShot(CUxTracksListBox::kReturnDelayMs, this, [this, checked] { ui->pushButton->setChecked(checked); });
}

void CUxTrackItem::on_pushButton_clicked(bool checked)
{
    m_box->onItemToggled(m_rowIndex, checked);
}

bool CUxTrackItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->TrackNameLab && event->type() == QEvent::MouseButtonRelease) {
        // The switch may end the popup, and the row with it.
        QPointer<CUxTrackItem> self(this);
        m_box->switchToItem(m_rowIndex);
        if (!self)
            return true;
    }
    return QUxItemBase::eventFilter(watched, event);
}

int CUxTrackItem::layoutRow()
{
    QFont font(UIBaseData::instance()->fontFamily());
    font.setPixelSize(12);
    const QString name = ui->TrackNameLab->toolTip();
    int width = QFontMetrics(font).horizontalAdvance(name);
    if (m_maxNameWidth >= 0 && m_maxNameWidth < width) {
        width = m_maxNameWidth;
        ui->TrackNameLab->setText(QFontMetrics(font).elidedText(name, Qt::ElideMiddle, width));
    }
    font.setPixelSize(UIBaseData::scaled(12.0f));
    ui->TrackNameLab->setFont(font);
    ui->TrackNameLab->setBaseSize(width, 20);
    ui->TrackNameLab->resize(UIBaseData::scaledSize(QSize(width, 20)));
    setBasePos(ui->TrackNameLab, QPoint(24, 0));
    ui->pushButton->setBaseSize(18, 20);
    ui->pushButton->resize(UIBaseData::scaledSize(QSize(18, 20)));
    setBasePos(ui->pushButton, QPoint(1, 1));
    return width + 24;
}

CUxSubStreamTrackItem::CUxSubStreamTrackItem(const QString& text, bool checked, int index, CUxTracksListBox* box,
                                             int maxNameWidth, ModeHandler modeHandler, int mode)
    : CUxTrackItem(text, checked, index, box, maxNameWidth)
    , m_modeButton(new QPushButton(this))
    , m_modeHandler(modeHandler)
{
    m_modeButton->setObjectName(QStringLiteral("modeButton"));
    m_modeButton->setFocusPolicy(Qt::NoFocus);
    connect(m_modeButton, &QPushButton::clicked, this, &CUxSubStreamTrackItem::moudelBtnClicked);
    setMode(mode);
}

void CUxSubStreamTrackItem::setMode(int mode)
{
    if (mode == 0 || mode == 1) {
        m_modeButton->setText(mode == 0 ? QStringLiteral("S") : QStringLiteral("H"));
        m_modeButton->setToolTip(mode == 0 ? tr("Track") : tr("Built-in"));
        m_modeButton->show();
    } else {
        m_modeButton->setText(QString());
        m_modeButton->hide();
        emit doSelectNot();
        ui->pushButton->setChecked(false);
    }
    m_mode = mode;
}

int CUxSubStreamTrackItem::layoutRow()
{
    const int width = CUxTrackItem::layoutRow();
    m_modeButton->setBaseSize(20, 20);
    m_modeButton->resize(UIBaseData::scaledSize(QSize(20, 20)));
    setBasePos(m_modeButton, QPoint(width + 2, 0));
    return width + 22;
}

void CUxSubStreamTrackItem::moudelBtnClicked()
{
    // From the event loop, with the row as context: the click has finished
    // and a popup hidden meanwhile takes the step along.
    QTimer::singleShot(0, this, [this] {
        const int from = m_mode;
        const int target = from == 0 ? 1 : (from == 1 ? 0 : -1);
        QString message;
        if (from == 0)
            message = tr("The built-in subtitle is fully loaded!");
        else if (from == 1)
            message = tr("External subtitle is fully loaded!");
        int reason = 5;
        int otherIndex = -1;
        int otherMode = 2;
        const bool accepted = m_modeHandler ? m_modeHandler(m_rowIndex, target, &reason, &otherIndex, &otherMode) : false;
        if (accepted) {
            setMode(target);
            if (auto* other = qobject_cast<CUxSubStreamTrackItem*>(m_box->trackItem(otherIndex)))
                other->setMode(otherMode);
            return;
        }
        if (reason == 6)
            message = tr("External picture subtitle is not supported!");
        if (!message.isEmpty())
            m_box->showTip(message);
    });
}
