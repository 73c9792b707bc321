#include "gui/main/CUxDlTracksListBox.h"

#include "ui_trackitem.h"

#include "gui/UIBaseData/UIBaseData.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>

namespace {
// Shared by every format row of the run, so that columns line up across
// rows and popups; they only grow.
int g_formatWidth = 0;
int g_resolutionWidth = 0;
int g_sizeWidth = 0;
// Design px between two columns.
constexpr float kColumnGap = 6.0f;
}

CUxDlTracksListBox::CUxDlTracksListBox(CheckHandler check, ModeQuery mode, RefusalQuery refusal, SwitchHandler sw,
                                       QWidget* parent)
    : CUxTracksListBox(check, mode, refusal, sw, nullptr, parent, 0)
{
}

void CUxDlTracksListBox::afterItemToggled(int index, bool checked, bool accepted)
{
    if (checked && accepted) {
        if (CUxTrackItem* other = otherCheckedItem(index))
            other->setChecked(false, false);
    } else if (checked) {
        showTip(tr("The chosen track has been beyond the number limit!"));
        setItemChecked(index, false, true);
    } else if (!accepted) {
        showTip(tr("Must choose at lest one track!"));
        setItemChecked(index, true, true);
    }
}

void CUxDlTracksListBox::afterItemSwitched(int, bool accepted)
{
    if (accepted)
        hide();
}

CUxDlTrackItem::CUxDlTrackItem(const DownloadMedia& entry, bool checked, int index, CUxDlTracksListBox* box)
    : CUxTrackItem(QString(), checked, index, box, -1), m_media(entry)
{
    ui->TrackNameLab->installEventFilter(this);
    m_formatText = tr("Format: %1").arg(entry.format);
    m_resolutionText = tr("Resolution: %1").arg(entry.resolution);
    m_sizeText = tr("Size: %1").arg(entry.fileSize);
    QFont font(UIBaseData::instance()->fontFamily());
    font.setPixelSize(UIBaseData::scaled(12.0f));
    ui->TrackNameLab->setFont(font);
    const QFontMetrics fm = ui->TrackNameLab->fontMetrics();
    g_formatWidth = qMax(g_formatWidth, fm.horizontalAdvance(m_formatText));
    g_resolutionWidth = qMax(g_resolutionWidth, fm.horizontalAdvance(m_resolutionText));
    g_sizeWidth = qMax(g_sizeWidth, fm.horizontalAdvance(m_sizeText));
    layoutRow();
}

int CUxDlTrackItem::formatColumnWidth()
{
    return g_formatWidth;
}

int CUxDlTrackItem::resolutionColumnWidth()
{
    return g_resolutionWidth;
}

int CUxDlTrackItem::sizeColumnWidth()
{
    return g_sizeWidth;
}

int CUxDlTrackItem::layoutRow()
{
    const int total = g_formatWidth + g_resolutionWidth + g_sizeWidth;
    QFont font(UIBaseData::instance()->fontFamily());
    font.setPixelSize(UIBaseData::scaled(12.0f));
    ui->TrackNameLab->setFont(font);
    setBasePos(ui->TrackNameLab, QPoint(24, 0));
    ui->TrackNameLab->setBaseSize(total + 12, 20);
    ui->TrackNameLab->resize(UIBaseData::scaledSize(QSize(total + 12, 20)));
    ui->pushButton->setBaseSize(18, 20);
    ui->pushButton->resize(UIBaseData::scaledSize(QSize(18, 20)));
    setBasePos(ui->pushButton, QPoint(1, 1));
    return total + 36;
}

bool CUxDlTrackItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->TrackNameLab && event->type() == QEvent::Paint) {
        QLabel* label = ui->TrackNameLab;
        QPainter painter(label);
        QStyleOption option;
        option.initFrom(label);
        label->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, label);
        painter.setFont(label->font());
        painter.setPen(label->palette().color(QPalette::WindowText));
        const int gap = UIBaseData::scaled(kColumnGap);
        const int h = label->height();
        const int flags = Qt::AlignLeft | Qt::AlignVCenter;
        painter.drawText(QRect(0, 0, g_formatWidth + gap, h), flags, m_formatText);
        painter.drawText(QRect(g_formatWidth + gap, 0, g_resolutionWidth + gap, h), flags, m_resolutionText);
        painter.drawText(QRect(g_formatWidth + g_resolutionWidth + 2 * gap, 0, qMax(g_sizeWidth, label->width()), h), flags,
                         m_sizeText);
    }
    // The base reports a release on the name as a switch.
    return CUxTrackItem::eventFilter(watched, event);
}
